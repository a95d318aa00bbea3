#include "ui/graph/GraphDrawing.h"

#include "ui/graph/DrawnAreas.h"

#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The boxes a batch drew. On a recorded context each box is reported as it is
// (grown by `room` pixels where the drawing may reach past it); elsewhere they
// grow the context's bounding box once: each box from its corner to one past its
// far edge, as DrawRectangle reports it.
struct DrawnBoxes {
  explicit DrawnBoxes(wxDC& dc, int room = 0) : areas(DrawnAreas::of(dc)), room(room) {}
  DrawnAreas* areas;
  int room;
  bool any = false;
  int minX = 0, minY = 0, maxX = 0, maxY = 0;
  void add(const wxRect& r) {
    if (areas) {
      areas->add(wxRect(r).Inflate(room));
      return;
    }
    if (!any) {
      minX = r.x, minY = r.y, maxX = r.x + r.width, maxY = r.y + r.height;
      any = true;
      return;
    }
    minX = std::min(minX, r.x);
    minY = std::min(minY, r.y);
    maxX = std::max(maxX, r.x + r.width);
    maxY = std::max(maxY, r.y + r.height);
  }
  void report(wxDC& dc) const {
    if (!any) return;
    dc.CalcBoundingBox(minX, minY);
    dc.CalcBoundingBox(maxX, maxY);
  }
};

template <class Line>
bool writeLines(wxDC& dc, const std::vector<Line>& lines);

}  // namespace

void LineBatch::stroke(wxDC& dc) {
  if (lines.empty()) return;
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (!gc) {
    for (const Line& l : lines) dc.DrawLine(l.x1, l.y1, l.x2, l.y2);
    lines.clear();
    return;
  }
  wxGraphicsPath path = gc->CreatePath();
  int minX = lines[0].x1, minY = lines[0].y1, maxX = minX, maxY = minY;
  bool straight = true;
  for (const Line& l : lines) {
    path.MoveToPoint(l.x1, l.y1);
    path.AddLineToPoint(l.x2, l.y2);
    minX = std::min({minX, l.x1, l.x2});
    maxX = std::max({maxX, l.x1, l.x2});
    minY = std::min({minY, l.y1, l.y2});
    maxY = std::max({maxY, l.y1, l.y2});
    straight = straight && (l.x1 == l.x2 || l.y1 == l.y2);
  }
  if (straight) {
    if (!writeLines(dc, lines)) {
      AntialiasOff crisp(dc);
      gc->StrokePath(path);
    }
  } else {
    gc->StrokePath(path);
  }
  // The clipboard picture is cut to the drawn bounding box, which DrawLine would
  // have grown; a thick line reaches half its width past its coordinates.
  const int half = std::max(0, dc.GetPen().GetWidth() / 2);
  if (DrawnAreas* areas = DrawnAreas::of(dc)) {
    // Each line's own box, with a pixel more for antialiased or capped ends.
    for (const Line& l : lines)
      areas->add(wxRect(wxPoint(std::min(l.x1, l.x2), std::min(l.y1, l.y2)),
                        wxPoint(std::max(l.x1, l.x2), std::max(l.y1, l.y2)))
                     .Inflate(half + 2));
  } else {
    dc.CalcBoundingBox(minX - half, minY - half);
    dc.CalcBoundingBox(maxX + half, maxY + half);
  }
  lines.clear();
}

AntialiasOff::AntialiasOff(wxDC& dc) : gc(dc.GetGraphicsContext()) {
  if (!gc) return;
  kept = gc->GetAntialiasMode();
  gc->SetAntialiasMode(wxANTIALIAS_NONE);
}

AntialiasOff::~AntialiasOff() {
  if (gc) gc->SetAntialiasMode(kept);
}

// A rectangle DrawRectangle(x, y, w, h) draws with a one-pixel pen covers the
// columns x to x + w - 1: its fill the first w - 1, its outline the first and the
// last. A rectangle whose first column is at or right of every earlier one's last
// column can only meet them in that one column, where its own outline covers its
// own rows and theirs keep the rest: one fill of all, then one stroke of all,
// leaves every pixel as drawing them in turn would.
namespace {
bool writePixels(wxDC& dc, cairo_t* cr, std::vector<wxRect>& rects, const wxColour& pen,
                 const wxColour& brush);
}  // namespace

