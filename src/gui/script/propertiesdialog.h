#pragma once
// The scenario properties dialog "Свойства сценария" of the online catalog, editable for
// publishing and replacing, read-only for viewing; and the ratings window "Оценки пользователей".
#include <QDialog>

#include "app/uihost.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace kavrin::gui {

class ScriptPropertiesDialog : public QDialog {
  Q_OBJECT
 public:
  ScriptPropertiesDialog(QWidget* parent, const tScriptData& data, bool editable,
                         UiHost::TScriptDialogCheck validate);
  tScriptData Fields() const;
  void accept() override;
  QLineEdit* TitleField() const { return title_; }
  QLineEdit* AuthorField() const { return author_; }

 private:
  tScriptData data_;
  UiHost::TScriptDialogCheck validate_;
  QLineEdit* title_;
  QLineEdit* author_;
  QComboBox* language_;
  QRadioButton* onlyHere_;
  QRadioButton* anyApp_;
  QRadioButton* everyone_;
  QRadioButton* onlyMe_;
  QPlainTextEdit* description_;
};

bool EditScriptPropertiesDialog(QWidget* parent, tScriptData& data, bool editable,
                                const UiHost::TScriptDialogCheck& validate);

class ScriptRatesWindow : public QDialog {
  Q_OBJECT
 public:
  ScriptRatesWindow(QWidget* parent, const std::vector<TScriptRate>& rates);
};

}  // namespace kavrin::gui
