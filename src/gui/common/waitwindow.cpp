#include "gui/common/waitwindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kavrin::gui {

WaitWindow::WaitWindow(QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), label_(new QLabel(this)) {
  setObjectName(QStringLiteral("waitWindow"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  label_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 16, 24, 16);
  layout->addWidget(label_);
}

void WaitWindow::SetText(const QString& text) {
  if (text.isEmpty()) {
    hide();
    return;
  }
  label_->setText(text);
  adjustSize();
  resize(qMax(width(), 320), height());
  if (QWidget* owner = parentWidget()) move(owner->geometry().center() - rect().center());
  show();
  raise();
}

}  // namespace kavrin::gui
