#pragma once
// "О программе": name, version, build date, the data folder and the libraries' licences.
#include <QDialog>
#include <string>

namespace kavrin::gui {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog(QWidget* parent, const std::string& title, const std::string& version, const std::string& dataDir);
};

}  // namespace kavrin::gui
