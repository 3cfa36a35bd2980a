#include "stakes/stakerecord.h"

#include <algorithm>

#include "core/binio.h"
#include "core/format.h"

namespace kavrin {
namespace {

void EncodeNumberSet(RecordWriter& w, size_t offset, const TNumberSet& set) {
  w.I32(offset, set.Count);
  w.Bytes(offset + 4, set.Numbers.data(), TNumberSet::Capacity);
}

TNumberSet DecodeNumberSet(const RecordReader& r, size_t offset) {
  TNumberSet set;
  set.Count = r.I32(offset);
  r.Bytes(offset + 4, set.Numbers.data(), TNumberSet::Capacity);
  return set;
}

}  // namespace

void EncodeStakeRecord(const TStakeData& stake, uint8_t* out) {
  RecordWriter w(out, StakeRecordSize);
  w.U8(0, stake.Version);
  w.U8(1, stake.Kind);
  w.I32(4, stake.DrawNumber);
  w.U8(8, stake.Checked ? 1 : 0);
  w.I32(12, stake.Selection);
  EncodeNumberSet(w, 16, stake.Numbers);
  w.Bytes(32, stake.DrawNumbers.data(), DrawSize);
  EncodeNumberSet(w, 40, stake.Overlaps);
  w.I64(56, stake.Profit.Raw());
  w.ShortString(64, StakeCommentCapacity, stake.Comment);
}

TStakeData DecodeStakeRecord(const uint8_t* in) {
  RecordReader r(in, StakeRecordSize);
  TStakeData stake;
  stake.Version = r.U8(0);
  stake.Kind = r.U8(1);
  stake.DrawNumber = r.I32(4);
  stake.Checked = r.U8(8) != 0;
  stake.Selection = r.I32(12);
  stake.Numbers = DecodeNumberSet(r, 16);
  r.Bytes(32, stake.DrawNumbers.data(), DrawSize);
  stake.Overlaps = DecodeNumberSet(r, 40);
  stake.Profit = TCurrency::FromRaw(r.I64(56));
  stake.Comment = r.ShortString(64, StakeCommentCapacity);
  return stake;
}

namespace {

// The first `count` numbers of the set are distinct numbers 1..50; false for a count outside
// min..12.
bool ValidNumberSet(const TNumberSet& set, int min) {
  if (set.Count < min || set.Count > TNumberSet::Capacity) return false;
  bool seen[NumberMax + 1] = {};
  for (int i = 0; i < set.Count; ++i) {
    const uint8_t n = set.Numbers[i];
    if (n < 1 || n > NumberMax || seen[n]) return false;
    seen[n] = true;
  }
  return true;
}

}  // namespace

std::string StakeRecordProblem(const TStakeData& stake) {
  if (stake.Version != StakeRecordVersion)
    return Format("версия записи %d вместо %d", {stake.Version, StakeRecordVersion});
  if (stake.DrawNumber <= 0) return "";
  if (!ValidNumberSet(stake.Numbers, 0)) return "числа ставки не из 0..12 разных чисел от 1 до 50";
  if (!stake.Checked) return "";
  if (!IsValidComb(stake.DrawNumbers))
    return "результаты тиража не из пяти разных чисел от 1 до 50";
  if (!ValidNumberSet(stake.Overlaps, 0) || stake.Overlaps.Count > DrawSize)
    return "совпадения не из 0..5 разных чисел от 1 до 50";
  return "";
}

TStakeData StakesNewSeparator() {
  TStakeData separator;
  separator.DrawNumber = -1;
  return separator;
}

TCurrency StakeProfit(const TConfigData& config, int n, int overlaps) {
  // No stake holds more numbers than a set; a damaged count must not overflow the price.
  TCurrency profit = -config.Cost * Binomial(std::clamp(n, 0, TNumberSet::Capacity), DrawSize);
  if (overlaps >= 0)
    for (const TProfitRow& row : config.Profits)
      if (row.Overlap == overlaps) return profit + row.Profit;
  return profit;
}

const std::array<std::string, StakesColumnCount>& StakesTableCaptions() {
  static const std::array<std::string, StakesColumnCount> captions = {
      "№ тиража", "Вид ставки", "Моя ставка", "Выборка", "Результаты тиража", "Совпадений", "Совпадения",
      "Профит",   "Комментарий"};
  return captions;
}

std::array<std::string, StakesColumnCount> StakesTableRow(const TStakeData& stake) {
  std::array<std::string, StakesColumnCount> cells;
  if (stake.DrawNumber <= 0) return cells;
  cells[0] = std::to_string(stake.DrawNumber);
  cells[1] = StakeKindText(stake.Kind);
  cells[2] = NumberSetToText(stake.Numbers, ";");
  cells[3] = std::to_string(stake.Selection);
  if (stake.Checked) {
    TNumberSet drawn;
    drawn.Count = DrawSize;
    std::copy(stake.DrawNumbers.begin(), stake.DrawNumbers.end(), drawn.Numbers.begin());
    cells[4] = NumberSetToText(drawn, ";");
    cells[5] = std::to_string(stake.OverlapCount());
    cells[6] = NumberSetToText(stake.Overlaps, " ");
  }
  cells[7] = Format("%.2f", {stake.Profit});
  cells[8] = stake.Comment;
  return cells;
}

std::optional<TColor> StakeRowColor(int kind) {
  switch (kind) {
    case StakeManual: return 0xEAFFEA;
    case StakeRegular: return 0xFFEAEA;
    case StakeScenario: return 0xEAFFFF;
    case StakeSystem: return 0xFCFDD9;
    default: return std::nullopt;
  }
}

std::optional<TColor> StakeResultColor(const TStakeData& stake) {
  if (stake.DrawNumber <= 0 || !stake.Checked) return std::nullopt;
  return stake.Profit > TCurrency() ? ProfitTextGreen : ProfitTextRed;
}

std::array<TCellColors, StakesColumnCount> StakesTableColors(const TStakeData& stake) {
  std::array<TCellColors, StakesColumnCount> colors;
  for (int column = 0; column < StakesColumnCount; ++column) {
    colors[column].Background = StakeRowColor(stake.Kind);
    if (column >= 5 && column <= 7) colors[column].Text = StakeResultColor(stake);
  }
  return colors;
}

}  // namespace kavrin