void RectangleBatch::draw(wxDC& dc) {
  if (rects.empty()) return;
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  const wxPen pen = dc.GetPen();
  const wxBrush brush = dc.GetBrush();
  const bool outlined = pen.IsOk() && pen.GetStyle() != wxPENSTYLE_TRANSPARENT && pen.GetWidth() > 0;
  const bool filled = brush.IsOk() && brush.GetStyle() != wxBRUSHSTYLE_TRANSPARENT;
  const bool batchable = gc && (!outlined || (pen.GetWidth() == 1 && pen.GetStyle() == wxPENSTYLE_SOLID &&
                                              pen.GetColour().Alpha() == wxALPHA_OPAQUE)) &&
                         (!filled || (brush.GetStyle() == wxBRUSHSTYLE_SOLID &&
                                      brush.GetColour().Alpha() == wxALPHA_OPAQUE));
  if (!batchable) {
    for (const wxRect& r : rects) dc.DrawRectangle(r);
    rects.clear();
    return;
  }
  if (cairo_t* cr = static_cast<cairo_t*>(gc->GetNativeContext());
      cr && cairo_get_operator(cr) == CAIRO_OPERATOR_OVER) {
    const wxColour penColour = outlined ? pen.GetColour() : wxColour();
    const wxColour brushColour = filled ? brush.GetColour() : wxColour();
    if (!writePixels(dc, cr, rects, penColour, brushColour)) fillRuns(dc, cr, penColour, brushColour);
    return;
  }
  // Without an outline the fill covers the whole w x h.
  const int shrink = outlined ? 1 : 0;
  wxGraphicsPath run = gc->CreatePath();
  int count = 0;
  int lastColumn = 0;
  DrawnBoxes drawn(dc, 1);
  auto flush = [&] {
    if (count == 0) return;
    if (filled) gc->FillPath(run, wxWINDING_RULE);
    if (outlined) gc->StrokePath(run);
    run = gc->CreatePath();
    count = 0;
  };
  for (const wxRect& r : rects) {
    // Thin or reversed rectangles have outlines of their own shape: drawn as they are.
    if (r.width < 2 || r.height < 2) {
      flush();
      dc.DrawRectangle(r);
      continue;
    }
    if (count > 0 && r.x < lastColumn) flush();
    run.AddRectangle(r.x, r.y, r.width - shrink, r.height - shrink);
    lastColumn = count == 0 ? r.x + r.width - 1 : std::max(lastColumn, r.x + r.width - 1);
    ++count;
    drawn.add(r);
  }
  flush();
  drawn.report(dc);
  rects.clear();
}

namespace {

void setSource(cairo_t* cr, const wxColour& c) {
  cairo_set_source_rgba(cr, c.Red() / 255.0, c.Green() / 255.0, c.Blue() / 255.0,
                        c.Alpha() / 255.0);
}

}  // namespace

