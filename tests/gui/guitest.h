#pragma once
// Helpers of the window tests: a data folder with the demonstration archive, and a stand-in
// user who answers every modal window and records what it showed.
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/common/modal.h"

namespace kavrin::gui {
class MainWindow;
}

namespace kavrin::test {

// A fresh data folder holding a copy of the demonstration archive and configuration.
class DataFolder {
 public:
  DataFolder();
  std::string Path() const { return dir_.path().toStdString(); }
  std::string File(const std::string& name) const { return Path() + "/" + name; }

 private:
  QTemporaryDir dir_;
};

struct ShownBox {
  QString caption;
  QString text;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// While alive, answers every modal window: message boxes with the next queued answer (or their
// default button), other dialogs with the next queued handler (or Rejected).
// A main window over the folder, shown and through phase 2 of start-up; null when it never got
// there.
std::unique_ptr<gui::MainWindow> StartWindow(const DataFolder& folder);

// Runs a command as a user would, once the window's idle pass has set the command states; false
// when the command does not exist or is disabled.
bool Trigger(gui::MainWindow& window, const char* command);

class ScriptedUser {
 public:
  ScriptedUser();
  ~ScriptedUser();
  std::vector<ShownBox> boxes;
  std::deque<QMessageBox::StandardButton> answers;
  std::deque<std::function<int(QDialog&)>> dialogs;

 private:
  gui::ModalHook previous_;
};

}  // namespace kavrin::test
