// The lesson graphs in the main window: the Dot Plot page, relative frequency on
// the column graphs, and the mean and the five numbers on the box plot. With
// TALLYSCOPE_SHOT_DIR set, the dot plot page is saved as a PNG for each data
// (the README's docs/dot-plot.png is the example's).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/choicdlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/notebook.h>
#include <wx/utils.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "DotPlotPixels.h"
#include "MainFrameDriver.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/DotPlotView.h"

namespace {

// Answers the picture's scale with its first entry, 1:1.
class ScaleOne : public wxExpectModalBase<wxSingleChoiceDialog, ScaleOne> {
 protected:
  int OnInvoked(wxSingleChoiceDialog* dlg) const override {
    dlg->SetSelection(0);
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "the picture's scale"; }
};

class LessonGraphsTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  LessonGraphsTest() : MainFrameDriver(TALLYSCOPE_EXAMPLES "/two-classes.tally") {
    frame->SetSize(1000, 700);
    settleAll();
  }

  void settleAll() {
    for (int i = 0; i < 8; ++i) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
      wxMilliSleep(20);
    }
  }
  int pageNamed(const wxString& caption) const {
    for (size_t p = 0; p < frame->notebook->GetPageCount(); ++p)
      if (frame->notebook->GetPageText(p) == caption) return static_cast<int>(p);
    return -1;
  }
  // Shows the page and lets the toolkit paint it; saves it when asked.
  void showPage(int page, const std::string& shot = std::string()) {
    frame->notebook->SetSelection(page);
    frame->Refresh();
    frame->Update();
    settleAll();
    const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
    if (!dir || shot.empty()) return;
    for (int i = 0; i < 5; ++i) settleAll();
    const wxRect r = frame->GetScreenRect();
    const wxString command =
        wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s/%s.png", r.width,
                         r.height, r.x, r.y, wxString::FromUTF8(dir), toWx(shot));
    EXPECT_EQ(wxExecute(command, wxEXEC_SYNC), 0) << command;
  }
  void choose(wxChoice* choice, int item) {
    choice->SetSelection(item);
    wxCommandEvent chosen(wxEVT_CHOICE, choice->GetId());
    chosen.SetInt(item);
    chosen.SetEventObject(choice);
    choice->GetEventHandler()->ProcessEvent(chosen);
  }
  void check(wxCheckBox* box, bool on) {
    box->SetValue(on);
    wxCommandEvent clicked(wxEVT_CHECKBOX, box->GetId());
    clicked.SetInt(on);
    clicked.SetEventObject(box);
    box->GetEventHandler()->ProcessEvent(clicked);
  }
  // Every set's observations are in its dots, and every dot stands inside its
  // set's band and the value axis's window.
  void expectEveryObservationInsideItsBand(const std::string& what) {
    DotPlotView* view = frame->dotPlot;
    const tally::DotPlotModel m = view->plotModel();
    for (int s = 0; s < 2; ++s) {
      double observations = 0, dots = 0;
      for (const tally::DotStack& st : m.stacks[s]) {
        observations += st.count;
        dots += static_cast<double>(st.dots);
        EXPECT_GE(st.dots * m.scale.perDot, st.count) << what;
        EXPECT_LT((st.dots - 1) * m.scale.perDot, st.count) << what;
        const int x = view->worldToPixelX(st.value);
        EXPECT_GT(x, view->worldToPixelX(view->getXMin())) << what << " " << st.value;
        EXPECT_LT(x, view->worldToPixelX(view->getXMax())) << what << " " << st.value;
        EXPECT_LE(st.dots * view->dotDiameter(), view->stackRoom() + 1.0) << what;
      }
      EXPECT_EQ(observations,
                static_cast<double>(tally::observationCount(frame->analysis().set(s))))
          << what;
      EXPECT_GT(dots, 0) << what;
    }
    EXPECT_EQ(view->keyText(), toWx(tally::dotKeyText(m.scale))) << what;
  }
};

}  // namespace

