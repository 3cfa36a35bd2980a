#pragma once
// The small borderless window that shows one text while a download runs.
#include <QFrame>

class QLabel;

namespace kavrin::gui {

class WaitWindow : public QFrame {
  Q_OBJECT
 public:
  explicit WaitWindow(QWidget* parent);
  // Shows the text centred over the parent; an empty text hides the window.
  void SetText(const QString& text);

 private:
  QLabel* label_;
};

}  // namespace kavrin::gui
