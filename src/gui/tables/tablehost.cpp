// The host's regular stake dialog.
#include <QMainWindow>

#include "gui/main/windowhost.h"
#include "gui/tables/regulardialog.h"

namespace kavrin::gui {

bool WindowHost::EditRegular(TRegularDialogFields& fields, int selected, const TTableStakesArray& existing) {
  return EditRegularDialog(&window_, fields, selected, existing);
}

}  // namespace kavrin::gui
