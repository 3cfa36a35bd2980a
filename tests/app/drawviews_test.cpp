#include <algorithm>
#include <set>

#include "app/templatemain_fixture.h"
#include "core/inifile.h"
#include "core/format.h"
#include "support/xlsx_reader.h"

namespace kavrin::test {
namespace {

// Also opens the repeats dialog: `onRepeats` plays the user's part in it.
class RepeatsHost : public DialogHost {
 public:
  void ShowRepeats(TRepeatsDialog& dialog) override {
    shownRepeats.push_back(dialog.Analysis.Rows);
    if (onRepeats) onRepeats(dialog);
  }
  std::vector<std::vector<TRepeatsRow>> shownRepeats;
  std::function<void(TRepeatsDialog&)> onRepeats;
};

class DrawViewsTest : public ::testing::Test {
 protected:
  DrawViewsTest() {
    TDrawArchive file(dir.File(ArchiveFileName));
    // Wednesday, Thursday, Friday.
    file.Append(Draw(101, {10, 20, 30, 40, 50}, 1, "01.01.2020 21:00"));
    file.Append(Draw(102, {11, 21, 31, 41, 49}, 2, "02.01.2020 21:00"));
    file.Append(Draw(103, {12, 13, 33, 44, 45}, 3, "03.01.2020 21:00"));
    file.Save();
    main.InitStatistics();
    main.LoadArchive();
  }
  // The operation texts of the statistics table and the draw views, in order.
  std::vector<std::string> ViewStatuses() const {
    static const std::set<std::string> texts = {"Анализ тиражей и расчет статистики...",
                                                "Анализ тиражей и построение графиков...",
                                                "Обновление карты тиражей...",
                                                "Построение схемы выпадения номеров...",
                                                "Построение статистики по дням недели..."};
    std::vector<std::string> shown;
    for (const std::string& entry : host.statusLog)
      if (texts.count(entry.substr(2))) shown.push_back(entry.substr(2));
    return shown;
  }
  // The combinations of 10..17, C(8, 5) = 56 of them.
  void GenerateList() { ASSERT_TRUE(main.CombsGenerate({2, "10,11,12,13,14,15,16,17"}, false)); }
  std::string StoredView(const std::string& section, const std::string& key) const {
    return TIniFile(dir.File(ViewSettingsFileName)).ReadString(section, key, "missing");
  }

