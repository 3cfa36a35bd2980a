#pragma once
// The tab "Неделя": the weekday heat table with its depth above, the chart of the selected cell's
// row or column below; the selected columns keep or remove combinations.
#include <QObject>

#include "gui/tabs/viewpage.h"

class QWidget;

namespace kavrin::gui {

class DepthField;
class MainWindow;
class ViewChart;
class ViewGrid;

class WeekPage : public QObject, public ViewPage {
  Q_OBJECT
 public:
  // Fills the table pane and the chart pane of the page's splitter.
  WeekPage(MainWindow& window, QWidget* gridPane, QWidget* chartPane);
  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override {}
  ViewGrid* Grid() const { return grid_; }
  ViewChart* Chart() const { return chart_; }

 private:
  void TakeSelection(const TGridRect& selection, int row, int column);

  MainWindow& window_;
  DepthField* depth_;
  ViewGrid* grid_;
  ViewChart* chart_;
  int row_ = 0, column_ = 0;  // the cell the chart was last asked for
};

}  // namespace kavrin::gui
