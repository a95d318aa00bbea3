#pragma once
// The off-screen picture both analysis views keep.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <memory>

class wxDC;

class ViewBuffer {
 public:
  ViewBuffer(int width, int height);
  ~ViewBuffer();
  ViewBuffer(const ViewBuffer&) = delete;
  ViewBuffer& operator=(const ViewBuffer&) = delete;

  // Replaces the bitmap by a white one of the given size (at least 1 x 1) in
  // window units, holding scale device pixels per unit: at the window's content
  // scale factor a high-density screen gets crisp lines and text, not a picture
  // drawn at half resolution and enlarged.
  void resize(int width, int height, double scale = 1.0);
  void clear();
  wxMemoryDC& dc() { return *memory; }
  int width() const { return w; }
  int height() const { return h; }
  double scaleFactor() const { return scale; }
  // Copies the picture onto a paint context at 0,0, whole buffer, no mask.
  void blitTo(wxDC& target);
  // A separate copy of the current picture, safe to read while the buffer lives on.
  wxBitmap snapshot();

 private:
  int w = 0;
  int h = 0;
  double scale = 1.0;
  wxBitmap bitmap;
  std::unique_ptr<wxMemoryDC> memory;
};
