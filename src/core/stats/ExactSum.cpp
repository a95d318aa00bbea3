#include "core/stats/ExactSum.h"

#include <cmath>
#include <cstring>

namespace tally {

namespace {

constexpr std::uint64_t kLow32 = 0xFFFFFFFFull;

int bitLength(std::uint64_t v) {
  int n = 0;
  while (v) {
    ++n;
    v >>= 1;
  }
  return n;
}

}  // namespace

void ExactSum::add(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const int biased = static_cast<int>(bits >> 52) & 0x7FF;
  if (biased == 0x7FF) {
    special_ += x;
    anySpecial_ = true;
    return;
  }
  std::uint64_t m = bits & ((1ull << 52) - 1);
  if (biased != 0) m |= 1ull << 52;
  if (m == 0) return;
  // x = m * 2^(biased - 1075) for a normal double, m * 2^-1074 below: m
  // shifted left by `at` units.
  const int at = biased != 0 ? biased - 1 : 0;
  const int word = at >> 5, shift = at & 31;
  const std::uint64_t low = (m & kLow32) << shift;  // below 2^63
  const std::uint64_t high = (m >> 32) << shift;    // below 2^52
  auto d0 = static_cast<std::int64_t>(low & kLow32);
  auto d1 = static_cast<std::int64_t>((low >> 32) + (high & kLow32));
  auto d2 = static_cast<std::int64_t>(high >> 32);
  if (bits >> 63) {
    d0 = -d0;
    d1 = -d1;
    d2 = -d2;
  }
  digits_[static_cast<size_t>(word)] += d0;
  digits_[static_cast<size_t>(word) + 1] += d1;
  digits_[static_cast<size_t>(word) + 2] += d2;
  if (++unsettled_ == kSettleEvery) {
    settle(digits_);
    unsettled_ = 0;
  }
}

void ExactSum::addProduct(double x, double y) {
  const double p = x * y;
  add(p);
  // fma gives the product's rounding error exactly (unless it falls below the
  // smallest double, where nothing is left to lose).
  if (std::isfinite(p)) add(std::fma(x, y, -p));
}

void ExactSum::settle(Digits& d) {
  for (size_t k = 0; k + 1 < d.size(); ++k) {
    // Floor division by 2^32, for negative words too.
    const std::int64_t carry = d[k] >> 32;
    d[k] -= static_cast<std::int64_t>(static_cast<std::uint64_t>(carry) << 32);
    d[k + 1] += carry;
  }
}

double ExactSum::value() const {
  if (anySpecial_) return special_;
  Digits d = digits_;
  settle(d);
  const bool negative = d.back() < 0;
  if (negative) {
    for (auto& w : d) w = -w;
    settle(d);
  }
  int top = kDigits - 1;
  while (top >= 0 && d[static_cast<size_t>(top)] == 0) --top;
  if (top < 0) return 0;
  auto digit = [&d](int k) {
    return k < 0 ? 0ull : static_cast<std::uint64_t>(d[static_cast<size_t>(k)]);
  };
  const int length = 32 * top + bitLength(digit(top));
  double magnitude;
  if (length <= 53) {
    // Few enough bits to be a double as it stands.
    magnitude = std::ldexp(static_cast<double>(digit(1) << 32 | digit(0)), -1074);
  } else {
    // The 64 highest bits, and whether any bit below them is set.
    const unsigned __int128 window = static_cast<unsigned __int128>(digit(top)) << 64 |
                                     static_cast<unsigned __int128>(digit(top - 1)) << 32 |
                                     digit(top - 2);
    const int windowLength = bitLength(digit(top)) + 64;
    const int drop = windowLength - 64;
    auto t = static_cast<std::uint64_t>(window >> drop);
    bool sticky = (window & ((static_cast<unsigned __int128>(1) << drop) - 1)) != 0;
    for (int k = top - 3; k >= 0 && !sticky; --k) sticky = d[static_cast<size_t>(k)] != 0;
    // Rounded to 53 bits, half to even.
    std::uint64_t q = t >> 11;
    const std::uint64_t rest = t & 0x7FF;
    if (rest > 0x400 || (rest == 0x400 && (sticky || (q & 1)))) ++q;
    int exponent = 32 * (top - 2) + drop + 11 - 1074;
    if (q >> 53) {
      q >>= 1;
      ++exponent;
    }
    magnitude = std::ldexp(static_cast<double>(q), exponent);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace tally
