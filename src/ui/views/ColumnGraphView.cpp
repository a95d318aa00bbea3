#include "ui/views/ColumnGraphView.h"

#include <algorithm>
#include <climits>

#include "ui/graph/DrawnAreas.h"
#include "ui/graph/GraphDrawing.h"
#include "ui/graph/TextMeasure.h"
#include "ui/graph/PictureState.h"
#include "ui/views/WindowClip.h"

#include <map>
#include <utility>

namespace {

// A name or caption measured in the window's font machinery: the same few texts
// on every redraw, each of which would otherwise be laid out anew.
wxSize measured(const wxWindow& window, const wxString& text, const wxFont& font) {
  static std::map<std::pair<wxString, wxString>, wxSize> known;
  std::pair<wxString, wxString> key{fontKey(font), text};
  const auto found = known.find(key);
  if (found != known.end()) return found->second;
  wxSize e;
  window.GetTextExtent(text, &e.x, &e.y, nullptr, nullptr, &font);
  if (known.size() >= 1024) known.clear();
  known.emplace(std::move(key), e);
  return e;
}

}  // namespace

ColumnGraphView::ColumnGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                 const wxSize& size, long style)
    : BufferedGraphView(parent, id, pos, size, style, wxSize(150, 150)) {}

ColumnGraphView::~ColumnGraphView() = default;

namespace {

bool sameBoxMarks(const std::vector<ColumnGraphView::BoxMark>& a,
                  const std::vector<ColumnGraphView::BoxMark>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].centreX != b[i].centreX || a[i].rightX != b[i].rightX || a[i].mean != b[i].mean ||
        a[i].values != b[i].values)
      return false;
  return true;
}

}  // namespace

void ColumnGraphView::setSeries(const tally::Series* s1, const tally::Series* s2,
                                const tally::Series* s3, const tally::Series* s4) {
  const tally::Series* given[SlotCount] = {s1, s2, s3, s4};
  bool changed = false;
  for (int i = 0; i < SlotCount; ++i) {
    Slot& slot = slots[i];
    slot.source = given[i];
    const bool filled = given[i] != nullptr;
    if (filled == slot.filled && (!filled || sameSeries(slot.copy, *given[i]))) continue;
    slot.filled = filled;
    slot.copy = given[i] ? *given[i] : tally::Series();
    changed = true;
  }
  if (changed) pictureChanged();
}

void ColumnGraphView::setTitle(const wxString& text) {
  if (title == text) return;
  title = text;
  decorationsChanged = true;
  pictureChanged();
}

void ColumnGraphView::setNamesUnder(const std::vector<std::pair<double, wxString>>& names) {
  if (namesUnder == names) return;
  namesUnder = names;
  decorationsChanged = true;
  pictureChanged();
}

bool ColumnGraphView::changedBox(wxRect& box) {
  if (decorationsChanged) return false;
  box = wxRect();
  std::vector<wxRect> before, after;
  for (int i = 0; i < SlotCount; ++i) {
    const Slot &was = drawnSlots[i], &now = slots[i];
    if (was.filled != now.filled) return false;
    if (!now.filled || sameSeries(was.copy, now.copy)) continue;
    // Columns that only grew or shrank; any other change redraws the whole picture.
    if (now.copy.style != tally::ColumnsStyle || !sameButHeights(was.copy, now.copy))
      return false;
    before.clear();
    after.clear();
    columnBoxes(was.copy, before);
    columnBoxes(now.copy, after);
    if (before.size() != after.size()) return false;
    // A wider pen reaches past the box by half its width.
    const int room = std::max(0, now.copy.penWidth);
    for (size_t k = 0; k < after.size(); ++k) {
      if (before[k] == after[k]) continue;
      const wxRect both = before[k].Union(after[k]).Inflate(room);
      box = box.IsEmpty() ? both : box.Union(both);
    }
  }
  // Far apart changes make a box as dear to draw as the whole picture.
  const wxSize c = GetClientSize();
  box.Intersect(wxRect(0, 0, c.x, c.y));
  return box.IsEmpty() || 2.0 * box.width * box.height <= 1.0 * c.x * c.y;
}

