#include "ui/views/PercentileGraphView.h"

#include <wx/dcclient.h>
#include <wx/gdicmn.h>
#include <wx/intl.h>

#include <algorithm>
#include <cstring>

#include "core/NumberText.h"
#include "ui/WxBridge.h"
#include "ui/graph/DrawnAreas.h"
#include "ui/graph/GraphDrawing.h"
#include "ui/graph/PictureState.h"
#include "ui/graph/TextStamp.h"
#include "ui/views/WindowClip.h"

PercentileGraphView::PercentileGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                         const wxSize& size, long style)
    : BufferedGraphView(parent, id, pos, size, style, wxSize(10, 10)) {}

PercentileGraphView::~PercentileGraphView() = default;

void PercentileGraphView::setCurve(int which, const tally::Series* given) {
  Curve& c = which == 0 ? set1Curve : set2Curve;
  // Whether a curve is shown counts as well as what it is.
  const bool same = (c.source != nullptr) == (given != nullptr) &&
                    (!given || sameSeries(c.copy, *given));
  c.source = given;
  if (same) return;
  c.copy = given ? *given : tally::Series();
  pictureChanged();
}

namespace {

// Sets `held` to `v`; whether that changed it.
bool take(double& held, double v) {
  // Bit for bit: a NaN is taken once, not again and again.
  if (std::memcmp(&held, &v, sizeof v) == 0) return false;
  held = v;
  return true;
}

}  // namespace

void PercentileGraphView::setSet1Percentile(double v) {
  if (take(set1Percentile, v)) pictureChanged();
}

void PercentileGraphView::setSet2Percentile(double v) {
  if (take(set2Percentile, v)) pictureChanged();
}

void PercentileGraphView::setPercentage(double v) {
  if (take(percentage, v)) pictureChanged();
}

void PercentileGraphView::setSetNames(const wxString& set1, const wxString& set2) {
  if (setNames[0] == set1 && setNames[1] == set2) return;
  setNames[0] = set1;
  setNames[1] = set2;
  pictureChanged();
}

wxString PercentileGraphView::markerTitle(int set) const {
  return setNames[set == 1 ? 1 : 0] + _("  Percentile");
}

void PercentileGraphView::setMarkerFontSize(int points) {
  const int size = points > 0 ? points : 9;
  if (size == markerPoints) return;
  markerPoints = size;
  pictureChanged();
}

wxFont PercentileGraphView::markerFont(int points) {
  return wxFont(points, wxFONTFAMILY_ROMAN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false);
}

namespace {

wxColour namedColour(const wxString& name) {
  wxColour c = wxTheColourDatabase->Find(name);
  return c.IsOk() ? c : *wxBLACK;
}

}  // namespace

void PercentileGraphView::drawCurve(wxDC& dc, int which) {
  const tally::Series& s = curve(which).copy;
  auto paint = [this, &s](wxDC& on) {
    const WindowClip inside(on, *this);
    drawSeries(on, s);
  };
  if (s.style != tally::PolylineStyle || !GraphLayer::suits(dc)) {
    paint(dc);
    return;
  }
  // An antialiased stroke the length of the graph is the dearest thing on the page,
  // and a curve often stays as it was (the other set was edited) or comes back (an
  // undo): on the buffer each curve is kept as drawn, keyed by its pixels.
  const wxSize c = GetClientSize();
  const wxRect clip = WindowClip::box(*this);
  std::string key;
  key.reserve(1024);
  auto number = [&key](int v) {
    key += std::to_string(v);
    key += ',';
  };
  number(s.lineColour.set ? (s.lineColour.red << 16 | s.lineColour.green << 8 | s.lineColour.blue) : -1);
  number(s.penWidth);
  for (int v : {clip.x, clip.y, clip.width, clip.height}) number(v);
  // Where the stroke can leave pixels: around each run of a few points, half the
  // pen's width and a pixel of antialiasing further.
  const int room = s.penWidth / 2 + 3;
  constexpr size_t kRun = 8;
  std::vector<wxRect> parts;
  for (const tally::PointList& seg : s.segments) {
    key += '|';
    if (seg.size() < 2) continue;
    wxRect run;
    size_t inRun = 0;
    for (const tally::WorldPoint& w : seg) {
      const wxPoint p = toPixel(w.x, w.y, c);
      number(p.x);
      number(p.y);
      const wxRect dot(p, wxSize(1, 1));
      run = inRun == 0 ? dot : run.Union(dot);
      if (++inRun == kRun) {
        parts.push_back(wxRect(run).Inflate(room));
        // The next run starts where this one ends: the segment between them is in both.
        run = dot;
        inRun = 1;
      }
    }
    if (inRun > 1) parts.push_back(wxRect(run).Inflate(room));
  }
  if (parts.empty()) return;
  if (!curveLayers[which == 0 ? 0 : 1].paintOver(dc, key, paint, parts)) paint(dc);
}

