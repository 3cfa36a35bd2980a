#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/templatemain.h"
#include "combs/generate.h"
#include "core/cp1251.h"
#include "scenarios/runlog.h"
#include "stakes/systemplay.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

// Lets a test act whenever the run hands the window its events, as the stop command does.
class EventHost : public test::FakeHost {
 public:
  std::function<void()> onEvents;
  void ProcessEvents() override {
    FakeHost::ProcessEvents();
    if (onEvents) onEvents();
  }
};

// Draws 1..6; over all six the numbers count 1:5, 2:5, 3:4, 4:4, 5:3, 6:3, 8:3, 7:2, 9:1, so the
// statistics table sorted by count descending starts 2, 1, 4, 3, 8, 6, 5, 7, 9, then 50 .. 10.
// The start list is every combination of 1..8 (56), from a list file.
class ScenarioRun : public testing::Test {
 protected:
  void SetUp() override {
    const TComb draws[] = {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 5, 7},
                           {1, 2, 4, 6, 8}, {1, 3, 5, 7, 8}, {2, 4, 6, 8, 9}};
    for (int i = 0; i < 6; ++i) {
      TDrawRec draw;
      draw.Number = i + 1;
      draw.Numbers = draws[i];
      main.Archive.Append(draw);
    }
    main.InitStatistics();
    ASSERT_TRUE(main.StakesOpenAtStart());
    TCombList all;
    EnumerateCombs(2, MyNumbersFromText("1;2;3;4;5;6;7;8"), all);
    StartList(all.Combs());
    host.messages.clear();
  }
  void StartList(std::span<const TComb> combs) {
    std::string text;
    for (const TComb& comb : combs) text += CombToText(comb) + "\r\n";
    test::WriteBytes(dir.File("start.lcv"), text);
    main.Generate = {GenerateModeFile, dir.File("start.lcv")};
  }
  void Run(std::vector<std::string> lines) {
    main.ScriptLines = std::move(lines);
    main.ScriptRunExecute();
  }
  std::vector<std::string> List() const {
    std::vector<std::string> list;
    for (const TComb& comb : main.Combs.CombsList.Combs())
      list.push_back(NumberSetToText(CombToNumberSet(comb), " "));
    return list;
  }
  std::vector<TStakeData> Records() {
    std::vector<TStakeData> records;
    main.Stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
      records.push_back(stake);
      return true;
    });
    return records;
  }
  std::vector<TStakeData> StakesMade() {
    std::vector<TStakeData> stakes = Records();
    std::erase_if(stakes, [](const TStakeData& s) { return s.DrawNumber <= 0; });
    return stakes;
  }
  static std::string Numbers(const TStakeData& stake) { return NumberSetToText(stake.Numbers, " "); }
  // The run ended and left the program idle.
  void ExpectIdle() {
    EXPECT_FALSE(main.Busy());
    EXPECT_FALSE(main.ScriptRunState.Running);
    EXPECT_FALSE(main.ScriptRunState.StopRequested);
    EXPECT_EQ(main.ScriptRunState.Cycle, 0);
  }

  test::TempDir dir;
  EventHost host;
  TTemplateMain main{host, dir.Path()};
};

using Lines = std::vector<std::string>;

