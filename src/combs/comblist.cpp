#include "combs/comblist.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/errors.h"

namespace kavrin {

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
  Reserve(source.count_);
  if (source.count_ > 0) std::memcpy(items_.data(), source.items_.data(), sizeof(TComb) * source.count_);
  count_ = source.count_;
}

void TCombList::SetCount(int32_t count) {
  if (count < 0 || count > Capacity()) throw KavrinError("Некорректное количество комбинаций!");
  count_ = count;
}

bool TCombList::Contains(const TComb& comb) const {
  auto used = Combs();
  return std::find(used.begin(), used.end(), comb) != used.end();
}

}  // namespace kavrin
