// The working of a set: every number in it is read back and recomputed here from
// the data alone (the median by halves, the percentile at rank (n - 1)p/100 + 1, the
// grouped quantiles by L + (N p/100 - F) / f * h), and every step must end in the
// text the Statistics page shows.
#include "core/lesson/Working.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "core/NumberText.h"
#include "core/stats/Refresh.h"
#include "core/stats/Statistics.h"

using namespace tally;

namespace {

std::string stat(double v) { return formatStatistic(v); }
std::string plain(double v) { return formatNumber("%g", v); }

// The numbers of a text, leaving out those glued to a name (x13, Q1, p37).
std::vector<double> numbersIn(const std::string& s) {
  std::vector<double> out;
  for (size_t i = 0; i < s.size();) {
    const bool start = (std::isdigit(static_cast<unsigned char>(s[i])) ||
                        (s[i] == '-' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1]))));
    const bool glued = i > 0 && (std::isalnum(static_cast<unsigned char>(s[i - 1])) || s[i - 1] == '.');
    if (start && !glued) {
      char* end = nullptr;
      out.push_back(std::strtod(s.c_str() + i, &end));
      i = static_cast<size_t>(end - s.c_str());
    } else {
      ++i;
    }
  }
  return out;
}

// The positions named in a text: x13 -> 13.
std::vector<double> positionsIn(const std::string& s) {
  std::vector<double> out;
  for (size_t i = 0; i + 1 < s.size(); ++i)
    if (s[i] == 'x' && std::isdigit(static_cast<unsigned char>(s[i + 1])))
      out.push_back(std::strtod(s.c_str() + i + 1, nullptr));
  return out;
}

std::vector<std::string> segments(const std::string& line) {
  std::vector<std::string> out;
  size_t from = 0;
  for (size_t at; (at = line.find(" = ", from)) != std::string::npos; from = at + 3)
    out.push_back(line.substr(from, at - from));
  out.push_back(line.substr(from));
  return out;
}

// The one line that starts with `prefix` (after the two blanks of a step).
std::string lineOf(const std::vector<std::string>& lines, const std::string& prefix) {
  std::string found;
  int count = 0;
  for (const std::string& l : lines)
    if (l.rfind("  " + prefix, 0) == 0) {
      found = l.substr(2);
      ++count;
    }
  EXPECT_EQ(count, 1) << "one line starting '" << prefix << "'";
  return found;
}

// Shown values carry four significant digits: an expression of them lands within
// this much of the shown result.
void expectNear(double recomputed, const std::string& shown, double relative, const std::string& what) {
  const double v = std::strtod(shown.c_str(), nullptr);
  EXPECT_NEAR(recomputed, v, relative * std::max(1.0, std::fabs(v))) << what << ": " << shown;
}

