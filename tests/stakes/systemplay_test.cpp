#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/errors.h"
#include "stakes/systemplay.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

TEST(SystemPlay, FileNamesAndTheLookUpForNNumbers) {
  EXPECT_EQ(SystemFileName(12, 3, 42), "5-12-3_0042.dat");
  test::TempDir dir;
  EXPECT_EQ(FindSystemFile(dir.File("Systems"), 9), std::nullopt);
  ASSERT_EQ(::mkdir(dir.File("Systems").c_str(), 0755), 0);
  test::WriteBytes(dir.File("Systems/5-10-0_0007.dat"), "01 02 03 04 05\r\n");
  ASSERT_EQ(::mkdir(dir.File("Systems/5-09-0_0001.dat").c_str(), 0755), 0);  // folders never count
  EXPECT_EQ(FindSystemFile(dir.File("Systems"), 9), std::nullopt);
  EXPECT_EQ(FindSystemFile(dir.File("Systems"), 10), dir.File("Systems/5-10-0_0007.dat"));
}

TEST(SystemPlay, PositionsBecomeThePlayedNumbers) {
  const std::vector<uint8_t> numbers = {7, 3, 44, 20, 15, 8, 31, 2, 19};
  TCombsArray combs = MapSystem("01 02 03 04 09\r\n\r\n5-6-7-8-9\r\n", numbers);
  ASSERT_EQ(combs.size(), 2u);
  EXPECT_EQ(combs[0], (TComb{7, 3, 44, 20, 19}));
  EXPECT_EQ(combs[1], (TComb{15, 8, 31, 2, 19}));

  EXPECT_THROW(MapSystem("01 02 03 04 10\r\n", numbers), KavrinError);
  EXPECT_THROW(MapSystem("01 02 03 04 0\r\n", numbers), KavrinError);
  EXPECT_THROW(MapSystem("01 02 03 x 05\r\n", numbers), KavrinError);
  EXPECT_THROW(MapSystem("01 02 03 04\r\n", numbers), KavrinError);
  try {
    MapSystem("1 2 3 4 5\r\n1 2 3 2 5\r\n", numbers);
    ADD_FAILURE() << "a repeated position was played";
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Строка 2 системы: позиция \"2\" повторяется.");
  }
}

TEST(SystemPlay, StakesOfTheWholeSystemOrOnlyThoseInTheWorkingList) {
  TConfigData config;
  config.Cost = TCurrency::FromAmount(10);
  const TCombsArray system = {{7, 3, 44, 20, 19}, {15, 8, 31, 2, 19}, {1, 2, 3, 4, 5}};
  const TCombsArray working = {{3, 7, 19, 20, 44}, {9, 10, 11, 12, 13}, {2, 8, 15, 19, 31}, {6, 7, 8, 9, 10}};
  std::vector<TStakeData> all = SystemStakes(system, working, true, 1501, "c", config);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].Numbers, (TNumberSet{5, {3, 7, 19, 20, 44}}));
  EXPECT_EQ(all[0].Selection, 3);
  EXPECT_EQ(all[0].Kind, StakeSystem);
  EXPECT_EQ(all[0].DrawNumber, 1501);
  EXPECT_EQ(all[0].OverlapCount(), -1);
  EXPECT_EQ(all[0].Profit, TCurrency::FromAmount(-10));
  std::vector<TStakeData> inList = SystemStakes(system, working, false, 1501, "c", config);
  ASSERT_EQ(inList.size(), 2u);
  EXPECT_EQ(inList[1].Numbers, (TNumberSet{5, {2, 8, 15, 19, 31}}));
  EXPECT_EQ(inList[1].Selection, 4);

  EXPECT_EQ(SystemStakeComment(9, true, "/data/Systems/5-09-0_0001.dat"),
            "Системная игра для 9 чисел [вся система]: 5-09-0_0001");
  EXPECT_EQ(SystemStakeComment(9, false, "/data/Systems/5-09-0_0001.dat"),
            "Системная игра для 9 чисел [комбинации]: 5-09-0_0001");
}

}  // namespace
}  // namespace kavrin
