// Pictures of the analysis views, checked by pixel. Each view has a 400 x 300 client
// area and the widget's default window -5..5 on both axes, so x = 200 + 40 u and
// y = 150 - 30 u (the same mapping the graph widget's own tests work out).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "DotPlotPixels.h"
#include "PixelTools.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/DotPlotView.h"
#include "ui/views/PercentileGraphView.h"

namespace {

bool near(const wxImage& img, int x, int y, const wxColour& c, int tolerance = 30) {
  return std::abs(img.GetRed(x, y) - c.Red()) <= tolerance &&
         std::abs(img.GetGreen(x, y) - c.Green()) <= tolerance &&
         std::abs(img.GetBlue(x, y) - c.Blue()) <= tolerance;
}
// Grid, axes and black text are all shades of grey; anything else is a series or a marker.
bool coloured(const wxImage& img, int x, int y) {
  const int r = img.GetRed(x, y), g = img.GetGreen(x, y), b = img.GetBlue(x, y);
  return std::max({r, g, b}) - std::min({r, g, b}) > 40;
}
template <typename Test>
int count(const wxImage& img, int x0, int y0, int x1, int y1, Test test) {
  int n = 0;
  for (int y = std::max(y0, 0); y <= std::min(y1, img.GetHeight() - 1); ++y)
    for (int x = std::max(x0, 0); x <= std::min(x1, img.GetWidth() - 1); ++x) n += test(img, x, y);
  return n;
}
int colouredCount(const wxImage& img) {
  return count(img, 0, 0, img.GetWidth() - 1, img.GetHeight() - 1, coloured);
}

tally::Series column(tally::Colour colour, double x, double y, double width) {
  tally::Series s;
  s.style = tally::ColumnsStyle;
  s.columnWidth = width;
  s.columnAlign = tally::ColumnCentredOnX;
  s.lineColour = colour;
  s.fillColour = colour;
  s.segments.push_back({{x, y}});
  return s;
}

tally::Series curve(tally::Colour colour, tally::PointList points) {
  tally::Series s;
  s.style = tally::PolylineStyle;
  s.penWidth = 2;
  s.lineColour = colour;
  s.segments.push_back(points);
  return s;
}

bool clearClipboard() {
  if (!wxTheClipboard->Open()) return false;
  wxTheClipboard->Clear();
  wxTheClipboard->Close();
  return true;
}

bool clipboardBitmap(wxBitmap& out) {
  if (!wxTheClipboard->Open()) return false;
  bool ok = false;
  if (wxTheClipboard->IsSupported(wxDF_BITMAP)) {
    wxBitmapDataObject data;
    ok = wxTheClipboard->GetData(data);
    out = data.GetBitmap();
  }
  wxTheClipboard->Close();
  return ok;
}

// Returns whether some handler consumed the key (false: skipped all the way through).
bool sendKey(wxWindow* w, int code, bool control) {
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.m_keyCode = code;
  key.m_controlDown = control;
  key.SetEventObject(w);
  return w->GetEventHandler()->ProcessEvent(key);
}

template <typename View>
class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "views", wxDefaultPosition, wxSize(700, 600));
    auto* panel = new wxPanel(frame);
    view = new View(panel, wxID_ANY, wxPoint(0, 0), wxDefaultSize, 0);
    view->SetClientSize(400, 300);
    frame->Show();
    wxTheApp->ProcessPendingEvents();
    ASSERT_EQ(view->GetClientSize(), wxSize(400, 300));
  }
  void TearDown() override { delete frame; }

  // The picture draw() makes on a fresh white bitmap.
  wxImage render() {
    return renderOnWhite(400, 300, [this](wxDC& dc) { view->draw(dc); });
  }

  wxFrame* frame = nullptr;
  View* view = nullptr;
};

using ColumnViewTest = ViewTest<ColumnGraphView>;
using PercentileViewTest = ViewTest<PercentileGraphView>;
using DotPlotViewTest = ViewTest<DotPlotView>;

// A set as the grid reading builds it: (value, how many times it is listed).
tally::DataSet setOf(std::initializer_list<std::pair<double, double>> counts) {
  tally::DataSet s;
  for (const auto& [value, n] : counts) s.pairs.push_back({value, n});
  return s;
}


}  // namespace

TEST_F(ColumnViewTest, FourEmptySlotsDrawGridAndAxesOnly) {
  view->setSeries(nullptr, nullptr, nullptr, nullptr);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(view->getSlot(i), nullptr);
  wxImage img = view->bufferSnapshot().ConvertToImage();
  EXPECT_NEAR(img.GetGreen(100, 30), 204, 8);  // horizontal grid line at y = 4
  EXPECT_TRUE(dark(img, 100, 150));            // horizontal axis
  EXPECT_TRUE(dark(img, 200, 100));            // vertical axis
  EXPECT_TRUE(white(img, 250, 50));
  EXPECT_EQ(colouredCount(img), 0);
}

TEST_F(ColumnViewTest, EmptySlotIsSkippedAndLaterSlotsDrawOverEarlierOnes) {
  // Red: x 0..2 (px 200..280), y 0..4 (px 30..150). Blue: x 0.5..1.5 (px 220..260), y 0..2 (px 90..150).
  tally::Series red = column(tally::colours::red, 1, 4, 2);
  tally::Series blue = column(tally::colours::blue, 1, 2, 1);

  view->setSeries(&red, nullptr, &blue, nullptr);
  EXPECT_EQ(view->getSlot(0), &red);
  EXPECT_EQ(view->getSlot(1), nullptr);
  EXPECT_EQ(view->getSlot(2), &blue);
  wxImage img = view->bufferSnapshot().ConvertToImage();
  EXPECT_TRUE(near(img, 240, 105, *wxBLUE));  // blue covers red where both stand
  EXPECT_TRUE(near(img, 210, 105, *wxRED));   // red beside the narrower blue
  EXPECT_TRUE(near(img, 240, 75, *wxRED));    // red above the lower blue

  view->setSeries(nullptr, &blue, nullptr, &red);
  img = view->bufferSnapshot().ConvertToImage();
  EXPECT_TRUE(near(img, 240, 105, *wxRED));  // now red is drawn last and hides blue
  EXPECT_EQ(count(img, 195, 20, 290, 155, [](const wxImage& i, int x, int y) {
              return near(i, x, y, *wxBLUE);
            }),
            0);
}

