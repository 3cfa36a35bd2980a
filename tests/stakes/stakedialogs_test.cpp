#include <gtest/gtest.h>

#include "core/format.h"
#include "core/filemask.h"
#include "stakes/stakedialogs.h"
#include "stakes/stakelog.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

TEST(StakeDialog, NumbersMustBeFiveToElevenDifferentNumbersOfTheGame) {
  TStakeDialogFields fields{1501, "5, 11 ;25;40;49", "Ставка", 1};
  EXPECT_EQ(ValidateStakeDialog(fields), std::nullopt);
  for (const char* bad :
       {"5;11;25;40", "1;2;3;4;5;6;7;8;9;10;11;12", "1;2;3;4;51", "1;1;2;3;4", "1;2;x;4;5", "0;1;2;3;4", ""}) {
    fields.NumbersText = bad;
    EXPECT_EQ(ValidateStakeDialog(fields), (TDialogError{"Введена некорректная комбинация!", TDialogField::Numbers}))
        << bad;
  }
  fields.NumbersText = "1;2;3;4;5;6;7;8;9;10;11";
  fields.Comment = "";
  EXPECT_EQ(ValidateStakeDialog(fields), (TDialogError{"Необходимо ввести комментарий!", TDialogField::Comment}));
  EXPECT_EQ(ValidateMultiStakeDialog(fields), ValidateStakeDialog(fields));
}

TEST(StakeDialog, SumCountsEveryWordThatIsANumber) {
  EXPECT_EQ(StakeDialogSum("5;11;25;40;49"), 130);
  EXPECT_EQ(StakeDialogSum("5;x"), 5);
  EXPECT_EQ(StakeDialogSum(""), 0);
}

TEST(StakeDialog, AcceptedStakeTakesTheTypedFieldsAndIsPricedAgain) {
  TConfigData config;
  config.Cost = TCurrency::FromAmount(100);
  TStakeData stake;
  stake.Kind = StakeRegular;
  stake.DrawNumber = 10;
  stake.Selection = 77;
  stake.Numbers = {5, {1, 2, 3, 4, 5}};
  stake.Profit = StakeProfit(config, 5, -1);
  stake.Comment = "Регуляр";
  TStakeDialogFields fields = StakeDialogPrefill(stake, 1);
  EXPECT_EQ(fields.NumbersText, "1;2;3;4;5");
  EXPECT_EQ(fields.DrawNumber, 10);
  fields = {12, "49;3;11;40;25;30", "Мой", 4};
  TStakeData accepted = StakeFromDialog(stake, fields, config);
  EXPECT_EQ(accepted.DrawNumber, 12);
  EXPECT_EQ(accepted.Numbers, (TNumberSet{6, {3, 11, 25, 30, 40, 49}}));
  EXPECT_EQ(accepted.Profit, TCurrency::FromAmount(-600));
  EXPECT_EQ(accepted.Comment, "Мой");
  EXPECT_EQ(accepted.Kind, StakeRegular);
  EXPECT_EQ(accepted.Selection, 77);
  EXPECT_EQ(accepted.OverlapCount(), -1);
}

TEST(StakeLog, LineOfACheckedStake) {
  TStakeData stake;
  stake.Kind = StakeManual;
  stake.DrawNumber = 1501;
  stake.Checked = true;
  stake.Selection = 120;
  stake.Numbers = {5, {3, 11, 25, 40, 49}};
  stake.DrawNumbers = {40, 2, 11, 7, 30};
  stake.Overlaps = {2, {11, 40}};
  stake.Profit = TCurrency::FromAmount(-100);
  stake.Comment = "Ставка \"вручную\"";
  EXPECT_EQ(StakeLogLine(stake, EncodeDateTime(2024, 3, 5, 21, 14, 7)),
            "2024.03.05 21:14:07: Тираж № 1501. Ставка: \"Ставка \"вручную\"\" [3;11;25;40;49] {120}. Результаты "
            "тиража: [40;2;11;7;30]. Совпадений: 2. Профит: -100.00.");
}

TEST(StakeLog, AppendsWindows1251LinesAndStartsAnOversizedLogAfresh) {
  test::TempDir dir;
  const std::string path = StakeLogPath(dir.Path(), 2);
  EXPECT_EQ(path, dir.File("Kavrin_5x50-2.log"));
  AppendLogLine(path, "Тираж");
  AppendLogLine(path, "2");
  EXPECT_EQ(test::ReadBytes(path), "\xD2\xE8\xF0\xE0\xE6\r\n2\r\n");
  RemoveOversizedLog(path);
  EXPECT_EQ(test::ReadBytes(path).size(), 10u);
  {
    std::FILE* f = std::fopen(path.c_str(), "r+");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(::ftruncate(fileno(f), StakeLogSizeLimit + 1), 0);
    std::fclose(f);
  }
  RemoveOversizedLog(path);
  EXPECT_EQ(FindFiles(dir.Path(), StakeLogMask), std::vector<std::string>{});
}

TEST(FileMask, WildcardsIgnoreLetterCase) {
  EXPECT_TRUE(MatchesFileMask("Kavrin_5x50-3.log", StakeLogMask));
  EXPECT_TRUE(MatchesFileMask("KAVRIN_5X50-.LOG", StakeLogMask));
  EXPECT_FALSE(MatchesFileMask("Kavrin_5x50.log", StakeLogMask));
  EXPECT_TRUE(MatchesFileMask("5-12-3_0042.dat", "5-12-*_*.dat"));
  EXPECT_FALSE(MatchesFileMask("5-12-3-0042.dat", "5-12-*_*.dat"));
  EXPECT_TRUE(MatchesFileMask("a_b_c.dat", "*_*.dat"));
  EXPECT_TRUE(MatchesFileMask("abc", "a?c"));
}

}  // namespace
}  // namespace kavrin
