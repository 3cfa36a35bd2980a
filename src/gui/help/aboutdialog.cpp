#include "gui/help/aboutdialog.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QLocale>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtGlobal>

#include "core/libversions.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

// The compiler's "Mmm dd yyyy" as the program writes dates.
QString BuildDate() {
  const QDate date = QLocale::c().toDate(QStringLiteral(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
  return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QStringLiteral(__DATE__);
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent, const std::string& title, const std::string& version,
                         const std::string& dataDir)
    : QDialog(parent) {
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(QStringLiteral("О программе"));
  auto* heading = new QLabel(this);
  heading->setTextFormat(Qt::RichText);
  heading->setText(QStringLiteral("<h2>%4</h2>"
                                "<p>Анализатор тиражей лотереи «5 из 50»</p>"
                                "<p>Версия %1, сборка от %2</p>"
                                "<p>Папка данных: %3</p>")
                     .arg(ToQ(version), BuildDate(), ToQ(dataDir).toHtmlEscaped(), ToQ(title).toHtmlEscaped()));
  heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
  heading->setWordWrap(true);
  auto* licences = new QTextBrowser(this);
  licences->setObjectName(QStringLiteral("licences"));
  licences->setOpenExternalLinks(true);
  licences->setHtml(
      QStringLiteral("<p><b>Используемые библиотеки</b></p>"
                     "<p>Qt %1 (Widgets, Charts): GNU LGPL 3; Qt Charts: GNU GPL 3. "
                     "<a href=\"https://www.qt.io/licensing/\">qt.io/licensing</a></p>"
                     "<p>libcurl %2: лицензия curl (MIT/X). "
                     "<a href=\"https://curl.se/docs/copyright.html\">curl.se/docs/copyright.html</a></p>"
                     "<p>zlib %3: лицензия zlib. <a href=\"https://zlib.net/zlib_license.html\">zlib.net</a></p>"
                     "<p>OpenSSL (через libcurl): Apache License 2.0.</p>")
          .arg(QString::fromLatin1(qVersion()), ToQ(CurlVersionText()), ToQ(ZlibVersionText())));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(licences, 1);
  layout->addWidget(buttons);
  resize(480, 420);
}

}  // namespace kavrin::gui
