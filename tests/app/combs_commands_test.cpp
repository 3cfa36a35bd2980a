#include <gtest/gtest.h>

#include <algorithm>

#include "app/templatemain.h"
#include "core/inifile.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

class CombsCommands : public testing::Test {
 protected:
  test::TempDir dir;
  test::FakeHost host;
  TTemplateMain main{host, dir.Path()};

  void SetList(const std::vector<TComb>& combs) {
    main.Combs.CombsList.Clear();
    for (const TComb& comb : combs) main.Combs.CombsList.Append(comb);
  }
  std::vector<TComb> List() const {
    auto combs = main.Combs.CombsList.Combs();
    return {combs.begin(), combs.end()};
  }
  bool StatusShown(const std::string& entry) const {
    return std::find(host.statusLog.begin(), host.statusLog.end(), entry) != host.statusLog.end();
  }
  // Draws 1..count, draw i holding i, i+1, ..., i+4 in descending order.
  void AddDraws(int count) {
    for (int i = 1; i <= count; ++i) {
      TDrawRec draw;
      draw.Number = i;
      draw.Numbers = {static_cast<uint8_t>(i + 4), static_cast<uint8_t>(i + 3), static_cast<uint8_t>(i + 2),
                      static_cast<uint8_t>(i + 1), static_cast<uint8_t>(i)};
      draw.Date = "01.02.2020 21:00";
      main.Archive.Append(draw);
    }
  }
  static TComb CombOfDraw(int i) {
    return {static_cast<uint8_t>(i), static_cast<uint8_t>(i + 1), static_cast<uint8_t>(i + 2),
            static_cast<uint8_t>(i + 3), static_cast<uint8_t>(i + 4)};
  }
};

TEST_F(CombsCommands, GenerateFromTheDialogSavesTheDefaultsAndLeavesNoUndo) {
  main.Generate = {1, "7"};
  SetList({{1, 2, 3, 4, 5}});
  main.Combs.History.Append("Последние тиражи", "1", 1, THistoryIcon::Exclude);
  main.Combs.TakeUndoCopy();
  main.CombsBufferStore(0, 5);

  host.generateInputs.push_back({2, "1,2,3,4,5,6", true});
  main.CombsGenExecute();
  ASSERT_EQ(host.generatePrefills.size(), 1u);
  EXPECT_EQ(host.generatePrefills[0].Mode, 1);
  EXPECT_EQ(host.generatePrefills[0].Parameters, "7");
  EXPECT_FALSE(host.generatePrefills[0].SaveAsDefault);

  EXPECT_EQ(main.Combs.CombsList.Count(), 6);  // C(6, 5)
  EXPECT_EQ(main.StatusText(PanelCombs), "Комбинаций: 6");
  EXPECT_TRUE(StatusShown("6:Генерация возможных комбинаций..."));
  EXPECT_FALSE(main.CombsUndoUpdate());
  EXPECT_TRUE(main.Combs.History.Rows().empty());
  EXPECT_EQ(main.Combs.BufferKey(), (TBufferKey{-1, -1}));
  EXPECT_EQ(main.StatusText(PanelOperation), "");
  EXPECT_TRUE(host.Errors().empty());

  TIniFile ini(dir.File(ConfigFileName));
  EXPECT_EQ(ini.ReadInteger("GLOBAL", "CombsGenerateMode", -1), 2);
  EXPECT_EQ(ini.ReadString("GLOBAL", "CombsGenerateParameters", ""), "1,2,3,4,5,6");

  // Without the check box the saved parameters stay; a cancelled dialog changes nothing.
  host.generateInputs.push_back({0, "", false});
  main.CombsGenExecute();
  EXPECT_EQ(main.Combs.CombsList.Count(), 2118760);
  EXPECT_EQ(main.Generate.Mode, 2);
  main.CombsGenExecute();
  EXPECT_EQ(main.Combs.CombsList.Count(), 2118760);
}