TEST_F(ScenarioRun, SingleSelectionStopModes) {
  struct Case {
    const char* filter;
    Lines list;
    size_t count;
  };
  const Lines fromThreeToEight = {"3 4 5 6 7", "3 4 5 6 8", "3 4 5 7 8", "3 4 6 7 8", "3 5 6 7 8", "4 5 6 7 8"};
  const Case cases[] = {
      {"TSD1#NUMS:6#CMV:5#SF:1", fromThreeToEight, 6},  // 2 and 1 removed
      {"TSD1#NUMS:6#LNO:#SC:30", {}, 21},                // stops once 21 <= 30 remain
      {"TSD1#NUMS:6#LNO:#SE:7", {}, 21},                 // stops at 7 distinct numbers
      {"TSD1#NUMS:6#LNO:#SV:4", fromThreeToEight, 6},    // stops on the first count of 4
      {"TSD1#NUMS:6#LNO:#SP:15", fromThreeToEight, 6},   // 16.67 %, 16.67 %, then 13.33 %
      {"TSD1#NUMS:6#LNO:#ST:1", {}, 21},
      // Every further step empties the list and is rolled back.
      {"TSD1#NUMS:6#LNO:#SF:1", {"3 5 6 7 8"}, 1},
      {"BSD1#NUMS:6#CMV:1#SF:1", {"1 2 3 4 8"}, 1},     // 9, 7, 5, 6 removed from the bottom up
      {"TSF1#NUMS:6#LNO:#SZ:1", {"1 2 3 4 8"}, 1},      // kept 2, 1, 4, 3, 8; 6 would empty it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    Run({std::string("FULL:0#NONE|") + c.filter + "| | | | | | |"});
    EXPECT_EQ(main.Combs.CombsList.Count(), static_cast<int32_t>(c.count));
    if (!c.list.empty()) {
      EXPECT_EQ(List(), c.list);
    }
    EXPECT_TRUE(host.messages.empty());
    ExpectIdle();
  }
}

TEST_F(ScenarioRun, EmptyingStepsAreUndoneAndSzEndsTheWalk) {
  Run({"FULL:0#NONE|TSD1#NUMS:6#LNO:#SZ:1| | | | | | |"});
  EXPECT_EQ(List(), (Lines{"3 5 6 7 8"}));
  const std::vector<THistoryRow>& rows = main.Combs.History.Rows();
  ASSERT_EQ(rows.size(), 5u);  // 2, 1, 4, then 3 emptying the list and its undo
  EXPECT_EQ(rows[0].Values, "2");
  EXPECT_EQ(rows[0].Count, 21);
  EXPECT_EQ(rows[3].Count, 0);
  EXPECT_EQ(rows[4], (THistoryRow{HistoryUndoCaption, "", 1, THistoryIcon::Undo}));

  Run({"FULL:0#NONE|TSD1#NUMS:6#LNO:#SF:1| | | | | | |"});
  EXPECT_EQ(List(), (Lines{"3 5 6 7 8"}));
  EXPECT_GT(main.Combs.History.Rows().size(), 5u);

  // With one combination left the next filter is not applied.
  Run({"FULL:0#NONE|TSD1#NUMS:6#LNO:#SZ:1|TMD1#NUMS:6#CMV:5#SF:1| | | | | |"});
  EXPECT_EQ(main.Combs.History.Rows().size(), 5u);
}

