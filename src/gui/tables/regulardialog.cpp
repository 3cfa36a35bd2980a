#include "gui/tables/regulardialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

RegularDialog::RegularDialog(QWidget* parent, const TRegularDialogFields& fields, int selected,
                             const TTableStakesArray& existing)
    : QDialog(parent), selected_(selected), existing_(existing) {
  setObjectName(QStringLiteral("RegularDialog"));
  setWindowTitle(ToQ(RegularDialogCaption));
  comment_ = new QLineEdit(ToQ(fields.Comment), this);
  comment_->setObjectName(QStringLiteral("edComment"));
  comment_->setMaxLength(64);
  comment_->setToolTip(QStringLiteral("Комментарий к ставке"));
  fixedStart_ = new QRadioButton(QStringLiteral("Использовать постоянную стартовую комбинацию:"), this);
  fixedStart_->setObjectName(QStringLiteral("rbFixedStart"));
  startText_ = new QLineEdit(ToQ(fields.StartText), this);
  startText_->setObjectName(QStringLiteral("edStart"));
  startText_->setToolTip(QStringLiteral("Введите числа, разделенные точкой с запятой или запятой"));
  previousDraw_ = new QRadioButton(QStringLiteral("Использовать данные предыдущего тиража"), this);
  previousDraw_->setObjectName(QStringLiteral("rbPreviousDraw"));
  (fields.Source == 1 ? previousDraw_ : fixedStart_)->setChecked(true);
  step_ = new QSpinBox(this);
  step_->setObjectName(QStringLiteral("edStep"));
  step_->setRange(-50, 50);
  step_->setValue(fields.Step);
  step_->setToolTip(QStringLiteral("Шаг изменения элементов комбинации"));
  connect(fixedStart_, &QRadioButton::toggled, this, &RegularDialog::UpdateStartText);
  UpdateStartText();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
  connect(buttons, &QDialogButtonBox::accepted, this, &RegularDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &RegularDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Комментарий к ставке:"), this));
  layout->addWidget(comment_);
  layout->addSpacing(6);
  layout->addWidget(fixedStart_);
  layout->addWidget(startText_);
  layout->addWidget(previousDraw_);
  auto* stepRow = new QFormLayout;
  stepRow->addRow(QStringLiteral("Шаг:"), step_);
  layout->addLayout(stepRow);
  layout->addWidget(buttons);
  setMinimumWidth(440);
}

void RegularDialog::UpdateStartText() { startText_->setEnabled(fixedStart_->isChecked() && selected_ == 1); }

TRegularDialogFields RegularDialog::Fields() const {
  TRegularDialogFields fields;
  fields.Comment = FromQ(comment_->text());
  fields.Source = previousDraw_->isChecked() ? 1 : 0;
  fields.StartText = FromQ(startText_->text());
  fields.Step = step_->value();
  return fields;
}

void RegularDialog::accept() {
  if (const auto error = ValidateRegularDialog(Fields(), selected_, existing_)) {
    ShowErrorBox(this, error->Message);
    (error->Field == TDialogField::Numbers ? startText_ : comment_)->setFocus();
    return;
  }
  QDialog::accept();
}

bool EditRegularDialog(QWidget* parent, TRegularDialogFields& fields, int selected, const TTableStakesArray& existing) {
  RegularDialog dialog(parent, fields, selected, existing);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  fields = dialog.Fields();
  return true;
}

}  // namespace kavrin::gui
