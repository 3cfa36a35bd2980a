#include "gui/help/firstrundialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/qttext.h"

namespace kavrin::gui {

FirstRunWindow::FirstRunWindow(QWidget* parent, const TFirstRunDialog& dialog, std::function<void()> openHelp,
                               std::function<void(const std::string&)> openUrl)
    : QDialog(parent), doNotShow_(new QCheckBox(QStringLiteral("Больше не показывать данный диалог"), this)) {
  setObjectName(QStringLiteral("firstRunDialog"));
  setWindowTitle(QStringLiteral("Справочная информация"));
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(
      QStringLiteral("Если Вы запускаете программу в первый раз, рекомендуем Вам ознакомится со справочной инфомацией:"),
      this);
  intro->setWordWrap(true);
  layout->addWidget(intro);
  auto* help = new QPushButton(QStringLiteral("Открыть файл встроенной справочной системы"), this);
  help->setObjectName(QStringLiteral("btHelp"));
  help->setEnabled(dialog.HelpAvailable);
  connect(help, &QPushButton::clicked, this, [openHelp] { openHelp(); });
  layout->addWidget(help);
  layout->addSpacing(8);
  auto* resources = new QLabel(QStringLiteral("Полезные ресурсы, включая видеоруководства и новости проекта:"), this);
  resources->setWordWrap(true);
  layout->addWidget(resources);
  for (const TFirstRunButton& link : dialog.Links) {
    auto* button = new QPushButton(ToQ(link.Caption), this);
    button->setToolTip(ToQ(link.Address));
    connect(button, &QPushButton::clicked, this, [openUrl, url = link.Address] { openUrl(url); });
    layout->addWidget(button);
  }
  layout->addSpacing(8);
  auto* bottom = new QHBoxLayout;
  doNotShow_->setObjectName(QStringLiteral("cbDoNotShow"));
  bottom->addWidget(doNotShow_, 1);
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(close);
  layout->addLayout(bottom);
  setMinimumWidth(460);
}

bool FirstRunWindow::DoNotShowAgain() const { return doNotShow_->isChecked(); }

}  // namespace kavrin::gui
