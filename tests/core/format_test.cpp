#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/format.h"

namespace kavrin {
namespace {

const LocaleSettings Russian{",", " "};
const LocaleSettings English{".", ","};

struct FormatCase {
  const char* format;
  std::vector<FormatArg> args;
  const char* expected;
};

std::string FormatVector(const LocaleSettings& locale, const char* format, const std::vector<FormatArg>& args) {
  // Format takes an initializer list; spread the stored arguments into one.
  switch (args.size()) {
    case 0: return Format(locale, format, {});
    case 1: return Format(locale, format, {args[0]});
    case 2: return Format(locale, format, {args[0], args[1]});
    case 3: return Format(locale, format, {args[0], args[1], args[2]});
    default: return Format(locale, format, {args[0], args[1], args[2], args[3]});
  }
}

class FormatRussianTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatRussianTest, Text) {
  EXPECT_EQ(FormatVector(Russian, GetParam().format, GetParam().args), GetParam().expected) << GetParam().format;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatRussianTest,
    ::testing::Values(
        FormatCase{"Архив тиражей: %d", {1234}, "Архив тиражей: 1234"},
        FormatCase{"%1:s, %0:d, %s", {7, "x", "y"}, "x, 7, x"},  // after %0: the next argument is 1
        FormatCase{"%0:s%0:s", {"ab"}, "abab"},
        FormatCase{"%.2d.%.2d.%.4d", {5, 2, 2020}, "05.02.2020"},
        FormatCase{"%.3d|%.2d|%.2d", {7, 123, -5}, "007|123|-05"},
        FormatCase{"%5d|%-5d|", {42, 42}, "   42|42   |"},
        FormatCase{"%*d", {4, 7}, "   7"},
        FormatCase{"%x", {255}, "FF"},
        FormatCase{"%.2f", {1234.5}, "1234,50"},
        FormatCase{"%.4f|%.5f", {0.25, 1.0 / 3}, "0,2500|0,33333"},
        FormatCase{"%f", {2.0}, "2,00"},
        FormatCase{"%.0f", {2.5}, "3"},
        FormatCase{"%.2f", {-1.005}, "-1,00"},  // the double is 1.00499999...
        FormatCase{"%.2f", {9.9999}, "10,00"},
        FormatCase{"%.2f", {-0.125}, "-0,13"},
        FormatCase{"%.2f", {0.001}, "0,00"},
        FormatCase{"%.2f", {1e20}, "100000000000000000000,00"},
        FormatCase{"%.3n", {1234567.891}, "1 234 567,891"},
        FormatCase{"%n", {-1234.5}, "-1 234,50"},
        FormatCase{"%.0n", {999.5}, "1 000"},
        FormatCase{"%.2f", {TCurrency::FromRaw(2500)}, "0,25"},
        FormatCase{"%.2f", {TCurrency::FromRaw(12345678)}, "1234,57"},
        FormatCase{"%.2f", {TCurrency::FromRaw(-50)}, "-0,01"},
        FormatCase{"%e", {1234.5}, "1,23450000000000E+003"},
        FormatCase{"%g|%g|%g", {0.5, 1e-6, 100.0}, "0,5|1E-6|100"},
        FormatCase{"100%%", {}, "100%"},
        FormatCase{"%d%%", {50}, "50%"},
        FormatCase{"%d", {1, "unused", 2.5}, "1"},
        FormatCase{"%.3s|%5s|%-4s|", {"абвгд", "аб", "я"}, "абв|   аб|я   |"},
        FormatCase{"%s", {""}, ""},
        FormatCase{"%d", {-2147483648LL * 4}, "-8589934592"}));

struct RoundCase {
  long double value;
  const char* expected;
};

class FormatRoundingTest : public ::testing::TestWithParam<RoundCase> {};

// Two decimals, half up on the 18 significant digits that the extended type shows.
TEST_P(FormatRoundingTest, TwoDecimals) {
  EXPECT_EQ(Format(English, "%.2f", {GetParam().value}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatRoundingTest,
                         ::testing::Values(RoundCase{0.125, "0.13"}, RoundCase{2.675, "2.67"},
                                           RoundCase{2.675L, "2.68"}, RoundCase{0.005, "0.01"},
                                           RoundCase{0.995, "0.99"}, RoundCase{1.0L / 3, "0.33"},
                                           RoundCase{0.0049999L, "0.00"}, RoundCase{0, "0.00"}));

TEST(Format, FailsOnMissingOrMismatchedArguments) {
  const std::vector<std::pair<const char*, std::vector<FormatArg>>> cases = {
      {"%d", {}},          {"%d %d", {1}},     {"%d", {"x"}},       {"%d", {1.5}}, {"%s", {5}},
      {"%f", {"1.5"}},     {"%2:d", {1, 2}},   {"abc %", {1}},      {"%y", {1}},   {"%*d", {"4", 1}},
  };
  for (const auto& [format, args] : cases) {
    try {
      FormatVector(Russian, format, args);
      ADD_FAILURE() << "accepted: " << format;
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Format '") + format + "' invalid or incompatible with argument");
    }
  }
}

TEST(Format, UsesTheProcessSettingsByDefault) {
  LocaleSettings saved = FormatSettings();
  FormatSettings() = Russian;
  EXPECT_EQ(Format("%.2f", {0.5}), "0,50");
  FormatSettings() = saved;
  EXPECT_EQ(Format("%.2f", {0.5}), "0.50");
}

TEST(FloatText, ShortestGeneralForm) {
  EXPECT_EQ(FloatToText(Russian, 0.25), "0,25");
  EXPECT_EQ(FloatToText(Russian, -1), "-1");
  EXPECT_EQ(FloatToText(Russian, 1.0L / 3), "0,333333333333333");
  EXPECT_EQ(FloatToText(English, 1234.5), "1234.5");
  EXPECT_EQ(FloatToText(English, 0.00001), "0.00001");
  EXPECT_EQ(FloatToText(English, 0), "0");
  EXPECT_EQ(FormatFixed(Russian, 2.5, 3), "2,500");
}

TEST(FloatText, ReadsEitherSeparator) {
  struct Case {
    const char* text;
    bool ok;
    long double value;
  };
  for (const Case& c : {Case{"0,25", true, 0.25L}, Case{"0.25", true, 0.25L}, Case{" -1,5 ", true, -1.5L},
                        Case{"1e3", true, 1000}, Case{"12", true, 12}, Case{"", false, 0}, Case{"abc", false, 0},
                        Case{"1,5,5", false, 0}, Case{"1.5x", false, 0}, Case{"inf", false, 0},
                        Case{"nan", false, 0}, Case{",", false, 0}}) {
    long double value = -99;
    EXPECT_EQ(TextToFloat(Russian, c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    } else {
      EXPECT_EQ(value, -99) << "a failed read leaves the value: " << c.text;
    }
  }
  long double value = 0;
  EXPECT_FALSE(TextToFloat(English, "0,25", value));
}

}  // namespace
}  // namespace kavrin
