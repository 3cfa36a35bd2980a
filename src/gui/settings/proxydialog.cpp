#include "gui/settings/proxydialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

ProxyDialog::ProxyDialog(QWidget* parent, const TProxyDialogFields& fields)
    : QDialog(parent), none_(new QRadioButton(QStringLiteral("Не использовать proxy-сервер"), this)),
      automatic_(new QRadioButton(QStringLiteral("Автоматический поиск сервера (возможны задержки)"), this)),
      manual_(new QRadioButton(QStringLiteral("Ручной выбор proxy-сервера:"), this)), server_(new QLineEdit(this)),
      port_(new QSpinBox(this)), username_(new QLineEdit(this)), password_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("proxyDialog"));
  setWindowTitle(QStringLiteral("Параметры proxy-сервера"));
  none_->setObjectName(QStringLiteral("rbNone"));
  automatic_->setObjectName(QStringLiteral("rbAutomatic"));
  manual_->setObjectName(QStringLiteral("rbManual"));
  server_->setObjectName(QStringLiteral("edServer"));
  port_->setObjectName(QStringLiteral("edPort"));
  port_->setRange(1, 65535);
  username_->setToolTip(QStringLiteral("Имя пользователя (не обязательно)"));
  password_->setToolTip(QStringLiteral("Пароль (не обязательно)"));
  password_->setEchoMode(QLineEdit::Password);

  (fields.Choice == ProxyChoiceManual ? manual_ : fields.Choice == ProxyChoiceAutomatic ? automatic_ : none_)
      ->setChecked(true);
  server_->setText(ToQ(fields.Server));
  port_->setValue(fields.Port);
  username_->setText(ToQ(fields.Username));
  password_->setText(ToQ(fields.Password));
  for (QRadioButton* choice : {none_, automatic_, manual_})
    connect(choice, &QRadioButton::toggled, this, &ProxyDialog::ChoiceChanged);

  auto* form = new QFormLayout;
  form->setContentsMargins(24, 0, 0, 0);
  form->addRow(QStringLiteral("Имя или адрес сервера:"), server_);
  form->addRow(QStringLiteral("Порт:"), port_);
  form->addRow(QStringLiteral("Имя пользователя:"), username_);
  form->addRow(QStringLiteral("Пароль:"), password_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ProxyDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(none_);
  layout->addWidget(automatic_);
  layout->addWidget(manual_);
  layout->addLayout(form);
  layout->addWidget(buttons);
  ChoiceChanged();
  setMinimumWidth(440);
}

void ProxyDialog::ChoiceChanged() {
  const bool manual = manual_->isChecked();
  for (QWidget* field : std::initializer_list<QWidget*>{server_, port_, username_, password_}) field->setEnabled(manual);
}

TProxyDialogFields ProxyDialog::Fields() const {
  TProxyDialogFields fields;
  fields.Choice = manual_->isChecked() ? ProxyChoiceManual : automatic_->isChecked() ? ProxyChoiceAutomatic : ProxyChoiceNone;
  fields.Server = FromQ(server_->text().trimmed());
  fields.Port = port_->value();
  fields.Username = FromQ(username_->text());
  fields.Password = FromQ(password_->text());
  return fields;
}

void ProxyDialog::accept() {
  std::string error;
  if (!ProxyFromDialog(Fields(), error)) {
    ShowErrorBox(this, error);
    server_->setFocus();
    return;
  }
  QDialog::accept();
}

bool EditProxyDialog(QWidget* parent, TProxyDialogFields& fields) {
  ProxyDialog dialog(parent, fields);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  fields = dialog.Fields();
  return true;
}

}  // namespace kavrin::gui
