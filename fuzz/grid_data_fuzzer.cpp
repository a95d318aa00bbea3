// The grid-data chain: cells (as a paste or Load Data leaves them) -> the set for
// the data type -> refresh -> Statistics page texts -> grid rows -> cells again.
//   - reading the same cells twice gives the same set and the same rewrites, and
//     reading them once more leaves the set as it is;
//   - refreshing the same sets twice gives the same page;
//   - every text on the page, beside the percentile controls and in the grid rows
//     is finite (no "inf", no "nan");
//   - every range and point handed to the graphs is finite, each range not inverted;
//   - writing a set into the grid and reading it back gives the same set.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "core/stats/GridData.h"
#include "core/stats/Refresh.h"
#include "core/stats/Report.h"

namespace {

double pickDouble(FuzzedDataProvider& in) {
  static const double nice[] = {0, 1, 2, 0.5, 2.5, 10, -1, 1e-300, 1e300, 1e15, 0.1, 7};
  if (in.ConsumeBool()) return nice[in.ConsumeIntegralInRange<size_t>(0, 11)];
  return in.ConsumeFloatingPoint<double>();
}

tally::Grouping pickGrouping(FuzzedDataProvider& in) {
  tally::Grouping g;
  if (in.ConsumeBool()) return g;  // 0, 1, 10 as the program starts
  g.startValue = pickDouble(in);
  g.groupSize = pickDouble(in);
  g.groupCount = in.ConsumeBool() ? in.ConsumeIntegralInRange(1, 100) : in.ConsumeIntegral<int>();
  // The dialogs accept only what isValidGrouping accepts; the window never holds
  // anything else, so neither does the chain.
  if (!tally::isValidGrouping(g)) return tally::Grouping();
  return g;
}

std::string pageValues(const tally::RefreshResult& r, bool sample, int p) {
  std::string page = tally::statisticsPage(r, sample, p);
  return page.substr(page.find('\n') + 1);  // the captions hold no numbers
}

void requireFinitePoints(const tally::PointList& points, const char* what) {
  for (const auto& pt : points)
    fuzz::expectKnown(std::isfinite(pt.x) && std::isfinite(pt.y), what);
}

bool sameSet(const tally::DataSet& a, const tally::DataSet& b) { return a.pairs == b.pairs; }

std::string pairsText(const tally::DataSet& s) {
  std::string out;
  for (size_t i = 0; i < s.pairs.size() && i < 8; ++i)
    out += tally::formatNumber("%.17g", s.pairs[i].value) + "x" +
           tally::formatNumber("%.17g", s.pairs[i].frequency) + " ";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  FuzzedDataProvider in(data, size);
  tally::RefreshInputs ri;
  ri.type = static_cast<tally::DataType>(in.ConsumeIntegralInRange(0, 4));
  ri.classes = pickGrouping(in);
  ri.histogram = pickGrouping(in);
  ri.sampleStdDev = in.ConsumeBool();
  ri.percentile[0] = in.ConsumeIntegralInRange(0, 100);
  ri.percentile[1] = in.ConsumeIntegralInRange(0, 100);
  ri.sliderPosition = in.ConsumeIntegralInRange(0, 100);
  const double width = in.ConsumeBool() ? 1.0 : 0.75 * in.ConsumeIntegralInRange(1, 1000);
  ri.barWidth[0] = ri.barWidth[1] = width;
  const std::string text1 = in.ConsumeRandomLengthString(1 << 16);
  const std::string text2 = in.ConsumeRemainingBytesAsString();

  tally::DataSet sets[2];
  const std::string* texts[2] = {&text1, &text2};
  for (int s = 0; s < 2; ++s) {
    const tally::CellTable cells = tally::loadDataText(*texts[s], ri.type, ri.classes);
    tally::DataSet again = sets[s];
    const tally::ExtractResult first = tally::extractGridData(ri.type, cells, ri.classes, sets[s]);
    const tally::ExtractResult second = tally::extractGridData(ri.type, cells, ri.classes, again);
    fuzz::require(sameSet(sets[s], again), "the same cells read twice give the same set");
    fuzz::require(first.rewrites == second.rewrites && first.duplicates.size() ==
                      second.duplicates.size(), "the same cells give the same rewrites");
    // Reading the unchanged cells once more leaves the set as it is.
    tally::DataSet third = sets[s];
    tally::extractGridData(ri.type, cells, ri.classes, third);
    fuzz::expectKnown(sameSet(third, sets[s]), "reading-unchanged-cells-changes-the-set",
                      "was " + pairsText(sets[s]) + " now " + pairsText(third));
    for (const auto& w : first.rewrites)
      fuzz::expectKnown(!fuzz::hasNonFinite(w.text), "rewritten-frequency-not-finite", w.text);
  }

  tally::DataSet copies[2] = {sets[0], sets[1]};
  const tally::RefreshResult result = tally::refreshAnalysis(sets[0], sets[1], ri);
  const tally::RefreshResult repeat = tally::refreshAnalysis(copies[0], copies[1], ri);
  const std::string page = pageValues(result, ri.sampleStdDev, ri.percentile[0]);
  fuzz::require(page == pageValues(repeat, ri.sampleStdDev, ri.percentile[0]),
                "the same sets refresh to the same page");
  fuzz::expectKnown(!fuzz::hasNonFinite(page), "statistics-page-not-finite", fuzz::shown(page));

  for (int s = 0; s < 2; ++s) {
    const tally::SetDisplay& d = result.sets[s];
    fuzz::expectKnown(!fuzz::hasNonFinite(d.labels.sliderPercentile), "slider-percentile-not-finite",
                      d.labels.sliderPercentile);
    requireFinitePoints(d.columns, "column-points-not-finite");
    requireFinitePoints(d.outliers, "outlier-points-not-finite");
    requireFinitePoints(d.ogive, "ogive-points-not-finite");
    for (const auto& line : d.boxLines) requireFinitePoints(line, "box-points-not-finite");
    // The percentile controls' partial update, at every p.
    if (d.hasStatistics) {
      for (int p = 0; p <= 100; p += 25) {
        const std::string text =
            tally::percentileText(sets[s], d.columns, ri.classes, ri.type, p);
        fuzz::expectKnown(!fuzz::hasNonFinite(text), "percentile-text-not-finite", text);
      }
    }
  }
  if (result.columnRangesSet) {
    fuzz::expectKnown(std::isfinite(result.xMin) && std::isfinite(result.xMax) &&
                          std::isfinite(result.yMin) && std::isfinite(result.yMax) &&
                          result.xMin < result.xMax && result.yMin < result.yMax,
                      "column-ranges-not-finite-or-empty");
  }
  if (result.boxRangeSet) {
    fuzz::expectKnown(std::isfinite(result.boxYMin) && std::isfinite(result.boxYMax) &&
                          result.boxYMin < result.boxYMax,
                      "box-range-not-finite-or-empty");
  }

  // Grid rows of each set in its layout, read back.
  const tally::GridLayout layout = tally::layoutForType(ri.type);
  for (int s = 0; s < 2; ++s) {
    const tally::GridRows rows = tally::setToGridRows(sets[s], layout, ri.classes);
    fuzz::require(rows.rows.size() <= static_cast<size_t>(tally::kGridRows), "rows fit the grid");
    tally::CellTable cells(tally::kGridRows);
    for (size_t r = 0; r < rows.rows.size(); ++r) {
      for (const std::string& t : rows.rows[r])
        fuzz::expectKnown(!fuzz::hasNonFinite(t), "grid-row-not-finite", t);
      cells[r] = rows.rows[r];
    }
    if (rows.exceeded) continue;  // the set is cut to the rows shown, as the window warns
    tally::DataSet back = sets[s];
    if (layout != tally::Classes) back.pairs.clear();
    const tally::ExtractResult read = tally::extractGridData(ri.type, cells, ri.classes, back);
    // Two values written alike ("%g" keeps six digits) read back as one repeated value.
    fuzz::expectKnown(read.duplicates.empty(), "grid-round-trip-changes-the-set",
                      "a set written out repeats a value: " + pairsText(sets[s]));
    fuzz::expectKnown(sameSet(back, sets[s]), "grid-round-trip-changes-the-set",
                      "wrote " + pairsText(sets[s]) + " read " + pairsText(back));
  }
  return 0;
}
