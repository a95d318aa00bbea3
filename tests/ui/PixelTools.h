#pragma once
// Looking at pictures in GUI tests: draw into a white memory bitmap, then test pixels.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cstdlib>
#include <functional>

// What `draw` makes on a fresh white bitmap of the given size.
inline wxImage renderOnWhite(int width, int height, const std::function<void(wxDC&)>& draw) {
  wxBitmap bmp(width, height, 24);
  wxMemoryDC dc(bmp);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  draw(dc);
  dc.SelectObject(wxNullBitmap);
  return bmp.ConvertToImage();
}

inline bool dark(const wxImage& img, int x, int y) {
  return img.GetRed(x, y) + img.GetGreen(x, y) + img.GetBlue(x, y) < 300;
}
inline bool white(const wxImage& img, int x, int y) {
  return img.GetRed(x, y) > 240 && img.GetGreen(x, y) > 240 && img.GetBlue(x, y) > 240;
}

// Pixels whose channels differ by more than `tolerance` in the two pictures; -1
// when their sizes differ.
inline int differingPixels(const wxImage& a, const wxImage& b, int tolerance = 0) {
  if (a.GetSize() != b.GetSize()) return -1;
  int n = 0;
  for (int y = 0; y < a.GetHeight(); ++y)
    for (int x = 0; x < a.GetWidth(); ++x)
      n += std::abs(a.GetRed(x, y) - b.GetRed(x, y)) > tolerance ||
           std::abs(a.GetGreen(x, y) - b.GetGreen(x, y)) > tolerance ||
           std::abs(a.GetBlue(x, y) - b.GetBlue(x, y)) > tolerance;
  return n;
}
