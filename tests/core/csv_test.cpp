#include <gtest/gtest.h>

#include "core/csv.h"
#include "support/draws.h"

namespace kavrin {
namespace {

using test::Draw;


void ExpectSameDraws(const TDrawsArray& a, const TDrawsArray& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].Number, b[i].Number) << i;
    EXPECT_EQ(a[i].Numbers, b[i].Numbers) << i;
    EXPECT_EQ(a[i].Extra, b[i].Extra) << i;
    EXPECT_EQ(a[i].Date, b[i].Date) << i;
  }
}

const TDrawsArray& Sample() {
  static const TDrawsArray draws = {Draw(1, {47, 5, 33, 12, 41}, 7, "01.02.2020 21:00"),
                                    Draw(2, {1, 2, 3, 4, 50}, 11, ""),
                                    Draw(3, {10, 20, 30, 40, 49}, 1, "сб \"1\" февраля")};
  return draws;
}

TEST(CsvExport, LineLayout) {
  EXPECT_EQ(DrawsToCsv(Sample()),
            "1;\"01.02.2020 21:00\";47;5;33;12;41;7\r\n"
            "2;\"\";1;2;3;4;50;11\r\n"
            "3;\"сб \"\"1\"\" февраля\";10;20;30;40;49;1\r\n");
  EXPECT_EQ(DrawsToCsv({}), "");
}

TEST(CsvImport, ExportThenImportReproducesTheArchive) {
  TDrawsArray imported;
  TCsvImportResult result = ImportDrawsCsv(DrawsToCsv(Sample()), imported);
  EXPECT_EQ(result.Appended, 3);
  EXPECT_EQ(result.SkippedInvalid, 0);
  ExpectSameDraws(imported, Sample());

  result = ImportDrawsCsv(DrawsToCsv(Sample()), imported);
  EXPECT_EQ(result.Appended, 0) << "every number is already there";
  EXPECT_EQ(imported.size(), 3u);
}

TEST(CsvImport, UnquotedDateWithATimeIsSkipped) {
  TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5}, 1), Draw(2, {1, 2, 3, 4, 6}, 1)};
  EXPECT_EQ(SplitCsvLine("01.02.2020 21:00;5;12;33;41;47;7").size(), 8u);
  TCsvImportResult result = ImportDrawsCsv("01.02.2020 21:00;5;12;33;41;47;7\r\n", draws);
  EXPECT_EQ(result.Appended, 0);
  EXPECT_EQ(result.SkippedInvalid, 0) << "a line without a draw number is skipped silently";
  EXPECT_EQ(draws.size(), 2u);

  result = ImportDrawsCsv("\"01.02.2020 21:00\";5;12;33;41;47;7\r\n", draws);
  EXPECT_EQ(result.Appended, 1);
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[2].Number, 3);
  EXPECT_EQ(draws[2].Date, "01.02.2020 21:00");
  EXPECT_EQ(draws[2].Numbers, (TComb{5, 12, 33, 41, 47}));
  EXPECT_EQ(draws[2].Extra, 7);
}

TEST(CsvImport, LinesWithoutNumberContinueTheNumbering) {
  // Neither archive is numbered 1..count: the count plus one would be taken (502 -> 3) or
  // already present (4), and the line lost or misnumbered.
  TDrawsArray late = {Draw(500, {1, 2, 3, 4, 5}, 1), Draw(501, {1, 2, 3, 4, 6}, 1)};
  ImportDrawsCsv("\"\";5;12;33;41;47;7\n\"\";6;12;33;41;47;7\n", late);
  ASSERT_EQ(late.size(), 4u);
  EXPECT_EQ(late[2].Number, 502);
  EXPECT_EQ(late[3].Number, 503);

  TDrawsArray gaps = {Draw(1, {1, 2, 3, 4, 5}, 1), Draw(2, {1, 2, 3, 4, 6}, 1), Draw(4, {1, 2, 3, 4, 7}, 1)};
  EXPECT_EQ(ImportDrawsCsv("\"\";5;12;33;41;47;7\n", gaps).Appended, 1);
  ASSERT_EQ(gaps.size(), 4u);
  EXPECT_EQ(gaps[3].Number, 5);

  TDrawsArray empty;
  ImportDrawsCsv("\"\";5;12;33;41;47;7\n", empty);
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_EQ(empty[0].Number, 1);
}

