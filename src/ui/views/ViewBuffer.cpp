#include "ui/views/ViewBuffer.h"

#include <algorithm>

ViewBuffer::ViewBuffer(int width, int height) : memory(std::make_unique<wxMemoryDC>()) {
  resize(width, height);
}

ViewBuffer::~ViewBuffer() { memory->SelectObject(wxNullBitmap); }

void ViewBuffer::resize(int width, int height, double scaleFactor) {
  w = width;
  h = height;
  scale = scaleFactor > 0 ? scaleFactor : 1.0;
  // A hidden notebook page can report a zero size; a 0 x 0 bitmap is invalid.
  memory->SelectObject(wxNullBitmap);
  bitmap = wxBitmap();
  bitmap.CreateWithDIPSize(wxSize(std::max(width, 1), std::max(height, 1)), scale,
                           wxBITMAP_SCREEN_DEPTH);
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
