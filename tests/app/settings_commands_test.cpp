// The settings dialogs, the draw details, the method description and the view switches.
#include <deque>
#include <functional>

#include "core/inifile.h"
#include "stats/customstat.h"
#include "templatemain_fixture.h"

namespace kavrin::test {
namespace {

class SettingsHost : public DialogHost {
 public:
  std::deque<std::function<bool(TConfigData&)>> configEdits;
  std::deque<std::function<bool(TProxyDialogFields&)>> proxyEdits;
  std::vector<TMethodDescription> descriptions;
  bool helpPages = false;
  bool EditConfig(TConfigData& config) override { return Next(configEdits, config); }
  bool EditProxy(TProxyDialogFields& fields) override { return Next(proxyEdits, fields); }
  bool CanShowHelpPages() const override { return helpPages; }
  void ShowMethodDescription(const TMethodDescription& d) override { descriptions.push_back(d); }

 private:
  template <typename Fields>
  static bool Next(std::deque<std::function<bool(Fields&)>>& edits, Fields& fields) {
    if (edits.empty()) return false;
    auto edit = std::move(edits.front());
    edits.pop_front();
    return edit(fields);
  }
};

class SettingsCommands : public ::testing::Test {
 protected:
  SettingsCommands() { main.InitStatistics(); }
  void Seed() {
    TDrawArchive file(dir.File(ArchiveFileName));
    file.Append(Draw(1, {1, 2, 3, 4, 5}, 1, "01.01.2020 10:00"));
    file.Append(Draw(2, {6, 7, 8, 9, 10}, 2, "02.01.2020 10:00"));
    file.Append(Draw(3, {47, 5, 33, 12, 41}, 3, "03.01.2020 10:00"));
    file.Save();
    main.LoadArchive();
  }
  std::string Stored(const std::string& key) const {
    return TIniFile(dir.File(ViewSettingsFileName)).ReadString(MainWindowSection, key, "");
  }
  std::string Caption(const std::string& code) {
    return main.Stats.CreateStat(main.Stats.FindCode(code))->InstanceCaption();
  }
  static std::string ValueOf(const TDetailsView& view, const std::string& caption) {
    for (const TDetailsProperty& p : view.Properties)
      if (p.Caption == caption) return p.Value;
    return "?";
  }