double medianOf(const std::vector<double>& v, size_t from, size_t to) {  // positions from..to
  const size_t len = to - from + 1;
  const size_t mid = from - 1 + len / 2;
  return len % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// The middle positions of a step "(xa + xb) / 2 = (A + B) / 2 = R" or "xa = R", checked
// against the data, returning the value.
void expectMiddle(const std::string& line, const std::vector<double>& xs, size_t from, size_t to,
                  const std::string& shown, const std::string& what) {
  const std::vector<std::string> seg = segments(line);
  const double expected = medianOf(xs, from, to);
  EXPECT_EQ(seg.back(), stat(expected)) << what;
  EXPECT_EQ(seg.back(), shown) << what << " is the page's text";
  const size_t len = to - from + 1;
  const std::vector<double> at = positionsIn(seg[seg.size() - (len % 2 ? 2 : 3)]);
  if (len % 2) {
    ASSERT_EQ(at.size(), 1u) << what;
    EXPECT_EQ(at[0], from + len / 2) << what;
  } else {
    ASSERT_EQ(at.size(), 2u) << what;
    EXPECT_EQ(at[0], from + len / 2 - 1) << what;
    EXPECT_EQ(at[1], at[0] + 1) << what;
    const std::vector<double> nums = numbersIn(seg[seg.size() - 2]);
    ASSERT_EQ(nums.size(), 3u) << what;
    EXPECT_EQ(nums[0], xs[static_cast<size_t>(at[0]) - 1]) << what;
    EXPECT_EQ(nums[1], xs[static_cast<size_t>(at[1]) - 1]) << what;
    expectNear((nums[0] + nums[1]) / 2, seg.back(), 5e-4, what);
  }
}

struct Ungrouped {
  const char* what;
  DataType type;
  std::vector<FrequencyPair> pairs;
  int p;
};

void checkUngrouped(const Ungrouped& c) {
  SCOPED_TRACE(c.what);
  DataSet set, other;
  set.pairs = c.pairs;
  RefreshInputs in;
  in.type = c.type;
  in.percentile[0] = c.p;
  const RefreshResult r = refreshAnalysis(set, other, in);
  ASSERT_TRUE(r.sets[0].hasStatistics);
  const SetLabels& l = r.sets[0].labels;
  const std::vector<std::string> lines = setWorking(set, r.sets[0], in, 0);

  // The data, worked out here from the pairs alone.
  std::vector<double> xs;
  for (const auto& p : c.pairs)
    for (int k = 0; k < static_cast<int>(p.frequency); ++k) xs.push_back(p.value);
  std::sort(xs.begin(), xs.end());
  const size_t n = xs.size();
  double sumX = 0, sumX2 = 0;
  for (double x : xs) {
    sumX += x;
    sumX2 += x * x;
  }
  const double mean = sumX / n;
  double ss = 0;
  for (double x : xs) ss += (x - mean) * (x - mean);
  const double pop = std::sqrt(ss / n), sample = std::sqrt(ss / (n - 1));
  const bool freq = c.type == GroupedDiscrete || c.type == GroupedContinuous;
  const std::string N = freq ? "\xCE\xA3" "f" : "n";
  const std::string SX = freq ? "\xCE\xA3" "fx" : "\xCE\xA3" "x";

  // Count and sums.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "  " + N + " = " + plain(n)), lines.end());
  EXPECT_EQ(segments(lineOf(lines, SX + " = ")).back(), stat(sumX));
  EXPECT_EQ(segments(lineOf(lines, SX + "\xC2\xB2 = ")).back(), stat(sumX2));

  // mean = Σx / n = A / B = C
  std::vector<std::string> seg = segments(lineOf(lines, "mean = "));
  ASSERT_EQ(seg.size(), 4u);
  EXPECT_EQ(numbersIn(seg[2]), (std::vector<double>{std::stod(stat(sumX)), double(n)}));
  EXPECT_EQ(seg[3], stat(mean));
  EXPECT_EQ(seg[3], l.mean);
  expectNear(std::stod(stat(sumX)) / n, seg[3], 5e-4, "mean");

  // σ = √(Σx²/n − mean²) = √(A/B − C²) = D and s = √((A − B·C²)/E) = F
  seg = segments(lineOf(lines, "\xCF\x83 = \xE2\x88\x9A(" + SX + "\xC2\xB2/"));
  std::vector<double> nums = numbersIn(seg[2]);
  ASSERT_EQ(nums.size(), 3u);
  EXPECT_EQ(nums[1], n);
  EXPECT_EQ(seg[3], stat(pop));
  expectNear(std::sqrt(nums[0] / nums[1] - nums[2] * nums[2]), seg[3], 1e-2, "sigma by the sums");
  seg = segments(lineOf(lines, "s = \xE2\x88\x9A((" + SX));
  nums = numbersIn(seg[2]);
  ASSERT_EQ(nums.size(), 4u);
  EXPECT_EQ(nums[3], n - 1);
  EXPECT_EQ(seg[3], stat(sample));
  expectNear(std::sqrt((nums[0] - nums[1] * nums[2] * nums[2]) / nums[3]), seg[3], 1e-2,
             "s by the sums");
  EXPECT_EQ(in.sampleStdDev ? seg[3] : stat(pop), l.stdDev);

  // The table of deviations: x, f, x − mean, (x − mean)², f·(x − mean)².
  double tableN = 0;
  size_t rows = 0;
  for (const std::string& line : lines) {
    if (std::count(line.begin(), line.end(), '\t') != 4 || line.find("mean") != std::string::npos)
      continue;
    nums = numbersIn(line);
    ASSERT_EQ(nums.size(), 5u) << line;
    const double dx = nums[0] - mean;
    EXPECT_EQ(std::stod(stat(dx)), nums[2]) << line;
    EXPECT_EQ(std::stod(stat(dx * dx)), nums[3]) << line;
    EXPECT_EQ(std::stod(stat(nums[1] * dx * dx)), nums[4]) << line;
    EXPECT_EQ(nums[1], std::count(xs.begin(), xs.end(), nums[0])) << line;
    tableN += nums[1];
    ++rows;
  }
  EXPECT_EQ(tableN, n);
  EXPECT_EQ(rows, c.pairs.size());
  seg = segments(lineOf(lines, "\xCE\xA3" "f\xC2\xB7(x"));
  EXPECT_EQ(seg.back(), stat(ss));
  seg = segments(lineOf(lines, "\xCF\x83 = \xE2\x88\x9A(\xCE\xA3" "f\xC2\xB7"));
  nums = numbersIn(seg[2]);
  ASSERT_EQ(nums.size(), 2u);
  EXPECT_EQ(nums[1], n);
  EXPECT_EQ(seg[3], stat(pop));
  expectNear(std::sqrt(nums[0] / nums[1]), seg[3], 1e-3, "sigma by the deviations");

  // Ordered data, whole when short.
  if (n <= kMaxListedObservations) {
    std::vector<double> listed;
    for (const std::string& line : lines)
      if (line.rfind("  x", 0) == 0 && line.find(": ") != std::string::npos) {
        nums = numbersIn(line.substr(line.find(": ")));
        listed.insert(listed.end(), nums.begin(), nums.end());
      }
    EXPECT_EQ(listed, xs);
  }

  // Median and quartiles by halves.
  const size_t half = n / 2;
  expectMiddle(lineOf(lines, "median = "), xs, 1, n, l.median, "median");
  const std::string q1 = lineOf(lines, "Q1 = median of positions ");
  const std::string q3 = lineOf(lines, "Q3 = median of positions ");
  EXPECT_EQ(numbersIn(segments(q1)[1]), (std::vector<double>{1, double(half)}));
  EXPECT_EQ(numbersIn(segments(q3)[1]), (std::vector<double>{double(n - half + 1), double(n)}));
  expectMiddle(q1, xs, 1, half, l.q1, "Q1");
  expectMiddle(q3, xs, n - half + 1, n, l.q3, "Q3");

  // Percentile p at rank (n − 1)p/100 + 1.
  const double rank = (n - 1) * c.p / 100.0 + 1;
  const size_t k = static_cast<size_t>(rank);
  const double frac = rank - k;
  const double value = frac > 0 ? xs[k - 1] + frac * (xs[k] - xs[k - 1]) : xs[k - 1];
  seg = segments(lineOf(lines, "rank = "));
  EXPECT_EQ(numbersIn(seg[2]), (std::vector<double>{double(n), 1, double(c.p), 100, 1}));
  EXPECT_NEAR(std::stod(seg[3]), rank, 1e-12);
  const std::string name = "percentile " + std::to_string(c.p) + " = ";
  if (frac == 0) {
    seg = segments(lineOf(lines, "the rank is a whole number: " + name));
    EXPECT_EQ(positionsIn(seg[1]), (std::vector<double>{double(k)}));
  } else {
    seg = segments(lineOf(lines, name));
    ASSERT_EQ(seg.size(), 4u);
    EXPECT_EQ(positionsIn(seg[1]), (std::vector<double>{double(k), double(k + 1), double(k)}));
    nums = numbersIn(seg[2]);
    ASSERT_EQ(nums.size(), 4u);
    EXPECT_EQ(nums[0], xs[k - 1]);
    EXPECT_NEAR(nums[1], frac, 1e-12);
    EXPECT_EQ(nums[2], xs[k]);
    expectNear(nums[0] + nums[1] * (nums[2] - nums[0]), seg[3], 5e-4, "percentile");
  }
  EXPECT_EQ(seg.back(), stat(value));
  EXPECT_EQ(seg.back(), l.percentile);

  // Range, IQR, fences and outliers.
  seg = segments(lineOf(lines, "range = "));
  EXPECT_EQ(numbersIn(seg[2]), (std::vector<double>{xs.back(), xs.front()}));
  EXPECT_EQ(seg[3], plain(xs.back() - xs.front()));
  EXPECT_EQ(seg[3], l.range);
  const double Q1 = medianOf(xs, 1, half), Q3 = medianOf(xs, n - half + 1, n), iqr = Q3 - Q1;
  seg = segments(lineOf(lines, "IQR = "));
  EXPECT_EQ(seg[3], stat(iqr));
  EXPECT_EQ(seg[3], l.iqr);
  seg = segments(lineOf(lines, "lower fence = "));
  EXPECT_EQ(seg[3], stat(Q1 - 1.5 * iqr));
  seg = segments(lineOf(lines, "upper fence = "));
  EXPECT_EQ(seg[3], stat(Q3 + 1.5 * iqr));
  std::vector<double> outside;
  for (const auto& p : set.pairs)
    if (p.value < Q1 - 1.5 * iqr || p.value > Q3 + 1.5 * iqr) outside.push_back(p.value);
  const std::string outliers = lineOf(lines, "outliers (beyond a fence): ");
  if (outside.empty())
    EXPECT_NE(outliers.find(": none"), std::string::npos);
  else
    EXPECT_EQ(numbersIn(outliers), outside);

  // Modes: the highest frequency and the values that have it.
  double most = 0;
  for (const auto& p : c.pairs) most = std::max(most, p.frequency);
  EXPECT_EQ(numbersIn(lineOf(lines, "highest frequency: ")), (std::vector<double>{most}));
  std::vector<double> modal;
  for (const auto& p : set.pairs)
    if (p.frequency == most) modal.push_back(p.value);
  EXPECT_EQ(numbersIn(lineOf(lines, "values with it: ")), modal);
}

std::vector<FrequencyPair> counted(std::vector<double> values) {
  std::vector<FrequencyPair> pairs;
  for (double v : values) {
    auto it = std::find_if(pairs.begin(), pairs.end(), [&](const FrequencyPair& p) { return p.value == v; });
    if (it == pairs.end())
      pairs.push_back({v, 1});
    else
      it->frequency += 1;
  }
  return pairs;
}

}  // namespace

