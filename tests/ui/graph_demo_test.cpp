// A demonstration graph: trig axes, custom labels, every series style and
// point labels, and one set up from a settings document. With
// TALLYSCOPE_SHOT_DIR set the pictures are saved as PNGs.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>

#include <cmath>
#include <cstdlib>

#include "ui/WxBridge.h"
#include "ui/graph/coordSys.h"

namespace {

wxImage drawInto(coordSys* g, const wxString& shotName) {
  const wxSize size = g->GetClientSize();
  wxBitmap bmp(size.x, size.y, 24);
  wxMemoryDC dc(bmp);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  g->drawAll(dc);
  dc.SelectObject(wxNullBitmap);
  wxImage img = bmp.ConvertToImage();
  if (const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR"))
    img.SaveFile(wxString(dir) + "/" + shotName, wxBITMAP_TYPE_PNG);
  return img;
}

int countColour(const wxImage& img, unsigned char r, unsigned char g, unsigned char b) {
  int n = 0;
  for (int y = 0; y < img.GetHeight(); ++y)
    for (int x = 0; x < img.GetWidth(); ++x)
      n += std::abs(img.GetRed(x, y) - r) < 40 && std::abs(img.GetGreen(x, y) - g) < 40 &&
           std::abs(img.GetBlue(x, y) - b) < 40;
  return n;
}

}  // namespace

TEST(GraphDemo, TrigAxesCustomLabelsAndEverySeriesStyle) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "demo", wxDefaultPosition, wxSize(760, 560));
  auto* panel = new wxPanel(frame);
  auto* g = new coordSys(panel, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
  frame->Show();

  g->setXTrigScale(true);
  g->setXMin(-2);
  g->setXMax(2);
  g->setYMin(-1.5);
  g->setYMax(1.5);
  g->setXAxisLabel(_("angle"));
  g->setYAxisLabel(_("value"));
  g->updateScales();

  tally::Series sine;
  sine.lineColour = tally::colours::red;
  tally::PointList wave;
  for (int i = 0; i <= 200; ++i) {
    double x = -2 * tally::pi + i * 4 * tally::pi / 200;
    wave.push_back({x, std::sin(x)});
  }
  sine.segments.push_back(wave);
  g->addSeries(sine);

  tally::Series cosMarkers;
  cosMarkers.style = tally::MarkersStyle;
  cosMarkers.markerShape = tally::SquareMarker;
  cosMarkers.markerSize = 3;
  cosMarkers.lineColour = tally::colours::blue;
  cosMarkers.fillColour = tally::colours::blue;
  tally::PointList cosPoints;
  for (int i = -8; i <= 8; ++i) cosPoints.push_back({i * tally::pi / 4, std::cos(i * tally::pi / 4)});
  cosMarkers.segments.push_back(cosPoints);
  g->addSeries(cosMarkers);

  tally::Series bars;
  bars.style = tally::ColumnsStyle;
  bars.columnWidth = 0.5;
  bars.lineColour = tally::colours::green;
  bars.fillColour = tally::colours::green;
  bars.segments.push_back({{-4.5, 0.6}, {-3.5, -0.4}, {3.5, 0.8}});
  g->addSeries(bars);
  tally::Series overlap = bars;
  overlap.lineColour = overlap.fillColour = tally::colours::cyan;
  overlap.segments = {{{-4.25, 0.4}, {3.75, 0.5}}};
  g->addSeries(overlap);

  tally::Series dots;
  dots.style = tally::PointsStyle;
  dots.penWidth = 5;
  dots.lineColour = tally::Colour::rgb(128, 0, 128);
  dots.segments.push_back({{-1, -1.2}, {0, -1.2}, {1, -1.2}});
  g->addSeries(dots);

  tally::PointLabel top;
  top.x = tally::pi / 2;
  top.y = 1;
  top.markerSize = 5;
  top.colour = tally::colours::black;
  top.text = "sine maximum";
  g->addPointLabel(top);

  wxImage trig = drawInto(g, "graph_demo_trig.png");
  EXPECT_GT(countColour(trig, 255, 0, 0), 200);    // the sine line
  EXPECT_GT(countColour(trig, 0, 0, 255), 100);    // the cosine markers
  EXPECT_GT(countColour(trig, 0, 255, 0), 500);    // columns, green also where cyan overlaps
  EXPECT_GT(countColour(trig, 0, 255, 255), 100);  // cyan alone
  EXPECT_GT(countColour(trig, 128, 0, 128), 10);   // the dots

  // Custom labels on the vertical axis, polar grid, labels on the other sides.
  wxArrayString levels;
  levels.Add("zero");
  levels.Add("half");
  levels.Add("one");
  g->setCustomYTickLabels(levels);
  g->getYScale().setTickUnit(0.5);
  g->setGridStyle(4);
  g->setEqualScaling(true);
  g->setXTickLabelPosition(2);
  g->setYTickLabelPosition(8);
  g->setXAxisLabelPosition(5);
  g->setYAxisLabelPosition(9);
  g->updateScales();
  wxImage custom = drawInto(g, "graph_demo_custom.png");
  EXPECT_GT(countColour(custom, 204, 204, 204), 500);  // the rings of the polar grid

  delete frame;
}

// The same kind of graph set up from a settings document that uses every key:
// a trig axis labelled in halves of pi by words, a horizontal grid only, tick
// labels right of the vertical axis, and axes crossing at (-pi, 0).
TEST(GraphDemo, SettingsDocumentWithEveryKey) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "demo", wxDefaultPosition, wxSize(760, 560));
  auto* panel = new wxPanel(frame);
  auto* g = new coordSys(panel, wxID_ANY, wxPoint(0, 0), wxSize(640, 480));
  frame->Show();

  EXPECT_FALSE(g->loadSettings(TALLYSCOPE_TEST_DATA "/no-such-settings.xml"));
  ASSERT_TRUE(g->loadSettings(TALLYSCOPE_TEST_DATA "/graph_settings_demo.xml"));
  g->updateScales();
  EXPECT_EQ(g->getFontSize(), 11);
  EXPECT_EQ(toStd(g->getXAxisLabel()), "phase");
  EXPECT_LE(g->getXScale().getMin(), -1.5);
  EXPECT_LE(g->getYScale().getMin(), -2);

  tally::Series wave;
  wave.lineColour = tally::colours::red;
  tally::PointList points;
  for (int i = 0; i <= 200; ++i) {
    double x = -1.5 * tally::pi + i * 4 * tally::pi / 200;
    points.push_back({x, 5 + 5 * std::sin(x)});
  }
  wave.segments.push_back(points);
  g->addSeries(wave);

  wxImage img = drawInto(g, "graph_demo_settings.png");
  EXPECT_GT(countColour(img, 255, 0, 0), 300);
  // Horizontal grid lines cross the whole width; no vertical one runs down it.
  auto grey = [&img](int x, int y) {
    return std::abs(img.GetRed(x, y) - 204) < 30 && std::abs(img.GetBlue(x, y) - 204) < 30;
  };
  int fullRows = 0, fullColumns = 0;
  for (int y = 0; y < img.GetHeight(); ++y) {
    int n = 0;
    for (int x = 0; x < img.GetWidth(); ++x) n += grey(x, y);
    fullRows += n > img.GetWidth() / 2;
  }
  for (int x = 0; x < img.GetWidth(); ++x) {
    int n = 0;
    for (int y = 0; y < img.GetHeight(); ++y) n += grey(x, y);
    fullColumns += n > img.GetHeight() / 2;
  }
  EXPECT_GE(fullRows, 2);
  EXPECT_EQ(fullColumns, 0);

  delete frame;
}
