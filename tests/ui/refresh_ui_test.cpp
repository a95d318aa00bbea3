// The analysis refresh seen from the window: which sets show statistics, the
// labels, and what the graph views are handed (ranges, series, slots).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/file.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "core/NumberText.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/PercentileGraphView.h"
#include "MainFrameDriver.h"
#include "PixelTools.h"

namespace {

// Sets a grouping directly and closes the dialog with OK.
class AcceptGrouping : public wxExpectModalBase<GroupingDialog, AcceptGrouping> {
 public:
  AcceptGrouping(double start, double size, int count) : start(start), size(size), count(count) {}

 protected:
  int OnInvoked(GroupingDialog* dlg) const override {
    dlg->setValues(start, size, count);
    dlg->refreshFields();
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "grouping dialog"; }

 private:
  double start, size;
  int count;
};

// Types a grouping and presses OK, which must refuse it (the message box is the
// next expectation), then presses Cancel.
class RefuseGrouping : public AnswerGrouping {
 public:
  using AnswerGrouping::AnswerGrouping;

 protected:
  int OnInvoked(GroupingDialog* dlg) const override {
    EXPECT_EQ(AnswerGrouping::OnInvoked(dlg), wxID_NONE) << "OK accepted the grouping";
    wxWindow* cancel = dlg->FindWindow(GroupingDialog::ID_CANCEL);
    wxCommandEvent click(wxEVT_BUTTON, GroupingDialog::ID_CANCEL);
    click.SetEventObject(cancel);
    cancel->ProcessWindowEvent(click);
    return dlg->GetReturnCode();
  }
};

class RefreshUiTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  std::vector<std::string> labels(int s) {
    std::vector<std::string> out;
    for (const wxStaticText* l :
         {frame->statistics->label(s, Statistic::N), frame->statistics->label(s, Statistic::Mean), frame->statistics->label(s, Statistic::Mode), frame->statistics->label(s, Statistic::Minimum),
          frame->statistics->label(s, Statistic::Q1), frame->statistics->label(s, Statistic::Median), frame->statistics->label(s, Statistic::Q3), frame->statistics->label(s, Statistic::Maximum),
          frame->statistics->label(s, Statistic::Range), frame->statistics->label(s, Statistic::Iqr), frame->statistics->label(s, Statistic::StdDev),
          frame->statistics->label(s, Statistic::Percentile), frame->statistics->label(s, Statistic::SliderPercentile)})
      out.push_back(text(l));
    return out;
  }
};

using Labels = std::vector<std::string>;
using Points = tally::PointList;

// The question on widening the classes, checked and answered Yes or No.
class AnswerWiden : public wxExpectModalBase<wxMessageDialog, AnswerWiden> {
 public:
  AnswerWiden(const std::string& message, int answer) : message(message), answer(answer) {}

 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetMessage()), message);
    EXPECT_TRUE(dlg->GetMessageDialogStyle() & wxYES_NO);
    return answer;
  }
  wxString GetDefaultDescription() const override { return toWx("question \"" + message + "\""); }

 private:
  std::string message;
  int answer;
};

std::string exampleText(const char* name) {
  wxFile f(wxString::FromUTF8(std::string(TALLYSCOPE_EXAMPLES) + "/" + name));
  wxString text;
  f.ReadAll(&text);
  return toStd(text);
}

}  // namespace

TEST_F(RefreshUiTest, ThreeDistinctValuesShowStatisticsTwoShowNothing) {
  paste("4\n6\n8\n");
  // 4 6 8: mean 6, median rank 2 = 6, halves of one value each: Q1 4, Q3 8; every
  // value once, so all three are modes; sum of squares 4 + 0 + 4 = 8, sqrt(8/3) = 1.633.
  EXPECT_EQ(labels(0), (Labels{"3", "6", "(more than\n 2 modes)", "4", "4", "6", "8", "8", "4",
                               "4", "1.633", "6", ""}));
  EXPECT_TRUE(frame->statistics->minimumCaption(0)->IsEnabled());
  expectHanded(frame->set1Graph->getSlot(0), frame->shownSeries(COLUMNS_SET1));
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).segments,
            (std::vector<Points>{{{4, 1}, {6, 1}, {8, 1}}}));

  // 4 4 6: two distinct values blank the set and its column graph; n stays, with the reason.
  type(2, 0, "4");
  EXPECT_EQ(labels(1), Labels(13, ""));
  Labels reason(13, "");
  reason[0] = "3";
  reason[1] = "At least three different values are needed";
  EXPECT_EQ(labels(0), reason);
  EXPECT_EQ(frame->analysis().set(0).count, 2);
  EXPECT_EQ(frame->set1Graph->getSlot(0), nullptr);
  EXPECT_TRUE(frame->shownSeries(COLUMNS_SET1).segments.empty());
  EXPECT_TRUE(frame->shownSeries(BOX_LINES_SET1).segments.empty());
}

