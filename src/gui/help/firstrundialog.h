#pragma once
// "Справочная информация", shown at start while FirstRun is on: the help file and the maker's
// pages, and "Больше не показывать данный диалог".
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/startup.h"

class QCheckBox;

namespace kavrin::gui {

class FirstRunWindow : public QDialog {
  Q_OBJECT
 public:
  // The help button calls `openHelp`, the link buttons `openUrl` with their addresses.
  FirstRunWindow(QWidget* parent, const TFirstRunDialog& dialog, std::function<void()> openHelp,
                 std::function<void(const std::string&)> openUrl);
  bool DoNotShowAgain() const;

 private:
  QCheckBox* doNotShow_;
};

}  // namespace kavrin::gui
