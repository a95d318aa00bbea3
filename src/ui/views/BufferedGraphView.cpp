#include "ui/views/BufferedGraphView.h"

#include <wx/dcclient.h>

#include <utility>

#include "ui/graph/DrawnAreas.h"
#include "ui/graph/PictureState.h"

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

void BufferedGraphView::redrawPicture() {
  if (ownStateTracked() && !bufferStale && layoutAsDrawn()) return;
  pictureChanged();
}

void BufferedGraphView::pictureChanged() {
  bufferStale = true;
  coordSys::Refresh(false);
}

void BufferedGraphView::Refresh(bool eraseBackground, const wxRect* rect) {
  bufferStale = true;
  wholeStale = true;
  coordSys::Refresh(eraseBackground, rect);
}

bool BufferedGraphView::layoutAsDrawn() const {
  return drawnLayoutKnown && getLineScale() == drawnLineScale &&
         GetClientSize() == drawnClientSize && sameLayout(layout, drawnLayout);
}

wxBitmap BufferedGraphView::bufferSnapshot() {
  redrawBufferIfStale();
  return buffer.snapshot();
}

void BufferedGraphView::redrawBufferIfStale() {
  if (!bufferStale) return;
  redrawnBox = wxRect();
  bool done = false;
  if (!wholeStale && drawnLayoutKnown) {
    // Unless the whole picture was asked for: when the layout is still that of
    // the last picture, the view may know where the two pictures differ.
    updateScales();
    wxRect box;
    if (layoutAsDrawn() && changedBox(box)) done = box.IsEmpty() || redrawWithin(box);
  }
  if (!done) redrawWhole();
  keepDrawnLayout();
  pictureDrawn();
  bufferStale = false;
  wholeStale = false;
}

void BufferedGraphView::redrawWhole() {
  ++drawings;
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
}

bool BufferedGraphView::redrawWithin(const wxRect& box) {
  // Drawing clipped is drawing the same, but for a pixel or two along the clip's
  // edges (the grid's unsmoothed lines fall a pixel to the side there). So the
  // picture is drawn clipped to a wider margin on a white picture of its own, and
  // only the box is copied from it.
  constexpr int kMargin = 8;
  const wxRect whole(0, 0, std::max(getBufferWidth(), 1), std::max(getBufferHeight(), 1));
  const wxRect area = wxRect(box).Inflate(kMargin).Intersect(whole);
  if (area.IsEmpty()) return true;
  if (scratch.width() != buffer.width() || scratch.height() != buffer.height())
    scratch.resize(buffer.width(), buffer.height());
  if (!scratch.whiten(area)) return false;
  wxMemoryDC& dc = scratch.dc();
  dc.SetClippingRegion(area);
  draw(dc);
  dc.DestroyClippingRegion();
  if (!buffer.takePixels(dc, box)) return false;
  ++drawings;
  redrawnBox = box;
  return true;
}

void BufferedGraphView::keepDrawnLayout() {
  drawnLayout = layout;
  drawnLineScale = getLineScale();
  drawnClientSize = GetClientSize();
  drawnLayoutKnown = true;
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
  drawnLayoutKnown = false;
  Refresh(false);
  event.Skip();
}
