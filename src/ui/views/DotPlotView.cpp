#include "ui/views/DotPlotView.h"

#include <wx/dc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ui/WxBridge.h"

namespace {

// The world's y runs from 0 (the value axis) to 1 (the top of the plot); the bands
// are laid out in pixels inside it.
constexpr double kTop = 1;

}  // namespace

DotPlotView::DotPlotView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                         long style)
    : BufferedGraphView(parent, id, pos, size, style, wxSize(150, 150)) {
  setFontSize(8);
  setXMin(0);
  setXMax(10);
  setYMin(0);
  setYMax(kTop);
  setXAutoScale(true);
  setAxesStyle(1);  // the value axis only: a stack's height is read by its dots
  setGridStyle(2);  // lines up from the value ticks
  setOriginAlwaysViewable(false);
  setAxesAlwaysViewable(true);
  setAxisIntersection(0, 0);
  setXAxisLabel(_("Value"));
  setXAxisLabelPosition(9);  // below the axis, at its right end
  setPropertiesMenuEnabled(false);
}

DotPlotView::~DotPlotView() = default;

void DotPlotView::setSets(const tally::DataSet* first, const tally::DataSet* second) {
  const tally::DataSet* given[2] = {first, second};
  for (int s = 0; s < 2; ++s) {
    hasSet[s] = given[s] != nullptr;
    sets[s] = given[s] ? *given[s] : tally::DataSet();
  }
  reason.clear();
  const tally::DotPlotModel m =
      buildDotPlot(hasSet[0] ? &sets[0] : nullptr, hasSet[1] ? &sets[1] : nullptr, 1);
  if (!m.empty()) {
    setXMin(m.valueMin);
    setXMax(m.valueMax);
  }
  // The axis crosses at the left end of the window, whatever the values' sign.
  setAxisIntersection(getXMin(), 0);
  redrawPicture();
}

void DotPlotView::setReason(const wxString& text) {
  reason = text;
  redrawPicture();
}

void DotPlotView::setSetNames(const wxString& first, const wxString& second) {
  names[0] = first;
  names[1] = second;
  redrawPicture();
}

wxColour DotPlotView::dotColour(int set) {
  return set == 1 ? wxColour(0, 0, 200) : wxColour(200, 0, 0);
}

double DotPlotView::fullDotDiameter() const { return std::max(6.0, 1.25 * getFontSize()); }

int DotPlotView::nameHeight() const {
  const wxFont font(wxFontInfo(getFontSize() + 1).Family(wxFONTFAMILY_SWISS).Bold());
  int w = 0, h = 0;
  GetTextExtent("Ag", &w, &h, nullptr, nullptr, &font);
  return h;
}

// A line at the top of the plot for the key, kept also while a dot is one
// observation, so that the bands do not jump when the key comes and goes.
int DotPlotView::keyRoom() const { return nameHeight() + 4; }

int DotPlotView::bandHeight() const {
  return std::max(0, worldToPixelY(0) - worldToPixelY(kTop) - keyRoom()) / 2;
}

int DotPlotView::bandTop(int set) const {
  return worldToPixelY(kTop) + keyRoom() + (set == 1 ? bandHeight() : 0);
}

// Set 1's dots stand two pixels above the line under them; Set 2's clear the
// value axis's ticks, which reach five pixels up from it.
constexpr int kAboveLine = 2, kAboveAxis = 7;

int DotPlotView::baselineY(int set) const {
  return bandTop(set) + bandHeight() - (set == 1 ? kAboveAxis : kAboveLine);
}

int DotPlotView::stackRoom() const {
  return std::max(0, bandHeight() - kAboveAxis - nameHeight() - 4);
}

tally::DotPlotModel DotPlotView::plotModel() const {
  const int heightInDots = static_cast<int>(std::floor(stackRoom() / fullDotDiameter()));
  return buildDotPlot(hasSet[0] ? &sets[0] : nullptr, hasSet[1] ? &sets[1] : nullptr,
                      heightInDots);
}

double DotPlotView::dotDiameter() const {
  return fullDotDiameter() * plotModel().scale.dotScale;
}

wxString DotPlotView::keyText() const { return toWx(tally::dotKeyText(plotModel().scale)); }

void DotPlotView::draw(wxDC& dc) {
  updateScales();
  if (!reason.empty()) {
    const wxSize c = GetClientSize();
    dc.SetFont(wxFont(wxFontInfo(getFontSize() + 2).Family(wxFONTFAMILY_SWISS)));
    dc.SetTextForeground(*wxBLACK);
    dc.DrawLabel(reason, wxRect(0, 0, c.x, c.y), wxALIGN_CENTRE);
    dc.SetFont(wxNullFont);
    return;
  }
  drawGrid(dc);
  const tally::DotPlotModel m = plotModel();
  // The line Set 1's dots stand on, across the plot.
  dc.SetPen(wxPen(wxColour(128, 128, 128), lineWidth()));
  const int left = worldToPixelX(getXMin()), right = worldToPixelX(getXMax());
  dc.DrawLine(left, baselineY(0) + 1, right, baselineY(0) + 1);
  for (int s = 0; s < 2; ++s) drawBand(dc, s, m);
  drawAxes(dc);
  drawKey(dc, m);
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
}

void DotPlotView::drawBand(wxDC& dc, int set, const tally::DotPlotModel& m) {
  const double d = fullDotDiameter() * m.scale.dotScale;
  const int size = std::max(2, static_cast<int>(std::lround(d)));
  const int baseline = baselineY(set);
  const wxColour colour = dotColour(set);
  dc.SetPen(wxPen(colour, 1));
  dc.SetBrush(wxBrush(colour));
  for (const tally::DotStack& st : m.stacks[set]) {
    const int x = worldToPixelX(st.value);
    for (std::uint64_t k = 0; k < st.dots; ++k) {
      const double cy = baseline - (static_cast<double>(k) + 0.5) * d;
      const int y = static_cast<int>(std::lround(cy));
      dc.DrawEllipse(x - size / 2, y - size / 2, size, size);
    }
  }
  if (names[set].empty()) return;
  dc.SetFont(wxFont(wxFontInfo(getFontSize() + 1).Family(wxFONTFAMILY_SWISS).Bold()));
  dc.SetTextForeground(*wxBLACK);
  dc.DrawText(names[set], worldToPixelX(getXMin()) + 4, bandTop(set) + 2);
  dc.SetFont(wxNullFont);
}

void DotPlotView::drawKey(wxDC& dc, const tally::DotPlotModel& m) {
  const wxString text = toWx(tally::dotKeyText(m.scale));
  if (text.empty()) return;
  dc.SetFont(wxFont(wxFontInfo(getFontSize() + 1).Family(wxFONTFAMILY_SWISS)));
  dc.SetTextForeground(*wxBLACK);
  const wxSize e = dc.GetTextExtent(text);
  const int right = worldToPixelX(getXMax());
  const int y = worldToPixelY(kTop) + 1;
  const int size = std::max(2, static_cast<int>(std::lround(fullDotDiameter() * m.scale.dotScale)));
  const int textLeft = right - e.x - 4;
  dc.SetPen(wxPen(wxColour(64, 64, 64), 1));
  dc.SetBrush(wxBrush(wxColour(64, 64, 64)));
  dc.DrawEllipse(textLeft - size - 6, y + e.y / 2 - size / 2, size, size);
  dc.DrawText(text, textLeft, y);
  dc.SetFont(wxNullFont);
}
