// Kavrin_5x50: the desktop window. "--data-dir DIR" (or KAVRIN_DATA_DIR) names the data folder;
// the other arguments are the program's start-up switches.
#include <QApplication>
#include <string>
#include <vector>

#include "app/datadir.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kavrin::gui::SetUpApplication(app);
  std::string dataDir;
  std::vector<std::string> switches;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QStringLiteral("--data-dir") && i + 1 < arguments.size()) dataDir = arguments[++i].toStdString();
    else switches.push_back(arguments[i].toStdString());
  }
  kavrin::gui::MainWindow window(kavrin::ResolveDataDir(dataDir), switches);
  window.show();
  return QApplication::exec();
}
