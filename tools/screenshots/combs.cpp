// The combination page after a few narrowing operations, and the generation dialog.
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include "gui/combs/generatedialog.h"
#include "gui/main/mainwindow.h"
#include "shots.h"

namespace kavrin::shots {
namespace {

void Take(gui::MainWindow& window) {
  TFormMain& main = window.Main();
  window.findChild<QSpinBox*>(QStringLiteral("edDrawsExclude"))->setValue(10);
  main.CombsDelExistsExecute();
  main.StatSelection = {0, 1, 2};
  main.StatFilterExecute(TFilterMode::Exclude);
  main.StatSelection = {5, 6, 7, 8};
  main.StatFilterExecute(TFilterMode::Include);
  main.StatSelection.clear();
  window.findChild<QTabWidget*>(QStringLiteral("pcLeft"))->setCurrentWidget(window.Pages().Combinations);
  auto* list = window.findChild<QTableView*>(QStringLiteral("lvCombs"));
  list->selectRow(2);
  window.UpdateCommandStates();
  Save(window, QStringLiteral("combs-page"));
  window.show();

  gui::GenerateDialog dialog(&window, {1, "3; 7; 12; 25; 41", false});
  Save(dialog, QStringLiteral("combs-generate-dialog"));
}

const Shots shots("combs", Take);

}  // namespace
}  // namespace kavrin::shots
