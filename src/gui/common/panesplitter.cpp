#include "gui/common/panesplitter.h"

#include <QResizeEvent>
#include <algorithm>

namespace kavrin::gui {

PaneSplitter::PaneSplitter(Qt::Orientation orientation, int fixedPane, QWidget* parent)
    : QSplitter(orientation, parent), fixedPane_(fixedPane) {
  setChildrenCollapsible(false);
  // Once the user moves the handle, the pane's size is theirs, whatever was still to be applied.
  connect(this, &QSplitter::splitterMoved, this, [this] { pending_ = -1; });
}

void PaneSplitter::SetPaneSize(int size) {
  pending_ = std::max(size, 0);
  Apply();
}

int PaneSplitter::PaneSize() const {
  if (pending_ >= 0 || count() < 2) return std::max(pending_, 0);
  return sizes().at(fixedPane_);
}

void PaneSplitter::resizeEvent(QResizeEvent* event) {
  QSplitter::resizeEvent(event);
  Apply();
}

void PaneSplitter::showEvent(QShowEvent* event) {
  QSplitter::showEvent(event);
  Apply();
}

void PaneSplitter::Apply() {
  const int total = (orientation() == Qt::Horizontal ? width() : height()) - handleWidth();
  if (pending_ < 0 || count() != 2 || total <= 0 || !isVisible()) return;
  const int fixed = std::min(pending_, std::max(total - 20, 0));
  QList<int> panes{total - fixed, total - fixed};
  panes[fixedPane_] = fixed;
  panes[1 - fixedPane_] = total - fixed;
  setStretchFactor(fixedPane_, 0);
  setStretchFactor(1 - fixedPane_, 1);
  setSizes(panes);
  // While the window is still being laid out the splitter can be too small for the stored size:
  // it is applied again as the splitter grows, instead of keeping the cut one for good.
  if (fixed == pending_) pending_ = -1;
}

}  // namespace kavrin::gui
