#include "gui/common/modal.h"

#include <QDialog>

namespace kavrin::gui {
namespace {

ModalHook& Hook() {
  static ModalHook hook;
  return hook;
}

}  // namespace

int RunModal(QDialog& dialog) {
  if (Hook()) return Hook()(dialog);
  return dialog.exec();
}

ModalHook SetModalHook(ModalHook hook) {
  ModalHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

}  // namespace kavrin::gui
