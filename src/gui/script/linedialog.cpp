#include "gui/script/linedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

LineDialog::LineDialog(QWidget* parent, const QString& caption, const TScriptLineDialogFields& fields)
    : QDialog(parent), fields_(fields), comment_(new QLineEdit(this)), start_(new QComboBox(this)),
      exclude_(new QSpinBox(this)), mode_(new QComboBox(this)),
      clearStakes_(new QCheckBox(QStringLiteral("Удалить все ставки перед выполнением (накопление только рейтинга)"), this)),
      newOnly_(new QCheckBox(QStringLiteral("Только новые ставки (пропускать те ставки, которые уже есть в списке)"), this)) {
  setObjectName(QStringLiteral("scriptLineDialog"));
  setWindowTitle(caption);
  comment_->setObjectName(QStringLiteral("edComment"));
  comment_->setToolTip(QStringLiteral("Комментарии (можно оставить пустым)"));
  comment_->setText(ToQ(fields.Comment));
  start_->setObjectName(QStringLiteral("cbStartCombs"));
  for (int t = 0; t < StartCombsTypeCount; ++t) start_->addItem(ToQ(StartCombsCaption(static_cast<TStartCombsType>(t))));
  start_->setCurrentIndex(static_cast<int>(fields.Options.StartCombsType));
  exclude_->setObjectName(QStringLiteral("edExcludeCount"));
  exclude_->setRange(0, std::numeric_limits<int32_t>::max());
  exclude_->setValue(fields.Options.ExcludeCount);
  exclude_->setToolTip(
      QStringLiteral("Исключить указанное количество тиражей из списка комбинаций перед применением фильтров"));
  mode_->setObjectName(QStringLiteral("cbResultCombs"));
  for (int m = 0; m < ResultCombsModeCount; ++m) mode_->addItem(ToQ(ResultCombsCaption(static_cast<TResultCombsMode>(m))));
  mode_->setCurrentIndex(static_cast<int>(fields.Options.ResultCombsMode));
  clearStakes_->setObjectName(QStringLiteral("chClearStakes"));
  clearStakes_->setChecked(fields.Options.ClearStakes);
  newOnly_->setObjectName(QStringLiteral("chNewOnly"));
  newOnly_->setChecked(fields.Options.NewOnly);

  auto* startRow = new QHBoxLayout;
  startRow->addWidget(start_, 1);
  auto* excludeLabel = new QLabel(QStringLiteral("Кол-во тиражей:"), this);
  excludeLabel->setBuddy(exclude_);
  startRow->addWidget(excludeLabel);
  startRow->addWidget(exclude_);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Комментарии:"), comment_);
  form->addRow(QStringLiteral("Начальный список комбинаций:"), startRow);
  auto* modeLabel = new QLabel(QStringLiteral("В случае неоднозначного результата после применения фильтров:"), this);
  modeLabel->setBuddy(mode_);
  form->addRow(modeLabel);
  form->addRow(mode_);
  form->addRow(clearStakes_);
  form->addRow(newOnly_);

  auto* filterBox = new QGroupBox(this);
  auto* filterForm = new QFormLayout(filterBox);
  for (int i = 0; i < ScriptFilterCount; ++i) {
    auto* field = new QLineEdit(ToQ(fields.Filters[i]), filterBox);
    field->setObjectName(QStringLiteral("edFilter%1").arg(i + 1));
    field->installEventFilter(this);
    auto* edit = new QToolButton(filterBox);
    edit->setObjectName(QStringLiteral("btFilter%1").arg(i + 1));
    edit->setText(QStringLiteral("..."));
    edit->setToolTip(QStringLiteral("Редактировать фильтр"));
    connect(edit, &QToolButton::clicked, this, [this, i] { EditFilter(i); });
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(edit);
    filterForm->addRow(QStringLiteral("Фильтр %1:").arg(i + 1), row);
    filters_[i] = field;
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(filterBox);
  layout->addWidget(buttons);
  setMinimumWidth(620);
}

bool LineDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick)
    for (int i = 0; i < ScriptFilterCount; ++i)
      if (watched == filters_[i]) {
        EditFilter(i);
        return true;
      }
  return QDialog::eventFilter(watched, event);
}

void LineDialog::EditFilter(int index) {
  if (!fields_.EditFilter) return;
  std::string text = FromQ(filters_[index]->text());
  if (fields_.EditFilter(text)) filters_[index]->setText(ToQ(text));
}

TScriptLineDialogFields LineDialog::Fields() const {
  TScriptLineDialogFields fields = fields_;
  fields.Comment = FromQ(comment_->text());
  fields.Options.StartCombsType = static_cast<TStartCombsType>(start_->currentIndex());
  fields.Options.ExcludeCount = exclude_->value();
  fields.Options.ResultCombsMode = static_cast<TResultCombsMode>(mode_->currentIndex());
  fields.Options.ClearStakes = clearStakes_->isChecked();
  fields.Options.NewOnly = newOnly_->isChecked();
  for (int i = 0; i < ScriptFilterCount; ++i) fields.Filters[i] = FromQ(filters_[i]->text());
  return fields;
}

bool EditScriptLineDialog(QWidget* parent, const std::string& caption, TScriptLineDialogFields& fields) {
  LineDialog dialog(parent, ToQ(caption), fields);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  fields = dialog.Fields();
  return true;
}

}  // namespace kavrin::gui
