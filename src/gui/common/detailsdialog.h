#pragma once
// "Подробная информация": the property list and the number card of a draw or a combination.
#include <QDialog>

#include "combs/combdetails.h"

class QSpinBox;
class QTableWidget;

namespace kavrin::gui {

class DetailsDialog : public QDialog {
  Q_OBJECT
 public:
  DetailsDialog(QWidget* parent, const TDetailsView& view);

 private:
  void BuildMatrix(int cols);

  TDetailsView view_;
  QSpinBox* cols_;
  QTableWidget* matrix_;
};

}  // namespace kavrin::gui
