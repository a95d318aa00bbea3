#include "ui/views/ViewBuffer.h"

#include <wx/clipbrd.h>
#include <wx/window.h>

#include <algorithm>

ViewBuffer::ViewBuffer(int width, int height) : memory(std::make_unique<wxMemoryDC>()) {
  resize(width, height);
}

ViewBuffer::~ViewBuffer() { memory->SelectObject(wxNullBitmap); }

void ViewBuffer::resize(int width, int height) {
  w = width;
  h = height;
  // A hidden notebook page can report a zero size; a 0 x 0 bitmap is invalid.
  memory->SelectObject(wxNullBitmap);
  bitmap = wxBitmap(std::max(width, 1), std::max(height, 1), wxBITMAP_SCREEN_DEPTH);
  memory->SelectObject(bitmap);
  clear();
}

void ViewBuffer::clear() {
  memory->SetBackground(*wxWHITE_BRUSH);
  memory->Clear();
}

void ViewBuffer::blitTo(wxDC& target) {
  target.Blit(0, 0, std::max(w, 1), std::max(h, 1), memory.get(), 0, 0, wxCOPY, false);
}

wxBitmap ViewBuffer::snapshot() {
  wxBitmap copy(std::max(w, 1), std::max(h, 1), 24);
  wxMemoryDC out(copy);
  blitTo(out);
  out.SelectObject(wxNullBitmap);
  return copy;
}

wxBitmap viewPicture(wxWindow* window, const std::function<void(wxDC&)>& draw) {
  const wxSize size = window->GetSize();
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
    maxX = dc.MaxX();
    maxY = dc.MaxY();
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

bool copyViewPicture(wxWindow* window, const std::function<void(wxDC&)>& draw) {
  wxBitmap picture = viewPicture(window, draw);
  if (!wxTheClipboard->Open()) return false;
  wxTheClipboard->SetData(new wxBitmapDataObject(picture));
  wxTheClipboard->Close();
  return true;
}
