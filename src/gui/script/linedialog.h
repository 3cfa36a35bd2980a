#pragma once
// The line dialog "Элемент сценария": comment, start list, excluded draws, stake mode, the two
// stake switches and the seven filter fields, each opening the filter dialog from its "..."
// button or a double click. It validates nothing; the line is built by the core.
#include <QDialog>
#include <array>

#include "scenarios/scriptdialogs.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kavrin::gui {

class LineDialog : public QDialog {
  Q_OBJECT
 public:
  LineDialog(QWidget* parent, const QString& caption, const TScriptLineDialogFields& fields);
  TScriptLineDialogFields Fields() const;
  QLineEdit* FilterField(int index) const { return filters_.at(index); }
  // What the "..." button of filter field `index` does.
  void EditFilter(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TScriptLineDialogFields fields_;
  QLineEdit* comment_;
  QComboBox* start_;
  QSpinBox* exclude_;
  QComboBox* mode_;
  QCheckBox* clearStakes_;
  QCheckBox* newOnly_;
  std::array<QLineEdit*, ScriptFilterCount> filters_{};
};

bool EditScriptLineDialog(QWidget* parent, const std::string& caption, TScriptLineDialogFields& fields);

}  // namespace kavrin::gui
