#pragma once
// The commands the window shows: each one the application object's Update/Execute pair under
// its caption, hint and shortcut, and where it appears (menus, tool bar, context menus).
namespace kavrin::gui {

class MainWindow;

// Adds every command to the window's registry and builds the menus and the tool bar.
void BuildWindowCommands(MainWindow& window);

}  // namespace kavrin::gui
