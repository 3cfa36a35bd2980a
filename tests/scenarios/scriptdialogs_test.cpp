#include "scenarios/scriptdialogs.h"

#include <gtest/gtest.h>

#include "stats/statlist.h"

namespace kavrin {
namespace {

class ScriptDialogsTest : public ::testing::Test {
 protected:
  ScriptDialogsTest() {
    stats.SetDraws(draws);
    stats.BuildMethods();
  }
  TDrawsArray draws;
  TStatList stats;
};

TEST_F(ScriptDialogsTest, LineDialogOpensEmptyOrFromTheLine) {
  const TScriptLineDialogFields empty = LineDialogFields("", 4);
  EXPECT_EQ(empty.Options, (TLineOptions{4, TStartCombsType::FULL, TResultCombsMode::EXT, false, false}));
  EXPECT_EQ(empty.Filters, (std::array<std::string, ScriptFilterCount>{}));
  EXPECT_EQ(empty.Comment, "");

  const TScriptLineDialogFields line = LineDialogFields("EXCL:2#RAND#NEX| tsf1#sums:100 | | x | | | | |note", 4);
  EXPECT_EQ(line.Options, (TLineOptions{2, TStartCombsType::EXCL, TResultCombsMode::RAND, false, true}));
  EXPECT_EQ(line.Filters, (std::array<std::string, ScriptFilterCount>{"tsf1#sums:100", "", "x", "", "", "", ""}));
  EXPECT_EQ(line.Comment, "note");
  // OK keeps a filter typed by hand as typed.
  EXPECT_EQ(LineFromDialog(line), "EXCL:2#RAND#NEX|tsf1#sums:100| |x| | | | |note");
}

TEST_F(ScriptDialogsTest, FilterDialogStartsFromTheStatisticsTabOrTheFilter) {
  const TFilterMethod sums{stats.FindCode("SUMS"), "SUMS"};
  const TStatWeights current{1, -1, 1, true, false};
  const TFilterItem fresh = FilterDialogStart(TFilterItem{}, sums, 250, current);
  EXPECT_FALSE(fresh.Active);
  EXPECT_EQ(fresh.Method, sums);
  EXPECT_EQ(fresh.DrawsLenText, "250");
  EXPECT_EQ(fresh.SortColumn, 1);
  EXPECT_EQ(fresh.StopValue, 1);
  EXPECT_FALSE(fresh.CDLOverride);
  EXPECT_EQ(fresh.Weights, (TStatWeights{0, 0, 0, false, false}));
  EXPECT_EQ(FilterItemToText(FilterFromDialog(fresh)), "TSD1#SUMS:250#LNO:#SF:1");

  const TFilterItem own = FilterItemFromText("TSF2#NUMS:50#WMV:3#SF:1#2:3:4:0:1", stats);
  EXPECT_EQ(FilterDialogStart(own, sums, 250, current), own);
  TFilterItem plain = FilterItemFromText("TSF2#NUMS:50#WMV:3#SF:1", stats);
  EXPECT_EQ(FilterDialogStart(plain, sums, 250, current).Weights, current) << "the registry's weights are shown";

  const TFilterItem result = FilterFromDialog(own);
  EXPECT_TRUE(result.Active);
  EXPECT_EQ(result.MethodText, "");
  EXPECT_EQ(FilterItemToText(result), "TSF2#NUMS:50#WMV:3#SF:1#2:3:4:0:1");
}

TEST_F(ScriptDialogsTest, RatingKeysBecomeLines) {
  struct Case {
    const char* key;
    const char* line;
    bool hasFilters;
  };
  const Case cases[] = {
      {"03.002: note @ EXCL:1#RAND + TSF#SUMS:100#LMV:5#SF:1", "EXCL:1#RAND|TSF#SUMS:100#LMV:5#SF:1| | | | | | |03.002: note",
       true},
      {"01.000: @ FULL#ALL + TSF#A + TSF#B", "FULL#ALL|TSF#A|TSF#B| | | | | |01.000:", true},
      {"01.000: @ FULL#ALL", "FULL#ALL| | | | | | | |01.000:", false},
      {"Ручная ставка", "Ручная ставка| | | | | | | |", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const std::string line = ScriptLineFromStakeKey(c.key);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(ScriptLineHasFilters(line, stats), c.hasFilters);
  }
  // Read back, such a filter has the sort column 1 and the comment keeps the old prefix.
  const std::string line = ScriptLineFromStakeKey("03.002: note @ EXCL:1#RAND + TSF#SUMS:100#LMV:5#SF:1");
  EXPECT_EQ(FilterItemFromText(ScriptLineFilter(line, 1), stats).SortColumn, 1);
  EXPECT_EQ(ScriptLineComment(line), "03.002: note");
}

}  // namespace
}  // namespace kavrin
