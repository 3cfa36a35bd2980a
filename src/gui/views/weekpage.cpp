#include "gui/views/weekpage.h"

#include <QHeaderView>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/main/mainwindow.h"
#include "gui/views/pagetools.h"
#include "gui/views/viewchart.h"
#include "gui/views/viewgrid.h"
#include "views/week.h"

namespace kavrin::gui {

WeekPage::WeekPage(MainWindow& window, QWidget* gridPane, QWidget* chartPane)
    : QObject(gridPane), window_(window),
      depth_(new DepthField(QStringLiteral("edWeekLen"),
                            QStringLiteral("Количество тиражей, использующихся для расчета статистики"), gridPane)),
      chart_(new ViewChart(QStringLiteral("chartWeekView"), chartPane)) {
  TDrawViews& views = window.Main().DrawViews;
  grid_ = new ViewGrid(QStringLiteral("sgWeekGrid"),
                       {[] { return WeekGridRows; }, [] { return WeekGridColumns; },
                        [&views](int row, int column) { return WeekCellText(views.Week(), row, column); },
                        [&views](int row, int column) { return WeekCellColor(views.Week(), row, column, false); }},
                       gridPane);
  grid_->horizontalHeader()->setDefaultSectionSize(grid_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10);
  connect(grid_, &ViewGrid::SelectionChanged, this, &WeekPage::TakeSelection);
  connect(depth_, &DepthField::Entered, this, [&views](int depth) { views.WeekLenEnter(depth); });

  QToolBar* tools = PageToolBar(QStringLiteral("tbWeek"), gridPane);
  tools->addWidget(new QLabel(QStringLiteral("Тиражей: "), gridPane));
  tools->addWidget(depth_);
  AddWindowActions(window, tools,
                   {"WeekStatCalc", "", "WeekFilter_Include", "WeekFilter_Exclude", "", "ViewWeekChartMode",
                    "ViewWeekChartType", "", "WeekXlsExport"});
  AddWindowActions(window, grid_,
                   {"WeekFilter_Include", "WeekFilter_Exclude", "", "ViewWeekChartMode", "ViewWeekChartType", "",
                    "WeekXlsExport"});
  auto* gridLayout = new QVBoxLayout(gridPane);
  gridLayout->setContentsMargins(2, 2, 2, 0);
  gridLayout->addWidget(tools);
  gridLayout->addWidget(grid_, 1);
  auto* chartLayout = new QVBoxLayout(chartPane);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  chartLayout->addWidget(chart_);
}

void WeekPage::RestoreLayout(const TIniFile&) { depth_->setValue(window_.Main().View.WeekLen); }

void WeekPage::TakeSelection(const TGridRect& selection, int row, int column) {
  TDrawViews& views = window_.Main().DrawViews;
  views.WeekSelection = selection;
  window_.UpdateCommandStates();
  if (row == row_ && column == column_) return;
  row_ = row;
  column_ = column;
  views.WeekCellSelect(column, row);
}

void WeekPage::ViewChanged(TView view) {
  if (view != TView::Week) return;
  grid_->Refresh();
  const TTemplateMain& main = window_.Main();
  const bool byDay = main.View.WeekChartMode == 1;
  chart_->Show({&main.DrawViews.WeekChartSeries()}, true,
               byDay ? QStringLiteral("День недели") : QStringLiteral("Число"),
               QStringLiteral("Выпадений"));
}

}  // namespace kavrin::gui
