#pragma once
// The core speaks UTF-8 with "\r" line breaks; widgets speak QString with "\n".
#include <QString>
#include <string>

#include "core/game.h"
#include <QColor>

namespace kavrin::gui {

// A core text for a widget: "\r\n" and "\r" become "\n".
inline QString ToQ(const std::string& text) {
  QString result = QString::fromStdString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

inline std::string FromQ(const QString& text) { return text.toStdString(); }

inline QColor ToQColor(TColor color) { return QColor::fromRgb(color); }

}  // namespace kavrin::gui