TEST_F(RefreshUiTest, BoxPlotGetsTheSharedRangeAndItsFourSeriesInOrder) {
  // 10 20 30 with Set 2 never filled (it adds nothing): lo 10, hi 30,
  // 10 - 0.2*20 = 6 and 30 + 0.2*20 = 34.
  paste("10\n20\n30\n");
  EXPECT_DOUBLE_EQ(frame->boxPlot->getYMin(), 6);
  EXPECT_DOUBLE_EQ(frame->boxPlot->getYMax(), 34);
  const tally::Series* expected[] = {&frame->shownSeries(OUTLIERS_SET1), &frame->shownSeries(BOX_LINES_SET2),
                                     &frame->shownSeries(OUTLIERS_SET2), &frame->shownSeries(BOX_LINES_SET1)};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    expectHanded(frame->boxPlot->getSlot(i), *expected[i]);
  }
  // Set 1 is drawn left of the axis: box from x = -3 to -5 between Q1 10 and Q3 30.
  // Box, median, upper whisker, lower whisker.
  ASSERT_EQ(frame->shownSeries(BOX_LINES_SET1).segments.size(), 4u);
  EXPECT_EQ(frame->shownSeries(BOX_LINES_SET1).segments[0],
            (Points{{-3, 10}, {-5, 10}, {-5, 30}, {-3, 30}, {-3, 10}}));
  EXPECT_EQ(frame->shownSeries(BOX_LINES_SET1).segments[1], (Points{{-5, 20}, {-3, 20}}));
  // No value outside the fences: one empty list of outliers.
  EXPECT_EQ(frame->shownSeries(OUTLIERS_SET1).segments, std::vector<Points>(1));
}

TEST_F(RefreshUiTest, BoxPlotRangeForgetsAnEmptiedSetsExtremes) {
  selectSet(1);
  paste("1\n2\n3\n");
  for (int r = 0; r < 3; ++r) type(r, 0, "");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::N)), "");
  selectSet(0);
  // Set 2 shows nothing and adds nothing: lo 10, hi 30, 10 - 0.2*20 = 6 and 30 + 0.2*20 = 34.
  paste("10\n20\n30\n");
  EXPECT_DOUBLE_EQ(frame->boxPlot->getYMin(), 6);
  EXPECT_DOUBLE_EQ(frame->boxPlot->getYMax(), 34);
}

TEST_F(RefreshUiTest, ColumnGraphRangesFollowTheSpreadOfTheData) {
  // 10 20 30: a = 10 <= 0.5*30, so x from 1.2*10 = 12 to 1.2*30 = 36, y from 0 to
  // 1.2 x the largest frequency 1, origin kept in view.
  paste("10\n20\n30\n");
  for (ColumnGraphView* g : {frame->set1Graph, frame->set2Graph}) {
    EXPECT_DOUBLE_EQ(g->getXMin(), 12);
    EXPECT_DOUBLE_EQ(g->getXMax(), 36);
    EXPECT_DOUBLE_EQ(g->getYMin(), 0);
    EXPECT_DOUBLE_EQ(g->getYMax(), 1.2);
    EXPECT_TRUE(g->getOriginAlwaysViewable());
  }
  // 100 110 120 and 105 115 125: 0 lies further from the data than they are wide,
  // so x is framed to the columns at nice ticks, 95 to 130 (columns 3.75 wide at
  // 100 and 125, a twentieth of the span as room, ticks of 5), y from -0.2 to 1.2,
  // origin not forced into view.
  paste("100\n110\n120\n");
  selectSet(1);
  paste("105\n115\n125\n");
  for (ColumnGraphView* g : {frame->set1Graph, frame->set2Graph}) {
    EXPECT_DOUBLE_EQ(g->getXMin(), 95);
    EXPECT_DOUBLE_EQ(g->getXMax(), 130);
    EXPECT_DOUBLE_EQ(g->getYMin(), -0.2);
    EXPECT_DOUBLE_EQ(g->getYMax(), 1.2);
    EXPECT_FALSE(g->getOriginAlwaysViewable());
  }
  expectHanded(frame->set2Graph->getSlot(0), frame->shownSeries(COLUMNS_SET2));
}

