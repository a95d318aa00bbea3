// The main window's three graph pages, at start and with hand-made series. With
// TALLYSCOPE_SHOT_DIR set, each page is also saved as a PNG for a person to look at.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/file.h>
#include <wx/image.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/utils.h>

#include <cstdlib>
#include <string>

#include "MainFrameDriver.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"

namespace {

class ViewsShotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new MainFrame(nullptr, wxID_ANY, wxString());
    frame->SetSize(1000, 700);
    frame->Show();
    settle();
    const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
    if (dir) shotDir = dir;
  }
  void TearDown() override {
    frame->Destroy();
    wxTheApp->ProcessPendingEvents();
  }

  void settle() {
    for (int i = 0; i < 5; ++i) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
      wxMilliSleep(50);
    }
  }

  void showOgive(bool on) {
    frame->boxPageSizer->Show(frame->boxPlotSizer, !on);
    frame->boxPageSizer->Show(frame->percentileSizer, on);
    frame->boxPage->Layout();
  }

  // Selects the page and saves what the screen shows of the frame.
  void shoot(int page, const char* name) {
    frame->notebook->SetSelection(page);
    if (shotDir.empty()) return;
    // The screen shows a change only after the toolkit's next frames have been drawn.
    frame->Refresh();
    frame->Update();
    for (int i = 0; i < 20; ++i) settle();
    // The toolkit cannot read back what it drew on GTK 3; the X server can.
    const wxRect r = frame->GetScreenRect();
    const wxString path = wxString::FromUTF8(shotDir) + "/" + name + ".png";
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s",
                                              r.width, r.height, r.x, r.y, path);
    EXPECT_EQ(wxExecute(command, wxEXEC_SYNC), 0) << command;
  }

  // Hand-made data: two sets' columns, box plots with an outlier each, two ogives.
  void fillSeries() {
    // The window's series looks, with points of their own; they outlive the
    // window, which the views still point into until it is deleted at idle time.
    static tally::Series handMade[8];
    tally::Series* s = handMade;
    for (int i = 0; i < 8; ++i) s[i] = frame->shownSeries(i);
    s[COLUMNS_SET1].segments = {{{5, 3}, {6, 4}, {7, 5}, {8, 7}, {9, 4}, {10, 2}}};
    s[COLUMNS_SET2].segments = {{{5, 1}, {7, 1}, {8, 2}, {9, 4}, {10, 6}, {11, 7}, {12, 6}, {13, 4}}};
    for (ColumnGraphView* g : {frame->set1Graph, frame->set2Graph}) {
      g->setXMin(4);
      g->setXMax(14);
      g->setYMin(0);
      g->setYMax(8);
      g->setOriginAlwaysViewable(false);
    }
    frame->set1Graph->setSeries(&s[COLUMNS_SET1], nullptr, nullptr, nullptr);
    frame->set2Graph->setSeries(&s[COLUMNS_SET2], nullptr, nullptr, nullptr);

    // Boxes standing at x -5..-3 (Set 1) and 3..5 (Set 2): box, median, whiskers.
    auto box = [](double x0, double x1, double lo, double q1, double med, double q3, double hi) {
      const double mid = (x0 + x1) / 2;
      return std::vector<tally::PointList>{
          {{x0, q1}, {x1, q1}, {x1, q3}, {x0, q3}, {x0, q1}},
          {{x0, med}, {x1, med}},
          {{mid, q3}, {mid, hi}},
          {{mid, q1}, {mid, lo}}};
    };
    s[BOX_LINES_SET1].segments = box(-5, -3, 5, 6.5, 7.5, 8.5, 10);
    s[BOX_LINES_SET2].segments = box(3, 5, 7, 9, 10.5, 12, 13);
    s[OUTLIERS_SET1].segments = {{{-4, 13}}};
    s[OUTLIERS_SET2].segments = {{{4, 4.5}}};
    frame->boxPlot->setYMin(3);
    frame->boxPlot->setYMax(15);
    frame->boxPlot->setSeries(&s[OUTLIERS_SET1], &s[BOX_LINES_SET2], &s[OUTLIERS_SET2],
                              &s[BOX_LINES_SET1]);

    s[OGIVE_SET1].segments = {{{2, 0}, {4, 10}, {6, 35}, {8, 70}, {10, 90}, {12, 100}}};
    s[OGIVE_SET2].segments = {{{4, 0}, {6, 5}, {8, 20}, {10, 45}, {12, 80}, {14, 100}}};
    frame->percentileGraph->setXMin(0);
    frame->percentileGraph->setXMax(16);
    frame->percentileGraph->setCurve(0, &s[OGIVE_SET1]);
    frame->percentileGraph->setCurve(1, &s[OGIVE_SET2]);
    // 50% is reached at 6 + 2 * 15/35 = 6.857 (Set 1) and 10 + 2 * 5/35 = 10.29 (Set 2).
    frame->percentileGraph->setSet1Percentile(6.857);
    frame->percentileGraph->setSet2Percentile(10.29);
    frame->percentileGraph->setPercentage(50);
  }

  MainFrame* frame = nullptr;
  std::string shotDir;
};

}  // namespace

