#pragma once
// A splitter with one pane of a stored size (the left panel's width, the height of a panel
// below a list): the size is applied once the splitter has its own size, the fixed pane keeps
// it when the window is resized, and it is read back for the view settings.
#include <QSplitter>

namespace kavrin::gui {

class PaneSplitter : public QSplitter {
  Q_OBJECT
 public:
  PaneSplitter(Qt::Orientation orientation, int fixedPane, QWidget* parent = nullptr);
  void SetPaneSize(int size);
  int PaneSize() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Apply();

  int fixedPane_;
  int pending_ = -1;
};

}  // namespace kavrin::gui
