#include "gui/script/filterdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"
#include "stats/stattable.h"

namespace kavrin::gui {
namespace {

constexpr char ListHint[] =
    "\r\n\r\nДопустимые форматы:\r\n1 - одно значение\r\n1, 2, 3 - список значений через запятую\r\n"
    "1-10;2 - нижняя и верхняя граница диапазона; шаг изменения";

// Digits, ",", "-" and ";" only.
QLineEdit* ListField(QWidget* parent, const QString& name, const std::string& hint, const std::string& text) {
  auto* field = new QLineEdit(ToQ(text), parent);
  field->setObjectName(name);
  field->setToolTip(ToQ(hint + ListHint));
  field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,;\\-]*")), field));
  return field;
}

QDoubleSpinBox* Coefficient(QWidget* parent, const QString& name, long double value) {
  auto* field = new QDoubleSpinBox(parent);
  field->setObjectName(name);
  field->setDecimals(3);
  field->setRange(-1e9, 1e9);
  field->setValue(static_cast<double>(value));
  return field;
}

bool IsWeightCriterion(int criterion) {
  return criterion == static_cast<int>(TLevelMode::WMV) || criterion == static_cast<int>(TLevelMode::WLV) ||
         criterion == static_cast<int>(TLevelMode::WDV);
}

}  // namespace

FilterDialog::FilterDialog(QWidget* parent, const TFilterItem& filter, const TStatKindList& kinds,
                           const TStatList& stats, UiHost::TFilterDialogCheck validate)
    : QDialog(parent), filter_(filter), stats_(stats), validate_(std::move(validate)), kind_(new QComboBox(this)),
      draws_(ListField(this, QStringLiteral("edDrawsLen"), "Количество тиражей для расчета статистики",
                       filter.DrawsLenText)),
      sortColumn_(new QComboBox(this)), direction_(new QComboBox(this)), filterMode_(new QComboBox(this)),
      multi_(new QCheckBox(
          QStringLiteral("Использовать режим одновременного выделения нескольких значений в списке"), this)),
      criterion_(new QComboBox(this)),
      values_(ListField(this, QStringLiteral("edLevel"), "Учитываемые значения глубины", filter.LevelText)),
      override_(new QCheckBox(
          QStringLiteral("Использовать приведенные ниже коэффициенты для расчета значений \"Вес\""), this)),
      count_(Coefficient(this, QStringLiteral("edCount"), filter.Weights.Count)),
      deviation_(Coefficient(this, QStringLiteral("edDeviation"), filter.Weights.Deviation)),
      depth_(Coefficient(this, QStringLiteral("edDepth"), filter.Weights.Level)),
      percents_(new QCheckBox(QStringLiteral("Использовать значения в %"), this)),
      absolute_(new QCheckBox(QStringLiteral("Использовать абсолютные значения"), this)),
      stopMode_(new QComboBox(this)), stopValue_(new QSpinBox(this)) {
  setObjectName(QStringLiteral("filterDialog"));
  setWindowTitle(QStringLiteral("Фильтр"));
  kind_->setObjectName(QStringLiteral("cbKind"));
  for (const TStatKindItem& item : kinds.Items) kind_->addItem(ToQ(item.Text), item.Entry);
  int kindIndex = kind_->findData(filter.Method.Entry);
  // A method the list does not show (switched off, or unknown here) stays the filter's own.
  if (kindIndex < 0 && !filter.Method.Code.empty()) {
    kind_->insertItem(0, ToQ(filter.Method.Code), filter.Method.Entry);
    kindIndex = 0;
  }
  kind_->setCurrentIndex(kindIndex);
  kind_->setMaxVisibleItems(30);
  sortColumn_->setObjectName(QStringLiteral("cbSortColumn"));
  for (const std::string& caption : StatTableCaptions()) sortColumn_->addItem(ToQ(caption));
  sortColumn_->setCurrentIndex(filter.SortColumn >= 0 && filter.SortColumn < StatColumnCount ? filter.SortColumn : 1);
  direction_->setObjectName(QStringLiteral("cbDirection"));
  direction_->addItems({QStringLiteral("Сверху-вниз"), QStringLiteral("Снизу-вверх")});
  direction_->setCurrentIndex(filter.BottomUp ? 1 : 0);
  filterMode_->setObjectName(QStringLiteral("cbFilterMode"));
  filterMode_->addItems({QStringLiteral("Удалить выделенные"), QStringLiteral("Оставить выделенные")});
  filterMode_->setCurrentIndex(filter.KeepSelected ? 1 : 0);
  multi_->setObjectName(QStringLiteral("chMultiSelect"));
  multi_->setChecked(filter.MultiSelect);
  criterion_->setObjectName(QStringLiteral("cbLevelMode"));
  for (int m = 0; m < LevelModeCount; ++m) criterion_->addItem(ToQ(LevelModeCaption(static_cast<TLevelMode>(m))));
  criterion_->setCurrentIndex(static_cast<int>(filter.LevelMode));
  criterion_->setMaxVisibleItems(LevelModeCount);
  override_->setObjectName(QStringLiteral("chWeights"));
  override_->setChecked(filter.CDLOverride);
  percents_->setObjectName(QStringLiteral("chPercents"));
  percents_->setChecked(filter.Weights.UsePercents);
  absolute_->setObjectName(QStringLiteral("chAbsValues"));
  absolute_->setChecked(filter.Weights.UseAbsValues);
  stopMode_->setObjectName(QStringLiteral("cbStopMode"));
  for (int m = 0; m < StopModeCount; ++m) stopMode_->addItem(ToQ(StopModeCaption(static_cast<TStopMode>(m))));
  stopMode_->setCurrentIndex(static_cast<int>(filter.StopMode));
  stopValue_->setObjectName(QStringLiteral("edStopValue"));
  stopValue_->setRange(1, std::numeric_limits<int32_t>::max());
  stopValue_->setValue(filter.StopValue);
  connect(criterion_, &QComboBox::currentIndexChanged, this, &FilterDialog::UpdateEnabling);
  connect(override_, &QCheckBox::toggled, this, &FilterDialog::UpdateEnabling);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Тип фильтра:"), kind_);
  form->addRow(QStringLiteral("Количество тиражей:"), draws_);
  form->addRow(QStringLiteral("Сортировать по столбцу:"), sortColumn_);
  form->addRow(QStringLiteral("Направление:"), direction_);
  form->addRow(QStringLiteral("Режим фильтра:"), filterMode_);
  form->addRow(multi_);
  form->addRow(QStringLiteral("Режим выделения значений в списке статистики:"), criterion_);
  form->addRow(QStringLiteral("Значения:"), values_);

  auto* weights = new QGroupBox(QStringLiteral(" Коэффициенты для расчета значений \"Вес\" "), this);
  auto* weightsForm = new QFormLayout(weights);
  weightsForm->addRow(override_);
  auto* coefficients = new QHBoxLayout;
  const std::pair<const char*, QDoubleSpinBox*> rows[] = {
      {"Количество:", count_}, {"Отклонение:", deviation_}, {"Глубина:", depth_}};
  for (const auto& [caption, field] : rows) {
    auto* label = new QLabel(ToQ(caption), weights);
    label->setBuddy(field);
    coefficients->addWidget(label);
    coefficients->addWidget(field, 1);
  }
  weightsForm->addRow(coefficients);
  weightsForm->addRow(percents_);
  weightsForm->addRow(absolute_);

  auto* stop = new QHBoxLayout;
  stop->addWidget(stopMode_, 1);
  auto* stopLabel = new QLabel(QStringLiteral("Значение:"), this);
  stopLabel->setBuddy(stopValue_);
  stop->addWidget(stopLabel);
  stop->addWidget(stopValue_);
  auto* stopForm = new QFormLayout;
  stopForm->addRow(QStringLiteral("Остановка по:"), stop);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &FilterDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(weights);
  layout->addLayout(stopForm);
  layout->addWidget(buttons);
  setMinimumWidth(640);
  UpdateEnabling();
}

