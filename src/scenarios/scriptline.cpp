#include "scenarios/scriptline.h"

#include <string_view>
#include <vector>

#include "core/format.h"
#include "core/game.h"
#include "core/inifile.h"
#include "stats/statlist.h"

namespace kavrin {

namespace {

const char* const ErrorText = "# ERROR #";

struct TEnumText {
  const char* Code;
  const char* Caption;
  const char* Short;
};

constexpr TEnumText StartCombsTexts[StartCombsTypeCount] = {
    {"FULL", "Исходный список (рекомендуется для тестов)", "Исходный список"},
    {"EXCL", "Удалить N последних тиражей (для прогнозов)", "Исключить %d тиражей"},
    {"CURR", "Текущий список (для последовательного выполнения)", "Текущий список"},
};

constexpr TEnumText ResultCombsTexts[ResultCombsModeCount] = {
    {"EXT", "Сделать расширенную ставку", "Расширенная"},
    {"RAND", "Выбрать одну случайную комбинацию", "Случайно"},
    {"FIRST", "Выбрать первую комбинацию в списке", "Первая"},
    {"LAST", "Выбрать последнюю комбинацию в списке", "Последняя"},
    {"ALL", "Выбрать все комбинации (не рекомендуется)", "Все"},
    {"SYSA", "Системная игра [вся система]", "Система [все]"},
    {"SYSC", "Системная игра [система * комбинации]", "Система [комб]"},
    {"STOP", "Остановить выполнение сценария", "Остановить"},
    {"SKIP", "Пропустить (игнорировать) эту ставку", "Пропустить"},
    {"NONE", "Не делать ставок (для последовательного выполнения)", "Не делать ставок"},
};

constexpr TEnumText LevelModeTexts[LevelModeCount] = {
    {"LNO", "Весь список (без условий)", ""},
    {"LMV", "\"Глубина\": не менее заданного значения", ""},
    {"LMP", "\"Глубина\": не менее заданного процента", ""},
    {"LLV", "\"Глубина\": не более заданного значения", ""},
    {"LLP", "\"Глубина\": не более заданного процента", ""},
    {"LDV", "\"Глубина\": из заданного списка значений", ""},
    {"LDP", "\"Глубина\": из заданного списка процентов", ""},
    {"DMV", "\"Отклонение\": не менее заданного значения", ""},
    {"DMP", "\"Отклонение\": не менее заданного процента", ""},
    {"DLV", "\"Отклонение\": не более заданного значения", ""},
    {"DLP", "\"Отклонение\": не более заданного процента", ""},
    {"DDV", "\"Отклонение\": из заданного списка значений", ""},
    {"DDP", "\"Отклонение\": из заданного списка процентов", ""},
    {"CMV", "\"Количество\": не менее заданного значения", ""},
    {"CMP", "\"Количество\": не менее заданного процента", ""},
    {"CLV", "\"Количество\": не более заданного значения", ""},
    {"CLP", "\"Количество\": не более заданного процента", ""},
    {"CDV", "\"Количество\": из заданного списка значений", ""},
    {"CDP", "\"Количество\": из заданного списка процентов", ""},
    {"WMV", "\"Вес\": не менее заданного значения", ""},
    {"WLV", "\"Вес\": не более заданного значения", ""},
    {"WDV", "\"Вес\": из заданного списка значений", ""},
    {"PIM", "\"Период min\": не менее заданного значения", ""},
    {"PIL", "\"Период min\": не более заданного значения", ""},
    {"PIR", "\"Период min\": из заданного списка значений", ""},
    {"PAM", "\"Период\": не менее заданного значения", ""},
    {"PAL", "\"Период\": не более заданного значения", ""},
    {"PAR", "\"Период\": из заданного списка значений", ""},
    {"PXM", "\"Период max\": не менее заданного значения", ""},
    {"PXL", "\"Период max\": не более заданного значения", ""},
    {"PXR", "\"Период max\": из заданного списка значений", ""},
    {"LVA", "\"Значения\": из заданного списка значений", ""},
};

constexpr TEnumText StopModeTexts[StopModeCount] = {
    {"SF", "Обработать все записи", ""},
    {"SC", "Количеству оставшихся комбинаций", ""},
    {"SE", "Количеству оставшихся чисел для расширенной ставки", ""},
    {"SZ", "Пока список не будет пуст и откатить на шаг", ""},
    {"ST", "Количеству шагов", ""},
    {"SV", "Значению в списке статистики", ""},
    {"SP", "Процентному соотношению в списке статистики", ""},
};

template <typename E, int N>
const TEnumText* Lookup(const TEnumText (&table)[N], E value) {
  int i = static_cast<int>(value);
  return i < N ? &table[i] : nullptr;
}

template <typename E, int N>
std::string CodeOf(const TEnumText (&table)[N], E value) {
  const TEnumText* t = Lookup(table, value);
  return t ? t->Code : ErrorText;
}

template <typename E, int N>
std::string CaptionOf(const TEnumText (&table)[N], E value) {
  const TEnumText* t = Lookup(table, value);
  return t ? t->Caption : ErrorText;
}

// The first table value whose code the word begins with (letter case ignored), in table order.
template <typename E, int N>
bool FindCodePrefix(const TEnumText (&table)[N], const std::string& word, E& value) {
  for (int i = 0; i < N; ++i) {
    std::string_view code = table[i].Code;
    if (word.size() >= code.size() && SameText(std::string_view(word).substr(0, code.size()), code)) {
      value = static_cast<E>(i);
      return true;
    }
  }
  return false;
}

// The text cut at every separator, a run of separators counting as one and separators at the
// ends ignored.
std::vector<std::string> Words(std::string_view text, char separator) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) words.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

// Word n (1-based) of the text cut at the separator; empty when there is none.
std::string Word(std::string_view text, size_t n, char separator) {
  std::vector<std::string> words = Words(text, separator);
  return n >= 1 && n <= words.size() ? words[n - 1] : std::string();
}

std::string WeightsText(const TStatWeights& w) {
  LocaleSettings point;
  point.DecimalSeparator = ".";
  return FloatToText(point, w.Count) + ":" + FloatToText(point, w.Deviation) + ":" + FloatToText(point, w.Level) +
         ":" + (w.UsePercents ? "1" : "0") + ":" + (w.UseAbsValues ? "1" : "0");
}

TStatWeights WeightsFromText(const std::string& text) {
  auto number = [&](size_t n) {
    long double v = 0;
    return TextToFloat(FormatSettings(), Word(text, n, ':'), v) ? v : 0.0L;
  };
  return TStatWeights{number(1), number(2), number(3), Word(text, 4, ':') == "1", Word(text, 5, ':') == "1"};
}

std::string Letters(bool bottomUp, bool multiSelect, bool keepSelected) {
  return std::string(bottomUp ? "B" : "T") + (multiSelect ? "M" : "S") + (keepSelected ? "F" : "D");
}

std::string LevelAndStopText(TLevelMode level, const std::string& levelText, TStopMode stop, int32_t stopValue,
                             bool cdlOverride, const TStatWeights& weights) {
  std::string s = Format("#%s:%s#%s:%d", {LevelModeCode(level), levelText, StopModeCode(stop), stopValue});
  if (cdlOverride) s.append("#").append(WeightsText(weights));
  return s;
}

}  // namespace

