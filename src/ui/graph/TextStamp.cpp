#include "ui/graph/TextStamp.h"

#include <cairo.h>
#include <wx/graphics.h>

#include <tuple>
#include <utility>

#include "ui/graph/DrawnAreas.h"
#include "ui/graph/GraphDrawing.h"
#include "ui/graph/TextMeasure.h"

namespace {

cairo_t* cairoOf(wxDC& dc) {
  wxGraphicsContext* gc = dc.GetGraphicsContext();
  return gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
}

bool unscaledMemory(wxDC& dc) {
  double ux = 0, uy = 0, lx = 0, ly = 0;
  dc.GetUserScale(&ux, &uy);
  dc.GetLogicalScale(&lx, &ly);
  return wxDynamicCast(&dc, wxMemoryDC) && ux == 1 && uy == 1 && lx == 1 && ly == 1 &&
         dc.GetContentScaleFactor() == 1;
}

// Room around a text's measured box for glyphs reaching past it (a bold
// letter's last stroke, an italic's tail).
constexpr int kRoom = 4;

}  // namespace

wxSize keptTextExtent(wxDC& dc, const wxString& text) {
  if (!unscaledMemory(dc)) return dc.GetTextExtent(text);
  using Key = std::tuple<int, int, wxString, wxString>;
  static std::map<Key, wxSize> known;
  const wxSize ppi = dc.GetPPI();
  Key key{ppi.x, ppi.y, fontKey(dc.GetFont()), text};
  const auto found = known.find(key);
  if (found != known.end()) return found->second;
  const wxSize e = dc.GetTextExtent(text);
  // Numbers of a dragged slider are many; the common texts come back at once.
  if (known.size() >= 4096) known.clear();
  known.emplace(std::move(key), e);
  return e;
}

void TextStamps::draw(wxDC& dc, const wxString& text, int x, int y, const wxSize& extent) {
  cairo_t* target = cairoOf(dc);
  if (text.empty() || !target || !GraphLayer::suits(dc) || dc.GetContentScaleFactor() != 1 ||
      dc.GetBackgroundMode() != wxBRUSHSTYLE_TRANSPARENT) {
    drawMeasuredText(dc, text, x, y, {extent.x, extent.y});
    return;
  }
  const wxColour colour = dc.GetTextForeground();
  std::string key = fontKey(dc.GetFont()).utf8_string();
  key += '|';
  key += std::to_string(colour.GetRGBA());
  key += '|';
  key += text.utf8_string();
  auto found = stamps.find(key);
  if (found == stamps.end()) {
    if (stamps.size() >= 256) stamps.clear();
    Stamp stamp;
    stamp.size = wxSize(extent.x + 2 * kRoom, extent.y + 2 * kRoom);
    if (!stamp.bitmap.Create(stamp.size, 32)) {
      drawMeasuredText(dc, text, x, y, {extent.x, extent.y});
      return;
    }
    stamp.bitmap.UseAlpha();
    stamp.dc = std::make_unique<wxMemoryDC>(stamp.bitmap);
    cairo_t* cr = cairoOf(*stamp.dc);
    if (!cr) {
      drawMeasuredText(dc, text, x, y, {extent.x, extent.y});
      return;
    }
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_restore(cr);
    stamp.dc->SetFont(dc.GetFont());
    stamp.dc->SetTextForeground(colour);
    stamp.dc->SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    drawMeasuredText(*stamp.dc, text, kRoom, kRoom, {extent.x, extent.y});
    stamp.surface = cairo_get_target(cr);
    cairo_surface_flush(stamp.surface);
    ++made;
    found = stamps.emplace(std::move(key), std::move(stamp)).first;
  }
  const Stamp& stamp = found->second;
  const wxRect box(x - kRoom, y - kRoom, stamp.size.x, stamp.size.y);
  cairo_save(target);
  cairo_new_path(target);
  cairo_rectangle(target, box.x, box.y, box.width, box.height);
  cairo_clip(target);
  cairo_set_source_surface(target, stamp.surface, box.x, box.y);
  cairo_paint(target);
  cairo_restore(target);
  if (DrawnAreas* areas = DrawnAreas::of(dc)) {
    areas->add(box);
    return;
  }
  dc.CalcBoundingBox(x, y);
  dc.CalcBoundingBox(x + extent.x, y + extent.y);
}
