#pragma once
// Looking at pictures in GUI tests: draw into a white memory bitmap, then test pixels.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

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