TEST_F(ColumnViewTest, ResizeRedrawsIntoABufferOfTheNewSize) {
  tally::Series green = column(tally::colours::green, 1, 2, 1);
  view->setSeries(&green, nullptr, nullptr, nullptr);
  ASSERT_EQ(view->getBufferWidth(), view->GetSize().x);

  view->SetClientSize(200, 100);
  wxTheApp->ProcessPendingEvents();
  ASSERT_EQ(view->GetClientSize(), wxSize(200, 100));
  EXPECT_EQ(view->getBufferWidth(), view->GetSize().x);
  EXPECT_EQ(view->getBufferHeight(), view->GetSize().y);
  // At 200 x 100 the window -5..5 maps x = 100 + 20 u, y = 50 - 10 u: the column
  // x 0.5..1.5, y 0..2 covers px 110..130, 30..50.
  wxImage img = view->bufferSnapshot().ConvertToImage();
  EXPECT_EQ(img.GetWidth(), view->GetSize().x);
  EXPECT_TRUE(near(img, 120, 40, *wxGREEN));
  EXPECT_TRUE(dark(img, 60, 50));  // horizontal axis in the middle of the new height
}

TEST_F(ColumnViewTest, EraseBackgroundLeavesTheWindowAlone) {
  wxBitmap bmp(20, 20, 24);
  wxMemoryDC dc(bmp);
  dc.SetBackground(*wxRED_BRUSH);
  dc.Clear();
  wxEraseEvent erase(view->GetId(), &dc);
  erase.SetEventObject(view);
  // Handled, so the toolkit does not erase either; and nothing was painted.
  EXPECT_TRUE(view->GetEventHandler()->ProcessEvent(erase));
  dc.SelectObject(wxNullBitmap);
  wxImage img = bmp.ConvertToImage();
  EXPECT_TRUE(near(img, 10, 10, *wxRED, 0));
}

TEST_F(ColumnViewTest, CtrlCCopiesTheViewsPictureCutToItsDrawnBox) {
  // Only the vertical axis and no grid: the picture ends at the axis label on the
  // right, well inside the window, and at the bottom arrowhead tip (y 300).
  view->setAxesStyle(2);
  view->setGridStyle(0);
  tally::Series green = column(tally::colours::green, -3, 2, 1);  // px 60..100, 90..150
  view->setSeries(nullptr, &green, nullptr, nullptr);
  ASSERT_TRUE(clearClipboard());

  EXPECT_FALSE(sendKey(view, 'C', false));  // no Control: passed on, nothing copied
  wxBitmap bmp;
  EXPECT_FALSE(clipboardBitmap(bmp));
  EXPECT_FALSE(sendKey(view, 'X', true));
  EXPECT_FALSE(clipboardBitmap(bmp));

  EXPECT_TRUE(sendKey(view, 'C', true));
  ASSERT_TRUE(clipboardBitmap(bmp));
  EXPECT_EQ(bmp.GetHeight(), 310);
  EXPECT_LT(bmp.GetWidth(), 300);  // not the window size
  EXPECT_GT(bmp.GetWidth(), 210);  // past the axis at 200 and its label
  wxImage img = bmp.ConvertToImage();
  EXPECT_TRUE(near(img, 80, 120, *wxGREEN));  // the slot's series is in the copy
  EXPECT_TRUE(dark(img, 200, 100));
  // The drawn box ends at coordinate 300 (the arrowhead tip), so rows 301..309 and
  // the last 9 columns are the margin.
  EXPECT_EQ(count(img, img.GetWidth() - 9, 0, img.GetWidth() - 1, img.GetHeight() - 1,
                  [](const wxImage& i, int x, int y) { return !white(i, x, y); }),
            0);
  EXPECT_EQ(count(img, 0, 301, img.GetWidth() - 1, 309,
                  [](const wxImage& i, int x, int y) { return !white(i, x, y); }),
            0);
  EXPECT_EQ(view->clipboardPicture().GetWidth(), bmp.GetWidth());
}

TEST_F(PercentileViewTest, NoCurvesDrawGridAndAxesOnly) {
  view->setSet1Percentile(2);
  view->setSet2Percentile(3);
  view->setPercentage(4);
  EXPECT_EQ(view->getCurve(0), nullptr);
  EXPECT_EQ(view->getCurve(1), nullptr);
  wxImage img = render();
  EXPECT_TRUE(dark(img, 100, 150));
  EXPECT_EQ(colouredCount(img), 0);  // no marker, no texts of the markers or percentage
}

TEST_F(PercentileViewTest, OnlySet2CurveDrawsItsMarkerAndThePercentageButNoSet1Marker) {
  const wxColour purple = wxTheColourDatabase->Find("PURPLE");
  const wxColour coral = wxTheColourDatabase->Find("CORAL");
  ASSERT_TRUE(purple.IsOk() && coral.IsOk());
  tally::Series set2 = curve(tally::colours::blue, {{-5, -4}, {-1, -4}});  // along y px 270
  view->setCurve(1, &set2);
  view->setSet1Percentile(-2);
  view->setSet2Percentile(3);  // X2 = 320
  view->setPercentage(2);      // P = 90
  EXPECT_EQ(view->getCurve(1), &set2);
  EXPECT_EQ(view->getPercentage(), 2);
  wxImage img = render();
  auto isPurple = [&](const wxImage& i, int x, int y) { return near(i, x, y, purple); };
  auto isCoral = [&](const wxImage& i, int x, int y) { return near(i, x, y, coral); };
  auto isBlue = [](const wxImage& i, int x, int y) {
    return i.GetBlue(x, y) > 150 && i.GetRed(x, y) < 110 && i.GetGreen(x, y) < 110;
  };
  auto isTextGreen = [](const wxImage& i, int x, int y) {
    return i.GetGreen(x, y) > i.GetRed(x, y) + 40 && i.GetGreen(x, y) > i.GetBlue(x, y) + 40;
  };
  EXPECT_GT(count(img, 100, 265, 150, 275, isBlue), 20);  // the curve
  // Purple from world x 0 (px 200) to X2 along P, then down to world y 0 (px 150).
  EXPECT_GT(count(img, 205, 88, 315, 92, isPurple), 100);
  EXPECT_GT(count(img, 318, 95, 322, 145, isPurple), 40);
  EXPECT_EQ(count(img, 0, 80, 195, 100, isPurple), 0);  // starts at x = 0, not at the edge
  // "Set 2  Percentile" in blue from (X2 - 30, Y0 - 80), its value from (X2 + 4, Y0 - 66).
  EXPECT_GT(count(img, 290, 70, 399, 84, isBlue), 10);
  EXPECT_GT(count(img, 324, 84, 370, 98, isBlue), 5);
  // The percentage text above its line, beside the vertical axis (px 200) at P - 20.
  EXPECT_GT(count(img, 206, 70, 260, 89, isTextGreen), 10);
  EXPECT_EQ(count(img, 0, 70, 199, 89, isTextGreen), 0);
  // No Set 1 marker: no coral line, no red text.
  EXPECT_EQ(count(img, 0, 0, 399, 299, isCoral), 0);
  EXPECT_EQ(count(img, 0, 0, 399, 299, [](const wxImage& i, int x, int y) {
              return i.GetRed(x, y) > 150 && i.GetGreen(x, y) < 110 && i.GetBlue(x, y) < 110;
            }),
            0);
}

