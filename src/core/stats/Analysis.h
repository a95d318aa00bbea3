#pragma once
// The analysis as one value: what undo restores and what "unsaved data" compares.
#include <optional>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/description/AnalysisFile.h"
#include "core/stats/DataSet.h"
#include "core/stats/GridData.h"
#include "core/stats/Grouping.h"

namespace tally {

struct Analysis {
  // Only the pairs and names of the sets matter here; the rest of a DataSet is
  // recomputed by every refresh.
  DataSet sets[2];
  std::string setNames[2];
  DataType type = UngroupedDiscrete;
  int shownSet = 0;
  Grouping classes;
  Grouping histogram;
  // Until the user or a description sets the histogram grouping, it is fitted
  // to the data at every refresh.
  bool histogramFollowsData = true;
  double columnWidth = 1.0;
  // Until the user (or the description) chooses a width, a discrete column is
  // fitted to the smallest gap between neighbouring values.
  bool columnWidthChosen = false;
  bool sampleStdDev = false;
  int percentiles[2] = {50, 50};
  int sliderPosition = 50;  // 0 at the top of the slider
  // Places of the computed statistics: kAutoDecimals (4 significant digits) or 0 to 6.
  int decimals = kAutoDecimals;
  // The column graphs show relative frequencies (%): a way of looking, kept by undo.
  bool relativeFrequency = false;
  // Each set's table as typed, in the layout of the type: order, blank rows and
  // cells that are no number included. Trailing empty rows are left off.
  CellTable cells[2];
  // Whether writing a set out in its layout cut it at the table's last row.
  bool cellsCut[2] = {false, false};
  // The value axes set by hand (by AxisPage: column graphs, box plot, ogive);
  // unset, a graph is framed to its data.
  std::optional<AxisRange> axes[3];

  // The data both sets hold: what a data file keeps.
  bool sameData(const Analysis& o) const {
    return sets[0].pairs == o.sets[0].pairs && sets[1].pairs == o.sets[1].pairs;
  }
  // Everything an undo step restores: the data, how they are typed and grouped,
  // and the axes set by hand.
  // The shown set, the deviation switch and the percentiles are ways of looking at
  // the data, not changes to them.
  bool sameContent(const Analysis& o) const {
    return sameData(o) && setNames[0] == o.setNames[0] && setNames[1] == o.setNames[1] &&
           type == o.type && classes == o.classes && histogram == o.histogram &&
           histogramFollowsData == o.histogramFollowsData && columnWidth == o.columnWidth &&
           columnWidthChosen == o.columnWidthChosen && cells[0] == o.cells[0] &&
           cells[1] == o.cells[1] && axes[0] == o.axes[0] && axes[1] == o.axes[1] &&
           axes[2] == o.axes[2];
  }
};

// A bounded list of analysis states with a position in it: the current state is
// at `position`; undo steps back, redo forward, a new state drops the redo part.
class UndoHistory {
 public:
  explicit UndoHistory(size_t limit = 200) : limit_(limit) {}

  // Forgets everything; `state` becomes the only, current state.
  void reset(const Analysis& state);
  // Records `state` as a new step when its content differs from the current
  // state's; returns whether it did.
  bool record(const Analysis& state);
  bool canUndo() const { return position_ > 0; }
  bool canRedo() const { return position_ + 1 < states_.size(); }
  // Moves one step and returns the state to restore (the current one when it cannot).
  const Analysis& undo();
  const Analysis& redo();
  const Analysis& current() const { return states_[position_]; }
  size_t size() const { return states_.size(); }

 private:
  std::vector<Analysis> states_{Analysis()};
  size_t position_ = 0;
  size_t limit_;
};

}  // namespace tally
