#include "combs/comblist.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#include "core/errors.h"

namespace kavrin {
namespace {

uint64_t CombMask(const TComb& comb) {
  uint64_t mask = 0;
  for (const uint8_t n : comb) mask |= uint64_t{1} << n;
  return mask;
}

// A combination as one number whose order is the lexicographic order of combinations.
uint64_t CombKey(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e) {
  return uint64_t{a} << 32 | uint64_t{b} << 24 | uint64_t{c} << 16 | uint64_t{d} << 8 | e;
}

int64_t CombinationsOf(int numbers, int size) { return numbers < size ? 0 : Binomial(numbers, size); }

}  // namespace

int32_t TCombsShape::Count() const {
  return static_cast<int32_t>(CombinationsOf(std::popcount(Numbers), DrawSize) - static_cast<int64_t>(Missing.size()));
}

TCombsShape TCombsShape::Without(uint64_t numbers) const {
  TCombsShape shape{Numbers & ~numbers, {}};
  for (const TComb& comb : Missing)
    if ((CombMask(comb) & numbers) == 0) shape.Missing.push_back(comb);
  return shape;
}

bool TCombsShape::DistinctNumbersAtMost(int limit) const {
  // A number is in the list unless every combination holding it is missing.
  const int64_t holding = CombinationsOf(std::popcount(Numbers) - 1, DrawSize - 1);
  int distinct = 0;
  for (int n = 1; n <= NumberMax; ++n) {
    if ((Numbers >> n & 1) == 0) continue;
    const int64_t missing = std::count_if(Missing.begin(), Missing.end(), [n](const TComb& comb) {
      return std::find(comb.begin(), comb.end(), n) != comb.end();
    });
    if (holding > missing && ++distinct > limit) return false;
  }
  return distinct <= limit;
}

void TCombList::Reserve(int64_t entries) {
  if (entries > std::numeric_limits<int32_t>::max()) throw KavrinError("Слишком много комбинаций в списке!");
  if (entries > Capacity()) items_.resize(static_cast<size_t>(entries));
}

void TCombList::Grow(int64_t needed) {
  // Doubling keeps a long run of appends (a large file or paste) linear.
  const int64_t doubled = std::min<int64_t>(std::max<int64_t>(2 * Capacity(), 1024), std::numeric_limits<int32_t>::max());
  Reserve(std::max(needed, doubled));
}

void TCombList::CopyFrom(const TCombList& source) {
  if (&source == this) return;
  if (source.unwritten_) {
    count_ = source.count_;
    shape_ = source.shape_;
    unwritten_ = true;
    return;
  }
  Reserve(source.count_);
  if (source.count_ > 0) std::memcpy(items_.data(), source.items_.data(), sizeof(TComb) * source.count_);
  count_ = source.count_;
  shape_ = source.shape_;
  unwritten_ = false;
}

void TCombList::SetCount(int32_t count) {
  if (count < 0 || count > Capacity()) throw KavrinError("Некорректное количество комбинаций!");
  count_ = count;
  shape_.reset();
  unwritten_ = false;
}

void TCombList::AssignShape(TCombsShape shape) {
  count_ = shape.Count();
  shape_ = std::make_shared<const TCombsShape>(std::move(shape));
  unwritten_ = true;
}

void TCombList::WriteShape() const {
  const TCombsShape& shape = *shape_;
  std::array<uint8_t, NumberMax> numbers{};
  int k = 0;
  for (int n = 1; n <= NumberMax; ++n)
    if (shape.Numbers >> n & 1) numbers[k++] = static_cast<uint8_t>(n);
  if (Capacity() < CombinationsOf(k, DrawSize)) items_.resize(static_cast<size_t>(CombinationsOf(k, DrawSize)));
  TComb* out = items_.data();
  int32_t written = 0;
  // The missing combinations come in the order of the enumeration: one comparison with the next
  // of them per combination.
  auto missing = shape.Missing.begin();
  auto nextMissing = [&] {
    if (missing == shape.Missing.end()) return std::numeric_limits<uint64_t>::max();
    const TComb& m = *missing;
    return CombKey(m[0], m[1], m[2], m[3], m[4]);
  };
  uint64_t skip = nextMissing();
  for (int a = 0; a < k - 4; ++a)
    for (int b = a + 1; b < k - 3; ++b)
      for (int c = b + 1; c < k - 2; ++c)
        for (int d = c + 1; d < k - 1; ++d) {
          const uint64_t head = CombKey(numbers[a], numbers[b], numbers[c], numbers[d], 0);
          for (int e = d + 1; e < k; ++e) {
            out[written] = {numbers[a], numbers[b], numbers[c], numbers[d], numbers[e]};
            if ((head | numbers[e]) != skip) {
              ++written;
            } else {
              ++missing;
              skip = nextMissing();
            }
          }
        }
  unwritten_ = false;
  if (written != count_) throw KavrinError("Некорректное количество комбинаций!");
}

bool TCombList::Contains(const TComb& comb) const {
  auto used = Combs();
  return std::find(used.begin(), used.end(), comb) != used.end();
}

}  // namespace kavrin
