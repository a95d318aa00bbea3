#pragma once
// A graph that keeps its finished picture off screen and shows up to four series
// handed to it by the main window: the column graphs and the box-and-whisker plot.
#include <array>
#include <utility>
#include <vector>

#include "ui/graph/coordSys.h"
#include "ui/views/ViewBuffer.h"

class ColumnGraphView : public coordSys {
 public:
  enum { SlotCount = 4 };

  // The style argument is ignored: the view always has a sunken border.
  ColumnGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                  long style);
  ~ColumnGraphView() override;

  // Non-owning; any may be null. The records must outlive their place in a slot.
  // Asks for a repaint; the buffer is redrawn when it is next shown or copied, so
  // a view on a page not on show draws nothing.
  void setSeries(tally::Series* s1, tally::Series* s2, tally::Series* s3, tally::Series* s4);
  // The complete graph on any context: screen buffer, clipboard picture, printer.
  void draw(wxDC& dc);

  // Which set is which: a title at the top of the graph, and names under given
  // world x positions at the foot of the graph (the boxes of the box plot). Empty
  // texts draw nothing. Take effect at the next drawing (see redrawPicture).
  void setTitle(const wxString& text) { title = text; }
  void setNamesUnder(const std::vector<std::pair<double, wxString>>& names) { namesUnder = names; }
  const wxString& getTitle() const { return title; }
  // Draws the buffer anew with the current slots and settings and repaints.
  void redrawPicture();
  // The font of the title and the names: bold, a little larger than the tick labels.
  wxFont nameFont() const;

  const tally::Series* getSlot(int i) const;
  int getBufferWidth() const { return buffer.width(); }
  int getBufferHeight() const { return buffer.height(); }
  // A copy of the picture the next paint will show.
  wxBitmap bufferSnapshot();
  // Draws the buffer now if the series or the size changed since it was drawn.
  void redrawBufferIfStale();
  // The picture Ctrl+C puts on the clipboard.
  wxBitmap clipboardPicture();

  void onKeyDown(wxKeyEvent& event);
  void onPaint(wxPaintEvent& event);
  void onEraseBackground(wxEraseEvent& event);
  void onSize(wxSizeEvent& event);

 private:
  void drawNames(wxDC& dc);

  ViewBuffer buffer;
  bool bufferStale = true;  // series or size changed since the buffer was drawn
  std::array<tally::Series*, SlotCount> slots{};
  wxString title;
  std::vector<std::pair<double, wxString>> namesUnder;

  wxDECLARE_EVENT_TABLE();
};
