#pragma once
// The stake record of the stakes file, its price and prize, and what the stakes table shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/config.h"
#include "core/game.h"
#include "core/money.h"
#include "core/xlsxexport.h"

namespace kavrin {

inline constexpr size_t StakeRecordSize = 320;
inline constexpr uint8_t StakeRecordVersion = 2;
inline constexpr size_t StakeCommentCapacity = 255;

enum TStakeKind : uint8_t { StakeSeparator = 0, StakeManual = 1, StakeRegular = 2, StakeScenario = 3, StakeSystem = 4 };

struct TStakeData {
  uint8_t Version = StakeRecordVersion;
  uint8_t Kind = StakeSeparator;
  int32_t DrawNumber = 0;  // <= 0 marks a separator
  bool Checked = false;
  int32_t Selection = 0;  // combinations in the working list (or the system) when the stake was made
  TNumberSet Numbers;     // ascending
  TComb DrawNumbers{};    // the draw's numbers in stored order; zero until checked
  TNumberSet Overlaps{-1, {}};  // ascending; Count is -1 until checked
  TCurrency Profit;
  std::string Comment;  // UTF-8; at most 255 Windows-1251 characters once stored

  int OverlapCount() const { return Overlaps.Count; }
  friend bool operator==(const TStakeData&, const TStakeData&) = default;
};

// Field by field at the record's offsets; unused bytes are zero.
void EncodeStakeRecord(const TStakeData& stake, uint8_t* out);
TStakeData DecodeStakeRecord(const uint8_t* in);

// Why a record read from the file cannot be a stake of this program (another record version, a
// number set that is no set of up to 12 distinct numbers 1..50, impossible results), or empty when
// it can. Separators are only checked for their version.
std::string StakeRecordProblem(const TStakeData& stake);

// The record that splits batches in the table: never checked, never rated.
TStakeData StakesNewSeparator();

// Minus the price of the n-number stake's five-number tickets, plus, when overlaps >= 0, the
// prize of the first prize row for exactly that many overlaps (counted once).
TCurrency StakeProfit(const TConfigData& config, int n, int overlaps);

// ---- the stakes table ----
inline constexpr int StakesColumnCount = 9;
const std::array<std::string, StakesColumnCount>& StakesTableCaptions();
inline constexpr std::array<int, StakesColumnCount> StakesColumnWidths = {60, 60, 120, 60, 120, 60, 60, 60, 1000};
// The cells of a record's row; all empty for a separator.
std::array<std::string, StakesColumnCount> StakesTableRow(const TStakeData& stake);
// Row background by kind; nullopt keeps the window colour (separators and unknown kinds).
std::optional<TColor> StakeRowColor(int kind);
inline constexpr TColor ProfitTextGreen = 0x008000;
inline constexpr TColor ProfitTextRed = 0xFF0000;
// Text colour of the result columns 5..7: only checked rows have one.
std::optional<TColor> StakeResultColor(const TStakeData& stake);
// The colours of a row's cells together, for an export of the table.
std::array<TCellColors, StakesColumnCount> StakesTableColors(const TStakeData& stake);

}  // namespace kavrin