TEST_F(PercentileViewTest, Set1MarkerSitsLowerThanSet2s) {
  const wxColour coral = wxTheColourDatabase->Find("CORAL");
  tally::Series set1 = curve(tally::colours::red, {{-5, -4}, {-1, -4}});
  view->setCurve(0, &set1);
  view->setSet1Percentile(2);  // X1 = 280
  view->setPercentage(1);      // P = 120
  wxImage img = render();
  auto isCoral = [&](const wxImage& i, int x, int y) { return near(i, x, y, coral); };
  auto isRedText = [](const wxImage& i, int x, int y) {
    return i.GetRed(x, y) > 150 && i.GetGreen(x, y) < 110 && i.GetBlue(x, y) < 110;
  };
  EXPECT_GT(count(img, 205, 118, 275, 122, isCoral), 60);
  EXPECT_GT(count(img, 278, 125, 282, 145, isCoral), 20);
  // Label from (X1 - 30, Y0 - 50) = (250, 100): red, below where Set 2's would stand.
  EXPECT_GT(count(img, 250, 100, 399, 114, isRedText), 10);
  EXPECT_EQ(count(img, 250, 60, 399, 95, isRedText), 0);
  EXPECT_EQ(count(img, 0, 0, 399, 299, [](const wxImage& i, int x, int y) {
              return i.GetBlue(x, y) > 150 && i.GetRed(x, y) < 110 && i.GetGreen(x, y) < 110;
            }),
            0);
}

TEST_F(PercentileViewTest, PercentageZeroPutsTheHorizontalMarkersOnYZero) {
  const wxColour purple = wxTheColourDatabase->Find("PURPLE");
  const wxColour coral = wxTheColourDatabase->Find("CORAL");
  tally::Series set1 = curve(tally::colours::red, {{-5, -4}, {-4, -3}});
  tally::Series set2 = curve(tally::colours::blue, {{-5, 4}, {-4, 3}});
  view->setCurve(0, &set1);
  view->setCurve(1, &set2);
  view->setSet1Percentile(-3);  // X1 = 80: left of the vertical axis
  view->setSet2Percentile(4);   // X2 = 360
  view->setPercentage(0);       // P = Y0 = 150
  wxImage img = render();
  // Each horizontal marker runs from world x 0 (px 200) along y 0 (px 150), over the axis.
  auto colourAt = [&](const wxColour& c, int x) {
    return count(img, x, 148, x, 152, [&](const wxImage& i, int px, int py) {
      return near(i, px, py, c);
    });
  };
  EXPECT_GT(colourAt(coral, 140), 0);
  EXPECT_GT(colourAt(purple, 300), 0);
  EXPECT_EQ(colourAt(purple, 140), 0);
  EXPECT_EQ(colourAt(coral, 300), 0);
  // Nothing of either marker above or below the axis row away from the texts.
  EXPECT_EQ(count(img, 100, 155, 399, 299, [&](const wxImage& i, int x, int y) {
              return near(i, x, y, coral) || near(i, x, y, purple);
            }),
            0);
}

TEST_F(PercentileViewTest, PercentageLabelHasNoTrailingZeros) {
  // Compare the green label with the text drawn by hand in the same font and place.
  view->setGridStyle(0);
  tally::Series set1 = curve(tally::colours::red, {{-5, -4}, {-4, -3}});
  view->setCurve(0, &set1);
  view->setSet1Percentile(3);
  auto greenMask = [](const wxImage& img) {
    std::vector<bool> mask;
    for (int y = 10; y < 30; ++y)
      for (int x = 200; x < 350; ++x)
        mask.push_back(img.GetGreen(x, y) > img.GetRed(x, y) + 40 &&
                       img.GetGreen(x, y) > img.GetBlue(x, y) + 40);
    return mask;
  };
  auto byHand = [](const wxString& text) {
    wxBitmap bmp(400, 300, 24);
    wxMemoryDC dc(bmp);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetFont(PercentileGraphView::markerFont());
    dc.SetTextForeground(wxColour(0, 130, 0));
    dc.DrawText(text, 206, 10);  // beside the axis at 200; P - 20 with P = y of 4 = 30
    dc.SelectObject(wxNullBitmap);
    return bmp.ConvertToImage();
  };
  struct Case {
    double percentage;
    const char* shown;
    const char* notShown;
  } cases[] = {{12.5, "12.5%", "12.50%"}, {100, "100%", "100.0%"}, {50, "50%", "50.0%"}};
  for (const Case& c : cases) {
    view->setPercentage(c.percentage);
    // The label stands at y = P - 20 whatever P is; bring it to row 10 for every case
    // by putting world 4 at the percentage.
    view->setYMin(c.percentage - 9);
    view->setYMax(c.percentage + 1);
    const std::vector<bool> mask = greenMask(render());
    EXPECT_EQ(mask, greenMask(byHand(c.shown))) << c.shown;
    EXPECT_NE(mask, greenMask(byHand(c.notShown))) << c.notShown;
  }
}

TEST_F(PercentileViewTest, PaintAndResizeKeepABufferOfTheWindowSize) {
  EXPECT_EQ(view->getBufferWidth(), view->GetSize().x);
  view->SetClientSize(250, 150);
  wxTheApp->ProcessPendingEvents();
  ASSERT_EQ(view->GetClientSize(), wxSize(250, 150));
  EXPECT_EQ(view->getBufferWidth(), view->GetSize().x);
  EXPECT_EQ(view->getBufferHeight(), view->GetSize().y);
}