TEST_F(ViewsShotTest, PagesAtStartShowEmptyAxesAndWithSeriesShowThem) {
  // At start every view has empty slots and the settings the window gave it.
  for (ColumnGraphView* g : {frame->set1Graph, frame->set2Graph, frame->boxPlot})
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g->getSlot(i), nullptr);
  EXPECT_EQ(frame->percentileGraph->getCurve(0), nullptr);
  EXPECT_EQ(frame->percentileGraph->getCurve(1), nullptr);
  EXPECT_EQ(frame->set1Graph->getXAxisLabel(), "Value");
  EXPECT_EQ(frame->set1Graph->getYAxisLabel(), "Frequency");
  EXPECT_EQ(frame->set1Graph->getXAxisLabelPosition(), 9);
  EXPECT_EQ(frame->boxPlot->getAxesStyle(), 2);
  EXPECT_FALSE(frame->boxPlot->getXAutoScale());
  EXPECT_EQ(frame->percentileGraph->getYAxisLabel(), "% of Cumul. Freq.");
  EXPECT_EQ(frame->percentileGraph->getYMax(), 110);

  shoot(1, "columns_start");
  shoot(2, "box_start");
  showOgive(true);
  shoot(2, "ogive_start");
  showOgive(false);
  // The column graph's buffer follows its window, which the page has laid out.
  EXPECT_EQ(frame->set1Graph->getBufferWidth(), frame->set1Graph->GetSize().x);
  EXPECT_GT(frame->set1Graph->getBufferWidth(), 150);

  fillSeries();
  ASSERT_NE(frame->set1Graph->getSlot(0), nullptr);
  EXPECT_EQ(frame->set1Graph->getSlot(0)->segments.front().size(), 6u);
  ASSERT_NE(frame->boxPlot->getSlot(3), nullptr);
  EXPECT_EQ(frame->boxPlot->getSlot(3)->segments.size(), 4u);
  EXPECT_EQ(frame->percentileGraph->getPercentage(), 50);
  // The Set 1 columns are green in the buffer: the column for 8 (height 7) stands at world (8, 3).
  wxImage columns = frame->set1Graph->bufferSnapshot().ConvertToImage();
  const wxPoint inside = frame->set1Graph->worldToPixel(8, 3);
  EXPECT_EQ(columns.GetGreen(inside.x, inside.y), 255);
  EXPECT_EQ(columns.GetRed(inside.x, inside.y), 0);

  shoot(1, "columns_filled");
  shoot(2, "box_filled");
  showOgive(true);
  shoot(2, "ogive_filled");
}

