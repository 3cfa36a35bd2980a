#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "app/templatemain.h"
#include "core/cp1251.h"
#include "core/fileio.h"
#include "stakes/stakelog.h"
#include "stakes/systemplay.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

constexpr char NoExclusiveAccess[] = "Невозможно получить монопольный доступ к файлам данных!";

class StakesCommands : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(main.StakesOpenAtStart());
    main.Config.Cost = TCurrency::FromAmount(100);
    main.Config.Profits = {{2, TCurrency::FromAmount(50)}, {3, TCurrency::FromAmount(500)}};
    host.messages.clear();
  }
  // Draws first..last; draw i holds i, i+1, i+2, i+3, i+4 in drawn order i+4, i, ...
  void AddDraws(int first, int last) {
    for (int i = first; i <= last; ++i) {
      TDrawRec draw;
      draw.Number = i;
      draw.Numbers = {static_cast<uint8_t>(i + 4), static_cast<uint8_t>(i), static_cast<uint8_t>(i + 1),
                      static_cast<uint8_t>(i + 2), static_cast<uint8_t>(i + 3)};
      main.Archive.Append(draw);
    }
  }
  void SetList(const std::vector<TComb>& combs) {
    main.Combs.CombsList.Clear();
    for (const TComb& comb : combs) main.Combs.CombsList.Append(comb);
  }
  std::vector<TStakeData> Records() {
    std::vector<TStakeData> records;
    main.Stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
      records.push_back(stake);
      return true;
    });
    return records;
  }
  std::vector<int> RecordDraws() {
    std::vector<int> draws;
    for (const TStakeData& stake : Records()) draws.push_back(stake.DrawNumber);
    return draws;
  }
  bool Shown(const std::string& kind, const std::string& text) const {
    return std::find(host.messages.begin(), host.messages.end(), test::Message{kind, text, kind == "error" ? "Ошибка" : "Информация"}) !=
           host.messages.end();
  }
  TStakeData Manual(std::vector<uint8_t> numbers, const std::string& comment = ManualStakeComment) {
    TNumberSet set;
    set.Count = static_cast<int32_t>(numbers.size());
    std::copy(numbers.begin(), numbers.end(), set.Numbers.begin());
    return main.NewStake(StakeManual, set, comment);
  }

  test::TempDir dir;
  test::FakeHost host;
  TTemplateMain main{host, dir.Path()};
};

TEST_F(StakesCommands, AnEmptyFileShowsNoStakes) {
  EXPECT_EQ(main.StatusText(PanelStakes), "Ставок: 0");
  EXPECT_FALSE(main.StakesCheck());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(main.StakesCheckManualUpdate());
  EXPECT_TRUE(main.StakeAddUpdate());
}

TEST(StakesStartUp, AnObsoleteFileIsEmptiedAfterTheWarning) {
  std::string old(640, '\0');
  old[0] = 1;
  for (const std::string& bytes : {old, std::string(330, '\1'), std::string(10, '\2')}) {
    test::TempDir dir;
    test::WriteBytes(dir.File(StakesFileName), bytes);
    test::FakeHost host;
    TTemplateMain main(host, dir.Path());
    EXPECT_TRUE(main.StakesOpenAtStart());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              (test::Message{"warning",
                             "Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!",
                             "Внимание!"}));
    EXPECT_EQ(test::ReadBytes(dir.File(StakesFileName)).size(), 0u);
    EXPECT_EQ(main.StatusText(PanelStakes), "Ставок: 0");
  }
}

TEST(StakesStartUp, ATornLastRecordIsCutOffAndTheWholeRecordsKept) {
  std::string bytes(2 * 320 + 17, '\0');
  bytes[0] = 2;
  bytes[320] = 2;
  bytes[4] = 77;  // draw number of the first stake
  test::TempDir dir;
  test::WriteBytes(dir.File(StakesFileName), bytes);
  test::FakeHost host;
  TTemplateMain main(host, dir.Path());
  EXPECT_TRUE(main.StakesOpenAtStart());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], (test::Message{"warning", "Последняя запись файла ставок повреждена и будет удалена!",
                                             "Внимание!"}));
  EXPECT_EQ(test::ReadBytes(dir.File(StakesFileName)), bytes.substr(0, 640));
  EXPECT_EQ(main.StatusText(PanelStakes), "Ставок: 2");
}