TEST_F(PercentileViewTest, CtrlCCopiesThePictureAndOtherKeysPassOn) {
  tally::Series set2 = curve(tally::colours::blue, {{-5, -4}, {-1, -4}});
  view->setCurve(1, &set2);
  view->setSet2Percentile(1);  // X2 = 240: the marker texts end well inside the window
  view->setPercentage(2);      // P = 90
  ASSERT_TRUE(clearClipboard());
  EXPECT_FALSE(sendKey(view, 'C', false));
  wxBitmap bmp;
  EXPECT_FALSE(clipboardBitmap(bmp));
  EXPECT_TRUE(sendKey(view, 'C', true));
  ASSERT_TRUE(clipboardBitmap(bmp));
  // The arrowheads reach the right edge (400) and the bottom (300): plus 10 each way.
  EXPECT_EQ(bmp.GetWidth(), 410);
  EXPECT_EQ(bmp.GetHeight(), 310);
  wxImage img = bmp.ConvertToImage();
  EXPECT_TRUE(near(img, 220, 90, wxTheColourDatabase->Find("PURPLE"), 40));
}

TEST_F(ColumnViewTest, AColumnAtZeroLeavesTheVerticalAxisAndItsLabelsInSight) {
  // Classroom data starting at 0: the column x -0.5..0.5 (px 180..220) covers the axis.
  tally::Series green = column(tally::colours::green, 0, 4, 1);
  view->setSeries(&green, nullptr, nullptr, nullptr);
  wxImage img = view->bufferSnapshot().ConvertToImage();
  // Black, not the column's green: dark() alone would take pure green for dark.
  auto black = [](const wxImage& i, int x, int y) {
    return i.GetRed(x, y) < 100 && i.GetGreen(x, y) < 100 && i.GetBlue(x, y) < 100;
  };
  EXPECT_TRUE(near(img, 190, 100, *wxGREEN));
  EXPECT_TRUE(black(img, 200, 100));  // the axis over the column
  // The labels "1".."3" left of the axis (px 180..189) stand over the column too.
  EXPECT_GT(count(img, 180, 56, 189, 124, black), 10);
}

TEST_F(PercentileViewTest, MarkerTextsStayInsideTheGraphAtZeroAndAHundredPercent) {
  tally::Series set1 = curve(tally::colours::red, {{-5, -4}, {-1, -4}});
  view->setCurve(0, &set1);
  auto isRedText = [](const wxImage& i, int x, int y) {
    return i.GetRed(x, y) > 150 && i.GetGreen(x, y) < 110 && i.GetBlue(x, y) < 110;
  };
  // At the right edge (100%) the texts would run out of the window; at the axis
  // (0%) onto it and its arrowheads.
  for (double at : {4.99, 0.0}) {
    view->setSet1Percentile(at);
    view->setPercentage(at == 0 ? 0 : 4.9);
    wxImage img = render();
    EXPECT_GT(count(img, 0, 0, 399, 299, isRedText), 20) << at;
    // Clear of the right edge above the axis row (where the coral line meets the arrowhead).
    EXPECT_EQ(count(img, 397, 0, 399, 140, isRedText), 0) << at;
    EXPECT_EQ(count(img, 0, 90, 205, 120, isRedText), 0) << at;   // clear of the axis at 200
  }
}

TEST_F(ColumnViewTest, TheViewDrawsItsOwnCopiesOfTheSeriesHandedToIt) {
  // Red: x 0..2 (px 200..280), y 0..4 (px 30..150).
  auto red = std::make_unique<tally::Series>(column(tally::colours::red, 1, 4, 2));
  view->setSeries(red.get(), nullptr, nullptr, nullptr);
  EXPECT_EQ(view->getSlot(0), red.get());
  ASSERT_NE(view->getDrawnSlot(0), nullptr);
  EXPECT_NE(view->getDrawnSlot(0), red.get());
  EXPECT_EQ(view->getDrawnSlot(1), nullptr);
  // The caller changes its record, then lets it go: the picture, drawn anew, still
  // shows what was handed, until the record is handed again.
  red->fillColour = tally::colours::blue;
  red->segments.clear();
  red.reset();
  view->redrawPicture();
  wxImage img = view->bufferSnapshot().ConvertToImage();
  EXPECT_TRUE(near(img, 240, 100, *wxRED));
  EXPECT_EQ(view->getDrawnSlot(0)->segments.size(), 1u);

  tally::Series blue = column(tally::colours::blue, 1, 4, 2);
  view->setSeries(&blue, nullptr, nullptr, nullptr);
  img = view->bufferSnapshot().ConvertToImage();
  EXPECT_TRUE(near(img, 240, 100, *wxBLUE));
}

TEST_F(PercentileViewTest, TheViewDrawsItsOwnCopyOfACurve) {
  auto set1 = std::make_unique<tally::Series>(curve(tally::colours::red, {{-5, -4}, {-1, -4}}));
  view->setCurve(0, set1.get());
  EXPECT_EQ(view->getCurve(0), set1.get());
  ASSERT_NE(view->getDrawnCurve(0), nullptr);
  EXPECT_NE(view->getDrawnCurve(0), set1.get());
  EXPECT_EQ(view->getDrawnCurve(1), nullptr);
  set1->segments.clear();
  set1.reset();
  const wxImage img = render();
  auto isRed = [](const wxImage& i, int x, int y) {
    return i.GetRed(x, y) > 150 && i.GetGreen(x, y) < 110 && i.GetBlue(x, y) < 110;
  };
  EXPECT_GT(count(img, 100, 265, 150, 275, isRed), 20);  // the curve along y px 270
  view->setCurve(0, nullptr);
  EXPECT_EQ(view->getCurve(0), nullptr);
  EXPECT_EQ(view->getDrawnCurve(0), nullptr);
}

// One redraw rule for both views: every setter of a view, a resize and any
// explicit repaint request leave the picture stale, drawn anew at the next paint.
TEST_F(ColumnViewTest, EverySetterAndRepaintRequestMarksThePictureStale) {
  tally::Series green = column(tally::colours::green, 1, 2, 1);
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"setSeries", [&] { view->setSeries(&green, nullptr, nullptr, nullptr); }},
      {"setTitle", [&] { view->setTitle("Class 7A"); }},
      {"setNamesUnder", [&] { view->setNamesUnder({{-4, "Class 7A"}}); }},
      {"Refresh", [&] { view->Refresh(false); }},
      {"resize", [&] {
         view->SetClientSize(380, 280);
         wxTheApp->ProcessPendingEvents();
       }},
  };
  for (const auto& [name, change] : changes) {
    view->redrawBufferIfStale();
    ASSERT_FALSE(view->isPictureStale()) << name;
    change();
    EXPECT_TRUE(view->isPictureStale()) << name;
  }
}

