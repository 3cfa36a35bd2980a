#include "gui/stakes/stakesdelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "gui/stakes/stakesmodel.h"

namespace kavrin::gui {
namespace {

constexpr int NumbersGap = 3;
const QColor OverlapColor(0, 0, 255);

bool IsOverlap(const TStakeData& stake, int number) {
  const int count = std::clamp(stake.OverlapCount(), 0, TNumberSet::Capacity);
  return std::find(stake.Overlaps.Numbers.begin(), stake.Overlaps.Numbers.begin() + count, number) !=
         stake.Overlaps.Numbers.begin() + count;
}

}  // namespace

void StakesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const auto* model = qobject_cast<const StakesModel*>(index.model());
  if (model == nullptr || (index.column() != 2 && index.column() != 4)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The cell without its text (background and selection as usual), then the numbers.
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QStringList numbers = cell.text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  cell.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
  if (numbers.isEmpty()) return;

  const TStakeData& stake = model->Record(index.row());
  QFont bold = cell.font;
  bold.setBold(true);
  QList<int> widths;
  int total = 0;
  for (const QString& number : numbers) {
    const QFont& font = IsOverlap(stake, number.toInt()) ? bold : cell.font;
    widths << QFontMetrics(font).horizontalAdvance(number);
    total += widths.back();
  }
  total += NumbersGap * (static_cast<int>(numbers.size()) - 1);
  const bool selected = option.state & QStyle::State_Selected;
  const QColor text = selected ? option.palette.color(QPalette::HighlightedText) : cell.palette.color(QPalette::Text);
  QRect rect = option.rect;
  int x = rect.left() + std::max(0, (rect.width() - total) / 2);
  painter->save();
  painter->setClipRect(rect);
  for (int i = 0; i < numbers.size(); ++i) {
    const bool overlap = IsOverlap(stake, numbers[i].toInt());
    painter->setFont(overlap ? bold : cell.font);
    painter->setPen(overlap && !selected ? OverlapColor : text);
    painter->drawText(QRect(x, rect.top(), widths[i], rect.height()), Qt::AlignCenter, numbers[i]);
    x += widths[i] + NumbersGap;
  }
  painter->restore();
}

}  // namespace kavrin::gui
