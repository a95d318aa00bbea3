#include "ui/views/ViewBuffer.h"

#include <algorithm>
#include <utility>

#include "ui/graph/DrawnAreas.h"
#include "ui/graph/GraphDrawing.h"

ViewBuffer::ViewBuffer(int width, int height) : w(width), h(height) {}

ViewBuffer::~ViewBuffer() {
  if (memory) memory->SelectObject(wxNullBitmap);
}

void ViewBuffer::resize(int width, int height, double scaleFactor) {
  w = width;
  h = height;
  scale = scaleFactor > 0 ? scaleFactor : 1.0;
  if (memory) memory->SelectObject(wxNullBitmap);
  bitmap = wxNullBitmap;
  drawnKnown = false;
  drawn.clear();
}

void ViewBuffer::allocate() {
  if (bitmap.IsOk()) return;
  if (!memory) memory = std::make_unique<wxMemoryDC>();
  // A hidden notebook page can report a zero size; a 0 x 0 bitmap is invalid.
  bitmap.CreateWithDIPSize(wxSize(std::max(w, 1), std::max(h, 1)), scale, wxBITMAP_SCREEN_DEPTH);
  memory->SelectObject(bitmap);
  memory->SetBackground(*wxWHITE_BRUSH);
  memory->Clear();
}

wxMemoryDC& ViewBuffer::dc() {
  allocate();
  return *memory;
}

void ViewBuffer::clear() {
  // A bitmap made now starts white.
  if (!bitmap.IsOk()) {
    allocate();
    return;
  }
  memory->SetBackground(*wxWHITE_BRUSH);
  memory->Clear();
  drawnKnown = false;
}

void ViewBuffer::clearDrawn(const std::vector<wxRect>& covered) {
  if (!bitmap.IsOk() || !drawnKnown || scale != 1.0) {
    clear();
    return;
  }
  const wxRect whole(0, 0, std::max(w, 1), std::max(h, 1));
  // The covering boxes (a row of columns) by their left edges: each drawn box is
  // cut by those it can meet, found without looking at all of them.
  std::vector<wxRect> byLeft(covered);
  std::sort(byLeft.begin(), byLeft.end(), [](const wxRect& a, const wxRect& b) { return a.x < b.x; });
  int widest = 0;
  for (const wxRect& c : byLeft) widest = std::max(widest, c.width);
  std::vector<wxRect> white, near;
  for (const wxRect& box : drawn) {
    const wxRect inside = box.Intersect(whole);
    if (inside.IsEmpty()) continue;
    near.clear();
    auto it = std::lower_bound(byLeft.begin(), byLeft.end(), inside.x - widest + 1,
                               [](const wxRect& c, int x) { return c.x < x; });
    for (; it != byLeft.end() && it->x <= inside.GetRight(); ++it) near.push_back(*it);
    appendBoxesOutside(inside, near, white);
  }
  drawnKnown = false;
  if (!paintPixels(*memory, white, *wxWHITE)) clear();
}

void ViewBuffer::keepDrawn(std::vector<wxRect> boxes) {
  drawn = std::move(boxes);
  drawnKnown = bitmap.IsOk();
}

bool ViewBuffer::whiten(const wxRect& box) {
  allocate();
  const wxRect inside = box.Intersect(wxRect(0, 0, std::max(w, 1), std::max(h, 1)));
  return scale == 1.0 && (inside.IsEmpty() || paintPixels(*memory, {inside}, *wxWHITE));
}

bool ViewBuffer::takePixels(wxDC& from, const wxRect& box) {
  // Alternating edits replace the same few boxes over and over; a list grown
  // past this is left to the next whole drawing to shorten.
  constexpr size_t kMostBoxes = 4096;
  if (!bitmap.IsOk() || !drawnKnown || scale != 1.0 || drawn.size() >= kMostBoxes) return false;
  const wxRect inside = box.Intersect(wxRect(0, 0, std::max(w, 1), std::max(h, 1)));
  if (inside.IsEmpty()) return true;
  if (from.GetSize() != wxSize(std::max(w, 1), std::max(h, 1)) ||
      !copyPixels(from, *memory, inside))
    return false;
  const bool known = std::any_of(drawn.begin(), drawn.end(),
                                 [&](const wxRect& r) { return r.Contains(inside); });
  if (!known) drawn.push_back(inside);
  return true;
}

void ViewBuffer::blitTo(wxDC& target) {
  target.Blit(0, 0, std::max(w, 1), std::max(h, 1), &dc(), 0, 0, wxCOPY, false);
}

wxBitmap ViewBuffer::snapshot() {
  wxBitmap copy(std::max(w, 1), std::max(h, 1), 24);
  wxMemoryDC out(copy);
  blitTo(out);
  out.SelectObject(wxNullBitmap);
  return copy;
}
