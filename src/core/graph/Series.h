#pragma once
// The records a graph draws: a data series and a labelled point, in world units.
#include <string>
#include <vector>

#include "core/graph/Colour.h"

namespace tally {

struct WorldPoint {
  double x = 0;
  double y = 0;
  bool operator==(const WorldPoint& o) const { return x == o.x && y == o.y; }
};

using PointList = std::vector<WorldPoint>;

enum SeriesStyle { PolylineStyle = 0, MarkersStyle = 1, ColumnsStyle = 2, PointsStyle = 3 };
enum MarkerShape { DiamondMarker = 0, SquareMarker = 1, CircleMarker = 2 };
enum ColumnAlign { ColumnStartsAtX = 0, ColumnCentredOnX = 1, ColumnEndsAtX = 2 };

struct Series {
  int id = 0;
  bool visible = true;
  int style = PolylineStyle;
  int penWidth = 2;
  int markerSize = 4;  // half-size in pixels
  int markerShape = DiamondMarker;
  double columnWidth = 1.0;  // world units; callers set it for columns
  int columnAlign = ColumnCentredOnX;
  Colour lineColour = colours::blue;  // unset: no outline
  Colour fillColour = colours::blue;  // unset: no fill
  std::vector<PointList> segments;    // each inner list is drawn on its own
};

struct PointLabel {
  double x = 0;
  double y = 0;
  int markerShape = CircleMarker;
  int markerSize = 4;  // half-size in pixels, also the tooltip's hover radius
  Colour colour = colours::blue;
  bool visible = true;
  std::string text;
  int id = 0;
  int seriesId = -1;  // -1: belongs to no series
};

}  // namespace tally