  TempDir dir;
  RepeatsHost host;
  TTemplateMain main{host, dir.Path()};
  TDrawViews& views = main.DrawViews;
};

TEST_F(DrawViewsTest, RefreshRecomputesInOrderAndSkipsCurrentAndHiddenViews) {
  host.changedViews.clear();
  main.RefreshViews(false);
  EXPECT_EQ(host.changedViews, (std::vector<TView>{TView::Statistics, TView::DrawsGraph, TView::Card, TView::Layout,
                                                   TView::LayoutCompare, TView::Week}));
  const std::vector<std::string> all = {"Анализ тиражей и расчет статистики...",
                                        "Анализ тиражей и построение графиков...", "Обновление карты тиражей...",
                                        "Построение схемы выпадения номеров...",
                                        "Построение схемы выпадения номеров...",
                                        "Построение статистики по дням недели...",
                                        "Построение статистики по дням недели..."};  // the table, then its chart
  EXPECT_EQ(ViewStatuses(), all);
  EXPECT_EQ(views.CardRows(), 4);
  EXPECT_EQ(views.Schema().Cell(0, 1), "103");
  EXPECT_EQ(views.CompareLists()[0].Caption, "101 - 103");
  EXPECT_EQ(views.Week().Count(12, 5), 1u);
  EXPECT_EQ(views.GraphSeries()[0].Points.size(), 3u);

  host.statusLog.clear();
  main.RefreshViews(false);
  EXPECT_TRUE(ViewStatuses().empty());

  // Hidden views are skipped; the card keeps its rows while the archive keeps its size.
  main.DrawViews.TabWeekExecute();
  EXPECT_FALSE(main.View.TabWeek);
  EXPECT_EQ(StoredView(MainWindowSection, "TabWeek"), "0");
  host.statusLog.clear();
  main.SetDrawsOffset(1);
  EXPECT_EQ(ViewStatuses(), (std::vector<std::string>{"Анализ тиражей и расчет статистики...",
                                                      "Анализ тиражей и построение графиков...",
                                                      "Построение схемы выпадения номеров...",
                                                      "Построение схемы выпадения номеров..."}));
  EXPECT_EQ(views.Schema().Cell(0, 1), "102");
  EXPECT_EQ(views.Schema().Cell(1, 1), "11, 21, 31, 41, 49");
  // Forced, a shown view recomputes whether or not it is current.
  host.statusLog.clear();
  main.RefreshViews(true);
  EXPECT_EQ(ViewStatuses().size(), 5u);
  // Nothing at all while refresh is suspended.
  host.statusLog.clear();
  main.RefreshSuspended = true;
  main.RefreshViews(true);
  EXPECT_TRUE(ViewStatuses().empty());
}

TEST_F(DrawViewsTest, TabsAndSwitchesAreStoredAndRedrawn) {
  main.RefreshViews(true);
  host.shownTabs.clear();
  views.TabCardExecute();
  EXPECT_FALSE(views.TabCardChecked());
  EXPECT_FALSE(views.ViewColorCardUpdate());
  EXPECT_FALSE(views.CardFilter_IncludeUpdate());
  views.TabCardExecute();
  EXPECT_TRUE(views.TabCardChecked());
  EXPECT_EQ(StoredView(MainWindowSection, "TabCard"), "1");
  views.TabLayoutExecute();
  views.TabLayoutExecute();
  views.TabGrapsExecute();
  views.TabGrapsExecute();
  EXPECT_EQ(StoredView(MainWindowSection, "TabGraphs"), "1");
  EXPECT_EQ(host.shownTabs, (std::vector<std::string>{"Карта", "Схема", "Графики"}));

  host.changedViews.clear();
  views.ViewColorCardExecute();
  views.ViewColorCardSequencesExecute();
  views.ViewShemaGradientExecute();
  EXPECT_EQ(host.changedViews, (std::vector<TView>{TView::Card, TView::Card, TView::Layout}));
  EXPECT_FALSE(views.CardColors().Channels || views.CardColors().Sequences);
  EXPECT_EQ(StoredView(MainWindowSection, "ColorCardSequences"), "0");
  EXPECT_EQ(StoredView(MainWindowSection, "LayoutGradient"), "0");

  // The chart mode goes 0 -> 1 -> 0, and any value above 0 back to 0.
  EXPECT_FALSE(views.ViewWeekChartModeChecked());
  views.WeekCellSelect(12, 5);
  EXPECT_EQ(views.WeekChartSeries().Points.size(), 50u);
  views.ViewWeekChartModeExecute();
  EXPECT_TRUE(views.ViewWeekChartModeChecked());
  EXPECT_EQ(StoredView(MainWindowSection, "WeekChartMode"), "1");
  EXPECT_EQ(views.WeekChartSeries().Points.size(), 7u);
  EXPECT_EQ(views.WeekChartSeries().Points[4], (TGraphPoint{5, 1, "Пт"}));
  main.View.WeekChartMode = 2;
  views.ViewWeekChartModeExecute();
  EXPECT_EQ(main.View.WeekChartMode, 0);
  views.ViewWeekChartTypeExecute();
  EXPECT_TRUE(views.ViewWeekChartTypeChecked());
  EXPECT_EQ(views.WeekChartSeries().Style, TSeriesStyle::Line);
}

TEST_F(DrawViewsTest, DepthFieldsRebuildOnlyWhenTheyShould) {
  main.RefreshViews(true);
  host.statusLog.clear();
  views.WeekLenEnter(1);
  EXPECT_EQ(ViewStatuses().size(), 2u);  // the weekday table and its chart
  EXPECT_EQ(views.Week().Count(12, 5), 1u);
  EXPECT_EQ(views.Week().Count(11, 4), 0u);
  host.statusLog.clear();
  views.WeekLenEnter(1);
  views.WeekLenEnter(0);  // outside the field's range
  views.LayoutLenEnter(main.View.LayoutLen);
  EXPECT_TRUE(ViewStatuses().empty());
  EXPECT_EQ(main.View.WeekLen, 1);

  views.LayoutLenEnter(1);
  EXPECT_EQ(views.Schema().Cell(1, 1), "12, 13, 33, 44, 45");
  // A comparison depth rebuilds the lists although the archive and the offset are unchanged.
  views.LayoutCompareLenEnter(0, 2);
  EXPECT_EQ(views.CompareLists()[0].Caption, "102 - 103");
  EXPECT_EQ(main.View.LayoutCompareLen[0], 2);

  // The graph follows its type and depth.
  TStatKindList& kinds = main.GraphKinds;
  ASSERT_TRUE(kinds.SelectEntry(main.Stats.FindCode("SUMS")));
  views.GraphKindChange(kinds.ItemIndex);
  views.DrawsGraphLenEnter(2);
  const std::vector<TGraphPoint>& points = views.GraphSeries()[0].Points;
  EXPECT_EQ(points, (std::vector<TGraphPoint>{{102, 153, "102"}, {103, 147, "103"}}));
  EXPECT_EQ(views.GraphSeries()[1].Points[0].Y, 150);
  views.SetGraphMarks(false);
  EXPECT_FALSE(views.GraphSeries()[0].Marks);
}

TEST_F(DrawViewsTest, FiltersKeepTheCombinationsWithTheSelectedNumbers) {
  main.RefreshViews(true);
  EXPECT_FALSE(views.CardFilter_IncludeUpdate());  // the list is empty
  GenerateList();
  views.CardSelection = {11, 1, 12, 3};  // 11 in draw 102, 12 in draw 103
  EXPECT_TRUE(views.CardFilter_IncludeUpdate());
  views.CardFilter_IncludeExecute();
  EXPECT_EQ(main.Combs.CombsList.Count(), 50);  // all but the 6 combinations of 13..17
  EXPECT_EQ(main.Combs.History.Rows().back(), (THistoryRow{"Карта", "11; 12", 50, THistoryIcon::Include}));
  views.CardSelection = {14, 1, 15, 3};  // never drawn
  views.CardFilter_ExcludeExecute();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"В выделенном диапазоне нет значений для фильтра!"});
  EXPECT_EQ(main.Combs.CombsList.Count(), 50);
  for (const TGridRect rect : {TGridRect{0, 1, 3, 1}, TGridRect{48, 1, 51, 1}}) {
    views.CardSelection = rect;
    EXPECT_FALSE(views.CardFilter_IncludeUpdate());
  }

