#pragma once
// The rating list's model: the application object's rows in their current order, cells made
// by the core as the view asks for them.
#include <QAbstractTableModel>

#include "app/templatemain.h"

namespace kavrin::gui {

class RatingsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit RatingsModel(TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // After the rows, their order or the efficiency mode changed.
  void Refresh();

 private:
  TTemplateMain& main_;
  int rows_ = 0;
};

}  // namespace kavrin::gui
