// The value axis set by hand: the checks a range passes, the texts read into
// it, and the model keeping it (undo, Clear Data, Fit to data).
#include "core/graph/AxisControl.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/model/AnalysisModel.h"

using namespace tally;

namespace {

// Years 1995..2024 in Set 1, one value per row.
void enterYears(AnalysisModel& m) {
  CellTable t;
  for (int y = 1995; y <= 2024; ++y) t.push_back({std::to_string(y), ""});
  m.enterTable(t);
}

}  // namespace

TEST(AxisControl, RangesAreCheckedBeforeAGraphTakesThem) {
  struct Case {
    AxisRange range;
    std::string problem;  // empty: accepted
  } cases[] = {
      {{1990, 2030, 5}, ""},
      {{-15, 10, 2.5}, ""},
      // (2030 - 1990) / 0.2 = 200 ticks: the most allowed.
      {{1990, 2030, 0.2}, ""},
      {{2030, 1990, 5}, "From must be less than To."},
      {{5, 5, 1}, "From must be less than To."},
      {{0, 10, 0}, "The tick unit must be greater than 0."},
      {{0, 10, -1}, "The tick unit must be greater than 0."},
      // 40 / 0.1 = 400 ticks.
      {{1990, 2030, 0.1},
       "A tick unit of 0.1 gives more than 200 ticks from 1990 to 2030: choose a larger unit."},
      {{0, 1e308, 1e306}, "The range from From to To is too wide to draw."},
      {{-1e308, 1e308, 1e307}, "The range from From to To is too wide to draw."},
      {{1e17, 1e17 + 64, 1}, "From and To are too close together to draw."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.range.min) + ".." + std::to_string(c.range.max) + " by " +
                 std::to_string(c.range.unit));
    EXPECT_EQ(axisRangeProblem(c.range), c.problem);
  }
}

TEST(AxisControl, TypedTextsAreReadWithADecimalPointAndExplained) {
  struct Case {
    const char *from, *to, *unit;
    std::optional<AxisRange> range;
    std::string problem;
  } cases[] = {
      {"1990", "2030", "5", AxisRange{1990, 2030, 5}, ""},
      {" -12.5 ", "8.5", "2.5", AxisRange{-12.5, 8.5, 2.5}, ""},
      {"1,5", "10", "1", std::nullopt, "From is not a number: use a decimal point."},
      {"0", "", "1", std::nullopt, "To is not a number."},
      {"0", "10", "abc", std::nullopt, "Tick unit is not a number."},
      {"0", "10", "1e999", std::nullopt, "Tick unit is not a number: too large."},
      {"10", "0", "1", std::nullopt, "From must be less than To."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " | " + c.to + " | " + c.unit);
    std::string problem = "stale";
    const std::optional<AxisRange> read = readAxisRange(c.from, c.to, c.unit, problem);
    EXPECT_EQ(read, c.range);
    EXPECT_EQ(problem, c.problem);
  }
}

TEST(AxisControl, ModelKeepsAHandSetRangeUntilFitToDataOrClearData) {
  AnalysisModel m;
  enterYears(m);
  EXPECT_FALSE(m.axisRange(kColumnAxis));
  const AxisRange years{1990, 2030, 5};
  const ModelChange set = m.setAxisRange(kColumnAxis, years);
  EXPECT_TRUE(set.graphs);
  EXPECT_TRUE(set.any());
  EXPECT_EQ(m.axisRange(kColumnAxis), years);
  // Each page has its own axis.
  EXPECT_FALSE(m.axisRange(kBoxAxis));
  EXPECT_FALSE(m.axisRange(kOgiveAxis));

  // The same range again, a refused one or a page that does not exist change nothing.
  EXPECT_FALSE(m.setAxisRange(kColumnAxis, years).any());
  EXPECT_FALSE(m.setAxisRange(kColumnAxis, AxisRange{2030, 1990, 5}).any());
  EXPECT_FALSE(m.setAxisRange(kColumnAxis, AxisRange{1990, 2030, 0.01}).any());
  EXPECT_FALSE(m.setAxisRange(3, years).any());
  EXPECT_FALSE(m.setAxisRange(-1, years).any());
  EXPECT_EQ(m.axisRange(kColumnAxis), years);
  EXPECT_FALSE(m.axisRange(3));

  // New data keep it.
  enterYears(m);
  EXPECT_EQ(m.axisRange(kColumnAxis), years);

  // Fit to data.
  EXPECT_TRUE(m.setAxisRange(kColumnAxis, std::nullopt).graphs);
  EXPECT_FALSE(m.axisRange(kColumnAxis));

  // Clear Data forgets every page's range.
  m.setAxisRange(kBoxAxis, AxisRange{1990, 2030, 10});
  m.setAxisRange(kOgiveAxis, AxisRange{0, 100, 10});
  m.clearData();
  for (int page : {kColumnAxis, kBoxAxis, kOgiveAxis}) EXPECT_FALSE(m.axisRange(page)) << page;

  // So does opening another analysis.
  enterYears(m);
  m.setAxisRange(kColumnAxis, years);
  const std::optional<std::string> none[2];
  m.applyDescription(AnalysisDescription(), none);
  EXPECT_FALSE(m.axisRange(kColumnAxis));
}

TEST(AxisControl, HandSetRangeIsAnUndoStep) {
  AnalysisModel m;
  UndoHistory history;
  enterYears(m);
  history.reset(m.state());
  const AxisRange years{1990, 2030, 5};
  m.setAxisRange(kBoxAxis, years);
  EXPECT_TRUE(history.record(m.state()));
  m.setAxisRange(kBoxAxis, std::nullopt);
  EXPECT_TRUE(history.record(m.state()));

  // Undo of Fit to data brings the hand-set range back, undo once more the fitted frame.
  m.restore(history.undo(), 0);
  EXPECT_EQ(m.axisRange(kBoxAxis), years);
  m.restore(history.undo(), 0);
  EXPECT_FALSE(m.axisRange(kBoxAxis));
  m.restore(history.redo(), 0);
  EXPECT_EQ(m.axisRange(kBoxAxis), years);
}
