#include "ui/views/ColumnGraphView.h"

#include <wx/dcclient.h>

#include <algorithm>

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
  redrawPicture();
}

void ColumnGraphView::draw(wxDC& dc) {
  updateScales();
  drawGrid(dc);
  // Slot order is drawing order: a later series covers an earlier one. The axes
  // come last: a column standing at 0 would hide the vertical axis and its labels.
  for (tally::Series* s : slots)
    if (s) drawSeries(dc, *s);
  drawAxes(dc);
  drawNames(dc);
}

wxFont ColumnGraphView::nameFont() const {
  return wxFont(wxFontInfo(getFontSize() + 2).Family(wxFONTFAMILY_SWISS).Bold());
}

void ColumnGraphView::drawNames(wxDC& dc) {
  if (title.empty() && namesUnder.empty()) return;
  const wxSize c = GetClientSize();
  dc.SetFont(nameFont());
  dc.SetTextForeground(*wxBLACK);
  if (!title.empty()) {
    // Top right: the vertical axis and its label stand at the left, the columns
    // reach 1/1.2 of the height, the x axis label sits at the bottom right.
    const wxSize e = dc.GetTextExtent(title);
    dc.DrawText(title, std::max(0, c.x - e.x - 10), 4);
  }
  for (const auto& [x, name] : namesUnder) {
    if (name.empty()) continue;
    const wxSize e = dc.GetTextExtent(name);
    const int left = std::clamp(worldToPixelX(x) - e.x / 2, 0, std::max(0, c.x - e.x));
    dc.DrawText(name, left, std::max(0, c.y - e.y - 4));
  }
  dc.SetFont(wxNullFont);
}

void ColumnGraphView::redrawPicture() {
  bufferStale = true;
  Refresh(false);
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
  buffer.resize(size.x, size.y, GetContentScaleFactor());
  bufferStale = true;
  event.Skip();
}
