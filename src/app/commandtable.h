#pragma once
// The command table: every user command of the application object as one entry, so that a
// window creates its actions (menu items, tool buttons, shortcuts) by iterating one list and sets
// their enabled and checked states in one idle pass. A command that takes an argument (a filter
// mode, an efficiency mode, a rating) is one entry per value.
#include <functional>
#include <string>
#include <vector>

namespace kavrin {

class TTemplateMain;

// The main menu an entry belongs to; NoMenu for commands reached only by buttons, context menus
// or double clicks.
enum class TCommandMenu { NoMenu, Program, Draws, Combs, Statistics, Stakes, Ratings, Tables, Script, Systems, Help };
// The menu's caption.
const char* CommandMenuCaption(TCommandMenu menu);

// Where a shortcut works. Window: anywhere in the main window (a focused text field keeps its
// own editing keys). A list: only while that list has the focus, which is how the keys that
// several lists share (Ctrl+Del) or that text editing uses (Ctrl+C, Ctrl+V, Ctrl+A) stay apart.
enum class TShortcutScope { Window, DrawsList, CombsList, ScriptList, StakesGrid };

// The context menus entries also appear in (none, one or more).
enum TContextMenu : unsigned {
  NoContextMenu = 0,
  DrawsListMenu = 1,
  CombsListMenu = 2,
  ScriptListMenu = 4,
};

struct TCommand {
  std::string Name;     // the program's command name, such as "DrawsAdd" or "RatingsEffMode1"
  std::string Caption;  // as the menu shows it
  std::string Hint;     // the operation panel's text while the pointer rests on it
  std::string Shortcut;  // portable key text ("Ctrl+Shift+Del", "F7"); empty for none
  TShortcutScope Scope = TShortcutScope::Window;
  TCommandMenu Menu = TCommandMenu::NoMenu;
  std::string Submenu;  // a submenu of Menu with this caption; empty: the menu itself
  unsigned ContextMenus = NoContextMenu;
  // Entries of one radio group (same non-empty name) show as exclusive choices.
  std::string RadioGroup;
  std::function<bool()> Update;   // may it run now?
  std::function<bool()> Checked;  // empty for a command that is no switch
  std::function<void()> Execute;
};

// The whole table of `main`, in menu order; the callables refer to `main`, which must outlive
// the table.
std::vector<TCommand> BuildCommandTable(TTemplateMain& main);

}  // namespace kavrin
