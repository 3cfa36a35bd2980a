#include "gui/combs/celldelegate.h"

#include <QApplication>
#include <QPainter>

namespace kavrin::gui {

void CombCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell(option);
  cell.index = index;
  const QVariant background = index.data(Qt::BackgroundRole);
  if (background.isValid()) cell.backgroundBrush = background.value<QColor>();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);

  const bool selected = option.state & QStyle::State_Selected;
  const QVariant foreground = index.data(Qt::ForegroundRole);
  QColor pen = selected ? option.palette.color(QPalette::HighlightedText) : option.palette.color(QPalette::Text);
  if (!selected && foreground.isValid()) pen = foreground.value<QColor>();
  painter->save();
  painter->setPen(pen);
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  const auto alignment = static_cast<Qt::Alignment>(index.data(Qt::TextAlignmentRole).toInt());
  painter->drawText(option.rect.adjusted(margin, 0, -margin, 0), static_cast<int>(alignment),
                    index.data(Qt::DisplayRole).toString());
  painter->restore();

  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
}

}  // namespace kavrin::gui
