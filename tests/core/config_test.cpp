#include <gtest/gtest.h>

#include "core/config.h"
#include "core/format.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

const LocaleSettings Russian{",", " "};

// Writes the text as the configuration file and opens it with the Russian separators.
struct ConfigFile {
  test::TempDir dir;
  std::string path = dir.File(ConfigFileName);
  TIniFile Open(const std::string& text) {
    test::WriteBytes(path, text);
    return TIniFile(path, Russian);
  }
};

TEST(Config, MissingFileGivesDefaults) {
  test::TempDir dir;
  TIniFile ini(dir.File(ConfigFileName), Russian);
  TConfigData config;
  config.MatrixCols = 9;
  TGenerateConfig generate;
  TShreddingConfig shredding;
  TProxy proxy;
  LoadMainConfig(ini, config);
  LoadGenerateConfig(ini, generate);
  LoadShreddingConfig(ini, shredding);
  LoadProxyConfig(ini, proxy);
  EXPECT_EQ(config.MatrixCols, 9) << "a missing key keeps what the record had";
  config.MatrixCols = 5;
  EXPECT_EQ(config, TConfigData());
  EXPECT_EQ(config.Weights.Deviation, -1);
  EXPECT_EQ(config.Weights.Level, 1);
  EXPECT_EQ(config.MaxStake, 11);
  EXPECT_EQ(generate.Mode, 0);
  EXPECT_EQ(shredding.Formulas[0], "(n1+n2+n3)/(n4+n5)");
  EXPECT_EQ(shredding.Formulas[1], "(n4+n5)/(n1+n2+n3)");
  EXPECT_EQ(shredding.Formulas[2], "(n1+n2)/(n3+n4+n5)");
  EXPECT_EQ(shredding.Digits, (std::array<uint8_t, 3>{2, 2, 2}));
  EXPECT_EQ(proxy, TProxy());
  EXPECT_EQ(proxy.Port, 80);
}

TEST(Config, Segments) {
  EXPECT_EQ(SegmentsFromText(""), TConfigData::DefaultSegments());
  auto segments = SegmentsFromText("12");
  EXPECT_EQ(segments[0], 1);
  EXPECT_EQ(segments[1], 2);
  for (int i = 2; i < NumberMax; ++i) EXPECT_EQ(segments[i], 1) << i;
  segments = SegmentsFromText("9x3" + std::string(60, '7'));
  EXPECT_EQ(segments[0], 9);
  EXPECT_EQ(segments[1], 1) << "a non-digit gives segment 1";
  EXPECT_EQ(segments[2], 3);
  EXPECT_EQ(segments[49], 7) << "characters past the 50th are ignored";
  EXPECT_EQ(SegmentsFromText("0")[0], 1) << "segments are 1..9";
  EXPECT_EQ(SegmentsToText(SegmentsFromText("12")), "12" + std::string(48, '1'));

  ConfigFile file;
  TConfigData config;
  LoadMainConfig(file.Open("[GLOBAL]\r\nMatrixSegments=12\r\n"), config);
  EXPECT_EQ(config.MatrixSegments, SegmentsFromText("12"));
  LoadMainConfig(file.Open("[GLOBAL]\r\nMatrixCols=7\r\n"), config);
  EXPECT_EQ(config.MatrixSegments, TConfigData::DefaultSegments()) << "no key: every number in segment 1";
}

TEST(Config, CostWithDecimalCommaRoundTrips) {
  ConfigFile file;
  TIniFile ini = file.Open("[STAKES]\r\nCost=0,25\r\nMaxStake=8\r\n");
  TConfigData config;
  LoadMainConfig(ini, config);
  EXPECT_EQ(config.Cost.Raw(), 2500);
  EXPECT_EQ(config.MaxStake, 8);
  StoreMainConfig(ini, config);
  ini.UpdateFile();
  TIniFile again(file.path, Russian);
  EXPECT_EQ(again.ReadString("STAKES", "Cost", ""), "0,25");
  TConfigData reread;
  LoadMainConfig(again, reread);
  EXPECT_EQ(reread, config);
}