TEST_F(RefreshUiTest, HistogramGroupingGivesColumnsAtTheGroupMidpoints) {
  chooseType(tally::UngroupedContinuous);
  ASSERT_EQ(toStd(frame->columnWidthButton->GetLabelText()), "Grouping...");
  paste("1\n2\n4.9\n5\n7\n12\n19.9\n20\n");
  wxTEST_DIALOG(click(frame->columnWidthButton), AcceptGrouping(0, 5, 4));
  // [0,5): 1 2 4.9; [5,10): 5 7; [10,15): 12; [15,20): 19.9; 20 is in no column.
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).segments,
            (std::vector<Points>{{{2.5, 3}, {7.5, 2}, {12.5, 1}, {17.5, 1}}}));
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, 5);
  // a = 0, b = 20: x from 0 to 24, y to 1.2*3.
  EXPECT_DOUBLE_EQ(frame->set1Graph->getXMin(), 0);
  EXPECT_DOUBLE_EQ(frame->set1Graph->getXMax(), 24);
  EXPECT_DOUBLE_EQ(frame->set1Graph->getYMax(), 3.6);
  // The statistics still come from the values: 8 observations.
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "8");
}

TEST_F(RefreshUiTest, AlreadyGroupedDataWithOneFilledClassGetStatistics) {
  paste("1\n2\n3\n");
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AcceptGrouping(0, 10, 3));
  // Three values in the first class: the largest frequency 3 gives y up to 3.6.
  ASSERT_DOUBLE_EQ(frame->set1Graph->getYMax(), 3.6);
  // The ogive view pads by one class at most; 0 lies in that room, so it starts there.
  EXPECT_DOUBLE_EQ(frame->percentileGraph->getXMin(), 0);
  EXPECT_DOUBLE_EQ(frame->percentileGraph->getXMax(), 40);

  // 1 2 3 all lie in the first class; put 4 into the second class instead.
  type(0, 1, "");
  type(1, 1, "4");
  ASSERT_EQ(frame->analysis().set(0).pairs.size(), 1u);
  // One class 10-20 holding 4: mean 15; quartiles inside it at 10 + t*10/4 for
  // t = 1, 2, 3; extremes not shown. Slider at 50 %: the median again.
  EXPECT_EQ(labels(0), (Labels{"4", "15", "10 < 20", "", "12.5", "15", "17.5", "", "", "5", "0",
                               "15", "15"}));
  EXPECT_FALSE(frame->statistics->minimumCaption(0)->IsEnabled());
  EXPECT_FALSE(frame->statistics->maximumCaption(0)->IsEnabled());
  EXPECT_FALSE(frame->statistics->rangeCaption(0)->IsEnabled());
  expectHanded(frame->percentileGraph->getCurve(0), frame->shownSeries(OGIVE_SET1));
  EXPECT_EQ(frame->percentileGraph->getCurve(1), nullptr);
  EXPECT_DOUBLE_EQ(frame->percentileGraph->getSet1Percentile(), 15);
  EXPECT_DOUBLE_EQ(frame->percentileGraph->getPercentage(), 50);
  // Ogive: the first class is empty, so no starting point; 0 %, 100 %, 100 %.
  EXPECT_EQ(frame->shownSeries(OGIVE_SET1).segments,
            (std::vector<Points>{{{10, 0}, {20, 100}, {30, 100}}}));
  // A filled class shows statistics, so the column graphs take the classes' window
  // although neither set has more than two pairs: 1.2 x the frequency of 4.
  EXPECT_DOUBLE_EQ(frame->set1Graph->getYMax(), 4.8);

  // Back to values (10 four times), plus 1 and 2: the extremes return enabled.
  chooseType(tally::UngroupedDiscrete);
  type(4, 0, "1");
  type(5, 0, "2");
  EXPECT_TRUE(frame->statistics->minimumCaption(0)->IsEnabled());
  EXPECT_TRUE(frame->statistics->rangeCaption(0)->IsEnabled());
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Minimum)), "1");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Range)), "9");
}