TEST_F(PercentileViewTest, EverySetterAndRepaintRequestMarksThePictureStale) {
  tally::Series set1 = curve(tally::colours::red, {{-5, -4}, {-1, -4}});
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"setCurve", [&] { view->setCurve(0, &set1); }},
      {"setSet1Percentile", [&] { view->setSet1Percentile(2); }},
      {"setSet2Percentile", [&] { view->setSet2Percentile(3); }},
      {"setPercentage", [&] { view->setPercentage(40); }},
      {"setMarkerFontSize", [&] { view->setMarkerFontSize(12); }},
      {"Refresh", [&] { view->Refresh(false); }},
  };
  for (const auto& [name, change] : changes) {
    view->redrawBufferIfStale();
    ASSERT_FALSE(view->isPictureStale()) << name;
    change();
    EXPECT_TRUE(view->isPictureStale()) << name;
  }
  // A font size changed through the graph and a repaint asked for: the buffer shows
  // the new state, as the window's text scale does it.
  view->redrawBufferIfStale();
  const wxImage before = view->bufferSnapshot().ConvertToImage();
  view->setFontSize(16);
  view->Refresh(false);
  const wxImage after = view->bufferSnapshot().ConvertToImage();
  EXPECT_NE(count(before, 0, 0, 399, 299, dark), count(after, 0, 0, 399, 299, dark));
}

// --- The box plot's marks ------------------------------------------------------

// The mean's "+" stands on the box's centre line at the mean's row, its arms
// reaching meanMarkArm() pixels each way; the five numbers, while shown, are
// written to the right of the box at their rows, moved up only where they would meet.
TEST_F(ColumnViewTest, TheMeanIsMarkedWithAPlusAndTheValuesAreWrittenBesideTheBox) {
  ColumnGraphView::BoxMark mark;
  mark.centreX = -2;
  mark.rightX = -1;
  mark.mean = 1.5;
  // 2.1 lies a pixel row or three above 2 (30 pixels a unit): its text must go up.
  mark.values = {{-4, "-4"}, {-1, "-1.0"}, {2, "2.0"}, {2.1, "2.1"}, {4, "4"}};
  view->setBoxMarks({mark});
  wxImage img = render();
  // x = 200 + 40 * -2 = 120, y = 150 - 30 * 1.5 = 105.
  const wxPoint centre = view->worldToPixel(-2, 1.5);
  ASSERT_EQ(centre, wxPoint(120, 105));
  const wxColour red = ColumnGraphView::meanMarkColour();
  const int arm = view->meanMarkArm();
  for (const wxPoint& p : {centre, centre + wxPoint(arm - 1, 0), centre - wxPoint(arm - 1, 0),
                           centre + wxPoint(0, arm - 1), centre - wxPoint(0, arm - 1)})
    EXPECT_TRUE(near(img, p.x, p.y, red)) << p.x << "," << p.y;
  // A plus, not a square: the corners between the arms stay clear.
  for (const wxPoint& p : {centre + wxPoint(arm - 1, arm - 1), centre - wxPoint(arm - 1, arm - 1)})
    EXPECT_FALSE(coloured(img, p.x, p.y)) << p.x << "," << p.y;
  EXPECT_TRUE(view->valueLabels().empty());
  const wxImage without = img;

  view->setShowValues(true);
  const auto labels = view->valueLabels();
  ASSERT_EQ(labels.size(), 5u);
  const char* texts[] = {"-4", "-1.0", "2.0", "2.1", "4"};
  const double values[] = {-4, -1, 2, 2.1, 4};
  for (size_t k = 0; k < labels.size(); ++k) {
    EXPECT_EQ(labels[k].first, texts[k]);
    EXPECT_EQ(labels[k].second.x, view->worldToPixelX(-1) + 6);
    if (k > 0) {
      EXPECT_LE(labels[k].second.GetBottom(), labels[k - 1].second.y) << k;
    }
  }
  // Those with room stand centred on their value's row.
  for (size_t k : {0, 1, 2, 4})
    EXPECT_NEAR(labels[k].second.y + labels[k].second.height / 2.0,
                view->worldToPixelY(values[k]), 1)
        << k;
  // Each text is drawn where it says: more dark pixels there than without it.
  img = render();
  for (const auto& [text, r] : labels)
    EXPECT_GT(count(img, r.x, r.y, r.GetRight(), r.GetBottom(), dark),
              count(without, r.x, r.y, r.GetRight(), r.GetBottom(), dark))
        << text;
}

// --- The dot plot ----------------------------------------------------------------

// Set 1: 2, 3, 3, 5, 5, 5; Set 2: 1, 4, 4. The axis runs from 1 to 5 with a
// twentieth of the span (0.2) to spare; Set 1's band lies above Set 2's; every dot
// is full-size and one observation, so there is no key.
TEST_F(DotPlotViewTest, OneDotPerObservationStackedOverItsValue) {
  const tally::DataSet a = setOf({{2, 1}, {3, 2}, {5, 3}}), b = setOf({{1, 1}, {4, 2}});
  view->setSets(&a, &b);
  EXPECT_DOUBLE_EQ(view->getXMin(), 0.8);
  EXPECT_DOUBLE_EQ(view->getXMax(), 5.2);
  EXPECT_LT(view->baselineY(0), view->baselineY(1));
  EXPECT_LT(view->baselineY(1), view->worldToPixelY(0));  // Set 2 stands clear of the axis
  const tally::DotPlotModel m = view->plotModel();
  ASSERT_EQ(m.stacks[0].size(), 3u);
  EXPECT_EQ(m.stacks[0][2].dots, 3u);
  EXPECT_EQ(m.stacks[1][1].dots, 2u);
  EXPECT_EQ(m.scale.dotScale, 1);
  EXPECT_DOUBLE_EQ(view->dotDiameter(), view->fullDotDiameter());
  EXPECT_TRUE(view->keyText().empty());
  const wxImage img = render();
  EXPECT_EQ(expectStacksDrawn(img, *view), 9u);
  // Dots of Set 1 only in the upper band, of Set 2 only in the lower.
  auto red = [](const wxImage& i, int x, int y) { return i.GetRed(x, y) > 150 && i.GetBlue(x, y) < 80; };
  auto blue = [](const wxImage& i, int x, int y) { return i.GetBlue(x, y) > 150 && i.GetRed(x, y) < 80; };
  EXPECT_EQ(count(img, 0, view->baselineY(0) + 1, 399, 299, red), 0);
  EXPECT_EQ(count(img, 0, 0, 399, view->baselineY(0), blue), 0);

  // Grouped data: the reason in place of the dots.
  view->setReason("No dots for grouped data.");
  EXPECT_EQ(colouredCount(render()), 0);
  view->setSets(&a, nullptr);
  EXPECT_TRUE(view->getReason().empty());
  EXPECT_EQ(expectStacksDrawn(render(), *view), 6u);
}

