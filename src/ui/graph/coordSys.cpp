#include "ui/graph/coordSys.h"

#include "ui/graph/DrawnAreas.h"

#include <cairo.h>
#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/tooltip.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/NumberText.h"
#include "core/graph/AxisGeometry.h"
#include "core/graph/GraphSettings.h"
#include "ui/WxBridge.h"
#include "ui/graph/GraphDrawing.h"
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

wxFont coordSys::tickFont() const { return fonts.tick(layout.fontSize); }

wxFont coordSys::axisLabelFont() const { return fonts.axisLabel(layout.fontSize); }

tally::TextMeasure coordSys::windowMeasure() const {
  return windowTextMeasure(*this, tickFont(), axisLabelFont(), layout.fontSize);
}

tally::TextMeasure coordSys::dcMeasure(wxDC& dc) const {
  return dcTextMeasure(dc, tickFont(), axisLabelFont(), layout.fontSize);
}

int coordSys::lineWidth(int atHundred) const {
  return std::max(1, static_cast<int>(std::lround(atHundred * lineScale)));
}

// ---- layout and transforms

void coordSys::DoGetClientSize(int* width, int* height) const {
  if (drawingSize.x > 0 && drawingSize.y > 0) {
    if (width) *width = drawingSize.x;
    if (height) *height = drawingSize.y;
    return;
  }
  wxWindow::DoGetClientSize(width, height);
}

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

// A pen for the graph's own lines. A thicker line ends square where its
// coordinates end (a round end would reach past a tick's tip or an axis's end);
// one pixel wide it stays the pen it has always been.
wxPen linePen(const wxColour& colour, int width) {
  wxPen pen(colour, width, wxPENSTYLE_SOLID);
  if (width > 1) pen.SetCap(wxCAP_BUTT);
  return pen;
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
  dc.SetPen(linePen(wxColour(204, 204, 204), lineWidth()));
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
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
  }
  dc.SetPen(*wxTRANSPARENT_PEN);
}

namespace {

// Everything the axes' picture depends on: two drawings with the same key draw the
// same pixels. Whatever else strokeAxes comes to read (a colour, a pen, a setting)
// must be added here, or the kept picture would go on showing the old axes.
std::string axesKey(const tally::AxesGeometry& g, int fontSize, int lineWidth) {
  std::string key;
  key.reserve(1024);
  auto number = [&key](int v) {
    key += std::to_string(v);
    key += ',';
  };
  auto point = [&](const tally::PixelPoint& p) {
    number(p.x);
    number(p.y);
  };
  auto segments = [&](const std::vector<tally::PixelSegment>& list) {
    key += '[';
    for (const tally::PixelSegment& s : list) {
      point(s.from);
      point(s.to);
    }
    key += ']';
  };
  auto label = [&](const tally::LabelBox& l) {
    number(l.x);
    number(l.y);
    number(static_cast<int>(l.text.size()));
    key += l.text;
    key += ';';
  };
  number(fontSize);
  number(lineWidth);
  point(g.crossing);
  number(g.originRing ? g.originRingRadius : -1);
  for (const tally::AxisGeometry& a : g.axes) {
    key += '|';
    number(a.axis);
    point(a.line.from);
    point(a.line.to);
    for (const tally::PixelPoint& p : a.startHead) point(p);
    for (const tally::PixelPoint& p : a.endHead) point(p);
    segments(a.majorTicks);
    segments(a.minorTicks);
    for (const tally::LabelBox& l : a.tickLabels) label(l);
    key += '/';
    label(a.axisLabel);
  }
  return key;
}

// Where the axes' drawing can leave pixels: around each axis with its heads and
// ticks, and around each label, with a few pixels more for antialiased edges,
// letters reaching past their measured box (an italic's last stroke) and half a
// thick line's width.
std::vector<wxRect> axesParts(const tally::AxesGeometry& g, int lineWidth) {
  const int kRoom = 4 + lineWidth / 2;
  std::vector<wxRect> parts;
  auto label = [&](const tally::LabelBox& l) {
    if (l.text.empty()) return;
    parts.push_back(wxRect(l.x, l.y, l.extent.width, l.extent.height).Inflate(kRoom));
  };
  for (const tally::AxisGeometry& a : g.axes) {
    int left = std::min(a.line.from.x, a.line.to.x), right = std::max(a.line.from.x, a.line.to.x);
    int top = std::min(a.line.from.y, a.line.to.y), bottom = std::max(a.line.from.y, a.line.to.y);
    auto take = [&](const tally::PixelPoint& p) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    };
    for (const tally::PixelPoint& p : a.startHead) take(p);
    for (const tally::PixelPoint& p : a.endHead) take(p);
    for (const auto* ticks : {&a.majorTicks, &a.minorTicks})
      for (const tally::PixelSegment& t : *ticks) {
        take(t.from);
        take(t.to);
      }
    parts.push_back(wxRect(wxPoint(left, top), wxPoint(right, bottom)).Inflate(kRoom));
    for (const tally::LabelBox& l : a.tickLabels) label(l);
    label(a.axisLabel);
  }
  if (g.originRing) {
    const int r = g.originRingRadius + kRoom;
    parts.push_back(wxRect(g.crossing.x - r, g.crossing.y - r, 2 * r + 1, 2 * r + 1));
  }
  return parts;
}

}  // namespace