std::string StartCombsCode(TStartCombsType t) { return CodeOf(StartCombsTexts, t); }
std::string StartCombsCaption(TStartCombsType t) { return CaptionOf(StartCombsTexts, t); }
std::string StartCombsShortText(TStartCombsType t, int32_t excludeCount) {
  const TEnumText* e = Lookup(StartCombsTexts, t);
  return e ? Format(e->Short, {excludeCount}) : ErrorText;
}
std::string ResultCombsCode(TResultCombsMode m) { return CodeOf(ResultCombsTexts, m); }
std::string ResultCombsCaption(TResultCombsMode m) { return CaptionOf(ResultCombsTexts, m); }
std::string ResultCombsShortText(TResultCombsMode m) {
  const TEnumText* e = Lookup(ResultCombsTexts, m);
  return e ? e->Short : ErrorText;
}
std::string ClearStakesShortText() { return "Удалить ставки"; }
std::string NewOnlyShortText(bool newOnly) { return newOnly ? "Только новые ставки" : "Все создаваемые ставки"; }
std::string LevelModeCode(TLevelMode m) { return CodeOf(LevelModeTexts, m); }
std::string LevelModeCaption(TLevelMode m) { return CaptionOf(LevelModeTexts, m); }
std::string StopModeCode(TStopMode m) { return CodeOf(StopModeTexts, m); }
std::string StopModeCaption(TStopMode m) { return CaptionOf(StopModeTexts, m); }

