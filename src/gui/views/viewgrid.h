#pragma once
// The grids of the draw views (card, schema, weekday table): a table over the core's cell
// functions, produced cell by cell as the view paints, so a grid of any height costs nothing to
// fill. Row 0 and column 0 of a view grid are its headers and show as the table's headers, which
// stay in place while the cells scroll.
#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <string>

#include "views/viewtypes.h"

namespace kavrin::gui {

// What a grid shows, in grid coordinates (row 0 and column 0 the headers).
struct ViewGridSource {
  std::function<int()> Rows;
  std::function<int()> Columns;
  std::function<std::string(int row, int column)> Text;
  std::function<TCellColor(int row, int column)> Color;  // unselected
};

class ViewGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  ViewGridModel(ViewGridSource source, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The grid changed: a new size resets the model, otherwise its cells and headers repaint.
  void Refresh();

 private:
  ViewGridSource source_;
  int rows_ = 0, columns_ = 0;
};

// Paints a cell as the draw views do: the highlight colour when selected or focused, else the
// cell's own background; the text centred, CellTextTop pixels below the cell's top.
class ViewCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A view grid: one rectangle selected at a time, reported in grid coordinates; fixed row heights
// so that the card of every draw scrolls at once.
class ViewGrid : public QTableView {
  Q_OBJECT
 public:
  ViewGrid(const QString& name, ViewGridSource source, QWidget* parent);
  ViewGridModel* Model() const { return model_; }
  // Repaints after the grid changed; keeps or sets a current cell.
  void Refresh();
  // The selected rectangle in grid coordinates (the current cell when nothing is selected).
  TGridRect Selection() const;
  // Selects a rectangle given in grid coordinates.
  void Select(const TGridRect& rect);

 signals:
  // The selection or the current cell changed.
  void SelectionChanged(const TGridRect& selection, int currentRow, int currentColumn);

 private:
  void Report();

  ViewGridModel* model_;
};

}  // namespace kavrin::gui
