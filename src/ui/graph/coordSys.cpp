#include "ui/graph/coordSys.h"

#include <cairo.h>
#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/tooltip.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "core/NumberText.h"
#include "core/graph/AxisGeometry.h"
#include "core/graph/GraphSettings.h"
#include "ui/WxBridge.h"
#include "ui/graph/coordSysProperties.h"

wxDEFINE_EVENT(viewChangedEvent, wxCommandEvent);
wxDEFINE_EVENT(animationDoneEvent, wxCommandEvent);

wxBEGIN_EVENT_TABLE(coordSys, wxWindow)
  EVT_KEY_DOWN(coordSys::onKeyDown)
  EVT_RIGHT_UP(coordSys::onRightUp)
  EVT_PAINT(coordSys::onPaint)
  EVT_SIZE(coordSys::onSize)
  EVT_TIMER(coordSys::AnimationTimerId, coordSys::onTimer)
  EVT_MOTION(coordSys::onMotion)
  EVT_MENU(coordSys::PropertiesMenuId, coordSys::onPropertiesMenu)
wxEND_EVENT_TABLE()

coordSys::coordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                   long style, const wxString& name)
    : wxWindow(parent, id, pos, size, style, name), animationTimer(this, AnimationTimerId) {
  SetBackgroundColour(*wxWHITE);
  // Placed beside the graph when first shown: before its frame is on screen the
  // graph has no screen position to measure from.
  propertiesWindow = new coordSysProperties(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                            wxDefaultSize, wxDEFAULT_FRAME_STYLE);
  layout.xScale.axisLabel = toStd(_("x"));
  layout.yScale.axisLabel = toStd(_("y"));
}

coordSys::~coordSys() {
  animationTimer.Stop();
  if (propertiesWindow) {
    propertiesWindow->forgetOwner();
    propertiesWindow->Destroy();
  }
}

void coordSys::setXAxisLabel(const wxString& text) { layout.xScale.axisLabel = toStd(text); }
void coordSys::setYAxisLabel(const wxString& text) { layout.yScale.axisLabel = toStd(text); }
wxString coordSys::getXAxisLabel() const { return toWx(layout.xScale.axisLabel); }
wxString coordSys::getYAxisLabel() const { return toWx(layout.yScale.axisLabel); }

namespace {
std::vector<std::string> toStdList(const wxArrayString& labels) {
  std::vector<std::string> out;
  for (const wxString& s : labels) out.push_back(toStd(s));
  return out;
}
}  // namespace

void coordSys::setCustomXTickLabels(const wxArrayString& labels) {
  layout.setCustomXTickLabels(toStdList(labels));
}
void coordSys::setCustomYTickLabels(const wxArrayString& labels) {
  layout.setCustomYTickLabels(toStdList(labels));
}

// ---- fonts and text measurement

wxFont coordSys::tickFont() const {
  if (fontsSize != layout.fontSize) {
    tickFontCache = wxFont(wxFontInfo(layout.fontSize).Family(wxFONTFAMILY_ROMAN));
    axisFontCache = wxFont(wxFontInfo(layout.fontSize + 2).Family(wxFONTFAMILY_ROMAN).Italic());
    fontsSize = layout.fontSize;
  }
  return tickFontCache;
}

wxFont coordSys::axisLabelFont() const {
  tickFont();
  return axisFontCache;
}

// Laying out text costs more than drawing a whole graph's lines, and every redraw
// measures the same few tick labels again; on screen an extent depends only on the
// font size, the italic axis-label face and the text.
tally::TextMeasure coordSys::windowMeasure() const {
  using Key = std::tuple<int, bool, std::string>;
  static std::map<Key, tally::Extent> known;
  wxFont tick = tickFont(), axis = axisLabelFont();
  const int size = layout.fontSize;
  return [this, tick, axis, size](const std::string& text, bool axisLabel) {
    Key key{size, axisLabel, text};
    auto found = known.find(key);
    if (found != known.end()) return found->second;
    int w = 0, h = 0;
    GetTextExtent(toWx(text), &w, &h, nullptr, nullptr, axisLabel ? &axis : &tick);
    // Tick labels of a zooming user are endless; the common ones come back at once.
    if (known.size() >= 4096) known.clear();
    known.emplace(std::move(key), tally::Extent{w, h});
    return tally::Extent{w, h};
  };
}

