#pragma once
// A page of the main tab set as the window drives it: it resets the views whose data the
// application object changed, and restores and stores its own layout (column widths, sort
// orders, panel sizes) with the window's in the view-settings file.
#include "app/uihost.h"

namespace kavrin {
class TIniFile;
}

namespace kavrin::gui {

class ViewPage {
 public:
  virtual ~ViewPage() = default;
  virtual void ViewChanged(TView view) = 0;
  virtual void RestoreLayout(const TIniFile& ini) = 0;
  virtual void StoreLayout(TIniFile& ini) const = 0;
};

}  // namespace kavrin::gui