TEST_F(StakesCommands, ASecondInstanceOnTheSameFolderIsRefused) {
  test::FakeHost secondHost;
  TTemplateMain second(secondHost, dir.Path());
  EXPECT_FALSE(second.StakesOpenAtStart());
  std::vector<std::string> errors = secondHost.Errors();
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].rfind("Ошибка чтения файла ставок!\r\r", 0), 0u) << errors[0];
  EXPECT_EQ(errors[1].rfind(NoExclusiveAccess, 0), 0u);
  EXPECT_NE(errors[1].find("c:\\Program Files.\r\rПрограмма будет закрыта!"), std::string::npos);

  AddDraws(1, 1);
  EXPECT_TRUE(main.StakesAddOne(Manual({1, 2, 3, 4, 5}), 1));
  EXPECT_EQ(main.Stakes.Count(), 1);
}

TEST_F(StakesCommands, AStakeIsCheckedOnceItsDrawArrivesAndFeedsRatingAndLog) {
  AddDraws(1499, 1499);
  main.View.StakesLogEnabled = true;
  TStakeData six = Manual({6, 5, 4, 3, 2, 1});
  EXPECT_EQ(six.DrawNumber, 1500);
  EXPECT_EQ(six.Profit, TCurrency::FromAmount(-600));
  EXPECT_EQ(six.Selection, 0);
  ASSERT_TRUE(main.StakesAddOne(six, 1));
  EXPECT_FALSE(Records()[0].Checked);
  EXPECT_EQ(main.StakesSelection, std::vector<int64_t>{0});
  EXPECT_EQ(main.StatusText(PanelStakes), "Ставок: 1");
  EXPECT_TRUE(main.Ratings.empty());

  TDrawRec draw;
  draw.Number = 1500;
  draw.Numbers = {3, 9, 1, 40, 2};
  main.Archive.Append(draw);
  EXPECT_TRUE(main.StakesCheckAndCommit());
  TStakeData checked = Records()[0];
  EXPECT_TRUE(checked.Checked);
  EXPECT_EQ(NumberSetToText(checked.Overlaps, " "), "1 2 3");
  EXPECT_EQ(checked.Profit, TCurrency::FromAmount(-100));
  ASSERT_EQ(main.Ratings.size(), 1u);
  EXPECT_EQ(main.Ratings[0].Key, ManualStakeComment);
  EXPECT_EQ(main.Ratings[0].Counts[3], 1);
  EXPECT_EQ(main.StatusText(PanelRating), "Рейтинг: 1");
  EXPECT_EQ(test::ReadBytes(dir.File(RatingFileName)).size(), RatingRecordSize);
  const std::string log = test::ReadBytes(dir.File("Kavrin_5x50-3.log"));
  EXPECT_NE(log.find(Utf8ToCp1251(": Тираж № 1500. Ставка: \"Ставка \"вручную\"\" [1;2;3;4;5;6] {0}. Результаты тиража: "
                                  "[3;9;1;40;2]. Совпадений: 3. Профит: -100.00.\r\n")),
            std::string::npos);
  EXPECT_TRUE(host.Errors().empty());

  main.View.StakesLogEnabled = false;
  main.StakesAddOne(Manual({40, 2, 11, 7, 30}), 1);
  main.Archive.Append([] {
    TDrawRec next;
    next.Number = 1501;
    next.Numbers = {40, 2, 11, 7, 30};
    return next;
  }());
  EXPECT_TRUE(main.StakesCheckAndCommit());
  EXPECT_FALSE(FileExists(dir.File("Kavrin_5x50-5.log")));
}

