#include "core/lesson/Working.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "core/NumberText.h"
#include "core/lesson/MoreStatistics.h"
#include "core/stats/Statistics.h"

namespace tally {
namespace {

const std::string kMinus = " \xE2\x88\x92 ";  // " − "
const std::string kSum = "\xCE\xA3";          // Σ
const std::string kSquare = "\xC2\xB2";       // ²
const std::string kRoot = "\xE2\x88\x9A";     // √
const std::string kTimes = "\xC2\xB7";        // ·
const std::string kTo = "\xE2\x80\x93";       // – between positions
const std::string kSigma = "\xCF\x83";        // σ

// Values and counts as the page writes them (valueText); statistics as it writes
// them, in the chosen decimals, are the writer's stat().
std::string val(double v) { return std::isfinite(v) ? valueText(v) : std::string(); }
std::string whole(std::uint64_t k) { return std::to_string(k); }
std::string at(std::uint64_t k) { return "x" + whole(k); }
std::string positions(std::uint64_t from, std::uint64_t to) {
  return from == to ? whole(from) : whole(from) + kTo + whole(to);
}
// A label of the page on one line.
std::string oneLine(const std::string& label) {
  if (label == kMoreThanTwoModes) return "(more than 2 modes)";
  std::string out;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label[i] != '\n') {
      out += label[i];
    } else {
      out += ";";
    }
  }
  return out;
}
std::string list(const std::vector<std::string>& items, size_t most = 20) {
  std::string out;
  for (size_t i = 0; i < items.size() && i < most; ++i) out += (i ? ", " : "") + items[i];
  if (items.size() > most) out += ", and " + whole(items.size() - most) + " more";
  return out;
}

// The middle of positions from..to: one position, or a and a + 1.
struct Middle {
  std::uint64_t a = 0;
  bool pair = false;
};
Middle middleOf(std::uint64_t from, std::uint64_t to) {
  const std::uint64_t len = to - from + 1;
  if (len % 2 == 1) return {from + len / 2, false};
  return {from + len / 2 - 1, true};
}

// Median and quartiles by halves, as ungroupedQuartiles takes them.
struct Halves {
  std::uint64_t n = 0;
  Middle median, q1, q3;
  std::uint64_t lowFrom = 1, lowTo = 0, highFrom = 1, highTo = 0;
};
Halves halvesOf(std::uint64_t n) {
  Halves h;
  h.n = n;
  const std::uint64_t J = n / 2;
  if (n % 2 == 1) {
    // The median belongs to neither half.
    h.median = {J + 1, false};
    h.lowTo = J;
    h.highFrom = J + 2;
  } else {
    h.median = {J, true};
    h.lowTo = J;
    h.highFrom = J + 1;
  }
  h.highTo = n;
  if (h.lowTo >= h.lowFrom) h.q1 = middleOf(h.lowFrom, h.lowTo);
  if (h.highTo >= h.highFrom) h.q3 = middleOf(h.highFrom, h.highTo);
  return h;
}

// Percentile position (n - 1)p/100 + 1 as ungroupedPercentile splits it: whole part
// k and the hundredths left over.
struct Rank {
  std::uint64_t k = 1;
  int hundredths = 0;
};
Rank rankOf(std::uint64_t n, int p) {
  const std::uint64_t m = n - 1, up = static_cast<std::uint64_t>(std::clamp(p, 0, 100));
  const std::uint64_t rest = (m % 100) * up;
  return {(m / 100) * up + rest / 100 + 1, static_cast<int>(rest % 100)};
}
std::string hundredthsText(int h) {
  std::string digits = formatInt("%02d", h);
  if (digits.back() == '0') digits.pop_back();
  return digits;
}

class WorkingWriter {
 public:
  WorkingWriter(const DataSet& set, const SetDisplay& d, const RefreshInputs& in, int index)
      : set_(set), in_(in), l_(d.labels), index_(index) {
    grouped_ = in.type == AlreadyGroupedContinuous;
    frequencies_ = in.type != UngroupedDiscrete && in.type != UngroupedContinuous;
    points_ = observationPoints(set, d, in.type);
    if (grouped_) {
      // Every class, the empty ones too: they count with frequency 0.
      points_ = d.columns;
    }
    nName_ = frequencies_ ? kSum + "f" : "n";
    xName_ = frequencies_ ? kSum + "fx" : kSum + "x";
    x2Name_ = frequencies_ ? kSum + "fx" + kSquare : kSum + "x" + kSquare;
    mean_ = weightedMean(points_);
  }

