#include <climits>
#include <gtest/gtest.h>

#include "core/archive.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "support/temp_dir.h"
#include "support/draws.h"

namespace kavrin {
namespace {

using test::Draw;

// One archive record built by hand from the layout: number LE at 0, numbers at 4..8, extra at 9,
// length byte at 10 and 16 characters at 11..26, padding at 27.
std::string Record(int32_t number, std::array<uint8_t, 5> numbers, uint8_t extra, const std::string& dateBytes) {
  std::string r(28, '\0');
  for (int i = 0; i < 4; ++i) r[i] = static_cast<char>((static_cast<uint32_t>(number) >> (8 * i)) & 0xFF);
  for (int i = 0; i < 5; ++i) r[4 + i] = static_cast<char>(numbers[i]);
  r[9] = static_cast<char>(extra);
  r[10] = static_cast<char>(dateBytes.size());
  r.replace(11, dateBytes.size(), dateBytes);
  return r;
}


TDrawsArray WithNumbers(const std::vector<int>& numbers) {
  TDrawsArray draws;
  for (int n : numbers) draws.push_back(Draw(n, {1, 2, 3, 4, 5}, 1));
  return draws;
}

TEST(ArchiveFile, WrittenBytesMatchTheRecordLayout) {
  test::TempDir dir;
  TDrawArchive archive(dir.File(ArchiveFileName));
  archive.Append(Draw(0x01020304, {47, 5, 33, 12, 41}, 7, "01.02.2020 21:00"));
  archive.Append(Draw(1235, {1, 2, 3, 4, 50}, 11, ""));
  archive.Append(Draw(-1, {6, 7, 8, 9, 10}, 0, "1 февраля 2020 г"));  // 16 Russian-text characters
  archive.Save();
  const std::string expected = Record(0x01020304, {47, 5, 33, 12, 41}, 7, "01.02.2020 21:00") +
                               Record(1235, {1, 2, 3, 4, 50}, 11, "") +
                               Record(-1, {6, 7, 8, 9, 10}, 0, "1 \xF4\xE5\xE2\xF0\xE0\xEB\xFF 2020 \xE3");
  EXPECT_EQ(test::ReadBytes(archive.Path()), expected);
  EXPECT_EQ(expected.substr(0, 4), "\x04\x03\x02\x01");

  TDrawArchive reread(archive.Path());
  EXPECT_NE(reread.Load().find("дата не читается в записях: 1"), std::string::npos);
  ASSERT_EQ(reread.Count(), 3);
  EXPECT_EQ(reread.At(0).Numbers, (TComb{47, 5, 33, 12, 41})) << "drawn order is kept";
  EXPECT_EQ(reread.At(2).Number, -1);
  EXPECT_EQ(reread.At(2).Date, "1 февраля 2020 г");
}

TEST(ArchiveFile, DateLongerThanSixteenCharactersIsCut) {
  test::TempDir dir;
  TDrawArchive archive(dir.File(ArchiveFileName));
  archive.Append(Draw(1, {1, 2, 3, 4, 5}, 1, "01.02.2020 21:00:59"));
  archive.Append(Draw(2, {1, 2, 3, 4, 5}, 1, "суббота, 1 февраля"));
  EXPECT_EQ(archive.At(0).Date, "01.02.2020 21:00");
  EXPECT_EQ(archive.At(1).Date, "суббота, 1 февра");
  archive.Replace(1, Draw(3, {1, 2, 3, 4, 5}, 1, "01.02.2020 21:00 МСК"));
  EXPECT_EQ(archive.At(1).Date, "01.02.2020 21:00");
  archive.Save();
  const std::string bytes = test::ReadBytes(archive.Path());
  EXPECT_EQ(bytes.substr(28 + 10, 18), std::string("\x10") + "01.02.2020 21:00" + '\0');
  // The encoder alone cuts too: nothing longer than 16 bytes reaches the file.
  uint8_t record[28];
  EncodeDrawRecord(Draw(1, {1, 2, 3, 4, 5}, 1, "ёёёёёёёёёёёёёёёёёёёё"), record);
  EXPECT_EQ(record[10], 16);
  EXPECT_EQ(record[27], 0);
}

TEST(ArchiveFile, HundredBytesHoldThreeDrawsAndTheTailIsIgnored) {
  test::TempDir dir;
  const std::string path = dir.File(ArchiveFileName);
  std::string bytes = Record(1, {1, 2, 3, 4, 5}, 1, "") + Record(2, {6, 7, 8, 9, 10}, 2, "02.01.2020 10:00") +
                      Record(3, {11, 12, 13, 14, 15}, 3, "") + std::string(16, '\x7F');
  ASSERT_EQ(bytes.size(), 100u);
  test::WriteBytes(path, bytes);
  TDrawArchive archive(path);
  const std::string warning = archive.Load();
  EXPECT_NE(warning.find("записи 4"), std::string::npos) << warning;
  EXPECT_NE(warning.find("16 байт"), std::string::npos) << warning;
  ASSERT_EQ(archive.Count(), 3);
  EXPECT_EQ(archive.At(1).Date, "02.01.2020 10:00");
  EXPECT_EQ(archive.At(2).Numbers, (TComb{11, 12, 13, 14, 15}));
  EXPECT_EQ(archive.At(2).Extra, 3);
}

TEST(ArchiveFile, ABadRecordIsRefusedAndTheFileNeverRewritten) {
  struct Case {
    const char* name;
    std::array<uint8_t, 5> numbers;
    uint8_t extra;
    const char* problem;
  };
  const Case cases[] = {
      {"above 50", {1, 2, 51, 4, 5}, 1, "число 51 вне диапазона от 1 до 50"},
      {"zero", {0, 2, 3, 4, 5}, 1, "число 0 вне диапазона"},
      {"repeated", {7, 2, 3, 7, 5}, 1, "число 7 повторяется"},
      {"extra above 11", {1, 2, 3, 4, 5}, 12, "дополнительное число 12 больше 11"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    const std::string path = dir.File(ArchiveFileName);
    const std::string bytes = Record(1, {1, 2, 3, 4, 5}, 0, "") + Record(2, c.numbers, c.extra, "");
    test::WriteBytes(path, bytes);
    TDrawArchive archive(path);
    try {
      archive.Load();
      ADD_FAILURE() << "the bad record was accepted";
    } catch (const KavrinError& e) {
      const std::string text = e.what();
      EXPECT_NE(text.find(path + ", запись 2 (тираж 2)"), std::string::npos) << text;
      EXPECT_NE(text.find(c.problem), std::string::npos) << text;
    }
    EXPECT_FALSE(archive.Loaded());
    EXPECT_EQ(archive.Count(), 0) << "no record of a damaged file reaches the analysis";
    archive.Append(Draw(3, {1, 2, 3, 4, 5}, 1));
    EXPECT_THROW(archive.Save(), KavrinError);
    EXPECT_EQ(test::ReadBytes(path), bytes);
  }
}

TEST(ArchiveFile, AnUnreadableFileIsNeverReplacedUntilReadAgain) {
  test::TempDir dir;
  const std::string path = dir.File(ArchiveFileName);
  test::WriteBytes(path, Record(1, {1, 2, 3, 4, 5}, 1, ""));
  TDrawArchive archive(path);
  SetReadFaultHook([](const std::string&) { return false; });
  EXPECT_THROW(archive.Load(), KavrinError);
  SetReadFaultHook(nullptr);
  archive.Append(Draw(2, {1, 2, 3, 4, 5}, 1));
  try {
    archive.Save();
    ADD_FAILURE() << "the archive was rewritten from what memory held";
  } catch (const KavrinError& e) {
    EXPECT_EQ(std::string(e.what()), "Input/output error (" + path + ")") << "the load error's text";
  }
  EXPECT_EQ(test::ReadBytes(path), Record(1, {1, 2, 3, 4, 5}, 1, ""));
  archive.Load();
  archive.Append(Draw(2, {1, 2, 3, 4, 5}, 1));
  archive.Save();
  EXPECT_EQ(archive.Count(), 2);
}

TEST(ArchiveFile, ForeignBytesAreIgnoredOnReading) {
  // Bytes past the date's length and the padding may hold anything; a length above 16 is cut.
  std::string r = Record(9, {1, 2, 3, 4, 5}, 1, "ab");
  r.replace(13, 14, std::string(14, 'Z'));
  r[27] = '\xFF';
  TDrawRec draw = DecodeDrawRecord(reinterpret_cast<const uint8_t*>(r.data()));
  EXPECT_EQ(draw.Date, "ab");
  r[10] = static_cast<char>(200);
  draw = DecodeDrawRecord(reinterpret_cast<const uint8_t*>(r.data()));
  EXPECT_EQ(draw.Date, "ab" + std::string(14, 'Z'));
}

TEST(ArchiveFile, MissingFileLeavesTheArchiveEmpty) {
  test::TempDir dir;
  TDrawArchive archive(dir.File(ArchiveFileName));
  archive.Load();
  EXPECT_EQ(archive.Count(), 0);
  archive.Save();
  EXPECT_EQ(test::ReadBytes(archive.Path()), "");
}

struct FindCase {
  const char* name;
  std::vector<int> numbers;
};

class FindDrawTest : public ::testing::TestWithParam<FindCase> {};

// Every number present is found at its index, every other one gives -1.
TEST_P(FindDrawTest, AgreesWithAFullScan) {
  const TDrawsArray draws = WithNumbers(GetParam().numbers);
  for (int wanted = -5; wanted <= 130; ++wanted) {
    int expected = -1;
    for (size_t i = 0; i < draws.size(); ++i)
      if (draws[i].Number == wanted) expected = static_cast<int>(i);
    EXPECT_EQ(FindDrawByNumber(draws, wanted), expected) << GetParam().name << ": " << wanted;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Archives, FindDrawTest,
    ::testing::Values(FindCase{"empty", {}}, FindCase{"one", {7}}, FindCase{"contiguous", {1, 2, 3, 4, 5, 6, 7, 8}},
                      FindCase{"gaps", {1, 2, 5, 9, 20, 21, 60, 61, 62, 100}},
                      FindCase{"gap at the start", {1, 90, 91, 92, 93, 94, 95}},
                      FindCase{"not ascending", {50, 3, 9, 1, 7, 120, 4}},
                      FindCase{"descending", {10, 9, 8, 7, 6, 5}},
                      FindCase{"last below first", {5, 20, 30, 4}},
                      FindCase{"zero span", {6, 2, 9, 5}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

TEST(FindDraw, ExtremeNumbers) {
  const TDrawsArray draws = WithNumbers({1, 1000, 2147483647});
  EXPECT_EQ(FindDrawByNumber(draws, 1000), 1);
  EXPECT_EQ(FindDrawByNumber(draws, 2147483646), -1);
  EXPECT_EQ(FindDrawByNumber(WithNumbers({2147483647, -2147483647 - 1, 5, 6}), 5), 2);
  EXPECT_EQ(FindDrawByNumber(WithNumbers({-2147483647 - 1, 7, 2147483647}), 7), 1);
}

TEST(DrawArchive, PositionsAndNextDraw) {
  TDrawArchive empty;
  for (int position : {0, 3, -1}) EXPECT_EQ(empty.NextDrawNumber(position), 1);
  EXPECT_EQ(empty.DrawCombAt(0), TComb{});
  EXPECT_EQ(empty.NextDrawText(0), "");
  EXPECT_EQ(empty.MaxOffset(), 0);

  TDrawArchive archive;
  archive.Append(Draw(10, {1, 2, 3, 4, 5}, 1));
  archive.Append(Draw(11, {6, 7, 8, 9, 10}, 2));
  archive.Append(Draw(12, {50, 40, 30, 20, 11}, 3));
  EXPECT_EQ(archive.NextDrawNumber(0), 13);
  EXPECT_EQ(archive.NextDrawNumber(2), 11);
  EXPECT_EQ(archive.NextDrawNumber(3), -1);
  EXPECT_EQ(archive.NextDrawNumber(-1), -1);
  EXPECT_EQ(archive.DrawCombAt(0), (TComb{50, 40, 30, 20, 11}));
  EXPECT_EQ(archive.DrawCombAt(3), TComb{});
  EXPECT_EQ(archive.NextDrawText(0), "");
  EXPECT_EQ(archive.NextDrawText(1), "50;40;30;20;11");
  EXPECT_EQ(archive.NextDrawText(2), "6;7;8;9;10");
  EXPECT_EQ(archive.NextDrawText(3), "");

  TDrawArchive largest;
  largest.Append(Draw(INT32_MAX, {1, 2, 3, 4, 5}, 1));
  EXPECT_EQ(largest.NextDrawNumber(0), INT32_MAX) << "no successor, and no overflow";
  EXPECT_EQ(archive.MaxOffset(), 2);
}

TEST(DrawArchive, OffsetMarksTheDrawAfterTheAnalysisEnd) {
  TDrawArchive archive;
  archive.Append(Draw(1, {1, 2, 3, 4, 5}, 1));
  archive.Append(Draw(2, {6, 7, 8, 9, 50}, 2));
  EXPECT_FALSE(archive.SetOffset(0)) << "already 0";
  EXPECT_TRUE(archive.NextDrawMarks().none());
  EXPECT_TRUE(archive.SetOffset(1));
  EXPECT_FALSE(archive.SetOffset(1));
  EXPECT_EQ(archive.NextDrawMarks().count(), 5u);
  EXPECT_TRUE(archive.NextDrawMarks().test(50));
  EXPECT_FALSE(archive.NextDrawMarks().test(1));
  EXPECT_EQ(archive.NextDrawNumber(archive.Offset()), 2);
  archive.DeleteDraw(1);
  archive.UpdateNextDrawMarks();
  EXPECT_TRUE(archive.NextDrawMarks().none()) << "the offset now lies outside the archive";
}

TEST(DrawArchive, DeleteDraw) {
  TDrawArchive archive;
  for (int n : {1, 2, 3}) archive.Append(Draw(n, {1, 2, 3, 4, 5}, 1));
  archive.DeleteDraw(1);
  ASSERT_EQ(archive.Count(), 2);
  EXPECT_EQ(archive.At(1).Number, 3);
  for (int index : {2, -1}) {
    try {
      archive.DeleteDraw(index);
      ADD_FAILURE() << index;
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()),
                "Запись со индексом " + std::to_string(index) + " в файле данных не найдена!");
    }
  }
  EXPECT_EQ(archive.Count(), 2);
  archive.ClearDraws();
  EXPECT_EQ(archive.Count(), 0);
}

}  // namespace
}  // namespace kavrin