TEST_F(RefreshUiTest, DecimalClassesHoldTheValuesTheirLabelsName) {
  // 0.3 0.6 0.7 typed as values, then shown in classes of 0.1 from 0: each value
  // counts once against the class its label starts with. Midpoints 0.35, 0.65,
  // 0.75: mean 0.5833; median 0.6 + (1.5 - 1)*0.1/1 = 0.65.
  paste("0.3\n0.6\n0.7\n");
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AcceptGrouping(0, 0.1, 10));
  const std::vector<std::string> counts = {"0", "0", "0", "1", "0", "0", "1", "1", "0", "0"};
  ASSERT_EQ(frame->shownSeries(COLUMNS_SET1).segments.size(), 1u);
  const Points& columns = frame->shownSeries(COLUMNS_SET1).segments[0];
  ASSERT_EQ(columns.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(cell(k, 1), counts[k]) << cell(k, 0);
    EXPECT_EQ(tally::formatNumber("%g", columns[k].y), counts[k]) << cell(k, 0);
  }
  EXPECT_EQ(cell(3, 0), "0.3 - < 0.4");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "3");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "0.5833");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Median)), "0.65");
  // An unrelated edit re-reads every class and changes nothing.
  type(9, 1, "");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "3");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "0.5833");
}

TEST_F(RefreshUiTest, TheClassColumnFitsItsWidestLabel) {
  struct Case {
    double start, size;
    int count;
    const char* widest;
  } cases[] = {{0, 1, 5, "4 - < 5"}, {1980, 5, 8, "2015 - < 2020"},
               {-273.15, 0.05, 3, "-273.05 - < -273"}};
  const wxFont font = frame->grid->GetDefaultCellFont();
  for (const Case& c : cases) {
    chooseType(tally::UngroupedDiscrete);
    wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous),
                  AcceptGrouping(c.start, c.size, c.count));
    EXPECT_EQ(cell(c.count - 1, 0), c.widest);
    int w = 0, h = 0;
    frame->grid->GetTextExtent(c.widest, &w, &h, nullptr, nullptr, &font);
    // Never narrower than the layout's 80 pixels, and wide enough for every label.
    EXPECT_GE(frame->grid->GetColSize(0), std::max(80, w)) << c.widest;
    EXPECT_EQ(frame->grid->GetColSize(1), 80);
  }
  // Back to values: the widths of that layout again.
  chooseType(tally::UngroupedDiscrete);
  EXPECT_EQ(frame->grid->GetColSize(0), 160);
}

TEST_F(RefreshUiTest, AFrequencyKeepsItsWholeNumberThroughTypeChanges) {
  // Classes 0-10, 10-20, 20-30 holding 2.7, 1, 1: the class counts 2, so n = 4,
  // on every later edit and under every data type, and a cell shows 2.
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AcceptGrouping(0, 10, 3));
  type(0, 1, "2.7");
  type(1, 1, "1");
  type(2, 1, "1");
  for (int edit = 0; edit < 3; ++edit) {
    type(2, 1, "1");
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "4") << "edit " << edit;
  }
  chooseType(tally::GroupedDiscrete);
  EXPECT_EQ(cell(0, 1), "2");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "4");
  // The column graph counts the same: 2 + 1 + 1.
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).segments,
            (std::vector<Points>{{{0, 2}, {10, 1}, {20, 1}}}));
  type(1, 1, "1");  // the same frequency again: re-reads the grid
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "4");
  chooseType(tally::UngroupedDiscrete);
  type(5, 0, "");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "4");
}