TEST(Working, UngroupedStepsReachTheShownResults) {
  const Ungrouped cases[] = {
      // The example's Class 7A (n = 25, odd) and 7B (n = 26, even, an outlier at 20).
      {"class 7A, p 37", UngroupedDiscrete,
       counted({14, 12, 17, 9, 15, 13, 11, 16, 18, 12, 14, 10, 15, 13, 19, 8, 14, 16, 12, 15, 13, 11,
                17, 14, 6}),
       37},
      {"class 7B, p 0", UngroupedDiscrete,
       counted({11, 9, 13, 15, 8, 10, 12, 14, 7, 11, 16, 9, 12, 10, 13, 11, 5, 14, 12, 10, 9, 20, 11,
                13, 12, 8}),
       0},
      {"class 7B, p 100", UngroupedDiscrete,
       counted({11, 9, 13, 15, 8, 10, 12, 14, 7, 11, 16, 9, 12, 10, 13, 11, 5, 14, 12, 10, 9, 20, 11,
                13, 12, 8}),
       100},
      // Frequencies (n = 8, halves of 4): 1 1 3 5 5 8 8 8.
      {"frequencies, p 37", GroupedDiscrete, {{1, 2}, {3, 1}, {5, 2}, {8, 3}}, 37},
      // n = 9, halves of 4 around the median; decimals and a low outlier.
      {"decimals, n 9, p 37", UngroupedContinuous,
       counted({-40, 2.5, 4.25, 4.25, 5, 7.5, 9, 10.75, 12}), 37},
      // Every value a mode (more than two), n = 7.
      {"all modes, n 7, p 100", GroupedContinuous,
       {{10, 1}, {20, 1}, {30, 1}, {40, 1}, {50, 1}, {60, 1}, {70, 1}}, 100},
  };
  for (const Ungrouped& c : cases) checkUngrouped(c);
}