namespace {

std::string exampleFile(const char* name) {
  wxFile f(wxString::FromUTF8(std::string(TALLYSCOPE_EXAMPLES) + "/" + name));
  wxString text;
  f.ReadAll(&text);
  return toStd(text);
}

// Classroom analyses as a teacher would show them: each fills the window through
// its real controls, then every page is checked and, with TALLYSCOPE_SHOT_DIR set,
// saved at the opening size and at the size of the whole screen.
class ScenarioShotTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  void settle() {
    for (int i = 0; i < 8; ++i) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
      wxMilliSleep(30);
    }
  }
  // Every statistic shows its whole text; each page is saved when asked.
  void checkAndShoot(const std::string& scenario) {
    const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
    const wxRect screen = wxGetClientDisplayRect();
    for (const wxSize& size : {wxSize(1000, 700), screen.GetSize(), frame->GetMinSize()}) {
      frame->SetSize(wxRect(screen.GetPosition(), size));
      settle();
      // A projector's window shows larger texts; the opening and the smallest size
      // keep them as they were.
      if (size.x >= 1200) {
        EXPECT_GT(frame->getTextScale(), 1.2) << scenario;
        EXPECT_GT(frame->statistics->label(0, Statistic::Mean)->GetFont().GetFractionalPointSize(),
                  1.2 * wxNORMAL_FONT->GetFractionalPointSize())
            << scenario;
        EXPECT_GT(frame->set1Graph->getFontSize(), 9) << scenario;
      } else
        EXPECT_DOUBLE_EQ(frame->getTextScale(), 1) << scenario;
      for (wxStaticText* label : {frame->statistics->label(0, Statistic::N), frame->statistics->label(0, Statistic::Mean), frame->statistics->label(0, Statistic::Mode),
                                  frame->statistics->label(0, Statistic::StdDev), frame->statistics->label(0, Statistic::Range), frame->statistics->label(1, Statistic::Mode),
                                  frame->statistics->label(1, Statistic::Mean), frame->statistics->label(1, Statistic::Percentile)}) {
        EXPECT_GE(label->GetSize().x, label->GetBestSize().x)
            << scenario << " " << text(label) << " min " << label->GetMinSize().x;
        EXPECT_GE(label->GetSize().y, label->GetBestSize().y) << scenario << " " << text(label);
        // Nor is any cut off by the page's edge, even in the smallest window.
        EXPECT_LE(label->GetRect().GetBottom(), frame->statistics->GetClientSize().y)
            << scenario << " " << size.x << "x" << size.y;
        EXPECT_LE(label->GetRect().GetRight(), frame->statistics->GetClientSize().x)
            << scenario << " " << size.x << "x" << size.y;
      }
      for (int page = 0; page < 3; ++page) {
        frame->notebook->SetSelection(page);
        if (!dir) continue;
        frame->Refresh();
        frame->Update();
        for (int i = 0; i < 6; ++i) settle();
        const wxRect r = frame->GetScreenRect();
        const wxString path = wxString::Format("%s/%s_%d_%dx%d.png", dir, scenario, page, size.x,
                                               size.y);
        const wxString command = wxString::Format(
            "import -window root -crop %dx%d+%d+%d +repage %s", r.width, r.height, r.x, r.y, path);
        EXPECT_EQ(wxExecute(command, wxEXEC_SYNC), 0) << command;
      }
      frame->notebook->SetSelection(0);
    }
  }
};

}  // namespace

TEST_F(ScenarioShotTest, ExampleAnalysis) {
  rename(0, "Class 7A");
  rename(1, "Class 7B");
  fillSets(exampleFile("class-7a.csv"), exampleFile("class-7b.csv"));
  EXPECT_FALSE(text(frame->statistics->label(0, Statistic::N)).empty());
  EXPECT_EQ(toStd(frame->set2Graph->getTitle()), "Class 7B");
  checkAndShoot("example");
}

TEST_F(ScenarioShotTest, DataStartingAtZero) {
  fillSets("0\n0\n1\n1\n1\n2\n2\n2\n2\n3\n4\n", "0\n1\n1\n2\n3\n3\n3\n5\n");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "11");
  checkAndShoot("zero");
}

TEST_F(ScenarioShotTest, YearsAsClasses) {
  std::string years1, years2;
  for (int y = 1980; y < 2020; ++y) years1 += std::to_string(y) + "\n";
  for (int y = 1990; y < 2020; y += 2) years2 += std::to_string(y) + "\n";
  fillSets(years1, years2);
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("1980", "5", 8));
  EXPECT_EQ(frame->classGrouping(), (tally::Grouping{1980, 5, 8}));
  frame->boxPageSizer->Show(frame->boxPlotSizer, false);
  frame->boxPageSizer->Show(frame->percentileSizer, true);
  EXPECT_FALSE(text(frame->statistics->label(0, Statistic::SliderPercentile)).empty());
  settle();
  // The slider's ends stand level with the graph's 100% and 0%.
  PercentileGraphView* graph = frame->percentileGraph;
  const int border = (graph->GetSize().y - graph->GetClientSize().y) / 2;
  const wxRect slider = frame->percentileSlider->GetRect();
  const int graphTop = graph->GetPosition().y + border;
  EXPECT_NEAR(slider.y + 12, graphTop + graph->worldToPixelY(100), 1);
  EXPECT_NEAR(slider.GetBottom() + 1 - 12, graphTop + graph->worldToPixelY(0), 1);
  checkAndShoot("years");
}

TEST_F(ScenarioShotTest, NegativeTemperatures) {
  fillSets("-7\n-5\n-4.5\n-2\n-1\n0\n0.5\n1\n3\n4\n6\n7.5\n9\n12\n",
           "-3\n-2\n0\n1\n2\n2.5\n4\n5\n6\n8\n");
  chooseType(tally::UngroupedContinuous);
  // The histogram follows the data: classes start at a multiple of 5 below -7.
  EXPECT_LE(frame->histogramGrouping().startValue, -7);
  checkAndShoot("temps");
}
