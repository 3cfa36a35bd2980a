#pragma once
// Shared by the screenshot files: each tab's folder of shots registers one function that shows
// its page and dialogs over the started main window and saves them with Save.
#include <QString>
#include <functional>

class QWidget;

namespace kavrin::gui {
class MainWindow;
}

namespace kavrin::shots {

// Shows the widget, lets it paint and writes OUTPUT_DIR/name.png.
void Save(QWidget& widget, const QString& name);

// Registers a set of shots, run after the main window's own in the order of their names.
struct Shots {
  Shots(const char* name, std::function<void(gui::MainWindow&)> take);
};

}  // namespace kavrin::shots
