// "Axes...": the value axis of each graph page set by hand through the page's
// button or the graph's context menu, refused with a reason when it cannot be
// drawn, returned to the fitted frame by "Fit to data", undone, and forgotten by
// Clear Data.
#include <gtest/gtest.h>
#include <wx/button.h>

#include <optional>
#include <string>

#include "core/description/AnalysisDescription.h"
#include "ui/graph/AxesDialog.h"
#include "AxesAnswer.h"
#include "MainFrameDriver.h"

namespace {

std::string years() {
  std::string text;
  for (int y = 1995; y <= 2024; ++y) text += std::to_string(y) + "\n";
  return text;
}

class AxesTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  // The window a view was handed on its value axis. Laid out, the axis shows at
  // least that range (it may add room for its labels).
  static std::pair<double, double> shownRange(coordSys* view, bool vertical) {
    view->updateScales();
    const tally::AxisScale& axis = vertical ? view->getYScale() : view->getXScale();
    const std::pair<double, double> handed = vertical
                                                 ? std::make_pair(view->getYMin(), view->getYMax())
                                                 : std::make_pair(view->getXMin(), view->getXMax());
    EXPECT_LE(axis.getMin(), handed.first);
    EXPECT_GE(axis.getMax(), handed.second);
    return handed;
  }
  // The same from the context menu of a graph.
  void fromMenu(coordSys* view, int id) {
    wxCommandEvent chosen(wxEVT_MENU, id);
    chosen.SetEventObject(view);
    view->GetEventHandler()->ProcessEvent(chosen);
  }
};

}  // namespace

TEST_F(AxesTest, ColumnGraphsTakeTheRangeAndUnitAndFitToDataReturns) {
  loadText(years());
  ASSERT_NE(frame->axesButton[tally::kColumnAxis], nullptr);
  const auto fitted = shownRange(frame->set1Graph, false);
  // Years are framed to their own span, not to 0.
  EXPECT_GT(fitted.first, 1900);

  AxesAnswer answer{"1980", "2040", "10"};
  wxTEST_DIALOG(click(frame->axesButton[tally::kColumnAxis]), AnswerAxes(answer));
  // The dialog offered the frame on show.
  EXPECT_EQ(answer.offeredFrom, tally::exactText(fitted.first));
  EXPECT_EQ(answer.offeredTo, tally::exactText(fitted.second));
  EXPECT_EQ(frame->analysis().axisRange(tally::kColumnAxis), (tally::AxisRange{1980, 2040, 10}));
  for (ColumnGraphView* view : {frame->set1Graph, frame->set2Graph}) {
    EXPECT_EQ(shownRange(view, false), std::make_pair(1980.0, 2040.0));
    EXPECT_EQ(view->getXTickUnit(), 10);
    // The frequency axis stands at the left end of the range set.
    EXPECT_EQ(view->axesCrossingPixel().x, view->worldToPixelX(1980));
  }
  // The other pages keep their own axes.
  EXPECT_FALSE(frame->analysis().axisRange(tally::kBoxAxis));

  // New data keep the range.
  loadText(years() + "2010\n");
  EXPECT_EQ(shownRange(frame->set1Graph, false), std::make_pair(1980.0, 2040.0));

  AxesAnswer fit;
  fit.fit = true;
  wxTEST_DIALOG(click(frame->axesButton[tally::kColumnAxis]), AnswerAxes(fit));
  EXPECT_EQ(fit.offeredUnit, "10");
  EXPECT_FALSE(frame->analysis().axisRange(tally::kColumnAxis));
  EXPECT_EQ(shownRange(frame->set1Graph, false), fitted);
  EXPECT_TRUE(frame->set1Graph->getXAutoScale());
}

TEST_F(AxesTest, BoxPlotFromItsContextMenuAndAReasonForARangeThatCannotBeDrawn) {
  loadText(years());
  const auto fitted = shownRange(frame->boxPlot, true);

  // From above To: the dialog says why and stays; nothing changes.
  AxesAnswer wrong{"2030", "1990", "5"};
  wxTEST_DIALOG(fromMenu(frame->boxPlot, ID_AXES_BOX), AnswerAxes(wrong));
  EXPECT_EQ(wrong.problem, "From must be less than To.");
  EXPECT_FALSE(frame->analysis().axisRange(tally::kBoxAxis));
  EXPECT_EQ(shownRange(frame->boxPlot, true), fitted);

  AxesAnswer tooMany{"1990", "2030", "0.01"};
  wxTEST_DIALOG(fromMenu(frame->boxPlot, ID_AXES_BOX), AnswerAxes(tooMany));
  EXPECT_EQ(tooMany.problem,
            "A tick unit of 0.01 gives more than 200 ticks from 1990 to 2030: choose a larger unit.");
  EXPECT_FALSE(frame->analysis().axisRange(tally::kBoxAxis));

  AxesAnswer good{"1990", "2030", "5"};
  wxTEST_DIALOG(fromMenu(frame->boxPlot, ID_AXES_BOX), AnswerAxes(good));
  EXPECT_EQ(good.problem, "");
  EXPECT_EQ(shownRange(frame->boxPlot, true), std::make_pair(1990.0, 2030.0));
  EXPECT_EQ(frame->boxPlot->getYTickUnit(), 5);
  // The context menu's command is an undo step like the button's.
  ASSERT_TRUE(frame->canUndo());
  frame->undo();
  EXPECT_FALSE(frame->analysis().axisRange(tally::kBoxAxis));
  EXPECT_EQ(shownRange(frame->boxPlot, true), fitted);
  frame->redo();
  EXPECT_EQ(shownRange(frame->boxPlot, true), std::make_pair(1990.0, 2030.0));

  // Clear Data forgets it.
  wxTEST_DIALOG(click(frame->FindWindow(ID_CLEAR_DATA)),
                wxExpectModal<wxMessageDialog>(wxID_YES));
  EXPECT_FALSE(frame->analysis().axisRange(tally::kBoxAxis));
}

TEST_F(AxesTest, OgiveTakesTheRangeAndItsMarkersStartAtTheAxisSet) {
  click(frame->FindWindow(ID_AUTO_DATA));
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "2", 10));
  settle();
  AxesAnswer answer{"-10", "30", "5"};
  wxTEST_DIALOG(click(frame->axesButton[tally::kOgiveAxis]), AnswerAxes(answer));
  EXPECT_EQ(answer.offeredFrom, "0");
  PercentileGraphView* ogive = frame->percentileGraph;
  EXPECT_EQ(shownRange(ogive, false), std::make_pair(-10.0, 30.0));
  EXPECT_EQ(ogive->getXTickUnit(), 5);
  EXPECT_EQ(ogive->axesCrossingPixel().x, ogive->worldToPixelX(-10));

  // Other classes leave the range set by hand as it is...
  wxTEST_DIALOG(click(frame->groupingDetailsButton), AnswerGrouping("0", "4", 5));
  EXPECT_EQ(shownRange(ogive, false), std::make_pair(-10.0, 30.0));
  // ...and Fit to data returns to the classes with a class's room before them.
  AxesAnswer fit;
  fit.fit = true;
  wxTEST_DIALOG(click(frame->axesButton[tally::kOgiveAxis]), AnswerAxes(fit));
  const auto fitted = shownRange(ogive, false);
  EXPECT_EQ(fitted.first, 0);
  EXPECT_GE(fitted.second, 20);
}
