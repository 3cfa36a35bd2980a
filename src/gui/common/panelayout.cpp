#include "gui/common/panelayout.h"

#include <QVBoxLayout>

namespace kavrin::gui {

QVBoxLayout* PaneLayout(QWidget* pane, int margin) {
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(2);
  return layout;
}

void FillPage(QWidget* page, QWidget* content) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(content);
}

}  // namespace kavrin::gui
