#pragma once
// The archive list's model: one row per draw, newest first, cells and colours made by the core
// when the view asks for them. No copy of the archive.
#include <QAbstractTableModel>
#include <array>
#include <string>

#include "app/templatemain.h"

namespace kavrin::gui {

class DrawsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DrawsModel(TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // After the archive, the offset or a display switch changed: a new row count resets the
  // model (and the selection), otherwise the shown cells are repainted and the selection kept.
  void Refresh();

 private:
  TTemplateMain& main_;
  int rows_ = 0;
  // The cells of the last row asked for: a view asks for a row's cells one after the other.
  mutable int cachedPosition_ = -1;
  mutable std::array<std::string, DrawListColumnCount> cachedRow_;
};

}  // namespace kavrin::gui
