// Pictures of the graph widget, checked by pixel. A new 400 x 300 graph shows
// -5..5 on both axes: 40 px per x unit (x = 200 + 40 u), 30 px per y unit (y = 150 - 30 u).
#include <wx/clipbrd.h>
#include <wx/graphics.h>

#include "coordsys_fixture.h"

namespace {

tally::Series columns(tally::Colour colour, std::vector<tally::WorldPoint> points) {
  tally::Series s;
  s.style = tally::ColumnsStyle;
  s.columnWidth = 1;
  s.columnAlign = tally::ColumnCentredOnX;
  s.lineColour = colour;
  s.fillColour = colour;
  s.segments.push_back(points);
  return s;
}

}  // namespace

TEST_F(CoordSysTest, NewGraphKeepsMinusFiveToFiveAndDrawsGridAtTicks) {
  graph->updateScales();
  EXPECT_EQ(graph->getXScale().getMin(), -5);
  EXPECT_EQ(graph->getXScale().getMax(), 5);
  EXPECT_EQ(graph->getYScale().getMin(), -5);
  EXPECT_EQ(graph->getYScale().getMax(), 5);
  wxImage img = render();
  // Vertical grid line at x = 1 (pixel 240), horizontal one at y = 4 (pixel 30): grey 204.
  EXPECT_NEAR(img.GetRed(240, 50), 204, 8);
  EXPECT_NEAR(img.GetGreen(100, 30), 204, 8);
  EXPECT_TRUE(white(img, 250, 50));  // between grid lines
  graph->setGridStyle(1);            // horizontal lines only
  img = render();
  EXPECT_TRUE(white(img, 240, 50));
  EXPECT_NEAR(img.GetGreen(100, 30), 204, 8);
  graph->setGridStyle(0);
  img = render();
  EXPECT_TRUE(white(img, 100, 30));
}

TEST_F(CoordSysTest, AxesCrossAtTheOriginWithArrowheadsAtBothEnds) {
  graph->updateScales();
  wxImage img = render();
  EXPECT_TRUE(dark(img, 100, 150));  // horizontal axis
  EXPECT_TRUE(dark(img, 200, 100));  // vertical axis
  EXPECT_TRUE(white(img, 100, 140));
  // Arrowheads 16 long, 8 wide: 10 px in from a tip they are 5 px wide.
  EXPECT_TRUE(dark(img, 390, 152));
  EXPECT_TRUE(dark(img, 10, 152));
  EXPECT_TRUE(dark(img, 202, 10));
  EXPECT_TRUE(dark(img, 202, 290));
  EXPECT_TRUE(white(img, 390, 158));  // outside the head
  // Major tick at x = 1 reaches 4 below and 5 above the axis; labels "1" below it.
  EXPECT_TRUE(dark(img, 240, 146));
  EXPECT_GT(darkCount(img, 232, 157, 248, 175), 3);
}

TEST_F(CoordSysTest, CrossingLabelAndOriginCircleDependOnBothAxes) {
  graph->updateScales();
  wxImage both = render();
  // The "0" below the origin would lie around x 196..204; left of the vertical axis it is empty.
  EXPECT_EQ(darkCount(both, 193, 160, 198, 174), 0);
  // The origin circle, radius 8: its point at 45 degrees is near (205.7, 144.3).
  EXPECT_GT(darkCount(both, 204, 143, 207, 146), 0);

  graph->setAxesStyle(1);  // horizontal axis only
  graph->updateScales();
  wxImage one = render();
  EXPECT_GT(darkCount(one, 193, 158, 207, 176), 3);  // the "0" label is back
  EXPECT_EQ(darkCount(one, 204, 143, 207, 146), 0);  // no circle
  EXPECT_FALSE(dark(one, 200, 100));                  // no vertical axis
}

TEST_F(CoordSysTest, AxesOutsideAFarWindowArePinnedToTheEdges) {
  graph->setXMin(10);
  graph->setXMax(20);
  graph->setYMin(10);
  graph->setYMax(20);
  graph->updateScales();
  EXPECT_EQ(graph->getXScale().getMin(), 10);
  EXPECT_EQ(graph->getYScale().getMin(), 10);
  tally::Margins m = graph->computeMargins(false);
  const int row = 300 - graph->worldHeightToPixels(m.below);
  const int col = graph->worldWidthToPixels(m.left);
  ASSERT_GT(row, 250);
  ASSERT_LT(row, 290);
  ASSERT_GT(col, 20);
  ASSERT_LT(col, 80);
  wxImage img = render();
  EXPECT_TRUE(dark(img, 200, row));
  EXPECT_TRUE(dark(img, col, 100));
  // Labels show the window's values: "12" below x = 12 (pixel 80), "18" left of y = 18 (pixel 60).
  EXPECT_GT(darkCount(img, 70, row + 6, 90, row + 22), 3);
  EXPECT_GT(darkCount(img, 0, 52, col - 8, 68), 3);
  EXPECT_EQ(darkCount(img, 110, 100, 190, 140), 0);  // nothing in the middle
}

