#include "scenarios/scriptline.h"

#include <gtest/gtest.h>

#include "core/format.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

// The registry with the default configuration: ten channels, so CHN1 and CHN10 both exist.
class ScriptLineTest : public ::testing::Test {
 protected:
  ScriptLineTest() {
    stats.SetDraws(draws);
    stats.BuildMethods();
  }
  TFilterItem Item(const std::string& text) const { return FilterItemFromText(text, stats); }

  TDrawsArray draws;
  TStatList stats;
};

TEST_F(ScriptLineTest, LineFieldsCollapseSeparatorRunsAndTrim) {
  const std::string line = "EXCL:1#RAND|TSF1#SUMS:100#LMV:5#SF:1| | |BMD2#NUMS:50#LNO:#SF:0| | | | my note |";
  EXPECT_EQ(ScriptLineOptions(line), "EXCL:1#RAND");
  EXPECT_EQ(ScriptLineFilter(line, 1), "TSF1#SUMS:100#LMV:5#SF:1");
  EXPECT_EQ(ScriptLineFilter(line, 2), "");
  EXPECT_EQ(ScriptLineFilter(line, 4), "BMD2#NUMS:50#LNO:#SF:0");
  EXPECT_EQ(ScriptLineComment(line), "my note");
  EXPECT_EQ(ScriptLineComment("FULL:0#EXT| | | | | | | |"), "") << "no ninth word";
  EXPECT_EQ(ScriptLineComment("FULL:0#EXT| | | | | | | |a|b"), "a") << "a comment is cut at \"|\"";
  // Empty fields vanish, which is why unused filters are written as a space.
  EXPECT_EQ(ScriptLineFilter("FULL:0#EXT||X", 1), "X");
}

TEST_F(ScriptLineTest, BuildScriptLineWritesSpacesForBlankFilters) {
  EXPECT_EQ(BuildScriptLine("FULL:0#RAND", {"TSD1#NUMS:100#LMV:5#SF:1", "", " ", "", "", "", ""}, ""),
            "FULL:0#RAND|TSD1#NUMS:100#LMV:5#SF:1| | | | | | |");
  EXPECT_EQ(BuildScriptLine("FULL:0#EXT", {"", "", "", "", "", "", " a "}, " c "), "FULL:0#EXT| | | | | | | a | c ")
      << "texts are written unchanged";
}

TEST_F(ScriptLineTest, SeparatorLines) {
  EXPECT_TRUE(IsScriptSeparator(""));
  EXPECT_TRUE(IsScriptSeparator("  \t "));
  EXPECT_FALSE(IsScriptSeparator("FULL:0#EXT| | | | | | |"));
  for (int k = 1; k <= 7; ++k) EXPECT_FALSE(Item(ScriptLineFilter("FULL:0#EXT| | | | | | | |", k)).Active);
}

