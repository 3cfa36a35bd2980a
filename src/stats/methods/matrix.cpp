// Groups 4 ("mtx") and 5 ("sgm"): a draw described by the matrix columns and rows, or by the
// segments, its numbers occupy. Columns and rows are two axes of one geometry, so each matrix
// method is written once for an axis; segments mirror the channel methods with a free map. The
// geometry and the map are copied from the configuration when a method is created.
#include "stats/methods/matrix.h"

#include <bit>

#include "core/format.h"
#include "stats/methods/numbertuples.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

enum class TAxis { Columns, Rows };

template <class Base>
class TMatrixStatOf : public Base {
 public:
  TMatrixStatOf(TStatList& owner, int index)
      : Base(owner, index), Cols(owner.Config.MatrixCols), Rows(MatrixRowCount(owner.Config.MatrixCols)) {}
  static int GroupIndex() { return 4; }

  int32_t Cols;
  int32_t Rows;

 protected:
  // Groups on the axis, and on the other axis.
  int Lines(TAxis axis) const { return axis == TAxis::Columns ? Cols : Rows; }
  int Across(TAxis axis) const { return axis == TAxis::Columns ? Rows : Cols; }
};

using TCustomMatrixStat = TMatrixStatOf<TCustomStat>;
using TCustomMatrixGraphStat = TMatrixStatOf<TCustomGraphStat>;

template <TAxis Axis>
struct ByAxis {
  template <class Stat>
  static TGrouping Of(const Stat& stat) {
    return Axis == TAxis::Columns ? ColumnGrouping(stat.Cols) : RowGrouping(stat.Cols);
  }
};

// The text of a value for columns or for rows.
template <TAxis Axis>
constexpr const char* ByAxisText(const char* columns, const char* rows) {
  return Axis == TAxis::Columns ? columns : rows;
}

// ---- "COLS"/"ROWS": the column or row of each number ----

template <TAxis Axis>
class TMatrixEachStat : public TGroupEachStat<TCustomMatrixStat, ByAxis<Axis>> {
 public:
  using TGroupEachStat<TCustomMatrixStat, ByAxis<Axis>>::TGroupEachStat;
  static std::string CodeFormat() { return ByAxisText<Axis>("COLS", "ROWS"); }
  static std::string CaptionFormat() {
    return ByAxisText<Axis>("Столбцы матрицы (не пустые)", "Строки матрицы (не пустые)");
  }
  static uint32_t MethodFlags() { return FlagNorm; }
  std::string ValueText(const TStatDrawRec& rec) const override { return std::to_string(rec.Key1); }
};

class TstColumns final : public TMatrixEachStat<TAxis::Columns> {
 public:
  using TMatrixEachStat::TMatrixEachStat;
};
class TstRows final : public TMatrixEachStat<TAxis::Rows> {
 public:
  using TMatrixEachStat::TMatrixEachStat;
};

// ---- "COLV"/"ROWV": how many numbers each column or row holds ----

template <TAxis Axis>
class TMatrixCountsStat : public TGroupCountsStat<TCustomMatrixStat, ByAxis<Axis>> {
 public:
  using TGroupCountsStat<TCustomMatrixStat, ByAxis<Axis>>::TGroupCountsStat;
  static std::string CodeFormat() { return ByAxisText<Axis>("COLV", "ROWV"); }
  static std::string CaptionFormat() {
    return ByAxisText<Axis>("Количество чисел в столбце матрицы", "Количество чисел в строке матрицы");
  }
  static uint32_t MethodFlags() { return FlagNorm; }

  std::string ValueText(const TStatDrawRec& rec) const override { return Format("%0:d x %1:d", {rec.Key1, rec.Key2}); }
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    this->PrefillCounts(items, std::min(this->Across(Axis), DrawSize));
  }
};

class TstColValues final : public TMatrixCountsStat<TAxis::Columns> {
 public:
  using TMatrixCountsStat::TMatrixCountsStat;
};
class TstRowValues final : public TMatrixCountsStat<TAxis::Rows> {
 public:
  using TMatrixCountsStat::TMatrixCountsStat;
};

