// The host dialogs of the draw views.
#include <exception>

#include <QMainWindow>

#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/common/modal.h"
#include "gui/main/windowhost.h"
#include "gui/views/repeatsdialog.h"

namespace kavrin::gui {

void WindowHost::ShowRepeats(TRepeatsDialog& dialog) {
  RepeatsDialog window(&window_, dialog);
  try {
    window.RestoreLayout(TIniFile(ViewSettingsPath));
  } catch (const std::exception& e) {
    ShowError(std::string("Ошибка загрузки параметров программы!\r\r") + e.what());
  }
  RunModal(window);
  dialog.GraphHeight = window.ChartHeight();
  try {
    TIniFile ini(ViewSettingsPath);
    window.StoreLayout(ini);
    ini.UpdateFile();
  } catch (const std::exception& e) {
    ShowError(std::string("Ошибка сохранения параметров программы!\r\r") + e.what());
  }
}

}  // namespace kavrin::gui
