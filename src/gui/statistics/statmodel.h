#pragma once
// The statistics table's model: one row per row of the page's table, in the table's order, the
// cells read from the core's table when the view asks for them. No copy of the table.
#include <QAbstractTableModel>
#include <vector>

#include "stats/stattable.h"

namespace kavrin::gui {

class StatModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  StatModel(const TStatTable& table, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // After a calculation: new rows, so the view's selection goes with the old ones.
  void Reset();
  // Around a new order of the same rows: the view keeps the selected values selected.
  void BeginReorder();
  void EndReorder();

 private:
  const TStatTable& table_;
  int rows_ = 0;
  std::vector<TStatDrawRec> reordered_;  // the values of the persistent indexes during a reorder
};

}  // namespace kavrin::gui