TEST_F(ScenarioRun, MultiSelectionFiltersOnce) {
  Run({"FULL:0#NONE|TMD1#NUMS:6#CMV:5#SF:1| | | | | | |"});
  EXPECT_EQ(main.Combs.CombsList.Count(), 6);
  ASSERT_EQ(main.Combs.History.Rows().size(), 1u);
  EXPECT_EQ(main.Combs.History.Rows()[0].Values, "2; 1");

  Run({"FULL:0#NONE|TMD1#NUMS:6#LNO:#ST:2| | | | | | |"});  // rows 2 and 1 walked
  EXPECT_EQ(main.Combs.CombsList.Count(), 6);

  // No row passes: the list stays whole, also when keeping.
  Run({"FULL:0#NONE|TMF1#NUMS:6#CMV:9#SF:1| | | | | | |"});
  EXPECT_EQ(main.Combs.CombsList.Count(), 56);
  EXPECT_TRUE(main.Combs.History.Rows().empty());

  // Keeping only values no combination has empties the list: rolled back.
  Run({"FULL:0#NONE|TMF1#NUMS:6#CLV:0#SF:1| | | | | | |"});
  EXPECT_EQ(main.Combs.CombsList.Count(), 56);
  ASSERT_EQ(main.Combs.History.Rows().size(), 2u);
  EXPECT_EQ(main.Combs.History.Rows()[1].Caption, HistoryUndoCaption);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ScenarioRun, StakeModes) {
  const std::string filter = "|TMD1#NUMS:6#CMV:5#SF:1| | | | | | |note";  // leaves the six of 3..8
  struct Case {
    const char* mode;
    size_t stakes;
    std::string first;
  };
  const Case cases[] = {{"FIRST", 1, "3 4 5 6 7"}, {"LAST", 1, "4 5 6 7 8"}, {"ALL", 6, "3 4 5 6 7"},
                        {"EXT", 1, "3 4 5 6 7 8"}, {"RAND", 1, ""},          {"NONE", 0, ""},
                        {"SKIP", 0, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    const size_t before = StakesMade().size();
    Run({std::string("FULL:0#") + c.mode + filter});
    const std::vector<TStakeData> stakes = StakesMade();
    ASSERT_EQ(stakes.size() - before, c.stakes);
    if (c.stakes == 0) continue;
    const TStakeData& stake = stakes[before];
    if (!c.first.empty()) {
      EXPECT_EQ(Numbers(stake), c.first);
    }
    EXPECT_EQ(stake.Kind, StakeScenario);
    EXPECT_EQ(stake.DrawNumber, 7);
    EXPECT_EQ(stake.Selection, 6);
    EXPECT_EQ(stake.Comment, std::string("01.001: note @ FULL#") + c.mode + " + TMD#NUMS:6#CMV:5#SF:1");
    EXPECT_EQ(main.ScriptRunState.Stakes.Made, static_cast<int>(c.stakes));
    EXPECT_EQ(main.ScriptRunState.Status.Stakes, Format("Ставок: %d", {c.stakes}));
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ScenarioRun, StopModeStopsUnlessOneCombinationIsLeft) {
  Run({"FULL:0#STOP|TMD1#NUMS:6#CMV:5#SF:1| | | | | | |", "FULL:0#FIRST"});
  EXPECT_TRUE(StakesMade().empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            (test::Message{"warning",
                           "Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их "
                           "осталось более одной: 6!\r\rФильтры: 01.001: @ FULL#STOP + TMD#NUMS:6#CMV:5#SF:1",
                           "Внимание!"}));
  ExpectIdle();

  Run({"FULL:0#STOP|TSD1#NUMS:6#LNO:#SF:1| | | | | | |", "FULL:0#SKIP|TSD1#NUMS:6#LNO:#SF:1| | | | | | |"});
  const std::vector<TStakeData> stakes = StakesMade();
  ASSERT_EQ(stakes.size(), 2u);  // one combination left: both modes stake it
  EXPECT_EQ(Numbers(stakes[0]), "3 5 6 7 8");
  EXPECT_EQ(stakes[1].Comment, "02.001: @ FULL#SKIP + TSD#NUMS:6#LNO:#SF:1");
}

TEST_F(ScenarioRun, ChainedLinesAndLinesWithoutFilters) {
  Run({"FULL:0#NONE|TMD1#NUMS:6#CMV:5#SF:1| | | | | | |", "", "CURR:0#ALL"});
  const std::vector<TStakeData> stakes = StakesMade();
  ASSERT_EQ(stakes.size(), 6u);
  EXPECT_EQ(stakes[0].Comment, "03.000: @ CURR#ALL");

  Run({"EXCL:2#NONE"});  // draw 5 (1 3 5 7 8) is among the last two
  EXPECT_EQ(main.Combs.CombsList.Count(), 55);
  EXPECT_FALSE(main.Combs.CombsList.Contains({1, 3, 5, 7, 8}));
}

TEST_F(ScenarioRun, NewOnlySkipsStakesAlreadyMade) {
  Run({"FULL:0#FIRST#NEX"});
  Run({"FULL:0#FIRST#NEX"});
  EXPECT_EQ(StakesMade().size(), 1u);
  Run({"FULL:0#FIRST"});
  EXPECT_EQ(StakesMade().size(), 2u);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ScenarioRun, SystemPlay) {
  const TComb list[] = {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {2, 3, 4, 5, 6}};
  StartList(list);
  std::filesystem::create_directory(dir.File(SystemsFolderName));
  test::WriteBytes(dir.File(std::string(SystemsFolderName) + "/" + SystemFileName(6, 0, 1)),
                   "01 02 03 04 05\r\n01 02 03 05 06\r\n02 03 04 05 06\r\n");
  Run({"FULL:0#SYSA"});
  EXPECT_EQ(StakesMade().size(), 3u);
  Run({"FULL:0#SYSC"});
  const std::vector<TStakeData> stakes = StakesMade();
  ASSERT_EQ(stakes.size(), 5u);
  EXPECT_EQ(Numbers(stakes[3]), "1 2 3 4 5");
  EXPECT_EQ(Numbers(stakes[4]), "2 3 4 5 6");

  // No system for 7 numbers: its message, no stakes, and the run goes on.
  const TComb seven[] = {{1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}};
  StartList(seven);
  Run({"FULL:0#SYSA", "FULL:0#FIRST"});
  EXPECT_EQ(StakesMade().size(), 6u);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, Format(SystemNotFoundMessage, {7}));
}

TEST_F(ScenarioRun, TestRunsTheOffsetsOldestFirstAndRestoresState) {
  const TStatWeights weights = main.Config.Weights;
  std::vector<int> offsets;
  host.onEvents = [&] {
    if (offsets.empty() || offsets.back() != main.DrawsOffset()) offsets.push_back(main.DrawsOffset());
  };
  main.ScriptLines = {"FULL:0#FIRST|TMD1#NUMS:3#CMV:2#SF:1#2:1:0.5:1:0| | | | | | |"};
  main.ScriptTestRun(3);
  EXPECT_EQ(offsets, (std::vector<int>{0, 3, 2, 1, 0}));
  EXPECT_EQ(main.DrawsOffset(), 0);
  EXPECT_EQ(main.Config.Weights, weights);
  std::vector<int> draws;
  for (const TStakeData& stake : StakesMade()) {
    draws.push_back(stake.DrawNumber);
    EXPECT_TRUE(stake.Checked);
  }
  EXPECT_EQ(draws, (std::vector<int>{4, 5, 6}));
  ASSERT_EQ(main.Ratings.size(), 1u);
  EXPECT_EQ(main.Ratings[0].Stakes, 3);
  ExpectIdle();
}

TEST_F(ScenarioRun, StoppingATestKeepsTheOffsetOfTheInterruptedPass) {
  main.ScriptLines = {"FULL:0#FIRST"};
  host.onEvents = [&] {
    if (main.ScriptRunState.Cycle == 2 && main.DrawsOffset() == 2 && main.ScriptStopUpdate())
      main.ScriptStopExecute();
  };
  main.ScriptTestRun(3);
  EXPECT_EQ(main.DrawsOffset(), 2);
  EXPECT_EQ(host.messages.back(), (test::Message{"question", "Остановить выполнение сценария?", "Подтверждение"}));
  EXPECT_EQ(StakesMade().size(), 1u);
  ExpectIdle();
  EXPECT_TRUE(main.ScriptRunUpdate());
}

TEST_F(ScenarioRun, ClearStakesKeepsOnlyTheLastVariantsStakesButRatesAll) {
  main.ScriptLines = {"FULL:0#FIRST#CLR|TMD1#NUMS:4,5#CMV:3#SF:1| | | | | | |"};
  main.ScriptTestRun(1);
  const std::vector<TStakeData> records = Records();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Comment.substr(0, 7), "01.002:");
  ASSERT_EQ(main.Ratings.size(), 2u);

  // Checked once per pass, the first variant's stake is gone before it could be rated.
  main.View.StakesCheckOnLine = false;
  main.ScriptTestRun(1);
  int rated = 0;
  for (const TRatingData& row : main.Ratings) rated += row.Stakes;
  EXPECT_EQ(rated, 3);
  EXPECT_EQ(Records().size(), 1u);
}

