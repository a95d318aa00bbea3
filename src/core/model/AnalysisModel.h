#pragma once
// The one owner of the analysis: both sets and their tables as typed, the names,
// the data type, both groupings, the column width, the percentiles, the deviation
// switch and the last refresh's result. Every command of the window is one
// operation here; each returns what it changed, and the window turns that into
// control updates and redraws.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/description/AnalysisDescription.h"
#include "core/description/AnalysisFile.h"
#include "core/grid/SpreadsheetImport.h"
#include "core/stats/Analysis.h"
#include "core/stats/CellNumbers.h"
#include "core/stats/DataSet.h"
#include "core/stats/GridData.h"
#include "core/stats/Grouping.h"
#include "core/stats/Refresh.h"

namespace tally {

// What an operation changed.
struct ModelChange {
  // The shown table must be written out again (another set, layout or content).
  bool table = false;
  // Single cells the reading rewrote (rounded frequencies) in a table left as it stands.
  std::vector<CellWrite> rewrites;
  // Values repeated in the shown table, one "Value Already Exists" message each.
  std::vector<double> duplicates;
  // The shown table was cut at its last row when written out.
  bool rowsExceeded = false;
  // Fields a load cut to a cell's size.
  std::size_t cutFields = 0;
  bool type = false;        // the data type (choice, pages, buttons)
  bool names = false;       // the set names
  bool classes = false;     // the class grouping of already grouped data
  bool statistics = false;  // a refresh ran: every label
  bool graphs = false;      // ... and the series and scales of the graphs
  bool percentage = false;  // the slider's percentage

  bool any() const {
    return table || !rewrites.empty() || type || names || classes || statistics || graphs;
  }
};

// The built-in example data of Auto Data, set 0 or 1.
const std::vector<FrequencyPair>& exampleData(int set);

class AnalysisModel {
 public:
  AnalysisModel();

  // The whole state, as an undo step keeps it.
  const Analysis& state() const { return state_; }
  const RefreshResult& result() const { return result_; }
  // The settings the last refresh ran with (the lesson pages build on them).
  RefreshInputs inputs() const;
  // A set as the last refresh left it: sorted, with its count and sums.
  const DataSet& set(int s) const { return state_.sets[s]; }
  DataType type() const { return state_.type; }
  GridLayout layout() const { return layoutForType(state_.type); }
  int shownSet() const { return state_.shownSet; }
  const CellTable& cells(int s) const { return state_.cells[s]; }
  const CellTable& shownCells() const { return state_.cells[state_.shownSet]; }
  const std::string& setName(int s) const { return state_.setNames[s]; }
  const Grouping& classes() const { return state_.classes; }
  const Grouping& histogram() const { return state_.histogram; }
  bool histogramFollowsData() const { return state_.histogramFollowsData; }
  bool sampleStdDev() const { return state_.sampleStdDev; }
  int percentile(int s) const { return state_.percentiles[s]; }
  int decimals() const { return state_.decimals; }
  bool relativeFrequency() const { return state_.relativeFrequency; }
  // The column width of the columns on show: the chosen one, or the one the
  // bars were fitted to (bars 0.375 wide stand for a width of 0.5).
  double shownColumnWidth() const;
  const AnalysisDescription& description() const { return description_; }
  // A set holds data while it has any pair, even one that counts 0.
  bool holdsData() const;

  // What Save Analysis writes: names, type, tables as typed, groupings, the chosen
  // width, percentiles, the deviation choice and the decimals. Hand-set axis
  // ranges are not held here.
  AnalysisContent content() const;

  // Data files: the sets as last loaded or saved.
  void markSaved(int set = -1);
  bool hasUnsavedData() const;