TEST_F(LessonGraphsTest, TheDotPlotPageShowsTheExamplesScores) {
  const int page = pageNamed("Dot Plot");
  ASSERT_GE(page, 0);
  DotPlotView* view = frame->dotPlot;
  // Not on show yet: nothing drawn.
  EXPECT_TRUE(view->isPictureStale());
  showPage(page, "dot-plot");
  for (int i = 0; i < 20 && view->isPictureStale(); ++i) settleAll();
  EXPECT_FALSE(view->isPictureStale());
  EXPECT_EQ(view->getSetName(0), "Class 7A");
  EXPECT_EQ(view->getSetName(1), "Class 7B");
  EXPECT_TRUE(view->getReason().empty());
  // Scores from 5 to 20: the axis from 5 - 0.75 to 20 + 0.75.
  EXPECT_DOUBLE_EQ(view->getXMin(), 4.25);
  EXPECT_DOUBLE_EQ(view->getXMax(), 20.75);
  // 25 and 26 scores, each its own full-size dot where the stacking says.
  const tally::DotPlotModel m = view->plotModel();
  EXPECT_EQ(m.scale.perDot, 1);
  EXPECT_EQ(expectStacksDrawn(view->bufferSnapshot().ConvertToImage(), *view), 51u);
  expectEveryObservationInsideItsBand("example");

  // Grouped types count by class: the page says so instead of drawing dots.
  chooseType(tally::GroupedDiscrete);
  EXPECT_FALSE(view->getReason().empty());
  EXPECT_TRUE(view->isPictureStale());
  chooseType(tally::UngroupedContinuous);
  EXPECT_TRUE(view->getReason().empty());
  // A score of 3 typed under Class 7B's: a new stack, and the axis reaches it
  // (3 to 20: 3 - 0.85).
  selectSet(1);
  type(26, 0, "3");
  const tally::DotPlotModel after = view->plotModel();
  ASSERT_FALSE(after.stacks[1].empty());
  EXPECT_EQ(after.stacks[1].front().value, 3);
  EXPECT_EQ(after.stacks[1].front().count, 1);
  EXPECT_EQ(after.stacks[1].size(), m.stacks[1].size() + 1);
  EXPECT_DOUBLE_EQ(view->getXMin(), 2.15);
}

// The dots are built for the page on show: a change made on another page reaches
// the dot plot when its page is shown again, data and type alike.
TEST_F(LessonGraphsTest, TheDotPlotTakesAChangeMadeElsewhereWhenItsPageIsShown) {
  const int page = pageNamed("Dot Plot"), columns = pageNamed("Column Graph");
  ASSERT_GE(page, 0);
  ASSERT_GE(columns, 0);
  DotPlotView* view = frame->dotPlot;
  showPage(page);
  const tally::DotPlotModel shown = view->plotModel();
  EXPECT_DOUBLE_EQ(view->getXMin(), 4.25);

  showPage(columns);
  selectSet(1);
  type(26, 0, "3");
  // Hidden: the view still holds the sets it was last shown with.
  EXPECT_EQ(view->plotModel().stacks[1].size(), shown.stacks[1].size());
  EXPECT_DOUBLE_EQ(view->getXMin(), 4.25);
  showPage(page);
  // Scores from 3 to 20: the axis from 3 - 0.85.
  EXPECT_DOUBLE_EQ(view->getXMin(), 2.15);
  const tally::DotPlotModel after = view->plotModel();
  ASSERT_FALSE(after.stacks[1].empty());
  EXPECT_EQ(after.stacks[1].front().value, 3);
  EXPECT_EQ(after.stacks[1].size(), shown.stacks[1].size() + 1);
  expectEveryObservationInsideItsBand("after an edit on another page");

  showPage(columns);
  chooseType(tally::GroupedDiscrete);
  EXPECT_TRUE(view->getReason().empty());
  showPage(page);
  EXPECT_FALSE(view->getReason().empty());
  showPage(columns);
  chooseType(tally::UngroupedDiscrete);
  showPage(page);
  EXPECT_TRUE(view->getReason().empty());
  expectEveryObservationInsideItsBand("ungrouped again");
}

