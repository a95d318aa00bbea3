#pragma once
// A value axis set by hand ("Axes..." on a graph page): the texts a teacher types
// read into a range, and the checks a range passes before a graph takes it.
#include <optional>
#include <string>

#include "core/description/AnalysisFile.h"

namespace tally {

// More ticks than this are no axis a student can read, and a tiny unit over a
// wide range would make the graph draw for ever.
constexpr double kMaxAxisTicks = 200;

// Empty when a graph can take the range; otherwise the message that says why not
// (From not below To, a unit of 0 or less, more than kMaxAxisTicks ticks, a
// range too wide to draw).
std::string axisRangeProblem(const AxisRange& range);

// The range typed as From, To and Tick unit (numbers with a decimal point), or
// the message that says what is wrong with them.
std::optional<AxisRange> readAxisRange(const std::string& from, const std::string& to,
                                       const std::string& unit, std::string& problem);

}  // namespace tally
