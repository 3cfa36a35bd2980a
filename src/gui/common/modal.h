#pragma once
// Every modal window of the program runs through RunModal, so that a test can answer it
// instead of a user: the hook receives the dialog, may fill or click it, and returns what exec()
// would have returned.
#include <functional>

class QDialog;

namespace kavrin::gui {

using ModalHook = std::function<int(QDialog&)>;

// Runs the dialog modally, or hands it to the hook when one is set.
int RunModal(QDialog& dialog);
// Sets the hook (an empty function restores exec()); returns the previous one.
ModalHook SetModalHook(ModalHook hook);

}  // namespace kavrin::gui
