#include "core/stats/Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/NumberText.h"
#include "core/stats/ExactSum.h"

namespace tally {
namespace {

// Where observation k stands (1-based, each pair counted by its whole count): its
// value, whether observation k+1 is the same value, and else the value of the next
// pair that holds an observation. Counted in integers, so ranks stay exact however
// large n grows.
struct RankPosition {
  bool found = false;
  double value = 0;
  bool moreInPair = false;
  bool hasNext = false;
  double next = 0;
};

RankPosition locateRank(const DataSet& set, std::uint64_t k) {
  const auto& pairs = set.pairs;
  RankPosition at;
  std::uint64_t total = 0;
  for (size_t i = 0; i < pairs.size(); ++i) {
    total += static_cast<std::uint64_t>(wholeCount(pairs[i].frequency));
    if (total < k) continue;
    at.found = true;
    at.value = pairs[i].value;
    at.moreInPair = total > k;
    for (size_t j = i + 1; j < pairs.size() && !at.hasNext; ++j) {
      if (wholeCount(pairs[j].frequency) > 0) {
        at.hasNext = true;
        at.next = pairs[j].value;
      }
    }
    return at;
  }
  return at;
}

std::uint64_t rankOf(double k) {
  if (!(k > 0)) return 0;
  if (k >= 18446744073709551616.0) return UINT64_MAX;
  return static_cast<std::uint64_t>(std::ceil(k));
}

double averageRanks(const DataSet& set, std::uint64_t k) {
  const RankPosition at = locateRank(set, k);
  if (!at.found) return 0;
  if (at.moreInPair || !at.hasNext) return at.value;
  return midpoint(at.value, at.next);
}

double singleRank(const DataSet& set, std::uint64_t k) {
  const RankPosition at = locateRank(set, k);
  return at.found ? at.value : 0;
}

}  // namespace

double midpoint(double a, double b) {
  // With one sign b - a cannot overflow; with two, a + b cannot.
  if ((a >= 0) == (b >= 0)) return a + (b - a) / 2;
  return (a + b) / 2;
}

double interpolate(double v, double w, double frac) {
  const double step = w - v;
  if (std::isfinite(step)) return v + frac * step;
  return (1 - frac) * v + frac * w;
}

double rankValue(const DataSet& set, double k, bool average) {
  return average ? averageRanks(set, rankOf(k)) : singleRank(set, rankOf(k));
}

Quartiles ungroupedQuartiles(const DataSet& set) {
  const std::uint64_t N = observationCount(set);
  const std::uint64_t J = N / 2;
  const bool jEven = J % 2 == 0;
  Quartiles q;
  if (N % 2 == 1) {
    // Odd N: the median is rank J+1 and belongs to neither half (1..J, J+2..N).
    q.median = singleRank(set, J + 1);
    if (jEven) {
      q.q1 = averageRanks(set, J / 2);
      q.q3 = averageRanks(set, J + 1 + J / 2);
    } else {
      q.q1 = singleRank(set, (J + 1) / 2);
      q.q3 = singleRank(set, 3 * ((J + 1) / 2));
    }
  } else {
    // Even N: the halves are 1..J and J+1..N.
    q.median = averageRanks(set, J);
    if (jEven) {
      q.q1 = averageRanks(set, J / 2);
      q.q3 = averageRanks(set, J + J / 2);
    } else {
      q.q1 = singleRank(set, (J + 1) / 2);
      q.q3 = singleRank(set, J + (J + 1) / 2);
    }
  }
  return q;
}

double ungroupedPercentile(const DataSet& set, int p) {
  const std::uint64_t n = observationCount(set);
  if (n == 0) return 0;
  // position = (n - 1)p/100 + 1, split into its whole part and the hundredths
  // left over, in integers: (n - 1)p itself may not fit a double exactly.
  const std::uint64_t m = n - 1, up = static_cast<std::uint64_t>(std::clamp(p, 0, 100));
  const std::uint64_t rest = (m % 100) * up;
  const std::uint64_t k = (m / 100) * up + rest / 100 + 1;
  const double frac = static_cast<double>(rest % 100) / 100;
  const RankPosition at = locateRank(set, k);
  if (!at.found) return 0;
  if (frac == 0 || at.moreInPair || !at.hasNext) return at.value;
  return interpolate(at.value, at.next, frac);
}

double groupedQuantile(const PointList& classes, const Grouping& g, double target) {
  if (target == 0) {
    for (size_t k = 0; k < classes.size(); ++k)
      if (classes[k].y > 0) return g.lower(static_cast<int>(k));
    return -1;
  }
  double running = 0;
  for (size_t k = 0; k < classes.size(); ++k) {
    double h = classes[k].y;
    running += h;
    // h > 0 here: an empty class cannot be the first to reach a positive target.
    if (running >= target && h > 0)
      return g.lower(static_cast<int>(k)) + (target - (running - h)) * g.groupSize / h;
  }
  return -1;
}

double standardDeviation(double sumSquares, double n, bool sample, double scale) {
  double divisor = sample ? n - 1 : n;
  if (divisor <= 0) return std::numeric_limits<double>::quiet_NaN();
  return scale * std::sqrt(sumSquares / divisor);
}

std::string standardDeviationText(double sumSquares, double n, bool sample, double scale,
                                  int decimals) {
  if (sample && n == 1) return "undefined";
  return statisticText(standardDeviation(sumSquares, n, sample, scale), decimals);
}

std::string statisticText(double v, int decimals) {
  return std::isfinite(v) ? formatStatistic(v, decimals) : std::string();
}

namespace {

// x * 2^k for many x: one multiplication where 2^k is an ordinary double, which
// rounds exactly as ldexp does (both give x * 2^k correctly rounded).
class PowerOfTwo {
 public:
  explicit PowerOfTwo(int k)
      : k_(k), plain_(k >= -1022 && k <= 1023), factor_(plain_ ? std::ldexp(1.0, k) : 0) {}
  double operator()(double x) const { return plain_ ? x * factor_ : std::ldexp(x, k_); }