TEST_F(CombsCommands, GenerateFromAFileReadsItOrReportsIt) {
  test::WriteBytes(dir.File("my.lcv"), "1;2;3;4;5\r\n1;2;3\r\n6;7;8;9;10\r\n");
  EXPECT_TRUE(main.CombsGenerate({4, dir.File("my.lcv")}, true));
  EXPECT_EQ(List(), (std::vector<TComb>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));

  EXPECT_FALSE(main.CombsGenerate({4, dir.File("none.lcv")}, true));
  ASSERT_EQ(host.Errors().size(), 1u);
  EXPECT_EQ(host.Errors()[0].rfind("Ошибка чтения файла \"" + dir.File("none.lcv") + "\"!\r\rNo such file", 0), 0u);
  EXPECT_EQ(main.Combs.CombsList.Count(), 0);
  EXPECT_EQ(main.StatusText(PanelCombs), "Комбинаций: 0");
}

TEST_F(CombsCommands, OpenReplacesTheListAndAFailedOpenKeepsIt) {
  SetList({{9, 8, 7, 6, 5}});
  main.Combs.History.Append("Выделенные комбинации", "1", 1, THistoryIcon::Exclude);
  test::WriteBytes(dir.File("a.lcv"), "bad line\r\n1;2;3;4\r\n11;12;13;14;15\r\n");
  host.files.push_back(dir.File("a.lcv"));
  main.CombsOpenExecute();
  EXPECT_EQ(List(), (std::vector<TComb>{{11, 12, 13, 14, 15}}));
  EXPECT_TRUE(StatusShown("6:Загрузка файла \"" + dir.File("a.lcv") + "\"..."));
  EXPECT_FALSE(main.CombsUndoUpdate());
  EXPECT_TRUE(main.Combs.History.Rows().empty());

  main.Combs.History.Append("Выделенные комбинации", "1", 1, THistoryIcon::Exclude);
  EXPECT_FALSE(main.CombsOpenFile(dir.Path()));
  ASSERT_EQ(host.Errors().size(), 1u);
  EXPECT_EQ(host.Errors()[0].rfind("Ошибка чтения файла \"" + dir.Path() + "\"!\r\r", 0), 0u);
  EXPECT_EQ(List(), (std::vector<TComb>{{11, 12, 13, 14, 15}}));
  EXPECT_FALSE(main.CombsUndoUpdate());
  EXPECT_TRUE(main.Combs.History.Rows().empty());
  EXPECT_EQ(main.StatusText(PanelOperation), "");
}

TEST_F(CombsCommands, SaveWritesTheListOrReportsTheFailure) {
  EXPECT_FALSE(main.CombsSaveUpdate());
  SetList({{1, 12, 23, 34, 45}});
  EXPECT_TRUE(main.CombsSaveUpdate());
  host.files.push_back(dir.File("out.lcv"));
  main.CombsSaveExecute();
  EXPECT_EQ(test::ReadBytes(dir.File("out.lcv")), "1;12;23;34;45\r\n");
  EXPECT_TRUE(StatusShown("6:Сохранение файла \"" + dir.File("out.lcv") + "\"..."));

  const std::string bad = dir.File("missing/out.lcv");
  EXPECT_FALSE(main.CombsSaveFile(bad));
  ASSERT_EQ(host.Errors().size(), 1u);
  EXPECT_EQ(host.Errors()[0].rfind("Ошибка записи в файл \"" + bad + "\"!\r\r", 0), 0u);
}

TEST_F(CombsCommands, CopyAndPasteTheClipboardText) {
  SetList({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}});
  main.CombsSelection.Select(2, 2);
  main.CombsSelection.Select(0, 0);
  main.CombsCopyExecute();
  EXPECT_EQ(host.clipboard, "01 02 03 04 05\r\n11 12 13 14 15\r\n");
  EXPECT_TRUE(StatusShown("6:Подождите пожалуйста..."));

  main.Combs.History.Append("Последние тиражи", "2", 3, THistoryIcon::Exclude);
  host.clipboard = "20 21 22 23 24\n25,26,27,28,29";
  EXPECT_TRUE(main.CombsPasteUpdate());
  main.CombsPasteExecute();
  EXPECT_EQ(List(), (std::vector<TComb>{{20, 21, 22, 23, 24}, {25, 26, 27, 28, 29}}));
  EXPECT_TRUE(main.Combs.History.Rows().empty());
  EXPECT_FALSE(main.CombsUndoUpdate());
  EXPECT_EQ(main.StatusText(PanelCombs), "Комбинаций: 2");
}

