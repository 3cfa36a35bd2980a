#include <gtest/gtest.h>

#include <vector>

#include "core/errors.h"
#include "core/format.h"
#include "scenarios/selection.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

TStatValues Row(std::string count, std::string countPercent, std::string depth) {
  TStatValues row;
  row.Value = "7";
  row.Count = std::move(count);
  row.CountPercent = std::move(countPercent);
  row.Deviation = "-3";
  row.DeviationPercent = "-2.50000";
  row.Depth = std::move(depth);
  row.DepthPercent = "40.00";
  row.Weight = "2.00";
  row.PeriodMin = "2";
  row.Period = "6.2500";
  row.PeriodMax = "9";
  return row;
}

TEST(EngineCriterion, ReadsEachFieldAsItsCriterionSays) {
  const TStatValues full = Row("12", "5.00", "4");
  TStatValues never = Row("0", "0.00000", "-");
  never.DepthPercent = never.Weight = never.PeriodMin = never.Period = never.PeriodMax = "-";
  struct Case {
    TLevelMode mode;
    std::string value;
    bool onFull, onNever;
  };
  const Case cases[] = {
      {TLevelMode::LNO, "", true, true},
      {TLevelMode::LMV, "4", true, false},   // an unread depth is 0
      {TLevelMode::LMV, "5", false, false},
      {TLevelMode::LLV, "4", true, false},   // ... and 65535 for an upper bound
      {TLevelMode::LLV, "65535", true, true},
      {TLevelMode::LMP, "40", true, false},
      {TLevelMode::DMV, "-3", true, true},
      {TLevelMode::DLV, "-4", false, false},
      {TLevelMode::CMP, "5", true, false},
      {TLevelMode::CLP, "5", true, true},
      {TLevelMode::CDP, "4,5", true, false},  // 5.00 equals the integer 5
      {TLevelMode::CDV, "1,12", true, false},
      {TLevelMode::WMV, "2", true, false},
      {TLevelMode::WLV, "0", false, true},    // an unread weight is 0
      {TLevelMode::WDV, "2", true, false},
      {TLevelMode::WDV, "0", false, false},   // an unread field equals nothing
      {TLevelMode::PAR, "6", false, false},   // 6.25 equals no integer
      {TLevelMode::PIR, "2", true, false},
      {TLevelMode::PXM, "0", true, true},
      {TLevelMode::LVA, "3,7", true, true},   // the value key
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(LevelModeCode(c.mode) + ":" + c.value);
    EXPECT_EQ(RowMeetsCriterion(full, 7, c.mode, c.value), c.onFull);
    EXPECT_EQ(RowMeetsCriterion(never, 7, c.mode, c.value), c.onNever);
  }
}

TEST(EngineCriterion, ListCriterionOnAnUnreadableFieldFails) {
  const TStatValues row = Row("0", "0.00000", "-");
  EXPECT_THROW(RowMeetsCriterion(row, 0, TLevelMode::LDV, "1,2"), KavrinError);
  EXPECT_FALSE(RowMeetsCriterion(row, 0, TLevelMode::LMV, "1"));
}

TEST(EngineCriterion, NumbersFollowTheLocaleSeparator) {
  FormatSettings().DecimalSeparator = ",";
  const TStatValues row = Row("12", "5,00", "4");
  const bool read = RowMeetsCriterion(row, 0, TLevelMode::CDP, "5");
  FormatSettings().DecimalSeparator = ".";
  EXPECT_TRUE(read);
  EXPECT_EQ(RowFieldAsNumber("5.25"), 5.25L);
  EXPECT_EQ(RowFieldAsInteger("5.25"), std::nullopt);
}

TEST(EngineCriterion, LogTextOfARow) {
  EXPECT_EQ(RowLogText(Row("12", "5.00", "4")),
            "< [7] кол-во: 12 (5.00 %), отклонение: -3 (-2.50000 %), глубина: 4 (40.00 %), вес: 2.00 >");
}

// A table sorted by count descending: counts 9, 7, 5, 3, 1 for the values 1..5.
class EngineWalk : public ::testing::Test {
 protected:
  EngineWalk() {
    stats.SetDraws(draws);
    stats.BuildMethods();
    stat = stats.CreateStat(stats.FindCode("NUMS"));
    const int counts[] = {9, 7, 5, 3, 1};
    for (int i = 0; i < 5; ++i) {
      TStatTableRow row;
      row.Rec.Key1 = static_cast<uint16_t>(i + 1);
      row.Cells.fill("-");
      row.Cells[ColValue] = std::to_string(i + 1);
      row.Cells[ColCount] = std::to_string(counts[i]);
      row.Cells[ColCountPercent] = Format("%.5f", {counts[i] * 100.0L / 25});
      table.Rows.push_back(row);
    }
  }
  TFilterPart Part(TLevelMode level, const std::string& value, TStopMode stop, int stopValue, bool bottomUp = false) {
    TFilterPart part;
    part.Active = true;
    part.LevelMode = level;
    part.LevelValue = value;
    part.StopMode = stop;
    part.StopValue = stopValue;
    part.BottomUp = bottomUp;
    return part;
  }
  std::vector<size_t> Selected(const TFilterPart& part) {
    std::vector<size_t> rows;
    for (const TSelectedRow& row : SelectRows(table, *stat, part, nullptr).Rows) rows.push_back(row.Row);
    return rows;
  }

  TDrawsArray draws;
  TStatList stats;
  std::unique_ptr<TCustomStat> stat;
  TStatTable table;
};