namespace {

// The pixels of an unscaled, untransformed image surface a context draws on,
// and the rectangles its clip lets through; false for anything else.
struct PixelTarget {
  cairo_surface_t* surface = nullptr;
  unsigned char* data = nullptr;
  int stride = 0;
  std::vector<wxRect> open;
};

bool pixelTarget(cairo_t* cr, PixelTarget& t) {
  cairo_surface_t* s = cairo_get_target(cr);
  if (!s || cairo_get_group_target(cr) != s || cairo_surface_get_type(s) != CAIRO_SURFACE_TYPE_IMAGE)
    return false;
  const cairo_format_t format = cairo_image_surface_get_format(s);
  if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return false;
  double sx = 0, sy = 0, ox = 0, oy = 0;
  cairo_surface_get_device_scale(s, &sx, &sy);
  cairo_surface_get_device_offset(s, &ox, &oy);
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  if (sx != 1 || sy != 1 || ox != 0 || oy != 0 || m.xx != 1 || m.yy != 1 || m.xy != 0 ||
      m.yx != 0 || m.x0 != 0 || m.y0 != 0)
    return false;
  const wxRect whole(0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
  cairo_rectangle_list_t* clip = cairo_copy_clip_rectangle_list(cr);
  bool ok = true;
  if (clip->status == CAIRO_STATUS_SUCCESS) {
    for (int i = 0; i < clip->num_rectangles && ok; ++i) {
      const cairo_rectangle_t& r = clip->rectangles[i];
      ok = r.x == std::floor(r.x) && r.y == std::floor(r.y) && r.width == std::floor(r.width) &&
           r.height == std::floor(r.height);
      const wxRect open = wxRect(static_cast<int>(r.x), static_cast<int>(r.y),
                                 static_cast<int>(r.width), static_cast<int>(r.height))
                              .Intersect(whole);
      if (ok && !open.IsEmpty()) t.open.push_back(open);
    }
  } else {
    // No clip at all cannot be listed either; a clip of another shape can, only
    // as not representable, and then it leaves less than the whole surface.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
    ok = clip->status == CAIRO_STATUS_CLIP_NOT_REPRESENTABLE && x1 <= 0 && y1 <= 0 &&
         x2 >= whole.width && y2 >= whole.height;
    if (ok) t.open.push_back(whole);
  }
  cairo_rectangle_list_destroy(clip);
  if (!ok) return false;
  cairo_surface_flush(s);
  t.surface = s;
  t.data = cairo_image_surface_get_data(s);
  t.stride = cairo_image_surface_get_stride(s);
  return t.data != nullptr;
}

uint32_t opaquePixel(const wxColour& c) {
  return 0xff000000u | static_cast<uint32_t>(c.Red()) << 16 |
         static_cast<uint32_t>(c.Green()) << 8 | static_cast<uint32_t>(c.Blue());
}

void fillPixels(const PixelTarget& t, const wxRect& box, uint32_t pixel) {
  for (const wxRect& open : t.open) {
    const wxRect r = box.Intersect(open);
    if (r.IsEmpty()) continue;
    for (int y = r.y; y < r.y + r.height; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(t.data + static_cast<size_t>(y) * t.stride);
      std::fill(row + r.x, row + r.x + r.width, pixel);
    }
  }
}

// Horizontal and vertical lines in a solid, opaque pen, their pixels written as
// cairo strokes them without antialiasing: a pen w pixels wide covers the rows
// (or columns) from w / 2 before the line on; a one-pixel pen reaches both end
// points, a wider one with square-cut ends stops a pixel short of the far end.
// False (and nothing drawn) for any other pen or context.
template <class Line>
bool writeLines(wxDC& dc, const std::vector<Line>& lines) {
  const wxPen pen = dc.GetPen();
  const int width = pen.GetWidth();
  if (!pen.IsOk() || pen.GetStyle() != wxPENSTYLE_SOLID || width < 1 ||
      pen.GetColour().Alpha() != wxALPHA_OPAQUE || (width > 1 && pen.GetCap() != wxCAP_BUTT))
    return false;
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  cairo_t* cr = gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
  PixelTarget target;
  if (!cr || cairo_get_operator(cr) != CAIRO_OPERATOR_OVER || !pixelTarget(cr, target)) return false;
  const uint32_t pixel = opaquePixel(pen.GetColour());
  const int before = width / 2, shorter = width > 1 ? 1 : 0;
  for (const Line& l : lines) {
    const int x0 = std::min(l.x1, l.x2), x1 = std::max(l.x1, l.x2);
    const int y0 = std::min(l.y1, l.y2), y1 = std::max(l.y1, l.y2);
    if (y0 == y1)
      fillPixels(target, wxRect(x0, y0 - before, x1 - x0 + 1 - shorter, width), pixel);
    else
      fillPixels(target, wxRect(x0 - before, y0, width, y1 - y0 + 1 - shorter), pixel);
  }
  cairo_surface_mark_dirty(target.surface);
  return true;
}

// Opaque, axis-aligned, whole-pixel rectangles on a plain image surface: their
// pixels are written as they are, one rectangle after the other as DrawRectangle
// would leave them (its one-pixel border in the pen's colour, the rest in the
// brush's). cairo's path filling cuts overlapping boxes into bands and fills them
// row by row, far slower than a hundred columns need. False when the context
// draws anywhere else.
bool writePixels(wxDC& dc, cairo_t* cr, std::vector<wxRect>& rects, const wxColour& pen,
                 const wxColour& brush) {
  PixelTarget target;
  if (!pixelTarget(cr, target)) return false;
  const bool outlined = pen.IsOk(), filled = brush.IsOk();
  const uint32_t penPixel = outlined ? opaquePixel(pen) : 0;
  const uint32_t brushPixel = filled ? opaquePixel(brush) : 0;
  DrawnBoxes drawn(dc);
  for (const wxRect& r : rects) {
    // A rectangle one pixel wide or high is its outline alone (or, unoutlined, its
    // fill), every pixel of it; an empty one draws nothing.
    if (r.width >= 0 && r.height >= 0 && (r.width < 2 || r.height < 2)) {
      if (r.IsEmpty() || (!outlined && !filled)) continue;
      fillPixels(target, r, outlined ? penPixel : brushPixel);
      drawn.add(r);
      continue;
    }
    // Reversed rectangles have outlines of their own shape: drawn as they are.
    if (r.width < 2 || r.height < 2) {
      cairo_surface_mark_dirty(target.surface);
      dc.DrawRectangle(r);
      cairo_surface_flush(target.surface);
      continue;
    }
    if (outlined) {
      fillPixels(target, wxRect(r.x, r.y, r.width, 1), penPixel);
      fillPixels(target, wxRect(r.x, r.y + r.height - 1, r.width, 1), penPixel);
      fillPixels(target, wxRect(r.x, r.y + 1, 1, r.height - 2), penPixel);
      fillPixels(target, wxRect(r.x + r.width - 1, r.y + 1, 1, r.height - 2), penPixel);
    }
    if (filled) {
      const int inset = outlined ? 1 : 0;
      fillPixels(target, wxRect(r.x + inset, r.y + inset, r.width - 2 * inset, r.height - 2 * inset),
                 brushPixel);
    }
    drawn.add(r);
  }
  cairo_surface_mark_dirty(target.surface);
  drawn.report(dc);
  rects.clear();
  return true;
}

}  // namespace

bool paintPixels(wxDC& dc, const std::vector<wxRect>& boxes, const wxColour& colour) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  cairo_t* cr = gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
  PixelTarget target;
  if (!cr || !pixelTarget(cr, target)) return false;
  const uint32_t pixel = opaquePixel(colour);
  for (const wxRect& box : boxes) fillPixels(target, box, pixel);
  cairo_surface_mark_dirty(target.surface);
  return true;
}

