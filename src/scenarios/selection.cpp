#include "scenarios/selection.h"

#include <algorithm>

#include "core/errors.h"
#include "core/format.h"
#include "core/game.h"
#include "core/inifile.h"

namespace kavrin {
namespace {

enum class TRowField : uint8_t {
  None, Count, CountPercent, Deviation, DeviationPercent, Depth, DepthPercent, Weight, PeriodMin, Period,
  PeriodMax, Key
};
enum class TRowTest : uint8_t { Always, AtLeast, AtMost, Equal, InList };

struct TCriterion {
  TRowField Field;
  bool AsNumber;  // read as a decimal number, else as an integer
  TRowTest Test;
  long double Default;  // what AtLeast and AtMost take for a field they cannot read
};

constexpr long double NoDepth = 65535;

// One entry per TLevelMode, in its order.
constexpr TCriterion Criteria[LevelModeCount] = {
    {TRowField::None, false, TRowTest::Always, 0},                  // LNO
    {TRowField::Depth, false, TRowTest::AtLeast, 0},                // LMV
    {TRowField::DepthPercent, true, TRowTest::AtLeast, 0},          // LMP
    {TRowField::Depth, false, TRowTest::AtMost, NoDepth},           // LLV
    {TRowField::DepthPercent, true, TRowTest::AtMost, NoDepth},     // LLP
    {TRowField::Depth, false, TRowTest::InList, 0},                 // LDV
    {TRowField::DepthPercent, true, TRowTest::InList, 0},           // LDP
    {TRowField::Deviation, false, TRowTest::AtLeast, 0},            // DMV
    {TRowField::DeviationPercent, true, TRowTest::AtLeast, 0},      // DMP
    {TRowField::Deviation, false, TRowTest::AtMost, NoDepth},       // DLV
    {TRowField::DeviationPercent, true, TRowTest::AtMost, NoDepth}, // DLP
    {TRowField::Deviation, false, TRowTest::InList, 0},             // DDV
    {TRowField::DeviationPercent, true, TRowTest::InList, 0},       // DDP
    {TRowField::Count, false, TRowTest::AtLeast, 0},                // CMV
    {TRowField::CountPercent, true, TRowTest::AtLeast, 0},          // CMP
    {TRowField::Count, false, TRowTest::AtMost, NoDepth},           // CLV
    {TRowField::CountPercent, true, TRowTest::AtMost, NoDepth},     // CLP
    {TRowField::Count, false, TRowTest::InList, 0},                 // CDV
    {TRowField::CountPercent, true, TRowTest::InList, 0},           // CDP
    {TRowField::Weight, true, TRowTest::AtLeast, 0},                // WMV
    {TRowField::Weight, true, TRowTest::AtMost, 0},                 // WLV
    {TRowField::Weight, true, TRowTest::Equal, 0},                  // WDV
    {TRowField::PeriodMin, false, TRowTest::AtLeast, 0},            // PIM
    {TRowField::PeriodMin, false, TRowTest::AtMost, NoDepth},       // PIL
    {TRowField::PeriodMin, false, TRowTest::Equal, 0},              // PIR
    {TRowField::Period, true, TRowTest::AtLeast, 0},                // PAM
    {TRowField::Period, true, TRowTest::AtMost, 0},                 // PAL
    {TRowField::Period, true, TRowTest::Equal, 0},                  // PAR
    {TRowField::PeriodMax, false, TRowTest::AtLeast, 0},            // PXM
    {TRowField::PeriodMax, false, TRowTest::AtMost, NoDepth},       // PXL
    {TRowField::PeriodMax, false, TRowTest::Equal, 0},              // PXR
    {TRowField::Key, false, TRowTest::InList, 0},                   // LVA
};

const std::string& FieldText(const TStatValues& row, TRowField field) {
  switch (field) {
    case TRowField::Count: return row.Count;
    case TRowField::CountPercent: return row.CountPercent;
    case TRowField::Deviation: return row.Deviation;
    case TRowField::DeviationPercent: return row.DeviationPercent;
    case TRowField::Depth: return row.Depth;
    case TRowField::DepthPercent: return row.DepthPercent;
    case TRowField::Weight: return row.Weight;
    case TRowField::PeriodMin: return row.PeriodMin;
    case TRowField::Period: return row.Period;
    case TRowField::PeriodMax: return row.PeriodMax;
    default: return row.Value;
  }
}

std::optional<long double> ReadField(const TStatValues& row, int32_t valueKey, const TCriterion& c) {
  if (c.Field == TRowField::Key) return valueKey;
  const std::string& text = FieldText(row, c.Field);
  if (c.AsNumber) return RowFieldAsNumber(text);
  if (std::optional<int32_t> value = RowFieldAsInteger(text)) return *value;
  return std::nullopt;
}

// SV, SP and ST, which both selection modes test on every row walked.
bool RowStopReached(const TFilterPart& part, const TStatValues& row, int steps) {
  long double value;
  switch (part.StopMode) {
    case TStopMode::SV: value = RowFieldAsInteger(row.Count).value_or(0); break;
    case TStopMode::SP: value = RowFieldAsNumber(row.CountPercent).value_or(0); break;
    case TStopMode::ST: return steps >= part.StopValue;
    default: return false;
  }
  return part.BottomUp ? value >= part.StopValue : value <= part.StopValue;
}

}  // namespace

std::optional<int32_t> RowFieldAsInteger(const std::string& text) {
  int32_t value;
  if (TextToInt(text, value)) return value;
  return std::nullopt;
}

std::optional<long double> RowFieldAsNumber(const std::string& text) {
  long double value;
  if (TextToFloat(FormatSettings(), Trim(text), value)) return value;
  return std::nullopt;
}

bool RowMeetsCriterion(const TStatValues& row, int32_t valueKey, TLevelMode mode, const std::string& levelValue) {
  const auto index = static_cast<size_t>(mode);
  if (index >= std::size(Criteria)) return false;
  const TCriterion& c = Criteria[index];
  if (c.Test == TRowTest::Always) return true;
  const std::optional<long double> field = ReadField(row, valueKey, c);
  if (c.Test == TRowTest::InList) {
    if (!field)
      throw KavrinError(Format("Значение \"%s\" в списке статистики не является числом!", {FieldText(row, c.Field)}));
    const TIntArray values = TextToIntList(levelValue);
    return std::find(values.begin(), values.end(), *field) != values.end();
  }
  const long double v = NumberFromText(levelValue);
  switch (c.Test) {
    case TRowTest::AtLeast: return field.value_or(c.Default) >= v;
    case TRowTest::AtMost: return field.value_or(c.Default) <= v;
    // An unreadable field equals no value.
    default: return field && *field == v;
  }
}

std::string RowLogText(const TStatValues& row) {
  return Format("< [%s] кол-во: %s (%s %%), отклонение: %s (%s %%), глубина: %s (%s %%), вес: %s >",
                {row.Value, row.Count, row.CountPercent, row.Deviation, row.DeviationPercent, row.Depth,
                 row.DepthPercent, row.Weight});
}

std::vector<size_t> WalkOrder(size_t rows, bool bottomUp) {
  std::vector<size_t> order(rows);
  for (size_t i = 0; i < rows; ++i) order[i] = bottomUp ? rows - 1 - i : i;
  return order;
}

int ExtendedStakeLimit(int32_t stopValue, int maxStake) {
  return stopValue >= 6 && stopValue <= maxStake ? stopValue : maxStake;
}

TMultiSelection SelectRows(const TStatTable& table, const TCustomStat& stat, const TFilterPart& part,
                           const std::function<bool()>& stopped) {
  TMultiSelection selection;
  int steps = 0;
  for (size_t row : WalkOrder(table.Rows.size(), part.BottomUp)) {
    if (stopped && stopped()) {
      selection.Stopped = true;
      break;
    }
    const TStatValues values = table.RowText(row);
    const int32_t key = stat.ListValue(values.Value);
    if (RowStopReached(part, values, steps)) break;
    if (RowMeetsCriterion(values, key, part.LevelMode, part.LevelValue)) selection.Rows.push_back({row, steps + 1});
    ++steps;
  }
  return selection;
}

void WalkSingle(const TStatTable& table, const TCustomStat& stat, const TFilterPart& part, int maxStake,
                const TSingleWalkHooks& hooks) {
  int steps = 0;
  for (size_t row : WalkOrder(table.Rows.size(), part.BottomUp)) {
    if (hooks.Stopped()) return;
    const TStatValues values = table.RowText(row);
    const int32_t key = stat.ListValue(values.Value);
    switch (part.StopMode) {
      case TStopMode::SC:
        if (hooks.ListCount() <= part.StopValue) return;
        break;
      case TStopMode::SE:
        if (hooks.AtMostDistinctNumbers(ExtendedStakeLimit(part.StopValue, maxStake)) || hooks.ListCount() <= 1)
          return;
        break;
      default:
        if (RowStopReached(part, values, steps)) return;
    }
    if (!RowMeetsCriterion(values, key, part.LevelMode, part.LevelValue)) continue;
    if (hooks.Filter({row, steps + 1}))
      ++steps;
    else if (part.StopMode == TStopMode::SZ)
      return;
  }
}

}  // namespace kavrin
