#include "gui/combs/combsmodel.h"

#include <QColor>

#include "combs/comblistview.h"
#include "gui/combs/historyicons.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

CombsModel::CombsModel(TTemplateMain& main, QObject* parent)
    : QAbstractTableModel(parent), main_(main), rows_(main.Combs.CombsList.Count()) {}

int CombsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int CombsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : CombListColumnCount; }

QVariant CombsModel::data(const QModelIndex& index, int role) const {
  const TCombList& list = main_.Combs.CombsList;
  const int row = index.row();
  if (!index.isValid() || row >= list.Count()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(CombListCell(list[row], row, index.column()));
    case Qt::BackgroundRole:
    case Qt::ForegroundRole: {
      const auto color =
          CombListCellColor(list[row], index.column(), main_.View.ColorCombs, main_.Config.ChannelSize);
      if (!color) return {};
      // Coloured cells keep dark text whatever the desktop's theme.
      return role == Qt::BackgroundRole ? ToQColor(*color) : QColor(Qt::black);
    }
    case Qt::TextAlignmentRole:
      return QVariant(index.column() == 0 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
    default:
      return {};
  }
}

QVariant CombsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= CombListColumnCount)
    return {};
  return ToQ(CombListCaptions()[section]);
}

void CombsModel::Refresh() {
  const int count = main_.Combs.CombsList.Count();
  if (count != rows_) {
    beginResetModel();
    rows_ = count;
    endResetModel();
  } else if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, CombListColumnCount - 1));
  }
}

FiltersModel::FiltersModel(const TFilterHistory& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

int FiltersModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(history_.Rows().size());
}

int FiltersModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : FilterListColumnCount;
}

QVariant FiltersModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<size_t>(index.row()) >= history_.Rows().size()) return {};
  const THistoryRow& row = history_.Rows()[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      return ToQ(FilterListCell(row, index.column()));
    case Qt::ToolTipRole:
      // Long captions and the values of a long selection do not fit their columns.
      return index.column() < 2 ? ToQ(FilterListCell(row, index.column())) : QVariant();
    case Qt::DecorationRole:
      return index.column() == 0 ? HistoryIcon(row.Icon) : QVariant();
    case Qt::TextAlignmentRole:
      return index.column() == 2 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
      return {};
  }
}

QVariant FiltersModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= FilterListColumnCount)
    return {};
  return ToQ(FilterListCaptions()[section]);
}

void FiltersModel::Refresh() {
  beginResetModel();
  endResetModel();
}

}  // namespace kavrin::gui
