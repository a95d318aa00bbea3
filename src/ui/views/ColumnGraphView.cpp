#include "ui/views/ColumnGraphView.h"

#include <wx/dcclient.h>

wxBEGIN_EVENT_TABLE(ColumnGraphView, coordSys)
  EVT_KEY_DOWN(ColumnGraphView::onKeyDown)
  EVT_PAINT(ColumnGraphView::onPaint)
  EVT_ERASE_BACKGROUND(ColumnGraphView::onEraseBackground)
  EVT_SIZE(ColumnGraphView::onSize)
wxEND_EVENT_TABLE()

ColumnGraphView::ColumnGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                 const wxSize& size, long)
    : coordSys(parent, id, pos, size, wxSUNKEN_BORDER, wxASCII_STR(wxPanelNameStr)),
      buffer(150, 150) {}

ColumnGraphView::~ColumnGraphView() = default;

void ColumnGraphView::setSeries(tally::Series* s1, tally::Series* s2, tally::Series* s3,
                                tally::Series* s4) {
  slots = {s1, s2, s3, s4};
  bufferStale = true;
  Refresh(false);
}

void ColumnGraphView::draw(wxDC& dc) {
  updateScales();
  drawGrid(dc);
  drawAxes(dc);
  // Slot order is drawing order: a later series covers an earlier one.
  for (tally::Series* s : slots)
    if (s) drawSeries(dc, *s);
}

const tally::Series* ColumnGraphView::getSlot(int i) const {
  return i >= 0 && i < SlotCount ? slots[i] : nullptr;
}

wxBitmap ColumnGraphView::clipboardPicture() {
  return pictureBitmap([this](wxDC& dc) { draw(dc); });
}

wxBitmap ColumnGraphView::bufferSnapshot() {
  redrawBufferIfStale();
  return buffer.snapshot();
}

void ColumnGraphView::redrawBufferIfStale() {
  if (!bufferStale) return;
  buffer.clear();
  draw(buffer.dc());
  bufferStale = false;
}

void ColumnGraphView::onKeyDown(wxKeyEvent& event) {
  if (event.ControlDown() && event.GetKeyCode() == 67)
    copyPicture([this](wxDC& dc) { draw(dc); });
  else
    event.Skip();
}

void ColumnGraphView::onPaint(wxPaintEvent&) {
  redrawBufferIfStale();
  wxPaintDC dc(this);
  buffer.blitTo(dc);
}

void ColumnGraphView::onEraseBackground(wxEraseEvent&) {}

void ColumnGraphView::onSize(wxSizeEvent& event) {
  const wxSize size = event.GetSize();
  buffer.resize(size.x, size.y);
  bufferStale = true;
  event.Skip();
}