TEST_F(CoordSysTest, ColumnsStandOnZeroAndHangDownForNegativeValues) {
  graph->updateScales();
  graph->addSeries(columns(tally::colours::green, {{3, 5}, {-3, -2}}));
  wxImage img = render();
  // (3, 5): x 2.5..3.5 is pixels 300..340, y 0..5 is pixels 150..0.
  EXPECT_TRUE(pureGreen(img, 303, 75));
  EXPECT_TRUE(pureGreen(img, 337, 75));
  EXPECT_TRUE(pureGreen(img, 310, 3));
  EXPECT_TRUE(pureGreen(img, 310, 146));
  EXPECT_TRUE(white(img, 296, 75));
  EXPECT_TRUE(white(img, 344, 75));
  EXPECT_FALSE(pureGreen(img, 310, 156));
  // (-3, -2): x -3.5..-2.5 is pixels 60..100, y -2..0 is pixels 210..150.
  EXPECT_TRUE(pureGreen(img, 70, 170));
  EXPECT_TRUE(pureGreen(img, 70, 206));
  EXPECT_FALSE(pureGreen(img, 70, 215));
  EXPECT_FALSE(pureGreen(img, 70, 140));
}

TEST_F(CoordSysTest, OverlappingColoursMultiplyWhilePlainColoursStayThemselves) {
  wxBitmap probe(4, 4, 24);
  wxMemoryDC probeDc(probe);
  ASSERT_NE(probeDc.GetGraphicsContext(), nullptr) << "memory contexts are cairo-backed here";
  probeDc.SelectObject(wxNullBitmap);

  graph->setGridStyle(0);
  graph->updateScales();
  graph->addSeries(columns(tally::colours::green, {{3, 4}}));
  graph->addSeries(columns(tally::colours::cyan, {{3.5, 3}}));  // overlaps x 3..3.5
  graph->addSeries(columns(tally::colours::red, {{-3, 3}}));
  wxImage img = render();
  EXPECT_TRUE(pureGreen(img, 310, 80));  // green alone
  // Cyan alone (x 3.5..4, pixels 340..360).
  EXPECT_LT(img.GetRed(350, 80), 30);
  EXPECT_GT(img.GetBlue(350, 80), 225);
  // Cyan over green is green: (0,255,0) AND (0,255,255).
  EXPECT_TRUE(pureGreen(img, 330, 80));
  // Red on white is red.
  EXPECT_GT(img.GetRed(80, 100), 225);
  EXPECT_LT(img.GetGreen(80, 100), 30);
}

TEST_F(CoordSysTest, MarkersFillTheirBoxes) {
  graph->updateScales();
  wxBitmap bmp(400, 300, 24);
  wxMemoryDC dc(bmp);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxBLACK_BRUSH);
  graph->drawMarker(dc, 0, 0, tally::SquareMarker, 4);      // centre (200, 150)
  graph->drawMarker(dc, -2.5, 0, tally::CircleMarker, 4);   // centre (100, 150)
  graph->drawMarker(dc, 2.5, 0, tally::DiamondMarker, 4);   // centre (300, 150)
  graph->drawMarker(dc, 0, 2.5, 7, 4);                      // no such shape: nothing
  dc.SelectObject(wxNullBitmap);
  wxImage img = bmp.ConvertToImage();
  // Square: 9 x 9 from (196, 146) to (204, 154).
  EXPECT_EQ(darkCount(img, 196, 146, 204, 154), 81);
  EXPECT_EQ(darkCount(img, 190, 140, 210, 160), 81);
  // Circle in an 8 x 8 box from (96, 146): centre filled, corners of the box empty.
  EXPECT_TRUE(dark(img, 100, 150));
  EXPECT_FALSE(dark(img, 96, 146));
  EXPECT_EQ(darkCount(img, 90, 140, 95, 160), 0);
  // Diamond: tips 4 px from the centre.
  EXPECT_TRUE(dark(img, 300, 150));
  EXPECT_TRUE(dark(img, 300, 147));
  EXPECT_FALSE(dark(img, 297, 147));
  EXPECT_EQ(darkCount(img, 190, 60, 210, 90), 0);
}