// ---- "COLN"/"ROWN": how many columns or rows are occupied ----

template <TAxis Axis>
class TMatrixDistinctStat : public TGroupDistinctStat<TCustomMatrixGraphStat, ByAxis<Axis>> {
 public:
  using TGroupDistinctStat<TCustomMatrixGraphStat, ByAxis<Axis>>::TGroupDistinctStat;
  static std::string CodeFormat() { return ByAxisText<Axis>("COLN", "ROWN"); }
  static std::string CaptionFormat() {
    return ByAxisText<Axis>("Количество не пустых столбцов в матрице", "Количество не пустых строк в матрице");
  }
  static uint32_t MethodFlags() { return FlagNorm; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    this->Prefill(items, 1, std::min(this->Lines(Axis), DrawSize));
  }
};

class TstColCount final : public TMatrixDistinctStat<TAxis::Columns> {
 public:
  using TMatrixDistinctStat::TMatrixDistinctStat;
};
class TstRowCount final : public TMatrixDistinctStat<TAxis::Rows> {
 public:
  using TMatrixDistinctStat::TMatrixDistinctStat;
};

// ---- "COL%d"/"ROW%d": how many numbers lie in one column or row ----

template <TAxis Axis>
class TMatrixSizeStat : public TGroupSizeStat<TCustomMatrixGraphStat, ByAxis<Axis>> {
 public:
  using TGroupSizeStat<TCustomMatrixGraphStat, ByAxis<Axis>>::TGroupSizeStat;
  static std::string CodeFormat() { return ByAxisText<Axis>("COL%d", "ROW%d"); }
  static std::string CaptionFormat() {
    return ByAxisText<Axis>("Количество чисел в %0:d столбце матрицы", "Количество чисел в %0:d строке матрицы");
  }
  static std::string HelpCodeFormat() { return ByAxisText<Axis>("COLx", "ROWx"); }
  static uint32_t MethodFlags() { return FlagNorm; }
  // No entries without a usable column count.
  static void IndexRange(const TStatList& list, int& first, int& last) {
    const int cols = list.Config.MatrixCols;
    first = 1;
    last = cols < 1 ? 0 : Axis == TAxis::Columns ? cols : MatrixRowCount(cols);
  }

  // The most a line can hold, 0 excluded.
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    this->Prefill(items, 1, this->Across(Axis));
  }
};

class TstColValCnt final : public TMatrixSizeStat<TAxis::Columns> {
 public:
  using TMatrixSizeStat::TMatrixSizeStat;
};
class TstRowValCnt final : public TMatrixSizeStat<TAxis::Rows> {
 public:
  using TMatrixSizeStat::TMatrixSizeStat;
};

// ---- "COLM"/"ROWM": the pattern of occupied columns or rows ----

// Line 1 is the most significant bit; with more than 32 lines only the last 32 fit.
template <TAxis Axis>
class TMatrixMaskStat : public TCustomMatrixStat {
 public:
  TMatrixMaskStat(TStatList& owner, int index) : TCustomMatrixStat(owner, index) {
    const TGrouping groups = ByAxis<Axis>::Of(*this);
    for (int n = 1; n <= NumberMax; ++n) {
      const int bit = Lines(Axis) - groups.Of[n];
      bits_[n] = bit < 32 ? 1u << bit : 0;
    }
  }
  static std::string CodeFormat() { return ByAxisText<Axis>("COLM", "ROWM"); }
  static std::string CaptionFormat() {
    return ByAxisText<Axis>("Сочетания столбцов матрицы", "Сочетания строк матрицы");
  }
  static uint32_t MethodFlags() { return FlagNorm; }