  std::vector<std::string> lines() {
    sums();
    mean();
    deviation();
    if (grouped_) {
      groupedQuantiles();
      groupedModes();
    } else {
      const std::uint64_t n = observationCount(set_);
      halves_ = halvesOf(n);
      rank_ = rankOf(n, in_.percentile[index_]);
      orderedData();
      quartiles();
      percentile();
      spread();
      modes();
    }
    return out_;
  }

 private:
  std::string stat(double v) const { return statisticText(v, in_.decimals); }
  std::string sum(long double v) const { return sumText(v, in_.decimals); }
  void heading(const std::string& text) { out_.push_back(text); }
  void step(const std::string& text) { out_.push_back("  " + text); }
  double x(std::uint64_t k) const { return rankValue(set_, static_cast<double>(k), false); }

  void sums() {
    const ObservationSums s = observationSums(points_);
    heading(grouped_ ? "Count and sums (x is the class midpoint)" : "Count and sums");
    step(nName_ + " = " + l_.n);
    sumX_ = sum(s.sumX);
    sumX2_ = sum(s.sumX2);
    step(xName_ + " = " + sumX_);
    step(x2Name_ + " = " + sumX2_);
  }

  void mean() {
    heading("Mean");
    step("mean = " + xName_ + " / " + nName_ + " = " + sumX_ + " / " + l_.n + " = " + l_.mean);
  }

  void deviation() {
    const double n = set_.count;
    const std::string pop =
        standardDeviationText(set_.sumSquares, n, false, set_.deviationScale, in_.decimals);
    const std::string sample =
        standardDeviationText(set_.sumSquares, n, true, set_.deviationScale, in_.decimals);
    const std::string n1 = val(n - 1);
    heading("Standard deviation");
    step(kSigma + " = " + kRoot + "(" + x2Name_ + "/" + nName_ + kMinus + "mean" + kSquare + ") = " +
         kRoot + "(" + sumX2_ + "/" + l_.n + kMinus + l_.mean + kSquare + ") = " + pop);
    step("s = " + kRoot + "((" + x2Name_ + kMinus + nName_ + kTimes + "mean" + kSquare + ")/(" +
         nName_ + kMinus + "1)) = " + kRoot + "((" + sumX2_ + kMinus + l_.n + kTimes + l_.mean +
         kSquare + ")/" + n1 + ") = " + sample);
    const std::string dev = "x" + kMinus + "mean";
    const std::string fdev2 = "f" + kTimes + "(" + dev + ")" + kSquare;
    step("both values come from the deviations x" + kMinus + "mean, which lose no digits:");
    if (points_.size() <= kMaxTabledValues) {
      step(std::string(grouped_ ? "class\t" : "") + "x\tf\t" + dev + "\t(" + dev + ")" + kSquare +
           "\t" + fdev2);
      for (size_t k = 0; k < points_.size(); ++k) {
        const WorldPoint& p = points_[k];
        const double dx = p.x - mean_;
        step((grouped_ ? in_.classes.classLabel(static_cast<int>(k)) + "\t" : std::string()) +
             val(p.x) + "\t" + val(p.y) + "\t" + stat(dx) + "\t" + stat(dx * dx) + "\t" +
             stat(p.y * dx * dx));
      }
    }
    const long double scale = set_.deviationScale;
    const std::string ss = sum(static_cast<long double>(set_.sumSquares) * scale * scale);
    step(kSum + fdev2 + " = " + ss);
    step(kSigma + " = " + kRoot + "(" + kSum + fdev2 + " / " + nName_ + ") = " + kRoot + "(" + ss +
         " / " + l_.n + ") = " + pop);
    step("s = " + kRoot + "(" + kSum + fdev2 + " / (" + nName_ + kMinus + "1)) = " + kRoot + "(" +
         ss + " / " + n1 + ") = " + sample);
  }

  void orderedData() {
    const std::uint64_t n = halves_.n;
    if (n <= kMaxListedObservations) {
      heading("Ordered data (position: value)");
      std::vector<std::string> row;
      std::uint64_t first = 1;
      for (std::uint64_t k = 1; k <= n; ++k) {
        row.push_back(val(x(k)));
        if (row.size() == 10 || k == n) {
          step(at(first) + (k > first ? kTo + at(k) : std::string()) + ": " + list(row, 10));
          row.clear();
          first = k + 1;
        }
      }
      return;
    }
    heading("Ordered data: the positions used below (of " + whole(n) + ")");
    std::set<std::uint64_t> used = {1, n};
    for (const Middle* m : {&halves_.median, &halves_.q1, &halves_.q3}) {
      if (m->a == 0) continue;
      used.insert(m->a);
      if (m->pair) used.insert(m->a + 1);
    }
    used.insert(rank_.k);
    if (rank_.hundredths > 0) used.insert(rank_.k + 1);
    for (std::uint64_t k : used) step(at(k) + " = " + val(x(k)));
  }