// A context's extents may differ from the screen's (printer), so they are only
// remembered for the one drawing the measure belongs to. An unscaled memory context
// (the views' buffers, the clipboard picture) measures a text the same way every
// time, so its extents are remembered across drawings, per resolution.
tally::TextMeasure coordSys::dcMeasure(wxDC& dc) const {
  wxFont tick = tickFont(), axis = axisLabelFont();
  double ux = 0, uy = 0, lx = 0, ly = 0;
  dc.GetUserScale(&ux, &uy);
  dc.GetLogicalScale(&lx, &ly);
  const bool lasting = wxDynamicCast(&dc, wxMemoryDC) && ux == 1 && uy == 1 && lx == 1 && ly == 1 &&
                       dc.GetContentScaleFactor() == 1;
  if (lasting) {
    using Key = std::tuple<int, int, int, bool, std::string>;
    static std::map<Key, tally::Extent> known;
    const wxSize ppi = dc.GetPPI();
    const int size = layout.fontSize;
    return [&dc, tick, axis, ppi, size](const std::string& text, bool axisLabel) {
      Key key{ppi.x, ppi.y, size, axisLabel, text};
      auto found = known.find(key);
      if (found != known.end()) return found->second;
      wxCoord w = 0, h = 0;
      dc.GetTextExtent(toWx(text), &w, &h, nullptr, nullptr, axisLabel ? &axis : &tick);
      if (known.size() >= 4096) known.clear();
      known.emplace(std::move(key), tally::Extent{w, h});
      return tally::Extent{w, h};
    };
  }
  auto known = std::make_shared<std::map<std::pair<bool, std::string>, tally::Extent>>();
  return [&dc, tick, axis, known](const std::string& text, bool axisLabel) {
    auto found = known->find({axisLabel, text});
    if (found != known->end()) return found->second;
    wxCoord w = 0, h = 0;
    dc.GetTextExtent(toWx(text), &w, &h, nullptr, nullptr, axisLabel ? &axis : &tick);
    known->emplace(std::make_pair(axisLabel, text), tally::Extent{w, h});
    return tally::Extent{w, h};
  };
}

// ---- layout and transforms

void coordSys::updateScales() {
  wxSize c = GetClientSize();
  layout.updateScales(c.x, c.y, windowMeasure());
}

tally::Margins coordSys::computeMargins(bool adjust) const {
  wxSize c = GetClientSize();
  return layout.computeMargins(adjust, c.x, c.y, windowMeasure());
}

int coordSys::worldToPixelX(double v) const { return layout.worldToPixelX(v, GetClientSize().x); }
int coordSys::worldToPixelY(double v) const { return layout.worldToPixelY(v, GetClientSize().y); }
double coordSys::pixelToWorldX(int p) const { return layout.pixelToWorldX(p, GetClientSize().x); }
double coordSys::pixelToWorldY(int p) const { return layout.pixelToWorldY(p, GetClientSize().y); }
wxPoint coordSys::worldToPixel(double x, double y) const { return wxPoint(worldToPixelX(x), worldToPixelY(y)); }
tally::WorldPoint coordSys::pixelToWorld(int px, int py) const { return {pixelToWorldX(px), pixelToWorldY(py)}; }
double coordSys::pixelWidthToWorld(int n) const { return layout.pixelWidthToWorld(n, GetClientSize().x); }
double coordSys::pixelHeightToWorld(int n) const { return layout.pixelHeightToWorld(n, GetClientSize().y); }
int coordSys::worldWidthToPixels(double d) const { return layout.worldWidthToPixels(d, GetClientSize().x); }
int coordSys::worldHeightToPixels(double d) const { return layout.worldHeightToPixels(d, GetClientSize().y); }
bool coordSys::isVisible(double x, double y) const {
  wxSize c = GetClientSize();
  return layout.isVisible(x, y, c.x, c.y);
}

// Asking the window for its client size is slow on GTK (border lookup through the
// style context); a drawing takes it once and passes it on.
wxPoint coordSys::toPixel(double x, double y, const wxSize& c) const {
  return wxPoint(layout.worldToPixelX(x, c.x), layout.worldToPixelY(y, c.y));
}