bool copyPixels(wxDC& from, wxDC& to, const wxRect& box) {
  wxGraphicsContext* a = from.GetGraphicsContext();
  wxGraphicsContext* b = to.GetGraphicsContext();
  cairo_t* source = a ? static_cast<cairo_t*>(a->GetNativeContext()) : nullptr;
  cairo_t* target = b ? static_cast<cairo_t*>(b->GetNativeContext()) : nullptr;
  PixelTarget in, out;
  if (!source || !target || !pixelTarget(source, in) || !pixelTarget(target, out)) return false;
  auto holds = [&box](const PixelTarget& t) {
    for (const wxRect& open : t.open)
      if (open.Contains(box)) return true;
    return false;
  };
  if (box.IsEmpty() || !holds(in) || !holds(out)) return false;
  for (int y = box.y; y < box.y + box.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(in.data + static_cast<size_t>(y) * in.stride);
    auto* into = reinterpret_cast<uint32_t*>(out.data + static_cast<size_t>(y) * out.stride);
    std::copy(row + box.x, row + box.x + box.width, into + box.x);
  }
  cairo_surface_mark_dirty(out.surface);
  return true;
}

// Each rectangle's pixels as DrawRectangle leaves them, from fills alone: its
// one-pixel border in the pen's colour, the rest in the brush's.
// Axis-aligned fills at whole pixels are the cheapest thing cairo draws: no
// stroker, no round caps to rasterise. The runs and their order are those of the
// stroked drawing, so overlapping rectangles cover each other as before.
void RectangleBatch::fillRuns(wxDC& dc, cairo_t* cr, const wxColour& pen, const wxColour& brush) {
  const bool outlined = pen.IsOk(), filled = brush.IsOk();
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_new_path(cr);
  size_t runStart = 0;
  int lastColumn = 0;
  auto flush = [&](size_t end) {
    if (end == runStart) return;
    if (outlined) {
      // The border as four one-pixel strips: no pixel is written twice.
      for (size_t i = runStart; i < end; ++i) {
        const wxRect& r = rects[i];
        cairo_rectangle(cr, r.x, r.y, r.width, 1);
        cairo_rectangle(cr, r.x, r.y + r.height - 1, r.width, 1);
        if (r.height > 2) {
          cairo_rectangle(cr, r.x, r.y + 1, 1, r.height - 2);
          cairo_rectangle(cr, r.x + r.width - 1, r.y + 1, 1, r.height - 2);
        }
      }
      setSource(cr, pen);
      cairo_fill(cr);
    }
    if (filled) {
      const int inset = outlined ? 1 : 0;
      for (size_t i = runStart; i < end; ++i) {
        const wxRect& r = rects[i];
        if (r.width > 2 * inset && r.height > 2 * inset)
          cairo_rectangle(cr, r.x + inset, r.y + inset, r.width - 2 * inset, r.height - 2 * inset);
      }
      setSource(cr, brush);
      cairo_fill(cr);
    }
  };
  DrawnBoxes drawn(dc);
  for (size_t i = 0; i < rects.size(); ++i) {
    const wxRect& r = rects[i];
    // Thin or reversed rectangles have outlines of their own shape: drawn as they are.
    if (r.width < 2 || r.height < 2) {
      flush(i);
      runStart = i + 1;
      cairo_restore(cr);
      dc.DrawRectangle(r);
      cairo_save(cr);
      cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
      cairo_new_path(cr);
      continue;
    }
    if (i > runStart && r.x < lastColumn) {
      flush(i);
      runStart = i;
    }
    lastColumn = i == runStart ? r.x + r.width - 1 : std::max(lastColumn, r.x + r.width - 1);
    drawn.add(r);
  }
  flush(rects.size());
  cairo_restore(cr);
  drawn.report(dc);
  rects.clear();
}

