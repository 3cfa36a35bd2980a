#include "gui/stakes/stakesmodel.h"

#include <QColor>
#include <algorithm>
#include <limits>

#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

// A view holds at most int rows; a larger file shows its first ones.
int RecordsShown(const TStakesFile& file) {
  try {
    if (!file.IsOpen()) return 0;
    return static_cast<int>(std::min<int64_t>(file.Count(), std::numeric_limits<int>::max()));
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace

StakesModel::StakesModel(TTemplateMain& main, QObject* parent)
    : QAbstractTableModel(parent), main_(main), rows_(RecordsShown(main.Stakes)) {}

int StakesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int StakesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : StakesColumnCount; }

const TStakeData& StakesModel::Record(int row) const {
  if (row != cachedRow_) {
    try {
      cachedRecord_ = main_.Stakes.Read(TSeekOrigin::Begin, row);
    } catch (const std::exception&) {
      cachedRecord_ = TStakeData{};
    }
    cachedCells_ = StakesTableRow(cachedRecord_);
    cachedRow_ = row;
  }
  return cachedRecord_;
}

const std::array<std::string, StakesColumnCount>& StakesModel::Cells(int row) const {
  Record(row);
  return cachedCells_;
}

QVariant StakesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: return ToQ(Cells(index.row())[column]);
    case Qt::BackgroundRole:
      if (const auto color = StakeRowColor(Record(index.row()).Kind)) return ToQColor(*color);
      return {};
    case Qt::ForegroundRole:
      if (column >= 5 && column <= 7)
        if (const auto color = StakeResultColor(Record(index.row()))) return ToQColor(*color);
      // Coloured rows keep dark text whatever the desktop's theme.
      if (StakeRowColor(Record(index.row()).Kind)) return QColor(Qt::black);
      return {};
    case Qt::TextAlignmentRole:
      if (column == 7) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
      if (column == 8) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
      return QVariant(Qt::AlignCenter);
    default: return {};
  }
}

QVariant StakesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= StakesColumnCount)
    return {};
  return ToQ(StakesTableCaptions()[section]);
}

void StakesModel::Refresh() {
  cachedRow_ = -1;
  const int rows = RecordsShown(main_.Stakes);
  if (rows != rows_) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  } else if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, StakesColumnCount - 1));
  }
}

}  // namespace kavrin::gui
