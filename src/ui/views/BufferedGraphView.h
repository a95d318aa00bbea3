#pragma once
// A graph that keeps its finished picture off screen: the base of the analysis
// views. It owns the buffer and the stale flag; paint shows the buffer, drawn
// anew first when stale; resize, any explicit Refresh and every setter of a view
// that changes what it shows mark it stale. Ctrl+C copies the view's own drawing.
#include <wx/bitmap.h>

#include <vector>

#include "core/graph/GraphLayout.h"
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

  // Asks for the picture to be drawn anew after the graph's settings were changed
  // (its ranges, captions, font size, line scale). A view whose setters tell
  // whether they changed anything (ownStateTracked) stays as it is when the
  // graph's layout, line scale and size are still those of its picture: handing
  // a view what it already shows draws nothing. Any other view is marked stale.
  // The buffer is redrawn when it is next shown or copied, so a view on a page
  // not on show draws nothing.
  void redrawPicture();
  // A repaint asked for by anyone (a graph setter's caller, the properties
  // window) shows the current state, not the last picture: the whole picture is
  // drawn anew.
  void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;
  bool isPictureStale() const { return bufferStale; }
  // How many times the buffer was drawn on, whole or in part, and the box the
  // last drawing was kept to (empty after a whole picture), for tests.
  int bufferDrawings() const { return drawings; }
  const wxRect& lastRedrawnBox() const { return redrawnBox; }

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

 protected:
  // A setter changed what the picture shows: stale, and a repaint asked for.
  void pictureChanged();
  // Whether the graph's layout, line scale and client size are those the
  // buffer's picture was drawn with (false while there is none).
  bool layoutAsDrawn() const;
  // Whether the view's setters call pictureChanged whenever they change what the
  // picture shows, so that redrawPicture need look only at the graph's layout.
  virtual bool ownStateTracked() const { return false; }
  // After only the view's own state changed (the layout, line scale and size are
  // those of the last picture, which the buffer still holds): the one box of the
  // client area outside which the new picture is the same as the last, empty when
  // they are the same everywhere. False when the view cannot tell: the whole
  // picture is drawn anew. The view then draws its new picture clipped to the box.
  virtual bool changedBox(wxRect&) { return false; }
  // The buffer's picture was just drawn (whole or in part) from the view's state.
  virtual void pictureDrawn() {}

 private:
  // Draws the picture anew within `box` only; false when the buffer cannot.
  bool redrawWithin(const wxRect& box);
  void redrawWhole();
  void keepDrawnLayout();

  ViewBuffer buffer;
  // Where a box of the picture is drawn before it is copied into the buffer.
  ViewBuffer scratch{1, 1};
  bool bufferStale = true;  // something shown changed since the buffer was drawn
  bool wholeStale = true;   // and the whole picture has to be drawn anew
  // The graph's layout, line scale and client size the picture was drawn with.
  bool drawnLayoutKnown = false;
  tally::GraphLayout drawnLayout;
  double drawnLineScale = 1.0;
  wxSize drawnClientSize;
  int drawings = 0;
  wxRect redrawnBox;

  wxDECLARE_EVENT_TABLE();
};
