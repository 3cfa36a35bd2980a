#include "gui/main/actionregistry.h"

#include <QAction>

#include "gui/main/mainwindow.h"

namespace kavrin::gui {

ActionRegistry::ActionRegistry(MainWindow& window) : window_(window) {}

ActionRegistry::~ActionRegistry() = default;

void ActionRegistry::BuildMenus() {}

QAction* ActionRegistry::Action(const std::string& name) const {
  const auto found = bindings_.find(name);
  return found == bindings_.end() ? nullptr : found->second.Action;
}

void ActionRegistry::UpdateStates() {
  for (auto& [name, binding] : bindings_) {
    binding.Action->setEnabled(binding.Update());
    if (binding.Checked) binding.Action->setChecked(binding.Checked());
  }
}

QStringList ActionRegistry::ShortcutClashes() const { return {}; }

}  // namespace kavrin::gui