TEST(Working, TheExampleShowsTheIssuesLines) {
  DataSet a, b;
  a.pairs = counted({14, 12, 17, 9, 15, 13, 11, 16, 18, 12, 14, 10, 15, 13, 19, 8, 14, 16, 12, 15,
                     13, 11, 17, 14, 6});
  b.pairs = counted({11, 9, 13, 15, 8, 10, 12, 14, 7, 11, 16, 9, 12, 10, 13, 11, 5, 14, 12, 10, 9,
                     20, 11, 13, 12, 8});
  RefreshInputs in;
  const RefreshResult r = refreshAnalysis(a, b, in);
  const std::string sevenA = workingText("Class 7A", setWorking(a, r.sets[0], in, 0));
  const std::string sevenB = workingText("Class 7B", setWorking(b, r.sets[1], in, 1));
  EXPECT_EQ(sevenA.rfind("Class 7A\n", 0), 0u);
  for (const char* line : {"  n = 26\n", "  \xCE\xA3x = 295\n", "  \xCE\xA3x\xC2\xB2 = 3585\n",
                           "  mean = \xCE\xA3x / n = 295 / 26 = 11.35\n",
                           "  outliers (beyond a fence): 20\n"})
    EXPECT_NE(sevenB.find(line), std::string::npos) << line;
  EXPECT_NE(sevenA.find("  Q1 = median of positions 1\xE2\x80\x93" "12 = (x6 + x7) / 2 = (11 + 12) / 2 = 11.5\n"),
            std::string::npos)
      << sevenA;
  EXPECT_NE(sevenB.find("  rank = (n \xE2\x88\x92 1)\xC2\xB7p/100 + 1 = (26 \xE2\x88\x92 1)\xC2\xB7" "50/100 + 1 = 13.5\n"),
            std::string::npos);
}

