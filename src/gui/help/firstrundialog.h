#pragma once
// "Справочная информация", shown at start while FirstRun is on: the help file and the maker's
// pages, and "Больше не показывать данный диалог".
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/links.h"

class QCheckBox;

namespace kavrin::gui {

class FirstRunDialog : public QDialog {
  Q_OBJECT
 public:
  // `open` opens an address or the help file; the help button is disabled when `helpFile` is empty.
  FirstRunDialog(QWidget* parent, const std::string& helpFile, const std::vector<TFirstRunLink>& links,
                 std::function<void(const std::string&)> open);
  bool DoNotShowAgain() const;

 private:
  QCheckBox* doNotShow_;
};

}  // namespace kavrin::gui