TEST_F(RefreshUiTest, GroupingDialogRefusesClassesThatAreOneNumber) {
  // 1e17 + 1 is 1e17 again: every class would read "1e+17 - < 1e+17".
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), RefuseGrouping("1e17", "1", 3),
                ExpectMessage("Invalid Entry",
                              "Please enter a valid positive number for group size value.",
                              wxICON_EXCLAMATION));
  const tally::Grouping kept = frame->classGrouping();
  EXPECT_EQ(kept, (tally::Grouping{0, 1, 10}));
  EXPECT_EQ(cell(0, 0), "0 - < 1");
}

TEST_F(RefreshUiTest, AlreadyGroupedColumnGraphGetsItsSeriesWithOneOrTwoFilledClasses) {
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AcceptGrouping(0, 10, 3));
  type(1, 1, "4");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "4");
  expectHanded(frame->set1Graph->getSlot(0), frame->shownSeries(COLUMNS_SET1));
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).segments,
            (std::vector<Points>{{{5, 0}, {15, 4}, {25, 0}}}));
  type(2, 1, "3");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "7");
  expectHanded(frame->set1Graph->getSlot(0), frame->shownSeries(COLUMNS_SET1));
  // Set 2 shows nothing: its series, handed with the new window, holds no columns.
  EXPECT_TRUE(frame->shownSeries(COLUMNS_SET2).segments.empty() ||
              frame->shownSeries(COLUMNS_SET2).segments[0].empty());
  EXPECT_DOUBLE_EQ(frame->set2Graph->getXMax(), 36);
}

TEST_F(RefreshUiTest, GraphsNameTheirSetsAndFitColumnsAndHistogramsToTheData) {
  // Half shoe sizes: 0.75 of the smallest gap 0.5, not 0.75 wide overlapping columns.
  paste("4.5\n5\n5\n6\n7\n");
  EXPECT_DOUBLE_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, 0.375);
  EXPECT_EQ(toStd(frame->set1Graph->getTitle()), "Set 1");
  EXPECT_EQ(toStd(frame->set2Graph->getTitle()), "Set 2");
  // A renamed set is named by its graphs.
  rename(0, "7A");
  EXPECT_EQ(toStd(frame->set1Graph->getTitle()), "7A");
  type(0, 0, "4");  // 4 5 5 6 7: gaps of 1
  EXPECT_DOUBLE_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, 0.75);

  // Heights 148..180 cm as continuous data: the histogram is chosen from them
  // (17 values: about 4 classes of 8 -> 10, from 140), not left at 0 / 1 / 10.
  chooseType(tally::UngroupedContinuous);
  std::string heights;
  for (int h = 148; h <= 180; h += 2) heights += std::to_string(h) + "\n";
  paste(heights);
  EXPECT_EQ(frame->histogramGrouping(), (tally::Grouping{140, 10, 5}));
  EXPECT_DOUBLE_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, 10);
  // The user's grouping stands until "Fit to data" is chosen again.
  wxTEST_DIALOG(click(frame->columnWidthButton), AcceptGrouping(100, 20, 6));
  type(0, 0, "149");
  EXPECT_EQ(frame->histogramGrouping(), (tally::Grouping{100, 20, 6}));
}

TEST_F(RefreshUiTest, ColumnGraphsCountInWholeNumbersAndStatisticsNeedNoExponent) {
  // Frequencies 1..3 would get y ticks 0.5 apart.
  paste("1\n2\n2\n3\n3\n3\n");
  frame->set1Graph->updateScales();
  EXPECT_GE(frame->set1Graph->getYTickUnit(), 1);
  // Step counts: a mean of 10480.25 shows every integer digit, without an exponent.
  loadText("10201\n10480\n10597\n10643\n10700\n10900\n");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "10587");    // 63521 / 6 = 10586.8, not 1.059e+04
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Median)), "10620");  // (10597 + 10643) / 2
  // Every caption of a quartile or percentile explains its method.
  for (const char* caption : {"Q1:", "Median:", "Q3:", "p"}) {
    bool found = false;
    for (wxWindow* w : frame->statistics->GetChildren())
      if (auto* t = wxDynamicCast(w, wxStaticText))
        if (toStd(t->GetLabel()) == caption) found = !t->GetToolTipText().empty();
    EXPECT_TRUE(found) << caption;
  }
}

