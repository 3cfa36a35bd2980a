// The README's main command on a copy of the demonstration folder: it must never break silently.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "test_paths.h"

namespace kavrin::test {
namespace {

TEST(CliDemo, TheDemonstrationScenarioBacktestsOneDraw) {
  TempDir dir;
  for (const auto& entry : std::filesystem::directory_iterator(KAVRIN_DEMO_DIR))
    std::filesystem::copy_file(entry.path(), dir.File(entry.path().filename().string()));
  const CliRun run = RunCliIn(dir, {"scenario", "test", dir.File("demo.lsc"), "--tests", "1"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("error:"), std::string::npos) << run.err;
  // The header and at least one rating row the run changed.
  ASSERT_GE(std::count(run.out.begin(), run.out.end(), '\n'), 2) << run.out;
  EXPECT_EQ(run.out.rfind("Комментарий\tСтавок", 0), 0u) << run.out;
}

}  // namespace
}  // namespace kavrin::test