// ---- drawing

void coordSys::setMultiplyDrawing(wxDC& dc, bool on) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (!gc) return;
  auto* cr = static_cast<cairo_t*>(gc->GetNativeContext());
  if (!cr) return;
  cairo_set_operator(cr, on ? CAIRO_OPERATOR_MULTIPLY : CAIRO_OPERATOR_OVER);
}

void coordSys::redraw() {
  wxClientDC dc(this);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  updateScales();
  drawAll(dc);
}

void coordSys::drawAll(wxDC& dc) {
  setMultiplyDrawing(dc, true);
  drawGrid(dc);
  drawAxes(dc);
  drawAllSeries(dc);
  drawPointLabels(dc);
  setMultiplyDrawing(dc, false);
}

namespace {

wxPoint toPoint(const tally::PixelPoint& p) { return wxPoint(p.x, p.y); }

// Many short lines in one pen. DrawLine strokes each line on its own, and on a
// graphics context every stroke costs far more than its few pixels; the batch
// strokes them all as one path. The lines of one batch must not overlap, so that
// the one stroke covers exactly the pixels the separate ones would.
class LineBatch {
 public:
  void add(int x1, int y1, int x2, int y2) { lines.push_back({x1, y1, x2, y2}); }

  void stroke(wxDC& dc) {
    if (lines.empty()) return;
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (!gc) {
      for (const Line& l : lines) dc.DrawLine(l.x1, l.y1, l.x2, l.y2);
      lines.clear();
      return;
    }
    wxGraphicsPath path = gc->CreatePath();
    int minX = lines[0].x1, minY = lines[0].y1, maxX = minX, maxY = minY;
    for (const Line& l : lines) {
      path.MoveToPoint(l.x1, l.y1);
      path.AddLineToPoint(l.x2, l.y2);
      minX = std::min({minX, l.x1, l.x2});
      maxX = std::max({maxX, l.x1, l.x2});
      minY = std::min({minY, l.y1, l.y2});
      maxY = std::max({maxY, l.y1, l.y2});
    }
    gc->StrokePath(path);
    // The clipboard picture is cut to the drawn bounding box, which DrawLine would have grown.
    dc.CalcBoundingBox(minX, minY);
    dc.CalcBoundingBox(maxX, maxY);
    lines.clear();
  }

 private:
  struct Line {
    int x1, y1, x2, y2;
  };
  std::vector<Line> lines;
};

// DrawText lays a text out twice, once to draw it and once more to measure it for
// the bounding box. With its extent already known it is laid out once.
void drawMeasuredText(wxDC& dc, const wxString& text, int x, int y, const tally::Extent& e) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (!gc || text.empty() || text.find('\n') != wxString::npos ||
      dc.GetBackgroundMode() != wxBRUSHSTYLE_TRANSPARENT) {
    dc.DrawText(text, x, y);
    return;
  }
  gc->DrawText(text, x, y);
  dc.CalcBoundingBox(x, y);
  dc.CalcBoundingBox(x + e.width, y + e.height);
}

}  // namespace

wxPoint coordSys::axesCrossingPixel() const {
  const wxSize c = GetClientSize();
  return toPoint(tally::axesCrossing(layout, c.x, c.y, windowMeasure()));
}