TEST_F(StakesCommands, StakesForSelectedCombinationsFollowSeparatorsPerDraw) {
  AddDraws(1, 9);
  main.StakesAppend(Manual({1, 2, 3, 4, 5}), 1);  // the file ends with a stake for draw 10
  SetList({{1, 2, 3, 4, 5}, {11, 12, 13, 14, 15}, {21, 22, 23, 24, 25}, {31, 32, 33, 34, 35}});
  main.CombsSelection.Select(0, 1);
  main.CombsSelection.Select(3, 3);
  host.multiStakeInputs.push_back({20, "", "", 2});  // refused: no comment
  host.multiStakeInputs.push_back({20, "", "Мультиставка", 2});
  main.StakeAddSelectedExecute();
  ASSERT_EQ(host.multiStakePrefills.size(), 1u);
  EXPECT_EQ(host.multiStakePrefills[0].DrawNumber, 10);
  EXPECT_EQ(host.multiStakePrefills[0].Comment, "Ставка \"вручную\"");
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Необходимо ввести комментарий!"});
  EXPECT_EQ(RecordDraws(), (std::vector<int>{10, -1, 20, -1, 21, -1, 20, -1, 21, -1, 20, -1, 21}));
  std::vector<TStakeData> records = Records();
  EXPECT_EQ(NumberSetToText(records[8].Numbers, ";"), "11;12;13;14;15");
  EXPECT_EQ(records[12].Comment, "Мультиставка");
  EXPECT_EQ(records[12].Selection, 4);
  EXPECT_TRUE(main.CombsSelection.Empty());
  EXPECT_EQ(main.StakesSelection, std::vector<int64_t>{12});
  EXPECT_EQ(main.StatusText(PanelOperation), "");
  EXPECT_FALSE(main.Busy());
}

TEST_F(StakesCommands, TheStakeDialogMakesTheStakeForSeveralDraws) {
  AddDraws(1, 5);
  SetList({{5, 11, 25, 40, 49}, {1, 2, 3, 4, 5}});
  main.CombsSelection.Select(1, 1);
  host.stakeInputs.push_back({6, "1;2;3", "x", 1});  // refused
  host.stakeInputs.push_back({6, "1;2;3;4;5;6", "Моя", 2});
  main.StakeAddExecute();
  ASSERT_EQ(host.stakePrefills.size(), 1u);
  EXPECT_EQ(host.stakePrefills[0].NumbersText, "1;2;3;4;5");
  EXPECT_EQ(host.stakePrefills[0].DrawNumber, 6);
  EXPECT_EQ(RecordDraws(), (std::vector<int>{6, -1, 7}));
  EXPECT_EQ(Records()[0].Profit, TCurrency::FromAmount(-600));
  EXPECT_FALSE(Records()[0].Checked) << "draw 6 is not in the archive";
}

TEST_F(StakesCommands, ScenarioStakesWithNewOnlySkipWhatIsAlreadyStaked) {
  AddDraws(1, 3);
  std::vector<std::string> log, status;
  TTemplateMain::TScenarioStakes scenario{"Сценарий 1", true, [&](const std::string& line) { log.push_back(line); },
                                          [&](const std::string& text) { status.push_back(text); }};
  const TNumberSet numbers{5, {9, 7, 5, 3, 1}};
  EXPECT_TRUE(main.StakesAddFromScenario(numbers, true, scenario));
  EXPECT_FALSE(main.StakesAddFromScenario(numbers, true, scenario));
  scenario.NewOnly = false;
  EXPECT_TRUE(main.StakesAddFromScenario(numbers, false, scenario));
  EXPECT_EQ(log, (std::vector<std::string>{
                     "{+} Ставка на тираж 4 добавлена в список ставок: [1;3;5;7;9]",
                     "{-} Ставка на тираж 4 не добавлена, так как уже имеется в списке ставок: [1;3;5;7;9]",
                     "{+} Ставка на тираж 4 добавлена в список ставок: [1;3;5;7;9]"}));
  EXPECT_EQ(scenario.Made, 2);
  EXPECT_EQ(status.front(), "Ставок: 1");
  EXPECT_EQ(status.back(), "Ставок: 2");
  EXPECT_EQ(Records()[0].Kind, StakeScenario);
  EXPECT_EQ(Records()[0].Comment, "Сценарий 1");

  main.StakesStartBatch();
  main.StakesStartBatch();
  EXPECT_EQ(RecordDraws(), (std::vector<int>{4, 4, -1}));
}