  // "(x6 + x7) / 2 = (11 + 12) / 2 = " or "x7 = ", ahead of the result.
  std::string middleSteps(const Middle& m) const {
    if (!m.pair) return at(m.a) + " = ";
    return "(" + at(m.a) + " + " + at(m.a + 1) + ") / 2 = (" + val(x(m.a)) + " + " +
           val(x(m.a + 1)) + ") / 2 = ";
  }

  void quartiles() {
    const Halves& h = halves_;
    heading("Median and quartiles (by halves)");
    if (h.n % 2 == 1)
      step("n = " + l_.n + " is odd: the median is the middle value " + at(h.median.a) +
           ", which belongs to neither half");
    else
      step("n = " + l_.n + " is even: the median is the mean of the two middle values " +
           at(h.median.a) + " and " + at(h.median.a + 1));
    step("median = " + middleSteps(h.median) + l_.median);
    if (h.q1.a == 0 || h.q3.a == 0) {
      step("the halves hold no values: Q1 = " + l_.q1 + ", Q3 = " + l_.q3);
      return;
    }
    step("lower half: positions " + positions(h.lowFrom, h.lowTo) + "; upper half: positions " +
         positions(h.highFrom, h.highTo));
    step("Q1 = median of positions " + positions(h.lowFrom, h.lowTo) + " = " + middleSteps(h.q1) +
         l_.q1);
    step("Q3 = median of positions " + positions(h.highFrom, h.highTo) + " = " +
         middleSteps(h.q3) + l_.q3);
  }

  void percentile() {
    const int p = std::clamp(in_.percentile[index_], 0, 100);
    const Rank& r = rank_;
    const std::string pText = formatInt("%d", p);
    const std::string rank =
        whole(r.k) + (r.hundredths ? "." + hundredthsText(r.hundredths) : std::string());
    heading("Percentile p = " + pText);
    step("rank = (n" + kMinus + "1)" + kTimes + "p/100 + 1 = (" + whole(halves_.n) + kMinus +
         "1)" + kTimes + pText + "/100 + 1 = " + rank);
    const std::string name = "percentile " + pText;
    if (r.hundredths == 0) {
      step("the rank is a whole number: " + name + " = " + at(r.k) + " = " + l_.percentile);
      return;
    }
    const std::string frac = "0." + hundredthsText(r.hundredths);
    step("between " + at(r.k) + " = " + val(x(r.k)) + " and " + at(r.k + 1) + " = " +
         val(x(r.k + 1)));
    step(name + " = " + at(r.k) + " + " + frac + kTimes + "(" + at(r.k + 1) + kMinus + at(r.k) +
         ") = " + val(x(r.k)) + " + " + frac + kTimes + "(" + val(x(r.k + 1)) + kMinus +
         val(x(r.k)) + ") = " + l_.percentile);
  }

  void spread() {
    const Quartiles q = ungroupedQuartiles(set_);
    const double iqr = q.q3 - q.q1;
    heading("Range, IQR and outliers");
    step("range = maximum" + kMinus + "minimum = " + l_.maximum + kMinus + l_.minimum + " = " +
         l_.range);
    step("IQR = Q3" + kMinus + "Q1 = " + l_.q3 + kMinus + l_.q1 + " = " + l_.iqr);
    step("lower fence = Q1" + kMinus + "1.5" + kTimes + "IQR = " + l_.q1 + kMinus + "1.5" +
         kTimes + l_.iqr + " = " + stat(q.q1 - 1.5 * iqr));
    step("upper fence = Q3 + 1.5" + kTimes + "IQR = " + l_.q3 + " + 1.5" + kTimes + l_.iqr +
         " = " + stat(q.q3 + 1.5 * iqr));
    std::vector<std::string> outliers;
    for (const WorldPoint& o : buildBoxPlot(set_, q, 1).outliers) outliers.push_back(val(o.y));
    step("outliers (beyond a fence): " + (outliers.empty() ? std::string("none") : list(outliers)));
  }

  double highestFrequency() const {
    double most = 0;
    for (const WorldPoint& p : points_) most = std::max(most, p.y);
    return most;
  }

  void modes() {
    const double most = highestFrequency();
    std::vector<std::string> values;
    for (const WorldPoint& p : points_)
      if (p.y == most) values.push_back(val(p.x));
    heading("Mode");
    step("highest frequency: " + val(most));
    step("values with it: " + list(values));
    step("mode = " + oneLine(l_.mode));
  }