  // "11110 (030)": one digit per line, line 1 first.
  std::string ValueText(const TStatDrawRec& rec) const override {
    const uint32_t value = rec.Dword1();
    std::string text;
    for (int bit = 0; bit < Lines(Axis); ++bit) text.insert(text.begin(), bit < 32 && (value >> bit & 1) ? '1' : '0');
    return Format("%s (%.3d)", {text, value});
  }
  // One character per line, "1" for an occupied one; missing characters read as empty lines.
  int32_t ValueFromText(const std::string& text) const override {
    uint32_t value = 0;
    for (int i = 0; i < Lines(Axis); ++i) value = value * 2 + (static_cast<size_t>(i) < text.size() && text[i] == '1');
    return static_cast<int32_t>(value);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, DwordStatKey(MaskOf(Draw.Numbers, bits_)), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, DwordStatKey(MaskOf(comb, bits_)), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchDword(selected, 1, MaskOf(comb, bits_));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    TStatKeyIndex masks;
    for (const TStatDrawRec& s : selected) masks.Insert(DwordStatKey(s.Dword1()), 0);
    return MakePreparedMatch([masks = std::move(masks), bits = bits_](const TComb& c) {
      return masks.Contains(DwordStatKey(MaskOf(c, bits)));
    });
  }

 private:
  std::array<uint32_t, NumberMax + 1> bits_{};  // the bit of each number's line

  static uint32_t MaskOf(const TComb& c, const std::array<uint32_t, NumberMax + 1>& bits) {
    return bits[c[0]] | bits[c[1]] | bits[c[2]] | bits[c[3]] | bits[c[4]];
  }
};

class TstColMask final : public TMatrixMaskStat<TAxis::Columns> {
 public:
  using TMatrixMaskStat::TMatrixMaskStat;
};
class TstRowMask final : public TMatrixMaskStat<TAxis::Rows> {
 public:
  using TMatrixMaskStat::TMatrixMaskStat;
};

// ---- "COLA"/"ROWA", "COLC"/"ROWC": lines holding adjacent numbers ----

// The line (column or row) in which two numbers are adjacent, 0 when they are not: in a column
// when their rows differ by one, in a row when their columns do.
template <TAxis Axis>
int AdjacentLine(int a, int b, int cols) {
  const int ca = MatrixColumn(a, cols), cb = MatrixColumn(b, cols);
  const int ra = MatrixRow(a, cols), rb = MatrixRow(b, cols);
  if (Axis == TAxis::Columns) return ca == cb && std::abs(ra - rb) == 1 ? ca : 0;
  return ra == rb && std::abs(ca - cb) == 1 ? ra : 0;
}

// The lines holding adjacent pairs, in order of their first pair, each with its number of pairs.
template <TAxis Axis>
TStatSimpleArray AdjacentLines(const TComb& c, int cols) {
  TStatSimpleArray lines;
  for (int i = 0; i < DrawSize; ++i)
    for (int j = i + 1; j < DrawSize; ++j)
      if (const int line = AdjacentLine<Axis>(c[i], c[j], cols); line != 0) lines.Add(line);
  return lines;
}

// AdjacentLine of every pair of numbers, for the tests of many combinations.
using TAdjacency = std::array<std::array<uint8_t, NumberMax + 1>, NumberMax + 1>;

template <TAxis Axis>
TAdjacency AdjacencyOf(int cols) {
  TAdjacency adjacent{};
  for (int a = 1; a <= NumberMax; ++a)
    for (int b = 1; b <= NumberMax; ++b) adjacent[a][b] = static_cast<uint8_t>(AdjacentLine<Axis>(a, b, cols));
  return adjacent;
}

// AdjacentLines through the table: emit(line, pairs) in order of each line's first pair.
template <class Emit>
void ForEachAdjacentLine(const TComb& c, const TAdjacency& adjacent, Emit emit) {
  // Pairs that are not adjacent count in slots of their own, so that the counts of the lines do
  // not wait for one another.
  constexpr int PairCount = 10;
  uint8_t line[PairCount], slot[PairCount];
  uint8_t pairs[NumberMax + 1 + PairCount] = {};
  for (int i = 0, p = 0; i < DrawSize; ++i)
    for (int j = i + 1; j < DrawSize; ++j, ++p) {
      line[p] = adjacent[c[i]][c[j]];
      slot[p] = static_cast<uint8_t>(line[p] != 0 ? line[p] : NumberMax + 1 + p);
      ++pairs[slot[p]];
    }
  for (int p = 0; p < PairCount; ++p)
    if (line[p] != 0 && pairs[slot[p]] != 0) {
      emit(line[p], pairs[slot[p]]);
      pairs[slot[p]] = 0;  // the line's later pairs are answered
    }
}

