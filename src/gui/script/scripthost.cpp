// The scenario tab's and the online catalog's dialogs as the window shows them.
#include <QApplication>
#include <QMainWindow>

#include "gui/common/modal.h"
#include "gui/main/mainwindow.h"
#include "gui/main/windowhost.h"
#include "gui/script/filterdialog.h"
#include "gui/script/linedialog.h"
#include "gui/script/propertiesdialog.h"

namespace kavrin::gui {

bool WindowHost::EditScriptLine(const std::string& caption, TScriptLineDialogFields& fields) {
  return EditScriptLineDialog(&window_, caption, fields);
}

bool WindowHost::EditFilter(TFilterItem& filter, const TFilterDialogCheck& validate) {
  // The method list is the statistics tab's.
  auto* window = qobject_cast<MainWindow*>(&window_);
  if (!window) return false;
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &window_;
  return EditFilterDialog(parent, filter, window->Main().StatPage.Kinds, window->Main().Stats, validate);
}

bool WindowHost::EditScriptProperties(tScriptData& fields, bool editable, const TScriptDialogCheck& validate) {
  return EditScriptPropertiesDialog(&window_, fields, editable, validate);
}

void WindowHost::ShowScriptRates(const std::vector<TScriptRate>& rates) {
  ScriptRatesWindow window(&window_, rates);
  RunModal(window);
}

}  // namespace kavrin::gui