TEST(Working, LongDataListOnlyThePositionsUsed) {
  // 1..100 (n = 100): halves 1–50 and 51–100; Q1 (x25 + x26) / 2; p 37 at rank 37.63.
  DataSet a, b;
  for (int i = 1; i <= 100; ++i) a.pairs.push_back({double(i), 1});
  RefreshInputs in;
  in.percentile[0] = 37;
  const RefreshResult r = refreshAnalysis(a, b, in);
  const std::vector<std::string> lines = setWorking(a, r.sets[0], in, 0);
  std::vector<std::string> listed;
  bool inList = false;
  for (const std::string& l : lines) {
    if (l.rfind("Ordered data", 0) == 0) inList = true;
    else if (l.rfind("  ", 0) != 0) inList = false;
    else if (inList) listed.push_back(l);
  }
  EXPECT_EQ(listed, (std::vector<std::string>{"  x1 = 1", "  x25 = 25", "  x26 = 26", "  x37 = 37",
                                              "  x38 = 38", "  x50 = 50", "  x51 = 51", "  x75 = 75",
                                              "  x76 = 76", "  x100 = 100"}));
  // The deviations of 100 values are not tabled, but their sum still shows.
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return std::count(l.begin(), l.end(), '\t') == 4; }),
            0);
  EXPECT_EQ(segments(lineOf(lines, "\xCE\xA3" "f\xC2\xB7(x")).back(), "83325");  // Σ(i − 50.5)² over 1..100
}