  void groupedQuantiles() {
    const Grouping& g = in_.classes;
    const double n = set_.count;
    heading("Quartiles and percentile (from the classes)");
    step("N = " + l_.n + "; the class width h = " + val(g.groupSize));
    const int p = std::clamp(in_.percentile[index_], 0, 100);
    struct Target {
      std::string name;
      int p;
      double target;
      std::string result;
    } targets[] = {
        {"Q1", 25, 0.25 * n, l_.q1},
        {"median", 50, 0.5 * n, l_.median},
        {"Q3", 75, 0.75 * n, l_.q3},
        {"percentile " + formatInt("%d", p), p, p * n / 100, l_.percentile},
    };
    for (const Target& t : targets) {
      const std::string reach = t.name + ": N" + kTimes + "p/100 = " + l_.n + kTimes +
                                formatInt("%d", t.p) + "/100 = " + stat(t.target);
      if (t.target == 0) {
        step(reach + ", the lower bound of the first class holding data");
        step(t.name + " = " + t.result);
        continue;
      }
      double running = 0;
      int found = -1;
      for (size_t k = 0; k < points_.size(); ++k) {
        running += points_[k].y;
        if (running >= t.target && points_[k].y > 0) {
          found = static_cast<int>(k);
          break;
        }
      }
      if (found < 0) {
        step(reach + ", beyond the data: " + t.name + " = " + t.result);
        continue;
      }
      const double f = points_[static_cast<size_t>(found)].y;
      const std::string F = val(running - f);
      step(reach + ", reached in the class " + g.classLabel(found) + " (F = " + F +
           " below it, f = " + val(f) + ")");
      step(t.name + " = L + (N" + kTimes + "p/100" + kMinus + "F) / f " + kTimes + " h = " +
           val(g.lower(found)) + " + (" + stat(t.target) + kMinus + F + ") / " + val(f) + " " +
           kTimes + " " + val(g.groupSize) + " = " + t.result);
    }
    step("IQR = Q3" + kMinus + "Q1 = " + l_.q3 + kMinus + l_.q1 + " = " + l_.iqr);
  }

  void groupedModes() {
    const double most = highestFrequency();
    std::vector<std::string> classes;
    for (size_t k = 0; k < points_.size(); ++k)
      if (points_[k].y == most) classes.push_back(in_.classes.classLabel(static_cast<int>(k)));
    heading("Modal class");
    step("highest class frequency: " + val(most));
    step("classes with it: " + list(classes));
    step("mode = " + oneLine(l_.mode));
  }

  const DataSet& set_;
  const RefreshInputs& in_;
  const SetLabels& l_;
  int index_;
  bool grouped_ = false, frequencies_ = false;
  PointList points_;
  double mean_ = 0;
  std::string nName_, xName_, x2Name_, sumX_, sumX2_;
  Halves halves_;
  Rank rank_;
  std::vector<std::string> out_;
};

}  // namespace

std::vector<std::string> setWorking(const DataSet& set, const SetDisplay& d,
                                    const RefreshInputs& in, int index) {
  if (d.tooFewValues) return {"n = " + d.labels.n + ": " + kTooFewValuesText};
  if (!d.hasStatistics) return {};
  return WorkingWriter(set, d, in, index == 1 ? 1 : 0).lines();
}

std::string workingText(const std::string& name, const std::vector<std::string>& lines) {
  std::string text = name + "\n";
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

namespace {

// Letters of a UTF-8 text: every byte but the continuation bytes.
size_t letters(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::vector<std::string> cellsOf(const std::string& line) {
  std::vector<std::string> cells;
  size_t from = 0;
  for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
    cells.push_back(line.substr(from, tab - from));
  cells.push_back(line.substr(from));
  return cells;
}

}  // namespace

std::vector<std::string> alignedLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (size_t k = 0; k < lines.size();) {
    if (lines[k].find('\t') == std::string::npos) {
      out.push_back(lines[k++]);
      continue;
    }
    size_t end = k;
    while (end < lines.size() && lines[end].find('\t') != std::string::npos) ++end;
    std::vector<std::vector<std::string>> rows;
    std::vector<size_t> widths;
    for (size_t r = k; r < end; ++r) {
      rows.push_back(cellsOf(lines[r]));
      if (widths.size() < rows.back().size()) widths.resize(rows.back().size(), 0);
      for (size_t c = 0; c < rows.back().size(); ++c)
        widths[c] = std::max(widths[c], letters(rows.back()[c]));
    }
    for (const auto& row : rows) {
      std::string line;
      for (size_t c = 0; c < row.size(); ++c) {
        line += row[c];
        if (c + 1 < row.size()) line += std::string(widths[c] - letters(row[c]) + 2, ' ');
      }
      out.push_back(line);
    }
    k = end;
  }
  return out;
}

}  // namespace tally