bool LevelModeIsList(TLevelMode m) {
  switch (m) {
    case TLevelMode::LDV:
    case TLevelMode::LDP:
    case TLevelMode::DDV:
    case TLevelMode::DDP:
    case TLevelMode::CDV:
    case TLevelMode::CDP:
    case TLevelMode::LVA:
      return true;
    default:
      return false;
  }
}

bool LevelModePerValue(TLevelMode m) {
  return m != TLevelMode::LNO && !LevelModeIsList(m) && static_cast<int>(m) < LevelModeCount;
}

std::string ScriptLineField(const std::string& line, int k) { return Trim(Word(line, k, '|')); }
std::string ScriptLineOptions(const std::string& line) { return ScriptLineField(line, 1); }
std::string ScriptLineFilter(const std::string& line, int filter) { return ScriptLineField(line, filter + 1); }
std::string ScriptLineComment(const std::string& line) { return ScriptLineField(line, ScriptFilterCount + 2); }
bool IsScriptSeparator(const std::string& line) { return Trim(line).empty(); }

std::string BuildScriptLine(const std::string& options, const std::array<std::string, ScriptFilterCount>& filters,
                            const std::string& comment) {
  std::string line = options;
  for (const std::string& f : filters) line += "|" + (Trim(f).empty() ? std::string(" ") : f);
  line += "|";
  if (!Trim(comment).empty()) line += comment;
  return line;
}

TLineOptions LineOptionsFromText(const std::string& text) {
  TLineOptions o;
  std::vector<std::string> words = Words(text, '#');
  if (words.empty()) return o;
  FindCodePrefix(StartCombsTexts, Trim(words[0]), o.StartCombsType);
  o.ExcludeCount = NumberFromText(Word(words[0], 2, ':'));
  if (words.size() >= 2) {
    std::string mode = Trim(words[1]);
    for (int i = 0; i < ResultCombsModeCount; ++i)
      if (SameText(mode, ResultCombsTexts[i].Code)) o.ResultCombsMode = static_cast<TResultCombsMode>(i);
  }
  for (size_t i = 2; i < words.size(); ++i) {
    std::string flag = Trim(words[i]);
    if (SameText(flag, "CLR")) o.ClearStakes = true;
    if (SameText(flag, "NEX")) o.NewOnly = true;
  }
  return o;
}

std::string LineOptionsToText(const TLineOptions& o) {
  std::string s = StartCombsCode(o.StartCombsType) + ":" + std::to_string(o.ExcludeCount) + "#" +
                  ResultCombsCode(o.ResultCombsMode);
  if (o.ClearStakes) s += "#CLR";
  if (o.NewOnly) s += "#NEX";
  return s;
}

std::string LineOptionsShortText(const TLineOptions& o) {
  std::string s = StartCombsCode(o.StartCombsType);
  if (o.StartCombsType == TStartCombsType::EXCL) s.append(":").append(std::to_string(o.ExcludeCount));
  s.append("#").append(ResultCombsCode(o.ResultCombsMode));
  if (o.NewOnly) s += "#NEX";
  return s;
}

std::string LineOptionsDisplayText(const TLineOptions& o) {
  std::string s = StartCombsShortText(o.StartCombsType, o.ExcludeCount) + "; " + ResultCombsShortText(o.ResultCombsMode);
  if (o.ClearStakes) s += "; " + ClearStakesShortText();
  return s + "; " + NewOnlyShortText(o.NewOnly);
}

TFilterItem FilterItemFromText(const std::string& text, const TStatList& stats) {
  TFilterItem f;
  if (Trim(text).empty()) return f;
  f.Active = true;
  std::vector<std::string> words = Words(text, '#');
  auto word = [&](size_t n) { return n <= words.size() ? words[n - 1] : std::string(); };

  std::string letters = word(1);
  f.BottomUp = letters.find('B') != std::string::npos;
  f.MultiSelect = letters.find('M') != std::string::npos;
  f.KeepSelected = letters.find('F') != std::string::npos;
  f.SortColumn = letters.size() >= 4 && letters[3] >= '0' && letters[3] <= '9' ? letters[3] - '0' : 1;

  f.MethodText = word(2);
  std::string code = Trim(Word(f.MethodText, 1, ':'));
  int entry = code.empty() ? -1 : stats.FindCode(code);
  if (entry >= 0) {
    f.Method = TFilterMethod{entry, stats.Items(entry).Code()};
    f.DrawsLenText = Trim(Word(f.MethodText, 2, ':'));
  }

  if (words.size() >= 3 && FindCodePrefix(LevelModeTexts, Trim(words[2]), f.LevelMode))
    f.LevelText = Trim(Word(words[2], 2, ':'));

  if (words.size() >= 4 && FindCodePrefix(StopModeTexts, Trim(words[3]), f.StopMode)) {
    int32_t v;
    f.StopValue = TextToInt(Word(words[3], 2, ':'), v) ? v : 1;
  }

  if (words.size() >= 5) {
    f.CDLOverride = true;
    f.Weights = WeightsFromText(words[4]);
  }
  return f;
}

