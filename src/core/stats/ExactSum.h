#pragma once
// A sum of doubles without rounding on the way, and only the result rounded,
// once. A mean of 1e16, 1 and -1e16 is 1/3, not 0.
//
// The running total is one whole number of units of the smallest double
// (2^-1074), wide enough for any double, kept in digits of 32 bits; each digit
// sits in a signed 64-bit word, so that adding a term touches three words and
// carries wait until the end.
#include <array>
#include <cstdint>

namespace tally {

class ExactSum {
 public:
  // The result must be a finite double for value() to be exact; an infinite or
  // not-a-number term makes the sum that term (or not-a-number, for infinities
  // of both signs). Callers scale by a power of two where data come near the
  // largest double.
  void add(double x);
  // x * y, its rounding error included.
  void addProduct(double x, double y);
  // The sum rounded to the nearest double (ties to even), as a single rounding of
  // the exact sum would give it. An exact zero is +0.
  double value() const;

 private:
  // 2098 bits hold any finite double's units; the rest is room for the carries
  // of many terms near the largest double.
  static constexpr int kDigits = 70;
  // Each term adds less than 2^33 to a word: carries are settled well before a
  // word could overflow.
  static constexpr std::uint32_t kSettleEvery = 1u << 28;

  using Digits = std::array<std::int64_t, kDigits>;
  // Carries moved up: every word but the top one then holds 0 to 2^32 - 1.
  static void settle(Digits& d);

  Digits digits_{};
  std::uint32_t unsettled_ = 0;
  double special_ = 0;  // the sum of the infinite and not-a-number terms
  bool anySpecial_ = false;
};

}  // namespace tally