TEST_F(CoordSysTest, PolylinesPointsAndPointLabelsAreDrawn) {
  graph->setGridStyle(0);
  graph->setAxesStyle(0);
  graph->updateScales();
  tally::Series line;
  line.lineColour = tally::colours::red;
  line.segments = {{{-4, 4}, {-1, 4}}, {{1, 4}, {4, 4}}};  // two segments, a gap between
  graph->addSeries(line);
  tally::Series dots;
  dots.style = tally::PointsStyle;
  dots.penWidth = 6;
  dots.lineColour = tally::colours::black;
  dots.segments = {{{-2, -2}}};
  graph->addSeries(dots);
  tally::PointLabel label;
  label.x = 2;
  label.y = -2;
  label.colour = tally::colours::black;
  graph->addPointLabel(label);
  wxImage img = render();
  EXPECT_GT(img.GetRed(100, 30), 200);  // y = 4 is pixel 30
  EXPECT_LT(img.GetGreen(100, 30), 60);
  EXPECT_TRUE(white(img, 200, 30));  // the gap between segments
  EXPECT_TRUE(dark(img, 120, 210));  // the dot at (-2, -2)
  EXPECT_TRUE(dark(img, 122, 210));
  EXPECT_TRUE(dark(img, 280, 210));  // the point label's circle
}

TEST_F(CoordSysTest, CtrlCPutsABitmapOfThePictureOnTheClipboard) {
  graph->updateScales();
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->Clear();
  wxTheClipboard->Close();

  wxKeyEvent plainC(wxEVT_KEY_DOWN);
  plainC.m_keyCode = 'C';
  plainC.SetEventObject(graph);
  graph->GetEventHandler()->ProcessEvent(plainC);
  ASSERT_TRUE(wxTheClipboard->Open());
  EXPECT_FALSE(wxTheClipboard->IsSupported(wxDF_BITMAP));
  wxTheClipboard->Close();

  wxKeyEvent ctrlC(wxEVT_KEY_DOWN);
  ctrlC.m_keyCode = 'C';
  ctrlC.m_controlDown = true;
  ctrlC.SetEventObject(graph);
  graph->GetEventHandler()->ProcessEvent(ctrlC);
  ASSERT_TRUE(wxTheClipboard->Open());
  ASSERT_TRUE(wxTheClipboard->IsSupported(wxDF_BITMAP));
  wxBitmapDataObject data;
  ASSERT_TRUE(wxTheClipboard->GetData(data));
  wxTheClipboard->Close();
  wxBitmap bmp = data.GetBitmap();
  // The arrowheads reach the right edge (400) and the bottom (300): plus 10 each way.
  EXPECT_EQ(bmp.GetWidth(), 410);
  EXPECT_EQ(bmp.GetHeight(), 310);
  wxImage img = bmp.ConvertToImage();
  EXPECT_TRUE(dark(img, 100, 150));
  EXPECT_TRUE(white(img, 405, 100));
}

// ---- Faults seen on classroom data

TEST_F(CoordSysTest, APinnedAxisFarFromTheOriginKeepsItsLabelsOnTheCanvas) {
  // Classes 1980 / 5 / 8 on an ogive: world 0 lies thousands of pixels to the left.
  graph->setXMin(1975);
  graph->setXMax(2025);
  graph->setYMin(0);
  graph->setYMax(110);
  graph->updateScales();
  const tally::Margins m = graph->computeMargins(false);
  const int col = graph->worldWidthToPixels(m.left);
  ASSERT_GT(col, 20);  // the pinned axis leaves room for "100" on its left
  ASSERT_LT(col, 80);
  wxImage img = render();
  EXPECT_TRUE(dark(img, col, 150));
  const int y100 = graph->worldToPixelY(100);
  EXPECT_GT(darkCount(img, 0, y100 - 8, col - 6, y100 + 8), 5);  // "100" beside its tick
}

TEST_F(CoordSysTest, TickLabelsFarFromZeroAreDistinct) {
  // "%.5g" printed 100001 and 100002 both as "1e+05".
  graph->setAxesStyle(1);
  graph->setGridStyle(0);
  graph->setXMin(99999.5);
  graph->setXMax(100007.5);  // 50 px per unit: ticks at 100000..100007
  graph->setYMin(-5);
  graph->setYMax(5);
  graph->updateScales();
  ASSERT_DOUBLE_EQ(graph->getXScale().getTickUnit(), 1);
  wxImage img = render();
  auto label = [&](double v) {
    const int x = graph->worldToPixelX(v);
    return img.GetSubImage(wxRect(x - 24, 156, 48, 18));
  };
  // Six digits are wider than a unit's 50 px less the gap: every second tick is named.
  const wxImage a = label(100002), b = label(100004);
  EXPECT_GT(darkCount(a, 0, 0, 47, 17), 5);
  EXPECT_NE(std::vector<unsigned char>(a.GetData(), a.GetData() + 48 * 18 * 3),
            std::vector<unsigned char>(b.GetData(), b.GetData() + 48 * 18 * 3));
}

