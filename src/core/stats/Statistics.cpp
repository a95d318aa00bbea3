#include "core/stats/Statistics.h"

#include <cmath>
#include <limits>

#include "core/NumberText.h"

namespace tally {
namespace {

double wholeCount(double f) { return f > 0 ? std::trunc(f) : 0; }

// Where observation k stands (1-based, each pair counted by its truncated
// frequency): its value, whether observation k+1 is the same value, and else the
// value of the next pair that holds an observation.
struct RankPosition {
  bool found = false;
  double value = 0;
  bool moreInPair = false;
  bool hasNext = false;
  double next = 0;
};

RankPosition locateRank(const DataSet& set, double k) {
  const auto& pairs = set.pairs;
  RankPosition at;
  double total = 0;
  for (size_t i = 0; i < pairs.size(); ++i) {
    total += wholeCount(pairs[i].frequency);
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

}  // namespace

double rankValue(const DataSet& set, double k, bool average) {
  const RankPosition at = locateRank(set, k);
  if (!at.found) return 0;
  if (!average || at.moreInPair || !at.hasNext) return at.value;
  return (at.value + at.next) / 2;
}

Quartiles ungroupedQuartiles(const DataSet& set) {
  const double N = wholeCount(set.count);
  const double J = std::floor(N / 2);
  const bool jEven = std::fmod(J, 2) == 0;
  Quartiles q;
  if (std::fmod(N, 2) == 1) {
    // Odd N: the median is rank J+1 and belongs to neither half (1..J, J+2..N).
    q.median = rankValue(set, J + 1, false);
    if (jEven) {
      q.q1 = rankValue(set, J / 2, true);
      q.q3 = rankValue(set, J + 1 + J / 2, true);
    } else {
      q.q1 = rankValue(set, (J + 1) / 2, false);
      q.q3 = rankValue(set, 3 * (J + 1) / 2, false);
    }
  } else {
    // Even N: the halves are 1..J and J+1..N.
    q.median = rankValue(set, J, true);
    if (jEven) {
      q.q1 = rankValue(set, J / 2, true);
      q.q3 = rankValue(set, J + J / 2, true);
    } else {
      q.q1 = rankValue(set, (J + 1) / 2, false);
      q.q3 = rankValue(set, J + (J + 1) / 2, false);
    }
  }
  return q;
}

double ungroupedPercentile(const DataSet& set, int p) {
  const double position = (set.count - 1) * p / 100.0 + 1;
  const double k = std::trunc(position);
  const double frac = position - k;
  const RankPosition at = locateRank(set, k);
  if (!at.found) return 0;
  if (frac == 0 || at.moreInPair || !at.hasNext) return at.value;
  return at.value + frac * (at.next - at.value);
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

double standardDeviation(double sumSquares, double n, bool sample) {
  double divisor = sample ? n - 1 : n;
  if (divisor <= 0) return std::numeric_limits<double>::quiet_NaN();
  return std::sqrt(sumSquares / divisor);
}

std::string standardDeviationText(double sumSquares, double n, bool sample) {
  double sd = standardDeviation(sumSquares, n, sample);
  if (!std::isfinite(sd)) return "undefined";
  return formatStatistic(sd);
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
      return formatNumber("%g", lower1_);
    case 2:
      return formatNumber("%g", lower1_) + ", " + formatNumber("%g", lower2_);
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
    case 2: {
      // The second class is shown with its bounds cut to whole numbers.
      auto whole = [](double v) {
        double t = std::trunc(v);
        if (t >= -2147483648.0 && t <= 2147483647.0) return formatInt("%d", static_cast<int>(t));
        return formatNumber("%.0f", t);
      };
      return modalClassText(lower1_, upper1_) + "\n " + whole(lower2_) + " < " + whole(upper2_);
    }
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