TEST(Working, GroupedStepsReachTheShownResults) {
  struct Case {
    const char* what;
    Grouping g;
    std::vector<double> f;
    int p;
  } cases[] = {
      // Classes 0-10, 10-20, 20-30 holding 2, 5, 3 (n = 10): Q1 11, median 16, Q3 21.67.
      {"2 5 3, p 37", {0, 10, 3}, {2, 5, 3}, 37},
      {"2 5 3, p 0", {0, 10, 3}, {2, 5, 3}, 0},
      {"2 5 3, p 100", {0, 10, 3}, {2, 5, 3}, 100},
      // An empty first and middle class; p 0 is the start of the first filled class.
      {"0 4 0 3 1, p 0", {5, 2.5, 5}, {0, 4, 0, 3, 1}, 0},
      {"0 4 0 3 1, p 37", {5, 2.5, 5}, {0, 4, 0, 3, 1}, 37},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DataSet set, other;
    for (size_t k = 0; k < c.f.size(); ++k)
      if (c.f[k] > 0) set.pairs.push_back({c.g.midpoint(int(k)), c.f[k]});
    RefreshInputs in;
    in.type = AlreadyGroupedContinuous;
    in.classes = c.g;
    in.percentile[0] = c.p;
    const RefreshResult r = refreshAnalysis(set, other, in);
    ASSERT_TRUE(r.sets[0].hasStatistics);
    const SetLabels& l = r.sets[0].labels;
    const std::vector<std::string> lines = setWorking(set, r.sets[0], in, 0);

    double n = 0, sumX = 0, sumX2 = 0;
    for (size_t k = 0; k < c.f.size(); ++k) {
      const double x = c.g.startValue + (k + 0.5) * c.g.groupSize;
      n += c.f[k];
      sumX += c.f[k] * x;
      sumX2 += c.f[k] * x * x;
    }
    const double mean = sumX / n;
    double ss = 0;
    for (size_t k = 0; k < c.f.size(); ++k) {
      const double x = c.g.startValue + (k + 0.5) * c.g.groupSize;
      ss += c.f[k] * (x - mean) * (x - mean);
    }
    EXPECT_EQ(segments(lineOf(lines, "\xCE\xA3" "f = ")).back(), plain(n));
    EXPECT_EQ(segments(lineOf(lines, "\xCE\xA3" "fx = ")).back(), stat(sumX));
    EXPECT_EQ(segments(lineOf(lines, "\xCE\xA3" "fx\xC2\xB2 = ")).back(), stat(sumX2));
    std::vector<std::string> seg = segments(lineOf(lines, "mean = "));
    EXPECT_EQ(seg[3], stat(mean));
    EXPECT_EQ(seg[3], l.mean);
    seg = segments(lineOf(lines, "\xCF\x83 = \xE2\x88\x9A(\xCE\xA3" "f\xC2\xB7"));
    EXPECT_EQ(seg[3], stat(std::sqrt(ss / n)));
    EXPECT_EQ(seg[3], l.stdDev);
    // Every class is a row of the table, the empty ones too.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& s) {
                              return std::count(s.begin(), s.end(), '\t') == 5 &&
                                     s.find("mean") == std::string::npos;
                            }),
              static_cast<long>(c.f.size()));

    struct Target {
      std::string name;
      int p;
      std::string shown;
    } targets[] = {{"Q1", 25, l.q1},
                   {"median", 50, l.median},
                   {"Q3", 75, l.q3},
                   {"percentile " + std::to_string(c.p), c.p, l.percentile}};
    for (const Target& t : targets) {
      SCOPED_TRACE(t.name);
      const double target = n * t.p / 100;
      double F = 0, expected = -1;
      size_t k = 0;
      for (; k < c.f.size(); ++k) {
        if (target == 0 && c.f[k] > 0) {
          expected = c.g.lower(int(k));
          break;
        }
        if (target > 0 && F + c.f[k] >= target && c.f[k] > 0) {
          expected = c.g.lower(int(k)) + (target - F) / c.f[k] * c.g.groupSize;
          break;
        }
        F += c.f[k];
      }
      // "Q1: N·p/100 = 10·25/100 = 2.5, reached in the class 10 - < 20 (F = 2 below it, f = 5)"
      const std::vector<std::string> reach = segments(lineOf(lines, t.name + ": N"));
      ASSERT_GE(reach.size(), 3u);
      EXPECT_EQ(numbersIn(reach[1]), (std::vector<double>{n, double(t.p), 100}));
      std::vector<double> nums = numbersIn(reach[2]);
      EXPECT_EQ(nums.front(), std::stod(stat(target)));
      if (target > 0) {
        ASSERT_EQ(reach.size(), 5u);
        EXPECT_NE(reach[2].find(c.g.classLabel(int(k))), std::string::npos);
        EXPECT_EQ(numbersIn(reach[3]), (std::vector<double>{F}));
        EXPECT_EQ(numbersIn(reach[4]), (std::vector<double>{c.f[k]}));
      }
      seg = segments(lineOf(lines, t.name + " = "));
      EXPECT_EQ(seg.back(), stat(expected));
      EXPECT_EQ(seg.back(), t.shown);
      if (target == 0) continue;
      // L + (N·p/100 − F) / f · h with its numbers.
      nums = numbersIn(seg[2]);
      ASSERT_EQ(nums.size(), 5u);
      EXPECT_EQ(nums, (std::vector<double>{c.g.lower(int(k)), std::stod(stat(target)), F, c.f[k],
                                           c.g.groupSize}));
      expectNear(nums[0] + (nums[1] - nums[2]) / nums[3] * nums[4], seg.back(), 5e-4, t.name);
    }
    seg = segments(lineOf(lines, "IQR = "));
    EXPECT_EQ(seg.back(), l.iqr);
  }
}