void coordSys::drawGrid(wxDC& dc) {
  const int style = layout.gridStyle;
  if (style == 0) return;
  const wxSize c = GetClientSize();
  auto toX = [&](double v) { return layout.worldToPixelX(v, c.x); };
  auto toY = [&](double v) { return layout.worldToPixelY(v, c.y); };
  dc.SetPen(wxPen(wxColour(204, 204, 204), 1, wxPENSTYLE_SOLID));
  const int left = toX(layout.xWorld(layout.xScale.getMin()));
  const int right = toX(layout.xWorld(layout.xScale.getMax()));
  const int top = toY(layout.yWorld(layout.yScale.getMax()));
  const int bottom = toY(layout.yWorld(layout.yScale.getMin()));
  std::vector<double> xs, ys;
  layout.xScale.tickPositions(xs, tally::MajorTicks);
  layout.yScale.tickPositions(ys, tally::MajorTicks);
  // Vertical and horizontal lines cross, so each direction is a batch of its own.
  LineBatch lines;
  if (style == 2 || style == 3) {
    for (double p : xs) {
      int x = toX(layout.xWorld(p));
      lines.add(x, bottom, x, top);
    }
    lines.stroke(dc);
  }
  if (style == 1 || style == 3) {
    for (double p : ys) {
      int y = toY(layout.yWorld(p));
      lines.add(left, y, right, y);
    }
    lines.stroke(dc);
  }
  if (style == 4) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    auto ring = [&](double r) {
      r = std::fabs(r);
      dc.DrawEllipse(toX(-r), toY(r), layout.worldWidthToPixels(2 * r, c.x) + 1,
                     layout.worldHeightToPixels(2 * r, c.y) + 1);
    };
    for (double p : xs) ring(layout.xWorld(p));
    for (double p : ys) ring(layout.yWorld(p));
    dc.SetBrush(wxNullBrush);
  }
  dc.SetPen(wxNullPen);
}

void coordSys::drawAxes(wxDC& dc) {
  const wxSize c = GetClientSize();
  const tally::AxesGeometry geometry = tally::axesGeometry(layout, c.x, c.y, dcMeasure(dc));
  if (geometry.axes.empty()) return;
  const wxFont tick = tickFont(), axisFont = axisLabelFont();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxBLACK_BRUSH);
  dc.SetTextForeground(*wxBLACK);
  dc.SetFont(tick);
  // Major and minor ticks share positions, so they stay two batches.
  LineBatch ticks;
  auto strokeTicks = [&](const std::vector<tally::PixelSegment>& segments) {
    if (segments.empty()) return;
    for (const tally::PixelSegment& t : segments) ticks.add(t.from.x, t.from.y, t.to.x, t.to.y);
    ticks.stroke(dc);
  };
  auto drawHead = [&](const tally::Arrowhead& head) {
    const wxPoint points[] = {toPoint(head[0]), toPoint(head[1]), toPoint(head[2])};
    dc.DrawPolygon(3, points);
  };
  for (const tally::AxisGeometry& axis : geometry.axes) {
    dc.DrawLine(toPoint(axis.line.from), toPoint(axis.line.to));
    drawHead(axis.startHead);
    drawHead(axis.endHead);
    strokeTicks(axis.majorTicks);
    for (const tally::LabelBox& label : axis.tickLabels)
      drawMeasuredText(dc, toWx(label.text), label.x, label.y, label.extent);
    strokeTicks(axis.minorTicks);
    dc.SetFont(axisFont);
    const tally::LabelBox& name = axis.axisLabel;
    drawMeasuredText(dc, toWx(name.text), name.x, name.y, name.extent);
    dc.SetFont(tick);
  }
  if (geometry.originRing) {
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawCircle(toPoint(geometry.crossing), geometry.originRingRadius);
  }
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
  dc.SetFont(wxNullFont);
}

void coordSys::drawAllSeries(wxDC& dc) {
  for (const tally::Series& s : series)
    if (s.visible) drawSeries(dc, s);
}

void coordSys::setSeriesPenAndBrush(wxDC& dc, const tally::Series& s) {
  if (s.lineColour.set)
    dc.SetPen(wxPen(toWx(s.lineColour), s.penWidth, wxPENSTYLE_SOLID));
  else
    dc.SetPen(*wxTRANSPARENT_PEN);
  if (s.fillColour.set)
    dc.SetBrush(wxBrush(toWx(s.fillColour), wxBRUSHSTYLE_SOLID));
  else
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
}