TEST_F(RefreshUiTest, ZoomKeysGrowAndShrinkTheStatisticsAndTheGraphLabels) {
  paste("4\n6\n8\n");
  const double points = frame->statistics->label(0, Statistic::Mean)->GetFont().GetFractionalPointSize();
  const int tickPoints = frame->set1Graph->getFontSize();
  auto zoom = [&](int id) {
    wxCommandEvent key(wxEVT_MENU, id);
    frame->GetEventHandler()->ProcessEvent(key);
  };
  zoom(ID_ZOOM_IN);
  zoom(ID_ZOOM_IN);
  EXPECT_NEAR(frame->getUserZoom(), 1.25, 1e-9);
  EXPECT_NEAR(frame->statistics->label(0, Statistic::Mean)->GetFont().GetFractionalPointSize(),
              points * frame->getTextScale(), 0.5);
  EXPECT_GT(frame->set1Graph->getFontSize(), tickPoints);
  // The value label still shows its whole text in the larger font.
  EXPECT_GE(frame->statistics->label(0, Statistic::Mean)->GetMinSize().x, frame->statistics->label(0, Statistic::Mean)->GetBestSize().x);
  zoom(ID_ZOOM_OUT);
  zoom(ID_ZOOM_RESET);
  EXPECT_EQ(frame->getUserZoom(), 1);
  EXPECT_NEAR(frame->statistics->label(0, Statistic::Mean)->GetFont().GetFractionalPointSize(),
              points * frame->getTextScale(), 0.5);
}

// The example's classes (Class 7A 6..19, Class 7B 5..20) as Ungrouped Continuous:
// the fitted histogram holds every score; columns 0, 2 x 10 end at 20 and the line
// under Set 2's graph names its 20. The statistics count every value, so their page
// says nothing.
TEST_F(RefreshUiTest, ValuesOutsideTheColumnsAreNamedUnderTheGraph) {
  selectSet(0);
  loadText(exampleText("class-7a.csv"));
  selectSet(1);
  loadText(exampleText("class-7b.csv"));
  chooseType(tally::UngroupedContinuous);
  settle();
  for (int s = 0; s < 2; ++s) {
    EXPECT_FALSE(frame->columnOutside[s]->IsShown()) << s;
    EXPECT_EQ(text(frame->columnOutside[s]), "") << s;
  }
  wxTEST_DIALOG(click(frame->columnWidthButton), AcceptGrouping(0, 2, 10));
  settle();
  EXPECT_EQ(text(frame->columnOutside[0]), "");
  ASSERT_TRUE(frame->columnOutside[1]->IsShown());
  EXPECT_EQ(text(frame->columnOutside[1]), "1 value outside the columns: 20");
  // Both graphs keep one height, so their frequency scales stay side by side.
  EXPECT_EQ(frame->set1Graph->GetSize().y, frame->set2Graph->GetSize().y);
  // Under its own graph, one line high, and inside the page.
  const wxRect line = frame->columnOutside[1]->GetRect(), graph = frame->set2Graph->GetRect();
  EXPECT_GE(line.y, graph.GetBottom());
  EXPECT_LT(line.x, graph.GetRight());
  EXPECT_GT(line.GetRight(), graph.x);
  EXPECT_LE(line.GetBottom(), frame->columnGraphPage->GetClientSize().y);
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::N)), "26");
  EXPECT_FALSE(frame->statistics->outsideLabel(1)->IsShown());
  // Discrete columns stand on every value: the line goes.
  chooseType(tally::UngroupedDiscrete);
  EXPECT_FALSE(frame->columnOutside[1]->IsShown());
}

