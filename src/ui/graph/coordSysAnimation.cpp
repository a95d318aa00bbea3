#include <wx/dcclient.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <vector>

#include "ui/WxBridge.h"
#include "ui/graph/coordSys.h"

// The animation of a stored series, a step per timer tick, drawn straight onto
// the window over the picture already there.

void coordSys::animateSeries(int id, int mode) {
  if (isAnimating()) stopAnimation();
  animation.mode = mode;
  animation.seriesId = id;
  animation.interval = mode == 1 ? 1500 : 50;
  if (mode == 1)
    pointAnimationStep();
  else
    lineAnimationStep();
}

void coordSys::resumeAnimation() { animationTimer.Start(animation.interval, wxTIMER_CONTINUOUS); }

void coordSys::stopAnimation() {
  animationTimer.Stop();
  wxCommandEvent done(animationDoneEvent, GetId());
  done.SetEventObject(this);
  done.SetInt(animation.seriesId);
  GetEventHandler()->ProcessEvent(done);
}

// Puts the cursor on the first visible point; false (and the message) when there is none.
bool coordSys::startAnimationCursor(const tally::Series& s) {
  animation.segment = 0;
  animation.point = 0;
  animationTimer.Start(animation.interval, wxTIMER_CONTINUOUS);
  for (; animation.segment < s.segments.size(); ++animation.segment, animation.point = 0) {
    const tally::PointList& seg = s.segments[animation.segment];
    for (; animation.point < seg.size(); ++animation.point)
      if (isVisible(seg[animation.point].x, seg[animation.point].y)) return true;
  }
  stopAnimation();
  wxMessageBox(_("This data does not show in the current window."), wxASCII_STR(wxMessageBoxCaptionStr),
               wxOK | wxCENTRE);
  return false;
}

void coordSys::lineAnimationStep() {
  const tally::Series* s = getSeries(animation.seriesId);
  if (!s) return;
  if (s->style != tally::PolylineStyle) {
    drawSeriesById(animation.seriesId);
    return;
  }
  if (!animationTimer.IsRunning()) {
    if (!startAnimationCursor(*s)) return;
    // Start one point early so that the line enters the window from outside.
    if (animation.point > 0) --animation.point;
  }
  if (animation.segment >= s->segments.size()) {
    stopAnimation();
    return;
  }
  wxClientDC dc(this);
  setSeriesPenAndBrush(dc, *s);
  setMultiplyDrawing(dc, true);
  // At least two points per tick: a chunk of one would step back onto itself forever.
  const size_t chunk = std::max(2, static_cast<int>(GetClientSize().x / 50 + 1.5));
  size_t drawn = 0;
  while (drawn < chunk) {
    const tally::PointList& seg = s->segments[animation.segment];
    const size_t take = std::min(chunk - drawn, seg.size() - std::min(animation.point, seg.size()));
    if (take >= 2) {
      std::vector<wxPoint> pts;
      for (size_t i = animation.point; i < animation.point + take; ++i) pts.push_back(worldToPixel(seg[i].x, seg[i].y));
      dc.DrawLines(static_cast<int>(pts.size()), pts.data());
    }
    if (take > 0) animation.lastPoint = seg[animation.point + take - 1];
    animation.point += take;
    drawn += take;
    if (drawn >= chunk) {
      // The next tick's line starts at this tick's last point, so the line has no gaps.
      if (animation.point > 0) --animation.point;
      break;
    }
    ++animation.segment;
    animation.point = 0;
    if (animation.segment >= s->segments.size()) break;
  }
  setMultiplyDrawing(dc, false);
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
}

void coordSys::pointAnimationStep() {
  const tally::Series* s = getSeries(animation.seriesId);
  if (!s) return;
  if (s->style != tally::PolylineStyle && !animationTimer.IsRunning()) {
    drawSeriesById(animation.seriesId);
    return;
  }
  if (!animationTimer.IsRunning()) {
    if (!startAnimationCursor(*s)) return;
    animation.step = 1.0;
  }
  wxClientDC dc(this);
  setMultiplyDrawing(dc, true);
  const int radius = s->penWidth / 2;
  dc.SetPen(s->lineColour.set ? wxPen(toWx(s->lineColour), 1) : *wxTRANSPARENT_PEN);
  if (s->fillColour.set)
    dc.SetBrush(wxBrush(toWx(s->lineColour)));
  else
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
  // Coarse to fine: the k-th point drawn is followed by the one at index
  // worldWidthToPixels(k * step); the step halves every tick.
  for (const tally::PointList& seg : s->segments) {
    size_t index = 0;
    for (size_t k = 1; index < seg.size(); ++k) {
      wxPoint q = worldToPixel(seg[index].x, seg[index].y);
      if (s->penWidth == 1)
        dc.DrawPoint(q);
      else
        dc.DrawEllipse(q.x - radius, q.y - radius, 2 * radius, 2 * radius);
      animation.lastPoint = seg[index];
      size_t next = static_cast<size_t>(worldWidthToPixels(k * animation.step));
      index = std::max(next, index + 1);
    }
  }
  setMultiplyDrawing(dc, false);
  dc.SetPen(wxNullPen);
  dc.SetBrush(wxNullBrush);
  animation.step /= 2;
  if (pixelWidthToWorld(1) / 2 > animation.step || animation.step < 1e-300) {
    stopAnimation();
    drawSeriesById(animation.seriesId);
  }
}

void coordSys::onTimer(wxTimerEvent&) {
  if (animation.mode == 1)
    pointAnimationStep();
  else
    lineAnimationStep();
}