void coordSys::drawSeries(wxDC& dc, const tally::Series& s) {
  setSeriesPenAndBrush(dc, s);
  const wxSize c = GetClientSize();
  for (const tally::PointList& seg : s.segments) {
    switch (s.style) {
      case tally::PolylineStyle: {
        if (seg.size() < 2) break;
        std::vector<wxPoint> pts;
        pts.reserve(seg.size());
        for (const tally::WorldPoint& p : seg) pts.push_back(toPixel(p.x, p.y, c));
        dc.DrawLines(static_cast<int>(pts.size()), pts.data());
        break;
      }
      case tally::MarkersStyle:
        for (const tally::WorldPoint& p : seg) drawMarkerAt(dc, toPixel(p.x, p.y, c), s.markerShape, s.markerSize);
        break;
      case tally::ColumnsStyle: {
        const int f = layout.worldWidthToPixels(s.columnWidth, c.x);
        const int y0 = layout.worldToPixelY(0, c.y);
        for (const tally::WorldPoint& p : seg) {
          int left = layout.worldToPixelX(p.x, c.x);
          if (s.columnAlign == tally::ColumnCentredOnX) left -= f / 2;
          if (s.columnAlign == tally::ColumnEndsAtX) left -= f;
          const int y = layout.worldToPixelY(p.y, c.y);
          // Columns stand on y = 0 and hang down for negative values.
          dc.DrawRectangle(left, std::min(y, y0), f + 1, std::abs(y - y0) + 1);
        }
        break;
      }
      case tally::PointsStyle:
        for (const tally::WorldPoint& p : seg) {
          wxPoint q = toPixel(p.x, p.y, c);
          if (s.penWidth == 1)
            dc.DrawPoint(q);
          else
            dc.DrawLine(q, q);  // the round pen cap makes a dot of the pen's width
        }
        break;
      default:
        break;
    }
  }
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
}

void coordSys::drawMarker(wxDC& dc, double x, double y, int shape, int s) {
  drawMarkerAt(dc, worldToPixel(x, y), shape, s);
}

void coordSys::drawMarkerAt(wxDC& dc, const wxPoint& c, int shape, int s) {
  switch (shape) {
    case tally::DiamondMarker: {
      const wxPoint pts[] = {{c.x, c.y - s}, {c.x + s, c.y}, {c.x, c.y + s}, {c.x - s, c.y}};
      dc.DrawPolygon(4, pts, 0, 0, wxWINDING_RULE);
      break;
    }
    case tally::SquareMarker:
      dc.DrawRectangle(c.x - s, c.y - s, 2 * s + 1, 2 * s + 1);
      break;
    case tally::CircleMarker:
      dc.DrawEllipse(c.x - s, c.y - s, 2 * s, 2 * s);
      break;
    default:
      break;
  }
}

void coordSys::drawPointLabels(wxDC& dc) {
  for (const tally::PointLabel& l : pointLabels) {
    if (!l.visible) continue;
    dc.SetPen(wxPen(toWx(l.colour), 1, wxPENSTYLE_SOLID));
    dc.SetBrush(wxBrush(toWx(l.colour), wxBRUSHSTYLE_SOLID));
    drawMarker(dc, l.x, l.y, l.markerShape, l.markerSize);
  }
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
}

void coordSys::drawSeriesById(int id) {
  const tally::Series* s = getSeries(id);
  if (!s) return;
  wxClientDC dc(this);
  setMultiplyDrawing(dc, true);
  drawSeries(dc, *s);
  setMultiplyDrawing(dc, false);
}

void coordSys::drawAllSeriesNow() {
  wxClientDC dc(this);
  setMultiplyDrawing(dc, true);
  drawAllSeries(dc);
  setMultiplyDrawing(dc, false);
}

wxBitmap coordSys::pictureBitmap() {
  return pictureBitmap([this](wxDC& dc) { drawAll(dc); });
}

wxBitmap coordSys::pictureBitmap(const std::function<void(wxDC&)>& draw) {
  const wxSize size = GetSize();
  const int w = std::max(size.x, 1), h = std::max(size.y, 1);
  wxBitmap full(w, h, 24);
  int maxX = 0, maxY = 0;
  {
    wxMemoryDC dc(full);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.ResetBoundingBox();
    dc.SetClippingRegion(0, 0, w, h);
    draw(dc);
    // The bounding box also counts what the clipping cut away (columns far
    // outside the window); the picture ends at the window's edge.
    maxX = std::min(dc.MaxX(), w);
    maxY = std::min(dc.MaxY(), h);
    dc.SelectObject(wxNullBitmap);
  }
  wxBitmap picture(std::max(maxX, 0) + 10, std::max(maxY, 0) + 10, 24);
  wxMemoryDC out(picture);
  out.SetBackground(*wxWHITE_BRUSH);
  out.Clear();
  out.DrawBitmap(full, 0, 0);
  out.SelectObject(wxNullBitmap);
  return picture;
}

