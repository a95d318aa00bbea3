#pragma once
// Where an animation of a stored series stands between two timer ticks. The
// steps themselves are coordSys's (coordSysAnimation.cpp): they draw on the window.
#include <cstddef>

#include "core/graph/Series.h"

struct SeriesAnimation {
  int interval = 50;   // milliseconds between ticks
  int mode = 0;        // 1: points coarse to fine; otherwise the line a chunk per tick
  int seriesId = -1;   // the series being animated
  tally::WorldPoint lastPoint;  // the last point drawn
  size_t segment = 0;  // the cursor: segment and point drawn next
  size_t point = 0;
  double step = 1.0;   // points mode: the world distance between points this tick
};
