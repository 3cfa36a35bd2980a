#include "gui/statistics/statmodel.h"

#include <array>
#include <map>

#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

// Two rows hold the same value when their four key words are equal.
using TValueKey = std::array<uint16_t, 4>;
TValueKey KeyOf(const TStatDrawRec& rec) { return {rec.Key1, rec.Key2, rec.Key3, rec.Key4}; }

}  // namespace

StatModel::StatModel(const TStatTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), rows_(static_cast<int>(table.Rows.size())) {}

int StatModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int StatModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : StatColumnCount; }

QVariant StatModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(table_.Rows.size())) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(table_.Rows[index.row()].Cells[index.column()]);
    case Qt::TextAlignmentRole:
      return index.column() == ColValue ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant StatModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= StatColumnCount) return {};
  return ToQ(StatTableCaptions()[section]);
}

void StatModel::Reset() {
  beginResetModel();
  rows_ = static_cast<int>(table_.Rows.size());
  endResetModel();
}

// The rows are the same values in another order: each persistent index (the view's selection
// among them) moves to the row that now holds its value.
void StatModel::BeginReorder() {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  reordered_.clear();
  for (const QModelIndex& index : persistentIndexList()) reordered_.push_back(table_.Rows.at(index.row()).Rec);
}

void StatModel::EndReorder() {
  std::map<TValueKey, int> rowOf;
  for (int row = 0; row < rows_; ++row) rowOf.emplace(KeyOf(table_.Rows[row].Rec), row);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  for (int i = 0; i < before.size(); ++i) {
    const auto found = rowOf.find(KeyOf(reordered_.at(i)));
    after << (found != rowOf.end() ? index(found->second, before[i].column()) : QModelIndex());
  }
  changePersistentIndexList(before, after);
  reordered_.clear();
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace kavrin::gui
