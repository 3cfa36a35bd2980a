// The draw view tabs, the sums comparison and the repeats dialog.
#include <QTabWidget>
#include <QTest>

#include "gui/common/graphwindow.h"
#include "gui/main/mainwindow.h"
#include "gui/views/repeatsdialog.h"
#include "gui/views/viewgrid.h"
#include "shots.h"
#include "views/sums.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

void TakeTab(MainWindow& window, int page, const QString& name) {
  window.Pages().Tabs->setCurrentIndex(page);
  QTest::qWait(200);
  kavrin::shots::Save(window, name);
  window.show();
}

const kavrin::shots::Shots views("views", [](MainWindow& window) {
  TFormMain& main = window.Main();
  TakeTab(window, PageGraphs, QStringLiteral("tab-graphs"));
  TakeTab(window, PageCard, QStringLiteral("tab-card"));
  TakeTab(window, PageLayout, QStringLiteral("tab-layout"));
  if (auto* week = window.findChild<ViewGrid*>(QStringLiteral("sgWeekGrid"))) week->Select({7, 2, 7, 2});
  TakeTab(window, PageWeek, QStringLiteral("tab-week"));

  GraphWindow sums(&window);
  sums.ShowData(SumsComparisonGraph(main.Archive.Draws()));
  sums.resize(1000, 600);
  kavrin::shots::Save(sums, QStringLiteral("sums-comparison"));

  TRepeatsDialog data = main.DrawViews.RepeatsSettings();
  data.Length = 30;
  data.Calculate = [&] { main.DrawViews.RepeatsCalculate(data); };
  data.Calculate();
  RepeatsDialog repeats(&window, data);
  kavrin::shots::Save(repeats, QStringLiteral("repeats-dialog"));
});

}  // namespace
