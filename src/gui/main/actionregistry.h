#pragma once
// One QAction per command of the application object: caption, hint (shown in the operation
// panel while idle), shortcut and the command's own tests for its enabled and checked states.
// One pass sets every state; the menus, the tool bar and the context menus show the same
// actions.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QObject;

namespace kavrin::gui {

struct CommandSpec {
  std::string Name;     // the program's command name, such as "DrawsAdd"
  std::string Caption;  // with "&" before the accelerator letter where it has one
  std::string Hint;
  std::string Shortcut;             // a key sequence such as "Ctrl+N"; empty for none
  std::function<bool()> Update;     // may it run now?
  std::function<bool()> Checked;    // empty for a command without a checked state
  std::function<void()> Execute;
};

class ActionRegistry {
 public:
  // `parent` owns the actions; `after` runs after every command (the window's refresh).
  ActionRegistry(QObject* parent, std::function<void(const QString& hint)> showHint, std::function<void()> after);
  ~ActionRegistry();
  QAction* Add(const CommandSpec& command);
  // The action of the command with this name; nullptr for a name never added.
  QAction* Action(const std::string& name) const;
  QList<QAction*> Actions(const std::vector<std::string>& names) const;
  void UpdateStates();
  // "name1 / name2: shortcut" for each pair of commands sharing a shortcut; empty when none do.
  QStringList ShortcutClashes() const;
  const std::map<std::string, QAction*>& All() const { return actions_; }

 private:
  struct Binding {
    QAction* Action = nullptr;
    std::function<bool()> Update;
    std::function<bool()> Checked;
  };
  QObject* parent_;
  std::function<void(const QString&)> showHint_;
  std::function<void()> after_;
  std::map<std::string, QAction*> actions_;
  std::vector<Binding> bindings_;
};

}  // namespace kavrin::gui
