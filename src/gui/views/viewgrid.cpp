#include "gui/views/viewgrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "gui/common/qttext.h"

namespace kavrin::gui {

ViewGridModel::ViewGridModel(ViewGridSource source, QObject* parent)
    : QAbstractTableModel(parent), source_(std::move(source)) {
  rows_ = std::max(0, source_.Rows() - 1);
  columns_ = std::max(0, source_.Columns() - 1);
}

int ViewGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int ViewGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant ViewGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1, column = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(source_.Text(row, column));
    case Qt::BackgroundRole: {
      const TCellColor color = source_.Color(row, column);
      if (color.Background == TCellBackground::Rgb) return ToQColor(color.Rgb);
      return {};
    }
    case Qt::TextAlignmentRole:
      return QVariant(Qt::AlignHCenter | Qt::AlignTop);
    default:
      return {};
  }
}

QVariant ViewGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  const std::string text =
      orientation == Qt::Horizontal ? source_.Text(0, section + 1) : source_.Text(section + 1, 0);
  return QString::fromStdString(text);
}

void ViewGridModel::Refresh() {
  const int rows = std::max(0, source_.Rows() - 1), columns = std::max(0, source_.Columns() - 1);
  if (rows != rows_ || columns != columns_) {
    beginResetModel();
    rows_ = rows;
    columns_ = columns;
    endResetModel();
    return;
  }
  if (rows_ == 0 || columns_ == 0) return;
  emit dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
  emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

void ViewCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
  const QVariant background = index.data(Qt::BackgroundRole);
  QColor text = option.palette.color(QPalette::Text);
  if (highlighted) {
    painter->fillRect(option.rect, option.palette.color(QPalette::Highlight));
    text = option.palette.color(QPalette::HighlightedText);
  } else if (background.isValid()) {
    painter->fillRect(option.rect, background.value<QColor>());
    text = Qt::black;  // the views' colours are light: dark text whatever the desktop's theme
  }
  painter->save();
  painter->setPen(text);
  painter->setFont(option.font);
  painter->drawText(option.rect.adjusted(1, CellTextTop, -1, 0), Qt::AlignHCenter | Qt::AlignTop,
                    index.data(Qt::DisplayRole).toString());
  painter->restore();
}

ViewGrid::ViewGrid(const QString& name, ViewGridSource source, QWidget* parent)
    : QTableView(parent), model_(new ViewGridModel(std::move(source), this)) {
  setObjectName(name);
  setModel(model_);
  setItemDelegate(new ViewCellDelegate(this));
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  setWordWrap(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + CellTextTop + 4);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(true);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ViewGrid::Report);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ViewGrid::Report);
}

void ViewGrid::Refresh() {
  model_->Refresh();
  if (!currentIndex().isValid() && model_->rowCount() > 0 && model_->columnCount() > 0)
    setCurrentIndex(model_->index(0, 0));
  viewport()->update();
}

TGridRect ViewGrid::Selection() const {
  const QItemSelection selection = selectionModel()->selection();
  if (selection.isEmpty()) {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return {0, 0, 0, 0};
    return {current.column() + 1, current.row() + 1, current.column() + 1, current.row() + 1};
  }
  TGridRect rect{INT_MAX, INT_MAX, -1, -1};
  for (const QItemSelectionRange& range : selection) {
    rect.Left = std::min(rect.Left, range.left() + 1);
    rect.Top = std::min(rect.Top, range.top() + 1);
    rect.Right = std::max(rect.Right, range.right() + 1);
    rect.Bottom = std::max(rect.Bottom, range.bottom() + 1);
  }
  return rect;
}

void ViewGrid::Select(const TGridRect& rect) {
  const QModelIndex topLeft = model_->index(rect.Top - 1, rect.Left - 1);
  const QModelIndex bottomRight = model_->index(rect.Bottom - 1, rect.Right - 1);
  selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
  selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
}

void ViewGrid::Report() {
  const QModelIndex current = currentIndex();
  emit SelectionChanged(Selection(), current.isValid() ? current.row() + 1 : 1,
                        current.isValid() ? current.column() + 1 : 1);
}

}  // namespace kavrin::gui