std::string FilterItemToText(const TFilterItem& f) {
  if (!f.Active) return {};
  std::string s = Letters(f.BottomUp, f.MultiSelect, f.KeepSelected) + std::to_string(f.SortColumn) + "#";
  s += f.Method.IsSet() ? f.Method.Code + ":" + f.DrawsLenText : f.MethodText;
  return s + LevelAndStopText(f.LevelMode, f.LevelText, f.StopMode, f.StopValue, f.CDLOverride, f.Weights);
}

std::string FilterPartToText(const TFilterPart& p) {
  return Letters(p.BottomUp, p.MultiSelect, p.KeepSelected) + "#" + p.Method.Code + ":" + std::to_string(p.DrawsLen) +
         LevelAndStopText(p.LevelMode, p.LevelText, p.StopMode, p.StopValue, p.CDLOverride, p.Weights);
}

std::string FilterRecToText(const TFilterRec& rec) {
  std::string s;
  for (const TFilterPart& p : rec) {
    if (!p.Active) continue;
    if (!s.empty()) s += " + ";
    s += FilterPartToText(p);
  }
  return s;
}

std::string StakeDescription(int line, int variant, const std::string& comment, const std::string& text) {
  std::string s = Format("%.2d.%.3d:", {line, variant}) + " ";
  if (!comment.empty()) s += comment + " ";
  return s + "@ " + text;
}

std::string ScriptLineFromStakeKey(const std::string& key) {
  const size_t at = key.find('@');
  const std::string comment = at == std::string::npos ? std::string() : Trim(key.substr(0, at));
  // The filters of a key are joined by " + ", those of a line by "|".
  const std::string filters = at == std::string::npos ? key : Trim(key.substr(at + 1));
  std::string line;
  size_t from = 0;
  for (size_t pos = filters.find(" + "); pos != std::string::npos; from = pos + 3, pos = filters.find(" + ", from))
    line.append(filters, from, pos - from).append("|");
  line.append(filters, from);
  for (size_t fields = Words(line, '|').size(); fields <= ScriptFilterCount; ++fields) line += "| ";
  return line + "|" + comment;
}

bool ScriptLineHasFilters(const std::string& line, const TStatList& stats) {
  for (int k = 1; k <= ScriptFilterCount; ++k)
    if (!FilterItemToText(FilterItemFromText(ScriptLineFilter(line, k), stats)).empty()) return true;
  return false;
}

std::array<std::string, 9> ScriptViewCells(const std::string& line, const TStatList& stats) {
  std::array<std::string, 9> cells;
  if (IsScriptSeparator(line)) return cells;
  cells[0] = ScriptLineComment(line);
  cells[1] = LineOptionsDisplayText(LineOptionsFromText(ScriptLineOptions(line)));
  for (int k = 1; k <= ScriptFilterCount; ++k)
    cells[k + 1] = FilterItemToText(FilterItemFromText(ScriptLineFilter(line, k), stats));
  return cells;
}

TFilterCheck CheckFilterItem(const TFilterItem& f, bool methodAcceptsValueList) {
  const char* const BadRange = "Введен некорректный диапазон значений!";
  TIntArray draws = TextToIntList(f.DrawsLenText);
  if (draws.empty() || (draws.size() == 1 && draws[0] == 0)) return {TFilterField::DrawsLen, BadRange};
  if (f.LevelMode != TLevelMode::LNO) {
    if (f.LevelMode == TLevelMode::LVA && !methodAcceptsValueList)
      return {TFilterField::LevelMode, "Для данного вида статистики не доступен режим выделения по списку значений!"};
    if (TextToIntList(f.LevelText).empty()) return {TFilterField::LevelText, BadRange};
  }
  if (f.MultiSelect && (f.StopMode == TStopMode::SC || f.StopMode == TStopMode::SE))
    return {TFilterField::StopMode,
            "В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть "
            "выполнена!\rВыберите другой способ останова."};
  return {};
}

}  // namespace kavrin
