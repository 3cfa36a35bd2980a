#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/errors.h"
#include "core/fileio.h"
#include "stakes/stakesfile.h"
#include "support/stakes.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::Stake;

TStakeData Checked(int draw, int overlaps) {
  TStakeData stake = Stake(draw, {1, 2, 3, 4, 5});
  stake.Checked = true;
  stake.Overlaps.Count = overlaps;
  return stake;
}

class StakesFileTest : public testing::Test {
 protected:
  void SetUp() override { file.Open(); }
  std::vector<int> Draws() {
    std::vector<int> draws;
    file.ForEach(0, [&](int64_t, const TStakeData& stake) {
      draws.push_back(stake.DrawNumber);
      return true;
    });
    return draws;
  }
  std::vector<int> OverlapCounts() {
    std::vector<int> counts;
    file.ForEach(0, [&](int64_t, const TStakeData& stake) {
      counts.push_back(stake.Kind == StakeSeparator ? 99 : stake.OverlapCount());
      return true;
    });
    return counts;
  }

  test::TempDir dir;
  TStakesFile file{dir.File(StakesFileName)};
};

TEST_F(StakesFileTest, TheLockRefusesASecondOpenerUntilTheFirstCloses) {
  TStakesFile second(dir.File(StakesFileName));
  try {
    second.Open();
    FAIL() << "a second opener got the file";
  } catch (const KavrinError& e) {
    EXPECT_NE(std::string(e.what()).find("занят другим процессом"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(second.IsOpen());
  file.Close();
  second.Open();
  EXPECT_TRUE(second.IsOpen());
}

TEST_F(StakesFileTest, ReadsAndWritesByOriginAndRefusesPositionsOutsideTheFile) {
  file.Write(TSeekOrigin::End, 0, Stake(1, {1, 2, 3, 4, 5}));
  file.Write(TSeekOrigin::End, 0, Stake(2, {1, 2, 3, 4, 5}));
  EXPECT_EQ(file.Count(), 2);
  EXPECT_EQ(file.Read(TSeekOrigin::End, -1).DrawNumber, 2);
  EXPECT_EQ(file.Read(TSeekOrigin::Begin, 0).DrawNumber, 1);
  EXPECT_EQ(file.Read(TSeekOrigin::Current, 0).DrawNumber, 2);
  file.Write(TSeekOrigin::Begin, 0, Stake(7, {1, 2, 3, 4, 5}));  // overwrites, the cache follows
  EXPECT_EQ(file.Read(TSeekOrigin::Begin, 0).DrawNumber, 7);
  EXPECT_EQ(file.Count(), 2);

  try {
    file.Read(TSeekOrigin::Begin, 2);
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Запись со индексом 2 в файле данных не найдена!");
  }
  EXPECT_THROW(file.Read(TSeekOrigin::End, -3), KavrinError);
  EXPECT_THROW(file.Write(TSeekOrigin::End, 1, Stake(3, {1, 2, 3, 4, 5})), KavrinError);
  file.Close();
  try {
    file.Read(TSeekOrigin::Begin, 0);
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), StakesNotOpenMessage);
  }
}

// A stake record's bytes as the program writes it.
std::string StakeBytes(const TStakeData& stake) {
  std::string bytes(StakeRecordSize, '\0');
  EncodeStakeRecord(stake, reinterpret_cast<uint8_t*>(bytes.data()));
  return bytes;
}

TEST(StakesFileVersion, AnOlderVersionIsEmptiedAfterACopyAndADamagedFileIsRefused) {
  const std::string stake = StakeBytes(Stake(7, {1, 2, 3, 4, 5}));
  std::string old(640, '\0');
  old[0] = 1;
  std::string badNumber = stake;
  badNumber[20] = 51;  // the first stake number
  std::string badVersion = stake;
  badVersion[0] = 7;
  struct Case {
    const char* name;
    std::string bytes;
    const char* warning;  // empty: none
    int64_t count;        // records left; -1: refused
    const char* error;
  };
  const Case cases[] = {
      {"empty", "", "", 0, ""},
      {"current", stake + stake, "", 2, ""},
      {"older version", old, "устаревшей версии", 0, ""},
      {"torn last record", stake + stake.substr(0, 100), "Последняя запись", 1, ""},
      {"torn first record", stake.substr(0, 10), "Последняя запись", 0, ""},
      {"newer version", badVersion + stake, "", -1, "запись 1: версия записи 7 не поддерживается"},
      {"garbage record", stake + std::string(320, '\xEE'), "", -1, "запись 2: версия записи 238 вместо 2"},
      {"number out of range", stake + badNumber, "", -1, "запись 2: числа ставки"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    const std::string path = dir.File(StakesFileName);
    test::WriteBytes(path, c.bytes);
    TStakesFile file(path);
    file.Open();
    if (c.count < 0) {
      try {
        file.ApplyVersionRule();
        ADD_FAILURE() << "a damaged file was accepted";
      } catch (const KavrinError& e) {
        EXPECT_NE(std::string(e.what()).find("Файл ставок " + path + " поврежден: " + c.error), std::string::npos)
            << e.what();
      }
      EXPECT_THROW(file.Append(Stake(9, {1, 2, 3, 4, 5}), 1), KavrinError);
      EXPECT_THROW(file.Truncate(), KavrinError);
      EXPECT_THROW(file.Read(TSeekOrigin::Begin, 0), KavrinError);
      file.Reopen();
      EXPECT_THROW(file.Append(Stake(9, {1, 2, 3, 4, 5}), 1), KavrinError) << "the refusal survives a reopen";
      EXPECT_EQ(test::ReadBytes(path), c.bytes);
      EXPECT_FALSE(FileExists(path + ".old"));
      continue;
    }
    const TStakesFile::TVersionRule rule = file.ApplyVersionRule();
    EXPECT_EQ(file.Count(), c.count);
    if (*c.warning == '\0') {
      EXPECT_EQ(rule.Warning, "");
      EXPECT_FALSE(FileExists(path + ".old"));
      continue;
    }
    EXPECT_NE(rule.Warning.find(c.warning), std::string::npos) << rule.Warning;
    EXPECT_NE(rule.Warning.find("Копия прежнего файла: " + path + ".old"), std::string::npos) << rule.Warning;
    EXPECT_EQ(test::ReadBytes(path + ".old"), c.bytes) << "the old file is kept whole";
    EXPECT_EQ(rule.Emptied, c.count == 0);
  }
}

TEST(StakesFileVersion, AnExistingCopyIsNeverOverwritten) {
  test::TempDir dir;
  const std::string path = dir.File(StakesFileName);
  test::WriteBytes(path + ".old", "earlier copy");
  test::WriteBytes(path, std::string(320, '\1'));
  TStakesFile file(path);
  file.Open();
  EXPECT_NE(file.ApplyVersionRule().Warning.find(path + ".old2"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(path + ".old"), "earlier copy");
  EXPECT_EQ(test::ReadBytes(path + ".old2"), std::string(320, '\1'));
}

TEST_F(StakesFileTest, AppendingForSeveralDrawsPutsASeparatorBeforeEachCopy) {
  file.Append(Stake(100, {1, 2, 3, 4, 5}), 1);
  file.Append(Stake(101, {1, 2, 3, 4, 5}), 3);
  EXPECT_EQ(Draws(), (std::vector<int>{100, -1, 101, -1, 102, -1, 103}));
  EXPECT_EQ(file.Read(TSeekOrigin::Begin, 1), StakesNewSeparator());

  file.Append(StakesNewSeparator(), 1);
  file.Append(Stake(200, {1, 2, 3, 4, 5}), 2);  // the file ends with a separator already
  EXPECT_EQ(Draws(), (std::vector<int>{100, -1, 101, -1, 102, -1, 103, -1, 200, -1, 201}));

  try {
    file.Append(Checked(300, 2), 1);
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Добавление в конец файла уже проверенной ставки!");
  }
}

TEST(StakesFileAppend, AnEmptyFileGetsNoLeadingSeparator) {
  test::TempDir dir;
  TStakesFile file(dir.File(StakesFileName));
  file.Open();
  file.Append(Stake(5, {1, 2, 3, 4, 5}), 2);
  EXPECT_EQ(file.Count(), 3);
  EXPECT_EQ(file.Read(TSeekOrigin::Begin, 0).DrawNumber, 5);
  EXPECT_EQ(file.Read(TSeekOrigin::End, -1).DrawNumber, 6);
}

TEST_F(StakesFileTest, CheckingFillsInTheDrawOverlapsAndProfitOnceTheDrawIsKnown) {
  TConfigData config;
  config.Cost = TCurrency::FromAmount(100);
  config.Profits = {{3, TCurrency::FromAmount(500)}};
  TStakeData six = Stake(1500, {1, 2, 3, 4, 5, 6});
  six.Overlaps.Count = -1;
  six.Profit = StakeProfit(config, 6, -1);
  file.Append(six, 1);
  file.Append(StakesNewSeparator(), 1);
  file.Append(Stake(1500, {1, 2, 3, 4}), 1);  // fewer than five numbers: never checked

  TDrawsArray draws(1);
  draws[0].Number = 1499;
  draws[0].Numbers = {1, 2, 3, 4, 5};
  std::vector<TStakeData> hooked;
  std::vector<std::string> progress;
  TStakesCheckHooks hooks{[&](const std::string& text) { progress.push_back(text); },
                          [&](const TStakeData& stake) { hooked.push_back(stake); }};
  bool changed = true;
  EXPECT_FALSE(file.Check(draws, config, hooks, changed));
  EXPECT_FALSE(changed);
  EXPECT_FALSE(file.Read(TSeekOrigin::Begin, 0).Checked);
  EXPECT_EQ(file.Read(TSeekOrigin::Begin, 0).Profit, TCurrency::FromAmount(-600));

  TDrawRec next;
  next.Number = 1500;
  next.Numbers = {3, 9, 1, 40, 2};
  draws.push_back(next);
  EXPECT_TRUE(file.Check(draws, config, hooks, changed));
  TStakeData checked = file.Read(TSeekOrigin::Begin, 0);
  EXPECT_TRUE(checked.Checked);
  EXPECT_EQ(checked.DrawNumbers, (TComb{3, 9, 1, 40, 2}));
  EXPECT_EQ(checked.Overlaps, (TNumberSet{3, {1, 2, 3}}));
  EXPECT_EQ(checked.Profit, TCurrency::FromAmount(-100));
  ASSERT_EQ(hooked.size(), 1u);
  EXPECT_EQ(hooked[0], checked);
  EXPECT_FALSE(file.Read(TSeekOrigin::Begin, 2).Checked);
  EXPECT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), "Проверка результатов ставок ( завершено 100 % )...");

  EXPECT_FALSE(file.Check(draws, config, hooks, changed));  // nothing left to check
  EXPECT_EQ(hooked.size(), 1u);
}

TEST_F(StakesFileTest, FindMatchesTheDrawAndTheSetInAnyOrder) {
  file.Write(TSeekOrigin::End, 0, Checked(10, 2));
  file.Write(TSeekOrigin::End, 0, Stake(11, {7, 8, 9, 10, 11}));
  TNumberSet set{5, {11, 9, 7, 8, 10}};
  EXPECT_TRUE(file.Find(11, set));
  EXPECT_FALSE(file.Find(10, set));
  EXPECT_TRUE(file.Find(10, TNumberSet{5, {5, 4, 3, 2, 1}}));
}

TEST_F(StakesFileTest, DeletionByConditionKeepsSeparatorsAndTreatsUncheckedAsMinusOne) {
  struct Case {
    int mode, threshold;
    std::vector<int> left;  // overlap counts of the remaining records, 99 for a separator
  };
  const std::vector<int> all = {99, -1, 0, 1, 2, 3, 5, 99};
  for (const Case& c : {Case{0, 2, {99, -1, 0, 1, 3, 5, 99}}, Case{1, 2, {99, -1, 0, 1, 2, 99}},
                        Case{2, 2, {99, -1, 0, 1, 99}}, Case{3, 2, {99, 2, 3, 5, 99}}, Case{4, 2, {99, 3, 5, 99}},
                        Case{3, 0, {99, 0, 1, 2, 3, 5, 99}}}) {
    file.Truncate();
    for (int ov : all) {
      if (ov == 99)
        file.Write(TSeekOrigin::End, 0, StakesNewSeparator());
      else if (ov < 0)
        file.Write(TSeekOrigin::End, 0, Stake(7, {1, 2, 3, 4, 5}));
      else
        file.Write(TSeekOrigin::End, 0, Checked(7, ov));
    }
    file.DeleteByCondition(c.mode, c.threshold);
    EXPECT_EQ(OverlapCounts(), c.left) << StakeConditionCaptions()[c.mode] << " " << c.threshold;
  }
}

TEST_F(StakesFileTest, DeletingRowsReplacesTheFileWholeAndKeepsTheLock) {
  for (int draw = 1; draw <= 5; ++draw) file.Append(Stake(draw, {1, 2, 3, 4, 5}), 1);
  file.DeleteRows(2, 3);
  EXPECT_EQ(Draws(), (std::vector<int>{1, 4, 5}));
  EXPECT_FALSE(FileExists(file.TempPath()));
  EXPECT_EQ(file.TempPath(), dir.File("Kavrin_5x50.~tmp"));
  TStakesFile second(dir.File(StakesFileName));
  EXPECT_THROW(second.Open(), KavrinError);
  file.Append(Stake(6, {1, 2, 3, 4, 5}), 1);  // the new file is the open one
  EXPECT_EQ(test::ReadBytes(dir.File(StakesFileName)).size(), 4 * StakeRecordSize);

  file.Truncate();
  try {
    file.DeleteRows(1, 1);
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), StakesNotOpenMessage);
  }
}

