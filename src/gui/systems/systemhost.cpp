// The host's system dialog.
#include <QMainWindow>

#include "gui/main/windowhost.h"
#include "gui/systems/systemdialog.h"

namespace kavrin::gui {

bool WindowHost::EditSystem(TSystemDialogFields& fields, bool editable) {
  return EditSystemDialog(&window_, fields, editable, [this](const std::string& url) { OpenUrl(url); });
}

}  // namespace kavrin::gui
