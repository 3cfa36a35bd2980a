// The stakes tab's host windows.
#include <QMainWindow>

#include "gui/main/windowhost.h"
#include "gui/stakes/stakedialog.h"

namespace kavrin::gui {

bool WindowHost::EditStake(TStakeDialogFields& fields) { return EditStakeDialog(&window_, fields, false); }

bool WindowHost::EditMultiStake(TStakeDialogFields& fields) { return EditStakeDialog(&window_, fields, true); }

bool WindowHost::ChooseStakeCondition(int& mode, int& threshold) {
  return ChooseStakeConditionDialog(&window_, mode, threshold);
}

}  // namespace kavrin::gui
