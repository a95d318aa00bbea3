#pragma once
// Bit-for-bit comparison of refresh results and sets: a refresh that skips work
// must leave every digit as computing everything anew would.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/stats/Refresh.h"

namespace same {

// 0 and -0 are written differently; a NaN is the same NaN.
inline bool bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline bool points(const tally::PointList& a, const tally::PointList& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k)
    if (!bits(a[k].x, b[k].x) || !bits(a[k].y, b[k].y)) return false;
  return true;
}

inline void expectSameSet(const tally::DataSet& a, const tally::DataSet& b, const std::string& what) {
  ASSERT_EQ(a.pairs.size(), b.pairs.size()) << what;
  for (size_t k = 0; k < a.pairs.size(); ++k) {
    EXPECT_TRUE(bits(a.pairs[k].value, b.pairs[k].value)) << what << " pair " << k;
    EXPECT_TRUE(bits(a.pairs[k].frequency, b.pairs[k].frequency)) << what << " pair " << k;
  }
  EXPECT_TRUE(bits(a.count, b.count)) << what << ": " << a.count << " " << b.count;
  EXPECT_TRUE(bits(a.minimum, b.minimum)) << what << ": " << a.minimum << " " << b.minimum;
  EXPECT_TRUE(bits(a.maximum, b.maximum)) << what << ": " << a.maximum << " " << b.maximum;
  EXPECT_TRUE(bits(a.maxFrequency, b.maxFrequency)) << what;
  EXPECT_TRUE(bits(a.sumSquares, b.sumSquares)) << what;
  EXPECT_TRUE(bits(a.deviationScale, b.deviationScale)) << what;
}

inline void expectSameDisplay(const tally::SetDisplay& a, const tally::SetDisplay& b,
                              const std::string& what) {
  EXPECT_EQ(a.hasStatistics, b.hasStatistics) << what;
  EXPECT_EQ(a.tooFewValues, b.tooFewValues) << what;
  const tally::SetLabels& l = a.labels;
  const tally::SetLabels& m = b.labels;
  EXPECT_EQ(l.n, m.n) << what;
  EXPECT_EQ(l.mean, m.mean) << what;
  EXPECT_EQ(l.mode, m.mode) << what;
  EXPECT_EQ(l.minimum, m.minimum) << what;
  EXPECT_EQ(l.q1, m.q1) << what;
  EXPECT_EQ(l.median, m.median) << what;
  EXPECT_EQ(l.q3, m.q3) << what;
  EXPECT_EQ(l.maximum, m.maximum) << what;
  EXPECT_EQ(l.range, m.range) << what;
  EXPECT_EQ(l.iqr, m.iqr) << what;
  EXPECT_EQ(l.stdDev, m.stdDev) << what;
  EXPECT_EQ(l.percentile, m.percentile) << what;
  EXPECT_EQ(l.sliderPercentile, m.sliderPercentile) << what;
  EXPECT_EQ(l.extremeCaptionsEnabled, m.extremeCaptionsEnabled) << what;
  EXPECT_TRUE(bits(a.barWidth, b.barWidth)) << what;
  EXPECT_TRUE(points(a.columns, b.columns)) << what;
  EXPECT_TRUE(points(a.graphColumns, b.graphColumns)) << what;
  EXPECT_TRUE(points(a.outliers, b.outliers)) << what;
  ASSERT_EQ(a.boxLines.size(), b.boxLines.size()) << what;
  for (size_t k = 0; k < a.boxLines.size(); ++k)
    EXPECT_TRUE(points(a.boxLines[k], b.boxLines[k])) << what << " box line " << k;
  EXPECT_EQ(a.boxMarks, b.boxMarks) << what;
  EXPECT_TRUE(bits(a.boxMean.x, b.boxMean.x) && bits(a.boxMean.y, b.boxMean.y)) << what;
  ASSERT_EQ(a.boxValues.size(), b.boxValues.size()) << what;
  for (size_t k = 0; k < a.boxValues.size(); ++k) {
    EXPECT_TRUE(bits(a.boxValues[k].value, b.boxValues[k].value)) << what;
    EXPECT_EQ(a.boxValues[k].text, b.boxValues[k].text) << what;
  }
  EXPECT_TRUE(points(a.ogive, b.ogive)) << what;
  EXPECT_TRUE(bits(a.sliderValue, b.sliderValue)) << what;
  EXPECT_EQ(a.outsideText, b.outsideText) << what;
}

inline void expectSameResult(const tally::RefreshResult& a, const tally::RefreshResult& b,
                             const std::string& what) {
  for (int s = 0; s < 2; ++s) expectSameDisplay(a.sets[s], b.sets[s], what + ", set " + std::to_string(s + 1));
  EXPECT_EQ(a.boxRangeSet, b.boxRangeSet) << what;
  EXPECT_TRUE(bits(a.boxYMin, b.boxYMin) && bits(a.boxYMax, b.boxYMax)) << what;
  EXPECT_EQ(a.columnRangesSet, b.columnRangesSet) << what;
  EXPECT_TRUE(bits(a.xMin, b.xMin) && bits(a.xMax, b.xMax)) << what;
  EXPECT_TRUE(bits(a.yMin, b.yMin) && bits(a.yMax, b.yMax)) << what;
  EXPECT_EQ(a.originAlwaysViewable, b.originAlwaysViewable) << what;
  EXPECT_EQ(a.sliderPercent, b.sliderPercent) << what;
  EXPECT_EQ(a.sliderPercentShown, b.sliderPercentShown) << what;
}

}  // namespace same
