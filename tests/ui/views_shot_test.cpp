// The main window's three graph pages, at start and with hand-made series. With
// TALLYSCOPE_SHOT_DIR set, each page is also saved as a PNG for a person to look at.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include <cstdlib>
#include <string>

#include "ui/app/MainFrame.h"

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
    tally::Series* s = frame->series;
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
  EXPECT_EQ(frame->set1Graph->getSlot(0), &frame->series[COLUMNS_SET1]);
  EXPECT_EQ(frame->boxPlot->getSlot(3), &frame->series[BOX_LINES_SET1]);
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
