#pragma once
// A graph that keeps its finished picture off screen and shows up to four series
// handed to it by the main window: the column graphs and the box-and-whisker plot.
#include <array>
#include <utility>
#include <vector>

#include "ui/graph/TextMeasure.h"
#include "ui/views/BufferedGraphView.h"

class ColumnGraphView : public BufferedGraphView {
 public:
  enum { SlotCount = 4 };

  // The style argument is ignored: the view always has a sunken border.
  ColumnGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                  long style);
  ~ColumnGraphView() override;

  // Any may be null (an empty slot). The view draws its own copies of the
  // records, taken now: call again after changing one. Marks the picture stale
  // when a slot's series differs from the one it holds (compared by value).
  void setSeries(const tally::Series* s1, const tally::Series* s2, const tally::Series* s3,
                 const tally::Series* s4);
  // The complete graph on any context: screen buffer, clipboard picture, printer.
  void draw(wxDC& dc) override;
  // The columns, which cover what lies under them.
  std::vector<wxRect> coveredBoxes() override;

  // Which set is which: a title at the top of the graph, and names under given
  // world x positions at the foot of the graph (the boxes of the box plot). Empty
  // texts draw nothing. Mark the picture stale when they change.
  void setTitle(const wxString& text);
  void setNamesUnder(const std::vector<std::pair<double, wxString>>& names);
  const wxString& getTitle() const { return title; }
  // The font of the title and the names: bold, a little larger than the tick labels.
  const wxFont& nameFont() const;
  // Where the vertical axis's caption and the title stand in the client area
  // (empty rectangles when not drawn). The title keeps clear of the caption: at
  // the top right, or on the line below the caption when they would meet.
  wxRect yCaptionRect() const;
  wxRect titleRect() const;

  // The box plot's marks of each box: its mean as a "+" on the centre line at
  // `centreX`, and, while values are shown, the five-number summary written at
  // the values' heights to the right of `rightX` (world x of the box's right side).
  struct BoxMark {
    double centreX = 0;
    double rightX = 0;
    double mean = 0;
    std::vector<std::pair<double, wxString>> values;
  };
  // Marks the picture stale when they change.
  void setBoxMarks(const std::vector<BoxMark>& marks);
  const std::vector<BoxMark>& getBoxMarks() const { return boxMarks; }
  void setShowValues(bool on);
  bool getShowValues() const { return showValues; }
  // Half the length of a "+" arm in pixels, and its colour.
  int meanMarkArm() const;
  static wxColour meanMarkColour();
  // The value texts as drawn at the present size: each text with its rectangle.
  // Texts that would meet are moved apart upwards, in value order. Empty while
  // values are not shown.
  std::vector<std::pair<wxString, wxRect>> valueLabels() const;

  // The record a slot was last filled from (which series is on show), null for an
  // empty slot. The view never reads through it.
  const tally::Series* getSlot(int i) const;
  // The view's own copy of a slot's series, as drawn; null for an empty slot.
  const tally::Series* getDrawnSlot(int i) const;

 protected:
  bool ownStateTracked() const override { return true; }
  // Where the columns whose heights alone changed stood and stand now.
  bool changedBox(wxRect& box) override;
  void pictureDrawn() override;

 private:
  void drawNames(wxDC& dc);
  void drawBoxMarks(wxDC& dc);
  wxFont valueFont() const;

  struct Slot {
    const tally::Series* source = nullptr;
    bool filled = false;
    tally::Series copy;
  };
  std::array<Slot, SlotCount> slots{};
  // The slots' series as the buffer's picture shows them, and whether the title,
  // the names or the box marks changed since.
  std::array<Slot, SlotCount> drawnSlots{};
  bool decorationsChanged = true;
  wxString title;
  std::vector<std::pair<double, wxString>> namesUnder;
  std::vector<BoxMark> boxMarks;
  bool showValues = false;
  GraphLayer namesLayer;  // the title and the names, as last drawn on the buffer
  mutable KeptFont namesFont;
};
