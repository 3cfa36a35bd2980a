#include "gui/stakes/stakedialog.h"

#include <QPushButton>

#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"
#include "stakes/stakesfile.h"
#include "ui_conditiondialog.h"
#include "ui_stakedialog.h"

namespace kavrin::gui {

StakeDialog::StakeDialog(QWidget* parent, const TStakeDialogFields& fields, bool multi)
    : QDialog(parent), ui_(std::make_unique<Ui::StakeDialog>()), multi_(multi) {
  ui_->setupUi(this);
  if (multi) {
    setWindowTitle(ToQ(MultiStakeDialogCaption));
    ui_->edDrawNumber->setToolTip(QStringLiteral("Номер тиража"));
    ui_->form->setRowVisible(ui_->edNumbers, false);
    ui_->form->setRowVisible(ui_->edSum, false);
  }
  ui_->edDrawNumber->setValue(fields.DrawNumber);
  ui_->edNumbers->setText(ToQ(fields.NumbersText));
  ui_->edComment->setText(ToQ(fields.Comment));
  ui_->edDrawsCount->setValue(fields.DrawsCount);
  const auto showSum = [this] {
    ui_->edSum->setText(QString::number(StakeDialogSum(FromQ(ui_->edNumbers->text()))));
  };
  connect(ui_->edNumbers, &QLineEdit::textChanged, this, showSum);
  showSum();
  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &StakeDialog::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &StakeDialog::reject);
}

StakeDialog::~StakeDialog() = default;

TStakeDialogFields StakeDialog::Fields() const {
  TStakeDialogFields fields;
  fields.DrawNumber = ui_->edDrawNumber->value();
  if (!multi_) fields.NumbersText = FromQ(ui_->edNumbers->text());
  fields.Comment = FromQ(ui_->edComment->text());
  fields.DrawsCount = ui_->edDrawsCount->value();
  return fields;
}

void StakeDialog::accept() {
  const TStakeDialogFields fields = Fields();
  if (const auto error = multi_ ? ValidateMultiStakeDialog(fields) : ValidateStakeDialog(fields)) {
    ShowErrorBox(this, error->Message);
    if (error->Field == TDialogField::Numbers) ui_->edNumbers->setFocus();
    else ui_->edComment->setFocus();
    return;
  }
  QDialog::accept();
}

ConditionDialog::ConditionDialog(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::ConditionDialog>()) {
  ui_->setupUi(this);
  for (const std::string& caption : StakeConditionCaptions()) ui_->cbCondition->addItem(ToQ(caption));
  ui_->buttons->button(QDialogButtonBox::Ok)->setToolTip(QStringLiteral("Удалить ставки"));
  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &ConditionDialog::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &ConditionDialog::reject);
}

ConditionDialog::~ConditionDialog() = default;

int ConditionDialog::Mode() const { return ui_->cbCondition->currentIndex(); }

int ConditionDialog::Threshold() const { return ui_->edOverlaps->value(); }

bool EditStakeDialog(QWidget* parent, TStakeDialogFields& fields, bool multi) {
  StakeDialog dialog(parent, fields, multi);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  fields = dialog.Fields();
  return true;
}

bool ChooseStakeConditionDialog(QWidget* parent, int& mode, int& threshold) {
  ConditionDialog dialog(parent);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  mode = dialog.Mode();
  threshold = dialog.Threshold();
  return true;
}

}  // namespace kavrin::gui