// A stack taller than the band: first the dots shrink until it fits; past the
// smallest size each dot stands for several observations, and the key says how many.
TEST_F(DotPlotViewTest, TallStacksShrinkTheDotsThenADotStandsForSeveral) {
  const tally::DataSet empty;
  view->setSets(&empty, &empty);
  const int band = static_cast<int>(std::floor(view->stackRoom() / view->fullDotDiameter()));
  ASSERT_GE(band, 3);

  // Twice the band: dots of half the size, still one each.
  tally::DataSet a = setOf({{1, 1}, {2, 2.0 * band}, {3, 3}});
  view->setSets(&a, nullptr);
  tally::DotPlotModel m = view->plotModel();
  EXPECT_EQ(m.scale.perDot, 1);
  EXPECT_DOUBLE_EQ(view->dotDiameter(), view->fullDotDiameter() / 2);
  EXPECT_TRUE(view->keyText().empty());
  EXPECT_EQ(expectStacksDrawn(render(), *view), 2u * band + 4);
  // The tallest stack's top stays inside the band, under the set's name.
  EXPECT_GE(view->baselineY(0) - 2.0 * band * view->dotDiameter(),
            view->baselineY(0) - view->stackRoom());

  // 1000 observations, 400 of them at 7: a dot stands for 1, 2 or 5 times a power of ten.
  tally::DataSet big = setOf({{1, 100}, {2, 100}, {3, 100}, {4, 100}, {5, 100}, {6, 100}, {7, 400}});
  view->setSets(&big, &a);
  m = view->plotModel();
  const double k = m.scale.perDot;
  EXPECT_GT(k, 1);
  EXPECT_EQ(view->keyText(), wxString::Format("Each dot stands for %d observations", int(k)));
  EXPECT_EQ(m.stacks[0][6].dots, static_cast<std::uint64_t>(std::ceil(400 / k)));
  // Both sets by the same key: Set 2's stack of 2 * band observations has fewer dots.
  EXPECT_EQ(m.stacks[1][1].dots, static_cast<std::uint64_t>(std::ceil(2 * band / k)));
  EXPECT_GE(view->baselineY(0) - m.stacks[0][6].dots * view->dotDiameter(),
            view->baselineY(0) - view->stackRoom() - 1);
  expectStacksDrawn(render(), *view);
}

TEST_F(DotPlotViewTest, EverySetterMarksThePictureStale) {
  const tally::DataSet a = setOf({{2, 1}, {3, 2}});
  const std::vector<std::function<void()>> setters = {
      [&] { view->setSets(&a, nullptr); },
      [&] { view->setReason("why"); },
      [&] { view->setSetNames("A", "B"); },
  };
  for (const auto& set : setters) {
    view->bufferSnapshot();
    ASSERT_FALSE(view->isPictureStale());
    set();
    EXPECT_TRUE(view->isPictureStale());
  }
}

// ---- Redrawing over the last picture

namespace {

// How a redraw after an edit goes: the whole picture anew, or only a box of it
// redrawn (columns that only grew or shrank), or either.
enum class Redraw { Either, Whole, WithinBox };

struct Edit {
  const char* what;
  std::function<void()> apply;
  Redraw redraw = Redraw::Either;
};

// After each edit the view redraws its buffer over the picture before (whiting
// only what that one drew, or only the box where the two differ); the result
// must be the picture drawn fresh on white, pixel for pixel: a stale pixel of an
// earlier picture fails it.
void expectEachRedrawAsDrawnFresh(BufferedGraphView* view, const std::vector<Edit>& edits) {
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.what);
    edit.apply();
    wxTheApp->ProcessPendingEvents();
    ASSERT_TRUE(view->isPictureStale());
    const int drawings = view->bufferDrawings();
    const wxImage redrawn = view->bufferSnapshot().ConvertToImage();
    EXPECT_EQ(view->bufferDrawings(), drawings + 1);
    const wxRect box = view->lastRedrawnBox();
    if (edit.redraw == Redraw::Whole) {
      EXPECT_TRUE(box.IsEmpty()) << "kept to a box";
    }
    if (edit.redraw == Redraw::WithinBox) {
      EXPECT_FALSE(box.IsEmpty()) << "drawn whole";
      // No more than the edited columns: far less than the picture.
      EXPECT_LE(2 * box.width * box.height, view->getBufferWidth() * view->getBufferHeight());
    }
    const wxImage fresh = renderOnWhite(view->getBufferWidth(), view->getBufferHeight(),
                                        [view](wxDC& dc) { view->draw(dc); });
    EXPECT_EQ(differingPixels(redrawn, fresh), 0);
  }
}

// A view handed what it already shows stays as drawn: not stale, not drawn again.
void expectNoneRedraws(BufferedGraphView* view, const std::vector<Edit>& handOvers) {
  view->redrawBufferIfStale();
  for (const Edit& same : handOvers) {
    SCOPED_TRACE(same.what);
    const int drawings = view->bufferDrawings();
    same.apply();
    wxTheApp->ProcessPendingEvents();
    EXPECT_FALSE(view->isPictureStale());
    view->redrawBufferIfStale();
    EXPECT_EQ(view->bufferDrawings(), drawings);
  }
}

// Columns of width 1 from x = -4 at the given heights, in one series.
tally::Series histogram(tally::Colour colour, std::initializer_list<double> heights) {
  tally::Series s = column(colour, 0, 0, 1);
  s.columnAlign = tally::ColumnStartsAtX;
  s.segments.assign(1, {});
  double x = -4;
  for (double h : heights) s.segments[0].push_back({x++, h});
  return s;
}

}  // namespace