bool coordSys::copyPicture(const std::function<void(wxDC&)>& draw) {
  wxBitmap picture = pictureBitmap(draw);
  if (!wxTheClipboard->Open()) return false;
  wxTheClipboard->SetData(new wxBitmapDataObject(picture));
  wxTheClipboard->Close();
  return true;
}

void coordSys::copyToClipboard() {
  copyPicture([this](wxDC& dc) { drawAll(dc); });
}

// ---- stored series and point labels

int coordSys::addSeries(const tally::Series& s) {
  if (isAnimating()) {
    stopAnimation();
    // An interrupted animation still leaves a complete picture.
    if (!series.empty()) drawSeriesById(series.back().id);
  }
  series.push_back(s);
  series.back().id = ++seriesCounter;
  return seriesCounter;
}

bool coordSys::removeSeries(int id) {
  if (isAnimating()) stopAnimation();
  int i = findSeries(id);
  if (i < 0) return false;
  series.erase(series.begin() + i);
  removeSeriesPointLabels(id);
  return true;
}

bool coordSys::replaceSeries(int id, const tally::Series& s) {
  if (isAnimating()) stopAnimation();
  int i = findSeries(id);
  if (i < 0) return false;
  series.erase(series.begin() + i);
  series.push_back(s);
  series.back().id = id;
  return true;
}

void coordSys::clearSeries() {
  if (isAnimating()) stopAnimation();
  series.clear();
  removeAllSeriesPointLabels();
}

int coordSys::findSeries(int id) const {
  for (size_t i = 0; i < series.size(); ++i)
    if (series[i].id == id) return static_cast<int>(i);
  return -1;
}

const tally::Series* coordSys::getSeries(int id) const {
  int i = findSeries(id);
  return i < 0 ? nullptr : &series[i];
}

int coordSys::addPointLabel(const tally::PointLabel& label) {
  pointLabels.push_back(label);
  tally::PointLabel& l = pointLabels.back();
  if (std::fabs(l.x) < 1e-10) l.x = 0;
  if (std::fabs(l.y) < 1e-10) l.y = 0;
  l.id = ++pointLabelCounter;
  return l.id;
}

bool coordSys::removePointLabel(int id) {
  auto it = std::find_if(pointLabels.begin(), pointLabels.end(),
                         [id](const tally::PointLabel& l) { return l.id == id; });
  if (it == pointLabels.end()) return false;
  pointLabels.erase(it);
  return true;
}

int coordSys::removeSeriesPointLabels(int seriesId) {
  size_t before = pointLabels.size();
  pointLabels.erase(std::remove_if(pointLabels.begin(), pointLabels.end(),
                                   [seriesId](const tally::PointLabel& l) { return l.seriesId == seriesId; }),
                    pointLabels.end());
  return static_cast<int>(before - pointLabels.size());
}

int coordSys::removeAllSeriesPointLabels() {
  size_t before = pointLabels.size();
  pointLabels.erase(std::remove_if(pointLabels.begin(), pointLabels.end(),
                                   [](const tally::PointLabel& l) { return l.seriesId >= 0; }),
                    pointLabels.end());
  return static_cast<int>(before - pointLabels.size());
}

void coordSys::showProperties() {
  // A forced close destroyed the last one.
  if (!propertiesWindow)
    propertiesWindow = new coordSysProperties(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                              wxDefaultSize, wxDEFAULT_FRAME_STYLE);
  coordSysProperties* w = propertiesWindow;
  w->buildControls();
  w->setXMin(getXMin());
  w->setXMax(getXMax());
  w->setXAxisLabel(getXAxisLabel());
  w->setXAutoScale(getXAutoScale());
  w->setXMaxTicks(getXMaxTicks());
  w->setXTickUnit(getXTickUnit());
  w->setXTrigScale(getXTrigScale());
  w->setYMin(getYMin());
  w->setYMax(getYMax());
  w->setYAxisLabel(getYAxisLabel());
  w->setYAutoScale(getYAutoScale());
  w->setYMaxTicks(getYMaxTicks());
  w->setYTickUnit(getYTickUnit());
  w->setYTrigScale(getYTrigScale());
  w->setGridStyle(getGridStyle());
  w->setAxesStyle(getAxesStyle());
  w->setEqualScaling(getEqualScaling());
  w->setOriginAlwaysViewable(getOriginAlwaysViewable());
  w->setAxesAlwaysViewable(getAxesAlwaysViewable());
  w->setXAxisLabelPosition(getXAxisLabelPosition());
  w->setYAxisLabelPosition(getYAxisLabelPosition());
  w->setXTickLabelPosition(getXTickLabelPosition());
  w->setYTickLabelPosition(getYTickLabelPosition());
  if (!w->IsShown()) w->Move(ClientToScreen(wxPoint(50, 50)));
  w->Show();
}