// Each line with adjacent numbers gives the value (line, pairs + 1).
template <TAxis Axis>
class TMatrixAdjacentStat : public TCustomMatrixStat {
 public:
  TMatrixAdjacentStat(TStatList& owner, int index)
      : TCustomMatrixStat(owner, index), adjacent_(AdjacencyOf<Axis>(Cols)) {}
  static std::string CodeFormat() { return ByAxisText<Axis>("COLA", "ROWA"); }
  static std::string CaptionFormat() {
    return ByAxisText<Axis>("Столбцы матрицы со смежными числами", "Строки матрицы со смежными числами");
  }
  static uint32_t MethodFlags() { return FlagNorm; }

  std::string ValueText(const TStatDrawRec& rec) const override { return Format("%0:d x %1:d", {rec.Key1, rec.Key2}); }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const TStatSimpleArray lines = AdjacentLines<Axis>(Draw.Numbers, Cols);
    for (const TStatSimpleItem& e : lines.Items()) Merge(items, ValueKey(e.Key, e.Count), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    const TStatSimpleArray lines = AdjacentLines<Axis>(comb, Cols);
    for (const TStatSimpleItem& e : lines.Items()) Merge(items, ValueKey(e.Key, e.Count), false);
  }
  // Codes: line times 8 plus pairs.
  void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) override {
    TValueTally tally((NumberMax + 1) * 8);
    for (const TComb& comb : combs)
      ForEachAdjacentLine(comb, adjacent_, [&](int line, int pairs) { tally.Add(line * 8 + pairs); });
    tally.MergeInto(items,
                    [](size_t code) { return ValueKey(static_cast<int>(code / 8), static_cast<int>(code % 8)); });
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    const TStatSimpleArray lines = AdjacentLines<Axis>(comb, Cols);
    for (const TStatSimpleItem& e : lines.Items())
      if (MatchKeys(selected, static_cast<uint16_t>(e.Key), static_cast<uint16_t>(e.Count + 1), 0, 0)) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    // chosen[line][pairs]: lines are at most 50 and a line holds at most 4 adjacent pairs.
    std::array<std::array<uint8_t, 8>, NumberMax + 1> chosen{};
    for (const TStatDrawRec& s : selected)
      if (s.Key1 >= 1 && s.Key1 <= NumberMax && s.Key2 >= 2 && s.Key2 <= DrawSize && s.Key3 == 0 && s.Key4 == 0)
        chosen[s.Key1][s.Key2 - 1] = 1;
    return MakePreparedMatch([adjacent = adjacent_, chosen](const TComb& c) {
      uint8_t any = 0;
      ForEachAdjacentLine(c, adjacent, [&](int line, int pairs) { any |= chosen[line][pairs]; });
      return any != 0;
    });
  }

 private:
  const TAdjacency adjacent_;

  static TStatKey ValueKey(int line, int pairs) {
    return MakeStatKey(static_cast<uint16_t>(line), static_cast<uint16_t>(pairs + 1));
  }
};

class TstColAjacent final : public TMatrixAdjacentStat<TAxis::Columns> {
 public:
  using TMatrixAdjacentStat::TMatrixAdjacentStat;
};
class TstRowAjacent final : public TMatrixAdjacentStat<TAxis::Rows> {
 public:
  using TMatrixAdjacentStat::TMatrixAdjacentStat;
};

