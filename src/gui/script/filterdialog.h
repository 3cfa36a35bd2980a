#pragma once
// The filter dialog "Фильтр": the statistic method, windows, sort and walk, the selection
// criterion and its values, the weights of "Вес" and the stop rule. OK takes only what the
// core's check accepts; a refusal shows its message and puts the focus on the refused field.
#include <QDialog>

#include "app/uihost.h"
#include "stats/statlist.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace kavrin::gui {

class FilterDialog : public QDialog {
  Q_OBJECT
 public:
  // `kinds` is the statistics tab's kind list, `stats` the registry its entries refer to.
  FilterDialog(QWidget* parent, const TFilterItem& filter, const TStatKindList& kinds, const TStatList& stats,
               UiHost::TFilterDialogCheck validate);
  TFilterItem Fields() const;
  void accept() override;

  QComboBox* Kind() const { return kind_; }
  QLineEdit* DrawsField() const { return draws_; }
  QComboBox* Criterion() const { return criterion_; }
  QLineEdit* ValuesField() const { return values_; }
  QCheckBox* MultiSelect() const { return multi_; }
  QComboBox* StopMode() const { return stopMode_; }

 private:
  void UpdateEnabling();

  TFilterItem filter_;
  const TStatList& stats_;
  UiHost::TFilterDialogCheck validate_;
  QComboBox* kind_;
  QLineEdit* draws_;
  QComboBox* sortColumn_;
  QComboBox* direction_;
  QComboBox* filterMode_;
  QCheckBox* multi_;
  QComboBox* criterion_;
  QLineEdit* values_;
  QCheckBox* override_;
  QDoubleSpinBox* count_;
  QDoubleSpinBox* deviation_;
  QDoubleSpinBox* depth_;
  QCheckBox* percents_;
  QCheckBox* absolute_;
  QComboBox* stopMode_;
  QSpinBox* stopValue_;
};

bool EditFilterDialog(QWidget* parent, TFilterItem& filter, const TStatKindList& kinds, const TStatList& stats,
                      const UiHost::TFilterDialogCheck& validate);

}  // namespace kavrin::gui
