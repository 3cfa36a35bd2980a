#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "stakes/rating.h"
#include "stakes/stakesfile.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

CliRun Cli(const test::TempDir& dir, std::vector<std::string> args) { return test::RunCliIn(dir, std::move(args)); }

constexpr char Header[] =
    "№ тиража\tВид ставки\tМоя ставка\tВыборка\tРезультаты тиража\tСовпадений\tСовпадения\tПрофит\tКомментарий\n";

TEST(CliStakes, ListCheckAndRating) {
  test::TempDir dir;
  EXPECT_EQ(Cli(dir, {"draws", "add", "--number", "1500", "--numbers", "3;9;1;40;2;5"}).status, 0);
  {
    TStakesFile file(dir.File(StakesFileName));
    file.Open();
    TStakeData stake;
    stake.Kind = StakeManual;
    stake.Numbers = {6, {1, 2, 3, 4, 5, 6}};
    stake.Comment = "Ставка \"вручную\"";
    stake.DrawNumber = 1500;
    file.Append(stake, 1);
    stake.DrawNumber = 1501;
    stake.Comment = "другая";
    file.Append(stake, 1);
  }
  CliRun list = Cli(dir, {"stakes", "list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, std::string(Header) +
                          "1500\tВручную\t1;2;3;4;5;6\t0\t\t\t\t0.00\tСтавка \"вручную\"\n"
                          "1501\tВручную\t1;2;3;4;5;6\t0\t\t\t\t0.00\tдругая\n");

  CliRun check = Cli(dir, {"--decimal-separator", ",", "stakes", "check"});
  EXPECT_EQ(check.status, 0) << check.err;
  EXPECT_EQ(check.out, std::string(Header) +
                           "1500\tВручную\t1;2;3;4;5;6\t0\t3;9;1;40;2\t3\t1 2 3\t0,00\tСтавка \"вручную\"\n"
                           "1501\tВручную\t1;2;3;4;5;6\t0\t\t\t\t0,00\tдругая\n");

  CliRun rating = Cli(dir, {"rating"});
  EXPECT_EQ(rating.status, 0);
  EXPECT_EQ(rating.out,
            "Комментарий\tСтавок\tУгадано\tСреднее\tПрофит\tСр. профит\t0\t1\t2\t3\t4\t5\tE0\tE1\tE2\tE3\tE4\tE5\n"
            "Ставка \"вручную\"\t1\t3\t3.000\t0.00\t0.00\t0\t0\t0\t1\t0\t0\t-57.664%\t-35.161%\t-6.697%\t99.533%\t-0.011%"
            "\t0.000%\n");

  EXPECT_EQ(Cli(dir, {"rating", "--sort", "Комментарий:desc"}).status, 0);
  EXPECT_EQ(Cli(dir, {"rating", "--sort", "1"}).status, 0);
  EXPECT_EQ(Cli(dir, {"rating", "--sort", "18"}).status, 2);
  EXPECT_EQ(Cli(dir, {"rating", "--sort", "1:up"}).status, 2);
  EXPECT_EQ(Cli(dir, {"stakes", "list", "extra"}).status, 2);
}

TEST(CliStakes, ASecondUserOfTheDataFolderIsRefused) {
  test::TempDir dir;
  TStakesFile held(dir.File(StakesFileName));
  held.Open();
  CliRun run = Cli(dir, {"draws", "list"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind("error: Ошибка чтения файла ставок! Процесс не может получить доступ к файлу", 0), 0u)
      << run.err;
  EXPECT_NE(run.err.find("\nerror: Невозможно получить монопольный доступ к файлам данных! Возможные причины"),
            std::string::npos);
  held.Close();
  EXPECT_EQ(Cli(dir, {"draws", "list"}).status, 0);
}

}  // namespace
}  // namespace kavrin
