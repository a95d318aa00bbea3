#pragma once
// Keeps drawing inside a graph's window (the range it was handed, in pixels) for
// as long as it lives, within any clipping already set (a printed graph's box),
// which it sets again when it ends. A range set by hand narrower than the data
// would otherwise put columns, whiskers and curves under the axes' labels.
#include <wx/dc.h>

#include <algorithm>

#include "ui/graph/coordSys.h"

class WindowClip {
 public:
  WindowClip(wxDC& dc, const coordSys& graph) : dc(dc) {
    hadClip = dc.GetClippingBox(kept);
    dc.SetClippingRegion(box(graph));
  }
  ~WindowClip() {
    dc.DestroyClippingRegion();
    if (hadClip) dc.SetClippingRegion(kept);
  }
  WindowClip(const WindowClip&) = delete;
  WindowClip& operator=(const WindowClip&) = delete;

  // The box drawing is kept in, in pixels.
  static wxRect box(const coordSys& graph) {
    // The window as the graph lays it out: grown to hold the axes' crossing when
    // the origin is kept in view (scores 5..20 on an axis from 0).
    double left = graph.getXMin(), right = graph.getXMax();
    double bottom = graph.getYMin(), top = graph.getYMax();
    if (graph.getOriginAlwaysViewable()) {
      const tally::WorldPoint o = graph.getAxisIntersection();
      left = std::min(left, o.x);
      right = std::max(right, o.x);
      bottom = std::min(bottom, o.y);
      top = std::max(top, o.y);
    }
    // A pixel of slack each way: a column's outline on the window's edge stays whole.
    const int x0 = graph.worldToPixelX(left), x1 = graph.worldToPixelX(right);
    const int y0 = graph.worldToPixelY(top), y1 = graph.worldToPixelY(bottom);
    return wxRect(wxPoint(std::min(x0, x1) - 1, std::min(y0, y1) - 1),
                  wxPoint(std::max(x0, x1) + 1, std::max(y0, y1) + 1));
  }

 private:
  wxDC& dc;
  wxRect kept;
  bool hadClip = false;
};
