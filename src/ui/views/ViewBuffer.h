#pragma once
// The off-screen picture both analysis views keep.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <memory>
#include <vector>

class wxDC;

// The bitmap is made when it is first drawn on or copied, not when its size is
// set: a view on a notebook page never shown costs no picture memory.
class ViewBuffer {
 public:
  ViewBuffer(int width, int height);
  ~ViewBuffer();
  ViewBuffer(const ViewBuffer&) = delete;
  ViewBuffer& operator=(const ViewBuffer&) = delete;

  // Drops the bitmap; the next use makes a white one of this size (at least 1 x 1)
  // in window units, holding `scale` device pixels per unit: at the window's
  // content scale factor a high-density screen gets crisp lines and text, not a
  // picture drawn at half resolution and enlarged.
  void resize(int width, int height, double scale = 1.0);
  void clear();
  // Whites only what the last drawing touched (`drawn`, as kept by keepDrawn),
  // leaving out `covered`: boxes the next drawing paints over with opaque pixels
  // whatever lies under them. The whole picture when nothing is known of the last
  // drawing (a new bitmap, a new size or scale) or when the bitmap cannot be
  // written directly.
  void clearDrawn(const std::vector<wxRect>& covered);
  // What the drawing just made touched: the only pixels that are not white.
  void keepDrawn(std::vector<wxRect> boxes);
  // Whites `box` (within the picture) directly; false when the bitmap cannot be
  // written so.
  bool whiten(const wxRect& box);
  // Replaces the pixels of `box` (within the picture) with those of `from`, a
  // picture of the same size, and counts the box among what the picture drew.
  // False, and nothing changed, when what the last drawing touched is not known
  // or either bitmap cannot be read or written directly.
  bool takePixels(wxDC& from, const wxRect& box);
  wxMemoryDC& dc();
  int width() const { return w; }
  int height() const { return h; }
  // Copies the picture onto a paint context at 0,0, whole buffer, no mask.
  void blitTo(wxDC& target);
  // A separate copy of the current picture, safe to read while the buffer lives on.
  wxBitmap snapshot();

 private:
  void allocate();

  int w = 0;
  int h = 0;
  double scale = 1.0;
  wxBitmap bitmap;
  std::unique_ptr<wxMemoryDC> memory;
  // Outside these boxes the picture is white; valid while drawnKnown.
  std::vector<wxRect> drawn;
  bool drawnKnown = false;
};
