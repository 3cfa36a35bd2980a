#include "stats/customstat.h"

#include <array>

#include "core/fileio.h"
#include "core/format.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

struct TGroupInfo {
  const char* ShortName;
  const char* Caption;
};

constexpr std::array<TGroupInfo, StatGroupCount> Groups = {{
    {"num", "Числа тиража"},
    {"sum", "Сумма чисел тиража"},
    {"dif", "Разности между числами тиража"},
    {"grp", "Каналы (группы чисел)"},
    {"mtx", "Матрица тиража"},
    {"sgm", "Сегменты матрицы тиража"},
    {"seq", "Последовательности чисел в одном тираже"},
    {"rep", "Повторяющиеся числа в нескольких тиражах"},
    {"ser", "Серии (цепочки) значений"},
    {"per", "Периоды повторения значений"},
    {"mov", "Переходы (изменения) значений между тиражами"},
    {"chr", "Характеристические числа тиража"},
    {"shr", "Методы шинковки"},
}};

// The help file holds only the Russian pages.
constexpr int HelpLanguage = 1049;

// The UTF-8 characters of a text, each as its own string.
std::vector<std::string> Utf8Chars(const std::string& text) {
  std::vector<std::string> chars;
  for (size_t i = 0; i < text.size();) {
    size_t length = 1;
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    chars.push_back(text.substr(i, length));
    i += length;
  }
  return chars;
}

}  // namespace

std::string GroupShortName(int group) {
  return group >= 0 && group < StatGroupCount ? Groups[group].ShortName : "";
}

std::string GroupCaption(int group) { return group >= 0 && group < StatGroupCount ? Groups[group].Caption : ""; }

std::string GroupTitle(int group) {
  if (group < 0 || group >= StatGroupCount) return "#ERROR#";
  return Format("{ %1:s } %0:s", {Groups[group].Caption, Groups[group].ShortName});
}

std::string FlagLetters(uint32_t flags) {
  static const char letters[] = "SNDPG";
  std::string out;
  for (int bit = 0; bit < 5; ++bit)
    if (flags & (1u << bit)) out += letters[bit];
  return out;
}

// ---- class operations ----

uint32_t TStatClass::EffectiveFlags() const { return MethodFlags() | (IsGraph() ? uint32_t{FlagGraph} : 0u); }

std::string TStatClass::Code(int index) const { return Format(CodeFormat(), {index}); }

std::string TStatClass::Caption(int index) const { return Format(CaptionFormat(), {index}); }

std::string TStatClass::HelpURL(int index, const std::string& helpFile) const {
  if (helpFile.empty() || !FileExists(helpFile)) return "";
  return "ms-its:" + helpFile +
         Format("::/Filters_%.4d_%s.htm", {HelpLanguage, Format(HelpCodeFormat(), {index})});
}

// ---- instance operations ----

TCustomStat::TCustomStat(TStatList& owner, int index) : Index(index), Draws(owner.Draws()), owner_(owner) {}

std::string TCustomStat::InstanceCaption() const { return Class().Caption(Index); }

int32_t TCustomStat::ValueFromText(const std::string& text) const { return NumberFromText(text); }

int32_t TCustomStat::ListValue(const std::string& text) const {
  return Class().AcceptsValueList() ? ValueFromText(text) : 0;
}

void TCustomStat::PrepareValues(int, TStatDrawArray&) { Current = TStatDrawRec{}; }

void TCustomStat::Prefill(TStatDrawArray& items, int first, int last) {
  for (int v = first; v <= last; ++v) {
    TStatDrawRec rec;
    rec.Key1 = static_cast<uint16_t>(v);
    AddStatValue(items, rec, false);
  }
}

bool TCustomStat::HasFlag(uint32_t flag) const { return (Class().MethodFlags() & flag) != 0; }

namespace {

void LoadDraw(const TDrawsArray& draws, int index, bool sorted, TDrawRec& out) {
  if (index < 0 || index >= static_cast<int>(draws.size())) {
    out.Number = 0;
    out.Numbers = {};
    out.Extra = 0;
    return;
  }
  const TDrawRec& draw = draws[index];
  out.Number = draw.Number;
  out.Numbers = draw.Numbers;
  out.Extra = draw.Extra;
  if (sorted) SortDrawNumbers(out);
}

}  // namespace

void TCustomStat::LoadDraws(int index, int secondIndex, bool sorted) {
  LoadDraw(Draws, index, sorted, Draw);
  if (HasFlag(FlagSecondDraw)) LoadDraw(Draws, secondIndex, sorted, SecondDraw);
}

void TCustomStat::AddCombination(const TComb&, TStatDrawArray&) {
  Current = TStatDrawRec{};
  Current.Count = 1;
}

void TCustomStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatWork&, TStatDrawArray&, bool sorted) {
  LoadDraws(index, lastIndex, sorted);
  Current = TStatDrawRec{};
  Current.LastDraw = Current.PrevDraw = Draw.Number;
  Current.Depth = lastIndex - index + 1;
  Current.Count = 1;
}

int32_t TCustomStat::FindNextOccurrence(const TStatDrawRec& item, int fromIndex, bool sorted, int lastIndex) {
  TStatWork work{};
  const TStatKey key = item.Key();
  for (int k = fromIndex; k < static_cast<int>(Draws.size()); ++k) {
    TStatDrawArray items;
    TLastValueArray lastValues;
    AddDraw(k, lastIndex, lastValues, work, items, sorted);
    const int found = items.Find(key);
    if (found >= 0) return items[found].LastDraw;
  }
  return -1;
}

// ---- bases ----

std::string TCustomGraphStat::ValueText(const TStatDrawRec& rec) const { return std::to_string(rec.Key1); }

int32_t TCustomGraphStat::DrawValue(int drawIndex, int lastIndex, bool sorted) {
  LoadDraws(drawIndex, lastIndex, sorted);
  return CombinationValue(Draw.Numbers, drawIndex, lastIndex, sorted);
}

std::string TCustomRatioStat::ValueText(const TStatDrawRec& rec) const {
  return Format("%d:%d", {rec.Key1, DrawSize - rec.Key1});
}

int32_t TCustomRatioStat::ValueFromText(const std::string& text) const {
  return NumberFromText(text.substr(0, text.find(':')));
}

std::string TCustomValuesStat::ValueText(const TStatDrawRec& rec) const { return std::to_string(rec.Key1); }

std::string TCustomNumbersStat::ValueText(const TStatDrawRec& rec) const { return std::to_string(rec.Key1); }

std::string TCustomMaskStat::ValueText(const TStatDrawRec& rec) const {
  std::string pattern;
  for (int bit = 0; bit < DrawSize; ++bit) pattern = ((rec.Key1 >> bit) & 1 ? OneSymbol() : ZeroSymbol()) + pattern;
  return Format("%s (%.3d)", {pattern, rec.Key1});
}

int32_t TCustomMaskStat::ValueFromText(const std::string& text) const {
  // A text shorter than five characters reads as if the missing ones were zero symbols.
  const std::vector<std::string> chars = Utf8Chars(text);
  const std::string one = OneSymbol();
  int32_t result = 0;
  for (size_t i = 0; i < DrawSize; ++i) result = result * 2 + (i < chars.size() && chars[i] == one ? 1 : 0);
  return result;
}

void TCustomMaskStat::PrepareValues(int lastIndex, TStatDrawArray& items) {
  TCustomStat::PrepareValues(lastIndex, items);
  Prefill(items, 0, MaskPatternCount - 1);
}

}  // namespace kavrin
