#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

CliRun Cli(const std::vector<std::string>& args) { return test::RunCliCaptured(args); }

TEST(CliCombs, GeneratePrintsTheCountAndWritesTheListFile) {
  test::TempDir dir;
  CliRun full = Cli({"--data-dir", dir.Path(), "--progress", "combs", "generate"});
  EXPECT_EQ(full.status, 0);
  EXPECT_EQ(full.out, "2118760\n");
  EXPECT_NE(full.err.find("Генерация возможных комбинаций...\n"), std::string::npos);

  CliRun mine = Cli({"--data-dir", dir.Path(), "--quiet", "combs", "generate", "--mode", "2", "--params", "6;5;4;3;2;1",
                     "--out", dir.File("mine.lcv")});
  EXPECT_EQ(mine.status, 0);
  EXPECT_EQ(mine.out, "6\n");
  EXPECT_EQ(mine.err, "");
  EXPECT_EQ(test::ReadBytes(dir.File("mine.lcv")),
            "1;2;3;4;5\r\n1;2;3;4;6\r\n1;2;3;5;6\r\n1;2;4;5;6\r\n1;3;4;5;6\r\n2;3;4;5;6\r\n");

  CliRun fromFile = Cli({"--data-dir", dir.Path(), "combs", "generate", "--mode", "4", "--params", dir.File("mine.lcv")});
  EXPECT_EQ(fromFile.out, "6\n");
}

TEST(CliCombs, GenerateFailuresAndBadArguments) {
  test::TempDir dir;
  CliRun missing =
      Cli({"--data-dir", dir.Path(), "--quiet", "combs", "generate", "--mode", "4", "--params", dir.File("none.lcv")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err.rfind("error: Ошибка чтения файла \"" + dir.File("none.lcv") + "\"!", 0), 0u);

  CliRun unwritable = Cli({"--data-dir", dir.Path(), "--quiet", "combs", "generate", "--mode", "2", "--params",
                           "1,2,3,4,5", "--out", dir.File("no/x.lcv")});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.err.rfind("error: Ошибка записи в файл \"" + dir.File("no/x.lcv") + "\"!", 0), 0u);

  EXPECT_EQ(Cli({"--data-dir", dir.Path(), "combs", "generate", "--mode", "5"}).status, 2);
  EXPECT_EQ(Cli({"--data-dir", dir.Path(), "combs", "generate", "extra"}).status, 2);
}

}  // namespace
}  // namespace kavrin
