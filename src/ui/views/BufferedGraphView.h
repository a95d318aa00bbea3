#pragma once
// A graph that keeps its finished picture off screen: the base of the analysis
// views. It owns the buffer and the stale flag; paint shows the buffer, drawn
// anew first when stale; resize and every setter of a view mark it stale, and
// so does any explicit Refresh. Ctrl+C copies the view's own drawing.
#include <wx/bitmap.h>

#include <vector>

#include "ui/graph/coordSys.h"
#include "ui/views/ViewBuffer.h"

class BufferedGraphView : public coordSys {
 public:
  // The style argument is ignored: the view always has a sunken border.
  BufferedGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                    long style, const wxSize& bufferSize);
  ~BufferedGraphView() override;

  // The complete graph on any context: screen buffer, clipboard picture, printer.
  virtual void draw(wxDC& dc) = 0;

  // Marks the picture stale and asks for a repaint; the buffer is redrawn when it
  // is next shown or copied, so a view on a page not on show draws nothing.
  void redrawPicture();
  // A repaint asked for by anyone (a graph setter's caller, the properties
  // window) shows the current state, not the last picture.
  void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;
  bool isPictureStale() const { return bufferStale; }

  int getBufferWidth() const { return buffer.width(); }
  int getBufferHeight() const { return buffer.height(); }
  // A copy of the picture the next paint will show.
  wxBitmap bufferSnapshot();
  // Draws the buffer now if anything changed since it was drawn.
  void redrawBufferIfStale();
  // The picture Ctrl+C puts on the clipboard.
  wxBitmap clipboardPicture();

  // Boxes the next draw on the buffer paints with opaque pixels whatever lies
  // under them (in the client area's units, at its present size): they need no
  // clearing before it. None unless a view knows better.
  virtual std::vector<wxRect> coveredBoxes() { return {}; }

  void onKeyDown(wxKeyEvent& event);
  void onPaint(wxPaintEvent& event);
  void onEraseBackground(wxEraseEvent& event);
  void onSize(wxSizeEvent& event);

 private:
  ViewBuffer buffer;
  bool bufferStale = true;  // something shown changed since the buffer was drawn

  wxDECLARE_EVENT_TABLE();
};
