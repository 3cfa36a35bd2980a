#pragma once
// Scenario lines: the records of a line's options and filters, their stored text form, the
// shorter description texts of logs, status and stake comments, the scenario view's cell texts
// and every enumeration with its codes and captions.
//
// A scenario line is nine fields separated by "|": options, filters 1 to 7, comment. Parsing
// never fails: unknown codes leave defaults and unreadable numbers take their defaults.
// Everything here is a pure function of its arguments; the only outside lookup is the
// statistic registry turning a method code into an entry.
#include <array>
#include <cstdint>
#include <string>

#include "core/config.h"

namespace kavrin {

class TStatList;

// Which list a line starts from.
enum class TStartCombsType : uint8_t { FULL = 0, EXCL = 1, CURR = 2 };
inline constexpr int StartCombsTypeCount = 3;

// What to stake when the filters leave more than one combination.
enum class TResultCombsMode : uint8_t { EXT = 0, RAND, FIRST, LAST, ALL, SYSA, SYSC, STOP, SKIP, NONE };
inline constexpr int ResultCombsModeCount = 10;

// Which rows of the statistics table a filter selects. The comment names the row field and test.
enum class TLevelMode : uint8_t {
  LNO = 0,  // always
  LMV,      // depth >= V
  LMP,      // depth % >= V
  LLV,      // depth <= V
  LLP,      // depth % <= V
  LDV,      // depth in list
  LDP,      // depth % in list
  DMV,      // deviation >= V
  DMP,      // deviation % >= V
  DLV,      // deviation <= V
  DLP,      // deviation % <= V
  DDV,      // deviation in list
  DDP,      // deviation % in list
  CMV,      // count >= V
  CMP,      // count % >= V
  CLV,      // count <= V
  CLP,      // count % <= V
  CDV,      // count in list
  CDP,      // count % in list
  WMV,      // weight >= V
  WLV,      // weight <= V
  WDV,      // weight = V
  PIM,      // minimal period >= V
  PIL,      // minimal period <= V
  PIR,      // minimal period = V
  PAM,      // period >= V
  PAL,      // period <= V
  PAR,      // period = V
  PXM,      // maximal period >= V
  PXL,      // maximal period <= V
  PXR,      // maximal period = V
  LVA,      // value key in list
};
inline constexpr int LevelModeCount = 32;

// When to stop walking the statistics table.
enum class TStopMode : uint8_t { SF = 0, SC, SE, SZ, ST, SV, SP };
inline constexpr int StopModeCount = 7;

struct TLineOptions {
  int32_t ExcludeCount = 0;  // last draws removed from the start list with EXCL
  TStartCombsType StartCombsType = TStartCombsType::FULL;
  TResultCombsMode ResultCombsMode = TResultCombsMode::EXT;
  bool ClearStakes = false;
  bool NewOnly = false;
  friend bool operator==(const TLineOptions&, const TLineOptions&) = default;
};

// A registry entry as a filter refers to it: the entry's index in the registry (-1: none) and
// its code, kept so that printing needs no registry. Valid while the registry's entries are not
// rebuilt; filters live for one dialog or one line's run.
struct TFilterMethod {
  int Entry = -1;
  std::string Code;
  bool IsSet() const { return Entry >= 0; }
  friend bool operator==(const TFilterMethod&, const TFilterMethod&) = default;
};

// One filter as written in a line or edited in the filter dialog.
struct TFilterItem {
  bool Active = false;
  std::string MethodText;    // the second word as written (method code and draws lengths)
  TFilterMethod Method;
  std::string DrawsLenText;  // integer list text: numbers of draws for the statistic
  int32_t SortColumn = 0;    // statistics table column to sort by (0 = the value column)
  bool BottomUp = false;
  bool MultiSelect = false;
  bool KeepSelected = false;
  TLevelMode LevelMode = TLevelMode::LNO;
  std::string LevelText;  // integer list text: the criterion values
  bool CDLOverride = false;
  TStatWeights Weights{0, 0, 0, false, false};
  TStopMode StopMode = TStopMode::SF;
  int32_t StopValue = 0;
  friend bool operator==(const TFilterItem&, const TFilterItem&) = default;
};

// One concrete filter of a variant.
struct TFilterPart {
  bool Active = false;
  TFilterMethod Method;
  int32_t DrawsLen = 0;
  int32_t SortColumn = 0;
  bool BottomUp = false;
  bool MultiSelect = false;
  bool KeepSelected = false;
  TLevelMode LevelMode = TLevelMode::LNO;
  std::string LevelValue;  // one integer, or for whole-list criteria the integers joined by ","
  std::string LevelText;   // as shown in descriptions
  bool CDLOverride = false;
  TStatWeights Weights{0, 0, 0, false, false};
  TStopMode StopMode = TStopMode::SF;
  int32_t StopValue = 0;
  friend bool operator==(const TFilterPart&, const TFilterPart&) = default;
};

inline constexpr int ScriptFilterCount = 7;

// The filters of one variant in line order; unused places are inactive.
using TFilterRec = std::array<TFilterPart, ScriptFilterCount>;

// ---- enumeration texts; a value outside its table gives "# ERROR #" ----
std::string StartCombsCode(TStartCombsType t);
std::string StartCombsCaption(TStartCombsType t);
// "Исключить %d тиражей" for EXCL, formatted with excludeCount.
std::string StartCombsShortText(TStartCombsType t, int32_t excludeCount);
std::string ResultCombsCode(TResultCombsMode m);
std::string ResultCombsCaption(TResultCombsMode m);
std::string ResultCombsShortText(TResultCombsMode m);
std::string ClearStakesShortText();  // "Удалить ставки"
std::string NewOnlyShortText(bool newOnly);
std::string LevelModeCode(TLevelMode m);
std::string LevelModeCaption(TLevelMode m);
std::string StopModeCode(TStopMode m);
std::string StopModeCaption(TStopMode m);

// Whether expansion makes one variant per criterion value (true) or keeps the list whole.
bool LevelModePerValue(TLevelMode m);
// The criteria that compare a row with each integer of a list: LDV, LDP, DDV, DDP, CDV, CDP, LVA.
bool LevelModeIsList(TLevelMode m);

// ---- line fields ----
// Field k (1..9) of a line: the k-th word when the line is cut at every "|" (runs count as one,
// separators at the ends ignored), trimmed; empty when there is no such word.
std::string ScriptLineField(const std::string& line, int k);
std::string ScriptLineOptions(const std::string& line);
std::string ScriptLineFilter(const std::string& line, int filter);  // filter 1..7
std::string ScriptLineComment(const std::string& line);
// A line blank after trimming: shown as an empty row and skipped by the engine.
bool IsScriptSeparator(const std::string& line);
// Options, then "|" and each filter text (a single space when blank), then "|" and the comment
// unless it is blank. Filter texts and the comment are written unchanged.
std::string BuildScriptLine(const std::string& options, const std::array<std::string, ScriptFilterCount>& filters,
                            const std::string& comment);

// ---- options ----
TLineOptions LineOptionsFromText(const std::string& text);
// Stored form, such as "EXCL:2#RAND#NEX" or "FULL:0#EXT".
std::string LineOptionsToText(const TLineOptions& o);
// Description form, such as "FULL#RAND" or "EXCL:2#ALL#NEX".
std::string LineOptionsShortText(const TLineOptions& o);
// The scenario view's "Опции" cell, such as "Исходный список; Случайно; Все создаваемые ставки".
std::string LineOptionsDisplayText(const TLineOptions& o);

// ---- filters ----
// An empty text gives an inactive filter; any other text an active one.
TFilterItem FilterItemFromText(const std::string& text, const TStatList& stats);
// Stored form, such as "TSF1#SUMS:100#LMV:5#SV:3"; empty for an inactive filter.
std::string FilterItemToText(const TFilterItem& f);
// Description form of a concrete filter, such as "TSF#SUMS:100#LMV:5#SF:1".
std::string FilterPartToText(const TFilterPart& p);
// The descriptions of the active parts joined by " + ".
std::string FilterRecToText(const TFilterRec& rec);

// The comment of a scenario stake: "03.002: my note @ EXCL:1#RAND + ..." or "01.000: @ FULL#ALL".
std::string StakeDescription(int line, int variant, const std::string& comment, const std::string& text);

// A rating key (a stake's comment) as a scenario line: for a scenario stake's key such as
// "03.002: note @ EXCL:1#RAND + TSF#SUMS:100#LMV:5#SF:1" the line
// "EXCL:1#RAND|TSF#SUMS:100#LMV:5#SF:1| | | | | | |03.002: note".
std::string ScriptLineFromStakeKey(const std::string& key);
// Whether one of the line's filter fields holds a filter.
bool ScriptLineHasFilters(const std::string& line, const TStatList& stats);

// The nine cells of the scenario view: comment, options display text, filters 1 to 7 in their
// normalised stored form. A separator line gives nine empty cells.
std::array<std::string, 9> ScriptViewCells(const std::string& line, const TStatList& stats);

// ---- filter dialog validation ----
enum class TFilterField { None, DrawsLen, LevelMode, LevelText, StopMode };
struct TFilterCheck {
  TFilterField Field = TFilterField::None;  // None: the filter is valid
  std::string Message;
};
// The dialog's OK checks in their order: the draws text, criterion 31 against the method's
// AcceptsValueList, the values text, the stop modes refused with multi-selection.
TFilterCheck CheckFilterItem(const TFilterItem& f, bool methodAcceptsValueList);

}  // namespace kavrin