TEST_F(ColumnViewTest, EachRedrawAfterAnEditIsThePictureDrawnFresh) {
  tally::Series set1 = histogram(tally::colours::green, {1, 3, 4, 2, 0.5, 1});
  tally::Series set2 = histogram(tally::colours::blue, {2, 1, 1, 3});
  ColumnGraphView::BoxMark mark;
  mark.centreX = 3;
  mark.rightX = 3.5;
  mark.mean = 2;
  mark.values = {{1, "1"}, {2.5, "2.5"}, {4, "4"}};
  const std::vector<Edit> edits = {
      {"first picture", [&] { view->setSeries(&set1, nullptr, nullptr, nullptr); }},
      {"a column grows",
       [&] {
         set1.segments[0][1].y = 4.5;
         view->setSeries(&set1, nullptr, nullptr, nullptr);
       },
       Redraw::WithinBox},
      {"it shrinks back",
       [&] {
         set1.segments[0][1].y = 3;
         view->setSeries(&set1, nullptr, nullptr, nullptr);
       },
       Redraw::WithinBox},
      {"the range grows",
       [&] {
         view->setYMax(9);
         view->setXMax(7);
         view->setTitle("Set 1");
         view->redrawPicture();
       }},
      {"columns shrink",
       [&] {
         set1 = histogram(tally::colours::green, {0.5, 1, 1.5, 1});
         view->setSeries(&set1, nullptr, nullptr, nullptr);
       }},
      {"the range shrinks",
       [&] {
         view->setYMax(3);
         view->setXMax(4);
         view->redrawPicture();
       }},
      {"a second series over the first", [&] { view->setSeries(&set1, &set2, nullptr, nullptr); }},
      {"renamed",
       [&] {
         view->setTitle("Class 7B, a much longer title");
         view->setNamesUnder({{-3, "Set 1"}, {2, "Set 2"}});
       }},
      {"names moved", [&] { view->setNamesUnder({{0, "Class 7A"}}); }},
      {"marks and values",
       [&] {
         view->setBoxMarks({mark});
         view->setShowValues(true);
       }},
      {"zoom step",
       [&] {
         view->setFontSize(view->getFontSize() + 3);
         view->redrawPicture();
       }},
      {"resized smaller", [&] { view->SetClientSize(320, 240); }},
      {"resized larger", [&] { view->SetClientSize(420, 330); }},
      {"values hidden, title gone",
       [&] {
         view->setShowValues(false);
         view->setBoxMarks({});
         view->setTitle("");
       }},
      {"no grid and no columns",
       [&] {
         view->setGridStyle(0);
         view->setSeries(nullptr, nullptr, nullptr, nullptr);
       }},
      {"grid again, two series",
       [&] {
         view->setGridStyle(3);
         view->redrawPicture();
         set1 = histogram(tally::colours::green, {1, 3, 4, 2, 0.5, 1});
         view->setSeries(&set1, &set2, nullptr, nullptr);
       },
       Redraw::Whole},
      {"a column of the lower series grows under the upper one",
       [&] {
         set1.segments[0][1].y = 2.5;
         view->setSeries(&set1, &set2, nullptr, nullptr);
       },
       Redraw::WithinBox},
      {"a column of the upper series shrinks over the lower one",
       [&] {
         set2.segments[0][2].y = 0.5;
         view->setSeries(&set1, &set2, nullptr, nullptr);
       },
       Redraw::WithinBox},
      {"a column drops to nothing",
       [&] {
         set1.segments[0][4].y = 0;
         view->setSeries(&set1, &set2, nullptr, nullptr);
       },
       Redraw::WithinBox},
      {"a column grows out of the top of the window",
       [&] {
         set1.segments[0][0].y = 40;
         view->setSeries(&set1, &set2, nullptr, nullptr);
       },
       Redraw::WithinBox},
      {"columns far apart", [&] {
         set1.segments[0][0].y = 1;
         set1.segments[0][5].y = 3;
         view->setSeries(&set1, &set2, nullptr, nullptr);
       }},
      {"a column with a new title",
       [&] {
         set1.segments[0][2].y = 2;
         view->setSeries(&set1, &set2, nullptr, nullptr);
         view->setTitle("Set 1");
       },
       Redraw::Whole},
      {"a column with a new range",
       [&] {
         set1.segments[0][2].y = 3;
         view->setSeries(&set1, &set2, nullptr, nullptr);
         view->setYMax(6);
         view->redrawPicture();
       },
       Redraw::Whole},
      {"a column wider",
       [&] {
         set1.columnWidth = 1.5;
         view->setSeries(&set1, &set2, nullptr, nullptr);
       },
       Redraw::Whole},
      {"the caption only", [&] {
         view->setYAxisLabel("Relative frequency (%)");
         view->redrawPicture();
       }, Redraw::Whole},
      {"counts in whole units only", [&] {
         view->getYScale().wholeUnits = !view->getYScale().wholeUnits;
         view->redrawPicture();
       }},
      {"thicker lines only", [&] {
         view->setLineScale(2);
         view->redrawPicture();
       }, Redraw::Whole},
      {"the axes cross elsewhere", [&] {
         view->setAxisIntersection(-2, 1);
         view->redrawPicture();
       }, Redraw::Whole},
  };
  expectEachRedrawAsDrawnFresh(view, edits);
}

TEST_F(PercentileViewTest, EachRedrawAfterAnEditIsThePictureDrawnFresh) {
  tally::Series set1 = curve(tally::colours::red, {{-4, 0}, {-1, 1}, {1, 3}, {3, 4}});
  tally::Series set2 = curve(tally::colours::blue, {{-3, 0}, {0, 2}, {2, 4}});
  const std::vector<Edit> edits = {
      {"first picture",
       [&] {
         view->setCurve(0, &set1);
         view->setPercentage(2);
         view->setSet1Percentile(0.5);
       }},
      {"second curve",
       [&] {
         view->setCurve(1, &set2);
         view->setSet2Percentile(0);
       }},
      {"curve moves",
       [&] {
         set1.segments[0][2] = {2, 3.5};
         view->setCurve(0, &set1);
         view->setSet1Percentile(1.5);
       }},
      {"percentage lower", [&] { view->setPercentage(0.5); }},
      {"renamed", [&] { view->setSetNames("Class 7A", "Class 7B with a long name"); }},
      {"zoom step",
       [&] {
         view->setMarkerFontSize(13);
         view->setFontSize(view->getFontSize() + 3);
       }},
      {"range grows",
       [&] {
         view->setXMax(9);
         view->setYMax(8);
         view->redrawPicture();
       }},
      {"resized", [&] { view->SetClientSize(350, 250); }},
      {"first curve gone", [&] { view->setCurve(0, nullptr); }},
      {"first curve back", [&] { view->setCurve(0, &set1); }},
      {"its percentile only", [&] { view->setSet1Percentile(-2); }},
      {"the percentage only", [&] { view->setPercentage(3.5); }},
      {"the other curve moves",
       [&] {
         set2.segments[0][1] = {0, 2.5};
         view->setCurve(1, &set2);
       }},
      {"the caption only", [&] {
         view->setXAxisLabel("Marks");
         view->redrawPicture();
       }},
  };
  expectEachRedrawAsDrawnFresh(view, edits);
}