TEST(Working, TooFewValuesGetOneLineAndNoDataNone) {
  DataSet a, b;
  a.pairs = {{4, 2}, {6, 1}};
  RefreshInputs in;
  const RefreshResult r = refreshAnalysis(a, b, in);
  EXPECT_EQ(setWorking(a, r.sets[0], in, 0),
            (std::vector<std::string>{"n = 3: At least three different values are needed"}));
  EXPECT_TRUE(setWorking(b, r.sets[1], in, 1).empty());
}

TEST(Working, StepsFollowTheDecimalsChoice) {
  // Class 7B: Σx 295, n 26, mean 11.346153..., as the page shows it in 0, 3 and 6 places.
  DataSet a, b;
  b.pairs = counted({11, 9, 13, 15, 8, 10, 12, 14, 7, 11, 16, 9, 12, 10, 13, 11, 5, 14, 12, 10, 9,
                     20, 11, 13, 12, 8});
  for (int decimals : {0, 3, 6}) {
    SCOPED_TRACE(decimals);
    RefreshInputs in;
    in.decimals = decimals;
    const RefreshResult r = refreshAnalysis(a, b, in);
    const SetLabels& l = r.sets[1].labels;
    const std::vector<std::string> lines = setWorking(b, r.sets[1], in, 1);
    EXPECT_EQ(segments(lineOf(lines, "mean = ")).back(), l.mean);
    EXPECT_EQ(segments(lineOf(lines, "\xCE\xA3x = ")).back(), fixedText(295, decimals));
    // Both deviations in the chosen places, the page's own texts.
    const std::string pop =
        standardDeviationText(b.sumSquares, b.count, false, b.deviationScale, decimals);
    const std::string sample =
        standardDeviationText(b.sumSquares, b.count, true, b.deviationScale, decimals);
    int popLines = 0, sampleLines = 0;
    for (const std::string& line : lines) {
      if (line.rfind("  \xCF\x83 = ", 0) == 0) {
        EXPECT_EQ(segments(line).back(), pop) << line;
        ++popLines;
      }
      if (line.rfind("  s = ", 0) == 0) {
        EXPECT_EQ(segments(line).back(), sample) << line;
        ++sampleLines;
      }
    }
    EXPECT_EQ(popLines, 2);
    EXPECT_EQ(sampleLines, 2);
    // The fences are statistics too: Q1 - 1.5 IQR = 9 - 1.5 * 4 = 3, Q3 + 1.5 IQR = 19.
    EXPECT_EQ(segments(lineOf(lines, "lower fence = ")).back(), fixedText(3, decimals));
    EXPECT_EQ(segments(lineOf(lines, "upper fence = ")).back(), fixedText(19, decimals));
  }
}

TEST(Working, AlignedLinesLineUpEachTableByLetters) {
  // Two tables between ordinary lines; "−" and "²" are one letter in three or two bytes.
  const std::vector<std::string> lines = {
      "Heading",
      "  x\tf\tx \xE2\x88\x92 mean",
      "  12\t3\t-0.5",
      "  7\t10\t4",
      "plain\tbut\tnot",  // a table of one row right after another is the same table
      "  between",
      "a\tb\xC2\xB2",
      "longer\tc",
  };
  const std::vector<std::string> expected = {
      "Heading",
      "  x    f    x \xE2\x88\x92 mean",
      "  12   3    -0.5",
      "  7    10   4",
      "plain  but  not",
      "  between",
      "a       b\xC2\xB2",
      "longer  c",
  };
  EXPECT_EQ(alignedLines(lines), expected);
  EXPECT_TRUE(alignedLines({}).empty());
  // The working itself keeps every line, tables aligned, nothing else changed.
  DataSet a, b;
  a.pairs = {{1, 2}, {3, 1}, {5, 2}, {8, 3}};
  RefreshInputs in;
  in.type = GroupedDiscrete;
  const RefreshResult r = refreshAnalysis(a, b, in);
  const std::vector<std::string> working = setWorking(a, r.sets[0], in, 0);
  const std::vector<std::string> aligned = alignedLines(working);
  ASSERT_EQ(aligned.size(), working.size());
  int tableRows = 0;
  for (size_t k = 0; k < working.size(); ++k) {
    EXPECT_EQ(aligned[k].find('\t'), std::string::npos) << aligned[k];
    if (working[k].find('\t') == std::string::npos) {
      EXPECT_EQ(aligned[k], working[k]);
    } else {
      ++tableRows;
    }
  }
  EXPECT_EQ(tableRows, 5);  // the header and one row per value
}