void ColumnGraphView::pictureDrawn() {
  for (int i = 0; i < SlotCount; ++i) {
    drawnSlots[i].filled = slots[i].filled;
    if (!sameSeries(drawnSlots[i].copy, slots[i].copy)) drawnSlots[i].copy = slots[i].copy;
  }
  decorationsChanged = false;
}

void ColumnGraphView::draw(wxDC& dc) {
  updateScales();
  // On the view's buffer what each part draws is noted part by part (see DrawnAreas).
  DrawnAreas* areas = DrawnAreas::of(dc);
  auto partDrawn = [areas] {
    if (areas) areas->take();
  };
  drawGrid(dc);
  partDrawn();
  // Slot order is drawing order: a later series covers an earlier one. The axes
  // come last: a column standing at 0 would hide the vertical axis and its labels.
  {
    const WindowClip inside(dc, *this);
    for (const Slot& slot : slots) {
      if (!slot.filled) continue;
      drawSeries(dc, slot.copy);
      partDrawn();
    }
  }
  drawAxes(dc);
  partDrawn();
  drawBoxMarks(dc);
  partDrawn();
  drawNames(dc);
}

std::vector<wxRect> ColumnGraphView::coveredBoxes() {
  updateScales();
  std::vector<wxRect> columns;
  for (const Slot& slot : slots)
    if (slot.filled) opaqueColumns(slot.copy, columns);
  // The columns are drawn inside the window's clip.
  const wxRect window = WindowClip::box(*this);
  std::vector<wxRect> covered;
  covered.reserve(columns.size());
  for (const wxRect& r : columns) {
    const wxRect inside = r.Intersect(window);
    if (!inside.IsEmpty()) covered.push_back(inside);
  }
  return covered;
}

void ColumnGraphView::setBoxMarks(const std::vector<BoxMark>& marks) {
  if (sameBoxMarks(boxMarks, marks)) return;
  boxMarks = marks;
  decorationsChanged = true;
  pictureChanged();
}

void ColumnGraphView::setShowValues(bool on) {
  if (showValues == on) return;
  showValues = on;
  decorationsChanged = true;
  pictureChanged();
}

int ColumnGraphView::meanMarkArm() const { return std::max(4, getFontSize() - 2); }

wxColour ColumnGraphView::meanMarkColour() { return wxColour(200, 0, 0); }

wxFont ColumnGraphView::valueFont() const {
  return wxFont(wxFontInfo(getFontSize()).Family(wxFONTFAMILY_SWISS));
}

std::vector<std::pair<wxString, wxRect>> ColumnGraphView::valueLabels() const {
  std::vector<std::pair<wxString, wxRect>> labels;
  if (!showValues) return labels;
  const wxFont font = valueFont();
  for (const BoxMark& mark : boxMarks) {
    const int left = worldToPixelX(mark.rightX) + 6;
    int above = INT_MAX;  // the top of the text below, on screen
    for (const auto& [value, text] : mark.values) {
      if (text.empty()) continue;
      wxSize e;
      GetTextExtent(text, &e.x, &e.y, nullptr, nullptr, &font);
      // Centred on the value's row; a quartile close to the median goes up.
      int top = worldToPixelY(value) - e.y / 2;
      if (top + e.y > above) top = above - e.y;
      above = top;
      labels.push_back({text, wxRect(left, top, e.x, e.y)});
    }
  }
  return labels;
}

void ColumnGraphView::drawBoxMarks(wxDC& dc) {
  if (boxMarks.empty()) return;
  const int arm = meanMarkArm();
  dc.SetPen(wxPen(meanMarkColour(), lineWidth(2)));
  for (const BoxMark& mark : boxMarks) {
    const int x = worldToPixelX(mark.centreX), y = worldToPixelY(mark.mean);
    dc.DrawLine(x - arm, y, x + arm + 1, y);
    dc.DrawLine(x, y - arm, x, y + arm + 1);
    // Each mark apart: the boxes stand far from each other.
    if (DrawnAreas* areas = DrawnAreas::of(dc)) areas->take();
  }
  dc.SetPen(wxNullPen);
  const auto labels = valueLabels();
  if (labels.empty()) return;
  dc.SetFont(valueFont());
  dc.SetTextForeground(*wxBLACK);
  for (const auto& [text, r] : labels) dc.DrawText(text, r.x, r.y);
  dc.SetFont(wxNullFont);
}

