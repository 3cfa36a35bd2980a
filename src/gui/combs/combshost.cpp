// The window's dialogs of the combination list.
#include <QMainWindow>

#include "gui/combs/generatedialog.h"
#include "gui/main/windowhost.h"

namespace kavrin::gui {

bool WindowHost::EditGenerate(TGenerateDialogFields& fields) { return EditGenerateDialog(&window_, fields); }

}  // namespace kavrin::gui
