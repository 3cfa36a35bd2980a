#include "gui/stakes/stakedialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"
#include "stakes/stakesfile.h"

namespace kavrin::gui {
namespace {

constexpr int CommentMaxLength = 64;
constexpr int DrawsCountMax = 65535;

QDialogButtonBox* Buttons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QSpinBox* Spin(QWidget* parent, const char* name, int min, int max, int value, const char* hint) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(min, max);
  spin->setValue(value);
  spin->setToolTip(ToQ(hint));
  return spin;
}

}  // namespace

StakeDialog::StakeDialog(QWidget* parent, const TStakeDialogFields& fields, bool multi)
    : QDialog(parent), multi_(multi) {
  setObjectName(multi ? QStringLiteral("TFormMultiStake") : QStringLiteral("TFormStake"));
  setWindowTitle(ToQ(multi ? MultiStakeDialogCaption : StakeDialogCaption));
  auto* form = new QFormLayout;
  drawNumber_ = Spin(this, "edDrawNumber", 1, std::numeric_limits<int>::max(), fields.DrawNumber,
                     multi ? "Номер тиража" : "Номер первого тиража");
  form->addRow(QStringLiteral("Номер тиража:"), drawNumber_);
  if (!multi) {
    numbers_ = new QLineEdit(ToQ(fields.NumbersText), this);
    numbers_->setObjectName(QStringLiteral("edNumbers"));
    numbers_->setToolTip(QStringLiteral("Введите числа, разделенные точкой с запятой или запятой"));
    form->addRow(QStringLiteral("Ставка:"), numbers_);
  }
  comment_ = new QLineEdit(ToQ(fields.Comment), this);
  comment_->setObjectName(QStringLiteral("edComment"));
  comment_->setMaxLength(CommentMaxLength);
  comment_->setToolTip(QStringLiteral("Комментарий к ставке"));
  form->addRow(QStringLiteral("Комментарий к ставке:"), comment_);
  drawsCount_ = Spin(this, "edDrawsCount", 1, DrawsCountMax, fields.DrawsCount,
                     "Количество тиражей, на которые нужно сделать ставку (начиная с указанного)");
  form->addRow(QStringLiteral("Кол-во тиражей:"), drawsCount_);
  if (!multi) {
    sum_ = new QLineEdit(this);
    sum_->setObjectName(QStringLiteral("edSum"));
    sum_->setReadOnly(true);
    sum_->setToolTip(QStringLiteral("Сумма введенных чисел"));
    form->addRow(QStringLiteral("Сумма:"), sum_);
    const auto showSum = [this] { sum_->setText(QString::number(StakeDialogSum(FromQ(numbers_->text())))); };
    connect(numbers_, &QLineEdit::textChanged, this, showSum);
    showSum();
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Buttons(this));
  setMinimumWidth(420);
}

TStakeDialogFields StakeDialog::Fields() const {
  TStakeDialogFields fields;
  fields.DrawNumber = drawNumber_->value();
  if (numbers_) fields.NumbersText = FromQ(numbers_->text());
  fields.Comment = FromQ(comment_->text());
  fields.DrawsCount = drawsCount_->value();
  return fields;
}

void StakeDialog::accept() {
  const TStakeDialogFields fields = Fields();
  if (const auto error = multi_ ? ValidateMultiStakeDialog(fields) : ValidateStakeDialog(fields)) {
    ShowErrorBox(this, error->Message);
    (error->Field == TDialogField::Numbers && numbers_ ? static_cast<QWidget*>(numbers_) : comment_)->setFocus();
    return;
  }
  QDialog::accept();
}

ConditionDialog::ConditionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormStakesFilter"));
  setWindowTitle(ToQ(ConditionDialogCaption));
  condition_ = new QComboBox(this);
  condition_->setObjectName(QStringLiteral("cbCondition"));
  for (const std::string& caption : StakeConditionCaptions()) condition_->addItem(ToQ(caption));
  condition_->setToolTip(QStringLiteral("Режим сравнения с количеством совпадений"));
  overlaps_ = Spin(this, "edOverlaps", 0, DrawSize, 0, "Количество совпадений");
  auto* row = new QHBoxLayout;
  row->addWidget(condition_, 1);
  row->addWidget(overlaps_);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Выберите условие:"), row);
  QDialogButtonBox* buttons = Buttons(this);
  buttons->button(QDialogButtonBox::Ok)->setToolTip(QStringLiteral("Удалить ставки"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

int ConditionDialog::Mode() const { return condition_->currentIndex(); }

int ConditionDialog::Threshold() const { return overlaps_->value(); }

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