const wxFont& ColumnGraphView::nameFont() const {
  // Kept per size: a new font is a new font lookup, and its key is remembered by object.
  return namesFont.at(getFontSize() + 2, [](int points) {
    return wxFont(wxFontInfo(points).Family(wxFONTFAMILY_SWISS).Bold());
  });
}

void ColumnGraphView::drawNames(wxDC& dc) {
  if (title.empty() && namesUnder.empty()) return;
  const wxSize c = GetClientSize();
  const wxFont& font = nameFont();
  const wxRect titleBox = titleRect();
  std::vector<int> centres;
  centres.reserve(namesUnder.size());
  for (const auto& named : namesUnder) centres.push_back(worldToPixelX(named.first));
  auto paint = [&](wxDC& on) {
    on.SetFont(font);
    on.SetTextForeground(*wxBLACK);
    if (!title.empty()) {
      // Top right: the vertical axis and its label stand at the left, the columns
      // reach 1/1.2 of the height, the x axis label sits at the bottom right.
      drawMeasuredText(on, title, titleBox.x, titleBox.y, {titleBox.width, titleBox.height});
    }
    for (size_t i = 0; i < namesUnder.size(); ++i) {
      const wxString& name = namesUnder[i].second;
      if (name.empty()) continue;
      const wxSize e = on.GetTextExtent(name);
      const int left = std::clamp(centres[i] - e.x / 2, 0, std::max(0, c.x - e.x));
      drawMeasuredText(on, name, left, std::max(0, c.y - e.y - 4), {e.x, e.y});
    }
    on.SetFont(wxNullFont);
  };
  // The same few texts on every redraw: on the buffer they are laid out once and
  // kept, and laid over while the texts, their font and their places stay.
  if (GraphLayer::suits(dc)) {
    wxString key = fontKey(font);
    key << '|' << c.x << ',' << c.y << '|' << titleBox.x << ',' << titleBox.y << ','
        << titleBox.width << ',' << titleBox.height << '|' << title.length() << ':' << title;
    for (size_t i = 0; i < namesUnder.size(); ++i)
      key << '|' << centres[i] << ',' << namesUnder[i].second.length() << ':'
          << namesUnder[i].second;
    if (namesLayer.paintOver(dc, key.utf8_string(), paint)) return;
  }
  paint(dc);
}

wxRect ColumnGraphView::yCaptionRect() const {
  const wxString caption = getYAxisLabel();
  if (caption.empty() || !getYScale().showAxis) return wxRect();
  const wxSize e = measured(*this, caption, axisLabelFont());
  const int pos = getYAxisLabelPosition();
  const int col = axesCrossingPixel().x;
  const int top = worldToPixelY(getYScale().getMax());
  const int bottom = worldToPixelY(getYScale().getMin());
  // As the axis draws it: beside the axis on its right or left, at its top or
  // bottom end; on the left the tick labels may push it further out, so the
  // rectangle runs to the window's edge there.
  const int y = (pos & 1) ? bottom - e.y - 10 : top + 5;
  if (pos & 4) return wxRect(0, y, std::max(0, col - 10), e.y);
  return wxRect(col + 15, y, e.x, e.y);
}

wxRect ColumnGraphView::titleRect() const {
  if (title.empty()) return wxRect();
  const wxSize e = measured(*this, title, nameFont());
  const wxSize c = GetClientSize();
  wxRect r(std::max(0, c.x - e.x - 10), 4, e.x, e.y);
  const wxRect caption = yCaptionRect();
  if (!caption.IsEmpty() && r.Intersects(caption)) r.y = caption.GetBottom() + 3;
  return r;
}

const tally::Series* ColumnGraphView::getSlot(int i) const {
  return i >= 0 && i < SlotCount ? slots[i].source : nullptr;
}

const tally::Series* ColumnGraphView::getDrawnSlot(int i) const {
  return i >= 0 && i < SlotCount && slots[i].filled ? &slots[i].copy : nullptr;
}
