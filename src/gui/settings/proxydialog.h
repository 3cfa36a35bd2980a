#pragma once
// "Параметры proxy-сервера": no proxy, automatic search or a manual server. OK accepts only
// what the core's proxy rule accepts; a refusal shows its message and keeps the dialog open.
#include <QDialog>

#include "core/proxylist.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace kavrin::gui {

class ProxyDialog : public QDialog {
  Q_OBJECT
 public:
  ProxyDialog(QWidget* parent, const TProxyDialogFields& fields);
  TProxyDialogFields Fields() const;
  void accept() override;

 private:
  void ChoiceChanged();

  QRadioButton* none_;
  QRadioButton* automatic_;
  QRadioButton* manual_;
  QLineEdit* server_;
  QSpinBox* port_;
  QLineEdit* username_;
  QLineEdit* password_;
};

bool EditProxyDialog(QWidget* parent, TProxyDialogFields& fields);

}  // namespace kavrin::gui
