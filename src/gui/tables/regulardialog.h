#pragma once
// The regular stake dialog "Добавление регулярной ставки". OK accepts only what the core's
// validation accepts; a refusal shows its message, focuses its field and keeps the dialog open.
#include <QDialog>

#include "stakes/regulars.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kavrin::gui {

class RegularDialog : public QDialog {
  Q_OBJECT
 public:
  // `selected` combinations are selected in the working list; `existing` holds the comments
  // already taken.
  RegularDialog(QWidget* parent, const TRegularDialogFields& fields, int selected, const TTableStakesArray& existing);
  TRegularDialogFields Fields() const;
  void accept() override;

 private:
  void UpdateStartText();

  int selected_;
  const TTableStakesArray& existing_;
  QLineEdit* comment_;
  QRadioButton* fixedStart_;
  QRadioButton* previousDraw_;
  QLineEdit* startText_;
  QSpinBox* step_;
};

// Runs the dialog; true with `fields` replaced by what OK accepted.
bool EditRegularDialog(QWidget* parent, TRegularDialogFields& fields, int selected, const TTableStakesArray& existing);

}  // namespace kavrin::gui
