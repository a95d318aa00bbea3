#include "core/stats/ExactSum.h"

#include <cmath>
#include <utility>

namespace tally {

void ExactSum::add(double x) {
  size_t kept = 0;
  for (double y : partials_) {
    if (std::fabs(x) < std::fabs(y)) std::swap(x, y);
    // hi + lo is exactly x + y (|x| >= |y|).
    const double hi = x + y;
    const double lo = y - (hi - x);
    if (lo != 0) partials_[kept++] = lo;
    x = hi;
  }
  partials_.resize(kept);
  partials_.push_back(x);
}

void ExactSum::addProduct(double x, double y) {
  const double p = x * y;
  add(p);
  // fma gives the product's rounding error exactly (unless it falls below the
  // smallest double, where nothing is left to lose).
  if (std::isfinite(p)) add(std::fma(x, y, -p));
}

double ExactSum::value() const {
  size_t n = partials_.size();
  if (n == 0) return 0;
  double hi = partials_[--n];
  double lo = 0;
  // Add from the largest partial down until a sum is no longer exact.
  while (n > 0) {
    const double x = hi;
    const double y = partials_[--n];
    hi = x + y;
    lo = y - (hi - x);
    if (lo != 0) break;
  }
  // hi was rounded half to even on a tie; when the partials below carry on in the
  // direction of lo, the exact sum lies past the tie and must round away from it.
  if (n > 0 && ((lo < 0 && partials_[n - 1] < 0) || (lo > 0 && partials_[n - 1] > 0))) {
    const double y = lo * 2;
    const double x = hi + y;
    if (y == x - hi) hi = x;
  }
  return hi;
}

}  // namespace tally
