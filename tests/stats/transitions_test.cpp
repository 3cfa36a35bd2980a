// Transitions between draws: the continuations of numbers, channels, segments and counts after
// draws like the window's last ones, on the examples of their descriptions and hand-checked
// archives, in drawn and in sorted order.
#include <gtest/gtest.h>

#include <tuple>

#include "core/config.h"
#include "stats/method_rows.h"

namespace kavrin {
namespace {

using test::Comb;
using test::CountedRows;
using test::MakeDraws;
using test::Rows;
using test::RowsOf;
using test::StatsFixture;
using test::Value;

// Segment n of 1..5 for the numbers 10n-9..10n.
std::array<uint8_t, NumberMax> TenSegments() {
  return SegmentsFromText("11111111112222222222333333333344444444445555555555");
}

TEST(TransitionMethods, EntriesCaptionsAndFeatures) {
  StatsFixture f;
  const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
      {"SDV2", "Переходы чисел между 2 тиражами без учета позиции", "D", "SDV2"},
      {"SDP2", "Переходы чисел между 2 тиражами с учетом позиции", "SD", "SDP2"},
      {"SDN3", "Переходы чисел между 2 тиражами в 3 позиции", "SD", "SDNx"},
      {"SDP3", "Переходы чисел между 3 тиражами с учетом позиции", "SD", "SDP3"},
      {"SDM5", "Переходы чисел между 3 тиражами в 5 позиции", "SD", "SDMx"},
      {"SCV2", "Переходы каналов между 2 тиражами без учета позиции", "D", "SCV2"},
      {"SCM1", "Переходы каналов между 3 тиражами в 1 позиции", "SD", "SCMx"},
      {"SC2C10", "Переходы кол-ва чисел в 10 канале между 2 тиражами", "D", "SC2Cx"},
      {"SC3C4", "Переходы кол-ва чисел в 4 канале между 3 тиражами", "D", "SC3Cx"},
      {"SDA2", "Переходы чисел в пределах каналов (все)", "D", "SDA2"},
      {"SDG2", "Переходы чисел в пределах каналов (N-M, удачные)", "D", "SDG2"},
      {"SDZ2", "Переходы чисел в пределах каналов (N-0, не удачные)", "D", "SDZ2"},
      {"SDC2", "Переходы чисел в пределах каналов (количество)", "D", "SDC2"},
      {"SSP2", "Переходы сегментов между 2 тиражами с учетом позиции", "SD", "SSP2"},
      {"SSN2", "Переходы сегментов между 2 тиражами в 2 позиции", "SD", "SSNx"},
      {"SS2C1", "Переходы кол-ва чисел в 1 сегменте между 2 тиражами", "D", "SS2Cx"},
      {"SS3C1", "Переходы кол-ва чисел в 1 сегменте между 3 тиражами", "D", "SS3Cx"},
  };
  for (const auto& [code, caption, flags, help] : cases) {
    SCOPED_TRACE(code);
    const int entry = f.list.FindCode(code);
    ASSERT_GE(entry, 0);
    EXPECT_EQ(f.list.Items(entry).Caption(), caption);
    EXPECT_EQ(FlagLetters(f.list.Items(entry).MethodClass->EffectiveFlags()), flags);
    EXPECT_EQ(f.list.Items(entry).MethodClass->HelpCodeFormat(), help);
    EXPECT_EQ(f.Create(code)->ListValue("12"), 0);
  }
  EXPECT_LT(f.list.FindCode("SDN6"), 0);
  EXPECT_LT(f.list.FindCode("SC2C11"), 0);
  EXPECT_LT(f.list.FindCode("SS2C2"), 0);  // the default map has segment 1 only

