#pragma once
// The layouts every page and pane of the main window uses, so that they all sit alike.
class QVBoxLayout;
class QWidget;

namespace kavrin::gui {

// A pane's widgets one under another, 2 px apart and `margin` px from the pane's edges.
QVBoxLayout* PaneLayout(QWidget* pane, int margin = 2);
// Fills a tab's page with `content`, edge to edge.
void FillPage(QWidget* page, QWidget* content);

}  // namespace kavrin::gui
