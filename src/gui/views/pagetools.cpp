#include "gui/views/pagetools.h"

#include <QKeyEvent>
#include <QToolBar>

#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"

namespace kavrin::gui {

DepthField::DepthField(const QString& name, const QString& hint, QWidget* parent) : QSpinBox(parent) {
  setObjectName(name);
  setToolTip(hint);
  setRange(1, 9999999);
  setAccelerated(true);
}

void DepthField::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QSpinBox::keyPressEvent(event);
  if (!enter) return;
  event->accept();  // the field's own Enter: no dialog default button besides
  if (hasAcceptableInput()) emit Entered(value());
}

QToolBar* PageToolBar(const QString& name, QWidget* parent) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(name);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->setIconSize(QSize(1, 1));
  return bar;
}

void AddWindowActions(MainWindow& window, QWidget* widget, std::vector<std::string> names) {
  window.WhenActionsBuilt(
      [widget, names = std::move(names)](ActionRegistry& actions) { widget->addActions(actions.Actions(names)); });
}

}  // namespace kavrin::gui
