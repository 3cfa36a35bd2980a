#pragma once
// The progress window of long computations: a text and a bar of steps, above the main window.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace kavrin::gui {

class ProgressWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent);
  void Start(const QString& text, int steps);
  void Step(int step);
  void End();

 private:
  QLabel* label_;
  QProgressBar* bar_;
};

}  // namespace kavrin::gui