TEST(Config, ProfitRowsAlwaysSixAfterTheDialog) {
  ConfigFile file;
  TIniFile ini = file.Open(
      "[STAKES]\r\nProfits=2\r\nProfit_0_Overlap=0\r\nProfit_0_Profit=1,5\r\n"
      "Profit_1_Overlap=1\r\nProfit_1_Profit=2,75\r\n");
  TConfigData config;
  LoadMainConfig(ini, config);
  ASSERT_EQ(config.Profits.size(), 2u);
  EXPECT_EQ(config.Profits[1].Overlap, 1);
  EXPECT_EQ(config.Profits[1].Profit.Raw(), 27500);

  const LocaleSettings saved = FormatSettings();
  FormatSettings() = Russian;
  const std::vector<std::string> rows = ProfitRowsText(config);
  EXPECT_EQ(rows, (std::vector<std::string>{"0=1,50", "1=2,75", "2=0,00", "3=0,00", "4=0,00", "5=0,00"}));
  std::vector<std::string> edited = rows;
  edited[5] = "5=1000000";
  edited[4] = "4=x";
  config.Profits = ProfitRowsFromText(edited);
  FormatSettings() = saved;

  ASSERT_EQ(config.Profits.size(), 6u);
  EXPECT_EQ(config.Profits[0].Profit.Raw(), 15000);
  EXPECT_EQ(config.Profits[4].Overlap, 4);
  EXPECT_EQ(config.Profits[4].Profit.Raw(), 0) << "an unreadable amount is 0";
  EXPECT_EQ(config.Profits[5].Overlap, 5);
  EXPECT_EQ(config.Profits[5].Profit.Raw(), 10000000000);
  StoreMainConfig(ini, config);
  EXPECT_EQ(ini.ReadInteger("STAKES", "Profits", 0), 6);
  EXPECT_EQ(ini.ReadString("STAKES", "Profit_5_Overlap", ""), "5");
  EXPECT_EQ(ini.ReadString("STAKES", "Profit_5_Profit", ""), "1000000");
  EXPECT_EQ(ini.ReadString("STAKES", "Profit_0_Profit", ""), "1,5");
}

struct IntKeyCase {
  const char* text;
  int32_t matrixCols, channelSize;
};

class ConfigSizesTest : public ::testing::TestWithParam<IntKeyCase> {};

// A size below 1 would divide by zero in the number classifications, one above 50 has no
// meaning; either reads as the default.
TEST_P(ConfigSizesTest, OutsideOneToFiftyReadsAsFive) {
  ConfigFile file;
  TConfigData config;
  LoadMainConfig(file.Open(GetParam().text), config);
  EXPECT_EQ(config.MatrixCols, GetParam().matrixCols) << GetParam().text;
  EXPECT_EQ(config.ChannelSize, GetParam().channelSize) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, ConfigSizesTest,
                         ::testing::Values(IntKeyCase{"[GLOBAL]\r\nMatrixCols=7\r\nChannelSize=3\r\n", 7, 3},
                                           IntKeyCase{"[GLOBAL]\r\nMatrixCols=0\r\nChannelSize=-2\r\n", 5, 5},
                                           IntKeyCase{"[GLOBAL]\r\nMatrixCols=1\r\nChannelSize=50\r\n", 1, 50},
                                           IntKeyCase{"[GLOBAL]\r\nMatrixCols=51\r\nChannelSize=1000000\r\n", 5, 5},
                                           IntKeyCase{"[GLOBAL]\r\nMatrixCols=abc\r\nChannelSize=\r\n", 5, 5}));

// Values typed into the file that the settings could never write.
TEST(Config, StakeLimitsOutsideTheirRange) {
  ConfigFile file;
  TConfigData config;
  LoadMainConfig(file.Open("[STAKES]\r\nMaxStake=12\r\nProfits=2000000000\r\nProfit_1_Overlap=3\r\n"), config);
  EXPECT_EQ(config.MaxStake, 11);
  ASSERT_EQ(config.Profits.size(), static_cast<size_t>(MaxProfitRows));
  EXPECT_EQ(config.Profits[1].Overlap, 3);
  LoadMainConfig(file.Open("[STAKES]\r\nMaxStake=5\r\nProfits=-4\r\n"), config);
  EXPECT_EQ(config.MaxStake, 11);
  EXPECT_TRUE(config.Profits.empty());
}

// A price or prize too large for the money sums (10^30 cannot even be held) once overflowed the
// price of every stake; it reads as no amount, in the file and in the dialog's table.
TEST(Config, AmountsBeyondATrillionReadAsNone) {
  ConfigFile file;
  TConfigData config;
  LoadMainConfig(file.Open("[STAKES]\r\nCost=1000000000000000000000000000000\r\nProfits=3\r\nProfit_0_Overlap=5\r\nProfit_0_Profit=-1000000000000000000000000000000\r\n"
                           "Profit_1_Overlap=4\r\nProfit_1_Profit=1000000000001\r\n"
                           "Profit_2_Overlap=3\r\nProfit_2_Profit=1000000000000\r\n"),
                 config);
  EXPECT_EQ(config.Cost, TCurrency());
  ASSERT_EQ(config.Profits.size(), 3u);
  EXPECT_EQ(config.Profits[0].Profit, TCurrency());
  EXPECT_EQ(config.Profits[1].Profit, TCurrency());
  EXPECT_EQ(config.Profits[2].Profit, TCurrency::FromAmount(1e12L));
  LoadMainConfig(file.Open("[STAKES]\r\nCost=9000000000000\r\n"), config);
  EXPECT_EQ(config.Cost, TCurrency());
  EXPECT_EQ(ProfitRowsFromText({"5=1000000000000000000000000000000", "4=250"})[0].Profit, TCurrency());
  EXPECT_EQ(ProfitRowsFromText({"5=1000000000000000000000000000000", "4=250"})[1].Profit, TCurrency::FromAmount(250));
}

