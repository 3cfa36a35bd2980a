#include "gui/common/detailsdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/common/qttext.h"

namespace kavrin::gui {

DetailsDialog::DetailsDialog(QWidget* parent, const TDetailsView& view)
    : QDialog(parent), view_(view), cols_(new QSpinBox(this)), matrix_(new QTableWidget(this)) {
  setObjectName(QStringLiteral("detailsDialog"));
  setWindowTitle(ToQ(DetailsCaption));
  auto* properties = new QTableWidget(static_cast<int>(view.Properties.size()), 2, this);
  properties->setObjectName(QStringLiteral("lvProperties"));
  properties->setHorizontalHeaderLabels({QStringLiteral("Свойство"), QStringLiteral("Значение")});
  properties->verticalHeader()->hide();
  properties->setEditTriggers(QAbstractItemView::NoEditTriggers);
  properties->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int row = 0; row < static_cast<int>(view.Properties.size()); ++row) {
    properties->setItem(row, 0, new QTableWidgetItem(ToQ(view.Properties[row].Caption)));
    properties->setItem(row, 1, new QTableWidgetItem(ToQ(view.Properties[row].Value)));
  }
  properties->resizeColumnsToContents();
  properties->horizontalHeader()->setStretchLastSection(true);
  properties->verticalHeader()->setDefaultSectionSize(properties->fontMetrics().height() + 6);

  cols_->setObjectName(QStringLiteral("edCols"));
  cols_->setRange(1, NumberMax);
  cols_->setValue(view.MatrixCols);
  matrix_->setObjectName(QStringLiteral("sgMatrix"));
  matrix_->horizontalHeader()->hide();
  matrix_->verticalHeader()->hide();
  matrix_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  matrix_->setSelectionMode(QAbstractItemView::NoSelection);
  connect(cols_, &QSpinBox::valueChanged, this, &DetailsDialog::BuildMatrix);

  auto* colsRow = new QFormLayout;
  colsRow->addRow(QStringLiteral("Количество столбцов:"), cols_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* right = new QVBoxLayout;
  right->addLayout(colsRow);
  right->addWidget(matrix_, 1);
  auto* body = new QHBoxLayout;
  body->addWidget(properties, 3);
  body->addLayout(right, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
  BuildMatrix(cols_->value());
  resize(760, 460);
}

void DetailsDialog::BuildMatrix(int cols) {
  const auto rows = DetailsMatrix(view_, cols);
  matrix_->clear();
  matrix_->setRowCount(static_cast<int>(rows.size()));
  matrix_->setColumnCount(rows.empty() ? 0 : static_cast<int>(rows.front().size()));
  const int side = fontMetrics().height() + 8;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    matrix_->setRowHeight(r, side);
    for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
      const TDetailsCell& cell = rows[r][c];
      auto* item = new QTableWidgetItem(cell.Shown ? QString::number(cell.Number) : QString());
      item->setTextAlignment(Qt::AlignCenter);
      if (cell.Number > 0) item->setBackground(ToQColor(cell.Color));
      if (cell.Shown) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      matrix_->setItem(r, c, item);
    }
  }
  for (int c = 0; c < matrix_->columnCount(); ++c) matrix_->setColumnWidth(c, side);
}

}  // namespace kavrin::gui
