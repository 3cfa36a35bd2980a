#pragma once
// The stake dialog "Добавление ставки", the multi-stake dialog "Добавление мультиставки" (the
// same fields without the numbers and their sum) and the condition dialog "Удаление по условию".
// OK accepts only what the core's dialog rules accept; a refusal shows its message, focuses
// its field and keeps the dialog open.
#include <QDialog>

#include "stakes/stakedialogs.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kavrin::gui {

class StakeDialog : public QDialog {
  Q_OBJECT
 public:
  // `multi`: the multi-stake dialog, which has no numbers.
  StakeDialog(QWidget* parent, const TStakeDialogFields& fields, bool multi);
  TStakeDialogFields Fields() const;
  void accept() override;

 private:
  bool multi_;
  QSpinBox* drawNumber_;
  QLineEdit* numbers_ = nullptr;
  QLineEdit* comment_;
  QSpinBox* drawsCount_;
  QLineEdit* sum_ = nullptr;
};

class ConditionDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens with the first condition and 0 overlaps.
  explicit ConditionDialog(QWidget* parent);
  int Mode() const;
  int Threshold() const;

 private:
  QComboBox* condition_;
  QSpinBox* overlaps_;
};

// Run the dialogs; true with the accepted values.
bool EditStakeDialog(QWidget* parent, TStakeDialogFields& fields, bool multi);
bool ChooseStakeConditionDialog(QWidget* parent, int& mode, int& threshold);

}  // namespace kavrin::gui
