#pragma once
// "Методы шинковки": the three shredding formulas and their decimal places.
#include <QDialog>
#include <array>

#include "core/config.h"

class QLineEdit;
class QSpinBox;

namespace kavrin::gui {

class ShreddingDialog : public QDialog {
  Q_OBJECT
 public:
  ShreddingDialog(QWidget* parent, const TShreddingConfig& config);
  TShreddingConfig Result() const;

 private:
  std::array<QLineEdit*, ShreddingFormulaCount> formulas_{};
  std::array<QSpinBox*, ShreddingFormulaCount> digits_{};
};

bool EditShreddingDialog(QWidget* parent, TShreddingConfig& config);

}  // namespace kavrin::gui
