#include "combs/generate.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kavrin {
namespace {

struct ModeCase {
  uint8_t mode;
  std::string parameters;
  int32_t count;
  TComb first;
  TComb last;
};

class GenerateModes : public testing::TestWithParam<ModeCase> {};

TEST_P(GenerateModes, CountFirstAndLast) {
  const ModeCase& c = GetParam();
  TCombList list;
  list.Append({9, 9, 9, 9, 9});  // whatever was there is replaced
  EnumerateCombs(c.mode, MyNumbersFromText(c.parameters), list);
  ASSERT_EQ(list.Count(), c.count);
  if (c.count == 0) return;
  EXPECT_EQ(list[0], c.first);
  EXPECT_EQ(list[c.count - 1], c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, GenerateModes,
    testing::Values(ModeCase{0, "1;2", 2118760, {1, 2, 3, 4, 5}, {46, 47, 48, 49, 50}},
                    // 2,118,760 - C(47, 5): at least one of 5, 7, 9
                    ModeCase{1, "5; 7,,9", 584821, {1, 2, 3, 4, 5}, {9, 47, 48, 49, 50}},
                    ModeCase{1, "", 0, {}, {}},
                    ModeCase{2, "7,6,5,4,3,2,1", 21, {1, 2, 3, 4, 5}, {3, 4, 5, 6, 7}},
                    ModeCase{2, "1;2;3;4;5", 1, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
                    ModeCase{2, "1;2;3;4", 0, {}, {}},
                    // C(48, 5): neither 1 nor 50
                    ModeCase{3, "1;50", 1712304, {2, 3, 4, 5, 6}, {45, 46, 47, 48, 49}},
                    ModeCase{3, "", 2118760, {1, 2, 3, 4, 5}, {46, 47, 48, 49, 50}},
                    // a piece that is no number is 0, which no combination holds
                    ModeCase{1, "x", 0, {}, {}},
                    ModeCase{7, "5", 2118760, {1, 2, 3, 4, 5}, {46, 47, 48, 49, 50}}));

TEST(Generate, FullSetIsAscendingAndLexicographic) {
  TCombList list;
  EnumerateCombs(0, {}, list);
  auto combs = list.Combs();
  EXPECT_TRUE(std::is_sorted(combs.begin(), combs.end()));
  EXPECT_EQ(std::adjacent_find(combs.begin(), combs.end()), combs.end());
  EXPECT_TRUE(std::all_of(combs.begin(), combs.end(), [](const TComb& c) {
    return c[0] >= 1 && c[4] <= NumberMax && std::adjacent_find(c.begin(), c.end(), std::greater_equal<>()) == c.end();
  }));
}

TEST(Generate, MyNumbersTextRules) {
  auto numbers = [](const std::string& text) {
    std::vector<int> out;
    auto set = MyNumbersFromText(text);
    for (int n = 0; n < 256; ++n)
      if (set.test(n)) out.push_back(n);
    return out;
  };
  EXPECT_EQ(numbers("5; 7,,9"), (std::vector<int>{5, 7, 9}));
  EXPECT_EQ(numbers(";;12 ; 3;"), (std::vector<int>{3, 12}));
  EXPECT_EQ(numbers("abc, 255, 256, -1"), (std::vector<int>{0, 255}));
  EXPECT_TRUE(numbers("").empty());
}

}  // namespace
}  // namespace kavrin