TEST(Config, WeightsAndFlags) {
  ConfigFile file;
  TConfigData config;
  LoadMainConfig(file.Open("[CDL]\r\nCount=0,5\r\nDeviation=x\r\nLevel=-2\r\nUsePercents=3\r\nUseAbsValues=-1\r\n"),
                 config);
  EXPECT_EQ(config.Weights.Count, 0.5L);
  EXPECT_EQ(config.Weights.Deviation, -1) << "unreadable: default";
  EXPECT_EQ(config.Weights.Level, -2);
  EXPECT_TRUE(config.Weights.UsePercents);
  EXPECT_FALSE(config.Weights.UseAbsValues) << "only values above 0 are on";
}

TEST(Config, ShreddingDigitsClamped) {
  ConfigFile file;
  TShreddingConfig shredding;
  LoadShreddingConfig(
      file.Open("[SHREDDING]\r\nFormula1=n1*2\r\nFormula1Digits=12\r\nFormula2Digits=-1\r\nFormula3Digits=4\r\n"),
      shredding);
  EXPECT_EQ(shredding.Formulas[0], "n1*2");
  EXPECT_EQ(shredding.Formulas[1], "(n4+n5)/(n1+n2+n3)");
  EXPECT_EQ(shredding.Digits, (std::array<uint8_t, 3>{9, 0, 4}));
}

struct ProxyCase {
  const char* text;
  int32_t mode;
};

class ProxyModeTest : public ::testing::TestWithParam<ProxyCase> {};

TEST_P(ProxyModeTest, ModeFromTheFile) {
  ConfigFile file;
  TProxy proxy;
  LoadProxyConfig(file.Open(GetParam().text), proxy);
  EXPECT_EQ(proxy.Mode, GetParam().mode) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, ProxyModeTest,
                         ::testing::Values(ProxyCase{"[PROXY]\r\nProxyServer=10.0.0.1\r\n", 2},
                                           ProxyCase{"[PROXY]\r\nProxyPort=3128\r\n", 0}, ProxyCase{"", 0},
                                           ProxyCase{"[PROXY]\r\nProxyServer=host\r\nProxyMode=0\r\n", 0},
                                           ProxyCase{"[PROXY]\r\nProxyMode=1\r\n", 1}));

TEST(Config, EachGroupWritesOnlyItsOwnKeys) {
  ConfigFile file;
  TIniFile ini = file.Open("[PROXY]\r\nProxyServer=host\r\n[GLOBAL]\r\nCombsGenerateMode=3\r\nMine=1\r\n");
  TProxy proxy;
  LoadProxyConfig(ini, proxy);
  proxy.Port = 8080;
  proxy.Password = "пароль";
  StoreProxyConfig(ini, proxy);
  TGenerateConfig generate;
  LoadGenerateConfig(ini, generate);
  EXPECT_EQ(generate.Mode, 3);
  ini.UpdateFile();

  TIniFile again(file.path, Russian);
  EXPECT_EQ(again.Text(),
            "[PROXY]\r\nProxyServer=host\r\nProxyMode=2\r\nProxyPort=8080\r\nProxyUsername=\r\n"
            "ProxyPassword=пароль\r\n\r\n[GLOBAL]\r\nCombsGenerateMode=3\r\nMine=1\r\n");
  TShreddingConfig shredding;
  StoreShreddingConfig(again, shredding);
  EXPECT_EQ(again.SectionKeys("SHREDDING"), (std::vector<std::string>{"Formula1", "Formula1Digits", "Formula2",
                                                                       "Formula2Digits", "Formula3",
                                                                       "Formula3Digits"}));
}

TEST(Config, GenerateParametersCutTo255Characters) {
  ConfigFile file;
  TGenerateConfig generate;
  LoadGenerateConfig(file.Open("[GLOBAL]\r\nCombsGenerateParameters=" + std::string(300, '7') + "\r\n"), generate);
  EXPECT_EQ(generate.Parameters, std::string(255, '7'));
}

TEST(Config, ChangeMask) {
  const TConfigData base;
  TConfigData cols = base, channel = base, segments = base, all = base, cost = base;
  cols.MatrixCols = 7;
  channel.ChannelSize = 3;
  segments.MatrixSegments[10] = 4;
  all.MatrixCols = 6;
  all.ChannelSize = 6;
  all.MatrixSegments[0] = 2;
  cost.Cost = TCurrency::FromRaw(1);
  cost.Weights.Level = 3;
  EXPECT_EQ(ConfigChangeMask(base, cols), 16u);
  EXPECT_EQ(ConfigChangeMask(base, channel), 8u);
  EXPECT_EQ(ConfigChangeMask(base, segments), 32u);
  EXPECT_EQ(ConfigChangeMask(base, all), 56u);
  EXPECT_EQ(ConfigChangeMask(base, cost), 0u);
}

}  // namespace
}  // namespace kavrin
