#include <gtest/gtest.h>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/inifile.h"
#include "stats/stats_fixture.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::StatsFixture;

std::vector<std::string> Codes(const TStatList& list) {
  std::vector<std::string> codes;
  for (int i = 0; i < list.Count(); ++i) codes.push_back(list.Items(i).Code());
  return codes;
}

TEST(StatList, BuildsEntriesInRegistrationOrder) {
  StatsFixture f;
  // Every method with the default configuration (5 matrix columns, 10 rows, channels of 5).
  const std::vector<std::string> expected = {
      "NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV", "SUMS", "SUM1", "SUM2", "SUM3", "SUMC", "SUMV",
      "SUMT", "SUME", "SUMP", "S2T3", "DIFA", "DIFM", "DIFD", "DIFO", "DIFK", "CHAN", "CHNV", "CHNC", "COLS", "ROWS",
      "COLV", "ROWV", "COLN", "ROWN", "COLM", "ROWM", "COLA", "ROWA", "COLC", "ROWC", "SGMS", "SGMV", "SGMC", "SEQL",
      "SEQS", "LENS", "RPV2", "RPV3", "PRL2", "PRV2O1", "PRV2O2", "PRV2O3", "PRV+1", "PRV-1", "PRV+2", "PRV-2",
      "RPC2", "RPC3", "PRB2", "RPO1", "PRC2O2", "PRC2O3", "PRC+1", "PRC-1", "PRC+2", "PRC-2", "KNM2", "KNM3", "KNM4",
      "KNS2", "KNS3", "KNS4", "KNP21", "KNP22", "KNP23", "KNP24", "KNP31", "KNP32", "KNP33", "KNP41", "KNP42",
      "KDS2", "KDS3", "KDS4", "KCM2", "KCM3", "KCM4", "KCS2", "KCS3", "KCS4", "KFM2", "KFM3", "KFM4", "KFS2", "KFS3",
      "KFS4", "KRM2", "KRM3", "KRM4", "KRS2", "KRS3", "KRS4", "KGM2", "KGM3", "KGM4", "KGS2", "KGS3", "KGS4", "POS1",
      "POS2", "POS3", "POS4", "POS5", "POE1", "CHN1", "CHN2", "CHN3", "CHN4", "CHN5", "CHN6", "CHN7", "CHN8", "CHN9",
      "CHN10", "COL1", "COL2", "COL3", "COL4", "COL5", "ROW1", "ROW2", "ROW3", "ROW4", "ROW5", "ROW6", "ROW7",
      "ROW8", "ROW9", "ROW10", "SGM1", "GRPV", "GRPP", "GRCV", "GRCP", "GRSV", "GRSP", "PRDV", "PRDC", "PRDG",
      "SDV2", "SDP2", "SDN1", "SDN2", "SDN3", "SDN4", "SDN5", "SDP3", "SDM1", "SDM2", "SDM3", "SDM4", "SDM5", "SCV2",
      "SCP2", "SCN1", "SCN2", "SCN3", "SCN4", "SCN5", "SCP3", "SCM1", "SCM2", "SCM3", "SCM4", "SCM5", "SC2C1",
      "SC2C2", "SC2C3", "SC2C4", "SC2C5", "SC2C6", "SC2C7", "SC2C8", "SC2C9", "SC2C10", "SC3C1", "SC3C2", "SC3C3",
      "SC3C4", "SC3C5", "SC3C6", "SC3C7", "SC3C8", "SC3C9", "SC3C10", "SDA2", "SDG2", "SDZ2", "SDC2", "SSV2", "SSP2",
      "SSN1", "SSN2", "SSN3", "SSN4", "SSN5", "SSP3", "SSM1", "SSM2", "SSM3", "SSM4", "SSM5", "SS2C1", "SS3C1",
      "HCN1", "HCN2", "HCN3", "SHR1", "SHR2", "SHR3"};
  EXPECT_EQ(Codes(f.list), expected);
  EXPECT_EQ(f.list.Items(f.list.FindCode("pos3")).Index, 3);
  EXPECT_EQ(f.list.FindCode("NOPE"), -1);
}