TEST(CsvImport, AppendsAtTheEndWhateverTheNumber) {
  TDrawsArray draws = {Draw(10, {1, 2, 3, 4, 5}, 1), Draw(11, {1, 2, 3, 4, 6}, 1)};
  ImportDrawsCsv("3;\"\";5;12;33;41;47;7\r\n11;\"\";5;12;33;41;47;7\r\n1;\"\";9;12;33;41;47;7\r\n", draws);
  ASSERT_EQ(draws.size(), 4u);
  EXPECT_EQ(draws[2].Number, 3);
  EXPECT_EQ(draws[3].Number, 1);
  EXPECT_EQ(draws[3].Numbers[0], 9);
}

TEST(CsvImport, InvalidNumbersAreSkippedAndCounted) {
  TDrawsArray draws;
  const std::string text =
      "1;\"\";5;12;33;41;47;7\r\n"
      "2;\"\";5;5;33;41;47;7\r\n"    // repeated
      "3;\"\";0;12;33;41;47;7\r\n"    // 0
      "4;\"\";5;12;33;41;51;7\r\n"    // 51
      "5;\"\";5;12;33;41;47;12\r\n"   // extra 12
      "6;\"\";5;x;33;41;47;7\r\n"     // not a number
      "7;\"\";5;12;33;41;300;7\r\n"   // no byte holds it
      "8;\"\";5;12;33;41;47;0\r\n"    // extra unknown: kept, as the download stores it
      "0;\"\";5;12;33;41;47;7\r\n"    // number 0: skipped silently
      "-4;\"\";5;12;33;41;47;7\r\n"   // negative: skipped silently
      "1;\"\";1;2;3;4;5;1\r\n"        // number present: skipped silently
      "1;2;3\r\n"                      // wrong field count
      "   \r\n";
  TCsvImportResult result = ImportDrawsCsv(text, draws);
  EXPECT_EQ(result.SkippedInvalid, 6);
  EXPECT_EQ(result.Appended, 2);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].Number, 1);
  EXPECT_EQ(draws[1].Number, 8);
  EXPECT_EQ(draws[1].Extra, 0);
}

TEST(CsvImport, AnyLineEnd) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string text;
    for (int i = 1; i <= 3; ++i) text += std::to_string(i) + ";\"d\";1;2;3;4;" + std::to_string(4 + i) + ";1" + end;
    TDrawsArray draws;
    EXPECT_EQ(ImportDrawsCsv(text, draws).Appended, 3) << int(end[0]);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[2].Numbers[4], 7);
    EXPECT_EQ(draws[2].Date, "d");
  }
  TDrawsArray draws;
  EXPECT_EQ(ImportDrawsCsv("1;\"\";1;2;3;4;5;1", draws).Appended, 1) << "last line without an end";
}

TEST(CsvImport, LongDateIsCut) {
  TDrawsArray draws;
  ImportDrawsCsv("1;\"01.02.2020 21:00:59 по Москве\";1;2;3;4;5;1\r\n", draws);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Date, "01.02.2020 21:00");
}

struct SplitCase {
  const char* line;
  std::vector<std::string> fields;
};

class SplitCsvLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCsvLineTest, Fields) { EXPECT_EQ(SplitCsvLine(GetParam().line), GetParam().fields) << GetParam().line; }

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCsvLineTest,
    ::testing::Values(SplitCase{"a;b", {"a", "b"}}, SplitCase{"a;", {"a", ""}}, SplitCase{";1", {"", "1"}},
                      SplitCase{"1;;2", {"1", "", "2"}}, SplitCase{"  1 ; 2 ", {"1", "2"}},
                      SplitCase{"\"x\"\"y\";1", {"x\"y", "1"}}, SplitCase{"\"a;b c\";1", {"a;b c", "1"}},
                      SplitCase{"\"\"", {""}}, SplitCase{"\"open", {"open"}},
                      SplitCase{"01.02.2020 21:00;5", {"01.02.2020", "21:00", "5"}},
                      SplitCase{"1\t2", {"1", "2"}}, SplitCase{"", {}}));

}  // namespace
}  // namespace kavrin