void PercentileGraphView::draw(wxDC& dc) {
  updateScales();
  // On the view's buffer what each part draws is noted part by part (see DrawnAreas).
  DrawnAreas* areas = DrawnAreas::of(dc);
  auto partDrawn = [areas] {
    if (areas) areas->take();
  };
  drawGrid(dc);
  partDrawn();
  const wxFont kept = dc.GetFont();

  const int x1 = worldToPixelX(set1Percentile);
  const int p = worldToPixelY(percentage);
  const int x2 = worldToPixelX(set2Percentile);
  // The marker lines start at the vertical axis and end on the horizontal one,
  // wherever the axes stand: classes far from 0 (years) put x = 0 far off the graph.
  const wxPoint crossing = axesCrossingPixel();
  const int x0 = crossing.x;
  const int y0 = crossing.y;

  // Texts stay inside the graph: right of the vertical axis and its arrowheads (a
  // percentile at 0% lies on the axis) and clear of the right edge (100%).
  const wxSize client = GetClientSize();
  const int axisColumn = crossing.x;
  const int leftmost = std::max(18, axisColumn + 6);
  auto inside = [&](int x, int width) { return std::max(leftmost, std::min(x, client.x - width - 6)); };

  const bool set1Shown = set1Curve.source != nullptr, set2Shown = set2Curve.source != nullptr;
  const wxString numbers[2] = {toWx(tally::formatStatistic(set1Percentile)),
                               toWx(tally::formatStatistic(set2Percentile))};
  const wxString titles[2] = {markerTitle(0), markerTitle(1)};
  const wxString percentText = toWx(tally::valueText(percentage)) + "%";
  const wxFont& font = markersFont.at(markerPoints, markerFont);
  const int penWidth = lineWidth(2);

  // A set's marker: a line across from the vertical axis at the percentage and down
  // to the horizontal axis at the set's percentile, with two texts above the x axis (Set 2's higher up).
  auto marker = [&](wxDC& on, const wxString& penColour, const wxColour& textColour, int x,
                    const wxString& title, const wxString& number, int titleRise) {
    on.SetPen(wxPen(namedColour(penColour), penWidth, wxPENSTYLE_SOLID));
    // Each line apart: together their box would be the whole corner they enclose.
    on.DrawLine(x0, p, x, p);
    partDrawn();
    on.DrawLine(x, p, x, y0);
    partDrawn();
    on.SetTextForeground(textColour);
    // The same few texts on every redraw: measured once, drawn once as a picture
    // of their own and laid over wherever they stand.
    const wxSize t = keptTextExtent(on, title), n = keptTextExtent(on, number);
    markerTexts.draw(on, title, inside(x - 30, t.x), y0 - titleRise, t);
    markerTexts.draw(on, number, inside(x + 4, n.x), y0 - titleRise + 14, n);
  };
  auto marks = [&](wxDC& on) {
    on.SetFont(font);
    if (set2Shown) marker(on, _("PURPLE"), *wxBLUE, x2, titles[1], numbers[1], 80);
    if (set1Shown) marker(on, _("CORAL"), *wxRED, x1, titles[0], numbers[0], 50);
    if (set1Shown || set2Shown) {
      on.SetTextForeground(wxColour(0, 130, 0));
      // Above its line, beside the axis rather than over its tick labels; below the
      // line at the top of the graph.
      const int y = p - 20 >= 2 ? p - 20 : p + 6;
      const wxSize e = keptTextExtent(on, percentText);
      markerTexts.draw(on, percentText, inside(7, e.x), y, e);
    }
    on.SetPen(*wxTRANSPARENT_PEN);
  };
  if (set1Shown) drawCurve(dc, 0);
  partDrawn();
  if (set2Shown) drawCurve(dc, 1);
  partDrawn();
  // The axes over the curves, the markers and their texts over everything.
  drawAxes(dc);
  partDrawn();
  marks(dc);

  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetFont(kept.IsOk() ? kept : wxNullFont);
  dc.SetTextForeground(*wxBLACK);
}
