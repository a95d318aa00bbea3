#include <gtest/gtest.h>

#include "TestSets.h"
#include "core/graph/GraphDescription.h"
#include "core/stats/Statistics.h"

using tally::GraphAxis;
using tally::GraphText;

TEST(GraphDescription, ColumnGraphReadsEveryValueWithItsFrequency) {
  const GraphText t = tally::describeColumnGraph(
      "Class 7A", {"Value", 0, 20}, {"Frequency", 0, 6}, {{12, 3}, {14, 5}, {17, 1}}, 0.75, false);
  EXPECT_EQ(t.name, "Column graph of Class 7A");
  EXPECT_EQ(t.description,
            "Column graph of Class 7A. Value axis from 0 to 20, Frequency axis from 0 to 6. "
            "3 columns (value and frequency): 12: 3; 14: 5; 17: 1.");
  EXPECT_TRUE(t.hasData);
}

TEST(GraphDescription, ColumnGraphOfClassesReadsEachClassBounds) {
  // Columns 10 wide centred on 15 and 25 cover 10 to 20 and 20 to 30.
  const GraphText t = tally::describeColumnGraph("Heights", {"Value", 0, 40}, {"Frequency", 0, 8},
                                                 {{15, 4}, {25, 7}}, 10, true);
  EXPECT_EQ(t.description,
            "Column graph of Heights. Value axis from 0 to 40, Frequency axis from 0 to 8. "
            "2 columns (class and frequency): 10 to 20: 4; 20 to 30: 7.");
}

TEST(GraphDescription, EmptyColumnGraphSaysSoAndHasNothingToSay) {
  const GraphText t =
      tally::describeColumnGraph("Set 2", {"", -1.5, 10}, {"Frequency", 0, 10}, {}, 1, false);
  EXPECT_FALSE(t.hasData);
  EXPECT_EQ(t.description,
            "Column graph of Set 2. Horizontal axis from -1.5 to 10, Frequency axis from 0 to "
            "10. No columns are drawn.");
}

TEST(GraphDescription, LongListsCountWhatTheyDoNotRead) {
  tally::PointList columns;
  for (int i = 1; i <= tally::kDescribedPointsMax + 5; ++i) columns.push_back({double(i), 1});
  const GraphText t =
      tally::describeColumnGraph("Set 1", {"Value", 0, 50}, {"Frequency", 0, 2}, columns, 1, false);
  const std::string last = "; " + std::to_string(tally::kDescribedPointsMax) + ": 1";
  const std::string next = "; " + std::to_string(tally::kDescribedPointsMax + 1) + ": 1";
  EXPECT_NE(t.description.find(last), std::string::npos) << t.description;
  EXPECT_EQ(t.description.find(next), std::string::npos) << t.description;
  EXPECT_NE(t.description.find("; and 5 more."), std::string::npos) << t.description;
  EXPECT_NE(t.description.find("45 columns"), std::string::npos);
}

TEST(GraphDescription, BoxPlotsReadTheFiveNumbersAndOutliersOfEachSet) {
  // 2 4 6 | 8 10 30: Q1 = 4, median = 7, Q3 = 10, IQR = 6, fences -5 and 19;
  // 30 lies beyond the upper fence, so the upper whisker ends at 10.
  const tally::DataSet set = setOfValues({2, 4, 6, 8, 10, 30});
  const tally::BoxPlot box = tally::buildBoxPlot(set, tally::ungroupedQuartiles(set), 1);
  const tally::BoxPlotSet sets[2] = {{"Class 7A", box.lines, box.outliers}, {"Class 7B", {}, {}}};
  const GraphText t = tally::describeBoxPlots(sets, {"Value", 0, 35});
  EXPECT_EQ(t.name, "Box-and-whisker plots of Class 7A and Class 7B");
  EXPECT_EQ(t.description,
            "Box-and-whisker plots of Class 7A and Class 7B. Value axis from 0 to 35. "
            "Class 7A: lower whisker 2, lower quartile 4, median 7, upper quartile 10, upper "
            "whisker 10, 1 outlier: 30. Class 7B: no box is drawn.");
  EXPECT_TRUE(t.hasData);
}

TEST(GraphDescription, BoxPlotStatisticsFollowTheDecimals) {
  // 1 2 | 3 4: Q1 = 1.5, median = 2.5, Q3 = 3.5; no outliers.
  const tally::DataSet set = setOfValues({1, 2, 3, 4});
  const tally::BoxPlot box = tally::buildBoxPlot(set, tally::ungroupedQuartiles(set), 1);
  const tally::BoxPlotSet sets[2] = {{"A", {}, {}}, {"B", box.lines, box.outliers}};
  const GraphText t = tally::describeBoxPlots(sets, {"Value", 0, 5}, 2);
  EXPECT_NE(t.description.find("A: no box is drawn. B: lower whisker 1, lower quartile 1.50, "
                               "median 2.50, upper quartile 3.50, upper whisker 4, no outliers."),
            std::string::npos)
      << t.description;
}

TEST(GraphDescription, BoxPlotsWithoutBoxesHaveNothingToSay) {
  const tally::BoxPlotSet sets[2] = {{"Set 1", {}, {}}, {"Set 2", {}, {}}};
  EXPECT_FALSE(tally::describeBoxPlots(sets, {"Value", 5, 13}).hasData);
}

TEST(GraphDescription, CumulativeCurvesReadPointsAndTheSliderValue) {
  const tally::CurveSet sets[2] = {{"Class 7A", {{10, 0}, {20, 25}, {30, 100}}, 22.5},
                                   {"Class 7B", {}, 0}};
  const GraphText t = tally::describeCumulativeCurves(
      sets, {"Values", 0, 40}, {"% of Cumul. Freq.", 0, 110}, 30);
  EXPECT_EQ(t.name, "Cumulative percentage graph of Class 7A and Class 7B");
  EXPECT_EQ(t.description,
            "Cumulative percentage graph of Class 7A and Class 7B. Values axis from 0 to 40, "
            "% of Cumul. Freq. axis from 0 to 110. Class 7A: curve through (value: cumulative "
            "percent) 10: 0%; 20: 25%; 30: 100%; at 30% the value is 22.5. Class 7B: no curve "
            "is drawn.");
  EXPECT_TRUE(t.hasData);
  const tally::CurveSet none[2] = {{"A", {}, 0}, {"B", {}, 0}};
  EXPECT_FALSE(tally::describeCumulativeCurves(none, {"", 0, 1}, {"", 0, 1}, 50).hasData);
}