bool coordSys::loadSettings(const wxString& fileName) {
  return tally::loadSettings(layout, std::string(fileName.fn_str()));
}

bool coordSys::parseSettings(const std::string& text) { return tally::parseSettings(layout, text); }

// ---- animation

void coordSys::animateSeries(int id, int mode) {
  if (isAnimating()) stopAnimation();
  animationMode = mode;
  animatedSeriesId = id;
  animationInterval = mode == 1 ? 1500 : 50;
  if (mode == 1)
    pointAnimationStep();
  else
    lineAnimationStep();
}

void coordSys::resumeAnimation() { animationTimer.Start(animationInterval, wxTIMER_CONTINUOUS); }

void coordSys::stopAnimation() {
  animationTimer.Stop();
  wxCommandEvent done(animationDoneEvent, GetId());
  done.SetEventObject(this);
  done.SetInt(animatedSeriesId);
  GetEventHandler()->ProcessEvent(done);
}

// Puts the cursor on the first visible point; false (and the message) when there is none.
bool coordSys::startAnimationCursor(const tally::Series& s) {
  animationSegment = 0;
  animationPoint = 0;
  animationTimer.Start(animationInterval, wxTIMER_CONTINUOUS);
  for (; animationSegment < s.segments.size(); ++animationSegment, animationPoint = 0) {
    const tally::PointList& seg = s.segments[animationSegment];
    for (; animationPoint < seg.size(); ++animationPoint)
      if (isVisible(seg[animationPoint].x, seg[animationPoint].y)) return true;
  }
  stopAnimation();
  wxMessageBox(_("This data does not show in the current window."), wxASCII_STR(wxMessageBoxCaptionStr),
               wxOK | wxCENTRE);
  return false;
}

void coordSys::lineAnimationStep() {
  const tally::Series* s = getSeries(animatedSeriesId);
  if (!s) return;
  if (s->style != tally::PolylineStyle) {
    drawSeriesById(animatedSeriesId);
    return;
  }
  if (!animationTimer.IsRunning()) {
    if (!startAnimationCursor(*s)) return;
    // Start one point early so that the line enters the window from outside.
    if (animationPoint > 0) --animationPoint;
  }
  if (animationSegment >= s->segments.size()) {
    stopAnimation();
    return;
  }
  wxClientDC dc(this);
  setSeriesPenAndBrush(dc, *s);
  setMultiplyDrawing(dc, true);
  // At least two points per tick: a chunk of one would step back onto itself forever.
  const size_t chunk = std::max(2, static_cast<int>(GetClientSize().x / 50 + 1.5));
  size_t drawn = 0;
  while (drawn < chunk) {
    const tally::PointList& seg = s->segments[animationSegment];
    const size_t take = std::min(chunk - drawn, seg.size() - std::min(animationPoint, seg.size()));
    if (take >= 2) {
      std::vector<wxPoint> pts;
      for (size_t i = animationPoint; i < animationPoint + take; ++i) pts.push_back(worldToPixel(seg[i].x, seg[i].y));
      dc.DrawLines(static_cast<int>(pts.size()), pts.data());
    }
    if (take > 0) animationLastPoint = seg[animationPoint + take - 1];
    animationPoint += take;
    drawn += take;
    if (drawn >= chunk) {
      // The next tick's line starts at this tick's last point, so the line has no gaps.
      if (animationPoint > 0) --animationPoint;
      break;
    }
    ++animationSegment;
    animationPoint = 0;
    if (animationSegment >= s->segments.size()) break;
  }
  setMultiplyDrawing(dc, false);
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
}

