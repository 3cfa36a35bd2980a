// The statistics tab with a calculated table and its chart, with the full-set comparison and the
// total line; the favourites manager and the method description window.
#include <QComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "gui/main/mainwindow.h"
#include "gui/statistics/descriptionwindow.h"
#include "gui/statistics/favoritesdialog.h"
#include "gui/statistics/statisticspage.h"
#include "shots.h"

using namespace kavrin;
using namespace kavrin::gui;

static const kavrin::shots::Shots statistics("statistics", [](MainWindow& window) {
  TFormMain& main = window.Main();
  window.Pages().Tabs->setCurrentIndex(PageStatistics);
  auto* page = window.findChild<StatisticsPage*>();
  // The sums of the draws: a long table and a chart with a shape.
  const int entry = main.Stats.FindCode("SUMS");
  const std::vector<TStatKindItem>& kinds = main.StatPage.Kinds.Items;
  for (int i = 0; i < static_cast<int>(kinds.size()); ++i)
    if (kinds[i].Entry == entry) page->Kinds()->setCurrentIndex(i);
  page->Table()->selectRow(2);
  QTest::qWait(300);
  kavrin::shots::Save(window, QStringLiteral("statistics-tab"));
  window.show();

  // With the comparison: its columns and the total line. Only this method's full-set file is
  // built, by the calculation, rather than every method's by the switch.
  main.View.PrefetchsEnabled = true;
  main.StatCalculate(true);
  window.UpdateCommandStates();
  QTest::qWait(300);
  kavrin::shots::Save(window, QStringLiteral("statistics-fullset"));
  window.show();

  TFavoritesManager manager(main.Stats);
  FavoritesDialog favorites(
      &window, manager, window.Host(), [](int) {}, main.DataDir());
  kavrin::shots::Save(favorites, QStringLiteral("statistics-favorites"));
  DescriptionWindow description(&window, DescribeMethod(main.Stats, entry, false));
  kavrin::shots::Save(description, QStringLiteral("statistics-description"));
});
