// The graph's drawing shortcuts against plain drawing: batched columns, the kept
// axes layer, and the one-line test that spares a statistics text its wrapping.
#include <wx/dcmemory.h>
#include <wx/stattext.h>
#include <wx/textwrapper.h>

#include <string>
#include <vector>

#include "coordsys_fixture.h"
#include "ui/graph/DrawnAreas.h"
#include "ui/graph/GraphDrawing.h"
#include "ui/graph/TextMeasure.h"

namespace {

struct Box {
  int x, y, w, h;
};

}  // namespace

// Every arrangement columns come in: side by side sharing an edge, with a gap,
// overlapping their neighbour, one pixel high (an empty class), reaching back
// left of earlier ones, of varied heights, hanging below zero.
TEST(RectangleBatch, DrawsThePixelsOfDrawRectangleOneAfterAnother) {
  const std::vector<std::vector<Box>> cases = {
      {{10, 50, 11, 100}, {20, 80, 11, 70}, {30, 20, 11, 130}, {40, 149, 11, 1}},
      {{10, 40, 8, 60}, {25, 60, 8, 40}, {40, 10, 8, 90}},
      {{10, 40, 12, 60}, {18, 30, 12, 70}, {26, 90, 12, 10}},
      {{60, 40, 10, 60}, {20, 50, 10, 50}, {65, 70, 20, 30}, {0, 0, 1, 1}},
      {{10, 100, 15, 40}, {24, 100, 15, 80}, {38, 60, 15, 41}, {52, 100, 2, 2}},
  };
  const wxColour pen(0, 0, 160), fill(120, 200, 255);
  // Outline and fill, the outline alone, the fill alone, both inside a clip.
  const bool outlines[] = {true, true, false, true}, fills[] = {true, false, true, true};
  for (size_t k = 0; k < cases.size() * 4; ++k) {
    const size_t i = k % cases.size();
    const bool outlined = outlines[k / cases.size()], filled = fills[k / cases.size()];
    const bool clipped = k / cases.size() == 3;
    SCOPED_TRACE(testing::Message() << "case " << i << (outlined ? " outline" : "")
                                    << (filled ? " fill" : "") << (clipped ? " clipped" : ""));
    auto prepare = [&](wxDC& dc) {
      dc.SetPen(outlined ? wxPen(pen, 1) : *wxTRANSPARENT_PEN);
      dc.SetBrush(filled ? wxBrush(fill) : *wxTRANSPARENT_BRUSH);
      if (clipped) dc.SetClippingRegion(15, 45, 40, 80);
    };
    const wxImage plain = renderOnWhite(120, 200, [&](wxDC& dc) {
      prepare(dc);
      AntialiasOff crisp(dc);
      for (const Box& b : cases[i]) dc.DrawRectangle(b.x, b.y, b.w, b.h);
    });
    const wxImage batched = renderOnWhite(120, 200, [&](wxDC& dc) {
      prepare(dc);
      AntialiasOff crisp(dc);
      RectangleBatch batch;
      for (const Box& b : cases[i]) batch.add(b.x, b.y, b.w, b.h);
      batch.draw(dc);
    });
    EXPECT_EQ(differingPixels(plain, batched), 0);
    // Without antialiasing every pixel is white, the fill or the outline: no blends.
    int blends = 0;
    for (int y = 0; y < batched.GetHeight(); ++y)
      for (int x = 0; x < batched.GetWidth(); ++x) {
        const wxColour c(batched.GetRed(x, y), batched.GetGreen(x, y), batched.GetBlue(x, y));
        blends += c != *wxWHITE && c != pen && c != fill;
      }
    EXPECT_EQ(blends, 0);
  }
}

TEST(RectangleBatch, GrowsTheBoundingBoxAsDrawRectangleWould) {
  wxBitmap bmp(100, 100, 24);
  wxMemoryDC dc(bmp);
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxRED_BRUSH);
  dc.ResetBoundingBox();
  RectangleBatch batch;
  batch.add(10, 20, 11, 30);
  batch.add(20, 5, 11, 45);
  batch.draw(dc);
  EXPECT_EQ(dc.MinX(), 10);
  EXPECT_EQ(dc.MinY(), 5);
  EXPECT_EQ(dc.MaxX(), 31);
  EXPECT_EQ(dc.MaxY(), 50);
}

