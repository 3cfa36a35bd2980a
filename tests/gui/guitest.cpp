#include "guitest.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "test_paths.h"

namespace kavrin::test {

DataFolder::DataFolder() {
  for (const char* name : {"Kavrin_5x50.ldr", "Kavrin_5x50.ini"})
    QFile::copy(QStringLiteral(KAVRIN_DEMO_DIR "/") + QString::fromLatin1(name), dir_.filePath(QString::fromLatin1(name)));
  // The window's tests never reach the network: no update check, no download, no catalogs.
  TIniFile ini(File(ViewSettingsFileName));
  ini.WriteBool(MainWindowSection, "AutoUpdates", false);
  ini.WriteInteger(MainWindowSection, "DownloadDrawsOnStart", 2);
  ini.WriteBool(MainWindowSection, "ScriptLibraryOn", false);
  ini.WriteBool(MainWindowSection, "SystemsEnabled", false);
  ini.UpdateFile();
}

std::unique_ptr<gui::MainWindow> StartWindow(const DataFolder& folder) {
  auto window = std::make_unique<gui::MainWindow>(folder.Path(), std::vector<std::string>{});
  window->show();
  if (!QTest::qWaitFor([&] { return window->Started(); }, 60000)) return nullptr;
  return window;
}

bool Trigger(gui::MainWindow& window, const char* command) {
  window.UpdateCommandStates();
  QAction* action = window.Actions().Action(command);
  if (action == nullptr || !action->isEnabled()) return false;
  action->trigger();
  return true;
}

ScriptedUser::ScriptedUser() {
  previous_ = gui::SetModalHook([this](QDialog& dialog) -> int {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      QMessageBox::StandardButton answer =
          box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::Ok;
      boxes.push_back({box->windowTitle(), box->text(), answer});
      if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
      }
      return answer;
    }
    if (dialogs.empty()) return QDialog::Rejected;
    auto handler = std::move(dialogs.front());
    dialogs.pop_front();
    return handler(dialog);
  });
}

ScriptedUser::~ScriptedUser() { gui::SetModalHook(std::move(previous_)); }

}  // namespace kavrin::test
