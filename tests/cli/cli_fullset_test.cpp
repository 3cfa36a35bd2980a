// kavrin-cli fullset build, and the statistics table with the full-set comparison.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "core/archive.h"
#include "core/fileio.h"
#include "stats/fullset.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

// Over the twelve draws of the statistics tests.
class CliFullSet : public ::testing::Test {
 protected:
  CliFullSet() { test::WriteTwelveDraws(dir); }
  CliRun Cli(std::vector<std::string> args) { return test::RunCliIn(dir, std::move(args)); }
  std::string Path(const std::string& code) const { return FullSetFilePath(dir.Path(), code); }
  test::TempDir dir;
};

TEST_F(CliFullSet, BuildsMissingFilesAndRebuildsWhenForced) {
  CliRun run = Cli({"fullset", "build", "EVEN", "nums"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Path("NUMS") + "\n" + Path("EVEN") + "\n");
  EXPECT_TRUE(FileExists(Path("NUMS")));

  run = Cli({"fullset", "build", "EVEN", "NUMS"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");

  run = Cli({"fullset", "build", "EVEN", "--force"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Path("EVEN") + "\n");

  EXPECT_EQ(Cli({"fullset", "build", "SUMC"}).err, "error: SUMC has no full-set file\n");
  EXPECT_EQ(Cli({"fullset", "build", "SUMC"}).status, 2);
  EXPECT_EQ(Cli({"fullset", "build", "NOPE"}).status, 2);
}

TEST_F(CliFullSet, StatsWithTheComparisonBuildsTheFileAndShowsNorms) {
  CliRun run = Cli({"stats", "EVEN", "--window", "12", "--fullset"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(FileExists(Path("EVEN")));
  // Six draws of each kind: scale 6 / 690000, so one even number (316250 combinations) expects 3.
  std::istringstream lines(run.out);
  bool found = false;
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, '\t');) cells.push_back(cell);
    if (cells.at(0) != "1:4") continue;
    EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.begin() + 6),
              (std::vector<std::string>{"1:4", "6", "50.00000", "3", "3", "100.00000"}));
    found = true;
  }
  EXPECT_TRUE(found) << run.out;
}

}  // namespace
}  // namespace kavrin