  // --- Operations -------------------------------------------------------------
  // The shown table as it now stands, after a cell edit, a paste or a deletion.
  ModelChange enterTable(const CellTable& table);
  // The same for an edit given as the cells it changed (an empty text clears a
  // cell): what enterTable gives for the shown table with those cells written.
  ModelChange enterCells(const std::vector<CellWrite>& changed);
  // A data file's text in place of the shown table (only the frequencies beside
  // the class labels of already grouped data).
  ModelChange loadFile(const std::string& text);
  // An imported data file in place of the shown table, as loadFile places it; its
  // header line names the shown set while the set has its default name.
  ModelChange loadImport(const DataImport& data);
  ModelChange selectSet(int set);
  // Choosing the type in force again changes nothing, except for already grouped
  // data, whose classes the window asks for again (setClasses).
  ModelChange chooseType(DataType type);
  // Observations of both sets that no class of `classes` holds.
  double countOutside(const Grouping& classes) const;
  // The class grouping of already grouped data. With `widen` (the user's answer
  // to widenClassesQuestion) the classes are first widened to hold every value
  // of both sets at the same size; classes that cannot be are kept as given.
  // Values the classes leave out are counted as outside, never dropped unsaid.
  ModelChange setClasses(const Grouping& classes, bool widen = false);
  ModelChange setHistogram(const Grouping& histogram, bool followsData);
  // Places of the computed statistics: kAutoDecimals or 0 to 6; anything else
  // changes nothing.
  ModelChange setDecimals(int decimals);
  // Frequencies or relative frequencies (%) on the column graphs; the same choice
  // again changes nothing. Not an undo step: it changes no data.
  ModelChange setRelativeFrequency(bool relative);
  // The first 30 characters of the text (whole UTF-8 letters); an empty text
  // changes nothing.
  ModelChange setName(int set, const std::string& text);
  // A width the user chose: 0 < width <= 100 and not the width on show, else nothing.
  ModelChange setColumnWidth(double width);
  ModelChange setPercentile(int set, int p);
  ModelChange setSliderPosition(int position);
  ModelChange cycleDeviation();
  ModelChange clearData();
  // The example data, with the description's grouping and column width.
  ModelChange autoData();
  // Names, width and groupings of a description, then each set's data file text
  // (absent: not read), read under Ungrouped Discrete, then the description's type.
  ModelChange applyDescription(const AnalysisDescription& d,
                               const std::optional<std::string> fileTexts[2]);
  // The value axis of a graph page (AxisPage) as set by hand; unset: framed to the data.
  std::optional<AxisRange> axisRange(int page) const;
  // Sets a page's value axis by hand, or (nullopt, "Fit to data") frames it to the
  // data again. A page out of range, a range axisRangeProblem refuses or the range
  // in force changes nothing. Kept until Clear Data; undo brings it back.
  ModelChange setAxisRange(int page, std::optional<AxisRange> range);
  // An opened analysis file or description in place of everything: its sets and
  // tables as read, names, type, groupings, width, percentiles, deviation choice
  // and decimals; Set 1 shown. A table read from a data file is written out from
  // its set (sorted, in the type's layout), an inline one kept as typed. Auto Data
  // later takes its grouping and width from `autoSource` when given, else from the
  // description the content writes.
  ModelChange openAnalysis(const OpenedAnalysis& opened,
                           const AnalysisDescription* autoSource = nullptr);
  // An undo step put back: its data, tables, names, groupings, width and type,
  // shown with `shownSet`; the percentiles and the deviation switch stay.
  ModelChange restore(const Analysis& step, int shownSet);

 private:
  // Writes set s out in the layout of the type, as the table shows it.
  void writeTable(int s);
  // Reads the shown table into its set; fills the change's rewrites and duplicates.
  void readShownTable(ModelChange& change);
  void refresh(ModelChange& change);
  ModelChange tableRewritten();
  // The fields in place of the shown table (only the frequencies beside the class
  // labels of already grouped data), then the set read and refreshed.
  ModelChange placeFields(const std::vector<CellWrite>& writes, std::size_t cut);

  Analysis state_;
  RefreshResult result_;
  AnalysisDescription description_;
  std::vector<FrequencyPair> savedPairs_[2];
  // The numbers of each set's table as last read, and each set's last refresh: an
  // edit of one cell parses that cell and computes that set again, nothing more.
  CellNumbers numbers_[2];
  RefreshMemo memo_;
};

}  // namespace tally
