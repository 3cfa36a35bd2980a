// Values, pre-filled rows, row texts, matching and entries of the channel, matrix and segment
// methods under several channel sizes, matrix widths and segment maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "stats/stats_fixture.h"

namespace kavrin {
namespace {

using test::Comb;
using test::MakeDraws;
using test::StatsFixture;
using test::ValueOf;

struct TGroupConfig {
  int channelSize = 5;
  int cols = 5;
  std::string segments;  // the configuration text; empty: every number in segment 1
};

// A fixture over `rows` whose registry has the configuration and entries built for it.
struct Configured : StatsFixture {
  Configured(const std::vector<TComb>& rows, const TGroupConfig& config, int firstNumber = 1)
      : StatsFixture(MakeDraws(rows, firstNumber)) {
    list.Config.ChannelSize = config.channelSize;
    list.Config.MatrixCols = config.cols;
    list.Config.MatrixSegments = SegmentsFromText(config.segments);
    list.BuildMethods();
  }
};

using TTexts = std::vector<std::pair<std::string, int>>;

// The rows one draw added to, as (row text, count), sorted.
TTexts AddedByOneDraw(const std::string& code, const TComb& draw, bool sorted, const TGroupConfig& config) {
  Configured f({draw}, config, 77);
  auto stat = f.Create(code);
  TTexts seen;
  for (const TStatDrawRec& e : f.Run(code, 1, 0, sorted).Items)
    if (e.Count > 0) {
      seen.push_back({stat->ValueText(e), e.Count});
      EXPECT_EQ(e.LastDraw, 77);
      EXPECT_EQ(e.Depth, 1);
    }
  std::sort(seen.begin(), seen.end());
  return seen;
}

struct ValueCase {
  std::string code;
  TComb draw;
  bool sorted;
  TTexts values;
  TGroupConfig config = {};
};

const TGroupConfig Cols7{5, 7, ""};
const TGroupConfig Size7{7, 5, ""};
// Numbers 1..10 in segment 2, 11..50 in segment 5.
const TGroupConfig TwoAndFive{5, 5, "2222222222" + std::string(40, '5')};

TEST(GroupMethodValues, OneDrawAddsTheDescribedValues) {
  const ValueCase cases[] = {
      // channels
      {"CHAN", Comb(1, 2, 3, 4, 5), false, {{"01 [1-5]", 5}}},
      {"CHAN", Comb(23, 2, 3, 50, 49), false, {{"01 [1-5]", 2}, {"05 [21-25]", 1}, {"10 [46-50]", 2}}},
      {"CHAN", Comb(50, 1, 7, 8, 14), false, {{"08 [50-56]", 1}, {"01 [1-7]", 2}, {"02 [8-14]", 2}}, Size7},
      {"CHNV", Comb(1, 2, 3, 4, 5), false,
       {{"01 [1-5] x 5", 1}, {"02 [6-10] x 0", 1}, {"03 [11-15] x 0", 1}, {"04 [16-20] x 0", 1},
        {"05 [21-25] x 0", 1}, {"06 [26-30] x 0", 1}, {"07 [31-35] x 0", 1}, {"08 [36-40] x 0", 1},
        {"09 [41-45] x 0", 1}, {"10 [46-50] x 0", 1}}},
      {"CHNC", Comb(1, 6, 11, 16, 21), false, {{"5", 1}}},
      {"CHNC", Comb(1, 2, 11, 12, 30), false, {{"3", 1}}},
      {"CHN3", Comb(11, 12, 15, 16, 40), false, {{"3", 1}}},
      {"CHN9", Comb(11, 12, 15, 16, 40), false, {{"0", 1}}},
      {"CHN8", Comb(50, 12, 15, 16, 40), false, {{"1", 1}}, Size7},
      {"KCM2", Comb(1, 2, 11, 12, 30), false, {{"1:1", 1}, {"1:3", 4}, {"1:6", 2}, {"3:3", 1}, {"3:6", 2}}},
      {"KCM4", Comb(1, 2, 11, 12, 30), false, {{"1:1:3:3", 1}, {"1:1:3:6", 2}, {"1:3:3:6", 2}}},
      {"KCS2", Comb(1, 2, 11, 12, 30), false, {{"1:1", 1}, {"1:3", 1}, {"3:3", 1}, {"3:6", 1}}},
      // drawn order 30 1 12 2 11 is channels 6 1 3 1 3
      {"KCS2", Comb(30, 1, 12, 2, 11), false, {{"6:1", 1}, {"1:3", 2}, {"3:1", 1}}},
      {"KCS2", Comb(30, 1, 12, 2, 11), true, {{"1:1", 1}, {"1:3", 1}, {"3:3", 1}, {"3:6", 1}}},
      {"KCS3", Comb(30, 1, 12, 2, 11), false, {{"6:1:3", 1}, {"1:3:1", 1}, {"3:1:3", 1}}},
      {"KCS4", Comb(1, 2, 11, 12, 30), false, {{"1:1:3:3", 1}, {"1:3:3:6", 1}}},
      // matrix of 5 columns: 1 6 22 23 50 lie in columns 1 1 2 3 5 and rows 1 2 5 5 10
      {"COLS", Comb(1, 6, 22, 23, 50), false, {{"1", 2}, {"2", 1}, {"3", 1}, {"5", 1}}},
      {"ROWS", Comb(1, 6, 22, 23, 50), false, {{"1", 1}, {"2", 1}, {"5", 2}, {"10", 1}}},
      {"COLV", Comb(1, 6, 22, 23, 50), false, {{"1 x 2", 1}, {"2 x 1", 1}, {"3 x 1", 1}, {"4 x 0", 1}, {"5 x 1", 1}}},
      {"COLN", Comb(1, 6, 22, 23, 50), false, {{"4", 1}}},
      {"ROWN", Comb(1, 6, 22, 23, 50), false, {{"4", 1}}},
      {"COLM", Comb(1, 2, 7, 13, 19), false, {{"11110 (030)", 1}}},
      {"ROWM", Comb(1, 6, 22, 23, 50), false, {{"1100100001 (801)", 1}}},
      {"COLA", Comb(1, 6, 11, 30, 40), false, {{"1 x 3", 1}}},
      {"COLA", Comb(1, 6, 22, 23, 50), false, {{"1 x 2", 1}}},
      {"ROWA", Comb(1, 6, 22, 23, 50), false, {{"5 x 2", 1}}},
      {"ROWA", Comb(22, 24, 23, 1, 2), false, {{"5 x 3", 1}, {"1 x 2", 1}}},
      {"COLC", Comb(1, 6, 11, 30, 40), false, {{"1", 1}}},
      {"COLC", Comb(1, 3, 5, 30, 40), false, {{"0", 1}}},
      {"ROWC", Comb(22, 24, 23, 1, 2), false, {{"2", 1}}},
      {"COL1", Comb(1, 6, 11, 30, 40), false, {{"3", 1}}},
      {"ROW5", Comb(1, 6, 22, 23, 50), false, {{"2", 1}}},
      {"KFM2", Comb(1, 6, 22, 23, 50), false,
       {{"1:1", 1}, {"1:2", 2}, {"1:3", 2}, {"1:5", 2}, {"2:3", 1}, {"2:5", 1}, {"3:5", 1}}},
      {"KFS2", Comb(23, 1, 50, 6, 22), false, {{"3:1", 1}, {"1:5", 1}, {"5:1", 1}, {"1:2", 1}}},
      {"KRS3", Comb(1, 6, 22, 23, 50), false, {{"1:2:5", 1}, {"2:5:5", 1}, {"5:5:10", 1}}},
      {"KRM4", Comb(1, 6, 22, 23, 50), false,
       {{"1:2:5:5", 1}, {"1:2:5:10", 2}, {"1:5:5:10", 1}, {"2:5:5:10", 1}}},
      // 7 columns: 8 rows, the last holding only 50 (column 1)
      {"ROWS", Comb(50, 43, 7, 8, 1), false, {{"8", 1}, {"7", 1}, {"1", 2}, {"2", 1}}, Cols7},
      {"COLS", Comb(50, 43, 7, 8, 1), false, {{"1", 4}, {"7", 1}}, Cols7},
      {"ROW8", Comb(50, 43, 7, 8, 1), false, {{"1", 1}}, Cols7},
      {"COLA", Comb(50, 43, 7, 8, 1), false, {{"1 x 3", 1}}, Cols7},
      {"COLM", Comb(50, 43, 7, 8, 1), false, {{"1000001 (065)", 1}}, Cols7},
      // segments
      {"SGMS", Comb(1, 2, 30, 40, 50), false, {{"1", 5}}},
      {"SGMS", Comb(1, 2, 30, 40, 50), false, {{"2", 2}, {"5", 3}}, TwoAndFive},
      {"SGMV", Comb(1, 2, 30, 40, 50), false, {{"2 x 2", 1}, {"5 x 3", 1}}, TwoAndFive},
      {"SGMV", Comb(11, 12, 30, 40, 50), false, {{"2 x 0", 1}, {"5 x 5", 1}}, TwoAndFive},
      {"SGMC", Comb(1, 2, 30, 40, 50), false, {{"2", 1}}, TwoAndFive},
      {"SGM2", Comb(1, 2, 30, 40, 50), false, {{"2", 1}}, TwoAndFive},
      {"SGM3", Comb(1, 2, 30, 40, 50), false, {{"0", 1}}, TwoAndFive},
      {"KGM2", Comb(1, 30, 2, 40, 50), false,
       {{"2:5", 5}, {"2:2", 1}, {"5:2", 1}, {"5:5", 3}}, TwoAndFive},
      {"KGS2", Comb(1, 30, 2, 40, 50), false, {{"2:5", 2}, {"5:2", 1}, {"5:5", 1}}, TwoAndFive},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.code + " " + CombToText(c.draw) + (c.sorted ? " sorted" : ""));
    TTexts expected = c.values;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(AddedByOneDraw(c.code, c.draw, c.sorted, c.config), expected);
  }
}

std::vector<std::string> RowTexts(const std::string& code, const TComb& draw, const TGroupConfig& config = {}) {
  Configured f({draw}, config);
  auto stat = f.Create(code);
  std::vector<std::string> texts;
  for (const TStatDrawRec& e : f.Run(code).Items) texts.push_back(stat->ValueText(e));
  return texts;
}

using TStrings = std::vector<std::string>;

TEST(GroupMethodValues, PrefilledRowsFollowTheConfiguration) {
  const TComb draw = Comb(1, 2, 3, 4, 5);
  EXPECT_EQ(RowTexts("CHAN", draw).size(), 10u);
  EXPECT_EQ(RowTexts("CHAN", draw, Size7).back(), "08 [50-56]");
  const TStrings chnv = RowTexts("CHNV", Comb(1, 2, 3, 4, 9));  // adds 01 x 4 and 02 x 1 to the 60
  ASSERT_EQ(chnv.size(), 60u);
  EXPECT_EQ(chnv[0], "01 [1-5] x 0");
  EXPECT_EQ(chnv[59], "10 [46-50] x 5");
  EXPECT_EQ(RowTexts("CHNV", draw, {3, 5, ""}).size(), 17u * 4);  // counts 0..3 of 17 channels
  EXPECT_EQ(RowTexts("CHNC", draw), (TStrings{"1", "2", "3", "4", "5"}));
  // With channels of 3 the larger counts occur without being pre-filled.
  EXPECT_EQ(RowTexts("CHNC", Comb(1, 10, 20, 30, 40), {3, 5, ""}), (TStrings{"1", "2", "3", "5"}));
  EXPECT_EQ(RowTexts("CHN1", draw), (TStrings{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(RowTexts("CHN2", draw, Size7), (TStrings{"1", "2", "3", "4", "5", "6", "7", "0"}));

  EXPECT_EQ(RowTexts("COLS", draw, Cols7), (TStrings{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(RowTexts("ROWS", draw, Cols7).size(), 8u);
  EXPECT_EQ(RowTexts("COLV", draw).size(), 5u * 6);
  EXPECT_EQ(RowTexts("ROWV", draw).size(), 10u * 6);
  EXPECT_EQ(RowTexts("ROWV", draw, {5, 3, ""}).size(), 17u * 4);  // rows of 3 columns hold 0..3
  EXPECT_EQ(RowTexts("COLN", draw, {5, 3, ""}), (TStrings{"1", "2", "3"}));
  EXPECT_EQ(RowTexts("ROWN", draw), (TStrings{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(RowTexts("COL1", Comb(2, 3, 4, 5, 7)), (TStrings{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "0"}));
  EXPECT_EQ(RowTexts("ROW1", draw, {5, 3, ""}), (TStrings{"1", "2", "3"}));
  EXPECT_EQ(RowTexts("COLM", draw), TStrings{"11111 (031)"});
  EXPECT_TRUE(RowTexts("COLA", Comb(1, 3, 5, 30, 40)).empty());
  EXPECT_EQ(RowTexts("COLC", Comb(1, 3, 5, 30, 40)), TStrings{"0"});

  // A map of segments 5, 2 and 9 in that order of first use.
  const TGroupConfig map{5, 5, "5522" + std::string(44, '9') + "22"};
  EXPECT_EQ(RowTexts("SGMS", draw, map), (TStrings{"5", "2", "9"}));
  EXPECT_EQ(RowTexts("SGMV", Comb(1, 2, 3, 4, 49), map), (TStrings{"5 x 2", "2 x 3", "9 x 0"}));
  EXPECT_EQ(RowTexts("SGMC", draw, map), TStrings{"3"});
  EXPECT_EQ(RowTexts("SGM9", draw, map), TStrings{"1"});
  // The default map puts every number in segment 1.
  EXPECT_EQ(RowTexts("SGMS", draw), TStrings{"1"});
  EXPECT_EQ(RowTexts("SGMV", draw), TStrings{"1 x 5"});
}

TEST(GroupMethodValues, AValueGivenTwiceInADrawMeasuresOnePeriod) {
  // Channel 1 (and the pair 1:1) occurs in draws 100, 101, twice in 102, and in 110.
  StatsFixture f(MakeDraws({Comb(1, 20, 30, 40, 45), Comb(2, 20, 30, 40, 45), Comb(1, 2, 30, 40, 45),
                            Comb(3, 20, 30, 40, 45)}, 100));
  f.draws[3].Number = 110;
  const TStatDrawRec channel = ValueOf(f.Run("CHAN").Items, MakeStatKey(1));
  EXPECT_EQ(channel.Count, 5);
  EXPECT_EQ(channel.PeriodMin, 1);
  EXPECT_EQ(channel.PeriodMax, 8);
  EXPECT_EQ(channel.LastDraw, 110);

  StatsFixture g(MakeDraws({Comb(1, 2, 30, 40, 45), Comb(1, 3, 30, 40, 45), Comb(1, 2, 3, 4, 45)}, 100));
  g.draws[2].Number = 105;
  const TStatDrawRec pair = ValueOf(g.Run("KCM2").Items, MakeStatKey(1, 1));
  EXPECT_EQ(pair.Count, 1 + 1 + 6);
  EXPECT_EQ(pair.PeriodMin, 1);
  EXPECT_EQ(pair.PeriodMax, 4);
}

TEST(GroupMethodValues, GraphValuesOfCombinations) {
  struct Case {
    std::string code;
    TComb comb;
    int32_t value;
    TGroupConfig config = {};
  } cases[] = {
      {"CHNC", Comb(1, 6, 11, 16, 21), 5},         {"CHNC", Comb(1, 2, 3, 4, 5), 1},
      {"CHN3", Comb(11, 15, 16, 1, 14), 3},        {"CHN1", Comb(1, 2, 3, 7, 8), 4, Size7},
      {"COLN", Comb(1, 6, 22, 23, 50), 4},         {"ROWN", Comb(1, 2, 3, 4, 50), 2},
      {"COLC", Comb(1, 6, 11, 2, 7), 2},           {"ROWC", Comb(1, 6, 11, 2, 7), 2},
      {"COL2", Comb(2, 9, 16, 1, 50), 3, Cols7},   {"ROW8", Comb(2, 9, 16, 1, 50), 1, Cols7},
      {"SGMC", Comb(1, 2, 30, 40, 50), 2, TwoAndFive}, {"SGM5", Comb(1, 2, 30, 40, 50), 3, TwoAndFive},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Configured f({Comb(1, 2, 3, 4, 5)}, c.config);
    auto stat = f.Create(c.code);
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*stat).CombinationValue(c.comb, 1, 0, false), c.value);
  }
}

TStatDrawRec Key(uint16_t k1, uint16_t k2 = 0, uint16_t k3 = 0, uint16_t k4 = 0) {
  TStatDrawRec rec;
  rec.SetKey(MakeStatKey(k1, k2, k3, k4));
  return rec;
}

TEST(GroupMethodMatches, SelectedValuesOfTheDescriptions) {
  struct Case {
    std::string code;
    TStatDrawArray selected;
    TComb comb;
    bool matches;
    TGroupConfig config = {};
  } cases[] = {
      {"CHAN", {Key(3)}, Comb(1, 2, 3, 4, 11), true},
      {"CHAN", {Key(3)}, Comb(1, 2, 3, 4, 16), false},
      {"CHAN", {Key(0x0103)}, Comb(1, 2, 3, 4, 11), true},  // compared on the low byte
      {"COLS", {Key(0x0103)}, Comb(1, 2, 3, 4, 11), false},  // compared on the word
      {"COLS", {Key(3)}, Comb(1, 2, 3, 4, 11), true},
      {"CHNV", {Key(4, 0)}, Comb(1, 2, 3, 4, 11), true},  // channel 4 is empty
      {"CHNV", {Key(4, 0)}, Comb(1, 2, 3, 4, 16), false},
      {"CHNV", {Key(1, 4)}, Comb(1, 2, 3, 4, 16), true},
      {"CHNV", {Key(1, 4, 1)}, Comb(1, 2, 3, 4, 16), false},  // all four words compared
      {"CHNC", {Key(2)}, Comb(1, 2, 3, 4, 16), true},
      {"CHN4", {Key(1)}, Comb(1, 2, 3, 4, 16), true},
      {"CHN4", {Key(0)}, Comb(1, 2, 3, 4, 16), false},
      {"KCM2", {Key(1, 4)}, Comb(1, 2, 3, 4, 16), true},
      {"KCM2", {Key(4, 1)}, Comb(1, 2, 3, 4, 16), false},  // the pair in position order
      {"KCM2", {Key(4, 1)}, Comb(16, 2, 3, 4, 1), true},
      {"KCS3", {Key(1, 1, 4)}, Comb(1, 2, 3, 4, 16), true},
      {"KCS3", {Key(1, 1, 4)}, Comb(16, 1, 2, 3, 4), false},
      {"COLV", {Key(5, 0)}, Comb(1, 2, 3, 4, 6), true},
      {"COLV", {Key(1, 2)}, Comb(1, 2, 3, 4, 6), true},
      {"COLV", {Key(1, 1)}, Comb(1, 2, 3, 4, 6), false},
      {"COLV", {Key(6, 0)}, Comb(1, 2, 3, 4, 6), false},  // no sixth column
      {"COLV", {Key(8, 0)}, Comb(1, 2, 3, 4, 15), true, {5, 10, ""}},  // an empty column of ten
      {"COLM", {Key(30)}, Comb(1, 2, 7, 13, 19), true},
      {"COLM", {Key(30, 1)}, Comb(1, 2, 7, 13, 19), false},
      {"ROWM", {Key(512 + 256)}, Comb(1, 2, 7, 3, 6), true},
      {"COLA", {Key(1, 3)}, Comb(1, 6, 11, 30, 40), true},
      {"COLA", {Key(1, 2)}, Comb(1, 6, 11, 30, 40), false},
      {"ROWA", {Key(1, 2)}, Comb(1, 2, 4, 30, 40), true},
      {"COLC", {Key(0)}, Comb(1, 3, 5, 30, 40), true},
      {"COL5", {Key(2)}, Comb(1, 3, 5, 30, 41), true},
      {"KRM2", {Key(8, 1)}, Comb(50, 1, 2, 3, 4), true, Cols7},
      {"KFS2", {Key(1, 1)}, Comb(50, 1, 2, 3, 4), true, Cols7},
      {"SGMS", {Key(5)}, Comb(1, 2, 3, 4, 30), true, TwoAndFive},
      {"SGMS", {Key(5)}, Comb(1, 2, 3, 4, 5), false, TwoAndFive},
      {"SGMV", {Key(5, 0)}, Comb(1, 2, 3, 4, 5), true, TwoAndFive},
      {"SGM2", {Key(5)}, Comb(1, 2, 3, 4, 5), true, TwoAndFive},
      {"KGS2", {Key(2, 5)}, Comb(1, 2, 3, 4, 30), true, TwoAndFive},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.code + " " + CombToText(c.comb));
    Configured f({Comb(1, 2, 3, 4, 5)}, c.config);
    auto stat = f.Create(c.code);
    stat->LoadDraws(-1, 0, false);
    EXPECT_EQ(stat->Matches(c.comb, c.selected, false, false, 0), c.matches);
    EXPECT_EQ(stat->PrepareMatches(c.selected, false, false, 0)->Matches(c.comb), c.matches);
  }
}

TEST(GroupMethodTexts, ValuesFromTypedTexts) {
  Configured f({}, {5, 7, ""});
  EXPECT_EQ(f.Create("CHAN")->ValueFromText("03 [11-15]"), 3);
  EXPECT_EQ(f.Create("CHAN")->ValueFromText("  10 [46-50]"), 10);
  EXPECT_EQ(f.Create("CHAN")->ValueFromText("x [1-5]"), 0);
  EXPECT_EQ(f.Create("CHAN")->ListValue("7"), 7);
  EXPECT_EQ(f.Create("CHNV")->ListValue("7"), 0);  // no value list
  EXPECT_EQ(f.Create("KCM2")->ListValue("7"), 0);
  EXPECT_EQ(f.Create("COLM")->ValueFromText("1000001 (065)"), 65);
  EXPECT_EQ(f.Create("COLM")->ValueFromText("11"), 96);  // the missing lines are empty
  EXPECT_EQ(f.Create("ROWM")->ValueFromText("00000001"), 1);
  EXPECT_EQ(f.Create("COLS")->ValueFromText("6"), 6);
}

TEST(GroupMethodEntries, IndexRangesFollowTheConfiguration) {
  auto codes = [](const TGroupConfig& config, const std::string& prefix) {
    Configured f({}, config);
    TStrings found;
    for (int i = 0; i < f.list.Count(); ++i) {
      const std::string code = f.list.Items(i).Code();
      if (code.rfind(prefix, 0) == 0 && code.size() > prefix.size() && std::isdigit(code[prefix.size()]))
        found.push_back(code);
    }
    return found;
  };
  EXPECT_EQ(codes({}, "CHN").size(), 10u);
  EXPECT_EQ(codes(Size7, "CHN"), (TStrings{"CHN1", "CHN2", "CHN3", "CHN4", "CHN5", "CHN6", "CHN7", "CHN8"}));
  EXPECT_EQ(codes({50, 5, ""}, "CHN"), TStrings{"CHN1"});
  EXPECT_TRUE(codes({0, 5, ""}, "CHN").empty());
  EXPECT_EQ(codes(Cols7, "COL").size(), 7u);
  EXPECT_EQ(codes(Cols7, "ROW").back(), "ROW8");
  EXPECT_TRUE(codes({5, 0, ""}, "COL").empty());
  EXPECT_TRUE(codes({5, 0, ""}, "ROW").empty());
  EXPECT_EQ(codes({}, "SGM"), TStrings{"SGM1"});
  EXPECT_EQ(codes(TwoAndFive, "SGM"), (TStrings{"SGM2", "SGM3", "SGM4", "SGM5"}));

  StatsFixture f;
  auto text = [&](const std::string& code) { return f.list.MethodListText(f.list.FindCode(code), true); };
  EXPECT_EQ(text("CHAN"), "{ grp } Каналы [ N ]");
  EXPECT_EQ(text("CHN3"), "{ grp } Количество чисел в 3 канале [ NG ]");
  EXPECT_EQ(text("KCS4"), "{ grp } Сочетания из 4 каналов по соседним числам [ S ]");
  EXPECT_EQ(text("ROWC"), "{ mtx } Количество строк матрицы со смежными числами [ NG ]");
  EXPECT_EQ(text("KFM3"), "{ mtx } Сочетания из 3 столбцов по всем числам тиража [ S ]");
  EXPECT_EQ(text("KRS2"), "{ mtx } Сочетания из 2 строк по соседним числам [ S ]");
  EXPECT_EQ(text("COL2"), "{ mtx } Количество чисел в 2 столбце матрицы [ NG ]");
  EXPECT_EQ(text("SGMV"), "{ sgm } Количество чисел в сегменте матрицы [ N ]");
  EXPECT_EQ(text("KGM2"), "{ sgm } Сочетания из 2 сегментов по всем числам тиража [ S ]");
  auto help = [&](const std::string& code) {
    return f.list.Items(f.list.FindCode(code)).MethodClass->HelpCodeFormat();
  };
  EXPECT_EQ(help("CHN3"), "CHNx");
  EXPECT_EQ(help("COL2"), "COLx");
  EXPECT_EQ(help("ROW4"), "ROWx");
  EXPECT_EQ(help("SGM1"), "SGMx");
  EXPECT_EQ(help("KCM2"), "KCM2");
}

TEST(GroupMethodEntries, AMethodKeepsTheConfigurationOfItsCreation) {
  Configured f({Comb(1, 2, 3, 4, 50)}, {});
  auto stat = f.Create("CHAN");
  f.list.Config.ChannelSize = 7;
  TStatResult r = CalculateStatistics(*stat, StatWindow(1, 0, 1), false, nullptr, f.list.Config.Weights);
  EXPECT_EQ(r.Items.size(), 10u);
  EXPECT_EQ(ValueOf(r.Items, MakeStatKey(10)).Count, 1);
}

}  // namespace
}  // namespace kavrin