TEST_F(LessonGraphsTest, DotPlotsOfYearsTemperaturesAndAThousandValues) {
  std::string years1, years2;
  for (int y = 1995; y <= 2024; ++y) years1 += std::to_string(y) + "\n";
  for (int y = 1995; y <= 2024; y += 3) years2 += std::to_string(y) + "\n" + std::to_string(y) + "\n";
  fillSets(years1, years2);
  showPage(pageNamed("Dot Plot"), "dot-plot-years");
  expectEveryObservationInsideItsBand("years");
  EXPECT_GT(frame->dotPlot->getXMin(), 1990);

  fillSets("-12.5\n-7\n-4.5\n-2\n-1\n0\n0.5\n1\n3\n4\n6\n7.5\n8.3\n",
           "-3\n-2\n0\n1\n2\n2.5\n4\n5\n6\n8\n");
  chooseType(tally::UngroupedContinuous);
  showPage(pageNamed("Dot Plot"), "dot-plot-temperatures");
  expectEveryObservationInsideItsBand("temperatures");
  EXPECT_LT(frame->dotPlot->getXMin(), -12.5);

  // 1000 scores of 0..20 (the frequencies of a binomial shape), Set 2 a hundred.
  std::string big, small;
  const int counts[] = {1, 2, 4, 10, 20, 35, 55, 75, 95, 110, 120, 110, 95, 75, 55, 48, 35, 25, 15, 10, 5};
  int total = 0;
  for (int v = 0; v <= 20; ++v) {
    total += counts[v];
    for (int k = 0; k < counts[v]; ++k) big += std::to_string(v) + "\n";
    for (int k = 0; k < (counts[v] + 9) / 10; ++k) small += std::to_string(v) + "\n";
  }
  ASSERT_EQ(total, 1000);
  chooseType(tally::UngroupedDiscrete);
  fillSets(big, small);
  ASSERT_EQ(tally::observationCount(frame->analysis().set(0)), 1000u);
  showPage(pageNamed("Dot Plot"), "dot-plot-1000");
  expectEveryObservationInsideItsBand("1000 values");
  const tally::DotPlotModel m = frame->dotPlot->plotModel();
  EXPECT_GT(m.scale.perDot, 1);
  EXPECT_EQ(frame->dotPlot->keyText(),
            wxString::Format("Each dot stands for %d observations", int(m.scale.perDot)));
  expectStacksDrawn(frame->dotPlot->bufferSnapshot().ConvertToImage(), *frame->dotPlot);
}

// Relative frequency: a choice of the column page, no undo step; the columns stand
// at their share of the set's observations in percent, and the axis says so.
TEST_F(LessonGraphsTest, RelativeFrequencyColumnsAndCaption) {
  const int page = pageNamed("Column Graph");
  ASSERT_GE(page, 0);
  ASSERT_NE(frame->frequencyChoice, nullptr);
  EXPECT_EQ(frame->frequencyChoice->GetString(0), "Frequency");
  EXPECT_EQ(frame->frequencyChoice->GetString(1), "Relative frequency (%)");
  const bool couldUndo = frame->canUndo();
  choose(frame->frequencyChoice, 1);
  EXPECT_TRUE(frame->analysis().relativeFrequency());
  EXPECT_EQ(frame->canUndo(), couldUndo);
  for (ColumnGraphView* g : {frame->set1Graph, frame->set2Graph})
    EXPECT_EQ(g->getYAxisLabel(), "Relative frequency (%)");
  // Class 7A: 25 scores, the columns at 100 * count / 25 percent.
  const tally::PointList& counts = frame->analysis().result().sets[0].columns;
  const tally::Series* drawn = frame->set1Graph->getDrawnSlot(0);
  ASSERT_NE(drawn, nullptr);
  ASSERT_EQ(drawn->segments.size(), 1u);
  ASSERT_EQ(drawn->segments[0].size(), counts.size());
  tally::WorldPoint tallest;
  for (size_t k = 0; k < counts.size(); ++k) {
    EXPECT_EQ(drawn->segments[0][k].x, counts[k].x);
    EXPECT_DOUBLE_EQ(drawn->segments[0][k].y, 100 * counts[k].y / 25);
    if (drawn->segments[0][k].y > tallest.y) tallest = drawn->segments[0][k];
  }
  showPage(page, "relative-frequency");
  // The tallest column is green just under its top and white just above it.
  ColumnGraphView* g = frame->set1Graph;
  const wxImage img = g->bufferSnapshot().ConvertToImage();
  const wxPoint top = g->worldToPixel(tallest.x, tallest.y);
  EXPECT_EQ(img.GetGreen(top.x, top.y + 3), 255);
  EXPECT_EQ(img.GetRed(top.x, top.y + 3), 0);
  EXPECT_GT(img.GetRed(top.x, top.y - 4), 200);
  EXPECT_DOUBLE_EQ(g->getYMax(), 1.2 * tallest.y);

  choose(frame->frequencyChoice, 0);
  EXPECT_EQ(frame->set1Graph->getYAxisLabel(), "Frequency");
  EXPECT_EQ(frame->set1Graph->getDrawnSlot(0)->segments[0], counts);
}

