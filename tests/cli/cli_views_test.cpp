#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "core/inifile.h"
#include "core/viewsettings.h"

namespace kavrin::test {
namespace {

class CliViews : public ::testing::Test {
 protected:
  CliViews() {
    TDrawArchive archive(dir.File(ArchiveFileName));
    // Wednesday, Thursday, Friday; 103 shares 11 and 49 with 102, which shares 21 with 101.
    const std::vector<std::pair<TComb, std::string>> draws = {{{10, 21, 30, 40, 50}, "01.01.2020 21:00"},
                                                              {{11, 21, 31, 41, 49}, "02.01.2020 21:00"},
                                                              {{11, 13, 33, 44, 49}, "03.01.2020 21:00"}};
    for (const auto& [numbers, date] : draws) {
      TDrawRec draw;
      draw.Number = 101 + archive.Count();
      draw.Numbers = numbers;
      draw.Extra = static_cast<uint8_t>(archive.Count() + 1);
      draw.Date = date;
      archive.Append(draw);
    }
    archive.Save();
  }
  std::vector<std::string> Lines(std::vector<std::string> args) {
    const CliRun run = RunCliIn(dir, std::move(args));
    EXPECT_EQ(run.status, 0) << run.err;
    return OutputLines(run.out);
  }
  // A grid line: the cells given by column, the others empty.
  static std::string GridLine(int columns, const std::map<int, std::string>& cells) {
    std::string line;
    for (int c = 0; c < columns; ++c) {
      if (c > 0) line += '\t';
      if (auto cell = cells.find(c); cell != cells.end()) line += cell->second;
    }
    return line;
  }
  TempDir dir;
};

TEST_F(CliViews, CardRowsNewestFirst) {
  const std::vector<std::string> lines = Lines({"view", "card", "--limit", "1"});
  ASSERT_EQ(lines.size(), 2u);
  std::map<int, std::string> header = {{51, "E"}};
  for (int n = 1; n <= 50; ++n) header[n] = std::to_string(n);
  EXPECT_EQ(lines[0], GridLine(52, header));
  EXPECT_EQ(lines[1],
            GridLine(52, {{0, "103"}, {11, "11"}, {13, "13"}, {33, "33"}, {44, "44"}, {49, "49"}, {51, "3"}}));
  EXPECT_EQ(Lines({"view", "card"}).size(), 4u);
}

TEST_F(CliViews, SchemaAndComparisonLists) {
  // One offset step back: the numbers of the hidden draw 103 are bracketed.
  EXPECT_EQ(Lines({"view", "schema", "--depth", "1", "--offset", "1"}),
            (std::vector<std::string>{"\t102", "1\t[11], 21, 31, 41, [49]"}));
  const std::vector<std::string> lines = Lines({"view", "compare", "--depth", "1", "--depth", "3"});
  ASSERT_EQ(lines.size(), 10u);  // header, 1 row of list 1, 2 rows of each of lists 2 to 5
  EXPECT_EQ(lines[0], "Список\tТиражи\tКол-во\tЧисла");
  EXPECT_EQ(lines[1], "1\t103 - 103\t1\t11, 13, 33, 44, 49");
  EXPECT_EQ(lines[2], "2\t101 - 103\t2\t11, 49, 21");
  EXPECT_EQ(lines[3], "2\t101 - 103\t1\t13, 33, 44, 31, 41, 10, 30, 40, 50");
  // Lists 3 to 5 take the stored depths (20, 50 and 100 by default).
  EXPECT_EQ(lines[9], "5\t101 - 103\t1\t13, 33, 44, 31, 41, 10, 30, 40, 50");
  const std::vector<std::string> tooMany = {"view", "compare", "--depth", "1", "--depth", "1", "--depth", "1",
                                            "--depth", "1", "--depth", "1", "--depth", "1"};
  EXPECT_EQ(RunCliIn(dir, tooMany).status, ExitBadArguments);
}

TEST_F(CliViews, WeekGrid) {
  const std::vector<std::string> lines = Lines({"view", "week", "--depth", "1"});
  ASSERT_EQ(lines.size(), 8u);
  std::map<int, std::string> header;
  for (int n = 1; n <= 50; ++n) header[n] = std::to_string(n);
  EXPECT_EQ(lines[0], GridLine(51, header));
  EXPECT_EQ(lines[1], GridLine(51, {{0, "Пн"}}));
  EXPECT_EQ(lines[5], GridLine(51, {{0, "Пт"}, {11, "1"}, {13, "1"}, {33, "1"}, {44, "1"}, {49, "1"}}));
  EXPECT_EQ(lines[7], GridLine(51, {{0, "Вс"}}));
  // The window ends at the offset: Wednesday and Thursday.
  const std::vector<std::string> back = Lines({"view", "week", "--offset", "1"});
  EXPECT_EQ(back[3], GridLine(51, {{0, "Ср"}, {10, "1"}, {21, "1"}, {30, "1"}, {40, "1"}, {50, "1"}}));
  EXPECT_EQ(back[5], GridLine(51, {{0, "Пт"}}));
}

TEST_F(CliViews, GraphOfAGraphMethod) {
  EXPECT_EQ(Lines({"--decimal-separator", ",", "view", "graph", "SUMS", "--depth", "2"}),
            (std::vector<std::string>{"Тираж\tЗначение\tСреднее значение\tНаиболее часто встречающееся значение",
                                      "102\t153\t151,5000\t153", "103\t150\t151,5000\t153"}));
  EXPECT_EQ(Lines({"view", "graph", "SUMS", "--offset", "2"}),
            (std::vector<std::string>{"Тираж\tЗначение\tСреднее значение\tНаиболее часто встречающееся значение",
                                      "101\t151\t151.0000\t151"}));
  EXPECT_EQ(RunCliIn(dir, {"view", "graph", "NUMS"}).status, ExitBadArguments);
  EXPECT_EQ(RunCliIn(dir, {"view", "graph", "NOPE"}).status, ExitBadArguments);
  EXPECT_EQ(RunCliIn(dir, {"view", "graph"}).status, ExitBadArguments);
}

TEST_F(CliViews, SumsAndRanges) {
  const std::vector<std::string> lines = Lines({"view", "sums"});
  ASSERT_EQ(lines.size(), 227u);
  EXPECT_EQ(lines[0], "Сумма\tКомбинаций\tТиражей");
  EXPECT_EQ(lines[1], "15\t1\t0");
  // Counted by enumerating all combinations.
  EXPECT_EQ(lines[136], "150\t20931\t1");
  EXPECT_EQ(lines[139], "153\t19546\t1");
  EXPECT_EQ(lines[226], "240\t1\t0");
  EXPECT_EQ(Lines({"view", "sums", "--ranges"}),
            (std::vector<std::string>{"Диапазон 1 (от 1/3 и выше по оси Y) - суммы 80-175",
                                      "Диапазон 2 (от 1/2 и выше по оси Y) - суммы 90-165",
                                      "Диапазон 3 (от 2/3 и выше по оси Y) - суммы 99-156"}));
}

TEST_F(CliViews, RepeatsWithTheStoredParameters) {
  const std::string header = "Тираж\tСовпадений\tКол-во повторов\tСписок тиражей";
  EXPECT_EQ(Lines({"view", "repeats"}), (std::vector<std::string>{header, "103\t2\t1\t102", "102\t1\t1\t101"}));
  {
    TIniFile ini(dir.File(ViewSettingsFileName));
    ini.WriteInteger("TFormRepeats", "DrawsLength", 1);
    ini.UpdateFile();
  }
  EXPECT_EQ(Lines({"view", "repeats", "--deep", "1"}), (std::vector<std::string>{header, "103\t2\t1\t102"}));
  EXPECT_EQ(Lines({"view", "repeats", "--length", "2"}),
            (std::vector<std::string>{header, "103\t2\t1\t102", "102\t1\t1\t101"}));
  EXPECT_EQ(RunCliIn(dir, {"view", "repeats", "--deep", "0"}).status, ExitBadArguments);
  EXPECT_EQ(RunCliIn(dir, {"view"}).status, ExitBadArguments);
}

}  // namespace
}  // namespace kavrin::test
