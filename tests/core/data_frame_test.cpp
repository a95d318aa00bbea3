#include "core/graph/DataFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tally;

TEST(DataFrame, FramesTheDataAtNiceTicksAndKeepsZeroOnlyWhenNear) {
  struct Case {
    const char* what;
    double lo, hi;
    bool zeroFar;
    double min, max, unit;
  } cases[] = {
      // 29 years with 1.45 to spare each side: 32.9 wide, ticks of 5.
      {"years 1995-2024", 1995, 2024, true, 1990, 2030, 5},
      {"heights 148-171 cm", 148, 171, true, 145, 175, 5},
      // 0 lies inside: both sides get room.
      {"temperatures -12.5..8.3", -12.5, 8.3, false, -15, 10, 5},
      // 1234567 is nearer 0 than the data are wide: 0 stays, ticks of 2 million.
      {"populations", 1234567, 9876543, false, 0, 12000000, 2000000},
      {"example scores 5..20", 5, 20, false, 0, 25, 5},
      {"years before the common era", -2024, -1995, true, -2030, -1990, 5},
      // One value counts as its own span: 7 is not further from 0 than 7.
      {"one value", 7, 7, false, 0, 8, 1},
      {"small measurements", 0.0121, 0.0139, true, 0.012, 0.014, 0.0002},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zeroIsFar(c.lo, c.hi), c.zeroFar) << c.what;
    const AxisFrame f = frameToData(c.lo, c.hi);
    EXPECT_NEAR(f.min, c.min, 1e-9 * std::fabs(c.unit)) << c.what;
    EXPECT_NEAR(f.max, c.max, 1e-9 * std::fabs(c.unit)) << c.what;
    EXPECT_NEAR(f.unit, c.unit, 1e-12 * c.unit) << c.what;
    EXPECT_EQ(f.keepsZero, !c.zeroFar) << c.what;
    // Every value inside, with room, and ends on whole units.
    EXPECT_LT(f.min, c.lo) << c.what;
    EXPECT_GT(f.max, c.hi) << c.what;
    EXPECT_LE((f.max - f.min) / f.unit, 12) << c.what;
  }
}

TEST(DataFrame, UnusableInputGivesTheDefaultFrame) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (auto [lo, hi] : {std::pair{nan, 1.0}, {0.0, inf}, {5.0, 1.0}, {-1.7e308, 1.7e308}}) {
    const AxisFrame f = frameToData(lo, hi);
    EXPECT_EQ(f.min, 0) << lo << " " << hi;
    EXPECT_EQ(f.max, 1) << lo << " " << hi;
  }
}