// Every refresh hands each view its series, names, marks and ranges again; a
// view whose picture would stay the same is left as it was drawn.
TEST_F(ColumnViewTest, WhatItAlreadyShowsIsNotDrawnAgain) {
  tally::Series set1 = histogram(tally::colours::green, {1, 3, 4, 2});
  ColumnGraphView::BoxMark mark;
  mark.centreX = 3;
  mark.rightX = 3.5;
  mark.mean = 2;
  mark.values = {{1, "1"}, {2.5, "2.5"}};
  view->setSeries(&set1, nullptr, nullptr, nullptr);
  view->setTitle("Set 1");
  view->setNamesUnder({{-4, "Set 1"}});
  view->setBoxMarks({mark});
  view->setShowValues(true);
  const tally::Series again = set1;  // another record, the same values
  const double xMax = view->getXMax();
  const std::vector<Edit> handOvers = {
      {"the same series in another record",
       [&] { view->setSeries(&again, nullptr, nullptr, nullptr); }},
      {"the same title, names and marks",
       [&] {
         view->setTitle("Set 1");
         view->setNamesUnder({{-4, "Set 1"}});
         view->setBoxMarks({mark});
         view->setShowValues(true);
       }},
      {"the same ranges, caption and units",
       [&] {
         view->setXMax(xMax);
         view->setYAxisLabel(view->getYAxisLabel());
         view->setXAutoScale(true);
         view->getYScale().wholeUnits = view->getYScale().wholeUnits;
         view->redrawPicture();
       }},
      {"scaled as drawn",
       [&] {
         view->updateScales();
         view->redrawPicture();
       }},
  };
  expectNoneRedraws(view, handOvers);
  EXPECT_EQ(view->getSlot(0), &again);
  // A change taken back before the next paint leaves nothing to draw either.
  const int drawings = view->bufferDrawings();
  set1.segments[0][0].y = 2;
  view->setSeries(&set1, nullptr, nullptr, nullptr);
  view->setSeries(&again, nullptr, nullptr, nullptr);
  view->setXMax(xMax + 3);
  view->setXMax(xMax);
  view->redrawPicture();
  view->redrawBufferIfStale();
  EXPECT_FALSE(view->isPictureStale());
  EXPECT_EQ(view->bufferDrawings(), drawings);
}

TEST_F(PercentileViewTest, WhatItAlreadyShowsIsNotDrawnAgain) {
  tally::Series set1 = curve(tally::colours::red, {{-4, 0}, {-1, 1}, {1, 3}, {3, 4}});
  view->setCurve(0, &set1);
  view->setSet1Percentile(0.5);
  view->setPercentage(2);
  view->setSetNames("Class 7A", "Class 7B");
  const tally::Series again = set1;
  const std::vector<Edit> handOvers = {
      {"the same curve in another record", [&] { view->setCurve(0, &again); }},
      {"still no second curve", [&] { view->setCurve(1, nullptr); }},
      {"the same percentiles and names",
       [&] {
         view->setSet1Percentile(0.5);
         view->setSet2Percentile(0);
         view->setPercentage(2);
         view->setSetNames("Class 7A", "Class 7B");
         view->setMarkerFontSize(view->getMarkerFontSize());
       }},
      {"the same range", [&] {
         view->setXMin(view->getXMin());
         view->redrawPicture();
       }},
  };
  expectNoneRedraws(view, handOvers);
  EXPECT_EQ(view->getCurve(0), &again);
  // An explicit repaint request still draws the whole picture anew.
  view->Refresh(false);
  EXPECT_TRUE(view->isPictureStale());
}

// The marker texts are each drawn once into a picture of their own and laid over
// wherever they stand next: a percentile going back and forth draws no text anew.
// Laid over, they look as drawn directly.
TEST_F(PercentileViewTest, MarkerTextsAreDrawnOnceAndLookAsDrawnDirectly) {
  tally::Series set1 = curve(tally::colours::red, {{-4, 0}, {-1, 1}, {1, 3}, {3, 4}});
  tally::Series set2 = curve(tally::colours::blue, {{-3, 0}, {0, 2}, {2, 4}});
  view->setCurve(0, &set1);
  view->setCurve(1, &set2);
  view->setSet1Percentile(0.5);
  view->setSet2Percentile(1);
  view->setPercentage(2);
  auto directly = [this] {
    GraphLayer::setEnabled(false);
    const wxImage img = render();
    GraphLayer::setEnabled(true);
    return img;
  };
  const wxImage direct = directly();
  EXPECT_EQ(view->markerTextsDrawn(), 0);
  const wxImage kept = render();
  // Two names, two numbers and the percentage.
  EXPECT_EQ(view->markerTextsDrawn(), 5);
  // Texts laid over may round their edge pixels differently.
  EXPECT_EQ(differingPixels(direct, kept, 8), 0);
  EXPECT_EQ(differingPixels(render(), kept), 0);
  EXPECT_EQ(view->markerTextsDrawn(), 5);

  view->setSet1Percentile(1.5);  // a new number, and its marker moved
  const wxImage moved = render();
  EXPECT_EQ(view->markerTextsDrawn(), 6);
  EXPECT_EQ(differingPixels(directly(), moved, 8), 0);
  EXPECT_GT(differingPixels(kept, moved), 0);
  view->setSet1Percentile(0.5);
  EXPECT_EQ(differingPixels(render(), kept), 0);
  view->setSet1Percentile(1.5);
  EXPECT_EQ(differingPixels(render(), moved), 0);
  EXPECT_EQ(view->markerTextsDrawn(), 6);
  // Another font draws them anew.
  view->setMarkerFontSize(12);
  EXPECT_EQ(differingPixels(directly(), render(), 8), 0);
  EXPECT_EQ(view->markerTextsDrawn(), 11);
}