  GenerateList();
  views.LayoutLenEnter(1);
  views.LayoutSelection = {1, 1, 1, 1};  // "12, 13, 33, 44, 45"
  views.LayoutFilter_ExcludeExecute();
  EXPECT_EQ(main.Combs.CombsList.Count(), 6);
  EXPECT_EQ(main.Combs.History.Rows().back(),
            (THistoryRow{"Схема", "12; 13; 33; 44; 45", 6, THistoryIcon::Exclude}));

  GenerateList();
  views.WeekSelection = {10, 2, 12, 5};
  views.WeekFilter_IncludeExecute();
  EXPECT_EQ(main.Combs.CombsList.Count(), 55);  // all but 13 14 15 16 17
  EXPECT_EQ(main.Combs.History.Rows().back(), (THistoryRow{"Неделя", "10; 11; 12", 55, THistoryIcon::Include}));
  main.View.TabWeek = false;
  EXPECT_FALSE(views.WeekFilter_IncludeUpdate());
}

TEST_F(DrawViewsTest, SumsComparisonAndRepeatsDialog) {
  views.TotalSumCombsExecute();
  ASSERT_EQ(host.graphs.size(), 1u);
  EXPECT_EQ(host.graphs[0].Caption, "Распределение сумм тиражей и всех возможных комбинаций");
  EXPECT_EQ(host.graphs[0].Series[0].Points.size(), 3u);

  // 101 and 102 share nothing; 103 shares nothing with either.
  host.onRepeats = [this](TRepeatsDialog& dialog) {
    EXPECT_EQ(dialog.Length, 100);
    EXPECT_EQ(dialog.Deep, 100);
    dialog.Length = 2;
    dialog.Deep = 1;
    main.Archive.Append(Draw(104, {12, 20, 21, 22, 23}, 4));
    dialog.Calculate();
    EXPECT_EQ(dialog.Analysis.Rows, (std::vector<TRepeatsRow>{{104, 1, 1, "103"}}));
    EXPECT_EQ(dialog.Chart.size(), 1u);
  };
  EXPECT_TRUE(views.AnalyzeRepeatsUpdate());
  views.AnalyzeRepeatsExecute();
  EXPECT_EQ(host.shownRepeats, (std::vector<std::vector<TRepeatsRow>>{{}}));
  EXPECT_EQ(StoredView("TFormRepeats", "DrawsLength"), "2");
  EXPECT_EQ(StoredView("TFormRepeats", "DrawsDeep"), "1");
  const TRepeatsDialog stored = views.RepeatsSettings();
  EXPECT_EQ(stored.Length, 2);
  EXPECT_EQ(stored.Deep, 1);
}

