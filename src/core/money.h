#pragma once
// Money and rounding: a currency amount is a signed count of ten-thousandths, and every
// rounding to an integer goes to the nearest value, ties to even.
#include <cmath>
#include <compare>
#include <cstdint>

namespace kavrin {

inline int64_t RoundHalfEven(long double x) { return std::llrintl(x); }  // default mode: ties to even

class TCurrency {
 public:
  static constexpr int64_t Scale = 10000;

  constexpr TCurrency() = default;
  static constexpr TCurrency FromRaw(int64_t tenThousandths) { return TCurrency(tenThousandths); }
  static TCurrency FromAmount(long double amount) { return TCurrency(RoundHalfEven(amount * Scale)); }

  constexpr int64_t Raw() const { return raw_; }
  long double Amount() const { return static_cast<long double>(raw_) / Scale; }

  constexpr TCurrency operator+(TCurrency o) const { return TCurrency(raw_ + o.raw_); }
  constexpr TCurrency operator-(TCurrency o) const { return TCurrency(raw_ - o.raw_); }
  constexpr TCurrency operator-() const { return TCurrency(-raw_); }
  constexpr TCurrency operator*(int64_t n) const { return TCurrency(raw_ * n); }
  TCurrency& operator+=(TCurrency o) { raw_ += o.raw_; return *this; }
  TCurrency& operator-=(TCurrency o) { raw_ -= o.raw_; return *this; }
  friend constexpr auto operator<=>(TCurrency, TCurrency) = default;

 private:
  constexpr explicit TCurrency(int64_t raw) : raw_(raw) {}
  int64_t raw_ = 0;
};

}  // namespace kavrin
