// The analysis model driven by a list of operations: data file texts loaded into
// either set under any type, cells typed, groupings, widths, names, Clear Data,
// Auto Data, and undo and redo through snapshots.
//   - each set's table keeps at most the grid's rows and no trailing empty row;
//   - a restored snapshot is the state it was taken from, and undo then redo
//     comes back to the same state;
//   - a box range or column window comes only from a set that shows statistics,
//     and is finite and not inverted.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "core/model/AnalysisModel.h"

namespace {

void checkTables(const tally::AnalysisModel& m) {
  for (int s = 0; s < 2; ++s) {
    const tally::CellTable& t = m.cells(s);
    fuzz::require(t.size() <= static_cast<size_t>(tally::kGridRows), "table longer than the grid");
    fuzz::require(t.empty() || !t.back()[0].empty() || !t.back()[1].empty(),
                  "table ends in an empty row");
  }
}

void checkScales(const tally::AnalysisModel& m) {
  const tally::RefreshResult& r = m.result();
  const bool shown = r.sets[0].hasStatistics || r.sets[1].hasStatistics;
  if (r.boxRangeSet) {
    fuzz::require(shown, "box range without a set on show");
    fuzz::require(std::isfinite(r.boxYMin) && std::isfinite(r.boxYMax) && r.boxYMin <= r.boxYMax,
                  "box range not finite or inverted");
  }
  if (r.columnRangesSet) {
    fuzz::require(shown, "column window without a set on show");
    fuzz::require(r.xMin <= r.xMax && r.yMin <= r.yMax, "column window inverted");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  FuzzedDataProvider in(data, size);
  tally::AnalysisModel m;
  tally::UndoHistory history;
  history.reset(m.state());
  for (int step = 0; step < 12 && in.remaining_bytes() > 0; ++step) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
      case 0: m.loadFile(in.ConsumeRandomLengthString(4000)); break;
      case 1: {
        tally::CellTable t = m.shownCells();
        const int row = in.ConsumeIntegralInRange(0, 40);
        if (t.size() <= static_cast<size_t>(row)) t.resize(static_cast<size_t>(row) + 1);
        t[static_cast<size_t>(row)][in.ConsumeIntegralInRange(0, 1)] = in.ConsumeRandomLengthString(20);
        m.enterTable(t);
        break;
      }
      case 2: m.chooseType(static_cast<tally::DataType>(in.ConsumeIntegralInRange(0, 4))); break;
      case 3: m.selectSet(in.ConsumeIntegralInRange(0, 1)); break;
      case 4: {
        tally::Grouping g{static_cast<double>(in.ConsumeIntegralInRange(-50, 50)),
                          static_cast<double>(in.ConsumeIntegralInRange(1, 20)),
                          in.ConsumeIntegralInRange(1, 100)};
        if (in.ConsumeBool())
          m.setClasses(g);
        else
          m.setHistogram(g, in.ConsumeBool());
        break;
      }
      case 5: m.setColumnWidth(in.ConsumeFloatingPointInRange(0.0, 120.0)); break;
      case 6: m.clearData(); break;
      case 7: m.autoData(); break;
      case 8: {
        const tally::Analysis before = history.current();
        if (history.canUndo()) {
          const int shown = history.current().shownSet;
          m.restore(history.undo(), shown);
          fuzz::require(m.state().sameContent(history.current()), "undo did not restore");
          m.restore(history.redo(), history.current().shownSet);
          fuzz::require(m.state().sameContent(before), "redo did not come back");
        }
        break;
      }
      default: m.setName(in.ConsumeIntegralInRange(0, 1), in.ConsumeRandomLengthString(30)); break;
    }
    history.record(m.state());
    checkTables(m);
    checkScales(m);
  }
  return 0;
}