void drawMeasuredText(wxDC& dc, const wxString& text, int x, int y, const tally::Extent& e) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  if (!gc || text.empty() || text.find('\n') != wxString::npos ||
      dc.GetBackgroundMode() != wxBRUSHSTYLE_TRANSPARENT) {
    dc.DrawText(text, x, y);
    return;
  }
  gc->DrawText(text, x, y);
  if (DrawnAreas* areas = DrawnAreas::of(dc)) {
    // Glyphs may reach a little past their measured box (a bold letter's last stroke).
    areas->add(wxRect(x, y, e.width, e.height).Inflate(4));
    return;
  }
  dc.CalcBoundingBox(x, y);
  dc.CalcBoundingBox(x + e.width, y + e.height);
}

// ---- GraphLayer

namespace {

cairo_t* nativeCairo(wxDC& dc) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  return gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
}

bool layersEnabled = true;
bool pixelBlending = true;

// A premultiplied pixel laid over another as cairo's OVER leaves it: each channel
// c + d * (255 - alpha) / 255, the product rounded as pixman rounds it, two
// channels at a time, the sum held at 255.
uint32_t over(uint32_t source, uint32_t below) {
  const uint32_t alpha = source >> 24;
  if (alpha == 255) return source;
  const uint32_t rest = 255 - alpha;
  auto times = [rest](uint32_t pair) {
    uint32_t t = pair * rest + 0x00800080u;
    return ((t + ((t >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
  };
  auto plus = [](uint32_t a, uint32_t b) {
    uint32_t t = a + b;
    t |= 0x10000100u - ((t >> 8) & 0x00ff00ffu);
    return t & 0x00ff00ffu;
  };
  const uint32_t rb = plus(times(below & 0x00ff00ffu), source & 0x00ff00ffu);
  const uint32_t ag = plus(times((below >> 8) & 0x00ff00ffu), (source >> 8) & 0x00ff00ffu);
  return rb | ag << 8;
}

// Side of the square parts the picture is cut into; only parts holding anything are laid over.
constexpr int kTile = 32;

}  // namespace

GraphLayer::~GraphLayer() { clear(); }

void GraphLayer::Picture::forget() {
  surface = nullptr;
  dc.reset();
  bitmap = wxBitmap();
  key.clear();
  tiles.clear();
  runs.clear();
  pixels.clear();
  empty = true;
}

void GraphLayer::clear() {
  current.forget();
  previous.forget();
}

void GraphLayer::setEnabled(bool on) { layersEnabled = on; }

void GraphLayer::setPixelBlending(bool on) { pixelBlending = on; }

bool GraphLayer::suits(wxDC& dc) {
  if (!layersEnabled || !wxDynamicCast(&dc, wxMemoryDC) || !nativeCairo(dc)) return false;
  double ux = 0, uy = 0, lx = 0, ly = 0;
  dc.GetUserScale(&ux, &uy);
  dc.GetLogicalScale(&lx, &ly);
  return ux == 1 && uy == 1 && lx == 1 && ly == 1 && dc.GetDeviceOrigin() == wxPoint(0, 0) &&
         dc.GetLogicalOrigin() == wxPoint(0, 0) && dc.GetTransformMatrix().IsIdentity();
}

bool GraphLayer::record(Picture& into, wxDC& target, const std::function<void(wxDC&)>& paint,
                        const std::vector<wxRect>& parts) {
  // A picture of the same size is drawn over again, cleared, instead of made anew.
  // It is a memory context like the one it is laid over, so that its texts come
  // out as they would there.
  const wxSize dipSize(std::max(into.width, 1), std::max(into.height, 1));
  const double scale = into.scale;
  if (!into.dc || into.size != dipSize || into.bitmapScale != scale) {
    into.dc.reset();
    into.bitmap = wxBitmap();
    if (!into.bitmap.CreateWithDIPSize(dipSize, scale, 32)) return false;
    into.bitmap.UseAlpha();
    into.dc = std::make_unique<wxMemoryDC>(into.bitmap);
    into.size = dipSize;
    into.bitmapScale = scale;
  }
  cairo_t* cr = nativeCairo(*into.dc);
  if (!cr) {
    into.dc.reset();
    return false;
  }
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_restore(cr);
  wxMemoryDC& layerDc = *into.dc;
  layerDc.SetFont(target.GetFont());
  layerDc.SetTextForeground(target.GetTextForeground());
  layerDc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  layerDc.ResetBoundingBox();
  paint(layerDc);
  into.empty = layerDc.MinX() > layerDc.MaxX() || layerDc.MinY() > layerDc.MaxY();
  if (!into.empty)
    into.box =
        wxRect(wxPoint(layerDc.MinX(), layerDc.MinY()), wxPoint(layerDc.MaxX(), layerDc.MaxY()));
  into.surface = cairo_get_target(cr);
  cairo_surface_flush(into.surface);
  const int pw = cairo_image_surface_get_width(into.surface);
  const int ph = cairo_image_surface_get_height(into.surface);

  std::vector<wxRect>& tiles = into.tiles;
  tiles.clear();
  const wxRect whole(0, 0, pw, ph);
  if (!parts.empty()) {
    for (const wxRect& p : parts) {
      const int left = static_cast<int>(std::floor(p.x * scale));
      const int top = static_cast<int>(std::floor(p.y * scale));
      const int right = static_cast<int>(std::ceil((p.x + p.width) * scale));
      const int bottom = static_cast<int>(std::ceil((p.y + p.height) * scale));
      const wxRect device = wxRect(left, top, right - left, bottom - top).Intersect(whole);
      if (!device.IsEmpty()) tiles.push_back(device);
    }
    keepRuns(into);
    ++drawn;
    return true;
  }
  // Runs of tiles along each row of tiles that hold a pixel that is not transparent.
  const unsigned char* data = cairo_image_surface_get_data(into.surface);
  const int stride = cairo_image_surface_get_stride(into.surface);
  for (int ty = 0; ty < ph; ty += kTile) {
    const int th = std::min(kTile, ph - ty);
    int runStart = -1;
    for (int tx = 0; tx <= pw; tx += kTile) {
      bool used = false;
      if (tx < pw) {
        const int tw = std::min(kTile, pw - tx);
        for (int y = ty; y < ty + th && !used; ++y) {
          const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
          for (int x = tx; x < tx + tw; ++x)
            if (row[x] != 0) {
              used = true;
              break;
            }
        }
      }
      if (used && runStart < 0) runStart = tx;
      if (!used && runStart >= 0) {
        tiles.emplace_back(runStart, ty, std::min(tx, pw) - runStart, th);
        runStart = -1;
      }
    }
  }
  keepRuns(into);
  ++drawn;
  return true;
}

void GraphLayer::keepRuns(Picture& picture) {
  picture.runs.clear();
  picture.pixels.clear();
  if (picture.tiles.empty()) return;
  const unsigned char* data = cairo_image_surface_get_data(picture.surface);
  const int stride = cairo_image_surface_get_stride(picture.surface);
  int top = picture.tiles.front().y, bottom = picture.tiles.front().GetBottom();
  for (const wxRect& t : picture.tiles) {
    top = std::min(top, t.y);
    bottom = std::max(bottom, t.GetBottom());
  }
  // Parts named by the caller may overlap: each row's stretches are merged first,
  // so that no pixel is laid over twice.
  std::vector<std::pair<int, int>> stretches;
  for (int y = top; y <= bottom; ++y) {
    stretches.clear();
    for (const wxRect& t : picture.tiles)
      if (t.y <= y && y <= t.GetBottom()) stretches.emplace_back(t.x, t.x + t.width);
    if (stretches.empty()) continue;
    std::sort(stretches.begin(), stretches.end());
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    int x = stretches.front().first;
    for (const auto& [from, to] : stretches) {
      x = std::max(x, from);
      while (x < to) {
        while (x < to && row[x] == 0) ++x;
        const int start = x;
        while (x < to && row[x] != 0) ++x;
        if (x > start) {
          picture.runs.push_back({start, y, x - start, picture.pixels.size()});
          picture.pixels.insert(picture.pixels.end(), row + start, row + x);
        }
      }
    }
  }
}

bool GraphLayer::blendRuns(wxDC& dc) const {
  if (!pixelBlending || current.scale != 1.0) return false;
  cairo_t* cr = nativeCairo(dc);
  PixelTarget target;
  if (!cr || !pixelTarget(cr, target)) return false;
  // Runs go row by row: only the rows the clip lets through are looked at (a box
  // drawn anew within a picture clips to a few rows of it).
  wxRect within;
  for (const wxRect& open : target.open) within = within.IsEmpty() ? open : within.Union(open);
  const auto first = std::lower_bound(current.runs.begin(), current.runs.end(), within.y,
                                      [](const Picture::Run& r, int y) { return r.y < y; });
  for (auto it = first; it != current.runs.end() && it->y <= within.GetBottom(); ++it) {
    const Picture::Run& run = *it;
    if (run.x >= within.GetRight() + 1 || run.x + run.count <= within.x) continue;
    auto* row = reinterpret_cast<uint32_t*>(target.data + static_cast<size_t>(run.y) * target.stride);
    for (const wxRect& open : target.open) {
      if (run.y < open.y || run.y > open.GetBottom()) continue;
      const int from = std::max(run.x, open.x);
      const int to = std::min(run.x + run.count, open.x + open.width);
      const uint32_t* source = current.pixels.data() + run.at + (from - run.x);
      for (int x = from; x < to; ++x, ++source) row[x] = over(*source, row[x]);
    }
  }
  cairo_surface_mark_dirty(target.surface);
  return true;
}

bool GraphLayer::paintOver(wxDC& dc, const std::string& wanted,
                           const std::function<void(wxDC&)>& paint,
                           const std::vector<wxRect>& parts) {
  if (!suits(dc)) return false;
  const wxSize size = dc.GetSize();
  const double factor = dc.GetContentScaleFactor() > 0 ? dc.GetContentScaleFactor() : 1.0;
  if (!current.shows(wanted, size, factor)) {
    // The last picture becomes the one before; the one before is either wanted
    // again or drawn over (its bitmap reused when the size is the same).
    std::swap(current, previous);
    if (!current.shows(wanted, size, factor)) {
      current.key.clear();
      current.width = size.x;
      current.height = size.y;
      current.scale = factor;
      if (!record(current, dc, paint, parts)) {
        current.forget();
        return false;
      }
      current.key = wanted;
    }
  }
  if (current.tiles.empty()) return true;
  const double scale = current.scale;
  if (!blendRuns(dc)) {
    cairo_t* cr = nativeCairo(dc);
    cairo_save(cr);
    cairo_new_path(cr);
    for (const wxRect& t : current.tiles)
      cairo_rectangle(cr, t.x / scale, t.y / scale, t.width / scale, t.height / scale);
    cairo_clip(cr);
    cairo_set_source_surface(cr, current.surface, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  if (DrawnAreas* areas = DrawnAreas::of(dc)) {
    for (const wxRect& t : current.tiles) {
      const int left = static_cast<int>(std::floor(t.x / scale));
      const int top = static_cast<int>(std::floor(t.y / scale));
      const int right = static_cast<int>(std::ceil((t.x + t.width) / scale));
      const int bottom = static_cast<int>(std::ceil((t.y + t.height) / scale));
      areas->add(wxRect(left, top, right - left, bottom - top));
    }
    return true;
  }
  if (!current.empty) {
    dc.CalcBoundingBox(current.box.GetLeft(), current.box.GetTop());
    dc.CalcBoundingBox(current.box.GetRight(), current.box.GetBottom());
  }
  return true;
}
