#pragma once
// What the draw view pages share: the depth fields, their tool bars and the window's actions on
// them.
#include <QSpinBox>
#include <QString>
#include <string>
#include <vector>

class QToolBar;

namespace kavrin::gui {

class MainWindow;

// A depth: 1 and up. Enter hands the typed value on; the arrows alone only change the field.
class DepthField : public QSpinBox {
  Q_OBJECT
 public:
  DepthField(const QString& name, const QString& hint, QWidget* parent);

 signals:
  void Entered(int value);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// A tool bar of text buttons.
QToolBar* PageToolBar(const QString& name, QWidget* parent);
// Adds the window's actions of these names (an empty name: a separator) to the widget. The window
// makes its actions after its pages, so they are added once the window is built.
void AddWindowActions(MainWindow& window, QWidget* widget, std::vector<std::string> names);

}  // namespace kavrin::gui
