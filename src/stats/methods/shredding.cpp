#include "stats/methods/shredding.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <string_view>
#include <thread>
#include <vector>

#include "stats/customstat.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

// Slots of the program: n1..n5, p1..p5, t1..t5.
using TShreddingSlots = std::array<uint8_t, FormulaSlotCount>;
static_assert(sizeof(TShreddingSlots) == FormulaSlotCount, "lanes of slots lie back to back");

TShreddingSlots SlotsOf(const TComb& n, const TComb& p, const TComb& t) {
  TShreddingSlots slots;
  for (int i = 0; i < DrawSize; ++i) {
    slots[i] = n[i];
    slots[DrawSize + i] = p[i];
    slots[2 * DrawSize + i] = t[i];
  }
  return slots;
}

std::vector<TFormulaSymbol> Symbols(const std::string& text) {
  std::vector<TFormulaSymbol> symbols;
  for (char c : text) symbols.push_back(static_cast<unsigned char>(c));
  return symbols;
}

// For i = 1..5, then n, p, t: every letter-digit pair of the text is replaced by what `insert`
// appends for its slot. The inserted symbols are not searched again in the same step, but a
// later step sees them.
template <class Insert>
std::vector<TFormulaSymbol> Substitute(std::vector<TFormulaSymbol> text, Insert insert) {
  static constexpr char Letters[] = "npt";
  for (int i = 1; i <= DrawSize; ++i)
    for (int v = 0; v < 3; ++v) {
      const TFormulaSymbol lower = Letters[v], upper = lower - ('a' - 'A');
      std::vector<TFormulaSymbol> out;
      out.reserve(text.size());
      for (size_t k = 0; k < text.size(); ++k) {
        if (k + 1 < text.size() && (text[k] == lower || text[k] == upper) && text[k + 1] == '0' + i) {
          insert(v * DrawSize + i - 1, out);
          ++k;
        } else {
          out.push_back(text[k]);
        }
      }
      text = std::move(out);
    }
  return text;
}

// The whole part of 0 <= a < 2^63. Added to 2^63, where whole numbers are one apart, a is
// rounded to a whole number; a conversion to an integer type would switch the rounding mode of
// the floating-point unit twice for every value instead.
long double WholePart(long double a) {
  constexpr long double Shift = 9223372036854775808.0L;
  const long double rounded = (a + Shift) - Shift;
  return rounded > a ? rounded - 1 : rounded;
}

// The first `digits` digits after the point of |v|, in extended precision.
int32_t KeptDigits(long double v, uint8_t digits) {
  static constexpr int32_t Multipliers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
                                            1000000000};
  const long double a = std::fabs(v);
  // From 2^63 on every extended value is whole.
  const long double fraction = a < 9223372036854775808.0L ? a - WholePart(a) : 0;
  // A whole number below 10^9 passes through double exactly.
  return static_cast<int32_t>(static_cast<double>(WholePart(fraction * Multipliers[digits > 9 ? 9 : digits])));
}

int32_t ProgramValue(const TFormulaProgram& program, const TShreddingSlots& slots, uint8_t digits) {
  long double v;
  return program.Run(slots.data(), v) == TFormulaError::None ? KeptDigits(v, digits) : 0;
}

}  // namespace

int32_t ShreddingValue(const TComb& n, const TComb& p, const TComb& t, uint8_t digits, const std::string& formula) {
  const TShreddingSlots slots = SlotsOf(n, p, t);
  const std::vector<TFormulaSymbol> text =
      Substitute(Symbols(formula), [&](int slot, std::vector<TFormulaSymbol>& out) {
        for (char c : std::to_string(slots[slot])) out.push_back(c);
      });
  return ProgramValue(TFormulaProgram(text), slots, digits);
}

TShreddingFormula::TShreddingFormula(std::string formula) : formula_(std::move(formula)) {
  const std::vector<TFormulaSymbol> text =
      Substitute(Symbols(formula_), [](int slot, std::vector<TFormulaSymbol>& out) {
        out.push_back(FormulaVariable + slot);
      });
  // A variable right after n, p or t: its digits may form a name that a later step replaces.
  for (size_t k = 1; k < text.size(); ++k)
    if (text[k] >= FormulaVariable && text[k - 1] < FormulaVariable &&
        std::string_view("nNpPtT").find(static_cast<char>(text[k - 1])) != std::string_view::npos)
      return;
  try {
    program_.emplace(text);
  } catch (const TFormulaNotCompilable&) {
  }
}

int32_t TShreddingFormula::Value(const TComb& n, const TComb& p, const TComb& t, uint8_t digits) const {
  if (!program_) return ShreddingValue(n, p, t, digits, formula_);
  return ProgramValue(*program_, SlotsOf(n, p, t), digits);
}

void TShreddingFormula::Values(std::span<const TComb> n, const TComb& p, const TComb& t, uint8_t digits,
                               int32_t* out) const {
  if (!program_) {
    for (size_t i = 0; i < n.size(); ++i) out[i] = ShreddingValue(n[i], p, t, digits, formula_);
    return;
  }
  constexpr size_t Lanes = TFormulaProgram::MaxLanes;
  std::array<TShreddingSlots, Lanes> slots;
  slots.fill(SlotsOf({}, p, t));
  std::array<long double, Lanes> values;
  for (size_t first = 0; first < n.size(); first += Lanes) {
    const size_t lanes = std::min(Lanes, n.size() - first);
    for (size_t k = 0; k < lanes; ++k)
      for (int i = 0; i < DrawSize; ++i) slots[k][i] = n[first + k][i];
    const TFormulaError* errors = program_->Run(lanes, slots[0].data(), values.data());
    for (size_t k = 0; k < lanes; ++k)
      out[first + k] = errors[k] == TFormulaError::None ? KeptDigits(values[k], digits) : 0;
  }
}