TEST_F(ScenarioRun, FailuresEndTheRunCleanly) {
  struct Case {
    const char* line;
    std::string error;
  };
  const Case cases[] = {
      // An unknown code leaves the draws text unread.
      {"FULL:0#FIRST|TSD1#XXXX:6#LNO:#SF:1| | | | | | |", "Некорректное описание фильтра: TSD1#XXXX:6#LNO:#SF:1!"},
      {"FULL:0#FIRST|TSD1#NUMS:x#LNO:#SF:1| | | | | | |", "Некорректное описание фильтра: TSD1#NUMS:x#LNO:#SF:1!"},
      {"FULL:0#FIRST|TMD1#NUMS:6#LDV:1,2#SF:1| | | | | | |",
       "Значение \"-\" в списке статистики не является числом!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    host.messages.clear();
    Run({c.line, "FULL:0#FIRST"});
    EXPECT_TRUE(StakesMade().empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, "error");
    EXPECT_EQ(host.messages[0].text, c.error);
    ExpectIdle();
  }
}

TEST_F(ScenarioRun, MethodOutsideTheFavouritesIsNotFound) {
  main.Stats.ApplyFavorites("SUMS");
  main.Stats.FillKindLists(main.StatPage.Kinds, main.GraphKinds, false);
  Run({"FULL:0#FIRST|TSD1#NUMS:6#LNO:#SF:1| | | | | | |"});
  const TStatMethod& nums = main.Stats.Items(main.Stats.FindCode("NUMS"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Метод расчета статистики \"NUMS\" на найден!\r" + nums.CaptionWithFormula() +
                                       "\r\rВозможно, Вы отключили данных метод расчета либо использовали сценарий "
                                       "от другой модификации программы.");
  EXPECT_TRUE(StakesMade().empty());
}

TEST_F(ScenarioRun, RunLog) {
  main.View.ScriptLogEnabled = true;
  main.ScriptLog.Clock = [] { return EncodeDateTime(2024, 3, 5, 21, 7, 44); };
  Run({"FULL:0#FIRST"});
  const std::string prefix = "[2024-03-05 21:07:44]: ";
  const std::string rule(94, '-'), doubleRule(94, '=');
  const Lines expected = {
      "### ЗАПУСК СЦЕНАРИЯ ##########################################################################",
      doubleRule,
      "=== Выполнение сценария для смещения 000000 ==================================================",
      doubleRule,
      rule,
      "Выполнение строки 001: \"FULL:0#FIRST\"",
      rule,
      "Создание всех вариантов фильтров...",
      "Создано 0 вариантов фильтров.",
      "{ERROR} Фильтры не применялись!",
      "",
      "Создание начального списка комбинаций...",
      "Количество комбинаций в списке: 56",
      "{*} Добавление ставки, режим: \"Выбрать первую комбинацию в списке\"",
      "{+} Ставка на тираж 7 добавлена в список ставок: [1;2;3;4;5]",
      "### ЗАВЕРШЕНИЕ СЦЕНАРИЯ ######################################################################",
  };
  std::string text;
  for (const std::string& line : expected) text += prefix + line + "\r\n";
  EXPECT_EQ(Cp1251ToUtf8(test::ReadBytes(dir.File(ScriptLogName(EncodeDateTime(2024, 3, 5, 21, 7, 44))))), text);
}

TEST_F(ScenarioRun, RunLogOfFilterSteps) {
  main.View.ScriptLogEnabled = true;
  main.ScriptLog.Clock = [] { return EncodeDateTime(2024, 3, 5, 21, 7, 44); };
  Run({"FULL:0#NONE|TSD1#NUMS:6#LNO:#SZ:1| | | | | | |"});
  const std::string log = Cp1251ToUtf8(test::ReadBytes(dir.File(ScriptLogName(EncodeDateTime(2024, 3, 5, 21, 7, 44)))));
  for (const char* line :
       {"Применение набора фильтров 001: \"TSD#NUMS:6#LNO:#SZ:1\"\r\n",
        "Анализ тиражей и расчет статистики \"{ num } Числа тиража [ N ]\" для выборки в 6 тиражей...\r\n",
        ": < [2] кол-во: 5 (16.66667 %), отклонение: - (- %), глубина: 1 (",
        ": Шаг 001. Выделение строки: < [2] кол-во: 5 (16.66667 %)", ": Удаляем выделенные значения...\r\n",
        ": Шаг 004. Выделение строки: < [3]", ": Количество комбинаций в списке: 0\r\n",
        ": {UNDO} Откат изменений...\r\n", ": {*} Добавление ставки, режим: \"Не делать ставок (для последовательного "
        "выполнения)\"\r\n"})
    EXPECT_NE(log.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace kavrin
