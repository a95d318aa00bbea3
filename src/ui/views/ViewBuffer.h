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

  // Replaces the bitmap by a white one of the given size (at least 1 x 1).
  void resize(int width, int height);
  void clear();
  wxMemoryDC& dc() { return *memory; }
  int width() const { return w; }
  int height() const { return h; }
  // Copies the picture onto a paint context at 0,0, whole buffer, no mask.
  void blitTo(wxDC& target);
  // A separate copy of the current picture, safe to read while the buffer lives on.
  wxBitmap snapshot();

 private:
  int w = 0;
  int h = 0;
  wxBitmap bitmap;
  std::unique_ptr<wxMemoryDC> memory;
};