// The exports write what the grids show, with the backgrounds the grids paint.
TEST_F(DrawViewsTest, ExportsWriteTheGridsWithTheirColours) {
  main.RefreshViews(true);
  host.files = {dir.File("schema.xlsx"), dir.File("week.xlsx"), dir.File("draws.xlsx")};
  host.answers = {false, false, false};  // none of them opened
  views.LayoutXlsExportExecute();
  views.WeekXlsExportExecute();
  main.DrawsXlsExportExecute();

  const XlsxBook schema(dir.File("schema.xlsx"));
  EXPECT_EQ(schema.SheetName(), "Схема");
  EXPECT_EQ(schema.Cell("B1")->Shown, "103");
  EXPECT_EQ(schema.Cell("B2")->Shown, "12, 13, 33, 44, 45");
  EXPECT_EQ(schema.Cell("B2")->Fill, Format("FF%.6X", {SchemaCellColor(views.Schema(), 1, 1, true, false).Rgb}));
  const XlsxBook week(dir.File("week.xlsx"));
  EXPECT_EQ(week.SheetName(), "Неделя");
  EXPECT_EQ(week.Cell("M6")->Shown, "1");  // 12 on the Friday, the largest count: pure red
  EXPECT_EQ(week.Cell("M6")->Fill, "FFFF0000");
  EXPECT_EQ(week.Cell("A6")->Fill, "");
  const XlsxBook draws(dir.File("draws.xlsx"));
  EXPECT_EQ(draws.SheetName(), "Архив тиражей");
  EXPECT_EQ(draws.Cell("A2")->Shown, "103");
  EXPECT_EQ(draws.Cell("A2")->Fill, "FFFFAAAA");  // the draw at the analysis offset

  // A schema of one draw has a single data column: nothing worth a workbook.
  EXPECT_TRUE(views.LayoutXlsExportUpdate());
  views.LayoutLenEnter(1);
  EXPECT_FALSE(views.LayoutXlsExportUpdate());
}

}  // namespace
}  // namespace kavrin::test