TEST_F(StakesCommands, DeletingRowsAsksFirstAndRatingSurvivesUntilRebuilt) {
  AddDraws(1, 3);
  for (int draw = 1; draw <= 4; ++draw) {
    TStakeData stake = Manual({1, 2, 3, 4, 5});
    stake.DrawNumber = draw;
    main.StakesAppend(stake, 1);
  }
  main.StakesCheckAndCommit();
  ASSERT_EQ(main.Ratings[0].Stakes, 3);
  main.StakesSelection = {1, 2};
  host.answers = {false};
  main.StakeDelExecute();
  EXPECT_EQ(RecordDraws(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(host.messages.back(), (test::Message{"question",
                                                 "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?",
                                                 "Предупреждение"}));
  main.StakesSelection = {1, 2};
  host.answers = {true};
  main.StakeDelExecute();
  EXPECT_EQ(RecordDraws(), (std::vector<int>{1, 4}));
  EXPECT_EQ(main.StatusText(PanelStakes), "Ставок: 2");
  EXPECT_EQ(main.Ratings[0].Stakes, 3);

  TStakeData fifth = Manual({1, 2, 3, 4, 5});
  fifth.DrawNumber = 5;
  main.StakesAppend(fifth, 1);
  main.StakesSelection = {2, 0};  // rows apart, in any order
  host.answers = {true};
  main.StakeDelExecute();
  EXPECT_EQ(RecordDraws(), (std::vector<int>{4}));
  EXPECT_TRUE(main.StakesSelection.empty());

  host.answers = {true, false};  // delete all: yes; rebuild: no
  main.StakeClearExecute();
  EXPECT_EQ(main.Stakes.Count(), 0);
  EXPECT_EQ(host.messages[host.messages.size() - 2].text, "Удалить выделенную запись?");
  EXPECT_EQ(host.messages.back().text,
            "Пересчитать рейтинг только по текущим ставкам?\r\rНакопленные ранее данные по удаленным ставкам будут "
            "потеряны.");
  ASSERT_EQ(main.Ratings.size(), 1u);
  EXPECT_EQ(main.Ratings[0].Stakes, 3);

  main.RatingsRefreshExecute();  // the default answer is Yes
  EXPECT_TRUE(main.Ratings.empty());
  EXPECT_EQ(test::ReadBytes(dir.File(RatingFileName)).size(), 0u);
}

TEST_F(StakesCommands, DeletionByConditionRemovesUncheckedAndFewOverlaps) {
  AddDraws(1, 3);
  for (TComb comb : std::vector<TComb>{{3, 4, 5, 6, 7}, {1, 2, 3, 40, 41}, {1, 40, 41, 42, 43}}) {
    TStakeData stake = main.NewStake(StakeManual, CombToNumberSet(comb), "c");
    stake.DrawNumber = 3;  // draw 3 holds 3..7
    main.StakesAppend(stake, 1);
  }
  main.StakesStartBatch();
  main.StakesAppend(Manual({1, 2, 3, 4, 5}), 1);  // for draw 4: unchecked
  main.StakesCheckAndCommit();
  host.conditionInputs.push_back({3, 2});
  main.StakeFilterExecute();
  std::vector<int> left;
  for (const TStakeData& stake : Records()) left.push_back(stake.OverlapCount());
  EXPECT_EQ(left, (std::vector<int>{5, -1}));  // the stake with 5 and the separator
  EXPECT_EQ(Records()[1].Kind, StakeSeparator);
}

TEST_F(StakesCommands, StakeLogsAreDeletedOnRequest) {
  main.LogStakesDeleteExecute();
  EXPECT_EQ(host.messages.back(), (test::Message{"info", "Файлы журналов не найдены!", "Информация"}));
  test::WriteBytes(dir.File("Kavrin_5x50-1.log"), "x");
  test::WriteBytes(dir.File("Kavrin_5x50-4.log"), "y");
  main.LogStakesDeleteExecute();
  EXPECT_EQ(host.messages.back().kind, "info");
  EXPECT_EQ(host.messages.back().text, "Удалено файлов журналов: 2 из 2.\r\rKavrin_5x50-1.log\rKavrin_5x50-4.log");
  EXPECT_FALSE(FileExists(dir.File("Kavrin_5x50-1.log")));
}

TEST_F(StakesCommands, RatingLoadsSortedAndExportsCsv) {
  TRatingsArray rows(3);
  for (int i = 0; i < 3; ++i) rows[i] = {"r" + std::to_string(i), 1, i, {}, TCurrency::FromAmount(i)};
  WriteRatingsFile(dir.File(RatingFileName), rows);
  main.RatingsLoad();
  ASSERT_EQ(main.Ratings.size(), 3u);
  EXPECT_EQ(main.Ratings[0].Key, "r2");  // column 3 descending
  EXPECT_EQ(main.StatusText(PanelRating), "Рейтинг: 3");
  host.files.push_back(dir.File("rating.csv"));
  main.RatingsExportExecute();
  const std::string csv = test::ReadBytes(dir.File("rating.csv"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
  EXPECT_EQ(main.RatingsRowText(3)[0], "# bad data #");

  main.RatingsSort(0, 0);
  EXPECT_EQ(main.Ratings[0].Key, "r0");
  TRatingsArray saved;
  ReadRatingsFile(dir.File(RatingFileName), saved);
  EXPECT_EQ(saved, main.Ratings);
  main.RatingsEffModeExecute(2);
  EXPECT_TRUE(main.RatingsEffModeChecked(2));
}

TEST_F(StakesCommands, StakeGraphsNeedTwoCheckedDrawsAndASelectedRow) {
  AddDraws(1, 3);
  main.StakesAppend(Manual({1, 2, 3, 4, 5}), 1);
  main.StakesGraphDrawsExecute();
  ASSERT_EQ(host.graphs.size(), 1u);
  EXPECT_EQ(host.graphs[0].Series[0].Points[0].Y, -100);  // unchecked: its price

  TStakeData early = Manual({3, 4, 5, 6, 7});
  early.DrawNumber = 3;
  main.StakesAppend(early, 1);
  main.StakesCheckAndCommit();
  main.RatingsSelection = {0};
  main.StakesGraphProfitsExecute();
  EXPECT_EQ(host.Errors().back(), GraphTooFewDrawsMessage);
  EXPECT_EQ(host.graphs.size(), 1u);

  early.DrawNumber = 2;
  main.StakesAppend(early, 1);
  main.StakesCheckAndCommit();
  main.StakesGraphOverlapExecute();
  ASSERT_EQ(host.graphs.size(), 2u);
  EXPECT_EQ(host.graphs[1].Caption, "График количества совпадений для всех ставок по тиражам");
  ASSERT_EQ(host.graphs[1].Series.size(), 1u);
  EXPECT_EQ(host.graphs[1].Series[0].Points.size(), 2u);

  main.RatingsGraphOverlapExecute();
  EXPECT_EQ(host.graphs.back().Series.size(), 2u);
}

TEST_F(StakesCommands, RegularStakeTestStakesEachRuleForEachDrawAndRestoresTheOffset) {
  AddDraws(1, 12);
  main.SetDrawsOffset(1);
  main.Tables = {{"Первый", 0, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, 1, 0}, {"Второй", 1, {}, {}, -1, 0},
                 {"Третий", 0, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, 1, 0}};
  main.TablesSelection = {1, 0};
  host.numberInputs.push_back(10);
  main.TablesStakeTestExecute();
  std::vector<TStakeData> records = Records();
  ASSERT_EQ(records.size(), 20u);
  EXPECT_TRUE(std::all_of(records.begin(), records.end(), [](const TStakeData& s) { return s.Checked && s.Kind == StakeRegular; }));
  EXPECT_EQ(records[0].DrawNumber, 3);  // offset 10 of 12 draws: the draw after draw 2
  EXPECT_EQ(records[0].Comment, "Первый");
  EXPECT_EQ(NumberSetToText(records[0].Numbers, ";"), "2;3;4;5;6");
  EXPECT_EQ(records[1].Comment, "Второй");
  EXPECT_EQ(NumberSetToText(records[1].Numbers, ";"), "1;2;3;4;5") << "draw 2 shifted by -1";
  EXPECT_EQ(records[19].DrawNumber, 12);
  EXPECT_EQ(main.Tables[0].Stakes, 10);
  EXPECT_EQ(main.Tables[0].Current, (TComb{11, 12, 13, 14, 15}));
  EXPECT_EQ(main.Tables[2].Stakes, 0);
  EXPECT_EQ(main.DrawsOffset(), 1);
  EXPECT_FALSE(main.RefreshSuspended);
  ASSERT_EQ(main.Ratings.size(), 2u);
  EXPECT_EQ(main.Ratings[0].Stakes + main.Ratings[1].Stakes, 20);
  TTableStakesArray saved;
  ReadTablesFile(dir.File(TablesFileName), saved);
  EXPECT_EQ(saved, main.Tables);
  EXPECT_EQ(host.Errors(), std::vector<std::string>{});
}

TEST_F(StakesCommands, RegularStakeDialogAddsRulesAndStakesByThem) {
  AddDraws(1, 5);
  SetList({{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}, {3, 4, 5, 6, 7}, {4, 5, 6, 7, 8}, {5, 6, 7, 8, 9}, {6, 7, 8, 9, 10},
           {7, 8, 9, 10, 11}, {8, 9, 10, 11, 12}, {9, 10, 11, 12, 13}, {10, 11, 12, 13, 14}, {11, 12, 13, 14, 15},
           {12, 13, 14, 15, 16}});
  for (int row : {3, 8, 11}) main.CombsSelection.Select(row, row);
  host.regularInputs.push_back({"Тест", 0, "{...Выделенные комбинации...}", 2});
  main.TablesAddExecute();
  ASSERT_EQ(main.Tables.size(), 3u);
  EXPECT_EQ(host.regularPrefills[0].Comment, "Регулярная ставка");
  EXPECT_EQ(main.Tables[1].Comment, "Тест (9)");
  EXPECT_EQ(main.Tables[1].Start, (TComb{9, 10, 11, 12, 13}));
  host.regularInputs.push_back({"тест (9)", 0, "", 2});  // a name in use is refused
  main.TablesAddExecute();
  EXPECT_EQ(main.Tables.size(), 3u);
  EXPECT_EQ(host.Errors().back(), DuplicateRegularMessage);

  main.TablesSelection = {2};
  main.TablesStakeAddExecute();  // the stake dialog is cancelled
  EXPECT_EQ(main.Tables[2].Stakes, 0);
  EXPECT_EQ(main.Stakes.Count(), 0);
  host.stakeInputs.push_back({6, "14;15;16;17;18", "Тест (12)", 1});
  main.TablesStakeAddExecute();
  EXPECT_EQ(main.Tables[2].Current, (TComb{14, 15, 16, 17, 18}));
  EXPECT_EQ(main.Tables[2].Stakes, 1);
  EXPECT_EQ(Records()[0].Kind, StakeRegular);
  EXPECT_EQ(host.stakePrefills.back().NumbersText, "14;15;16;17;18");

  main.TablesSelection = {0, 2};
  host.answers = {true};
  main.TablesDelExecute();
  ASSERT_EQ(main.Tables.size(), 1u);
  EXPECT_EQ(main.Tables[0].Comment, "Тест (9)");
  TTableStakesArray saved;
  ReadTablesFile(dir.File(TablesFileName), saved);
  EXPECT_EQ(saved, main.Tables);
}

TEST_F(StakesCommands, SystemPlayMapsTheSystemForTheListsNumbers) {
  AddDraws(1, 5);
  // Nine distinct numbers in order of first appearance: 7, 3, 44, 20, 15, 8, 31, 2, 19.
  SetList({{7, 3, 44, 20, 15}, {8, 31, 2, 19, 7}, {3, 7, 19, 20, 44}});
  ASSERT_EQ(::mkdir(dir.File(SystemsFolderName).c_str(), 0755), 0);
  test::WriteBytes(dir.File("Systems/5-10-0_0003.dat"), "01 02 03 04 05\r\n");
  main.SystemStakeAllExecute();
  EXPECT_EQ(host.Errors().back(),
            "Система для 9 чисел не найдена или не загружена на компьютер!\r\rПеред системной игрой необходимо "
            "предварительно загрузить системы на Ваш компьютер через меню \"Системы\" - \"Загрузить\".");
  EXPECT_TRUE(host.multiStakePrefills.empty());

  test::WriteBytes(dir.File("Systems/5-09-2_0011.dat"), "01 02 03 04 09\r\n01 02 06 07 08\r\n");
  main.StakesAppend(Manual({1, 2, 3, 4, 5}), 1);
  host.multiStakeInputs.push_back({6, "", "Система", 1});
  main.SystemStakeFilterExecute();
  EXPECT_EQ(host.multiStakePrefills.back().Comment, "Системная игра для 9 чисел [комбинации]: 5-09-2_0011");
  std::vector<TStakeData> records = Records();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1].Kind, StakeSeparator);
  EXPECT_EQ(NumberSetToText(records[2].Numbers, ";"), "3;7;19;20;44");
  EXPECT_EQ(records[2].Selection, 3);

  host.multiStakeInputs.push_back({7, "", "Вся", 1});
  main.SystemStakeAllExecute();
  records = Records();
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[5].Kind, StakeSystem);
  EXPECT_EQ(records[5].Selection, 2);
  EXPECT_EQ(NumberSetToText(records[5].Numbers, ";"), "2;3;7;8;31");
}

}  // namespace
}  // namespace kavrin
