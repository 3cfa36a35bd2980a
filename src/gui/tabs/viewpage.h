#pragma once
// A page of the main window that follows the application object's view notifications and keeps
// its layout (column widths, splitter sizes) in the view-settings file with the window's.
#include "app/uihost.h"
#include "core/inifile.h"

namespace kavrin::gui {

class ViewPage {
 public:
  virtual ~ViewPage() = default;
  // The data of `view` changed; a page without that view ignores it.
  virtual void ViewChanged(TView view) = 0;
  virtual void RestoreLayout(const TIniFile& ini) = 0;
  virtual void StoreLayout(TIniFile& ini) const = 0;
};

}  // namespace kavrin::gui
