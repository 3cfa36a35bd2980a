#pragma once
// "Создание нового списка комбинаций": the generation mode, my numbers or the list file to load,
// and whether these become the saved generation parameters.
#include <QDialog>

#include "combs/generate.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace kavrin::gui {

class GenerateDialog : public QDialog {
  Q_OBJECT
 public:
  GenerateDialog(QWidget* parent, const TGenerateDialogFields& fields);
  TGenerateDialogFields Fields() const;

 private:
  void ModeChanged();
  void Browse();

  QComboBox* mode_;
  QLineEdit* parameters_;
  QToolButton* browse_;
  QCheckBox* saveDefault_;
};

// The dialog run modally; false when cancelled.
bool EditGenerateDialog(QWidget* parent, TGenerateDialogFields& fields);

}  // namespace kavrin::gui
