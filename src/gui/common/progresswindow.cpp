#include "gui/common/progresswindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kavrin::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), label_(new QLabel(this)),
      bar_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("progressWindow"));
  setWindowModality(Qt::ApplicationModal);
  label_->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  setMinimumWidth(420);
}

void ProgressWindow::Start(const QString& text, int steps) {
  setWindowTitle(text);
  label_->setText(text);
  bar_->setRange(0, qMax(steps, 1));
  bar_->setValue(0);
  show();
  raise();
}

void ProgressWindow::Step(int step) { bar_->setValue(step); }

void ProgressWindow::End() { hide(); }

}  // namespace kavrin::gui