// Horizontal and vertical lines written as pixels cover exactly the pixels cairo's
// stroke without antialiasing covers: pens one to four pixels wide, square-cut or
// round-ended, lines either way round, of no length, crossing, partly outside the
// picture, inside a clip.
TEST(LineBatch, WritesThePixelsOfACrispStroke) {
  struct Line {
    int x1, y1, x2, y2;
  };
  const std::vector<Line> lines = {{5, 10, 60, 10},  {60, 20, 5, 20},  {30, 2, 30, 70},
                                   {40, 70, 40, 2},  {12, 40, 12, 40}, {-10, 50, 30, 50},
                                   {70, 60, 95, 60}, {50, -5, 50, 15}, {20, 35, 45, 35}};
  struct Case {
    int width;
    wxPenCap cap;
    bool clipped;
  };
  const std::vector<Case> cases = {{1, wxCAP_ROUND, false}, {2, wxCAP_BUTT, false},
                                   {3, wxCAP_BUTT, false},  {4, wxCAP_BUTT, false},
                                   {1, wxCAP_ROUND, true},  {3, wxCAP_BUTT, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.width << (c.clipped ? ", clipped" : ""));
    wxPen pen(wxColour(204, 204, 204), c.width, wxPENSTYLE_SOLID);
    pen.SetCap(c.cap);
    auto prepare = [&](wxDC& dc) {
      dc.SetPen(pen);
      if (c.clipped) dc.SetClippingRegion(wxRect(15, 8, 40, 50));
    };
    const wxImage batched = renderOnWhite(80, 80, [&](wxDC& dc) {
      prepare(dc);
      LineBatch batch;
      for (const Line& l : lines) batch.add(l.x1, l.y1, l.x2, l.y2);
      batch.stroke(dc);
    });
    const wxImage stroked = renderOnWhite(80, 80, [&](wxDC& dc) {
      prepare(dc);
      wxGraphicsContext* gc = dc.GetGraphicsContext();
      ASSERT_NE(gc, nullptr);
      gc->SetAntialiasMode(wxANTIALIAS_NONE);
      wxGraphicsPath path = gc->CreatePath();
      for (const Line& l : lines) {
        path.MoveToPoint(l.x1, l.y1);
        path.AddLineToPoint(l.x2, l.y2);
      }
      gc->StrokePath(path);
    });
    EXPECT_GT(differingPixels(batched, renderOnWhite(80, 80, [](wxDC&) {})), 50);
    EXPECT_EQ(differingPixels(batched, stroked), 0);
  }
}

// The axes laid over from the kept layer look as drawn directly, and the layer is
// drawn anew exactly when the axes change.
TEST_F(CoordSysTest, KeptAxesLookAsDrawnDirectlyAndFollowEveryChange) {
  struct Turn {
    const char* what;
    std::function<void()> change;
  };
  const std::vector<Turn> turns = {
      {"new graph", [] {}},
      {"wider x range", [this] { graph->setXMax(12); }},
      {"font size", [this] { graph->setFontSize(16); }},
      {"axis label", [this] { graph->setXAxisLabel("value"); }},
      {"no grid", [this] { graph->setGridStyle(0); }},
      {"axes at the edges", [this] { graph->setAxisIntersection(-5, -5); }},
  };
  for (const Turn& turn : turns) {
    SCOPED_TRACE(turn.what);
    turn.change();
    graph->updateScales();
    GraphLayer::setEnabled(false);
    const wxImage direct = render();
    GraphLayer::setEnabled(true);
    const wxImage kept = render();
    const wxImage again = render();
    // Texts laid over from the layer may round their edge pixels differently.
    EXPECT_EQ(differingPixels(direct, kept, 8), 0);
    EXPECT_EQ(differingPixels(kept, again), 0);
  }
}

