#include "ui/views/BufferedGraphView.h"

#include <wx/dcclient.h>

#include <utility>

#include "ui/graph/DrawnAreas.h"

wxBEGIN_EVENT_TABLE(BufferedGraphView, coordSys)
  EVT_KEY_DOWN(BufferedGraphView::onKeyDown)
  EVT_PAINT(BufferedGraphView::onPaint)
  EVT_ERASE_BACKGROUND(BufferedGraphView::onEraseBackground)
  EVT_SIZE(BufferedGraphView::onSize)
wxEND_EVENT_TABLE()

BufferedGraphView::BufferedGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                     const wxSize& size, long, const wxSize& bufferSize)
    : coordSys(parent, id, pos, size, wxSUNKEN_BORDER, wxASCII_STR(wxPanelNameStr)),
      buffer(bufferSize.x, bufferSize.y) {}

BufferedGraphView::~BufferedGraphView() = default;

void BufferedGraphView::redrawPicture() { Refresh(false); }

void BufferedGraphView::Refresh(bool eraseBackground, const wxRect* rect) {
  bufferStale = true;
  coordSys::Refresh(eraseBackground, rect);
}

wxBitmap BufferedGraphView::bufferSnapshot() {
  redrawBufferIfStale();
  return buffer.snapshot();
}

void BufferedGraphView::redrawBufferIfStale() {
  if (!bufferStale) return;
  wxMemoryDC& dc = buffer.dc();
  // Only what the last picture drew is whited, less what this one covers anyway.
  buffer.clearDrawn(coveredBoxes());
  std::vector<wxRect> touched;
  {
    DrawnAreas areas(dc);
    draw(dc);
    areas.take();
    touched = areas.boxes();
  }
  buffer.keepDrawn(std::move(touched));
  bufferStale = false;
}

wxBitmap BufferedGraphView::clipboardPicture() {
  return pictureBitmap([this](wxDC& dc) { draw(dc); });
}

void BufferedGraphView::onKeyDown(wxKeyEvent& event) {
  if (event.ControlDown() && event.GetKeyCode() == 'C')
    copyPicture([this](wxDC& dc) { draw(dc); });
  else
    event.Skip();
}

void BufferedGraphView::onPaint(wxPaintEvent&) {
  redrawBufferIfStale();
  wxPaintDC dc(this);
  buffer.blitTo(dc);
}

void BufferedGraphView::onEraseBackground(wxEraseEvent&) {}

void BufferedGraphView::onSize(wxSizeEvent& event) {
  const wxSize size = event.GetSize();
  buffer.resize(size.x, size.y, GetContentScaleFactor());
  Refresh(false);
  event.Skip();
}