void coordSys::drawAxes(wxDC& dc) {
  const wxSize c = GetClientSize();
  const tally::AxesGeometry geometry = tally::axesGeometry(layout, c.x, c.y, dcMeasure(dc));
  if (geometry.axes.empty()) return;
  auto stroke = [this, &geometry](wxDC& dc) { strokeAxes(dc, geometry); };
  // Laying out the labels' texts is most of the axes' cost: on the screen's buffer
  // the finished axes are kept and laid over again while they stay the same.
  if (GraphLayer::suits(dc) &&
      axesLayer.paintOver(dc, axesKey(geometry, layout.fontSize, lineWidth()), stroke,
                          axesParts(geometry, lineWidth())))
    return;
  stroke(dc);
}

void coordSys::strokeAxes(wxDC& dc, const tally::AxesGeometry& geometry) {
  const wxFont tick = tickFont(), axisFont = axisLabelFont();
  const int width = lineWidth();
  dc.SetPen(width == 1 ? *wxBLACK_PEN : linePen(*wxBLACK, width));
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
    if (width == 1) {
      dc.DrawLine(toPoint(axis.line.from), toPoint(axis.line.to));
    } else {
      // Whole pixels across, without antialiased edges.
      LineBatch line;
      line.add(axis.line.from.x, axis.line.from.y, axis.line.to.x, axis.line.to.y);
      line.stroke(dc);
    }
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
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.SetFont(wxNullFont);
}

void coordSys::drawAllSeries(wxDC& dc) {
  for (const tally::Series& s : store.all())
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
        DrawnAreas* areas = DrawnAreas::of(dc);
        // A box's outline is one line around it: on a recorded context each piece
        // is noted by its own box, not the whole box it encloses.
        if (areas) areas->take();
        dc.DrawLines(static_cast<int>(pts.size()), pts.data());
        if (areas) {
          dc.ResetBoundingBox();
          const int room = s.penWidth / 2 + 2;
          for (size_t i = 1; i < pts.size(); ++i)
            areas->add(wxRect(wxPoint(std::min(pts[i - 1].x, pts[i].x), std::min(pts[i - 1].y, pts[i].y)),
                              wxPoint(std::max(pts[i - 1].x, pts[i].x), std::max(pts[i - 1].y, pts[i].y)))
                           .Inflate(room));
        }
        break;
      }
      case tally::MarkersStyle:
        for (const tally::WorldPoint& p : seg) drawMarkerAt(dc, toPixel(p.x, p.y, c), s.markerShape, s.markerSize);
        break;
      case tally::ColumnsStyle: {
        // Whole-pixel boxes: no antialiasing, and one fill and stroke for many.
        AntialiasOff crisp(dc);
        RectangleBatch columns;
        forEachColumn(s, seg, c, [&](const wxRect& r) { columns.add(r.x, r.y, r.width, r.height); });
        columns.draw(dc);
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
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
}

template <class Take>
void coordSys::forEachColumn(const tally::Series& s, const tally::PointList& seg, const wxSize& c,
                             Take&& take) const {
  const int f = layout.worldWidthToPixels(s.columnWidth, c.x);
  const int y0 = layout.worldToPixelY(0, c.y);
  for (const tally::WorldPoint& p : seg) {
    int left = layout.worldToPixelX(p.x, c.x);
    if (s.columnAlign == tally::ColumnCentredOnX) left -= f / 2;
    if (s.columnAlign == tally::ColumnEndsAtX) left -= f;
    const int y = layout.worldToPixelY(p.y, c.y);
    // Columns stand on y = 0 and hang down for negative values.
    take(wxRect(left, std::min(y, y0), f + 1, std::abs(y - y0) + 1));
  }
}

