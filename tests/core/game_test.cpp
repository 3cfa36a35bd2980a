#include <gtest/gtest.h>

#include <algorithm>

#include "core/errors.h"
#include "core/game.h"

namespace kavrin {
namespace {

TComb C(int a, int b, int c, int d, int e) {
  return TComb{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c), static_cast<uint8_t>(d),
               static_cast<uint8_t>(e)};
}

TEST(GameConstants, DerivedFromTheGame) {
  EXPECT_EQ(SumMin, 15);
  EXPECT_EQ(SumMax, 240);
  EXPECT_EQ(SumTenth, 22);
  EXPECT_EQ(Binomial(NumberMax, DrawSize), FullSetSize);
}

struct BinomialCase {
  int n, k;
  int64_t expected;
};

class BinomialTest : public ::testing::TestWithParam<BinomialCase> {};

TEST_P(BinomialTest, Value) {
  EXPECT_EQ(Binomial(GetParam().n, GetParam().k), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, BinomialTest,
                         ::testing::Values(BinomialCase{50, 5, 2118760}, BinomialCase{45, 5, 1221759},
                                           BinomialCase{45, 4, 148995}, BinomialCase{45, 3, 14190},
                                           BinomialCase{5, 2, 10}, BinomialCase{5, 0, 1}, BinomialCase{5, 5, 1},
                                           BinomialCase{3, 5, 1}, BinomialCase{60, 30, 118264581564861424}));

TEST(MatchTable, CountsAndProbabilities) {
  const int64_t expected[] = {1221759, 744975, 141900, 9900, 225, 1};
  long double total = 0;
  int64_t count = 0;
  for (int k = 0; k <= DrawSize; ++k) {
    EXPECT_EQ(MatchTable()[k].Count, expected[k]) << "k=" << k;
    EXPECT_NEAR(static_cast<double>(MatchTable()[k].Probability), expected[k] / 2118760.0, 1e-15);
    total += MatchTable()[k].Probability;
    count += MatchTable()[k].Count;
  }
  EXPECT_EQ(count, FullSetSize);
  EXPECT_NEAR(static_cast<double>(total), 1.0, 1e-15);
}

// ---- text forms ----

TEST(TextForms, CombinationsSetsAndKinds) {
  EXPECT_EQ(CombToText(C(5, 12, 33, 41, 47)), "5;12;33;41;47");
  EXPECT_EQ(CombToSpacedText(C(5, 12, 33, 41, 7)), "05 12 33 41 07");
  TNumberSet set;
  set.Count = 6;
  set.Numbers = {1, 9, 10, 22, 49, 50};
  EXPECT_EQ(NumberSetToText(set, ";"), "1;9;10;22;49;50");
  EXPECT_EQ(NumberSetToText(set, " "), "1 9 10 22 49 50");
  EXPECT_EQ(NumberSetToText(TNumberSet{}, ";"), "");
  EXPECT_EQ(IntListToText({-3, 0, 12}, ", "), "-3, 0, 12");
  EXPECT_EQ(StakeKindText(1), "Вручную");
  EXPECT_EQ(StakeKindText(2), "Регуляр");
  EXPECT_EQ(StakeKindText(3), "Сценарий");
  EXPECT_EQ(StakeKindText(4), "Система");
  EXPECT_EQ(StakeKindText(0), "");
  EXPECT_EQ(StakeKindText(5), "");
}

TEST(TextForms, DrawToTextWithAndWithoutDate) {
  TDrawRec draw;
  draw.Number = 1234;
  draw.Numbers = C(5, 12, 33, 41, 47);
  draw.Extra = 7;
  draw.Date = "01.02.2020 21:00";
  EXPECT_EQ(DrawToText(draw), "Тираж № 1234 от 01.02.2020 21:00, значения: 5;12;33;41;47 e:7");
  draw.Date.clear();
  EXPECT_EQ(DrawToText(draw), "Тираж № 1234 от , значения: 5;12;33;41;47 e:7");
}

struct CombCase {
  const char* text;
  TComb expected;
};

class TextToCombTest : public ::testing::TestWithParam<CombCase> {};

TEST_P(TextToCombTest, ReadsInTypedOrder) {
  EXPECT_EQ(TextToComb(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToCombTest,
    ::testing::Values(CombCase{"1 2 3 4 5", C(1, 2, 3, 4, 5)}, CombCase{"1-2-3-4-5", C(1, 2, 3, 4, 5)},
                      CombCase{"01.02.03.04.05", C(1, 2, 3, 4, 5)}, CombCase{"1;x;3;4;5", C(1, 0, 3, 4, 5)},
                      CombCase{" 47,\t12 | 33:5;;41 ", C(47, 12, 33, 5, 41)},
                      // A value no byte can hold must not wrap round into a valid number (300 -> 44).
                      CombCase{"1 2 3 4 300", C(1, 2, 3, 4, 0)}, CombCase{"1 2 3 4 256", C(1, 2, 3, 4, 0)}));

TEST(TextToComb, WrongWordCountFailsWithTheText) {
  for (const char* text : {"1 2 3 4", "1,2,3,4,5,6", "", ";;;"}) {
    try {
      TextToComb(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Некорректная комбинация: \"") + text + "\"!");
    }
  }
}

struct IntListCase {
  const char* text;
  TIntArray expected;
};

class TextToIntListTest : public ::testing::TestWithParam<IntListCase> {};

TEST_P(TextToIntListTest, ListOrRange) {
  EXPECT_EQ(TextToIntList(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToIntListTest,
    ::testing::Values(IntListCase{"1-10;3", {1, 4, 7, 10}}, IntListCase{"5,7;9", {5, 7, 9}},
                      IntListCase{" 5 , 7 ", {5, 7}}, IntListCase{"1-10", {}}, IntListCase{"-3,4", {-3, 4}},
                      IntListCase{"-3-3;3", {-3, 0, 3}}, IntListCase{"10 - 1 , -3", {10, 7, 4, 1}},
                      IntListCase{"1-11;5", {1, 6, 11}}, IntListCase{"1-12;5", {1, 6, 11}},
                      IntListCase{"5-5;2", {5}}, IntListCase{"1-10;0", {}}, IntListCase{"1-10;-1", {}},
                      IntListCase{"10-1;1", {}}, IntListCase{"", {}}, IntListCase{"a,b", {}},
                      IntListCase{"1-x;2", {}}, IntListCase{"0-2000000000;1", {}}));

// ---- dates ----

TEST(DrawDates, TextRoundTrip) {
  TDateTime t = EncodeDateTime(2020, 2, 1, 21, 0);
  EXPECT_EQ(DateTimeToDrawText(t), "01.02.2020 21:00");
  for (const char* text : {"01.02.2020 21:00", "29.02.2024 23:59", "31.12.1999 00:01", "01.01.1900 00:00"})
    EXPECT_EQ(DateTimeToDrawText(DrawTextToDateTime(text)), text);
  EXPECT_EQ(DrawTextToDateTime("  01.02.2020 21:00 "), t);
  EXPECT_EQ(DrawTextToDateTime("01.02.2020"), EncodeDateTime(2020, 2, 1, 0, 0));
  EXPECT_EQ(DateTimeToDrawText(0), "");
  EXPECT_EQ(DateTimeToDrawText(-5), "");
  EXPECT_EQ(DrawTextToDateTime(""), 0);
  EXPECT_EQ(DrawTextToDateTime("   "), 0);
}

TEST(DrawDates, InvalidTextsFail) {
  for (const char* text : {"31.02.2020 10:00", "29.02.2023 10:00", "01.13.2020 10:00", "00.01.2020 10:00",
                           "01.02.2020 24:00", "01.02.2020 10:60", "1.2.2020 10:00", "xx.02.2020 10:00",
                           "01.02.0000 10:00", "вчера"}) {
    EXPECT_THROW(DrawTextToDateTime(text), KavrinError) << text;
  }
  try {
    DrawTextToDateTime(" 31.02.2020 10:00");
    ADD_FAILURE();
  } catch (const KavrinError& e) {
    EXPECT_EQ(std::string(e.what()), "\"31.02.2020 10:00\" - некорректные дата и время");
  }
  EXPECT_THROW(EncodeDateTime(2020, 2, 30, 0, 0), KavrinError);
}

// ---- draws, combinations and sets ----

TEST(Draws, AnalysisCopyKeepsTheStoredOrder) {
  TDrawsArray draws(2);
  draws[0].Number = 1;
  draws[0].Numbers = C(47, 5, 33, 12, 41);
  draws[1].Number = 2;
  const TDrawRec sorted = DrawForAnalysis(draws, 0, true);
  EXPECT_EQ(sorted.Numbers, C(5, 12, 33, 41, 47));
  EXPECT_EQ(DrawForAnalysis(draws, 0, false).Numbers, C(47, 5, 33, 12, 41));
  EXPECT_EQ(draws[0].Numbers, C(47, 5, 33, 12, 41));
  for (int index : {-1, 2}) {
    TDrawRec outside = DrawForAnalysis(draws, index, true);
    EXPECT_EQ(outside.Number, 0);
    EXPECT_EQ(outside.Numbers, TComb{});
  }
}

TEST(Draws, MatchesSetsAndSorting) {
  TDrawRec draw;
  draw.Numbers = C(47, 5, 33, 12, 41);
  EXPECT_EQ(CountMatches(draw, C(1, 5, 12, 40, 47)), 3);
  EXPECT_EQ(CountMatches(C(1, 2, 3, 4, 5), C(6, 7, 8, 9, 10)), 0);
  EXPECT_TRUE(DrawContains(draw, 33));
  EXPECT_FALSE(DrawContains(draw, 34));

  TNumberSet set;
  set.Count = 7;
  set.Numbers = {50, 1, 5, 12, 20, 47, 2};
  EXPECT_EQ(NumberSetToText(IntersectDrawSet(draw, set), ";"), "5;12;47");
  SortNumberSet(set);
  EXPECT_EQ(NumberSetToText(set, ";"), "1;2;5;12;20;47;50");

  TNumberSet a = CombToNumberSet(C(9, 3, 7, 1, 5));
  EXPECT_EQ(NumberSetToText(a, ";"), "9;3;7;1;5");
  TNumberSet b = a;
  SortNumberSet(b);
  EXPECT_TRUE(SameNumberSet(a, b));
  b.Numbers[0] = 2;
  EXPECT_FALSE(SameNumberSet(a, b));
  b = a;
  b.Count = 4;
  EXPECT_FALSE(SameNumberSet(a, b));

  TIntArray ints = {3, -1, 10, 3};
  SortIntsDescending(ints);
  EXPECT_EQ(ints, (TIntArray{10, 3, 3, -1}));
}

TEST(Draws, DistinctNumbersStopAtFifty) {
  TCombsArray combs;
  for (int i = 0; i < 10; ++i) combs.push_back(C(50 - i, 40 - i, 30 - i, 20 - i, 10 - i));
  combs.push_back(C(1, 2, 3, 4, 5));
  EXPECT_EQ(DistinctNumbers(combs, 2), 10);
  EXPECT_EQ(DistinctNumbers(combs, 10), 50);
  EXPECT_EQ(DistinctNumbers(combs, 1000), 50);
  EXPECT_EQ(DistinctNumbers(combs, 0), 0);
  // The same counts as a test against a limit, which stops as soon as the limit is passed.
  for (int64_t k : {0, 1, 2, 10, 11})
    for (int limit : {0, 5, 9, 10, 11, 49, 50, 60})
      EXPECT_EQ(DistinctNumbersAtMost(combs, k, limit), DistinctNumbers(combs, k) <= limit) << k << " " << limit;
  TByteArray list = DistinctNumberList(combs, 2);
  EXPECT_EQ(list, (TByteArray{50, 40, 30, 20, 10, 49, 39, 29, 19, 9}));
  EXPECT_EQ(DistinctNumberList(combs, 11).size(), 50u);
}

TEST(Draws, RandomNumberSetKeepsOrderOfFirstAppearance) {
  TCombsArray combs = {C(9, 8, 7, 6, 5), C(5, 4, 3, 2, 1), C(50, 49, 48, 47, 46)};
  const TByteArray order = DistinctNumberList(combs, 2);  // 9 8 7 6 5 4 3 2 1
  for (int round = 0; round < 20; ++round) {
    TNumberSet set = RandomNumberSet(combs, 2, 6);
    ASSERT_EQ(set.Count, 6);
    // The chosen numbers are a subsequence of the order of first appearance.
    auto it = order.begin();
    for (int i = 0; i < set.Count; ++i) {
      it = std::find(it, order.end(), set.Numbers[i]);
      ASSERT_NE(it, order.end()) << int(set.Numbers[i]);
    }
  }
  EXPECT_EQ(RandomNumberSet(combs, 1, 12).Count, 5);
}

struct ShiftCase {
  int n, d, expected;
};

class ShiftNumberTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftNumberTest, WrapsOnce) {
  EXPECT_EQ(ShiftNumber(GetParam().n, GetParam().d), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ShiftNumberTest,
                         ::testing::Values(ShiftCase{48, 5, 3}, ShiftCase{2, -5, 47}, ShiftCase{50, 0, 50},
                                           ShiftCase{45, 5, 50}, ShiftCase{5, -5, 50}, ShiftCase{6, -5, 1},
                                           ShiftCase{1, 49, 50}, ShiftCase{50, 1, 1}));

TEST(Draws, ShiftComb) { EXPECT_EQ(ShiftComb(C(1, 2, 48, 49, 50), 2), C(3, 4, 50, 1, 2)); }

// ---- classifications ----

TEST(Classifications, GroupsAndMatrix) {
  EXPECT_EQ(GroupOf(1, 5), 1);
  EXPECT_EQ(GroupOf(5, 5), 1);
  EXPECT_EQ(GroupOf(6, 5), 2);
  EXPECT_EQ(GroupCount(3), 17);
  EXPECT_EQ(GroupCount(50), 1);
  EXPECT_EQ(MatrixColumn(7, 5), 2);
  EXPECT_EQ(MatrixRow(7, 5), 2);
  EXPECT_EQ(MatrixColumn(50, 7), 1);
  EXPECT_EQ(MatrixRow(50, 7), 8);
  EXPECT_EQ(MatrixRowCount(7), 8);
  EXPECT_EQ(MatrixRowCount(1), 50);
}

struct ColorCase {
  int n, size;
  TColor expected;
};

class GroupColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(GroupColorTest, Palette) {
  EXPECT_EQ(GroupColor(GetParam().n, GetParam().size), GetParam().expected)
      << GetParam().n << " / " << GetParam().size;
}

INSTANTIATE_TEST_SUITE_P(Values, GroupColorTest,
                         ::testing::Values(ColorCase{0, 5, 0xFF0000}, ColorCase{51, 5, 0xFF0000},
                                           ColorCase{-1, 5, 0xFF0000}, ColorCase{1, 5, 0xAAFFAA},
                                           ColorCase{5, 5, 0xAAFFAA}, ColorCase{6, 5, 0xFFFFAA},
                                           ColorCase{50, 5, 0xFFAAD5}, ColorCase{50, 3, 0xEAD5FF},
                                           ColorCase{19, 1, 0xD5EAFF}, ColorCase{20, 1, 0xAAFFAA},
                                           ColorCase{24, 3, 0xD4D4D4}, ColorCase{40, 3, 0xFFD5D5}));

}  // namespace
}  // namespace kavrin
