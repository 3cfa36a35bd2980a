#pragma once
// "Параметры системы": the settings dialog, working on a copy of the configuration.
#include <QDialog>
#include <array>
#include <memory>

#include "core/config.h"

namespace Ui {
class ConfigDialog;
}

namespace kavrin::gui {

class ConfigDialog : public QDialog {
  Q_OBJECT
 public:
  ConfigDialog(QWidget* parent, const TConfigData& config);
  ~ConfigDialog() override;
  // The configuration with the dialog's values.
  TConfigData Result() const;

 private:
  void LayOutSegments(int cols);
  void SegmentEdited(int row, int column);

  std::unique_ptr<Ui::ConfigDialog> ui_;
  TConfigData config_;
  std::array<uint8_t, NumberMax> segments_;
};

// Runs the dialog; true with `config` replaced by the edited values.
bool EditConfigDialog(QWidget* parent, TConfigData& config);

}  // namespace kavrin::gui