void FilterDialog::UpdateEnabling() {
  const bool weights = IsWeightCriterion(criterion_->currentIndex());
  override_->setEnabled(weights);
  const bool own = weights && override_->isChecked();
  for (QWidget* field : std::initializer_list<QWidget*>{count_, deviation_, depth_, percents_, absolute_})
    field->setEnabled(own);
}

TFilterItem FilterDialog::Fields() const {
  TFilterItem f = filter_;
  const int entry = kind_->currentIndex() >= 0 ? kind_->currentData().toInt() : filter_.Method.Entry;
  if (entry != filter_.Method.Entry && entry >= 0 && entry < stats_.Count()) f.Method = {entry, stats_.Items(entry).Code()};
  f.DrawsLenText = FromQ(draws_->text().trimmed());
  f.SortColumn = sortColumn_->currentIndex();
  f.BottomUp = direction_->currentIndex() == 1;
  f.KeepSelected = filterMode_->currentIndex() == 1;
  f.MultiSelect = multi_->isChecked();
  f.LevelMode = static_cast<TLevelMode>(criterion_->currentIndex());
  f.LevelText = FromQ(values_->text().trimmed());
  f.CDLOverride = override_->isChecked();
  f.Weights = {count_->value(), deviation_->value(), depth_->value(), percents_->isChecked(), absolute_->isChecked()};
  f.StopMode = static_cast<TStopMode>(stopMode_->currentIndex());
  f.StopValue = stopValue_->value();
  return f;
}

void FilterDialog::accept() {
  const TFilterCheck check = validate_ ? validate_(Fields()) : TFilterCheck{};
  if (check.Field != TFilterField::None) {
    ShowErrorBox(this, check.Message);
    QWidget* field = check.Field == TFilterField::DrawsLen    ? static_cast<QWidget*>(draws_)
                     : check.Field == TFilterField::LevelMode ? static_cast<QWidget*>(criterion_)
                     : check.Field == TFilterField::LevelText ? static_cast<QWidget*>(values_)
                                                              : static_cast<QWidget*>(stopMode_);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* text = qobject_cast<QLineEdit*>(field)) text->selectAll();
    return;
  }
  QDialog::accept();
}

bool EditFilterDialog(QWidget* parent, TFilterItem& filter, const TStatKindList& kinds, const TStatList& stats,
                      const UiHost::TFilterDialogCheck& validate) {
  FilterDialog dialog(parent, filter, kinds, stats, validate);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  filter = dialog.Fields();
  return true;
}

}  // namespace kavrin::gui
