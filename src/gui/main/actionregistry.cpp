#include "gui/main/actionregistry.h"

#include <QAction>
#include <QKeySequence>

#include "gui/common/qttext.h"

namespace kavrin::gui {

ActionRegistry::ActionRegistry(QObject* parent, std::function<void(const QString&)> showHint,
                               std::function<void()> after)
    : parent_(parent), showHint_(std::move(showHint)), after_(std::move(after)) {}

ActionRegistry::~ActionRegistry() = default;

QAction* ActionRegistry::Add(const CommandSpec& command) {
  auto* action = new QAction(ToQ(command.Caption), parent_);
  action->setObjectName(ToQ(command.Name));
  action->setToolTip(ToQ(command.Hint));
  if (!command.Shortcut.empty()) action->setShortcut(QKeySequence(ToQ(command.Shortcut)));
  action->setCheckable(static_cast<bool>(command.Checked));
  QObject::connect(action, &QAction::hovered, parent_, [this, hint = ToQ(command.Hint)] { showHint_(hint); });
  QObject::connect(action, &QAction::triggered, parent_, [this, execute = command.Execute, update = command.Update] {
    // A shortcut may fire between two state passes: the command's own test has the last word.
    if (update()) execute();
    after_();
  });
  actions_[command.Name] = action;
  bindings_.push_back({action, command.Update, command.Checked});
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
      auto* separator = new QAction(parent_);
      separator->setSeparator(true);
      list << separator;
    } else if (QAction* action = Action(name)) {
      list << action;
    }
  }
  return list;
}

void ActionRegistry::UpdateStates() {
  for (const Binding& binding : bindings_) {
    binding.Action->setEnabled(binding.Update());
    if (binding.Checked) binding.Action->setChecked(binding.Checked());
  }
}

QStringList ActionRegistry::ShortcutClashes() const {
  QStringList clashes;
  std::map<QString, std::string> seen;
  for (const auto& [name, action] : actions_) {
    const QString keys = action->shortcut().toString();
    if (keys.isEmpty()) continue;
    const auto [it, inserted] = seen.emplace(keys, name);
    if (!inserted) clashes << QStringLiteral("%1 / %2: %3").arg(ToQ(it->second), ToQ(name), keys);
  }
  return clashes;
}

}  // namespace kavrin::gui