 private:
  int k_;
  bool plain_;
  double factor_;
};

}  // namespace

double weightedMean(const PointList& points) {
  ExactSum weight;
  double largest = 0, lo = 0, hi = 0;
  bool any = false;
  for (const auto& p : points) {
    if (!(p.y > 0)) continue;
    weight.add(p.y);
    largest = std::max(largest, std::fabs(p.x));
    lo = any ? std::min(lo, p.x) : p.x;
    hi = any ? std::max(hi, p.x) : p.x;
    any = true;
  }
  if (!any) return std::numeric_limits<double>::quiet_NaN();
  if (largest == 0) return 0;
  // The sum is exact, so only its partials may not overflow: their magnitudes stay
  // below the sum of the terms' magnitudes. Where that sum would pass the largest
  // double, the values are scaled down by just enough of a power of two, so that
  // small values beside them keep their digits.
  const int e = std::ilogb(largest);
  const PowerOfTwo down(-e);
  double bound = 0;
  for (const auto& p : points)
    if (p.y > 0) bound += p.y * down(std::fabs(p.x));
  const int shift = std::max(0, std::ilogb(bound) + e - 1020);
  const PowerOfTwo unshifted(-shift);
  ExactSum sum;
  for (const auto& p : points)
    if (p.y > 0) sum.addProduct(p.y, unshifted(p.x));
  // Rounding may not carry the mean past the data.
  return std::clamp(std::ldexp(sum.value() / weight.value(), shift), lo, hi);
}

SpreadSum sumOfSquares(const PointList& points, double mean) {
  SpreadSum out;
  double largest = std::fabs(mean);
  for (const auto& p : points)
    if (p.y > 0) largest = std::max(largest, std::fabs(p.x));
  if (largest == 0 || !std::isfinite(largest)) return out;
  // Deviations taken and squared at a scale near the data: 1e300 squared would
  // overflow and 1e-300 squared vanish.
  const int e = std::ilogb(largest);
  const PowerOfTwo down(-e);
  const double m = down(mean);
  ExactSum ss;
  for (const auto& p : points) {
    if (!(p.y > 0)) continue;
    // The deviation exactly as d + dError, its square as sq + sqError; the
    // cross term 2 d dError is far below the square's last digit but is kept.
    const double x = down(p.x);
    const double d = x - m;
    const double dError = std::fabs(x) >= std::fabs(m) ? (x - d) - m : x - (d + m);
    const double sq = d * d;
    const double sqError = std::fma(d, d, -sq);
    ss.addProduct(p.y, sq);
    ss.add(p.y * (sqError + 2 * d * dError));
  }
  const double scaled = std::max(0.0, ss.value());
  // Back to the plain sum whenever it is an ordinary double.
  const double plain = std::ldexp(scaled, 2 * e);
  if (std::isfinite(plain) && (scaled == 0 || plain >= std::numeric_limits<double>::min())) {
    out.sumSquares = plain;
  } else {
    out.sumSquares = scaled;
    out.scale = std::ldexp(1.0, e);
  }
  return out;
}

const char* standardDeviationCaption(bool sample) {
  return sample ? "Std Dev.(s):" : "Std Dev.(p):";
}

void ModeTracker::offer(double lower, double upper, double frequency) {
  // A larger frequency forgets earlier ties, including empty classes that tied
  // with the starting maximum of 0.
  if (count_ == 0 || frequency > max_) {
    if (frequency > max_) max_ = frequency;
    count_ = 1;
    lower1_ = lower;
    upper1_ = upper;
  } else if (frequency == max_) {
    if (count_ == 1) {
      count_ = 2;
      lower2_ = lower;
      upper2_ = upper;
    } else {
      count_ = 3;
    }
  }
}

std::string ModeTracker::ungroupedText() const {
  switch (count_) {
    case 0:
      return std::string();
    case 1:
      return valueText(lower1_);
    case 2:
      return valueText(lower1_) + ", " + valueText(lower2_);
    default:
      return kMoreThanTwoModes;
  }
}

std::string ModeTracker::groupedText() const {
  switch (count_) {
    case 0:
      return std::string();
    case 1:
      return modalClassText(lower1_, upper1_);
    case 2:
      // Both classes with their bounds as they are: cut to whole numbers, 10.8 to
      // 11.2 and 11.2 to 11.6 would read "11 < 11" for the second.
      return modalClassText(lower1_, upper1_) + "\n " + modalClassText(lower2_, upper2_);
    default:
      return kMoreThanTwoModes;
  }
}

BoxPlot buildBoxPlot(const DataSet& set, const Quartiles& q, int R) {
  BoxPlot box;
  const double iqr = q.q3 - q.q1;
  const double lowFence = q.q1 - 1.5 * iqr;
  const double highFence = q.q3 + 1.5 * iqr;
  double lowEnd = q.q1, highEnd = q.q3;
  for (const auto& p : set.pairs) {
    if (p.value > highFence || p.value < lowFence) {
      box.outliers.push_back({4.0 * R, p.value});
    } else {
      if (p.value < lowEnd) lowEnd = p.value;
      if (p.value > highEnd) highEnd = p.value;
    }
  }
  const double r = R;
  box.lines.push_back({{3 * r, q.q1}, {5 * r, q.q1}, {5 * r, q.q3}, {3 * r, q.q3}, {3 * r, q.q1}});
  box.lines.push_back({{5 * r, q.median}, {3 * r, q.median}});
  box.lines.push_back({{4 * r, q.q3}, {4 * r, highEnd}});
  box.lines.push_back({{4 * r, q.q1}, {4 * r, lowEnd}});
  return box;
}

PointList buildOgive(const PointList& classes, const Grouping& g, double n) {
  PointList ogive;
  if (classes.empty() || n <= 0) return ogive;
  const double half = g.groupSize / 2;
  if (classes[0].y > 0) ogive.push_back({classes[0].x - half, 0});
  double running = 0;
  for (const auto& c : classes) {
    running += c.y;
    ogive.push_back({c.x + half, 100 * running / n});
  }
  return ogive;
}

}  // namespace tally