void coordSys::opaqueColumns(const tally::Series& s, std::vector<wxRect>& out) const {
  // As drawSeries draws them: a solid fill, under no outline or a one-pixel one,
  // covers every pixel of a column at least two pixels wide and high; a wider
  // pen goes another way and thinner columns are drawn as outlines alone.
  if (s.style != tally::ColumnsStyle || !s.fillColour.set ||
      (s.lineColour.set && s.penWidth != 1))
    return;
  const wxSize c = GetClientSize();
  for (const tally::PointList& seg : s.segments)
    forEachColumn(s, seg, c, [&](const wxRect& r) {
      if (r.width >= 2 && r.height >= 2) out.push_back(r);
    });
}

void coordSys::columnBoxes(const tally::Series& s, std::vector<wxRect>& out) const {
  if (s.style != tally::ColumnsStyle) return;
  const wxSize c = GetClientSize();
  for (const tally::PointList& seg : s.segments)
    forEachColumn(s, seg, c, [&](const wxRect& r) { out.push_back(r); });
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
  for (const tally::PointLabel& l : store.getPointLabels()) {
    if (!l.visible) continue;
    dc.SetPen(linePen(toWx(l.colour), lineWidth()));
    dc.SetBrush(wxBrush(toWx(l.colour), wxBRUSHSTYLE_SOLID));
    drawMarker(dc, l.x, l.y, l.markerShape, l.markerSize);
  }
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
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
    if (store.count() > 0) drawSeriesById(store.all().back().id);
  }
  return store.add(s);
}

bool coordSys::removeSeries(int id) {
  if (isAnimating()) stopAnimation();
  return store.remove(id);
}

bool coordSys::replaceSeries(int id, const tally::Series& s) {
  if (isAnimating()) stopAnimation();
  return store.replace(id, s);
}

void coordSys::clearSeries() {
  if (isAnimating()) stopAnimation();
  store.clear();
}

int coordSys::findSeries(int id) const { return store.find(id); }
const tally::Series* coordSys::getSeries(int id) const { return store.get(id); }
int coordSys::addPointLabel(const tally::PointLabel& label) { return store.addPointLabel(label); }
bool coordSys::removePointLabel(int id) { return store.removePointLabel(id); }
int coordSys::removeSeriesPointLabels(int seriesId) { return store.removeSeriesPointLabels(seriesId); }
int coordSys::removeAllSeriesPointLabels() { return store.removeAllSeriesPointLabels(); }

// ---- properties window

void coordSys::showProperties() {
  // A forced close destroyed the last one.
  if (!propertiesWindow)
    propertiesWindow = new coordSysProperties(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                              wxDefaultSize, wxDEFAULT_FRAME_STYLE);
  coordSysProperties* w = propertiesWindow;
  w->fillFromOwner();
  if (!w->IsShown()) w->Move(ClientToScreen(wxPoint(50, 50)));
  w->Show();
}

void coordSys::propertiesApplied() {
  updateScales();
  notifyViewChanged(-1);
  Refresh(true);
}

bool coordSys::loadSettings(const wxString& fileName) {
  return tally::loadSettings(layout, std::string(fileName.fn_str()));
}

bool coordSys::parseSettings(const std::string& text) { return tally::parseSettings(layout, text); }

// ---- events

void coordSys::onKeyDown(wxKeyEvent& event) {
  if (event.ControlDown() && event.GetKeyCode() == 'C')
    copyToClipboard();
  else
    event.Skip();
}

void coordSys::onRightUp(wxMouseEvent& event) {
  if (!propertiesMenuEnabled && menuEntries.empty()) {
    event.Skip();
    return;
  }
  wxMenu menu;
  if (propertiesMenuEnabled) menu.Append(PropertiesMenuId, _("&Properties..."), wxEmptyString);
  for (const auto& entry : menuEntries) menu.Append(entry.first, entry.second);
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

void coordSys::onMotion(wxMouseEvent& event) {
  const wxPoint m = event.GetPosition();
  for (const tally::PointLabel& l : store.getPointLabels()) {
    const wxPoint p = worldToPixel(l.x, l.y);
    const double dx = m.x - p.x, dy = m.y - p.y;
    if (std::sqrt(dx * dx + dy * dy) <= l.markerSize) {
      // Filled by hand: numbers are always written with a decimal point.
      wxString text = _("(%.5g, %.5g)\n---------------------\n%s");
      text.Replace("%.5g", toWx(tally::readoutText(l.x)), false);
      text.Replace("%.5g", toWx(tally::readoutText(l.y)), false);
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
