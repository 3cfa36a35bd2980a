#pragma once
// One QAction per entry of the application object's command table: caption, hint (shown in the
// operation panel while idle), shortcut in its scope, and the command's own tests for its enabled
// and checked states. One pass sets every state; menus, tool bar and context menus show the same
// actions.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/commandtable.h"

class QAction;
class QWidget;

namespace kavrin::gui {

class ActionRegistry {
 public:
  // `owner` owns the actions and takes the window-wide shortcuts; `after` runs after every
  // command (the window's state pass).
  ActionRegistry(QWidget* owner, std::function<void(const QString& hint)> showHint, std::function<void()> after);
  ~ActionRegistry();
  // `scopeWidget` takes the shortcut of a list-scoped command (nullptr: the owner).
  QAction* Add(const TCommand& command, QWidget* scopeWidget);
  // The action of the command with this name; nullptr for a name never added.
  QAction* Action(const std::string& name) const;
  // The actions of these names in order; an empty name gives a separator.
  QList<QAction*> Actions(const std::vector<std::string>& names) const;
  const std::vector<TCommand>& Commands() const { return commands_; }
  void UpdateStates();
  // "name1 / name2: keys" for each pair of commands sharing keys in the same scope; empty when
  // none do.
  QStringList ShortcutClashes() const;
  const std::map<std::string, QAction*>& All() const { return actions_; }

 private:
  QWidget* owner_;
  std::function<void(const QString&)> showHint_;
  std::function<void()> after_;
  std::vector<TCommand> commands_;
  std::vector<QAction*> inOrder_;
  std::map<std::string, QAction*> actions_;
};

}  // namespace kavrin::gui