// Choosing Already Grouped Continuous with classes 6, 2 x 7 (6..20) leaves Class
// 7B's 5 and 20 out: the window asks. Yes widens the classes to 4, 2 x 9; No keeps
// them, and the graph and the statistics page name the two values; undo brings the
// raw scores back either way.
TEST_F(RefreshUiTest, ClassesThatLeaveValuesOutAskToBeWidened) {
  selectSet(0);
  loadText(exampleText("class-7a.csv"));
  selectSet(1);
  loadText(exampleText("class-7b.csv"));
  chooseType(tally::UngroupedContinuous);
  const char* question = "2 values lie outside these classes. Widen the classes to hold them?";
  const auto rawScores = frame->analysis().set(1).pairs;

  struct Case {
    int answer;
    tally::Grouping classes;
    const char* n2;
    const char* line;
  };
  for (const Case& c : {Case{wxID_YES, {4, 2, 9}, "26", ""},
                        Case{wxID_NO, {6, 2, 7}, "24", "2 values outside the classes: 5, 20"}}) {
    SCOPED_TRACE(c.answer == wxID_YES ? "Yes" : "No");
    wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AcceptGrouping(6, 2, 7),
                  AnswerWiden(question, c.answer));
    settle();
    EXPECT_EQ(frame->shownType(), tally::AlreadyGroupedContinuous);
    EXPECT_EQ(frame->classGrouping(), c.classes);
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "25");
    EXPECT_EQ(text(frame->statistics->label(1, Statistic::N)), c.n2);
    const bool outside = *c.line != 0;
    EXPECT_EQ(frame->statistics->outsideLabel(1)->IsShown(), outside);
    EXPECT_EQ(text(frame->statistics->outsideLabel(1)), c.line);
    EXPECT_EQ(frame->columnOutside[1]->IsShown(), outside);
    EXPECT_EQ(text(frame->columnOutside[1]), c.line);
    EXPECT_FALSE(frame->statistics->outsideLabel(0)->IsShown());
    EXPECT_EQ(text(frame->columnOutside[0]), "");

    frame->undo();
    settle();
    EXPECT_EQ(frame->shownType(), tally::UngroupedContinuous);
    EXPECT_EQ(frame->analysis().set(1).pairs, rawScores);
    EXPECT_EQ(text(frame->statistics->label(1, Statistic::N)), "26");
    EXPECT_FALSE(frame->statistics->outsideLabel(1)->IsShown());
  }
  // Classes that hold every value ask nothing.
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AcceptGrouping(4, 2, 9));
  EXPECT_EQ(frame->classGrouping(), (tally::Grouping{4, 2, 9}));
  EXPECT_FALSE(frame->columnOutside[1]->IsShown());
}

// Temperatures from -12.5 to 8.3: the frequency axis stands left of every column,
// at the left end of the window, not at x = 0 across them.
TEST_F(RefreshUiTest, TheFrequencyAxisStandsLeftOfColumnsBelowZero) {
  chooseType(tally::UngroupedContinuous);
  paste("-12.5\n-9.1\n-6\n-3.4\n-1\n0.5\n2.2\n4.8\n8.3\n");
  frame->notebook->SetSelection(1);
  settle();
  ColumnGraphView* graph = frame->set1Graph;
  const wxSize c = graph->GetClientSize();
  ASSERT_GT(c.x, 100);
  const wxImage img = renderOnWhite(c.x, c.y, [&](wxDC& dc) { graph->draw(dc); });
  int leftmostColumn = c.x;
  for (int y = 0; y < c.y; ++y)
    for (int x = 0; x < c.x; ++x) {
      const int r = img.GetRed(x, y), g = img.GetGreen(x, y), b = img.GetBlue(x, y);
      if (std::max({r, g, b}) - std::min({r, g, b}) > 40) leftmostColumn = std::min(leftmostColumn, x);
    }
  ASSERT_LT(leftmostColumn, c.x) << "no columns drawn";
  const int axis = graph->axesCrossingPixel().x;
  EXPECT_LT(axis, leftmostColumn);
  EXPECT_LT(axis, graph->worldToPixelX(0) - 20);
  // The axis is drawn there: dark along most of the plotting height.
  int darkRows = 0;
  for (int y = 0; y < c.y; ++y) darkRows += dark(img, axis, y) ? 1 : 0;
  EXPECT_GT(darkRows, c.y / 2);
}

