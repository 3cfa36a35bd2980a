#include "gui/main/actionregistry.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "gui/common/qttext.h"

namespace kavrin::gui {

ActionRegistry::ActionRegistry(QWidget* owner, std::function<void(const QString&)> showHint, std::function<void()> after)
    : owner_(owner), showHint_(std::move(showHint)), after_(std::move(after)) {}

ActionRegistry::~ActionRegistry() = default;

QAction* ActionRegistry::Add(const TCommand& command, QWidget* scopeWidget) {
  auto* action = new QAction(ToQ(command.Caption), owner_);
  action->setObjectName(ToQ(command.Name));
  action->setToolTip(ToQ(command.Hint));
  action->setCheckable(static_cast<bool>(command.Checked));
  if (!command.Shortcut.empty()) {
    action->setShortcut(QKeySequence(ToQ(command.Shortcut)));
    // A list-scoped key works only while its list has the focus, so lists may share keys.
    const bool window = command.Scope == TShortcutScope::Window || scopeWidget == nullptr;
    action->setShortcutContext(window ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
    (window ? owner_ : scopeWidget)->addAction(action);
  }
  QObject::connect(action, &QAction::hovered, owner_, [this, hint = ToQ(command.Hint)] { showHint_(hint); });
  const size_t index = commands_.size();
  QObject::connect(action, &QAction::triggered, owner_, [this, index] {
    // A key may fire between two state passes: the command's own test has the last word.
    if (commands_[index].Update()) commands_[index].Execute();
    after_();
  });
  commands_.push_back(command);
  inOrder_.push_back(action);
  actions_[command.Name] = action;
  return action;
}

QAction* ActionRegistry::Action(const std::string& name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

QList<QAction*> ActionRegistry::Actions(const std::vector<std::string>& names) const {
  QList<QAction*> list;
  for (const std::string& name : names) {
    if (name.empty()) {
      auto* separator = new QAction(owner_);
      separator->setSeparator(true);
      list << separator;
    } else if (QAction* action = Action(name)) {
      list << action;
    }
  }
  return list;
}

void ActionRegistry::UpdateStates() {
  for (size_t i = 0; i < commands_.size(); ++i) {
    inOrder_[i]->setEnabled(commands_[i].Update());
    if (commands_[i].Checked) inOrder_[i]->setChecked(commands_[i].Checked());
  }
}

QStringList ActionRegistry::ShortcutClashes() const {
  QStringList clashes;
  std::map<std::pair<QString, int>, std::string> seen;
  for (size_t i = 0; i < commands_.size(); ++i) {
    const QString keys = inOrder_[i]->shortcut().toString();
    if (keys.isEmpty()) continue;
    const auto [it, inserted] = seen.emplace(std::pair(keys, static_cast<int>(commands_[i].Scope)), commands_[i].Name);
    if (!inserted) clashes << QStringLiteral("%1 / %2: %3").arg(ToQ(it->second), ToQ(commands_[i].Name), keys);
  }
  return clashes;
}

}  // namespace kavrin::gui
