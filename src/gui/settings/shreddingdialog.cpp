#include "gui/settings/shreddingdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

ShreddingDialog::ShreddingDialog(QWidget* parent, const TShreddingConfig& config) : QDialog(parent) {
  setObjectName(QStringLiteral("shreddingDialog"));
  setWindowTitle(QStringLiteral("Методы шинковки"));
  auto* grid = new QGridLayout;
  for (int i = 0; i < ShreddingFormulaCount; ++i) {
    formulas_[i] = new QLineEdit(ToQ(config.Formulas[i]), this);
    formulas_[i]->setObjectName(QStringLiteral("edFormula%1").arg(i + 1));
    formulas_[i]->setToolTip(QStringLiteral("Используемая формула"));
    digits_[i] = new QSpinBox(this);
    digits_[i]->setObjectName(QStringLiteral("edDigits%1").arg(i + 1));
    digits_[i]->setRange(1, 5);
    digits_[i]->setValue(config.Digits[i]);
    digits_[i]->setToolTip(QStringLiteral("Количество используемых знаков после запятой"));
    auto* label = new QLabel(QStringLiteral("Формула %1:").arg(i + 1), this);
    label->setBuddy(formulas_[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(formulas_[i], i, 1);
    grid->addWidget(digits_[i], i, 2);
  }
  auto* help = new QLabel(ToQ("Используемые переменные:\r\nn1, n2, n3, ..., nX - числа текущего тиража\r\n"
                              "p1, p2, p3, ..., pX - числа предыдущего тиража"),
                          this);
  help->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(help);
  layout->addWidget(buttons);
  setMinimumWidth(480);
}

TShreddingConfig ShreddingDialog::Result() const {
  TShreddingConfig config;
  for (int i = 0; i < ShreddingFormulaCount; ++i) {
    config.Formulas[i] = FromQ(formulas_[i]->text());
    config.Digits[i] = static_cast<uint8_t>(digits_[i]->value());
  }
  return config;
}

bool EditShreddingDialog(QWidget* parent, TShreddingConfig& config) {
  ShreddingDialog dialog(parent, config);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  config = dialog.Result();
  return true;
}

}  // namespace kavrin::gui