TEST(StatList, ListTextsFollowTheDisplayOptions) {
  StatsFixture f;
  struct Case {
    std::string code;
    bool withFlags;
    std::string text;
  } cases[] = {
      {"DIFM", true, "{ dif } Максимальная разность между соседними позициями [ SNG ]"},
      {"NUMS", true, "{ num } Числа тиража [ N ]"},
      {"SUMS", false, "{ sum } Сумма тиража: все значения"},
      {"SUM1", true, "{ sum } Сумма тиража: диапазон 1 (1/3) [ NG ]"},
      {"SUM2", true, "{ sum } Сумма тиража: диапазон 2 (1/2) [ NG ]"},
      {"SUM3", true, "{ sum } Сумма тиража: диапазон 3 (2/3) [ NG ]"},
      {"SUMV", true, "{ sum } Сумма тиража: изменения (диапазон) [ D ]"},
      {"KDS3", true, "{ dif } Сочетания из 3 разностей между числами [ S ]"},
      {"POS2", true, "{ num } Число в 2 позиции тиража [ SNG ]"},
      {"POE1", true, "{ num } Extra (Bonus, Star...) - число (!без фильтра!) [ G ]"},
  };
  for (const Case& c : cases) EXPECT_EQ(f.list.MethodListText(f.list.FindCode(c.code), c.withFlags), c.text);

  f.list.ShowGroupName = false;
  f.list.ShowMethodFlags = false;
  EXPECT_EQ(f.list.MethodListText(f.list.FindCode("NUMS"), true), "Числа тиража");
  f.list.Items(f.list.FindCode("NUMS")).UserCaption = "Мои числа";
  EXPECT_EQ(f.list.MethodListText(f.list.FindCode("NUMS"), true), "Мои числа");
}

TEST(StatList, GroupTitles) {
  EXPECT_EQ(GroupTitle(0), "{ num } Числа тиража");
  EXPECT_EQ(GroupTitle(12), "{ shr } Методы шинковки");
  EXPECT_EQ(GroupTitle(13), "#ERROR#");
  EXPECT_EQ(GroupTitle(-1), "#ERROR#");
}

TEST(StatList, HelpAddressNeedsAnExistingHelpFile) {
  StatsFixture f;
  test::TempDir dir;
  const std::string help = dir.File("Vexa_RUS.chm");
  EXPECT_EQ(f.list.Items(0).HelpURL(help), "");
  test::WriteBytes(help, "x");
  EXPECT_EQ(f.list.Items(f.list.FindCode("NUMS")).HelpURL(help), "ms-its:" + help + "::/Filters_1049_NUMS.htm");
  EXPECT_EQ(f.list.Items(f.list.FindCode("POS3")).HelpURL(help), "ms-its:" + help + "::/Filters_1049_POSx.htm");
  EXPECT_EQ(f.list.Items(f.list.FindCode("POE1")).HelpURL(help), "ms-its:" + help + "::/Filters_1049_POSx.htm");
  EXPECT_EQ(f.list.Items(f.list.FindCode("SUM2")).HelpURL(help), "ms-its:" + help + "::/Filters_1049_SUM2.htm");
  EXPECT_EQ(f.list.Items(0).HelpURL(""), "");
}

TEST(Favorites, StringSelectsEntriesByCodeIgnoringCase) {
  StatsFixture f;
  EXPECT_EQ(f.list.FavoritesText(), "");
  f.list.ApplyFavorites(" nums,,SUM2,NOSUCH ");
  EXPECT_FALSE(f.list.AllEnabled);
  EXPECT_EQ(f.list.FavoritesText(), "NUMS,SUM2");
  for (int i = 0; i < f.list.Count(); ++i) EXPECT_EQ(f.list.IsVisible(i), i == 0 || f.list.Items(i).Code() == "SUM2");

  f.list.ApplyFavorites("  ");
  EXPECT_TRUE(f.list.AllEnabled);
  EXPECT_EQ(f.list.FavoritesText(), "");
}

