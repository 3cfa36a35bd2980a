#pragma once
// The stakes grid's model: one row per record of the stakes file, read through the file's own
// one-record cache when the view asks for a row. No copy of the file, so a file of a million
// stakes shows as fast as one of ten.
#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <string>

#include "app/templatemain.h"

namespace kavrin::gui {

class StakesModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit StakesModel(TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The record of a row (zero-filled when it cannot be read: a painting view shows no boxes).
  const TStakeData& Record(int row) const;
  // After the file changed: a new record count resets the model, otherwise the cells repaint.
  void Refresh();

 private:
  const std::array<std::string, StakesColumnCount>& Cells(int row) const;

  TTemplateMain& main_;
  int rows_ = 0;
  // The row asked for last: a view asks for all cells of a row one after the other.
  mutable int64_t cachedRow_ = -1;
  mutable TStakeData cachedRecord_;
  mutable std::array<std::string, StakesColumnCount> cachedCells_;
};

}  // namespace kavrin::gui
