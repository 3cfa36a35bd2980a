#pragma once
// Prepared matching: a method turns the selected values into a test once per filter run, so that
// the walk over up to 2,118,760 combinations does no allocation, no scan of the selection and no
// virtual call per combination.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include "core/game.h"

namespace kavrin {

class TPreparedMatch {
 public:
  virtual ~TPreparedMatch() = default;
  // Whether the combination carries a selected value: the answer Matches gives.
  virtual bool Matches(const TComb& comb) const = 0;
  // Writes to `out`, in list order, the combinations of `in` that the filter keeps: those that
  // match, or with `exclude` those that do not. `out` needs room for in.size() combinations and
  // may be in.data() itself. Returns how many were written.
  virtual size_t Filter(std::span<const TComb> in, bool exclude, TComb* out) const = 0;
  // When, for every combination of numbers 1..NumberMax, Matches is "holds one of these numbers":
  // their bit mask (bit n for number n). A filter that removes them from a list known to hold
  // every combination of some numbers can then enumerate the rest instead of testing the list.
  virtual std::optional<uint64_t> NumberSet() const { return std::nullopt; }
};

// Runs a filter loop `run(part, to)` (writes the kept combinations of `part` to `to`, returns how
// many) over `in` into `out` as Filter does: a long list in two halves side by side on two cores,
// the second half's result moved up behind the first's, so the list comes out in order and the
// same as from one run over the whole. `run` may be called from another thread at the same time.
size_t FilterOnBothCores(std::span<const TComb> in, TComb* out,
                         const std::function<size_t(std::span<const TComb>, TComb*)>& run);

// The prepared test of a method: `Test` is a callable bool(const TComb&) that holds the tables it
// needs, so the batch loop below is compiled once per method with the test inlined.
template <class Test>
class TPreparedMatchOf final : public TPreparedMatch {
 public:
  explicit TPreparedMatchOf(Test test) : test_(std::move(test)) {}
  bool Matches(const TComb& comb) const override { return test_(comb); }
  size_t Filter(std::span<const TComb> in, bool exclude, TComb* out) const override {
    return FilterOnBothCores(in, out, [&](std::span<const TComb> part, TComb* to) {
      size_t kept = 0;
      for (const TComb& comb : part) {
        // Written unconditionally and kept by advancing: no branch to mispredict.
        const TComb copy = comb;
        to[kept] = copy;
        kept += static_cast<bool>(test_(copy)) != exclude;
      }
      return kept;
    });
  }

 private:
  Test test_;
};

template <class Test>
std::unique_ptr<TPreparedMatch> MakePreparedMatch(Test test) {
  return std::make_unique<TPreparedMatchOf<Test>>(std::move(test));
}

// A set of byte values (a number, a digit, a difference, a count ...). A table of bytes: one load
// per test, which is what the filter loops are made of.
class TByteValueSet {
 public:
  void Set(uint32_t v) {
    if (v < 256) has_[v] = 1;
  }
  // 1 or 0, so that tests of several numbers combine with | and +.
  uint8_t Has(uint8_t v) const { return has_[v]; }

 private:
  uint8_t has_[256] = {};
};

// The test "holds one of the numbers of the set".
class TNumberSetMatch final : public TPreparedMatch {
 public:
  explicit TNumberSetMatch(const TByteValueSet& numbers) : test_(TTest{numbers}) {
    for (int n = 1; n <= NumberMax; ++n)
      if (numbers.Has(static_cast<uint8_t>(n))) mask_ |= uint64_t{1} << n;
  }
  bool Matches(const TComb& comb) const override { return test_.Matches(comb); }
  size_t Filter(std::span<const TComb> in, bool exclude, TComb* out) const override {
    return test_.Filter(in, exclude, out);
  }
  std::optional<uint64_t> NumberSet() const override { return mask_; }

 private:
  struct TTest {
    TByteValueSet set;
    bool operator()(const TComb& c) const {
      return (set.Has(c[0]) | set.Has(c[1]) | set.Has(c[2]) | set.Has(c[3]) | set.Has(c[4])) != 0;
    }
  };
  TPreparedMatchOf<TTest> test_;
  uint64_t mask_ = 0;
};

// A set of the values a sum of five bytes can take.
class TSumValueSet {
 public:
  static constexpr size_t Size = 5 * 255 + 1;
  void Set(size_t sum, bool on = true) {
    if (sum < Size) has_[sum] = on;
  }
  bool Has(int sum) const { return has_[sum] != 0; }

 private:
  uint8_t has_[Size] = {};
};

}  // namespace kavrin