TEST(GraphLayerTest, DrawsAnewOnlyForANewKeySizeOrScaleAndLaysOverOnlyItsParts) {
  GraphLayer layer;
  int painted = 0;
  auto paint = [&painted](wxDC& dc) {
    ++painted;
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.DrawRectangle(10, 10, 20, 20);
    dc.DrawRectangle(60, 60, 20, 20);
  };
  auto over = [&](int w, int h, const std::string& key, const std::vector<wxRect>& parts) {
    bool used = false;
    const wxImage img = renderOnWhite(w, h, [&](wxDC& dc) {
      used = layer.paintOver(dc, key, paint, parts);
    });
    EXPECT_TRUE(used);
    return img;
  };
  wxImage img = over(100, 100, "a", {});
  EXPECT_TRUE(dark(img, 20, 20));
  EXPECT_TRUE(dark(img, 70, 70));
  EXPECT_TRUE(white(img, 45, 45));
  over(100, 100, "a", {});
  EXPECT_EQ(painted, 1);
  EXPECT_EQ(layer.drawings(), 1);
  over(100, 100, "b", {});
  EXPECT_EQ(layer.drawings(), 2);
  over(120, 100, "b", {});
  EXPECT_EQ(layer.drawings(), 3);
  // Only the parts named are laid over.
  img = over(120, 100, "c", {wxRect(0, 0, 40, 40)});
  EXPECT_TRUE(dark(img, 20, 20));
  EXPECT_TRUE(white(img, 70, 70));
  EXPECT_EQ(painted, 4);
  // Back and forth between the last two comes back without drawing, each with its parts.
  img = over(120, 100, "b", {});
  EXPECT_TRUE(dark(img, 70, 70));
  img = over(120, 100, "c", {});
  EXPECT_TRUE(white(img, 70, 70));
  EXPECT_TRUE(dark(img, 20, 20));
  EXPECT_EQ(painted, 4);
  EXPECT_EQ(layer.drawings(), 4);
  // A third key drops the older of the two.
  over(120, 100, "d", {});
  over(120, 100, "c", {});
  EXPECT_EQ(painted, 5);
  over(120, 100, "b", {});
  EXPECT_EQ(painted, 6);
  // A size of its own makes even the last key's picture draw anew.
  over(100, 100, "b", {});
  EXPECT_EQ(painted, 7);
}

// Laid over pixel by pixel, a layer of antialiased texts, slanted and translucent
// shapes leaves every pixel as cairo's own compositing would: over stripes of
// colour, within a clip, and with parts that overlap.
TEST(GraphLayerTest, PixelsLaidOverByHandAreThoseCairoLays) {
  auto paint = [](wxDC& dc) {
    dc.SetFont(wxFont(wxFontInfo(11).Family(wxFONTFAMILY_SWISS)));
    dc.SetTextForeground(wxColour(20, 90, 30));
    dc.DrawText("Frequency 0.125", 8, 10);
    dc.SetPen(wxPen(wxColour(200, 0, 0), 3));
    dc.DrawLine(5, 90, 150, 20);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(0, 0, 255, 100)));
    dc.DrawEllipse(60, 40, 70, 45);
  };
  auto stripes = [](wxDC& dc) {
    const wxColour colours[] = {*wxBLACK, wxColour(255, 255, 0), wxColour(40, 160, 220), *wxWHITE};
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (int i = 0; i < 16; ++i) {
      dc.SetBrush(wxBrush(colours[i % 4]));
      dc.DrawRectangle(i * 10, 0, 10, 100);
    }
  };
  struct Case {
    const char* what;
    wxRect clip;
    std::vector<wxRect> parts;
  };
  const std::vector<Case> cases = {
      {"whole", {}, {}},
      {"clipped", wxRect(25, 15, 90, 60), {}},
      {"overlapping parts", {}, {wxRect(0, 0, 90, 70), wxRect(40, 30, 120, 70)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GraphLayer layer;
    auto laid = [&](bool byHand) {
      GraphLayer::setPixelBlending(byHand);
      const wxImage img = renderOnWhite(160, 100, [&](wxDC& dc) {
        stripes(dc);
        if (!c.clip.IsEmpty()) dc.SetClippingRegion(c.clip);
        EXPECT_TRUE(layer.paintOver(dc, "k", paint, c.parts));
      });
      GraphLayer::setPixelBlending(true);
      return img;
    };
    const wxImage byHand = laid(true), byCairo = laid(false);
    EXPECT_EQ(layer.drawings(), 1);
    EXPECT_GT(differingPixels(byHand, renderOnWhite(160, 100, stripes)), 1000);
    EXPECT_EQ(differingPixels(byHand, byCairo), 0);
  }
}

TEST(GraphLayerTest, OnlyAnUnscaledMemoryContextTakesALayer) {
  wxBitmap bmp(50, 50, 24);
  wxMemoryDC dc(bmp);
  EXPECT_TRUE(GraphLayer::suits(dc));
  dc.SetUserScale(2, 2);
  EXPECT_FALSE(GraphLayer::suits(dc));
  dc.SetUserScale(1, 1);
  dc.SetDeviceOrigin(5, 0);
  EXPECT_FALSE(GraphLayer::suits(dc));
  dc.SetDeviceOrigin(0, 0);
  GraphLayer::setEnabled(false);
  EXPECT_FALSE(GraphLayer::suits(dc));
  GraphLayer::setEnabled(true);
  EXPECT_TRUE(GraphLayer::suits(dc));
}

// Whenever the quick test says one line, wrapping agrees; it says nothing for
// texts near the limit, longer ones, or ones with a line break.
// A font's key is its description, the same whether remembered or not, and a
// font changed after it was keyed (or another made in its place) gets its own.
TEST(FontKey, FollowsTheFontNotTheObjectsAddress) {
  wxFont font(wxFontInfo(10).Family(wxFONTFAMILY_SWISS).Bold());
  EXPECT_EQ(fontKey(font), font.GetNativeFontInfoDesc());
  EXPECT_EQ(fontKey(font), font.GetNativeFontInfoDesc());
  font.SetPointSize(17);
  EXPECT_EQ(fontKey(font), font.GetNativeFontInfoDesc());
  EXPECT_NE(fontKey(font), fontKey(wxFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS).Bold())));
  // More fonts than are remembered, each made anew: every one still keyed as itself.
  for (int size = 6; size < 40; ++size) {
    const wxFont made(wxFontInfo(size).Family(wxFONTFAMILY_ROMAN));
    EXPECT_EQ(fontKey(made), made.GetNativeFontInfoDesc()) << size;
  }
  EXPECT_EQ(fontKey(font), font.GetNativeFontInfoDesc());
}

