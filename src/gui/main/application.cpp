#include "gui/main/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/format.h"

namespace kavrin::gui {

bool SetUpApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Kavrin_5x50"));
  // The interface is Russian whatever the desktop's language, Qt's own buttons and dialogs too.
  auto* translator = new QTranslator(&app);
  const bool loaded = translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) QApplication::installTranslator(translator);
  FormatSettings().DecimalSeparator = QLocale().decimalPoint().toStdString();
  return loaded;
}

}  // namespace kavrin::gui
