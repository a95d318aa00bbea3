// The bundled example analysis, opened from its description as ./run.sh opens it:
// the names, data, type and grouping it sets up, and the statistics worked out by
// hand below. With TALLYSCOPE_SHOT_DIR set, the three pages are also saved as PNGs
// under the README's names (the README's pictures come from here).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/utils.h>

#include <cstdlib>
#include <string>

#include "MainFrameDriver.h"
#include "ui/views/ColumnGraphView.h"

namespace {

class ExampleAnalysisTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  ExampleAnalysisTest() : MainFrameDriver(TALLYSCOPE_EXAMPLES "/two-classes.tally") {}

  // Selects the page and, when asked to, saves what the screen shows of the frame.
  void shoot(int page, const char* name) {
    frame->notebook->SetSelection(page);
    saveWindowShot(name);
  }
};

}  // namespace

TEST_F(ExampleAnalysisTest, OpensFromItsDescriptionWithTheHandWorkedStatistics) {
  frame->SetSize(1000, 700);
  EXPECT_EQ(text(frame->statistics->nameLabel(0)), "Class 7A");
  EXPECT_EQ(text(frame->statistics->nameLabel(1)), "Class 7B");
  EXPECT_EQ(frame->dataTypeChoice->GetSelection(), tally::UngroupedDiscrete);
  EXPECT_TRUE(frame->set1Radio->GetValue());
  // Grouping 0, 2, 10 for the classes and the histogram; column width 1.
  for (const tally::Grouping& g : {frame->classGrouping(), frame->histogramGrouping()})
    EXPECT_EQ(g, (tally::Grouping{0, 2, 10}));
  EXPECT_EQ(frame->analysis().state().columnWidth, 1);
  // Set 1 is shown, one score per row, smallest first.
  EXPECT_EQ(cell(0, 0), "6");
  EXPECT_EQ(cell(24, 0), "19");
  EXPECT_EQ(cell(25, 0), "");

  // Class 7A, 25 scores summing to 334: mean 13.36. Sorted, rank 13 is the median 14;
  // the halves are ranks 1..12 and 14..25 (J = 12, even), so Q1 is the mean of ranks
  // 6 and 7 (11, 12) and Q3 of ranks 19 and 20 (15, 16). 14 occurs most often.
  // Sum of squared deviations 233.76, over 25: sqrt(9.3504) = 3.058.
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "25");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "13.36");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mode)), "14");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Q1)), "11.5");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Median)), "14");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Q3)), "15.5");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Range)), "13");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::StdDev)), "3.058");

  // Class 7B, 26 scores summing to 295: mean 11.35. J = 13 (odd): the median is the
  // mean of ranks 13 and 14 (11, 11), Q1 rank 7 (9), Q3 rank 20 (13). 11 and 12 tie
  // as modes. Sum of squared deviations 237.88, over 26: 3.025.
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::N)), "26");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Mean)), "11.35");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Mode)), "11, 12");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Q1)), "9");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Median)), "11");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Q3)), "13");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Range)), "15");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::StdDev)), "3.025");

  // Both column graphs and the box plot got their data.
  expectHanded(frame->set1Graph->getSlot(0), frame->shownSeries(COLUMNS_SET1));
  expectHanded(frame->set2Graph->getSlot(0), frame->shownSeries(COLUMNS_SET2));
  EXPECT_EQ(frame->shownSeries(BOX_LINES_SET1).segments.size(), 4u);
  EXPECT_EQ(frame->shownSeries(BOX_LINES_SET2).segments.size(), 4u);

  // The graph pages first: by the time the statistics page is taken the window has
  // surely been drawn as the active one.
  shoot(1, "column-graph");
  shoot(2, "box-whisker");
  shoot(0, "main-window");
}
