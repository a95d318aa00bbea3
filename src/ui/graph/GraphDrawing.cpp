#include "ui/graph/GraphDrawing.h"

#include <wx/graphics.h>

#include <algorithm>

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
