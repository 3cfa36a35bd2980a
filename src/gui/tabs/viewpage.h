#pragma once
// A page of the main window that follows the application object's view notifications and keeps
// its layout (column widths, sort orders, panel sizes) in the view-settings file with the
// window's own.
#include "app/uihost.h"

namespace kavrin {
class TIniFile;
}

namespace kavrin::gui {

class ViewPage {
 public:
  virtual ~ViewPage() = default;
  // The application object changed the data of this view; a page ignores the views not its own.
  virtual void ViewChanged(TView view) = 0;
  virtual void RestoreLayout(const TIniFile& ini) = 0;
  virtual void StoreLayout(TIniFile& ini) const = 0;
};

}  // namespace kavrin::gui
