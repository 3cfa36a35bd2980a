#include <gtest/gtest.h>

#include <algorithm>

#include "cli/cli_run.h"
#include "core/archive.h"
#include "core/config.h"
#include "core/cp1251.h"
#include "core/fileio.h"
#include "scenarios/scenariofile.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

CliRun Cli(const test::TempDir& dir, std::vector<std::string> args) { return test::RunCliIn(dir, std::move(args)); }

constexpr char StakesHeader[] =
    "№ тиража\tВид ставки\tМоя ставка\tВыборка\tРезультаты тиража\tСовпадений\tСовпадения\tПрофит\tКомментарий\n";
constexpr char Comment[] = "01.001: проба @ FULL#FIRST + TMD#NUMS:6#CMV:5#SF:1";

// Six draws over the numbers 1..9, the start list every combination of 1..8, and a scenario
// whose filter removes the two most frequent numbers, 1 and 2, over all six draws.
class CliScenario : public testing::Test {
 protected:
  void SetUp() override {
    const TComb draws[] = {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 5, 7},
                           {1, 2, 4, 6, 8}, {1, 3, 5, 7, 8}, {2, 4, 6, 8, 9}};
    TDrawArchive archive(dir.File(ArchiveFileName));
    for (int i = 0; i < 6; ++i) {
      TDrawRec draw;
      draw.Number = i + 1;
      draw.Numbers = draws[i];
      archive.Append(draw);
    }
    archive.Save();
    test::WriteBytes(dir.File(ConfigFileName),
                     "[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=1;2;3;4;5;6;7;8\r\n");
    test::WriteBytes(scenario, Utf8ToCp1251("FULL:0#FIRST|TMD1#NUMS:6#CMV:5#SF:1| | | | | | |проба\r\n"));
  }
  test::TempDir dir;
  std::string scenario = dir.File("demo.lsc");
};

TEST_F(CliScenario, RunPrintsTheStakesMade) {
  const CliRun run = Cli(dir, {"scenario", "run", scenario});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(StakesHeader) + "7\tСценарий\t3;4;5;6;7\t6\t\t\t\t0.00\t" + Comment + "\n");

  // At offset 2 the stake is for draw 5; the stakes of the first run are not printed again.
  const CliRun earlier = Cli(dir, {"scenario", "run", scenario, "--offset", "2"});
  EXPECT_EQ(earlier.status, 0) << earlier.err;
  EXPECT_EQ(earlier.out.rfind(std::string(StakesHeader) + "5\tСценарий\t1;", 0), 0u) << earlier.out;
  EXPECT_EQ(earlier.out.find("\n7\t"), std::string::npos);
  // The scenario file is run as it is: the working scenario is not replaced.
  EXPECT_FALSE(FileExists(dir.File(ScriptWorkingFileName)));
}

TEST_F(CliScenario, TestPrintsTheRatingRowsItChanged) {
  const CliRun test = Cli(dir, {"scenario", "test", scenario, "--tests", "2"});
  EXPECT_EQ(test.status, 0) << test.err;
  const std::string header = test.out.substr(0, test.out.find('\n') + 1);
  EXPECT_EQ(header.rfind("Комментарий\tСтавок\tУгадано\t", 0), 0u) << header;
  const std::string rows = test.out.substr(header.size());
  EXPECT_EQ(rows.rfind(std::string(Comment) + "\t2\t", 0), 0u) << rows;
  EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 1);

  CliRun stakes = Cli(dir, {"stakes", "list"});
  EXPECT_NE(stakes.out.find("\n5\tСценарий\t"), std::string::npos);
  EXPECT_NE(stakes.out.find("\n6\tСценарий\t"), std::string::npos);
}

TEST_F(CliScenario, BadArgumentsAndFiles) {
  EXPECT_EQ(Cli(dir, {"scenario", "test", scenario}).status, 2);
  EXPECT_EQ(Cli(dir, {"scenario", "test", scenario, "--tests", "6"}).status, 2);  // 6 draws: at most 5
  EXPECT_EQ(Cli(dir, {"scenario", "run"}).status, 2);
  EXPECT_EQ(Cli(dir, {"scenario", "run", scenario, "--offset", "6"}).status, 2);
  const CliRun missing = Cli(dir, {"scenario", "run", dir.File("none.lsc")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err.rfind("error: Ошибка чтения файла \"" + dir.File("none.lsc") + "\"!", 0), 0u) << missing.err;
  // A failure inside the run ends it with its message.
  test::WriteBytes(scenario, "FULL:0#FIRST|TSD1#NUMS:x#LNO:#SF:1| | | | | | |\r\n");
  const CliRun failed = Cli(dir, {"scenario", "run", scenario});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, "error: Некорректное описание фильтра: TSD1#NUMS:x#LNO:#SF:1!\n");
  EXPECT_EQ(failed.out, StakesHeader);
}

}  // namespace
}  // namespace kavrin
