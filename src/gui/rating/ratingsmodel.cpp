#include "gui/rating/ratingsmodel.h"

#include "gui/common/qttext.h"

namespace kavrin::gui {

RatingsModel::RatingsModel(TTemplateMain& main, QObject* parent)
    : QAbstractTableModel(parent), main_(main), rows_(static_cast<int>(main.Ratings.size())) {}

int RatingsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RatingsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : RatingsColumnCount; }

QVariant RatingsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  switch (role) {
    case Qt::DisplayRole: return ToQ(main_.RatingsRowText(index.row())[index.column()]);
    case Qt::TextAlignmentRole:
      return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                 : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant RatingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= RatingsColumnCount)
    return {};
  return ToQ(RatingsCaptions()[section]);
}

void RatingsModel::Refresh() {
  const int rows = static_cast<int>(main_.Ratings.size());
  if (rows != rows_) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  } else if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, RatingsColumnCount - 1));
  }
}

}  // namespace kavrin::gui
