#pragma once
// What one drawing on a view's buffer touched, so that the next drawing clears
// only that instead of the whole picture: clearing three 800 x 600 buffers on
// every refresh is a large part of it, and most of each picture is white.
//
// While a DrawnAreas lives, the drawing helpers that know their exact boxes
// (columns, batches of lines, measured texts, kept layers) report them here
// instead of growing the context's bounding box; anything drawn with the
// context's own calls grows the bounding box, which `take` adds as one more box
// with room for wide pens and antialiased edges. Every pixel the drawing
// changed lies in one of the boxes.
#include <wx/dc.h>
#include <wx/gdicmn.h>

#include <vector>

class DrawnAreas {
 public:
  explicit DrawnAreas(wxDC& dc);
  ~DrawnAreas();
  DrawnAreas(const DrawnAreas&) = delete;
  DrawnAreas& operator=(const DrawnAreas&) = delete;

  // The recorder of `dc`, null while nothing records it.
  static DrawnAreas* of(wxDC& dc);

  // A box (in the context's units) whose pixels may have changed.
  void add(const wxRect& box);
  // Adds what the context's own calls drew since the last take (or since
  // recording began) and starts counting afresh.
  void take();
  const std::vector<wxRect>& boxes() const { return list; }

 private:
  wxDC& dc;
  DrawnAreas* outer = nullptr;
  std::vector<wxRect> list;
};

// The parts of `box` outside every one of `covered`, as boxes that do not overlap.
std::vector<wxRect> boxesOutside(const wxRect& box, const std::vector<wxRect>& covered);
// The same, appended to `out`.
void appendBoxesOutside(const wxRect& box, const std::vector<wxRect>& covered,
                        std::vector<wxRect>& out);
