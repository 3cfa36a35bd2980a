#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "core/archive.h"
#include "core/cp1251.h"
#include "core/fileio.h"
#include "core/viewsettings.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

// Over the twelve draws of the statistics tests.
class CliStats : public ::testing::Test {
 protected:
  CliStats() { test::WriteTwelveDraws(dir); }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliIn(dir, std::move(args)); }
  static std::vector<std::string> Lines(const std::string& text) { return test::OutputLines(text); }
  test::TempDir dir;
};

TEST_F(CliStats, MethodsListsTheRegistry) {
  CliRun run = Cli({"methods"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 219u);
  EXPECT_EQ(lines[0], "#\tCode\tGroup\tFlags\tCaption");
  EXPECT_EQ(lines[1], "0\tNUMS\tnum\tN\tЧисла тиража");
  EXPECT_EQ(lines[10], "9\tSUM1\tsum\tNG\tСумма тиража: диапазон 1 (1/3)");
  EXPECT_EQ(lines[24], "23\tCHAN\tgrp\tN\tКаналы");
  EXPECT_EQ(lines[112], "111\tPOE1\tnum\tG\tExtra (Bonus, Star...) - число (!без фильтра!)");
  EXPECT_EQ(lines[218], "217\tSHR3\tshr\tSNG\tМетод шинковки 3: (n1+n2)/(n3+n4+n5)");

  // Captions the user gave in the favourites file are the ones listed.
  test::WriteBytes(dir.File(FavoritesFileName), Utf8ToCp1251("[FILTERS]\r\nFavorites=DIGS\r\n[STRINGS_RUS]\r\nDIGS=Мои цифры\r\n"));
  lines = Lines(Cli({"methods"}).out);
  ASSERT_EQ(lines.size(), 219u);
  EXPECT_EQ(lines[2], "1\tDIGS\tnum\tN\tМои цифры");
}

TEST_F(CliStats, StatsPrintsTheTable) {
  CliRun run = Cli({"stats", "NUMS", "--window", "10"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 51u);
  EXPECT_EQ(lines[0],
            "Значение\tКоличество\tКол-во в %\tНорма\tОтклонение\tОткл-ие в %\tГлубина\tГлубина в %\tВес\t"
            "Посл. тираж\tПериод min\tПериод\tПериод max\tОжд. ПРД\tОжд. СТФ\tОжд. КРН\tФакт\t+/- ПРД\t+/- СТФ\t+/- КРН");
  EXPECT_EQ(lines[1], "1\t0\t0.00000\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-");
  EXPECT_EQ(lines[50], "50\t10\t20.00000\t-\t-\t-\t1\t10.00\t1.00\t12\t1\t1.0000\t1\t13\t13\t14\t-\t-\t-\t-");
  EXPECT_FALSE(FileExists(dir.File(FavoritesFileName)));

  CliRun back = Cli({"--decimal-separator", ",", "stats", "nums", "--window", "10", "--offset", "2", "--sort",
                     "Значение:desc"});
  ASSERT_EQ(back.status, 0) << back.err;
  lines = Lines(back.out);
  EXPECT_EQ(lines[1], "50\t10\t20,00000\t-\t-\t-\t1\t10,00\t1,00\t10\t1\t1,0000\t1\t11\t11\t12\t11\t0\t0\t+1");
  EXPECT_EQ(lines[50].substr(0, 2), "1\t");
}

TEST_F(CliStats, ValueOfACombinationAtTheOffset) {
  CliRun sum = Cli({"value", "SUMS", "--comb", "1 2 3 4 5"});
  ASSERT_EQ(sum.status, 0) << sum.err;
  EXPECT_EQ(sum.out, "15\n");
  // Against draw 10 (sum 10 + 20 + 30 + 40 + 50 = 150) at offset 2.
  EXPECT_EQ(Cli({"value", "SUMC", "--comb", "10 20 30 40 45", "--offset", "2"}).out, "-5\n");
  EXPECT_EQ(Cli({"value", "SUMT", "--comb", "10 20 30 40 45", "--offset", "2"}).out, "-1\n");
}

TEST_F(CliStats, BadArguments) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"stats", "NOPE", "--window", "10"}, "error: unknown statistic method NOPE\n"},
      {{"stats", "NUMS"}, "error: stats needs --window N\n"},
      {{"stats", "NUMS", "--window", "10", "--offset", "12"}, ""},
      {{"stats", "NUMS", "--window", "10", "--sort", "99"}, ""},
      {{"value", "NUMS", "--comb", "1 2 3 4 5"}, "error: NUMS is not a graph method\n"},
      {{"value", "SUMS", "--comb", "1 2 3 4 4"}, "error: --comb needs five different numbers from 1 to 50\n"},
      {{"value", "SUMS", "--comb", "1 2 3"}, ""},
      {{"value", "SUMS"}, ""},
  };
  for (const Case& c : cases) {
    CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, 2) << c.args[0] << " " << c.args[1];
    if (!c.message.empty()) {
      EXPECT_EQ(run.err, c.message);
    }
  }
}

TEST_F(CliStats, CombsFilterKeepsOrRemovesTheCombinationsOfTheSelectedValues) {
  ASSERT_EQ(Cli({"combs", "generate", "--out", dir.File("full.lcv")}).out, "2118760\n");
  // Every combination with a 7 or an 8: C(50, 5) - C(48, 5).
  CliRun kept =
      Cli({"combs", "filter", "--in", dir.File("full.lcv"), "NUMS", "--window", "10", "--value", "7", "--value", "8"});
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(kept.out, "406456\n");

  ASSERT_EQ(Cli({"combs", "generate", "--mode", "2", "--params", "1,2,3,4,5,6,7,8", "--out", dir.File("eight.lcv")}).out,
            "56\n");
  CliRun removed = Cli({"combs", "filter", "--in", dir.File("eight.lcv"), "NUMS", "--window", "10", "--value", "8",
                        "--exclude", "--out", dir.File("left.lcv")});
  EXPECT_EQ(removed.out, "21\n");  // C(7, 5)
  EXPECT_EQ(test::ReadBytes(dir.File("left.lcv")).substr(0, 22), "1;2;3;4;5\r\n1;2;3;4;6\r\n");

  // A value the table does not show, a missing input and an unreadable list.
  EXPECT_EQ(Cli({"combs", "filter", "--in", dir.File("eight.lcv"), "NUMS", "--window", "10", "--value", "51"}).status, 2);
  EXPECT_EQ(Cli({"combs", "filter", "NUMS", "--window", "10", "--value", "7"}).status, 2);
  CliRun missing = Cli({"combs", "filter", "--in", dir.File("none.lcv"), "NUMS", "--window", "10", "--value", "7"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace kavrin
