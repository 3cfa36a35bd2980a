#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli_run.h"
#include "core/archive.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

CliRun Cli(const std::vector<std::string>& args) { return test::RunCliCaptured(args); }

TEST(CliDraws, AddThenListNewestFirst) {
  test::TempDir dir;
  auto base = std::vector<std::string>{"--data-dir", dir.Path(), "--quiet"};
  auto with = [&](std::vector<std::string> rest) {
    auto args = base;
    args.insert(args.end(), rest.begin(), rest.end());
    return Cli(args);
  };
  EXPECT_EQ(with({"draws", "add", "--number", "7", "--numbers", "5;12;33;41;47;7", "--date", "01.02.2020 21:00"}).status, 0);
  EXPECT_EQ(with({"draws", "add", "--numbers", "50,1,2,3,4,11", "--date", "04.02.2020 21:00"}).status, 0);

  CliRun list = with({"draws", "list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out,
            "Тираж\t1\t2\t3\t4\t5\tE\tS\tДата тиража\n"
            "8\t50\t1\t2\t3\t4\t11\t60\t04.02.2020 21:00\n"
            "7\t5\t12\t33\t41\t47\t7\t138\t01.02.2020 21:00\n");

  CliRun sorted = Cli({"--data-dir", dir.Path(), "--sorted", "draws", "list", "--limit", "1"});
  EXPECT_EQ(sorted.out, "Тираж\t1\t2\t3\t4\t5\tE\tS\tДата тиража\n8\t1\t2\t3\t4\t50\t11\t60\t04.02.2020 21:00\n");
}

TEST(CliDraws, RejectsInvalidDrawAndBadArguments) {
  test::TempDir dir;
  CliRun bad = Cli({"--data-dir", dir.Path(), "--quiet", "draws", "add", "--numbers", "1;2;3;4;5;12"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "error: Введена некорректная комбинация!\n");
  EXPECT_FALSE(std::ifstream(dir.File(ArchiveFileName)).good());

  EXPECT_EQ(Cli({"--data-dir", dir.Path(), "draws", "frobnicate"}).status, 2);
  EXPECT_EQ(Cli({"--data-dir", dir.Path(), "draws", "list", "--limit", "x"}).status, 2);
  EXPECT_EQ(Cli({"--bogus", "draws", "list"}).status, 2);
  CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: kavrin-cli", 0), 0u);
  EXPECT_EQ(Cli({"--data-dir", dir.Path(), "draws", "add", "--numbers", "1;2;3;4;5;6", "--date", "31.02.2020 10:00"}).status, 1);
}

TEST(CliDraws, ExportImportRoundTripReportsCounts) {
  test::TempDir source, target;
  for (int i = 0; i < 3; ++i)
    Cli({"--data-dir", source.Path(), "draws", "add", "--number", std::to_string(10 + i), "--numbers",
         "1;2;3;4;" + std::to_string(5 + i) + ";1", "--date", "01.02.2020 21:00"});
  CliRun exported = Cli({"--data-dir", source.Path(), "--quiet", "draws", "export", target.File("all.csv")});
  EXPECT_EQ(exported.status, 0);
  EXPECT_EQ(exported.err, "3\n");
  CliRun imported = Cli({"--data-dir", target.Path(), "--quiet", "draws", "import", target.File("all.csv")});
  EXPECT_EQ(imported.err, "3\n");
  EXPECT_EQ(test::ReadBytes(source.File(ArchiveFileName)), test::ReadBytes(target.File(ArchiveFileName)));

  CliRun missing = Cli({"--data-dir", target.Path(), "--quiet", "draws", "import", target.File("none.csv")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err.rfind("error: No such file or directory", 0), 0u);
}

}  // namespace
}  // namespace kavrin
