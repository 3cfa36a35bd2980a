#pragma once
// Paints the cells of the combination list in one pass: background, the style's selection panel
// and the text laid out once. The general delegate lays each text out several times to fit
// icons, check boxes and elision that these short numbers never need, which is most of the cost
// of showing a new screen of the list.
#include <QStyledItemDelegate>

namespace kavrin::gui {

class CombCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace kavrin::gui