TEST_F(CombsCommands, AFailedPasteRestoresTheListAndKeepsTheHistory) {
  SetList({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
  main.Combs.History.Append("Последние тиражи", "2", 2, THistoryIcon::Exclude);
  host.clipboard = "20 21 22 23 24\r\n\r\n25 26 27 28 29\r\n";
  main.CombsPasteExecute();
  EXPECT_EQ(host.Errors(), (std::vector<std::string>{"Некорректная комбинация: \"\"!"}));
  EXPECT_EQ(List(), (std::vector<TComb>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
  EXPECT_EQ(main.Combs.History.Rows().size(), 1u);
  EXPECT_FALSE(main.CombsUndoUpdate());

  // No text: nothing to paste; an empty text has no lines and changes nothing.
  host.clipboard.reset();
  EXPECT_FALSE(main.CombsPasteUpdate());
  host.clipboard = "";
  main.CombsPasteExecute();
  EXPECT_EQ(List().size(), 2u);
  EXPECT_EQ(main.Combs.History.Rows().size(), 1u);
}

TEST_F(CombsCommands, SelectAllAndDistinctNumbers) {
  EXPECT_FALSE(main.CombsSelectAllUpdate());
  main.CombsCheckNumsExecute();
  SetList({{1, 2, 3, 4, 5}, {5, 6, 7, 8, 9}, {1, 2, 3, 4, 5}});
  main.CombsSelectAllExecute();
  EXPECT_EQ(main.CombsSelection.Count(), 3);
  main.CombsCheckNumsExecute();
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0], (test::Message{"info", "В текущем списке комбинаций содержится 0 уникальных номеров", "Информация"}));
  EXPECT_EQ(host.messages[1].text, "В текущем списке комбинаций содержится 9 уникальных номеров");
}

TEST_F(CombsCommands, FindInDrawsListsAtMost26NewestFirst) {
  for (int i = 1; i <= 30; ++i) {
    TDrawRec draw;
    draw.Number = i;
    draw.Numbers = {5, 4, 3, 2, static_cast<uint8_t>(i % 2 ? 1 : 50)};
    draw.Extra = 3;
    draw.Date = "01.02.2020 21:00";
    main.Archive.Append(draw);
  }
  main.SetDrawsOffset(10);  // the offset does not limit the scan
  SetList({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {50, 2, 3, 4, 5}});
  EXPECT_FALSE(main.CombsFindInDrawsUpdate());

  main.CombsSelection.Select(1, 1);
  EXPECT_TRUE(main.CombsFindInDrawsUpdate());
  main.CombsFindInDrawsExecute();
  EXPECT_EQ(host.messages.back().text, "Выделенная комбинация не найдена архиве тиражей!");

  main.CombsSelection.Clear();
  main.CombsSelection.Select(2, 0);  // the first selected row is row 0
  main.CombsFindInDrawsExecute();
  std::string expected = "Выделенная комбинация найдена в следующих тиражах:\r";
  for (int i = 29; i >= 1; i -= 2) expected += "\rТираж № " + std::to_string(i) + " от 01.02.2020 21:00, значения: 5;4;3;2;1 e:3";
  EXPECT_EQ(host.messages.back().text, expected);
  EXPECT_TRUE(StatusShown("6:Поиск по архиву тиражей..."));

  for (int i = 31; i <= 60; ++i) {
    TDrawRec draw = main.Archive.At(0);
    draw.Number = i;
    main.Archive.Append(draw);
  }
  main.CombsFindInDrawsExecute();
  const std::string& text = host.messages.back().text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2 + 25);
  EXPECT_NE(text.find("\rТираж № 60 "), std::string::npos);
}

TEST_F(CombsCommands, RemoveLastDrawsAtTheOffsetWithProgressAndHistory) {
  AddDraws(10);
  std::vector<TComb> combs;
  for (int i = 1; i <= 10; ++i) combs.push_back(CombOfDraw(i));
  combs.push_back({1, 2, 3, 4, 6});
  SetList(combs);
  EXPECT_FALSE(main.CombsDelExistsUpdate());  // no draws to exclude yet
  main.View.DrawsExclude = 1;
  EXPECT_TRUE(main.CombsDelExistsUpdate());

  main.SetDrawsOffset(3);
  main.CombsDelExistsExecute();
  combs.erase(combs.begin() + 6);  // draw 7, three places before the newest
  EXPECT_EQ(List(), combs);
  EXPECT_EQ(main.Combs.History.Rows().back(), (THistoryRow{"Последние тиражи", "1", 10, THistoryIcon::Exclude}));
  EXPECT_TRUE(StatusShown("6:Создание файла отката..."));
  EXPECT_TRUE(StatusShown("6:Удаление из списка комбинаций 1 последних тиражей..."));
  EXPECT_TRUE(StatusShown("6:Удаление из списка комбинаций 1 последних тиражей ( завершено 100 % )..."));
  EXPECT_EQ(main.StatusText(PanelCombs), "Комбинаций: 10");
  EXPECT_EQ(main.StatusText(PanelOperation), "");

  // More than the visible draws: every visible one.
  main.View.DrawsExclude = 100;
  main.CombsDelExistsExecute();
  EXPECT_EQ(List(), (std::vector<TComb>{CombOfDraw(8), CombOfDraw(9), CombOfDraw(10), {1, 2, 3, 4, 6}}));

  // Undo brings back the list before the last removal and drops its history row.
  main.CombsUndoExecute();
  EXPECT_EQ(List().size(), 10u);
  EXPECT_EQ(main.Combs.History.Rows().size(), 1u);
  EXPECT_FALSE(main.CombsUndoUpdate());
}

TEST_F(CombsCommands, RemoveSelectedRowsThenUndoBringsThemBack) {
  std::vector<TComb> combs;
  for (int i = 1; i <= 6; ++i) combs.push_back(CombOfDraw(i));
  SetList(combs);
  EXPECT_FALSE(main.CombsDelSelectedUpdate());
  main.CombsSelection.Select(1, 2);
  main.CombsSelection.Select(4, 4);
  EXPECT_TRUE(main.CombsDelSelectedUpdate());
  main.CombsDelSelectedExecute();
  EXPECT_EQ(List(), (std::vector<TComb>{combs[0], combs[3], combs[5]}));
  EXPECT_TRUE(main.CombsSelection.Empty());
  EXPECT_EQ(main.Combs.History.Rows(),
            (std::vector<THistoryRow>{{"Выделенные комбинации", "3", 3, THistoryIcon::Exclude}}));
  EXPECT_TRUE(StatusShown("6:Удаление выделенных комбинаций..."));

  ASSERT_TRUE(main.CombsUndoUpdate());
  main.CombsUndoExecute();
  EXPECT_EQ(List(), combs);
  EXPECT_TRUE(main.Combs.History.Rows().empty());
  EXPECT_TRUE(StatusShown("6:Отмена изменений..."));
  EXPECT_EQ(main.StatusText(PanelCombs), "Комбинаций: 6");
  EXPECT_FALSE(main.CombsUndoUpdate());
}

TEST_F(CombsCommands, BufferStoreAndLoadShowTheirStatus) {
  SetList({{1, 2, 3, 4, 5}});
  main.CombsBufferStore(2, 10);
  EXPECT_TRUE(StatusShown("6:Создание буфера комбинаций..."));
  SetList({});
  EXPECT_FALSE(main.CombsBufferLoad(2, 11));
  EXPECT_TRUE(main.CombsBufferLoad(2, 10));
  EXPECT_TRUE(StatusShown("6:Загрузка буфера комбинаций..."));
  EXPECT_EQ(main.StatusText(PanelCombs), "Комбинаций: 1");
  main.CombsBufferInvalidate();
  EXPECT_FALSE(main.CombsBufferLoad(2, 10));
}

TEST_F(CombsCommands, InfoShowsTheFirstSelectedCombination) {
  SetList({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
  main.Config.MatrixCols = 7;
  EXPECT_FALSE(main.CombsInfoUpdate());
  main.CombsSelection.Select(1, 1);
  main.CombsInfoExecute();
  ASSERT_EQ(host.detailViews.size(), 1u);
  EXPECT_EQ(host.detailViews[0].Numbers, (TComb{6, 7, 8, 9, 10}));
  EXPECT_EQ(host.detailViews[0].MatrixCols, 7);
}

// The statistics table of NUMS over draws 1..12 and a list of the 56 combinations of 1..8.
class CombsFilters : public CombsCommands {
 protected:
  CombsFilters() {
    AddDraws(12);
    main.InitStatistics();
    main.StatPage.Kinds.SelectEntry(main.Stats.FindCode("NUMS"));
    main.StatPage.WindowLength = 10;
    main.StatCalculate(true);
    main.CombsGenerate({2, "1,2,3,4,5,6,7,8"}, true);
  }
  // Selects the table rows of the values, in row order; returns their values text.
  std::string SelectValues(const std::vector<std::string>& values) {
    std::string text;
    main.StatSelection.clear();
    const auto& rows = main.StatPage.Table.Rows;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      if (std::find(values.begin(), values.end(), rows[row].Cells[ColValue]) == values.end()) continue;
      main.StatSelection.push_back(row);
      text += (text.empty() ? "" : "; ") + rows[row].Cells[ColValue];
    }
    return text;
  }
  static bool Has(const TComb& comb, int number) { return std::count(comb.begin(), comb.end(), number) > 0; }
};

TEST_F(CombsFilters, KeepOrRemoveTheSelectedValuesThenUndo) {
  ASSERT_EQ(main.Combs.CombsList.Count(), 56);
  EXPECT_FALSE(main.StatFilter_IncludeUpdate());
  const std::string values = SelectValues({"7", "8"});
  ASSERT_EQ(main.StatSelection.size(), 2u);
  ASSERT_TRUE(main.StatFilter_IncludeUpdate());
  const std::string caption = main.StatPage.Kinds.Items[main.StatPage.Kinds.ItemIndex].Text;

  main.StatFilter_IncludeExecute();
  const std::vector<TComb> kept = List();
  ASSERT_EQ(kept.size(), 50u);  // all but the C(6, 5) without 7 and 8
  EXPECT_TRUE(std::all_of(kept.begin(), kept.end(), [](const TComb& c) { return Has(c, 7) || Has(c, 8); }));
  EXPECT_EQ(kept.front(), (TComb{1, 2, 3, 4, 7}));  // the list keeps its order
  EXPECT_EQ(kept.back(), (TComb{4, 5, 6, 7, 8}));
  EXPECT_EQ(main.Combs.History.Rows(), (std::vector<THistoryRow>{{caption, values, 50, THistoryIcon::Include}}));
  EXPECT_TRUE(StatusShown("6:Фильтрация комбинаций..."));
  EXPECT_EQ(main.StatusText(PanelCombs), "Комбинаций: 50");
  EXPECT_EQ(main.StatusText(PanelOperation), "");

  // Undo brings the list back and takes the row away; a second undo is not offered.
  main.CombsUndoExecute();
  EXPECT_EQ(main.Combs.CombsList.Count(), 56);
  EXPECT_TRUE(main.Combs.History.Rows().empty());
  EXPECT_FALSE(main.CombsUndoUpdate());

  // A rebuilt method list selects its first kind without a new table: the rows selected
  // before are no selection of that kind's values.
  host.answers.push_back(true);
  main.StatAllMethodsExecute();
  EXPECT_FALSE(main.StatFilter_ExcludeUpdate());
  main.StatPage.Kinds.SelectEntry(main.Stats.FindCode("NUMS"));
  SelectValues({"7", "8"});

  main.StatFilter_ExcludeExecute();
  const std::vector<TComb> left = List();
  ASSERT_EQ(left.size(), 6u);
  EXPECT_TRUE(std::none_of(left.begin(), left.end(), [](const TComb& c) { return Has(c, 7) || Has(c, 8); }));
  EXPECT_EQ(main.Combs.History.Rows().back().Icon, THistoryIcon::Exclude);
  EXPECT_TRUE(host.Errors().empty());
}

TEST_F(CombsFilters, NoValueOrAnEmptyUndoCopy) {
  std::unique_ptr<TCustomStat> nums = main.Stats.CreateStat(main.Stats.FindCode("NUMS"));
  TStatDrawArray seven;
  TStatDrawRec rec;
  rec.Key1 = 7;
  seven.push_back(rec);

  // No selected value (a scenario may ask for that): the list stays, no row.
  ASSERT_TRUE(main.CombsTakeUndoCopy(false));
  EXPECT_TRUE(main.CombsFilter(*nums, TStatDrawArray(), TFilterMode::Include, "x", ""));
  EXPECT_EQ(main.Combs.CombsList.Count(), 56);
  EXPECT_TRUE(main.Combs.History.Rows().empty());

  // An empty undo copy empties the list and adds no row.
  main.Combs.CombsUndoList.Clear();
  EXPECT_TRUE(main.CombsFilter(*nums, seven, TFilterMode::Include, "x", "7"));
  EXPECT_EQ(main.Combs.CombsList.Count(), 0);
  EXPECT_TRUE(main.Combs.History.Rows().empty());
  SelectValues({"7"});
  EXPECT_FALSE(main.StatFilter_IncludeUpdate());  // the list is empty
}

TEST_F(CombsFilters, ByNumbersOfTheCardSchemaAndWeekdayViews) {
  // "[12], 7" gives 12 and 7; only 7 lies in the list's numbers.
  main.CombsFilterNumbers(TFilterMode::Include, "Схема", [] { return SchemaSelectionNumbers({{"[12], 7", ""}}); });
  EXPECT_EQ(main.Combs.CombsList.Count(), 35);  // C(7, 4)
  EXPECT_EQ(main.Combs.History.Rows(), (std::vector<THistoryRow>{{"Схема", "12; 7", 35, THistoryIcon::Include}}));

  main.CombsFilterNumbers(TFilterMode::Exclude, "Неделя", [] { return WeekSelectionNumbers({1, 2}); });
  EXPECT_EQ(main.Combs.CombsList.Count(), 5);  // 7 with four of 3..6 and 8
  EXPECT_EQ(main.Combs.History.Rows().back(), (THistoryRow{"Неделя", "1; 2", 5, THistoryIcon::Exclude}));

  // Only empty cells: the message, and neither the list nor the undo state changes.
  main.CombsFilterNumbers(TFilterMode::Include, "Карта", [] { return CardSelectionNumbers({{"", ""}}); });
  EXPECT_EQ(host.Errors(), std::vector<std::string>{EmptySelectionMessage});
  EXPECT_EQ(main.Combs.CombsList.Count(), 5);
  EXPECT_EQ(main.Combs.CombsUndoList.Count(), 35);
  EXPECT_EQ(main.Combs.History.Rows().size(), 2u);
}

TEST_F(CombsFilters, InfoListsTheListedGraphMethods) {
  main.CombsSelection.Select(0, 0);  // 1 2 3 4 5
  main.Stats.ApplyFavorites("NUMS,SUMS,EVEN");
  main.CombsInfoExecute();
  ASSERT_EQ(host.detailViews.size(), 1u);
  const std::vector<TDetailsProperty>& properties = host.detailViews[0].Properties;
  std::vector<std::string> captions;
  for (const TDetailsProperty& p : properties) captions.push_back(p.Caption);
  // Only the graph methods among the favourites, in registry order.
  ASSERT_EQ(properties.size(), 2u) << testing::PrintToString(captions);
  EXPECT_EQ(properties[1], (TDetailsProperty{"Сумма тиража: все значения", "15"}));
}

}  // namespace
}  // namespace kavrin
