// The statistics tab's windows of the host: the favourites manager and the method description.
#include <QMainWindow>

#include "gui/main/windowhost.h"
#include "gui/statistics/descriptionwindow.h"
#include "gui/statistics/favoritesdialog.h"

namespace kavrin::gui {

bool WindowHost::EditFavorites(TFavoritesManager& manager) {
  const auto describe = [this, &manager](int entry) {
    if (entry >= 0) ShowMethodDescription(DescribeMethod(manager.Stats(), entry, CanShowHelpPages()));
  };
  return EditFavoritesDialog(&window_, manager, *this, describe, DataDir);
}

void WindowHost::ShowMethodDescription(const TMethodDescription& description) {
  DescriptionWindow window(&window_, description);
  RunModalPlaced(window, "TFormFilterHelp");
}

}  // namespace kavrin::gui