TEST_F(EngineWalk, MultiSelectionStopsAndOrder) {
  using R = std::vector<size_t>;
  EXPECT_EQ(Selected(Part(TLevelMode::CMV, "4", TStopMode::SF, 0)), (R{0, 1, 2}));
  EXPECT_EQ(Selected(Part(TLevelMode::CMV, "4", TStopMode::SF, 0, true)), (R{2, 1, 0}));
  // SV ends the walk on the first row whose count is at most (top down) or at least (bottom up).
  EXPECT_EQ(Selected(Part(TLevelMode::LNO, "", TStopMode::SV, 5)), (R{0, 1}));
  EXPECT_EQ(Selected(Part(TLevelMode::LNO, "", TStopMode::SV, 5, true)), (R{4, 3}));
  EXPECT_EQ(Selected(Part(TLevelMode::LNO, "", TStopMode::SP, 27)), (R{0, 1}));  // 36 %, 28 %, 20 %
  // Every row walked is a step, chosen or not.
  EXPECT_EQ(Selected(Part(TLevelMode::CLV, "3", TStopMode::ST, 4)), (R{3}));
  // Stop modes of single selection do nothing here.
  EXPECT_EQ(Selected(Part(TLevelMode::LNO, "", TStopMode::SC, 1)).size(), 5u);

  const TMultiSelection steps = SelectRows(table, *stat, Part(TLevelMode::CLV, "5", TStopMode::SF, 0), nullptr);
  EXPECT_EQ(steps.Rows, (std::vector<TSelectedRow>{{2, 3}, {3, 4}, {4, 5}}));
  EXPECT_FALSE(steps.Stopped);
}

TEST_F(EngineWalk, MultiSelectionEndsOnARequestedStop) {
  int checks = 0;
  const TMultiSelection s =
      SelectRows(table, *stat, Part(TLevelMode::LNO, "", TStopMode::SF, 0), [&] { return ++checks > 2; });
  EXPECT_TRUE(s.Stopped);
  EXPECT_EQ(s.Rows.size(), 2u);
}

// A list of `count` combinations, each filter step taking away `taken` of them; a step that
// would take all is rolled back.
struct FakeList {
  int32_t count = 100;
  int32_t taken = 30;
  std::vector<TSelectedRow> steps;
  bool stop = false;
  TSingleWalkHooks Hooks() {
    TSingleWalkHooks hooks;
    hooks.Stopped = [this] { return stop; };
    hooks.ListCount = [this] { return count; };
    hooks.AtMostDistinctNumbers = [this](int limit) { return count / 10 <= limit; };
    hooks.Filter = [this](const TSelectedRow& row) {
      steps.push_back(row);
      if (count <= taken) return false;
      count -= taken;
      return true;
    };
    return hooks;
  }
};

TEST_F(EngineWalk, SingleSelectionStopModes) {
  struct Case {
    const char* name;
    TFilterPart part;
    int32_t count;
    size_t steps;
  };
  const Case cases[] = {
      {"SF walks every row", Part(TLevelMode::LNO, "", TStopMode::SF, 0), 10, 5},
      {"SC: the list count at most the value", Part(TLevelMode::LNO, "", TStopMode::SC, 45), 40, 2},
      {"SE: the distinct numbers at most 6..MaxStake", Part(TLevelMode::LNO, "", TStopMode::SE, 7), 70, 1},
      {"SE: other values mean MaxStake", Part(TLevelMode::LNO, "", TStopMode::SE, 3), 100, 0},
      {"SZ: the first emptying step ends the walk", Part(TLevelMode::LNO, "", TStopMode::SZ, 0), 10, 4},
      {"ST: only steps that left combinations count", Part(TLevelMode::LNO, "", TStopMode::ST, 2), 40, 2},
      {"SV", Part(TLevelMode::LNO, "", TStopMode::SV, 5), 40, 2},
      {"criterion", Part(TLevelMode::CMV, "5", TStopMode::SF, 0), 10, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeList list;
    WalkSingle(table, *stat, c.part, 11, list.Hooks());
    EXPECT_EQ(list.count, c.count);
    EXPECT_EQ(list.steps.size(), c.steps);
  }
}

TEST_F(EngineWalk, SingleSelectionNumbersOnlyKeptSteps) {
  FakeList list;
  list.count = 50;
  WalkSingle(table, *stat, Part(TLevelMode::LNO, "", TStopMode::SF, 0), 11, list.Hooks());
  // 50 -> 20, then every step would empty the list and is rolled back without a step number.
  EXPECT_EQ(list.steps, (std::vector<TSelectedRow>{{0, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}));

  FakeList stopped;
  stopped.stop = true;
  WalkSingle(table, *stat, Part(TLevelMode::LNO, "", TStopMode::SF, 0), 11, stopped.Hooks());
  EXPECT_TRUE(stopped.steps.empty());
}

TEST(EngineWalkHelpers, OrderAndExtendedStakeLimit) {
  EXPECT_EQ(WalkOrder(3, false), (std::vector<size_t>{0, 1, 2}));
  EXPECT_EQ(WalkOrder(3, true), (std::vector<size_t>{2, 1, 0}));
  EXPECT_EQ(ExtendedStakeLimit(6, 11), 6);
  EXPECT_EQ(ExtendedStakeLimit(11, 11), 11);
  EXPECT_EQ(ExtendedStakeLimit(5, 11), 11);
  EXPECT_EQ(ExtendedStakeLimit(12, 11), 11);
}

}  // namespace
}  // namespace kavrin