TEST_F(CoordSysTest, RangeEndsARoundingErrorFromATickCarryNoHalfLabels) {
  // Classes 0.3 / 0.1 / 5: 0.09999999999999998 .. 0.9000000000000001.
  graph->setAxesStyle(1);
  graph->setGridStyle(0);
  graph->setXMin(0.3 - 2 * 0.1);
  graph->setXMax(0.3 + 6 * 0.1);
  graph->updateScales();
  wxImage img = render();
  EXPECT_EQ(darkCount(img, 0, 157, 12, 175), 0);    // no ".1" at the left end
  EXPECT_EQ(darkCount(img, 387, 157, 399, 175), 0);  // no "0." at the right end
  EXPECT_GT(darkCount(img, graph->worldToPixelX(0.5) - 10, 157, graph->worldToPixelX(0.5) + 10, 175),
            5);
}

TEST_F(CoordSysTest, ALabelTheEdgeWouldCutIsLeftOut) {
  // "-5" centred 2 px from the left edge would show as "5".
  graph->setAxesStyle(1);
  graph->setGridStyle(0);
  graph->setXMin(-5.05);
  graph->setXMax(4);  // 9.05 units: ticks every 1, so -5 is a tick
  graph->updateScales();
  ASSERT_DOUBLE_EQ(graph->getXScale().getTickUnit(), 1);
  ASSERT_LT(graph->worldToPixelX(-5), 4);
  wxImage img = render();
  EXPECT_EQ(darkCount(img, 0, 157, 14, 175), 0);
  EXPECT_GT(darkCount(img, graph->worldToPixelX(-4) - 8, 157, graph->worldToPixelX(-4) + 8, 175), 5);
}

TEST_F(CoordSysTest, APaneSmallerThanItsLabelRoomKeepsItsRange) {
  graph->setXMin(-5);
  graph->setXMax(5);
  for (wxSize size : {wxSize(34, 300), wxSize(400, 38), wxSize(50, 45)}) {
    graph->SetClientSize(size);
    wxTheApp->ProcessPendingEvents();
    graph->updateScales();
    // The label room was once scaled by w / (w - room) and blew -5..5 up to -32.5..38.6.
    EXPECT_LE(graph->getXScale().getMax() - graph->getXScale().getMin(), 20) << size.x;
    EXPECT_LE(graph->getYScale().getMax() - graph->getYScale().getMin(), 20) << size.y;
  }
}

TEST_F(CoordSysTest, TheCopiedPictureEndsAtTheWindowEvenWhenColumnsRunFarBeyond) {
  // Data 0.0012..0.0019 with the default width 0.75: every column is far wider than the window.
  graph->setXMin(0);
  graph->setXMax(0.0025);
  graph->setYMin(0);
  graph->setYMax(5);
  graph->updateScales();
  tally::Series wide = columns(tally::colours::green, {{0.0012, 2}, {0.0019, 3}});
  wide.columnWidth = 0.75;
  graph->addSeries(wide);
  const wxBitmap picture = graph->pictureBitmap();
  EXPECT_LE(picture.GetWidth(), 410);
  EXPECT_LE(picture.GetHeight(), 310);
}

TEST_F(CoordSysTest, AnOverflowingWindowStillShowsTheData) {
  // Values 1e308 and 1.7e308: the box range's upper end hi + 0.2 (hi - lo) overflows.
  const double lo = 1e308, hi = 1.7e308;
  graph->setAxesStyle(0);
  graph->setGridStyle(0);
  graph->setYMin(lo - 0.2 * (hi - lo));
  graph->setYMax(hi + 0.2 * (hi - lo));
  graph->updateScales();
  EXPECT_LE(graph->getYScale().getMin(), lo);
  EXPECT_GE(graph->getYScale().getMax(), hi);
  tally::Series box;
  box.lineColour = tally::colours::black;
  box.segments = {{{0, lo}, {0, hi}}};
  graph->addSeries(box);
  wxImage img = render();
  EXPECT_GT(darkCount(img, 195, 0, 205, 299), 100);
}
