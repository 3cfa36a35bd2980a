#include "gui/statistics/descriptionwindow.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

// What each feature letter of a method says about it.
QString FeatureText(QChar letter) {
  switch (letter.toLatin1()) {
    case 'S':
      return QStringLiteral("значение зависит от позиций чисел в тираже");
    case 'N':
      return QStringLiteral("норма рассчитывается по полному набору комбинаций");
    case 'D':
      return QStringLiteral("используется предыдущий тираж");
    case 'P':
      return QStringLiteral("метод периодов повторения");
    case 'G':
      return QStringLiteral("одно число на тираж (график)");
    default:
      return {};
  }
}

QLabel* Field(QWidget* parent, const QString& text, const char* name) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

DescriptionWindow::DescriptionWindow(QWidget* parent, const TMethodDescription& description) : QDialog(parent) {
  setObjectName(QStringLiteral("TFormFilterHelp"));
  setWindowTitle(QStringLiteral("Описание методики расчета"));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Метод расчета:"), Field(this, ToQ(description.Caption), "lbCaption"));
  form->addRow(QStringLiteral("Идентификатор:"), Field(this, ToQ(description.Code), "lbCode"));
  form->addRow(QStringLiteral("Группа:"), Field(this, ToQ(description.Group), "lbGroup"));
  QStringList features;
  for (const QChar letter : ToQ(description.Features))
    features << QStringLiteral("%1 - %2").arg(letter).arg(FeatureText(letter));
  form->addRow(
      QStringLiteral("Особенности:"),
      Field(this, features.isEmpty() ? QStringLiteral("нет") : features.join(QLatin1Char('\n')), "lbFeatures"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  QLabel* help =
      description.HelpAddress.empty()
          ? Field(this, QStringLiteral("Подробное описание методики в справочной системе недоступно."), "lbHelp")
          : Field(this,
                  QStringLiteral("<a href=\"%1\">Описание в справочной системе</a>")
                      .arg(ToQ(description.HelpAddress).toHtmlEscaped()),
                  "lbHelp");
  help->setOpenExternalLinks(true);
  layout->addWidget(help);
  layout->addStretch(1);
  layout->addWidget(buttons);
  resize(560, sizeHint().height());
}

}  // namespace kavrin::gui
