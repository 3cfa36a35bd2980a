#pragma once
// Draws the number columns of the stakes grid ("Моя ставка", "Результаты тиража"): every
// number on its own, a little apart, the numbers that came up bold and blue.
#include <QStyledItemDelegate>

namespace kavrin::gui {

class StakesDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace kavrin::gui