TEST(Favorites, NormalizeBringsEverythingBackWhenNothingIsMarked) {
  StatsFixture f;
  for (int i = 0; i < f.list.Count(); ++i) f.list.Items(i).Enabled = false;
  f.list.AllEnabled = false;
  f.list.NormalizeFavorites();
  EXPECT_TRUE(f.list.AllEnabled);
  EXPECT_TRUE(f.list.Items(5).Enabled);

  f.list.Items(3).Enabled = false;
  f.list.NormalizeFavorites();
  EXPECT_FALSE(f.list.AllEnabled);
  EXPECT_FALSE(f.list.IsVisible(3));
}

TEST(Favorites, FileRoundTripKeepsMarksOptionsAndCaptions) {
  test::TempDir dir;
  const std::string file = dir.File("Kavrin_5x50.flt");
  std::string error;
  {
    StatsFixture f;
    f.list.ApplyFavorites("DIFA,SUMS");
    f.list.Ordered = true;
    f.list.ShowMethodFlags = false;
    f.list.Items(f.list.FindCode("SUMS")).UserCaption = "Суммы";
    ASSERT_TRUE(f.list.SaveFilterList(file, true, false, error)) << error;
  }
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadString("FILTERS", "Favorites", ""), "SUMS,DIFA");
  EXPECT_EQ(ini.SectionKeys("STRINGS_RUS"), std::vector<std::string>{"SUMS"});

  StatsFixture g;
  ASSERT_TRUE(g.list.LoadFilterList(file, true, error)) << error;
  EXPECT_EQ(g.list.FavoritesText(), "SUMS,DIFA");
  EXPECT_TRUE(g.list.Ordered);
  EXPECT_TRUE(g.list.ShowGroupName);
  EXPECT_FALSE(g.list.ShowMethodFlags);
  EXPECT_EQ(g.list.Items(g.list.FindCode("SUMS")).DisplayCaption(), "Суммы");

  // All enabled is written as an empty value, which reads back as all enabled.
  g.list.EnableAll();
  ASSERT_TRUE(g.list.SaveFilterList(file, true, false, error));
  StatsFixture h;
  h.list.ApplyFavorites("NUMS");
  ASSERT_TRUE(h.list.LoadFilterList(file, true, error));
  EXPECT_TRUE(h.list.AllEnabled);
}

TEST(Favorites, NamesFilesCarryCaptionsOnlyOfTheCurrentLanguage) {
  test::TempDir dir;
  const std::string names = dir.File("names.flt");
  std::string error;
  StatsFixture f;
  f.list.ApplyFavorites("NUMS");
  ASSERT_TRUE(f.list.SaveFilterList(names, false, true, error));
  TIniFile written(names);
  EXPECT_FALSE(written.SectionExists("FILTERS"));
  EXPECT_EQ(written.ReadString("STRINGS_RUS", "SUM1", ""), "Сумма тиража: диапазон 1 (1/3)");
  EXPECT_EQ(written.SectionKeys("STRINGS_RUS").size(), static_cast<size_t>(f.list.Count()));

  test::WriteBytes(names, Utf8ToCp1251("[STRINGS_ENU]\r\nNUMS=Numbers\r\n[STRINGS_RUS]\r\nDIGS=  Цифры  \r\n"));
  f.list.Items(0).UserCaption = "старое";
  ASSERT_TRUE(f.list.LoadFilterList(names, false, error));
  EXPECT_EQ(f.list.Items(0).UserCaption, "");
  EXPECT_EQ(f.list.Items(1).UserCaption, "Цифры");
  EXPECT_EQ(f.list.FavoritesText(), "NUMS");  // marks untouched without favourites
}

