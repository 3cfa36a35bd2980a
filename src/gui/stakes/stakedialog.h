#pragma once
// The stake dialog "Добавление ставки", the multi-stake dialog "Добавление мультиставки" (the
// same form without the numbers and their sum) and the condition dialog "Удаление по условию".
// OK accepts only what the core's dialog rules accept; a refusal shows its message, focuses
// its field and keeps the dialog open.
#include <QDialog>
#include <memory>

#include "stakes/stakedialogs.h"

namespace Ui {
class StakeDialog;
class ConditionDialog;
}  // namespace Ui

namespace kavrin::gui {

class StakeDialog : public QDialog {
  Q_OBJECT
 public:
  // `multi`: the multi-stake dialog, which has no numbers.
  StakeDialog(QWidget* parent, const TStakeDialogFields& fields, bool multi);
  ~StakeDialog() override;
  TStakeDialogFields Fields() const;
  void accept() override;

 private:
  std::unique_ptr<Ui::StakeDialog> ui_;
  bool multi_;
};

class ConditionDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens with the first condition and 0 overlaps.
  explicit ConditionDialog(QWidget* parent);
  ~ConditionDialog() override;
  int Mode() const;
  int Threshold() const;

 private:
  std::unique_ptr<Ui::ConditionDialog> ui_;
};

// Run the dialogs; true with the accepted values.
bool EditStakeDialog(QWidget* parent, TStakeDialogFields& fields, bool multi);
bool ChooseStakeConditionDialog(QWidget* parent, int& mode, int& threshold);

}  // namespace kavrin::gui
