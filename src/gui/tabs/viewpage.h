#pragma once
// A page of the main tab set that follows the application object's view notifications and keeps
// its own layout (column widths, panel sizes) in the view-settings file with the window's.
#include "app/uihost.h"

namespace kavrin {
class TIniFile;
}

namespace kavrin::gui {

class ViewPage {
 public:
  virtual ~ViewPage() = default;
  // The data shown by `view` changed; a page without that view ignores it.
  virtual void ViewChanged(TView view) = 0;
  virtual void RestoreLayout(const TIniFile& ini) = 0;
  virtual void StoreLayout(TIniFile& ini) const = 0;
};

}  // namespace kavrin::gui
