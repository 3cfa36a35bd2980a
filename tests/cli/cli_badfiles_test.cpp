// Every data file the command line reads, in every way a file goes bad: the command reports it
// clearly, fails when it cannot go on, and leaves the file's bytes as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "cli/cli_run.h"
#include "core/config.h"
#include "core/fileio.h"
#include "core/viewsettings.h"
#include "stakes/rating.h"
#include "stakes/stakesfile.h"
#include "stats/fullset.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

enum class TFault { Unreadable, Truncated, TrailingBytes, Garbage, OutOfRange };

const char* FaultName(TFault fault) {
  switch (fault) {
    case TFault::Unreadable: return "unreadable";
    case TFault::Truncated: return "truncated";
    case TFault::TrailingBytes: return "trailing bytes";
    case TFault::Garbage: return "garbage";
    case TFault::OutOfRange: return "out-of-range field";
  }
  return "";
}

std::string StakeBytes(int draw, std::vector<uint8_t> numbers) {
  TStakeData stake;
  stake.Kind = StakeManual;
  stake.DrawNumber = draw;
  stake.Numbers.Count = static_cast<int32_t>(numbers.size());
  std::copy(numbers.begin(), numbers.end(), stake.Numbers.Numbers.begin());
  stake.Comment = "c";
  std::string bytes(StakeRecordSize, '\0');
  EncodeStakeRecord(stake, reinterpret_cast<uint8_t*>(bytes.data()));
  return bytes;
}

std::string RatingBytes(int32_t stakes, int32_t zeroOverlaps) {
  TRatingData row;
  row.Key = "c";
  row.Stakes = stakes;
  row.Counts[0] = zeroOverlaps;
  std::string bytes(RatingRecordSize, '\0');
  EncodeRatingRecord(row, reinterpret_cast<uint8_t*>(bytes.data()));
  return bytes;
}

std::string DrawBytes(std::array<uint8_t, 5> numbers) {
  TDrawRec draw;
  draw.Number = 13;
  draw.Numbers = numbers;
  draw.Extra = 1;
  draw.Date = "01.02.2020 21:00";
  return EncodeDraws({draw});
}

std::string FullSetBytes(int32_t count, int32_t min, int32_t max) {
  TFullSetData data;
  data.Records.push_back({1, count});
  data.MinCount = min;
  data.MaxCount = max;
  return EncodeFullSet(data);
}

struct TBadFileCase {
  const char* kind;
  std::function<std::string(const test::TempDir&)> path;
  TFault fault;
  std::string bytes;  // the file's contents (for Unreadable: contents that would read well)
  std::vector<std::string> command;
  int status;
  const char* message;  // a part of what the command printed on stderr
};

std::vector<TBadFileCase> BadFileCases() {
  auto archive = [](const test::TempDir& dir) { return dir.File(ArchiveFileName); };
  auto rating = [](const test::TempDir& dir) { return dir.File(RatingFileName); };
  auto stakes = [](const test::TempDir& dir) { return dir.File(StakesFileName); };
  auto config = [](const test::TempDir& dir) { return dir.File(ConfigFileName); };
  auto view = [](const test::TempDir& dir) { return dir.File(ViewSettingsFileName); };
  auto fullSet = [](const test::TempDir& dir) { return FullSetFilePath(dir.Path(), "EVEN"); };
  auto list = [](const test::TempDir& dir) { return dir.File("list.lcv"); };
  const std::vector<std::string> drawsAdd = {"draws", "add", "--number", "14", "--numbers", "1;2;3;4;5;6"};
  const std::vector<std::string> ratingSort = {"rating", "--sort", "1"};
  const std::vector<std::string> stakesList = {"stakes", "list"};
  const std::vector<std::string> stats = {"stats", "EVEN", "--window", "12", "--fullset"};
  const std::vector<std::string> loadList = {"combs", "generate", "--mode", "4", "--params", "LIST"};
  const std::string stake = StakeBytes(7, {1, 2, 3, 4, 5});
  const std::string goodRating = RatingBytes(1, 1);
  const std::string goodDraw = DrawBytes({1, 2, 3, 4, 5});
  const std::string garbage(640, '\xEE');
  const std::string fullSetGood = FullSetBytes(5, 5, 5);
  return {
      {"archive", archive, TFault::Unreadable, goodDraw, drawsAdd, 1, "Ошибка чтения файла тиражей!"},
      {"archive", archive, TFault::Truncated, goodDraw.substr(0, 20), {"draws", "list"}, 0, "warning: Файл"},
      {"archive", archive, TFault::TrailingBytes, goodDraw + "xyz", {"draws", "list"}, 0, "обрывается внутри записи 2"},
      {"archive", archive, TFault::Garbage, garbage.substr(0, 56), drawsAdd, 1, "запись 1"},
      {"archive", archive, TFault::OutOfRange, goodDraw + DrawBytes({1, 2, 3, 4, 51}), drawsAdd, 1,
       "запись 2 (тираж 13): число 51 вне диапазона"},
      {"rating", rating, TFault::Unreadable, goodRating, ratingSort, 1, "Ошибка чтения файла рейтинга!"},
      {"rating", rating, TFault::Truncated, goodRating.substr(0, 100), ratingSort, 1, "обрывается внутри записи 1"},
      {"rating", rating, TFault::TrailingBytes, goodRating + "x", ratingSort, 1, "обрывается внутри записи 2"},
      {"rating", rating, TFault::Garbage, garbage.substr(0, RatingRecordSize), ratingSort, 1, "запись 1: количество ставок"},
      {"rating", rating, TFault::OutOfRange, goodRating + RatingBytes(1, 5), ratingSort, 1, "запись 2: ставок по числу"},
      {"stakes", stakes, TFault::Unreadable, stake, stakesList, 1, "Ошибка чтения файла ставок!"},
      {"stakes", stakes, TFault::Garbage, garbage, stakesList, 1, "поврежден: запись 1: версия записи 238"},
      {"stakes", stakes, TFault::OutOfRange, stake + StakeBytes(8, {1, 2, 3, 4, 60}), stakesList, 1,
       "поврежден: запись 2: числа ставки"},
      {"configuration", config, TFault::Unreadable, "[GLOBAL]\r\n", {"draws", "list"}, 1,
       "Ошибка чтения файла конфигурации!"},
      {"view settings", view, TFault::Unreadable, "[MAIN]\r\n", {"draws", "list"}, 1,
       "Ошибка загрузки параметров программы!"},
      {"full set", fullSet, TFault::Unreadable, fullSetGood, stats, 1, "Ошибка открытия файла данных"},
      {"full set", fullSet, TFault::Truncated, fullSetGood.substr(0, 20), stats, 1, "Неверный размер файла: 20"},
      {"full set", fullSet, TFault::TrailingBytes, fullSetGood + "x", stats, 1, "Неверный размер файла: 25"},
      {"full set", fullSet, TFault::Garbage, garbage.substr(0, 24), stats, 1, "Запись 1: отрицательное количество"},
      {"full set", fullSet, TFault::OutOfRange, FullSetBytes(5, 6, 5), stats, 1, "несовместимы"},
      {"list file", list, TFault::Unreadable, "1;2;3;4;5\r\n", loadList, 1, "Input/output error"},
      {"list file", list, TFault::OutOfRange, "1;2;3;4;5\r\n1;2;3;4;0\r\n", loadList, 1, "Строка 2"},
  };
}

