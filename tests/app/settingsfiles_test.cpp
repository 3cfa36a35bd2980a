#include <unistd.h>

#include "templatemain_fixture.h"
#include "core/cp1251.h"

namespace kavrin::test {
namespace {

// The configuration is read with the separators of the user's locale; these tests use Russian ones.
class SettingsFiles : public TemplateMainTest {
 protected:
  void SetUp() override {
    saved_ = FormatSettings();
    FormatSettings() = LocaleSettings{",", " "};
  }
  void TearDown() override { FormatSettings() = saved_; }
  std::string ConfigPath() const { return dir.File(ConfigFileName); }

 private:
  LocaleSettings saved_;
};

TEST_F(SettingsFiles, LoadConfigReadsEveryGroup) {
  WriteBytes(ConfigPath(), Utf8ToCp1251("[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=1-10\r\n"
                                        "MatrixCols=7\r\nChannelSize=3\r\nMatrixSegments=12\r\n"
                                        "[STAKES]\r\nCost=0,25\r\n[SHREDDING]\r\nFormula2=n1+p1\r\n"
                                        "[PROXY]\r\nProxyServer=прокси\r\n"));
  main.LoadConfig();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(main.Generate.Mode, 2);
  EXPECT_EQ(main.Generate.Parameters, "1-10");
  EXPECT_EQ(main.Config.MatrixCols, 7);
  EXPECT_EQ(main.Config.ChannelSize, 3);
  EXPECT_EQ(main.Config.MatrixSegments[1], 2);
  EXPECT_EQ(main.Config.Cost.Raw(), 2500);
  EXPECT_EQ(main.Shredding.Formulas[1], "n1+p1");
  EXPECT_EQ(main.Proxy.Server, "прокси");
  EXPECT_EQ(main.Proxy.Mode, 2);
  EXPECT_EQ(host.statusLog, (std::vector<std::string>{"6:Загрузка файла конфигурации...", "6:"}));
  EXPECT_FALSE(main.Busy());
}

TEST_F(SettingsFiles, MissingConfigIsNoError) {
  main.LoadConfig();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(main.Config, TConfigData());
}

TEST_F(SettingsFiles, UnreadableConfigIsReportedAndDefaultsStay) {
  // Reading /proc/self/mem from its start fails: no page is mapped there.
  ASSERT_EQ(::symlink("/proc/self/mem", ConfigPath().c_str()), 0);
  main.LoadConfig();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка чтения файла конфигурации!\r\rInput/output error (" +
                                                    ConfigPath() + ")"});
  EXPECT_EQ(main.Config, TConfigData());
  EXPECT_EQ(main.StatusText(PanelOperation), "");
}

TEST_F(SettingsFiles, SavingOneGroupKeepsTheOtherKeys) {
  WriteBytes(ConfigPath(), Utf8ToCp1251("[PROXY]\r\nProxyServer=host\r\n[GLOBAL]\r\nCombsGenerateMode=2\r\n"
                                        "Note=заметка\r\n"));
  main.LoadConfig();
  main.Config.Cost = TCurrency::FromRaw(2500);
  main.Config.ChannelSize = 4;
  ASSERT_TRUE(main.SaveMainConfig());
  main.Shredding.Digits[0] = 5;
  ASSERT_TRUE(main.SaveShreddingConfig());
  EXPECT_TRUE(host.messages.empty());

  TIniFile ini(ConfigPath());
  EXPECT_EQ(ini.ReadString("PROXY", "ProxyServer", ""), "host");
  EXPECT_FALSE(ini.ValueExists("PROXY", "ProxyMode")) << "the proxy group was not saved";
  EXPECT_EQ(ini.ReadString("GLOBAL", "Note", ""), "заметка");
  EXPECT_EQ(ini.ReadInteger("GLOBAL", "CombsGenerateMode", 0), 2);
  EXPECT_EQ(ini.ReadString("STAKES", "Cost", ""), "0,25");
  EXPECT_EQ(ini.ReadInteger("GLOBAL", "ChannelSize", 0), 4);
  EXPECT_EQ(ini.ReadInteger("SHREDDING", "Formula1Digits", 0), 5);
  EXPECT_NE(std::find(host.statusLog.begin(), host.statusLog.end(), "6:Сохранение файла конфигурации..."),
            host.statusLog.end());
}

TEST_F(SettingsFiles, WriteErrorIsReportedAndTheEditedValuesStay) {
  WriteBytes(ConfigPath(), "[GLOBAL]\r\nMatrixCols=6\r\n");
  main.LoadConfig();
  main.Config.MatrixCols = 9;
  {
    FaultHookGuard guard(FullDisk);
    EXPECT_FALSE(main.SaveMainConfig());
    EXPECT_FALSE(main.SaveProxyConfig());
  }
  const std::string expected = "Ошибка записи в файл конфигурации!\r\rNo space left on device (" + ConfigPath() + ")";
  EXPECT_EQ(host.Errors(), (std::vector<std::string>{expected, expected}));
  EXPECT_EQ(main.Config.MatrixCols, 9);
  EXPECT_EQ(ReadBytes(ConfigPath()), "[GLOBAL]\r\nMatrixCols=6\r\n");
  EXPECT_FALSE(main.Busy());
}

TEST_F(SettingsFiles, ViewSettingsSwitchesAndExit) {
  main.LoadViewSettings();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(FileExists(dir.File(ViewSettingsFileName))) << "reading writes nothing";

  main.ViewColorDrawsExecute();
  EXPECT_FALSE(main.View.ColorDraws);
  EXPECT_EQ(TIniFile(dir.File(ViewSettingsFileName)).ReadString(MainWindowSection, "ColorDraws", ""), "0");

  main.View.LeftPanelWidth = 412;
  main.SaveViewSettingsAtExit();
  TViewSettings reread;
  LoadViewSettings(TIniFile(dir.File(ViewSettingsFileName)), reread);
  EXPECT_EQ(reread.LeftPanelWidth, 412);
  EXPECT_FALSE(reread.ColorDraws);
}

TEST_F(SettingsFiles, ViewSettingsWriteErrors) {
  FaultHookGuard guard(FullDisk);
  main.LoadViewSettings();
  EXPECT_TRUE(host.messages.empty());
  main.SaveViewSettingsAtExit();
  main.StoreViewSetting(&TViewSettings::SortedDraws);
  const std::string saveError = "Ошибка сохранения параметров программы!\r\rNo space left on device (" +
                                dir.File(ViewSettingsFileName) + ")";
  EXPECT_EQ(host.Errors(), (std::vector<std::string>{saveError, saveError}));
}

}  // namespace
}  // namespace kavrin::test
