// The value axis typed by hand in "Axes...": From, To and Tick unit as typed
// (three lines of the input), read and checked, then handed to an axis and the model.
//   - a range is read exactly when no reason is given, and the reason is never empty
//     when it is refused;
//   - a range read is finite with From < To, a positive unit and at most about
//     kMaxAxisTicks ticks, and axisRangeProblem accepts it;
//   - laid out on an axis it keeps its ends and unit and gives few enough ticks;
//   - the model takes exactly the ranges the check accepts.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "core/graph/AxisControl.h"
#include "core/graph/GraphLayout.h"
#include "core/model/AnalysisModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string fields[3];
  size_t at = 0;
  for (int k = 0; k < 3; ++k) {
    const size_t end = k < 2 ? text.find('\n', at) : std::string::npos;
    fields[k] = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? text.size() : end + 1;
  }

  std::string problem;
  const std::optional<tally::AxisRange> read =
      tally::readAxisRange(fields[0], fields[1], fields[2], problem);
  fuzz::require(read.has_value() == problem.empty(), "a reason exactly when refused",
                fuzz::shown(text));
  if (read) {
    const tally::AxisRange& r = *read;
    fuzz::require(std::isfinite(r.min) && std::isfinite(r.max) && std::isfinite(r.unit),
                  "a range read is finite", fuzz::shown(text));
    fuzz::require(r.min < r.max && r.unit > 0, "From below To, unit above 0", fuzz::shown(text));
    fuzz::require((r.max - r.min) / r.unit <= tally::kMaxAxisTicks * (1 + 1e-6),
                  "few enough ticks", fuzz::shown(text));
    fuzz::require(tally::axisRangeProblem(r).empty(), "the check accepts what was read");

    tally::GraphLayout g;
    g.xMin = r.min;
    g.xMax = r.max;
    g.originAlwaysViewable = false;
    fuzz::require(g.xScale.setTickUnit(r.unit), "the axis takes the unit", fuzz::shown(text));
    g.updateScales(400, 300, fuzz::measureText);
    fuzz::require(g.xScale.getMin() <= r.min && g.xScale.getMax() >= r.max,
                  "the axis shows the whole range", fuzz::shown(text));
    std::vector<double> ticks;
    g.xScale.tickPositions(ticks, tally::MajorTicks);
    fuzz::require(ticks.size() <= tally::AxisScale::maxPositions + 1, "ticks to draw");
  }

  // The model takes what the check accepts, and nothing else.
  tally::AnalysisModel model;
  const tally::AxisRange raw{tally::leadingNumber(fields[0]), tally::leadingNumber(fields[1]),
                             tally::leadingNumber(fields[2])};
  const bool acceptable = tally::axisRangeProblem(raw).empty();
  model.setAxisRange(tally::kBoxAxis, raw);
  fuzz::require(model.axisRange(tally::kBoxAxis).has_value() == acceptable,
                "the model keeps exactly the ranges the check accepts", fuzz::shown(text));
  return 0;
}
