#include <gtest/gtest.h>

#include "core/format.h"
#include "stakes/stakerecord.h"

namespace kavrin {
namespace {

TStakeData CheckedStake() {
  TStakeData stake;
  stake.Kind = StakeScenario;
  stake.DrawNumber = 0x01020304;
  stake.Checked = true;
  stake.Selection = 120;
  stake.Numbers = {6, {1, 2, 3, 4, 5, 6}};
  stake.DrawNumbers = {3, 9, 1, 40, 2};
  stake.Overlaps = {3, {1, 2, 3}};
  stake.Profit = TCurrency::FromRaw(-1000000);  // -100.00
  stake.Comment = "Ставка \"вручную\"";
  return stake;
}

TEST(StakeRecord, EveryFieldSitsAtItsOffsetAndUnusedBytesAreZero) {
  uint8_t bytes[StakeRecordSize];
  EncodeStakeRecord(CheckedStake(), bytes);

  uint8_t expected[StakeRecordSize] = {};
  expected[0] = 2;
  expected[1] = 3;
  expected[4] = 0x04, expected[5] = 0x03, expected[6] = 0x02, expected[7] = 0x01;
  expected[8] = 1;
  expected[12] = 120;
  expected[16] = 6;
  for (int i = 0; i < 6; ++i) expected[20 + i] = static_cast<uint8_t>(i + 1);
  const uint8_t drawn[] = {3, 9, 1, 40, 2};
  for (int i = 0; i < 5; ++i) expected[32 + i] = drawn[i];
  expected[40] = 3;
  expected[44] = 1, expected[45] = 2, expected[46] = 3;
  const int64_t profit = -1000000;
  for (int i = 0; i < 8; ++i) expected[56 + i] = static_cast<uint8_t>(static_cast<uint64_t>(profit) >> (8 * i));
  // "Ставка \"вручную\"" in Windows-1251.
  const uint8_t comment[] = {0xD1, 0xF2, 0xE0, 0xE2, 0xEA, 0xE0, ' ', '"', 0xE2, 0xF0, 0xF3, 0xF7, 0xED, 0xF3, 0xFE, '"'};
  expected[64] = sizeof comment;
  for (size_t i = 0; i < sizeof comment; ++i) expected[65 + i] = comment[i];

  for (size_t i = 0; i < StakeRecordSize; ++i) EXPECT_EQ(bytes[i], expected[i]) << "offset " << i;
  EXPECT_EQ(DecodeStakeRecord(bytes), CheckedStake());
}

TEST(StakeRecord, SeparatorAndLongComment) {
  uint8_t bytes[StakeRecordSize];
  EncodeStakeRecord(StakesNewSeparator(), bytes);
  uint8_t expected[StakeRecordSize] = {};
  expected[0] = 2;
  expected[4] = expected[5] = expected[6] = expected[7] = 0xFF;  // draw -1
  expected[40] = expected[41] = expected[42] = expected[43] = 0xFF;  // overlaps -1
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + StakeRecordSize), std::vector<uint8_t>(expected, expected + StakeRecordSize));

  TStakeData stake = CheckedStake();
  stake.Comment = std::string(300, 'x');
  EncodeStakeRecord(stake, bytes);
  EXPECT_EQ(bytes[64], 255);
  EXPECT_EQ(DecodeStakeRecord(bytes).Comment, std::string(255, 'x'));
}

TEST(StakeProfit, PriceOfTheTicketsPlusTheFirstMatchingPrize) {
  TConfigData config;
  config.Cost = TCurrency::FromAmount(100);
  config.Profits = {{3, TCurrency::FromAmount(500)}, {3, TCurrency::FromAmount(900)}, {2, TCurrency::FromAmount(50)}};
  EXPECT_EQ(StakeProfit(config, 6, -1), TCurrency::FromAmount(-600));
  EXPECT_EQ(StakeProfit(config, 6, 3), TCurrency::FromAmount(-100));  // first row only, counted once
  EXPECT_EQ(StakeProfit(config, 5, 4), TCurrency::FromAmount(-100));  // no row for 4 overlaps
  EXPECT_EQ(StakeProfit(config, 7, 2), TCurrency::FromAmount(-2050));  // C(7,5) = 21 tickets
  EXPECT_EQ(StakeProfit(config, 3, -1), TCurrency::FromAmount(-100));
}

TEST(StakesTable, CellsOfCheckedUncheckedAndSeparatorRows) {
  FormatSettings().DecimalSeparator = ",";
  TStakeData stake = CheckedStake();
  stake.DrawNumber = 1500;
  using Row = std::array<std::string, StakesColumnCount>;
  EXPECT_EQ(StakesTableRow(stake),
            (Row{"1500", "Сценарий", "1;2;3;4;5;6", "120", "3;9;1;40;2", "3", "1 2 3", "-100,00", "Ставка \"вручную\""}));
  stake.Checked = false;
  EXPECT_EQ(StakesTableRow(stake), (Row{"1500", "Сценарий", "1;2;3;4;5;6", "120", "", "", "", "-100,00", "Ставка \"вручную\""}));
  EXPECT_EQ(StakesTableRow(StakesNewSeparator()), Row{});
  FormatSettings().DecimalSeparator = ".";

  EXPECT_EQ(StakeRowColor(StakeManual), 0xEAFFEAu);
  EXPECT_EQ(StakeRowColor(StakeSystem), 0xFCFDD9u);
  EXPECT_EQ(StakeRowColor(7), std::nullopt);
  EXPECT_EQ(StakeResultColor(stake), std::nullopt);
  stake.Checked = true;
  EXPECT_EQ(StakeResultColor(stake), ProfitTextRed);
  stake.Profit = TCurrency::FromAmount(1);
  EXPECT_EQ(StakeResultColor(stake), ProfitTextGreen);
}

}  // namespace
}  // namespace kavrin
