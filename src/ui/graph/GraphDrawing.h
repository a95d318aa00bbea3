#pragma once
// Drawing helpers for the graph: many short lines in one stroke, and text whose
// extent is already known.
#include <wx/dc.h>

#include <vector>

#include "core/graph/GraphLayout.h"

// Many short lines in one pen. DrawLine strokes each line on its own, and on a
// graphics context every stroke costs far more than its few pixels; the batch
// strokes them all as one path. The lines of one batch must not overlap, so that
// the one stroke covers exactly the pixels the separate ones would.
class LineBatch {
 public:
  void add(int x1, int y1, int x2, int y2) { lines.push_back({x1, y1, x2, y2}); }

  // Strokes the lines added since the last stroke and forgets them.
  void stroke(wxDC& dc);

 private:
  struct Line {
    int x1, y1, x2, y2;
  };
  std::vector<Line> lines;
};

// DrawText lays a text out twice, once to draw it and once more to measure it for
// the bounding box. With its extent already known it is laid out once.
void drawMeasuredText(wxDC& dc, const wxString& text, int x, int y, const tally::Extent& e);