// An ogive of years in classes from 1990: its markers name the sets and their
// lines start at the vertical axis, nothing coloured left of it (from x = 0 they
// would cross the whole window).
TEST_F(RefreshUiTest, OgiveMarkersNameTheSetsAndStopAtTheAxes) {
  paste("1995\n1996\n1998\n2001\n2003\n2004\n2007\n2009\n");
  rename(0, "7A");
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AcceptGrouping(1990, 5, 5));
  EXPECT_EQ(toStd(frame->percentileGraph->markerTitle(0)), "7A  Percentile");
  EXPECT_EQ(toStd(frame->percentileGraph->markerTitle(1)), "Set 2  Percentile");
  frame->notebook->SetSelection(2);
  settle();
  PercentileGraphView* graph = frame->percentileGraph;
  const wxSize c = graph->GetClientSize();
  ASSERT_GT(c.x, 100);
  const wxImage img = renderOnWhite(c.x, c.y, [&](wxDC& dc) { graph->draw(dc); });
  const wxPoint axes = graph->axesCrossingPixel();
  ASSERT_GT(axes.x, 2);
  int colouredLeft = 0, colouredRight = 0;
  for (int y = 0; y < c.y; ++y)
    for (int x = 0; x < c.x; ++x) {
      const int r = img.GetRed(x, y), g = img.GetGreen(x, y), b = img.GetBlue(x, y);
      if (std::max({r, g, b}) - std::min({r, g, b}) <= 40) continue;
      (x < axes.x - 1 ? colouredLeft : colouredRight)++;
    }
  EXPECT_GT(colouredRight, 0);
  EXPECT_EQ(colouredLeft, 0);
}

// The frequency axis's caption and a graph's title never meet: a name of 30
// letters goes below the caption, a short one stays at the top right.
TEST_F(RefreshUiTest, TheTitleKeepsClearOfTheFrequencyCaption) {
  paste("-12.5\n-9.1\n-6\n-3.4\n-1\n0.5\n2.2\n4.8\n8.3\n");
  frame->notebook->SetSelection(1);
  for (const std::string& name : {std::string("Set-1"), std::string(30, 'W')}) {
    SCOPED_TRACE(name);
    rename(0, name);
    settle();
    const wxRect caption = frame->set1Graph->yCaptionRect(), title = frame->set1Graph->titleRect();
    ASSERT_FALSE(caption.IsEmpty());
    ASSERT_FALSE(title.IsEmpty());
    EXPECT_FALSE(title.Intersects(caption));
    EXPECT_GE(caption.x, frame->set1Graph->axesCrossingPixel().x);
  }
  EXPECT_EQ(frame->set1Graph->titleRect().y, frame->set1Graph->yCaptionRect().GetBottom() + 3);
}

// An edit of one set hands the other set's graph the same series, ranges and
// title again: its picture is not drawn anew, and the edited set's graph redraws
// only where its changed column stood and stands.
TEST_F(RefreshUiTest, AnEditOfOneSetLeavesTheOtherSetsGraphAsDrawn) {
  fillSets("1\n2\n2\n3\n5\n", "2\n3\n3\n4\n");
  frame->notebook->SetSelection(1);
  settle();
  ColumnGraphView* views[] = {frame->set1Graph, frame->set2Graph, frame->boxPlot};
  for (ColumnGraphView* view : views) view->redrawBufferIfStale();
  ASSERT_GT(frame->set1Graph->GetClientSize().x, 100);
  const int set2Drawings = frame->set2Graph->bufferDrawings();
  const auto before = frame->shownSeries(COLUMNS_SET1).segments;
  // A 2 becomes a 3: the same values' range and the same highest count.
  selectSet(0);
  type(1, 0, "3");
  ASSERT_NE(frame->shownSeries(COLUMNS_SET1).segments, before);
  EXPECT_FALSE(frame->set2Graph->isPictureStale());
  EXPECT_TRUE(frame->set1Graph->isPictureStale());
  for (ColumnGraphView* view : views) view->redrawBufferIfStale();
  EXPECT_EQ(frame->set2Graph->bufferDrawings(), set2Drawings);
  EXPECT_FALSE(frame->set1Graph->lastRedrawnBox().IsEmpty());
  // The same edit typed again changes nothing anywhere, the ogive page included.
  BufferedGraphView* all[] = {views[0], views[1], views[2], frame->percentileGraph};
  all[3]->redrawBufferIfStale();
  const int drawings[] = {all[0]->bufferDrawings(), all[1]->bufferDrawings(),
                          all[2]->bufferDrawings(), all[3]->bufferDrawings()};
  type(1, 0, "3");
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(all[i]->isPictureStale()) << i;
    all[i]->redrawBufferIfStale();
    EXPECT_EQ(all[i]->bufferDrawings(), drawings[i]) << i;
  }
}