TEST_F(StakesFileTest, ADeletionThatCannotWriteItsNewFileLosesNothing) {
  for (int draw = 1; draw <= 3; ++draw) file.Append(Stake(draw, {1, 2, 3, 4, 5}), 1);
  ASSERT_EQ(::mkdir(file.TempPath().c_str(), 0755), 0);
  EXPECT_THROW(file.DeleteRows(1, 1), KavrinError);
  EXPECT_EQ(Draws(), (std::vector<int>{1, 2, 3}));
  file.Append(Stake(4, {1, 2, 3, 4, 5}), 1);
  EXPECT_EQ(Draws(), (std::vector<int>{1, 2, 3, 4}));
}

TEST(StakesFileStart, ALeftoverTemporaryFileIsRemovedAndTheStakesFileKept) {
  test::TempDir dir;
  std::string record(StakeRecordSize, '\0');
  record[0] = 2;
  record[4] = 9;
  test::WriteBytes(dir.File(StakesFileName), record);
  test::WriteBytes(dir.File("Kavrin_5x50.~tmp"), std::string(StakeRecordSize * 2, '\0'));
  TStakesFile file(dir.File(StakesFileName));
  file.Open();
  EXPECT_FALSE(FileExists(dir.File("Kavrin_5x50.~tmp")));
  EXPECT_EQ(file.Count(), 1);
  EXPECT_EQ(file.Read(TSeekOrigin::Begin, 0).DrawNumber, 9);
}

TEST_F(StakesFileTest, RecentDrawsStartAtTheFirstRecordOfTheOldestDrawCounted) {
  for (int draw : {9, 10, 10, 11, 12}) file.Write(TSeekOrigin::End, 0, Checked(draw, 1));
  file.Write(TSeekOrigin::End, 0, Stake(13, {1, 2, 3, 4, 5}));  // unchecked: not counted
  TStakesFile::TRecentDraws recent = file.SeekRecentDraws(2);
  EXPECT_EQ(recent.Found, 2);
  EXPECT_EQ(recent.FirstIndex, 3);  // draw 11
  recent = file.SeekRecentDraws(3);
  EXPECT_EQ(recent.FirstIndex, 1);  // both records of draw 10
  recent = file.SeekRecentDraws(100);
  EXPECT_EQ(recent.Found, 4);
  EXPECT_EQ(recent.FirstIndex, 0);
}

}  // namespace
}  // namespace kavrin
