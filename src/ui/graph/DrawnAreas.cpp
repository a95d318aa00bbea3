#include "ui/graph/DrawnAreas.h"

#include <algorithm>

namespace {

// One drawing records at a time; a recorder made while another lives (a view
// drawing into a picture of its own inside another's drawing) hides it.
DrawnAreas* recording = nullptr;
const wxDC* recorded = nullptr;

// Room around a bounding box: the context reports a line by its end points and
// a shape by its corners, while a pen of width w reaches w / 2 further and
// antialiasing another pixel.
constexpr int kRoom = 8;

}  // namespace

DrawnAreas::DrawnAreas(wxDC& target) : dc(target), outer(recording) {
  dc.ResetBoundingBox();
  recording = this;
  recorded = &dc;
}

DrawnAreas::~DrawnAreas() {
  recording = outer;
  recorded = outer ? &outer->dc : nullptr;
}

DrawnAreas* DrawnAreas::of(wxDC& dc) { return recorded == &dc ? recording : nullptr; }

void DrawnAreas::add(const wxRect& box) {
  if (box.width > 0 && box.height > 0) list.push_back(box);
}

void DrawnAreas::take() {
  const int x0 = dc.MinX(), y0 = dc.MinY(), x1 = dc.MaxX(), y1 = dc.MaxY();
  // An empty bounding box reads as the single point 0,0, which a drawing may
  // also have reached: that corner is taken either way, at little cost.
  list.push_back(wxRect(wxPoint(x0, y0), wxPoint(x1, y1)).Inflate(kRoom));
  dc.ResetBoundingBox();
}

std::vector<wxRect> boxesOutside(const wxRect& box, const std::vector<wxRect>& covered) {
  std::vector<wxRect> done;
  appendBoxesOutside(box, covered, done);
  return done;
}

void appendBoxesOutside(const wxRect& box, const std::vector<wxRect>& covered,
                        std::vector<wxRect>& done) {
  if (box.IsEmpty()) return;
  auto meet = [](const wxRect& a, const wxRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
  };
  // Kept between calls: a whole picture's boxes are cut one after the other.
  thread_local std::vector<wxRect> hits, pieces, next;
  hits.clear();
  for (const wxRect& c : covered)
    if (!c.IsEmpty() && meet(c, box)) hits.push_back(c);
  // Left to right: a piece that ends left of one covering box ends left of all
  // the later ones too, and is final. A row of columns then costs a pass, not a
  // test of every piece against every column.
  std::sort(hits.begin(), hits.end(), [](const wxRect& a, const wxRect& b) { return a.x < b.x; });
  pieces.assign(1, box);
  for (const wxRect& c : hits) {
    next.clear();
    for (const wxRect& p : pieces) {
      if (p.GetRight() < c.x) {
        done.push_back(p);
        continue;
      }
      if (!meet(p, c)) {
        next.push_back(p);
        continue;
      }
      const wxRect common(wxPoint(std::max(p.x, c.x), std::max(p.y, c.y)),
                          wxPoint(std::min(p.GetRight(), c.GetRight()),
                                  std::min(p.GetBottom(), c.GetBottom())));
      // Above and below the common part across the whole piece, then left and
      // right of it within its rows.
      if (common.y > p.y) next.emplace_back(p.x, p.y, p.width, common.y - p.y);
      if (common.GetBottom() < p.GetBottom())
        next.emplace_back(p.x, common.GetBottom() + 1, p.width, p.GetBottom() - common.GetBottom());
      if (common.x > p.x) next.emplace_back(p.x, common.y, common.x - p.x, common.height);
      if (common.GetRight() < p.GetRight())
        next.emplace_back(common.GetRight() + 1, common.y, p.GetRight() - common.GetRight(),
                          common.height);
    }
    pieces.swap(next);
    if (pieces.empty()) break;
  }
  done.insert(done.end(), pieces.begin(), pieces.end());
}