// The box plot marks each mean with a "+"; "Show values" writes the five numbers
// beside each box with the Statistics page's texts, Decimals choice included.
TEST_F(LessonGraphsTest, BoxPlotMarksTheMeansAndShowsTheFiveNumbers) {
  const int page = pageNamed("Box & Whisker");
  ASSERT_GE(page, 0);
  showPage(page);
  ColumnGraphView* box = frame->boxPlot;
  const wxImage img = box->bufferSnapshot().ConvertToImage();
  const wxColour red = ColumnGraphView::meanMarkColour();
  // Means 13.36 (Class 7A, box at x = -4) and 11.35 (Class 7B, at x = 4).
  for (const auto& [x, mean] : {std::pair<double, double>{-4, 13.36}, {4, 295.0 / 26}}) {
    const wxPoint p = box->worldToPixel(x, mean);
    for (const wxPoint& q : {p, p + wxPoint(box->meanMarkArm() - 1, 0), p - wxPoint(0, box->meanMarkArm() - 1)})
      EXPECT_TRUE(std::abs(img.GetRed(q.x, q.y) - red.Red()) < 40 && img.GetGreen(q.x, q.y) < 40 &&
                  img.GetBlue(q.x, q.y) < 40)
          << x << " at " << q.x << "," << q.y;
  }
  EXPECT_TRUE(box->valueLabels().empty());

  ASSERT_NE(frame->showValuesCheck, nullptr);
  EXPECT_EQ(frame->showValuesCheck->GetLabelText(), "Show values");
  check(frame->showValuesCheck, true);
  auto labelTexts = [&] {
    std::vector<std::string> texts;
    for (const auto& [t, r] : box->valueLabels()) texts.push_back(toStd(t));
    return texts;
  };
  auto pageTexts = [&] {
    std::vector<std::string> texts;
    for (int s = 0; s < 2; ++s)
      for (Statistic st : {Statistic::Minimum, Statistic::Q1, Statistic::Median, Statistic::Q3,
                           Statistic::Maximum})
        texts.push_back(text(frame->statistics->label(s, st)));
    return texts;
  };
  EXPECT_EQ(labelTexts(), (std::vector<std::string>{"6", "11.5", "14", "15.5", "19", "5", "9",
                                                     "11", "13", "20"}));
  EXPECT_EQ(labelTexts(), pageTexts());
  showPage(page, "box-values");
  // Two places: the quartiles and the median follow, the extremes keep their digits.
  wxChoice* decimals = frame->statistics->decimalsChoice();
  int item = -1;
  for (unsigned i = 0; i < decimals->GetCount(); ++i)
    if (StatisticsPanel::itemDecimals(static_cast<int>(i)) == 2) item = static_cast<int>(i);
  ASSERT_GE(item, 0);
  choose(decimals, item);
  EXPECT_EQ(labelTexts()[1], "11.50");
  EXPECT_EQ(labelTexts()[0], "6");
  EXPECT_EQ(labelTexts(), pageTexts());
  check(frame->showValuesCheck, false);
  EXPECT_TRUE(box->valueLabels().empty());
}

// The dot plot's right-click menu exports its picture as the other graphs' do.
TEST_F(LessonGraphsTest, TheDotPlotExportsItsPicture) {
  showPage(pageNamed("Dot Plot"));
  const wxString path = wxFileName::CreateTempFileName("dotplot") + ".png";
  frame->fileSelector = [&](auto&&...) { return path; };
  wxCommandEvent exportPicture(wxEVT_MENU, ID_EXPORT_PICTURE);
  wxTEST_DIALOG(frame->dotPlot->GetEventHandler()->ProcessEvent(exportPicture), ScaleOne());
  wxImage picture;
  ASSERT_TRUE(picture.LoadFile(path, wxBITMAP_TYPE_PNG));
  EXPECT_EQ(picture.GetSize(), frame->dotPlot->GetClientSize());
  EXPECT_EQ(expectStacksDrawn(picture, *frame->dotPlot), 51u);
  wxRemoveFile(path);
  wxRemoveFile(path.BeforeLast('.'));
}
