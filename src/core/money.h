#pragma once
// Money and rounding: a currency amount is a signed count of ten-thousandths, and every
// rounding to an integer goes to the nearest value, ties to even. Sums saturate at the limits of
// the count, so that amounts read from damaged files cannot overflow.
#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>

namespace kavrin {

// a + b, held at the limits of int32 instead of overflowing.
inline int32_t SaturatingAdd32(int32_t a, int64_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  return static_cast<int32_t>(sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : sum);
}

inline int64_t RoundHalfEven(long double x) { return std::llrintl(x); }  // default mode: ties to even

class TCurrency {
 public:
  static constexpr int64_t Scale = 10000;

  constexpr TCurrency() = default;
  static constexpr TCurrency FromRaw(int64_t tenThousandths) { return TCurrency(tenThousandths); }
  static TCurrency FromAmount(long double amount) { return TCurrency(RoundHalfEven(amount * Scale)); }

  constexpr int64_t Raw() const { return raw_; }
  long double Amount() const { return static_cast<long double>(raw_) / Scale; }

  constexpr TCurrency operator+(TCurrency o) const { return TCurrency(SaturatingAdd(raw_, o.raw_)); }
  constexpr TCurrency operator-(TCurrency o) const { return *this + -o; }
  constexpr TCurrency operator-() const {
    return TCurrency(raw_ == std::numeric_limits<int64_t>::min() ? std::numeric_limits<int64_t>::max() : -raw_);
  }
  constexpr TCurrency operator*(int64_t n) const {
    int64_t product;
    if (!__builtin_mul_overflow(raw_, n, &product)) return TCurrency(product);
    return TCurrency((raw_ < 0) == (n < 0) ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min());
  }
  TCurrency& operator+=(TCurrency o) { return *this = *this + o; }
  TCurrency& operator-=(TCurrency o) { return *this = *this - o; }
  friend constexpr auto operator<=>(TCurrency, TCurrency) = default;

 private:
  constexpr explicit TCurrency(int64_t raw) : raw_(raw) {}
  static constexpr int64_t SaturatingAdd(int64_t a, int64_t b) {
    int64_t sum;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
  }
  int64_t raw_ = 0;
};

}  // namespace kavrin
