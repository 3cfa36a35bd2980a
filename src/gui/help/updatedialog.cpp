#include "gui/help/updatedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/qttext.h"

namespace kavrin::gui {

UpdateDialog::UpdateDialog(QWidget* parent, const TUpdateOffer& offer) : QDialog(parent) {
  setObjectName(QStringLiteral("updateDialog"));
  setWindowTitle(QStringLiteral("Найдена новая версия программы"));
  auto readOnly = [this](const std::string& text) {
    auto* edit = new QLineEdit(ToQ(text), this);
    edit->setReadOnly(true);
    return edit;
  };
  auto* description = new QPlainTextEdit(ToQ(offer.DescriptionText), this);
  description->setReadOnly(true);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Текущая версия программы:"), readOnly(offer.CurrentVersion));
  form->addRow(QStringLiteral("Новая версия программы:"), readOnly(offer.NewVersion));
  form->addRow(QStringLiteral("Описание версии:"), description);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* install = buttons->addButton(QStringLiteral("Установить"), QDialogButtonBox::AcceptRole);
  install->setToolTip(QStringLiteral("Установить это обновление"));
  buttons->addButton(QDialogButtonBox::Cancel)->setToolTip(QStringLiteral("Отказаться от обновления"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form, 1);
  layout->addWidget(buttons);
  resize(520, 360);
}

}  // namespace kavrin::gui
