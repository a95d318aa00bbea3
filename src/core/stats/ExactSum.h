#pragma once
// A sum of doubles without rounding on the way: the running total is held as a
// few non-overlapping doubles (Shewchuk's partials), and only the result is
// rounded, once. A mean of 1e16, 1 and -1e16 is 1/3, not 0.
#include <vector>

namespace tally {

class ExactSum {
 public:
  // The partials themselves must stay finite: the caller keeps the sum of the
  // magnitudes of all terms below the largest double (scaling by a power of two
  // where data come near it).
  void add(double x);
  // x * y, its rounding error included.
  void addProduct(double x, double y);
  // The sum rounded to the nearest double (ties to even), as a single rounding of
  // the exact sum would give it.
  double value() const;

 private:
  std::vector<double> partials_;
};

}  // namespace tally
