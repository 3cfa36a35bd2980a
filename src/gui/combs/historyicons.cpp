#include "gui/combs/historyicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace kavrin::gui {
namespace {

// Drawn rather than loaded, so that they look the same on every desktop theme: a red minus, a
// green plus, a blue arrow turning back.
QIcon Paint(THistoryIcon icon) {
  constexpr int Size = 32;
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(2, 2, Size - 4, Size - 4);
  QPen white(Qt::white, 5, Qt::SolidLine, Qt::RoundCap);
  switch (icon) {
    case THistoryIcon::Exclude:
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(0xC6, 0x28, 0x28));
      painter.drawEllipse(disc);
      painter.setPen(white);
      painter.drawLine(QPointF(9, 16), QPointF(23, 16));
      break;
    case THistoryIcon::Include:
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(0x2E, 0x7D, 0x32));
      painter.drawEllipse(disc);
      painter.setPen(white);
      painter.drawLine(QPointF(9, 16), QPointF(23, 16));
      painter.drawLine(QPointF(16, 9), QPointF(16, 23));
      break;
    case THistoryIcon::Undo: {
      QPen blue(QColor(0x15, 0x65, 0xC0), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      painter.setPen(blue);
      painter.setBrush(Qt::NoBrush);
      QPainterPath arc;
      arc.moveTo(8, 13);
      arc.lineTo(20, 13);
      arc.cubicTo(29, 13, 29, 27, 20, 27);
      arc.lineTo(12, 27);
      painter.drawPath(arc);
      painter.setPen(Qt::NoPen);
      painter.setBrush(blue.color());
      painter.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(11, 5), QPointF(11, 21)}));
      break;
    }
  }
  return QIcon(pixmap);
}

}  // namespace

QIcon HistoryIcon(THistoryIcon icon) {
  static const std::array<QIcon, 3> icons = {Paint(THistoryIcon::Exclude), Paint(THistoryIcon::Include),
                                             Paint(THistoryIcon::Undo)};
  return icons.at(static_cast<size_t>(icon));
}

}  // namespace kavrin::gui