namespace {

constexpr int ShreddingGroup = 12;

// Numbers of archive draw `index` in the analysis order; zeros outside the archive.
TComb NumbersAt(const TDrawsArray& draws, int index, bool sorted) {
  if (index < 0 || index >= static_cast<int>(draws.size())) return {};
  TComb numbers = draws[index].Numbers;
  if (sorted) SortComb(numbers);
  return numbers;
}

// The stored value keeps the low 16 bits of a value of more than four digits.
TStatKey ValueKey(int32_t value) { return MakeStatKey(static_cast<uint16_t>(value)); }

// Runs work(begin, end) over consecutive blocks of 0..count, one block per core, the last on the
// calling thread.
template <class Work>
void OnAllCores(size_t count, Work work) {
  constexpr size_t MinBlock = 16384;  // below this a thread costs more than it saves
  const size_t cores = std::max(1u, std::thread::hardware_concurrency());
  const size_t blocks = std::clamp<size_t>(count / MinBlock, 1, cores);
  const size_t size = (count + blocks - 1) / blocks;
  std::vector<std::jthread> threads;
  for (size_t b = 0; b + 1 < blocks; ++b) threads.emplace_back([&work, b, size] { work(b * size, (b + 1) * size); });
  work((blocks - 1) * size, count);
}

// The filter of a formula: the values of a whole list are computed in blocks on all cores, then
// the kept combinations written in list order.
class TShreddingMatch final : public TPreparedMatch {
 public:
  using TKeys = std::bitset<65536>;
  TShreddingMatch(const TKeys& keys, TShreddingFormula formula, uint8_t digits, const TComb& p, const TComb& t)
      : keys_(std::make_unique<TKeys>(keys)), formula_(std::move(formula)), digits_(digits), p_(p), t_(t) {}

  bool Matches(const TComb& comb) const override { return Selected(formula_.Value(comb, p_, t_, digits_)); }
  size_t Filter(std::span<const TComb> in, bool exclude, TComb* out) const override {
    std::vector<int32_t> values(in.size());
    OnAllCores(in.size(), [&](size_t begin, size_t end) {
      formula_.Values(in.subspan(begin, end - begin), p_, t_, digits_, values.data() + begin);
    });
    size_t kept = 0;
    for (size_t i = 0; i < in.size(); ++i) {
      const TComb comb = in[i];
      out[kept] = comb;
      kept += Selected(values[i]) != exclude;
    }
    return kept;
  }

 private:
  // The stored value keeps the low 16 bits.
  bool Selected(int32_t value) const { return keys_->test(static_cast<uint16_t>(value)); }
  std::unique_ptr<TKeys> keys_;
  TShreddingFormula formula_;
  uint8_t digits_;
  TComb p_, t_;
};

class TstShreddingStat final : public TCustomGraphStat {
 public:
  TstShreddingStat(TStatList& owner, int index)
      : TCustomGraphStat(owner, index),
        Formula(FormulaOf(owner, index)),
        Digits(index >= 1 && index <= ShreddingFormulaCount ? owner.Shredding.Digits[index - 1] : 0),
        formula_(Formula) {}
  static std::string CodeFormat() { return "SHR%d"; }
  static std::string HelpCodeFormat() { return "SHRx"; }
  static std::string CaptionFormat() { return "Метод шинковки %0:d: %%s"; }
  static int GroupIndex() { return ShreddingGroup; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }
  static bool IsIndexed() { return true; }
  static void IndexRange(const TStatList&, int& first, int& last) { first = 1, last = ShreddingFormulaCount; }

  // Taken from the registry when the instance is created; later edits affect later instances.
  const std::string Formula;
  const uint8_t Digits;

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, ValueKey(Value(Draw.Numbers, index - 1, sorted)), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, ValueKey(formula_.Value(comb, {}, {}, Digits)), false);
  }
  void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) override {
    std::vector<int32_t> values(combs.size());
    formula_.Values(combs, {}, {}, Digits, values.data());
    for (size_t i = 0; i < combs.size(); ++i) {
      TCustomStat::AddCombination(combs[i], items);
      Merge(items, ValueKey(values[i]), false);
    }
  }
  int32_t CombinationValue(const TComb& comb, int drawIndex, int, bool sorted) override {
    return Value(comb, drawIndex - 1, sorted);
  }
  // The combination is valued as the draw after the window.
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool sorted, int lastIndex) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(Value(comb, lastIndex, sorted)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool sorted,
                                                 int lastIndex) override {
    TShreddingMatch::TKeys keys;
    for (const TStatDrawRec& s : selected) keys.set(s.Key1);
    return std::make_unique<TShreddingMatch>(keys, formula_, Digits, NumbersAt(Draws, lastIndex, sorted),
                                             NumbersAt(Draws, lastIndex - 1, sorted));
  }

 private:
  static std::string FormulaOf(const TStatList& owner, int index) {
    return index >= 1 && index <= ShreddingFormulaCount ? owner.Shredding.Formulas[index - 1] : "";
  }
  // The value of `n` after archive draw `previous` and the one before it.
  int32_t Value(const TComb& n, int previous, bool sorted) const {
    return formula_.Value(n, NumbersAt(Draws, previous, sorted), NumbersAt(Draws, previous - 1, sorted), Digits);
  }
  TShreddingFormula formula_;
};

}  // namespace

void RegisterShreddingMethods(TStatRegistrationTable& table) { table[142] = &ClassOf<TstShreddingStat>(); }

}  // namespace kavrin