TEST_F(ScriptLineTest, LineOptionsParseAndPrint) {
  struct Case {
    const char* text;
    TLineOptions options;
    const char* stored;
    const char* shortText;
  };
  const Case cases[] = {
      {"excl:3#rand#nex", {3, TStartCombsType::EXCL, TResultCombsMode::RAND, false, true}, "EXCL:3#RAND#NEX",
       "EXCL:3#RAND#NEX"},
      {"FULL", {0, TStartCombsType::FULL, TResultCombsMode::EXT, false, false}, "FULL:0#EXT", "FULL#EXT"},
      {"CURR:7##SYSC##nex#clr", {7, TStartCombsType::CURR, TResultCombsMode::SYSC, true, true}, "CURR:7#SYSC#CLR#NEX",
       "CURR#SYSC#NEX"},
      {"EXCLUDE:x#FIRSTS", {0, TStartCombsType::EXCL, TResultCombsMode::EXT, false, false}, "EXCL:0#EXT", "EXCL:0#EXT"},
      {"garbage#none#CLR", {0, TStartCombsType::FULL, TResultCombsMode::NONE, true, false}, "FULL:0#NONE#CLR",
       "FULL#NONE"},
      {"", {}, "FULL:0#EXT", "FULL#EXT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TLineOptions o = LineOptionsFromText(c.text);
    EXPECT_EQ(o, c.options);
    EXPECT_EQ(LineOptionsToText(o), c.stored);
    EXPECT_EQ(LineOptionsShortText(o), c.shortText);
    EXPECT_EQ(LineOptionsFromText(LineOptionsToText(o)), o);
  }
}

TEST_F(ScriptLineTest, LineOptionsDisplayText) {
  EXPECT_EQ(LineOptionsDisplayText(LineOptionsFromText("FULL:0#RAND")), "Исходный список; Случайно; Все создаваемые ставки");
  EXPECT_EQ(LineOptionsDisplayText(LineOptionsFromText("EXCL:2#SYSA#CLR#NEX")),
            "Исключить 2 тиражей; Система [все]; Удалить ставки; Только новые ставки");
}

TEST_F(ScriptLineTest, EnumerationTextsAndOutOfRangeValues) {
  EXPECT_EQ(ResultCombsCaption(TResultCombsMode::NONE), "Не делать ставок (для последовательного выполнения)");
  EXPECT_EQ(LevelModeCode(TLevelMode::LVA), "LVA");
  EXPECT_EQ(LevelModeCaption(TLevelMode::PIM), "\"Период min\": не менее заданного значения");
  EXPECT_EQ(StopModeCaption(TStopMode::SP), "Процентному соотношению в списке статистики");
  EXPECT_EQ(StartCombsCaption(TStartCombsType::CURR), "Текущий список (для последовательного выполнения)");
  EXPECT_EQ(StartCombsCode(static_cast<TStartCombsType>(3)), "# ERROR #");
  EXPECT_EQ(ResultCombsShortText(static_cast<TResultCombsMode>(10)), "# ERROR #");
  EXPECT_EQ(LevelModeCaption(static_cast<TLevelMode>(32)), "# ERROR #");
  EXPECT_EQ(StopModeCode(static_cast<TStopMode>(200)), "# ERROR #");
}

TEST_F(ScriptLineTest, FilterItemReadsEveryWord) {
  const TFilterItem f = Item("BMF3#sums:50-150;50#cdv:3, 5#SV:7#0.5:-1:2:1:0");
  EXPECT_TRUE(f.Active);
  EXPECT_TRUE(f.BottomUp && f.MultiSelect && f.KeepSelected);
  EXPECT_EQ(f.SortColumn, 3);
  EXPECT_EQ(f.MethodText, "sums:50-150;50");
  ASSERT_TRUE(f.Method.IsSet());
  EXPECT_EQ(f.Method.Code, "SUMS");
  EXPECT_EQ(stats.Items(f.Method.Entry).Code(), "SUMS");
  EXPECT_EQ(f.DrawsLenText, "50-150;50");
  EXPECT_EQ(f.LevelMode, TLevelMode::CDV);
  EXPECT_EQ(f.LevelText, "3, 5");
  EXPECT_EQ(f.StopMode, TStopMode::SV);
  EXPECT_EQ(f.StopValue, 7);
  EXPECT_TRUE(f.CDLOverride);
  EXPECT_EQ(f.Weights, (TStatWeights{0.5L, -1, 2, true, false}));
  EXPECT_EQ(FilterItemToText(f), "BMF3#SUMS:50-150;50#CDV:3, 5#SV:7#0.5:-1:2:1:0");
}

TEST_F(ScriptLineTest, FilterItemDefaultsForMissingOrUnknownWords) {
  struct Case {
    const char* text;
    const char* printed;
    int32_t sortColumn;
  };
  const Case cases[] = {
      {"TSD1#NUMS:100", "TSD1#NUMS:100#LNO:#SF:0", 1},              // two words: LNO, SF with 0
      {"tsf#NUMS:100#LMV#SC", "TSD1#NUMS:100#LMV:#SC:1", 1},        // lower-case letters; stop value absent: 1
      {"TSF9#NUMS:100#XYZ:4#QQ:5", "TSF9#NUMS:100#LNO:#SF:0", 9},  // unknown criterion and stop codes
      {"TSFA#NUMS:100#LMV:5#ST:x", "TSF1#NUMS:100#LMV:5#ST:1", 1},  // not a digit; unreadable stop value
      {"TSF12#NUMS:100#LMV:5#SF:1", "TSF1#NUMS:100#LMV:5#SF:1", 1}, // only the fourth character is read
      {"TSF#NUMS:100#CDVX:1,2#SF:1", "TSF1#NUMS:100#CDV:1,2#SF:1", 1},  // a code is a prefix of the word
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TFilterItem f = Item(c.text);
    EXPECT_TRUE(f.Active);
    EXPECT_EQ(f.SortColumn, c.sortColumn);
    EXPECT_EQ(FilterItemToText(f), c.printed);
  }
}

TEST_F(ScriptLineTest, MethodCodeMatchesWholeCode) {
  const TFilterItem f = Item("TSF1#CHN10:100#LNO:#SF:0");
  EXPECT_EQ(f.Method.Code, "CHN10");
  EXPECT_EQ(stats.Items(f.Method.Entry).Code(), "CHN10");
  EXPECT_EQ(Item("TSF1#chn1:100").Method.Code, "CHN1");
}

TEST_F(ScriptLineTest, UnknownMethodKeepsItsWordAsWritten) {
  const TFilterItem f = Item("TSF1#NOPE:100-200;50#LMV:5#SF:1");
  EXPECT_FALSE(f.Method.IsSet());
  EXPECT_EQ(f.DrawsLenText, "");
  EXPECT_EQ(f.MethodText, "NOPE:100-200;50");
  EXPECT_EQ(FilterItemToText(f), "TSF1#NOPE:100-200;50#LMV:5#SF:1");
}

TEST_F(ScriptLineTest, ParsingNeverFailsOnGarbage) {
  const char* garbage[] = {"#", "###", "|||", ":::", "B", "#:#:#:#:", "\x01\xff", "TSF1#:#:#:#:::::::", "ZZZZZZZZZZ#",
                           "TSF1#SUMS:#LMV:#SC:99999999999999999999#a:b:c:d:e"};
  for (const char* text : garbage) {
    SCOPED_TRACE(text);
    const TFilterItem f = Item(text);
    EXPECT_TRUE(f.Active);
    FilterItemToText(f);
    LineOptionsDisplayText(LineOptionsFromText(text));
    ScriptViewCells(text, stats);
  }
  EXPECT_EQ(Item("TSF1#SUMS:#LMV:#SC:99999999999999999999").StopValue, 1);
  EXPECT_FALSE(Item("").Active);
  EXPECT_EQ(FilterItemToText(Item("")), "");
}

TEST_F(ScriptLineTest, StoredLineReadsBackToEqualRecords) {
  TFilterItem f;
  f.Active = true;
  f.Method = Item("T#PRV+1:1").Method;
  f.DrawsLenText = "50, 100";
  f.SortColumn = 4;
  f.MultiSelect = true;
  f.LevelMode = TLevelMode::WDV;
  f.LevelText = "4,6";
  f.CDLOverride = true;
  f.Weights = {1.125L, -0.5L, 3, false, true};
  f.StopMode = TStopMode::SP;
  f.StopValue = 15;
  const TLineOptions o{5, TStartCombsType::EXCL, TResultCombsMode::SKIP, true, false};
  const std::string line =
      BuildScriptLine(LineOptionsToText(o), {"", "", FilterItemToText(f), "", "", "", ""}, "комментарий");

  EXPECT_EQ(LineOptionsFromText(ScriptLineOptions(line)), o);
  TFilterItem back = Item(ScriptLineFilter(line, 3));
  EXPECT_EQ(back.MethodText, "PRV+1:50, 100");
  back.MethodText.clear();  // the dialog's result carries no text as written
  EXPECT_EQ(back, f);
  EXPECT_EQ(ScriptLineComment(line), "комментарий");
}

TEST_F(ScriptLineTest, WeightsReadWithTheLocaleSeparatorToo) {
  const std::string saved = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = ",";
  const TFilterItem f = Item("TSF1#NUMS:1#WMV:1#SF:0#0,25:0.5:x:1:1");
  FormatSettings().DecimalSeparator = saved;
  EXPECT_EQ(f.Weights, (TStatWeights{0.25L, 0.5L, 0, true, true}));
  EXPECT_EQ(FilterItemToText(f), "TSF1#NUMS:1#WMV:1#SF:0#0.25:0.5:0:1:1");
}

TEST_F(ScriptLineTest, DescriptionsOfVariantsAndStakes) {
  TFilterRec rec{};
  rec[0].Active = true;
  rec[0].Method = Item("T#SUMS:1").Method;
  rec[0].DrawsLen = 100;
  rec[0].SortColumn = 3;
  rec[0].LevelMode = TLevelMode::LMV;
  rec[0].LevelValue = rec[0].LevelText = "5";
  rec[0].StopValue = 1;
  rec[2] = rec[0];
  rec[2].BottomUp = rec[2].KeepSelected = true;
  rec[2].CDLOverride = true;
  rec[2].Weights = {0, -1, 1, false, false};
  rec[1].DrawsLen = 7;  // inactive parts are left out whatever they hold
  EXPECT_EQ(FilterRecToText(rec), "TSD#SUMS:100#LMV:5#SF:1 + BSF#SUMS:100#LMV:5#SF:1#0:-1:1:0:0");

  EXPECT_EQ(StakeDescription(3, 2, "my note", "EXCL:1#RAND + TSF#SUMS:100#LMV:5#SF:1"),
            "03.002: my note @ EXCL:1#RAND + TSF#SUMS:100#LMV:5#SF:1");
  EXPECT_EQ(StakeDescription(1, 0, "", "FULL#ALL"), "01.000: @ FULL#ALL");
  EXPECT_EQ(StakeDescription(123, 4567, "", "x"), "123.4567: @ x");
}

TEST_F(ScriptLineTest, ViewCellsShowFiltersNormalised) {
  const auto cells = ScriptViewCells("excl:2#rand| tsf1#sums:100#lmv:5 | | | | | | |note", stats);
  EXPECT_EQ(cells[0], "note");
  EXPECT_EQ(cells[1], "Исключить 2 тиражей; Случайно; Все создаваемые ставки");
  EXPECT_EQ(cells[2], "TSD1#SUMS:100#LMV:5#SF:0");
  EXPECT_EQ(cells[3], "");
  EXPECT_EQ(ScriptViewCells("   ", stats), (std::array<std::string, 9>{}));
}

TEST_F(ScriptLineTest, FilterDialogChecksInOrder) {
  const std::string badRange = "Введен некорректный диапазон значений!";
  struct Case {
    const char* text;
    bool acceptsList;
    TFilterField field;
  };
  const Case cases[] = {
      {"TSF1#NUMS:100#LMV:5#SF:1", false, TFilterField::None},
      {"TSF1#NUMS:0#LMV:5#SF:1", false, TFilterField::DrawsLen},
      {"TSF1#NUMS:0,0#LMV:5#SF:1", false, TFilterField::None},
      {"TSF1#NUMS:100-50;10#LMV:5#SF:1", false, TFilterField::DrawsLen},
      {"TSF1#NUMS:abc#LNO:#SF:1", false, TFilterField::DrawsLen},
      {"TSF1#NUMS:100#LNO:#SF:1", false, TFilterField::None},  // no criterion: no values needed
      {"TSF1#NUMS:100#LMV:#SF:1", false, TFilterField::LevelText},
      {"TSF1#NUMS:100#LVA:#SF:1", false, TFilterField::LevelMode},  // the method check comes first
      {"TSF1#NUMS:100#LVA:1,2#SF:1", true, TFilterField::None},
      {"TMF1#NUMS:100#LMV:5#SC:1", false, TFilterField::StopMode},
      {"TMF1#NUMS:100#LMV:5#SE:1", false, TFilterField::StopMode},
      {"TMF1#NUMS:100#LMV:5#SZ:1", false, TFilterField::None},
      {"TSF1#NUMS:100#LMV:5#SC:1", false, TFilterField::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TFilterCheck check = CheckFilterItem(Item(c.text), c.acceptsList);
    EXPECT_EQ(check.Field, c.field);
    if (c.field == TFilterField::DrawsLen || c.field == TFilterField::LevelText) {
      EXPECT_EQ(check.Message, badRange);
    }
  }
  EXPECT_EQ(CheckFilterItem(Item("TSF1#NUMS:100#LVA:1#SF:1"), false).Message,
            "Для данного вида статистики не доступен режим выделения по списку значений!");
  EXPECT_EQ(CheckFilterItem(Item("TMF1#NUMS:100#LMV:5#SC:1"), false).Message,
            "В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть "
            "выполнена!\rВыберите другой способ останова.");
}

}  // namespace
}  // namespace kavrin