void coordSys::pointAnimationStep() {
  const tally::Series* s = getSeries(animatedSeriesId);
  if (!s) return;
  if (s->style != tally::PolylineStyle && !animationTimer.IsRunning()) {
    drawSeriesById(animatedSeriesId);
    return;
  }
  if (!animationTimer.IsRunning()) {
    if (!startAnimationCursor(*s)) return;
    animationStep = 1.0;
  }
  wxClientDC dc(this);
  setMultiplyDrawing(dc, true);
  const int radius = s->penWidth / 2;
  dc.SetPen(s->lineColour.set ? wxPen(toWx(s->lineColour), 1) : *wxTRANSPARENT_PEN);
  if (s->fillColour.set)
    dc.SetBrush(wxBrush(toWx(s->lineColour)));
  else
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
  // Coarse to fine: the k-th point drawn is followed by the one at index
  // worldWidthToPixels(k * step); the step halves every tick.
  for (const tally::PointList& seg : s->segments) {
    size_t index = 0;
    for (size_t k = 1; index < seg.size(); ++k) {
      wxPoint q = worldToPixel(seg[index].x, seg[index].y);
      if (s->penWidth == 1)
        dc.DrawPoint(q);
      else
        dc.DrawEllipse(q.x - radius, q.y - radius, 2 * radius, 2 * radius);
      animationLastPoint = seg[index];
      size_t next = static_cast<size_t>(worldWidthToPixels(k * animationStep));
      index = std::max(next, index + 1);
    }
  }
  setMultiplyDrawing(dc, false);
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
  animationStep /= 2;
  if (pixelWidthToWorld(1) / 2 > animationStep || animationStep < 1e-300) {
    stopAnimation();
    drawSeriesById(animatedSeriesId);
  }
}

// ---- events

void coordSys::onKeyDown(wxKeyEvent& event) {
  if (event.ControlDown() && event.GetKeyCode() == 67)
    copyToClipboard();
  else
    event.Skip();
}

void coordSys::onRightUp(wxMouseEvent& event) {
  if (!propertiesMenuEnabled) {
    event.Skip();
    return;
  }
  wxMenu menu;
  menu.Append(PropertiesMenuId, _("&Properties..."), wxEmptyString);
  PopupMenu(&menu, event.GetPosition());
}

void coordSys::onPropertiesMenu(wxCommandEvent&) { showProperties(); }

void coordSys::onPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  drawAll(dc);
}

void coordSys::onSize(wxSizeEvent&) {
  // Only these rules depend on the pixel size; otherwise the picture stretches.
  if (!layout.equalScaling && !layout.originAlwaysViewable && !layout.axesAlwaysViewable) return;
  updateScales();
  notifyViewChanged(-1);
}

void coordSys::notifyViewChanged(int value) {
  wxCommandEvent changed(viewChangedEvent, GetId());
  changed.SetEventObject(this);
  changed.SetInt(value);
  GetEventHandler()->ProcessEvent(changed);
}

void coordSys::onTimer(wxTimerEvent&) {
  if (animationMode == 1)
    pointAnimationStep();
  else
    lineAnimationStep();
}

void coordSys::onMotion(wxMouseEvent& event) {
  const wxPoint m = event.GetPosition();
  for (const tally::PointLabel& l : pointLabels) {
    const wxPoint p = worldToPixel(l.x, l.y);
    const double dx = m.x - p.x, dy = m.y - p.y;
    if (std::sqrt(dx * dx + dy * dy) <= l.markerSize) {
      // Filled by hand: numbers are always written with a decimal point.
      wxString text = _("(%.5g, %.5g)\n---------------------\n%s");
      text.Replace("%.5g", toWx(tally::formatNumber("%.5g", l.x)), false);
      text.Replace("%.5g", toWx(tally::formatNumber("%.5g", l.y)), false);
      text.Replace("%s", toWx(l.text), false);
      wxToolTip::SetDelay(1);
      wxToolTip::Enable(true);
      SetToolTip(text);
      return;
    }
  }
  wxToolTip::Enable(false);
  wxToolTip::SetDelay(500);
  UnsetToolTip();
  wxToolTip::Enable(true);
}
