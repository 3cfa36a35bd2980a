// Group 0 ("num"): which pairs, triples and quadruples of numbers come out together — over all
// positions, over adjacent positions, or from one position on.
#include "stats/methods/numbertuples.h"

#include "core/format.h"

namespace kavrin {
namespace {

class TCustomCombValuesStat : public TCustomStat {
 public:
  using TCustomStat::TCustomStat;
  static int GroupIndex() { return 0; }
  static bool AcceptsValueList() { return false; }
};

struct ByNumber {
  static TGrouping Of(const TCustomStat&) { return NumberGrouping(); }
};

template <int Width, TTupleWalk Walk>
using TNumberTupleStat = TGroupTupleStat<TCustomCombValuesStat, ByNumber, Width, Walk>;

// ---- "KNM%d": every tuple of positions ----

template <int Width>
class TCombValMixStat : public TNumberTupleStat<Width, TTupleWalk::Mix> {
 public:
  using TNumberTupleStat<Width, TTupleWalk::Mix>::TNumberTupleStat;
  static std::string CodeFormat() { return Format("KNM%d", {Width}); }
  static std::string CaptionFormat() { return Format("Сочетания из %0:d чисел по всем числам тиража", {Width}); }
};

class TstCombValMix2 final : public TCombValMixStat<2> {
 public:
  using TCombValMixStat::TCombValMixStat;
};
class TstCombValMix3 final : public TCombValMixStat<3> {
 public:
  using TCombValMixStat::TCombValMixStat;
};
class TstCombValMix4 final : public TCombValMixStat<4> {
 public:
  using TCombValMixStat::TCombValMixStat;
};

// ---- "KNS%d": every run of adjacent positions ----

template <int Width>
class TCombValSeqStat : public TNumberTupleStat<Width, TTupleWalk::Seq> {
 public:
  using TNumberTupleStat<Width, TTupleWalk::Seq>::TNumberTupleStat;
  static std::string CodeFormat() { return Format("KNS%d", {Width}); }
  static std::string CaptionFormat() { return Format("Сочетания из %0:d соседних чисел тиража", {Width}); }
};

class TstCombValSeq2 final : public TCombValSeqStat<2> {
 public:
  using TCombValSeqStat::TCombValSeqStat;
};
class TstCombValSeq3 final : public TCombValSeqStat<3> {
 public:
  using TCombValSeqStat::TCombValSeqStat;
};
class TstCombValSeq4 final : public TCombValSeqStat<4> {
 public:
  using TCombValSeqStat::TCombValSeqStat;
};

// ---- "KNP2%d", "KNP3%d", "KNP4%d": the run starting at position Index ----

template <int Width>
class TCombValPosStat : public TNumberTupleStat<Width, TTupleWalk::Pos> {
 public:
  using TNumberTupleStat<Width, TTupleWalk::Pos>::TNumberTupleStat;
  static std::string CodeFormat() { return Format("KNP%d%%d", {Width}); }
  static std::string CaptionFormat() {
    return Format("Сочетания из %d-х чисел тиража начиная с %%0:d позиции", {Width});
  }
  static std::string HelpCodeFormat() { return Format("KNP%d", {Width}); }
  static bool IsIndexed() { return true; }
  static void IndexRange(const TStatList&, int& first, int& last) { first = 1, last = DrawSize - Width + 1; }
};

class TstCombValPos2 final : public TCombValPosStat<2> {
 public:
  using TCombValPosStat::TCombValPosStat;
};
class TstCombValPos3 final : public TCombValPosStat<3> {
 public:
  using TCombValPosStat::TCombValPosStat;
};
class TstCombValPos4 final : public TCombValPosStat<4> {
 public:
  using TCombValPosStat::TCombValPosStat;
};

// ---- "KNO%d": runs of the numbers in ascending order; kept out of every list ----

template <int Width>
class TCombValSortStat : public TNumberTupleStat<Width, TTupleWalk::SortedSeq> {
 public:
  using TNumberTupleStat<Width, TTupleWalk::SortedSeq>::TNumberTupleStat;
  static std::string CodeFormat() { return Format("KNO%d", {Width}); }
  static std::string CaptionFormat() { return Format("Сочетания из %0:d чисел тиража по возрастанию", {Width}); }
  static uint32_t MethodFlags() { return 0; }
  static bool IsAvailable() { return false; }
};

class TstCombValSort2 final : public TCombValSortStat<2> {
 public:
  using TCombValSortStat::TCombValSortStat;
};
class TstCombValSort3 final : public TCombValSortStat<3> {
 public:
  using TCombValSortStat::TCombValSortStat;
};
class TstCombValSort4 final : public TCombValSortStat<4> {
 public:
  using TCombValSortStat::TCombValSortStat;
};

}  // namespace

void RegisterNumberTupleMethods(TStatRegistrationTable& table) {
  table[62] = &ClassOf<TstCombValMix2>();
  table[63] = &ClassOf<TstCombValMix3>();
  table[64] = &ClassOf<TstCombValMix4>();
  table[65] = &ClassOf<TstCombValSeq2>();
  table[66] = &ClassOf<TstCombValSeq3>();
  table[67] = &ClassOf<TstCombValSeq4>();
  table[68] = &ClassOf<TstCombValPos2>();
  table[69] = &ClassOf<TstCombValPos3>();
  table[70] = &ClassOf<TstCombValPos4>();
  table[71] = &ClassOf<TstCombValSort2>();
  table[72] = &ClassOf<TstCombValSort3>();
  table[73] = &ClassOf<TstCombValSort4>();
}

}  // namespace kavrin