TEST(CliBadFiles, EveryDataFileKindInEveryFaultIsReportedAndKeptAsItWas) {
  for (const TBadFileCase& c : BadFileCases()) {
    SCOPED_TRACE(std::string(c.kind) + ", " + FaultName(c.fault));
    test::TempDir dir;
    test::WriteTwelveDraws(dir);
    const std::string path = c.path(dir);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    test::WriteBytes(path, c.bytes);
    const std::string before = test::ReadBytes(path);
    std::vector<std::string> command = c.command;
    for (std::string& word : command)
      if (word == "LIST") word = path;

    if (c.fault == TFault::Unreadable)
      SetReadFaultHook([&](const std::string& read) { return read != path; });
    // The stakes file is opened, not read whole: a folder in its place cannot be opened at all.
    const bool folder = c.fault == TFault::Unreadable && std::string(c.kind) == "stakes";
    if (folder) {
      std::filesystem::remove(path);
      std::filesystem::create_directory(path);
    }
    const CliRun run = test::RunCliIn(dir, command);
    SetReadFaultHook(nullptr);

    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    if (folder) {
      EXPECT_TRUE(std::filesystem::is_directory(path));
      continue;
    }
    EXPECT_EQ(test::ReadBytes(path), before) << "the file was rewritten";
    // Nothing of a write that was refused is left behind.
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
      EXPECT_FALSE(IsAtomicWriteTempName(entry.path().filename().string())) << entry.path();
  }
}

// A torn last stake (a crash while appending) loses only that partial record, and the file as
// it was is kept beside it.
TEST(CliBadFiles, ATornStakesFileKeepsItsWholeRecordsAndACopy) {
  for (TFault fault : {TFault::Truncated, TFault::TrailingBytes}) {
    SCOPED_TRACE(FaultName(fault));
    test::TempDir dir;
    const std::string stake = StakeBytes(7, {1, 2, 3, 4, 5});
    const std::string bytes = fault == TFault::Truncated ? stake + stake.substr(0, 200) : stake + "x";
    test::WriteBytes(dir.File(StakesFileName), bytes);
    const CliRun run = test::RunCliIn(dir, {"stakes", "list"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("warning: Последняя запись файла ставок повреждена и будет удалена!"), std::string::npos)
        << run.err;
    EXPECT_EQ(test::ReadBytes(dir.File(StakesFileName)), stake);
    EXPECT_EQ(test::ReadBytes(dir.File(StakesFileName) + ".old"), bytes);
  }
}

TEST(CliBadFiles, ReadOnlyCommandsWriteNothing) {
  test::TempDir dir;
  test::WriteTwelveDraws(dir);
  // Two rating rows out of the view's order: reading them must not sort and save the file.
  TRatingsArray rows(2);
  rows[0].Key = "a";
  rows[0].Stakes = 1;
  rows[1].Key = "b";
  rows[1].Stakes = 1;
  rows[1].Overlaps = 5;
  rows[1].Counts[5] = 1;
  WriteRatingsFile(dir.File(RatingFileName), rows);
  ASSERT_EQ(test::RunCliIn(dir, {"draws", "list"}).status, 0);  // creates what a first start creates

  std::map<std::string, std::string> before;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    before[entry.path().filename().string()] = test::ReadBytes(entry.path().string());
  // A full disk: any write would fail and be reported.
  SetWriteFaultHook([](size_t) { return false; });
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"draws", "list"}, {"rating"}, {"stakes", "list"}, {"methods"}}) {
    const CliRun run = test::RunCliIn(dir, command);
    EXPECT_EQ(run.status, 0) << command.front() << ": " << run.err;
  }
  SetWriteFaultHook(nullptr);
  std::map<std::string, std::string> after;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    after[entry.path().filename().string()] = test::ReadBytes(entry.path().string());
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace kavrin
