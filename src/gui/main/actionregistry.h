#pragma once
// One QAction per command of the application object's command table: caption, hint (shown in
// the operation panel while idle), shortcut, menu place; one pass sets every enabled and
// checked state from the command's own tests.
#include <QList>
#include <QString>
#include <functional>
#include <map>
#include <string>

class QAction;
class QMenu;

namespace kavrin::gui {

class MainWindow;

class ActionRegistry {
 public:
  explicit ActionRegistry(MainWindow& window);
  ~ActionRegistry();
  void BuildMenus();
  // The action of the command with this name; nullptr for a name the table does not have.
  QAction* Action(const std::string& name) const;
  void UpdateStates();
  // Pairs of commands whose shortcuts are the same in the same scope; empty when none clash.
  QStringList ShortcutClashes() const;

 private:
  struct Binding {
    QAction* Action = nullptr;
    std::function<bool()> Update;
    std::function<bool()> Checked;  // empty for a command without a checked state
  };
  MainWindow& window_;
  std::map<std::string, Binding> bindings_;
};

}  // namespace kavrin::gui