TEST(Favorites, SaveFailureGivesTheMessageAndFalse) {
  test::TempDir dir;
  StatsFixture f;
  std::string error;
  EXPECT_FALSE(f.list.SaveFilterList(dir.File("missing/x.flt"), true, false, error));
  EXPECT_EQ(error.rfind("Ошибка сохранения списка фильтров!\r\r", 0), 0u) << error;
}

TEST(KindLists, ShowVisibleEntriesAndGraphsSeparately) {
  StatsFixture f;
  TStatKindList stats("cbStatKind"), graphs("cbGraphKind");
  f.list.ApplyFavorites("EVNV,SUMS,POE1,DIFA");
  f.list.Ordered = true;
  f.list.FillKindLists(stats, graphs, false);
  ASSERT_EQ(stats.Items.size(), 4u);
  ASSERT_EQ(graphs.Items.size(), 2u);
  EXPECT_TRUE(stats.Sorted);
  // Sorted by text: { dif } < { num } (two of them, by caption) < { sum }.
  EXPECT_EQ(f.list.Items(stats.Items[0].Entry).Code(), "DIFA");
  EXPECT_EQ(f.list.Items(stats.Items[1].Entry).Code(), "POE1");
  EXPECT_EQ(f.list.Items(stats.Items[2].Entry).Code(), "EVNV");
  EXPECT_EQ(f.list.Items(stats.Items[3].Entry).Code(), "SUMS");
  EXPECT_EQ(stats.ItemIndex, 0);

  stats.ItemIndex = 3;
  f.list.FillKindLists(stats, graphs, true);
  EXPECT_EQ(stats.ItemIndex, 3);
  f.list.ApplyFavorites("NUMS");
  f.list.FillKindLists(stats, graphs, true);
  EXPECT_EQ(stats.ItemIndex, 0);  // the old position is gone
  EXPECT_EQ(graphs.ItemIndex, -1);
  EXPECT_THROW(
      {
        try {
          f.list.CreateSelected(graphs);
        } catch (const KavrinError& e) {
          EXPECT_STREQ(e.what(), "Не выбран метод расчета статистики (cb: cbGraphKind)!");
          throw;
        }
      },
      KavrinError);
  EXPECT_EQ(f.list.CreateSelected(stats)->InstanceCaption(), "Числа тиража");
}

TEST(StakeResult, PriceOfCombinationsPlusThePrize) {
  StatsFixture f;
  f.list.Config.Cost = TCurrency::FromAmount(1.5L);
  f.list.Config.Profits = {{2, TCurrency::FromAmount(10)}, {3, TCurrency::FromAmount(100)}, {3, TCurrency::FromAmount(7)}};
  EXPECT_EQ(f.list.StakeResult(5, -1), TCurrency::FromAmount(-1.5L));
  EXPECT_EQ(f.list.StakeResult(3, 0), TCurrency::FromAmount(-1.5L));    // under five numbers: one combination
  EXPECT_EQ(f.list.StakeResult(7, 3), TCurrency::FromAmount(68.5L));    // 21 combinations, first row for 3
  EXPECT_EQ(f.list.StakeResult(6, 2), TCurrency::FromAmount(1));        // 6 combinations
  EXPECT_EQ(f.list.StakeResult(6, 4), TCurrency::FromAmount(-9));       // no prize row for 4
}

TEST(Weights, ScenarioOverrideAndRestore) {
  StatsFixture f;
  TStatWeights own;
  own.Count = 2;
  f.list.Config.Weights = own;
  f.list.SaveWeights();
  TStatWeights line;
  line.Level = 5;
  f.list.ApplyWeights(true, line);
  EXPECT_EQ(f.list.Config.Weights, line);
  f.list.ApplyWeights(false, line);
  EXPECT_EQ(f.list.Config.Weights, own);
  f.list.Config.Weights = line;
  f.list.RestoreWeights();
  EXPECT_EQ(f.list.Config.Weights, own);
}

}  // namespace
}  // namespace kavrin
