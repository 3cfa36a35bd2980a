#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "core/fileio.h"
#include "stakes/stakesfile.h"
#include "support/temp_dir.h"
#include "support/xlsx_reader.h"

namespace kavrin {
namespace {

using test::CliRun;

// Twelve draws and two manual stakes, the first of them checked by `stakes check`.
class CliXlsx : public ::testing::Test {
 protected:
  CliXlsx() {
    test::WriteTwelveDraws(dir);
    TStakesFile file(dir.File(StakesFileName));
    file.Open();
    TStakeData stake;
    stake.Kind = StakeManual;
    stake.Numbers = {5, {1, 12, 22, 32, 42}};
    stake.Comment = "вручную";
    stake.DrawNumber = 12;
    file.Append(stake, 1);
    stake.DrawNumber = 13;
    file.Append(stake, 1);
  }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliIn(dir, std::move(args)); }
  test::TempDir dir;
};

// Every table command writes the very table it prints: same cells as shown, the tab's sheet,
// the header frozen and filtered.
TEST_F(CliXlsx, EveryTableCommandWritesWhatItPrints) {
  struct Case {
    std::vector<std::string> command;
    std::string sheet;
  };
  const Case cases[] = {
      {{"draws", "list"}, "Архив тиражей"},
      {{"stats", "NUMS", "--window", "10"}, "Статистика"},
      {{"stats", "SUM1", "--window", "12", "--sort", "Количество:desc"}, "Статистика"},
      {{"stakes", "check"}, "Ставки"},
      {{"stakes", "list"}, "Ставки"},
      {{"rating"}, "Рейтинг"},
      {{"methods"}, "Методы"},
      {{"view", "card"}, "Карта"},
      {{"view", "schema"}, "Схема"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command.front());
    CliRun printed = Cli(c.command);
    ASSERT_EQ(printed.status, 0) << printed.err;
    std::vector<std::string> args = {"--xlsx", dir.File("t.xlsx")};
    args.insert(args.end(), c.command.begin(), c.command.end());
    CliRun exported = Cli(args);
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "");
    test::XlsxBook book(dir.File("t.xlsx"));
    EXPECT_EQ(book.ShownAsTsv(), printed.out);
    EXPECT_EQ(book.SheetName(), c.sheet);
    EXPECT_NE(book.FrozenPane().find("ySplit=\"1\""), std::string::npos);
    EXPECT_EQ(book.AutoFilter().rfind("A1:", 0), 0u) << book.AutoFilter();
  }
}

TEST_F(CliXlsx, NumbersAreNumbersAndColoursCarryOver) {
  ASSERT_EQ(Cli({"stakes", "check"}).status, 0);
  ASSERT_EQ(Cli({"--decimal-separator", ",", "--xlsx", dir.File("s.xlsx"), "stakes", "list"}).status, 0);
  test::XlsxBook stakes(dir.File("s.xlsx"));
  EXPECT_EQ(stakes.Cell("C2")->Value, "1;12;22;32;42");
  EXPECT_FALSE(stakes.Cell("C2")->IsNumber);
  ASSERT_TRUE(stakes.Cell("F2")->IsNumber);  // overlaps of the checked stake
  EXPECT_EQ(stakes.Cell("F2")->Value, "4");
  ASSERT_TRUE(stakes.Cell("H2")->IsNumber);  // profit, money with two decimals
  EXPECT_EQ(stakes.Cell("H2")->NumberFormat, "0.00");
  EXPECT_EQ(stakes.Cell("A2")->Fill, "FFEAFFEA");  // a manual stake's row
  EXPECT_EQ(stakes.Cell("H2")->FontColor, std::stod(stakes.Cell("H2")->Value) > 0 ? "FF008000" : "FFFF0000");
  EXPECT_EQ(stakes.Cell("H3")->FontColor, "");  // not checked yet

  ASSERT_EQ(Cli({"--xlsx", dir.File("d.xlsx"), "draws", "list"}).status, 0);
  test::XlsxBook draws(dir.File("d.xlsx"));
  EXPECT_EQ(draws.Cell("A2")->Fill, "FFFFAAAA");  // the draw at the analysis offset
  EXPECT_EQ(draws.Cell("A3")->Fill, "FFFFFFFF");
  EXPECT_NE(draws.Cell("B2")->Fill, "");  // the number's channel colour
  EXPECT_TRUE(draws.Cell("B2")->IsNumber);
  EXPECT_FALSE(draws.Cell("I2")->IsNumber);  // the date

  // The view grids carry the backgrounds of their cells; the headers none.
  ASSERT_EQ(Cli({"--xlsx", dir.File("c.xlsx"), "view", "card", "--limit", "2"}).status, 0);
  test::XlsxBook card(dir.File("c.xlsx"));
  EXPECT_EQ(card.Cell("A2")->Fill, "");
  EXPECT_NE(card.Cell("B2")->Fill, "");
  ASSERT_EQ(Cli({"--xlsx", dir.File("w.xlsx"), "view", "schema", "--depth", "1"}).status, 0);
  test::XlsxBook schema(dir.File("w.xlsx"));
  EXPECT_EQ(schema.Cell("B2")->Fill.substr(0, 2), "FF");

  ASSERT_EQ(Cli({"--xlsx", dir.File("t.xlsx"), "stats", "NUMS", "--window", "10"}).status, 0);
  const test::XlsxBook stats(dir.File("t.xlsx"));
  for (const test::XlsxCell& cell : stats.Cells()) {
    const bool header = cell.Ref.substr(cell.Ref.find_first_of("0123456789")) == "1";
    EXPECT_EQ(cell.IsNumber, !header && cell.Value != "-") << cell.Ref << " " << cell.Value;
  }
}

TEST_F(CliXlsx, RefusalsAndFailedWrites) {
  CliRun noTable = Cli({"--xlsx", dir.File("t.xlsx"), "draws", "add", "--numbers", "1;2;3;4;5;6"});
  EXPECT_EQ(noTable.status, 2);
  EXPECT_EQ(noTable.err, "error: --xlsx: draws add prints no table\n");
  EXPECT_EQ(test::OutputLines(Cli({"draws", "list"}).out).size(), 13u);  // the draw was not added
  EXPECT_EQ(Cli({"rating", "--xlsx"}).status, 2);

  const std::string path = dir.File("old.xlsx");
  test::WriteBytes(path, "the old workbook");
  SetWriteFaultHook([](size_t) { return false; });
  CliRun failed = Cli({"--xlsx", path, "rating"});
  SetWriteFaultHook(nullptr);
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(failed.err.rfind("error: Ошибка записи в файл \"" + path + "\"! ", 0), 0u) << failed.err;
  EXPECT_EQ(test::ReadBytes(path), "the old workbook");
}

}  // namespace
}  // namespace kavrin