TEST(SurelyOneLine, AgreesWithWrappingWheneverItAnswers) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "labels");
  auto* label = new wxStaticText(frame, wxID_ANY, "0");
  frame->Show();
  const wxFont font = label->GetFont();
  struct LineCounter : wxTextWrapper {
    int lines = 1;
    void OnOutputLine(const wxString&) override {}
    void OnNewLine() override { ++lines; }
  };
  const wxString texts[] = {"12.345", "-0.000125", "1234567.5", "3 outside the classes: 1, 2, 3",
                            "two\nlines"};
  int answered = 0;
  for (const wxString& text : texts) {
    int w = 0, h = 0;
    label->GetTextExtent(text, &w, &h, nullptr, nullptr, &font);
    for (int width : {w / 2, w - 1, w, w + 1, w + 3, w + 40}) {
      SCOPED_TRACE(text + wxString::Format(" at %d", width));
      if (!surelyOneLine(text, w, width)) continue;
      ++answered;
      LineCounter counter;
      counter.Wrap(label, text, width);
      EXPECT_EQ(counter.lines, 1);
      EXPECT_FALSE(text.Contains("\n"));
      EXPECT_LT(w, width);
    }
  }
  // The short texts in wide labels, the common case, are answered.
  EXPECT_GE(answered, 8);
  EXPECT_FALSE(surelyOneLine("two\nlines", 20, 1000));
  EXPECT_TRUE(surelyOneLine("12.345", 40, 1000));
  delete frame;
}

// What is left of a box after taking away covering boxes: each pixel of the box
// outside every covering box lies in exactly one piece, and no other pixel in any.
TEST(BoxesOutside, CoverEachUncoveredPixelOnceAndNothingElse) {
  struct Case {
    const char* what;
    wxRect box;
    std::vector<wxRect> covered;
  };
  const std::vector<Case> cases = {
      {"nothing covered", {2, 3, 20, 10}, {}},
      {"covered apart", {2, 3, 20, 10}, {{30, 3, 5, 5}}},
      {"all covered", {2, 3, 20, 10}, {{0, 0, 40, 40}}},
      {"a hole in the middle", {0, 0, 30, 20}, {{10, 5, 5, 5}}},
      {"columns sharing edges, of different heights",
       {0, 0, 50, 30},
       {{20, 10, 6, 21}, {5, 20, 6, 11}, {10, 5, 6, 26}, {15, 25, 6, 6}, {40, 0, 5, 40}}},
      {"overlapping covers, out of order", {0, 0, 40, 20}, {{25, 2, 10, 10}, {5, 5, 25, 3}, {0, 15, 40, 2}}},
      {"a thin line across columns", {0, 10, 50, 1}, {{3, 0, 4, 30}, {6, 5, 4, 30}, {30, 11, 5, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<wxRect> pieces = boxesOutside(c.box, c.covered);
    for (int y = -2; y < 45; ++y)
      for (int x = -2; x < 60; ++x) {
        const wxPoint p(x, y);
        bool coveredHere = false;
        for (const wxRect& r : c.covered) coveredHere = coveredHere || r.Contains(p);
        const int expected = c.box.Contains(p) && !coveredHere ? 1 : 0;
        int in = 0;
        for (const wxRect& r : pieces) in += r.Contains(p);
        ASSERT_EQ(in, expected) << "at " << x << "," << y;
      }
  }
}
