#pragma once
// Whether two states of a graph draw the same picture: the layout records and
// the series compared field by field, by value. A view that is handed what it
// already shows keeps its picture instead of drawing it again.
#include "core/graph/GraphLayout.h"
#include "core/graph/Series.h"

bool sameScale(const tally::AxisScale& a, const tally::AxisScale& b);
// Every field the layout rules and the drawing read, the displayed ranges and
// tick units included.
bool sameLayout(const tally::GraphLayout& a, const tally::GraphLayout& b);
bool sameSeries(const tally::Series& a, const tally::Series& b);
// The same but for the heights of its points: every other field, the number of
// segments and of points in each, and every point's x.
bool sameButHeights(const tally::Series& a, const tally::Series& b);