  // Channel counts follow the channel size, segment counts the map, when the list is rebuilt.
  f.list.Config.ChannelSize = 0;
  f.list.Config.MatrixSegments = SegmentsFromText(std::string(20, '2') + std::string(30, '5'));
  f.list.BuildMethods();
  EXPECT_LT(f.list.FindCode("SC2C1"), 0);
  EXPECT_LT(f.list.FindCode("SC3C1"), 0);
  EXPECT_LT(f.list.FindCode("SS2C1"), 0);
  for (const char* code : {"SS2C2", "SS2C3", "SS2C4", "SS2C5", "SS3C5"}) EXPECT_GE(f.list.FindCode(code), 0) << code;
  EXPECT_LT(f.list.FindCode("SS2C6"), 0);
}

bool IsThreeDrawChain(const std::string& code) {
  for (const char* prefix : {"SDP3", "SCP3", "SSP3", "SDM", "SCM", "SSM", "SC3C", "SS3C"})
    if (code.rfind(prefix, 0) == 0) return true;
  return false;
}

TEST(TransitionMethods, FirstDrawsOfTheArchiveAddNothing) {
  StatsFixture one(MakeDraws({Comb(1, 2, 3, 4, 5)}));
  StatsFixture two(MakeDraws({Comb(1, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5)}));
  for (int entry = 0; entry < one.list.Count(); ++entry) {
    if (one.list.Items(entry).MethodClass->GroupIndex() != 10) continue;
    const std::string code = one.list.Items(entry).Code();
    SCOPED_TRACE(code);
    EXPECT_TRUE(CountedRows(one, code).empty());
    // The second draw repeats the first: every two-draw method sees its continuation (SDZ2 sees
    // none, the number staying in its channel), no three-draw method has a draw before the first.
    EXPECT_EQ(CountedRows(two, code).empty(), IsThreeDrawChain(code) || code == "SDZ2");
  }
}

TEST(TransitionMethods, ContinuationsOfNumbers) {
  // SDV2: only 1 of P = 1 9 17 25 33 is in L = 1 2 3 4 5; D = 6 7 8 9 10.
  StatsFixture all(MakeDraws({Comb(1, 9, 17, 25, 33), Comb(6, 7, 8, 9, 10), Comb(1, 2, 3, 4, 5)}));
  EXPECT_EQ(RowsOf(all, "SDV2"), (Rows{{"1 -> 6", 1}, {"1 -> 7", 1}, {"1 -> 8", 1}, {"1 -> 9", 1}, {"1 -> 10", 1}}));

  // P = 12 1 20 30 40, D = 2 30 31 41 50, L = 3 12 22 32 42: in drawn order no position of P equals
  // L; sorted, P[2] = L[2] = 12 and D[2] = 30.
  StatsFixture pos(MakeDraws({Comb(12, 1, 20, 30, 40), Comb(2, 30, 31, 41, 50), Comb(3, 12, 22, 32, 42)}));
  for (const char* code : {"SDP2", "SDN2"}) {
    SCOPED_TRACE(code);
    EXPECT_TRUE(RowsOf(pos, code).empty());
    EXPECT_EQ(RowsOf(pos, code, true), (Rows{{"12 -> 30", 1}}));
  }
  EXPECT_TRUE(RowsOf(pos, "SDN1", true).empty());
  EXPECT_EQ(RowsOf(pos, "SDV2"),
            (Rows{{"12 -> 2", 1}, {"12 -> 30", 1}, {"12 -> 31", 1}, {"12 -> 41", 1}, {"12 -> 50", 1}}));

  // Q P D M L: Q[1] = M[1] = 5, P[1] = L[1] = 6, D[1] = 7.
  StatsFixture three(MakeDraws({Comb(5, 10, 15, 20, 25), Comb(6, 11, 16, 21, 26), Comb(7, 12, 17, 22, 27),
                                Comb(5, 40, 41, 42, 43), Comb(6, 44, 45, 46, 47)}));
  EXPECT_EQ(RowsOf(three, "SDP3"), (Rows{{"5-6 -> 7", 1}}));
  EXPECT_EQ(RowsOf(three, "SDM1"), (Rows{{"5-6 -> 7", 1}}));
  EXPECT_TRUE(RowsOf(three, "SDM2").empty());
  EXPECT_EQ(RowsOf(three, "SDP2"), (Rows{{"6 -> 7", 1}}));
  // Channels 1-2 -> 2 at the first position only (channels of Q P D M L: 1 2 3 4 5, 2 3 4 5 6,
  // 2 3 4 5 6, 1 8 9 9 9, 2 9 9 10 10).
  EXPECT_EQ(RowsOf(three, "SCP3"), (Rows{{"01-02 -> 02", 1}}));
  EXPECT_EQ(RowsOf(three, "SCM1"), (Rows{{"01-02 -> 02", 1}}));
}

TEST(TransitionMethods, ContinuationsOfChannelsAndSegments) {
  // Of P = 2 3 11 12 13 only 2 and 3 share a channel (1) with L = 1 20 30 40 50; each adds the
  // channels of D = 14 15 21 33 44 (3 3 5 7 9), so the same value comes four times.
  StatsFixture f(MakeDraws({Comb(2, 3, 11, 12, 13), Comb(14, 15, 21, 33, 44), Comb(1, 20, 30, 40, 50)}));
  EXPECT_EQ(RowsOf(f, "SCV2"), (Rows{{"01 -> 03", 4}, {"01 -> 05", 2}, {"01 -> 07", 2}, {"01 -> 09", 2}}));
  EXPECT_EQ(RowsOf(f, "SCP2"), (Rows{{"01 -> 03", 1}}));  // 2 and 1 at the first position

  f.list.Config.MatrixSegments = SegmentsFromText(std::string(25, '1') + std::string(25, '2'));
  // Segments of P: 1 1 1 1 1, D: 1 1 1 2 2, L: 1 1 2 2 2; then D as P against L.
  EXPECT_EQ(RowsOf(f, "SSV2"), (Rows{{"1 -> 1", 21}, {"1 -> 2", 19}, {"2 -> 1", 4}, {"2 -> 2", 6}}));
  EXPECT_EQ(RowsOf(f, "SSP2"), (Rows{{"1 -> 1", 4}, {"2 -> 2", 2}}));
  EXPECT_EQ(RowsOf(f, "SSN4"), (Rows{{"2 -> 2", 1}}));
}

TEST(TransitionMethods, CountsInOneChannelOrSegment) {
  // Channel 3 (11..15): P holds 2, D 1, L 2.
  StatsFixture f(MakeDraws({Comb(11, 12, 1, 2, 3), Comb(13, 1, 2, 3, 4), Comb(14, 15, 20, 21, 22)}));
  EXPECT_EQ(RowsOf(f, "SC2C3"),
            (Rows{{"2 -> 0", 0}, {"2 -> 1", 1}, {"2 -> 2", 0}, {"2 -> 3", 0}, {"2 -> 4", 0}, {"2 -> 5", 0}}));
  EXPECT_EQ(
      RowsOf(f, "SC3C3"),
      (Rows{{"1-2 -> 0", 0}, {"1-2 -> 1", 0}, {"1-2 -> 2", 0}, {"1-2 -> 3", 0}, {"1-2 -> 4", 0}, {"1-2 -> 5", 0}}));
  // A method keeps the channel size it was created with.
  auto created = f.Create("SC2C3");
  f.list.Config.ChannelSize = 3;  // channel 3 is 7..9, which no draw touches
  EXPECT_EQ(CalculateStatistics(*created, StatWindow(3, 0, 3), false, nullptr, f.list.Config.Weights).Items.size(), 6u);
  EXPECT_EQ(RowsOf(f, "SC2C3"), (Rows{{"0 -> 0", 2}, {"0 -> 1", 0}, {"0 -> 2", 0}, {"0 -> 3", 0}}));

  f.list.Config.MatrixSegments = TenSegments();
  f.list.BuildMethods();
  // Segment 3 (21..30): L holds 21 and 22.
  EXPECT_EQ(RowsOf(f, "SS2C3"), (Rows{{"2 -> 0", 0}}));
  EXPECT_EQ(RowsOf(f, "SS3C3"), (Rows{{"0-2 -> 0", 0}}));
  // Segment 1 (1..10): P 3, D 4, L 0; D 4 against L 0 does not continue either.
  EXPECT_EQ(RowsOf(f, "SS2C1"), (Rows{{"0 -> 0", 0}}));
}

TEST(TransitionMethods, NumbersInsideTheChannelOfASharedNumber) {
  // 7 is in P and in L; D = 6 8 20 30 40 has 6 and 8 in its channel 6..10.
  StatsFixture hit(MakeDraws({Comb(7, 41, 42, 43, 44), Comb(6, 8, 20, 30, 40), Comb(7, 1, 2, 3, 4)}));
  EXPECT_EQ(RowsOf(hit, "SDA2"), (Rows{{"07 -> 06", 1}, {"07 -> 08", 1}}));
  EXPECT_EQ(RowsOf(hit, "SDG2"), (Rows{{"07 -> 06", 1}, {"07 -> 08", 1}}));
  EXPECT_TRUE(RowsOf(hit, "SDZ2").empty());
  EXPECT_EQ(RowsOf(hit, "SDC2"), (Rows{{"7 -> 2", 1}}));
  // D = 1 20 30 40 50 has nothing in 6..10.
  StatsFixture miss(MakeDraws({Comb(7, 41, 42, 43, 44), Comb(1, 20, 30, 40, 50), Comb(7, 11, 12, 13, 14)}));
  EXPECT_EQ(RowsOf(miss, "SDA2"), (Rows{{"07 -> 00", 1}}));
  EXPECT_TRUE(RowsOf(miss, "SDG2").empty());
  EXPECT_EQ(RowsOf(miss, "SDZ2"), (Rows{{"07 -> 00", 1}}));
  EXPECT_EQ(RowsOf(miss, "SDC2"), (Rows{{"7 -> 0", 1}}));
}

TEST(TransitionMethods, FiltersLookForTheContinuationAnywhere) {
  StatsFixture f(MakeDraws({Comb(7, 41, 42, 43, 44), Comb(6, 8, 20, 30, 40), Comb(7, 1, 2, 3, 4)}));
  f.list.Config.MatrixSegments = SegmentsFromText(std::string(25, '1') + std::string(25, '2'));
  struct Case {
    std::string code;
    TStatDrawRec selected;
    TComb comb;
    bool matches;
  } cases[] = {
      {"SDV2", Value(12, 35), Comb(35, 1, 2, 3, 4), true},
      {"SDV2", Value(12, 35), Comb(12, 1, 2, 3, 4), false},
      {"SDP2", Value(12, 35), Comb(1, 2, 3, 4, 35), true},  // at any position
      {"SDP3", Value(5, 6, 7), Comb(1, 2, 3, 4, 7), true},
      {"SDP3", Value(5, 6, 7), Comb(1, 2, 3, 4, 6), false},
      {"SCV2", Value(1, 5), Comb(1, 2, 3, 4, 23), true},
      {"SCV2", Value(1, 5), Comb(1, 2, 3, 4, 26), false},
      {"SCM2", Value(1, 2, 9), Comb(1, 2, 3, 4, 45), true},
      {"SSN1", Value(1, 2), Comb(1, 2, 3, 4, 26), true},
      {"SSN1", Value(1, 2), Comb(1, 2, 3, 4, 25), false},
      {"SC2C3", Value(2, 1), Comb(11, 20, 30, 40, 50), true},
      {"SC2C3", Value(2, 1), Comb(11, 12, 30, 40, 50), false},
      {"SC3C3", Value(1, 2, 2), Comb(11, 12, 30, 40, 50), true},
      // Inside channels against L = 7 1 2 3 4: a success asks for its number, a failure or a
      // count for any number in the channel of 7 (6..10).
      {"SDA2", Value(7, 8), Comb(8, 20, 30, 40, 50), true},
      {"SDA2", Value(7, 8), Comb(9, 20, 30, 40, 50), false},
      {"SDG2", Value(7, 8), Comb(9, 20, 30, 40, 50), false},
      {"SDZ2", Value(7, 0), Comb(9, 20, 30, 40, 50), true},
      {"SDA2", Value(7, 0), Comb(1, 2, 3, 4, 5), false},
      {"SDC2", Value(7, 2), Comb(10, 20, 30, 40, 50), true},
      {"SDC2", Value(7, 0), Comb(11, 12, 13, 14, 15), false},
      {"SDA2", Value(5, 8), Comb(8, 20, 30, 40, 50), false},  // 5 is not in L
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code + " " + CombToText(c.comb));
    auto stat = f.Create(c.code);
    stat->LoadDraws(-1, 2, false);
    EXPECT_EQ(stat->Matches(c.comb, {c.selected}, false, false, 2), c.matches);
  }
}

}  // namespace
}  // namespace kavrin