// How many lines hold adjacent numbers; 0 when none.
template <TAxis Axis>
class TMatrixAdjacentCountStat : public TCustomMatrixGraphStat {
 public:
  TMatrixAdjacentCountStat(TStatList& owner, int index)
      : TCustomMatrixGraphStat(owner, index), adjacent_(AdjacencyOf<Axis>(Cols)) {}
  static std::string CodeFormat() { return ByAxisText<Axis>("COLC", "ROWC"); }
  static std::string CaptionFormat() {
    return ByAxisText<Axis>("Количество столбцов матрицы со смежными числами",
                            "Количество строк матрицы со смежными числами");
  }
  static uint32_t MethodFlags() { return FlagNorm; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(static_cast<uint16_t>(ValueOf(Draw.Numbers))), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, MakeStatKey(static_cast<uint16_t>(ValueOf(comb))), false);
  }
  void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) override {
    TValueTally tally(DrawSize * 2);
    for (const TComb& comb : combs) tally.Add(LineCount(comb, adjacent_));
    tally.MergeInto(items, [](size_t value) { return MakeStatKey(static_cast<uint16_t>(value)); });
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(ValueOf(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([adjacent = adjacent_, counts = SelectedWord1Bytes(selected)](const TComb& c) {
      return counts.Has(static_cast<uint8_t>(LineCount(c, adjacent)));
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return ValueOf(comb); }

 private:
  const TAdjacency adjacent_;

  int ValueOf(const TComb& comb) const { return static_cast<int>(AdjacentLines<Axis>(comb, Cols).Items().size()); }
  // ValueOf through the table.
  static int LineCount(const TComb& c, const TAdjacency& adjacent) {
    uint64_t lines = 0;  // bit l: line l holds an adjacent pair; bit 0 stands for none
    for (int i = 0; i < DrawSize; ++i)
      for (int j = i + 1; j < DrawSize; ++j) lines |= uint64_t{1} << adjacent[c[i]][c[j]];
    return std::popcount(lines >> 1);
  }
};

class TstColAjacentCnt final : public TMatrixAdjacentCountStat<TAxis::Columns> {
 public:
  using TMatrixAdjacentCountStat::TMatrixAdjacentCountStat;
};
class TstRowAjacentCnt final : public TMatrixAdjacentCountStat<TAxis::Rows> {
 public:
  using TMatrixAdjacentCountStat::TMatrixAdjacentCountStat;
};

// ---- "KFM%d", "KFS%d", "KRM%d", "KRS%d": tuples of the columns or rows of the numbers ----

template <TAxis Axis, int Width, TTupleWalk Walk>
class TMatrixTupleStat : public TGroupTupleStat<TCustomMatrixStat, ByAxis<Axis>, Width, Walk> {
 public:
  using TGroupTupleStat<TCustomMatrixStat, ByAxis<Axis>, Width, Walk>::TGroupTupleStat;
  static std::string CodeFormat() {
    const bool mix = Walk == TTupleWalk::Mix;
    return Format(Axis == TAxis::Columns ? (mix ? "KFM%d" : "KFS%d") : (mix ? "KRM%d" : "KRS%d"), {Width});
  }
  static std::string CaptionFormat() {
    const char* lines = ByAxisText<Axis>("столбцов", "строк");
    return Walk == TTupleWalk::Mix ? Format("Сочетания из %0:d %1:s по всем числам тиража", {Width, lines})
                                   : Format("Сочетания из %0:d %1:s по соседним числам", {Width, lines});
  }
};

class TstCombColMix2 final : public TMatrixTupleStat<TAxis::Columns, 2, TTupleWalk::Mix> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombColMix3 final : public TMatrixTupleStat<TAxis::Columns, 3, TTupleWalk::Mix> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombColMix4 final : public TMatrixTupleStat<TAxis::Columns, 4, TTupleWalk::Mix> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombColSeq2 final : public TMatrixTupleStat<TAxis::Columns, 2, TTupleWalk::Seq> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombColSeq3 final : public TMatrixTupleStat<TAxis::Columns, 3, TTupleWalk::Seq> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombColSeq4 final : public TMatrixTupleStat<TAxis::Columns, 4, TTupleWalk::Seq> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombRowMix2 final : public TMatrixTupleStat<TAxis::Rows, 2, TTupleWalk::Mix> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombRowMix3 final : public TMatrixTupleStat<TAxis::Rows, 3, TTupleWalk::Mix> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombRowMix4 final : public TMatrixTupleStat<TAxis::Rows, 4, TTupleWalk::Mix> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombRowSeq2 final : public TMatrixTupleStat<TAxis::Rows, 2, TTupleWalk::Seq> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombRowSeq3 final : public TMatrixTupleStat<TAxis::Rows, 3, TTupleWalk::Seq> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};
class TstCombRowSeq4 final : public TMatrixTupleStat<TAxis::Rows, 4, TTupleWalk::Seq> {
 public:
  using TMatrixTupleStat::TMatrixTupleStat;
};

// ---- segments: the free partition of the numbers into segments 1..9 ----

template <class Base>
class TSegmentsStatOf : public Base {
 public:
  TSegmentsStatOf(TStatList& owner, int index) : Base(owner, index), SegmentMap(owner.Config.MatrixSegments) {}
  static int GroupIndex() { return 5; }

  std::array<uint8_t, NumberMax> SegmentMap;  // segment of the numbers 1..50
};

using TCustomSegmentsStat = TSegmentsStatOf<TCustomStat>;
using TCustomSegmentsGraphStat = TSegmentsStatOf<TCustomGraphStat>;

struct BySegment {
  template <class Stat>
  static TGrouping Of(const Stat& stat) {
    return SegmentGrouping(stat.SegmentMap);
  }
};

// Each used segment in order of its first number.
class TstSegments final : public TGroupEachStat<TCustomSegmentsStat, BySegment> {
 public:
  using TGroupEachStat::TGroupEachStat;
  static std::string CodeFormat() { return "SGMS"; }
  static std::string CaptionFormat() { return "Сегменты матрицы"; }
  static uint32_t MethodFlags() { return FlagNorm; }
  std::string ValueText(const TStatDrawRec& rec) const override { return std::to_string(rec.Key1); }
};

// Every used segment gives (segment, count) per draw; nothing is pre-filled.
class TstSegmValues final : public TGroupCountsStat<TCustomSegmentsStat, BySegment> {
 public:
  using TGroupCountsStat::TGroupCountsStat;
  static std::string CodeFormat() { return "SGMV"; }
  static std::string CaptionFormat() { return "Количество чисел в сегменте матрицы"; }
  static uint32_t MethodFlags() { return FlagNorm; }
  std::string ValueText(const TStatDrawRec& rec) const override { return Format("%0:d x %1:d", {rec.Key1, rec.Key2}); }
};

class TstSegmCount final : public TGroupDistinctStat<TCustomSegmentsGraphStat, BySegment> {
 public:
  using TGroupDistinctStat::TGroupDistinctStat;
  static std::string CodeFormat() { return "SGMC"; }
  static std::string CaptionFormat() { return "Количество не пустых сегментов в матрице"; }
  static uint32_t MethodFlags() { return FlagNorm; }
};

// One entry per segment number from the smallest to the largest in use; numbers between them
// that no number uses always count 0.
class TstSgmValCnt final : public TGroupSizeStat<TCustomSegmentsGraphStat, BySegment> {
 public:
  using TGroupSizeStat::TGroupSizeStat;
  static std::string CodeFormat() { return "SGM%d"; }
  static std::string CaptionFormat() { return "Количество чисел в %0:d сегменте матрицы"; }
  static std::string HelpCodeFormat() { return "SGMx"; }
  static uint32_t MethodFlags() { return FlagNorm; }
  static void IndexRange(const TStatList& list, int& first, int& last) {
    first = 9, last = 1;
    for (uint8_t s : list.Config.MatrixSegments) {
      first = std::min<int>(first, s);
      last = std::max<int>(last, s);
    }
  }
};

template <int Width, TTupleWalk Walk>
class TSegmentTupleStat : public TGroupTupleStat<TCustomSegmentsStat, BySegment, Width, Walk> {
 public:
  using TGroupTupleStat<TCustomSegmentsStat, BySegment, Width, Walk>::TGroupTupleStat;
  static std::string CodeFormat() { return Format(Walk == TTupleWalk::Mix ? "KGM%d" : "KGS%d", {Width}); }
  static std::string CaptionFormat() {
    return Format(Walk == TTupleWalk::Mix ? "Сочетания из %0:d сегментов по всем числам тиража"
                                          : "Сочетания из %0:d сегментов по соседним числам",
                  {Width});
  }
};

class TstCombSegmMix2 final : public TSegmentTupleStat<2, TTupleWalk::Mix> {
 public:
  using TSegmentTupleStat::TSegmentTupleStat;
};
class TstCombSegmMix3 final : public TSegmentTupleStat<3, TTupleWalk::Mix> {
 public:
  using TSegmentTupleStat::TSegmentTupleStat;
};
class TstCombSegmMix4 final : public TSegmentTupleStat<4, TTupleWalk::Mix> {
 public:
  using TSegmentTupleStat::TSegmentTupleStat;
};
class TstCombSegmSeq2 final : public TSegmentTupleStat<2, TTupleWalk::Seq> {
 public:
  using TSegmentTupleStat::TSegmentTupleStat;
};
class TstCombSegmSeq3 final : public TSegmentTupleStat<3, TTupleWalk::Seq> {
 public:
  using TSegmentTupleStat::TSegmentTupleStat;
};
class TstCombSegmSeq4 final : public TSegmentTupleStat<4, TTupleWalk::Seq> {
 public:
  using TSegmentTupleStat::TSegmentTupleStat;
};

}  // namespace

void RegisterMatrixMethods(TStatRegistrationTable& table) {
  table[24] = &ClassOf<TstColumns>();
  table[25] = &ClassOf<TstRows>();
  table[26] = &ClassOf<TstColValues>();
  table[27] = &ClassOf<TstRowValues>();
  table[28] = &ClassOf<TstColCount>();
  table[29] = &ClassOf<TstRowCount>();
  table[30] = &ClassOf<TstColMask>();
  table[31] = &ClassOf<TstRowMask>();
  table[32] = &ClassOf<TstColAjacent>();
  table[33] = &ClassOf<TstRowAjacent>();
  table[34] = &ClassOf<TstColAjacentCnt>();
  table[35] = &ClassOf<TstRowAjacentCnt>();
  table[83] = &ClassOf<TstCombColMix2>();
  table[84] = &ClassOf<TstCombColMix3>();
  table[85] = &ClassOf<TstCombColMix4>();
  table[86] = &ClassOf<TstCombColSeq2>();
  table[87] = &ClassOf<TstCombColSeq3>();
  table[88] = &ClassOf<TstCombColSeq4>();
  table[89] = &ClassOf<TstCombRowMix2>();
  table[90] = &ClassOf<TstCombRowMix3>();
  table[91] = &ClassOf<TstCombRowMix4>();
  table[92] = &ClassOf<TstCombRowSeq2>();
  table[93] = &ClassOf<TstCombRowSeq3>();
  table[94] = &ClassOf<TstCombRowSeq4>();
  table[104] = &ClassOf<TstColValCnt>();
  table[105] = &ClassOf<TstRowValCnt>();
}

void RegisterSegmentMethods(TStatRegistrationTable& table) {
  table[36] = &ClassOf<TstSegments>();
  table[37] = &ClassOf<TstSegmValues>();
  table[38] = &ClassOf<TstSegmCount>();
  table[95] = &ClassOf<TstCombSegmMix2>();
  table[96] = &ClassOf<TstCombSegmMix3>();
  table[97] = &ClassOf<TstCombSegmMix4>();
  table[98] = &ClassOf<TstCombSegmSeq2>();
  table[99] = &ClassOf<TstCombSegmSeq3>();
  table[100] = &ClassOf<TstCombSegmSeq4>();
  table[106] = &ClassOf<TstSgmValCnt>();
}

}  // namespace kavrin
