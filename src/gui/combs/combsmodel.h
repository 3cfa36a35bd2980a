#pragma once
// The combination list's model and the applied-filters list's model. The combination model
// reads the current list's storage itself: no copy, no object per row, cells made only for the
// rows on screen.
#include <QAbstractTableModel>

#include "app/templatemain.h"

namespace kavrin::gui {

class CombsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit CombsModel(TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // After the list or the colour switch changed: a new row count resets the model (and the
  // selection), otherwise the shown cells are repainted and the selection kept.
  void Refresh();

 private:
  TTemplateMain& main_;
  int rows_ = 0;
};

class FiltersModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit FiltersModel(const TFilterHistory& history, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void Refresh();

 private:
  const TFilterHistory& history_;
};

}  // namespace kavrin::gui