  TempDir dir;
  SettingsHost host;
  RecordingMain main{host, dir.Path()};
};

TEST_F(SettingsCommands, DrawInfoShowsTheDrawWithItsValuesAtThatDraw) {
  Seed();
  EXPECT_FALSE(main.DrawsInfoUpdate());
  main.DrawsSelection = {0};  // the newest draw
  main.SetDrawsOffset(2);     // the analysis offset does not move the draw's own values
  main.DrawsInfoExecute();
  main.DrawsSelection = {2};
  main.DrawsInfoExecute();
  ASSERT_EQ(host.detailViews.size(), 2u);
  const TDetailsView& newest = host.detailViews[0];
  EXPECT_EQ(newest.Numbers, (TComb{47, 5, 33, 12, 41}));
  ASSERT_GE(newest.Properties.size(), 3u);
  EXPECT_EQ(newest.Properties[0], (TDetailsProperty{"Номер тиража:", "3"}));
  EXPECT_EQ(newest.Properties[1], (TDetailsProperty{"Дата тиража:", "03.01.2020 10:00"}));
  EXPECT_EQ(ValueOf(newest, Caption("SUMS")), "138");
  EXPECT_EQ(ValueOf(host.detailViews[1], Caption("SUMS")), "15");
  EXPECT_EQ(host.detailViews[1].Properties[0].Value, "1");
}

TEST_F(SettingsCommands, SettingsDialogAppliesWhatItReturns) {
  main.EditConfigExecute();  // cancelled
  EXPECT_FALSE(FileExists(dir.File(ConfigFileName)));
  host.configEdits.push_back([](TConfigData& config) {
    EXPECT_EQ(config.MatrixCols, TConfigData{}.MatrixCols) << "opens on the current settings";
    config.MatrixCols = 9;
    return true;
  });
  main.EditConfigExecute();
  EXPECT_EQ(main.Config.MatrixCols, 9);
  EXPECT_EQ(TIniFile(dir.File(ConfigFileName)).ReadInteger("GLOBAL", "MatrixCols", 0), 9);
}

TEST_F(SettingsCommands, SegmentCellsAcceptOneDigitFromOneToNine) {
  struct Case {
    const char* text;
    int value;
    const char* error;
  };
  for (const Case& c : {Case{"", 1, ""}, Case{"7", 7, ""}, Case{" 9 ", 9, ""},
                        Case{"0", 1, "Некорректное значение: 0!\r\rУкажите любое число от 1 до 9"},
                        Case{"12", 1, "Некорректное значение: 12!\r\rУкажите любое число от 1 до 9"},
                        Case{"ж", 1, "Некорректное значение: ж!\r\rУкажите любое число от 1 до 9"}}) {
    std::string error = "stale";
    EXPECT_EQ(SegmentCellValue(c.text, error), c.value) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST_F(SettingsCommands, ProxyDialogStoresTheAcceptedFields) {
  host.proxyEdits.push_back([](TProxyDialogFields& fields) {
    fields.Choice = ProxyChoiceManual;
    fields.Server = "127.0.0.1";
    fields.Port = 3128;
    return true;
  });
  main.EditProxyExecute();
  EXPECT_EQ(main.Proxy.Mode, 2);
  EXPECT_EQ(main.Proxy.Server, "127.0.0.1");
  EXPECT_TRUE(main.ProxyStored);
  EXPECT_EQ(TIniFile(dir.File(ConfigFileName)).ReadInteger("PROXY", "ProxyPort", 0), 3128);
}

TEST_F(SettingsCommands, ViewSwitchesAreStoredAtOnce) {
  Seed();
  main.ViewColorCombsExecute();
  EXPECT_FALSE(main.ViewColorCombsChecked());
  EXPECT_EQ(Stored("ColorCombs"), "0");

  EXPECT_FALSE(main.StatTotalLineUpdate()) << "only with the comparison on";
  main.View.PrefetchsEnabled = true;
  ASSERT_TRUE(main.StatTotalLineUpdate());
  main.StatTotalLineExecute();
  EXPECT_FALSE(main.View.ShowTotalLine);
  EXPECT_EQ(Stored("ShowTotalLine"), "0");
  EXPECT_FALSE(main.Busy());

  main.StatWindowLengthChange(37);
  EXPECT_EQ(main.StatPage.WindowLength, 37);
  EXPECT_EQ(main.View.DrawsStatLen, 37);
  main.StatWindowLengthChange(0);
  EXPECT_EQ(main.StatPage.WindowLength, 37) << "out of range";
}

TEST_F(SettingsCommands, MethodDescriptionShowsTheFactsAndTheHelpPageOnlyWithAViewer) {
  EXPECT_TRUE(main.StatDescriptionUpdate());
  ASSERT_TRUE(main.StatPage.Kinds.SelectEntry(main.Stats.FindCode("SUMS")));
  main.StatDescriptionExecute();
  host.helpPages = true;
  main.Stats.HelpFile = dir.File("Vexa_RUS.chm");
  WriteBytes(main.Stats.HelpFile, "help");
  main.StatDescriptionExecute();
  ASSERT_EQ(host.descriptions.size(), 2u);
  EXPECT_EQ(host.descriptions[0].Code, "SUMS");
  EXPECT_EQ(host.descriptions[0].Caption, main.Stats.Items(main.Stats.FindCode("SUMS")).CaptionWithFormula());
  EXPECT_FALSE(host.descriptions[0].Group.empty());
  EXPECT_NE(host.descriptions[0].Features.find('G'), std::string::npos);
  EXPECT_EQ(host.descriptions[0].HelpAddress, "");
  EXPECT_EQ(host.descriptions[1].HelpAddress, main.Stats.Items(main.Stats.FindCode("SUMS")).HelpURL(main.Stats.HelpFile));
  EXPECT_FALSE(host.descriptions[1].HelpAddress.empty());
}

}  // namespace
}  // namespace kavrin::test
