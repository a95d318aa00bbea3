#include "core/model/AnalysisModel.h"

#include <algorithm>
#include <cmath>

#include "core/graph/AxisControl.h"
#include "core/grid/DataFile.h"
#include "core/grid/PasteText.h"
#include "core/stats/HistogramFit.h"
#include "core/stats/Outside.h"

namespace tally {
namespace {

bool emptyRow(const CellRow& row) {
  return std::all_of(row.begin(), row.end(), [](const std::string& t) { return t.empty(); });
}

// Rows past the end of a table count as empty: keeping none of them makes two
// tables that show the same equal.
void trimTable(CellTable& table) {
  while (!table.empty() && emptyRow(table.back())) table.pop_back();
}

// A description's start, size or column width as Auto Data applies it: its whole
// part, unless that would turn a positive value into 0 (a size of 0.5 would give
// classes the grouping dialog refuses, a width of 0.5 invisible columns).
double wholePart(double v) {
  const double whole = std::trunc(v);
  return whole <= 0 && v > 0 ? v : whole;
}

Grouping descriptionGrouping(const AnalysisDescription& d, bool whole) {
  Grouping g;
  g.startValue = whole ? wholePart(d.start) : d.start;
  g.groupSize = whole ? wholePart(d.size) : d.size;
  g.groupCount = std::clamp(d.number, 1, 100);
  return g;
}

}  // namespace

const std::vector<FrequencyPair>& exampleData(int set) {
  static const std::vector<FrequencyPair> data[2] = {
      {{5, 3}, {6, 4}, {7, 5}, {8, 7}, {9, 4}, {10, 2}},
      {{5, 1}, {7, 1}, {8, 2}, {9, 4}, {10, 6}, {11, 7}, {12, 6}, {13, 4}}};
  return data[set == 1 ? 1 : 0];
}

AnalysisModel::AnalysisModel() {
  // The window's names until a description gives others.
  for (int s = 0; s < 2; ++s) state_.setNames[s] = state_.sets[s].name = kDefaultSetNames[s];
  ModelChange ignored;
  refresh(ignored);
}

double AnalysisModel::shownColumnWidth() const {
  if (state_.columnWidthChosen || !isDiscreteType(state_.type)) return state_.columnWidth;
  double bar = 0;
  for (const SetDisplay& d : result_.sets)
    if (d.hasStatistics) bar = std::max(bar, d.barWidth);
  return bar > 0 ? bar / discreteBarWidth(1) : state_.columnWidth;
}

bool AnalysisModel::holdsData() const {
  return !state_.sets[0].pairs.empty() || !state_.sets[1].pairs.empty();
}

void AnalysisModel::markSaved(int set) {
  for (int s = 0; s < 2; ++s)
    if (set < 0 || set == s) savedPairs_[s] = state_.sets[s].pairs;
}

bool AnalysisModel::hasUnsavedData() const {
  return state_.sets[0].pairs != savedPairs_[0] || state_.sets[1].pairs != savedPairs_[1];
}

void AnalysisModel::writeTable(int s) {
  GridRows out = setToGridRows(state_.sets[s], layout(), state_.classes);
  state_.cells[s].assign(out.rows.begin(), out.rows.end());
  trimTable(state_.cells[s]);
  state_.cellsCut[s] = out.exceeded;
}

ModelChange AnalysisModel::tableRewritten() {
  ModelChange change;
  for (int s = 0; s < 2; ++s) writeTable(s);
  change.table = true;
  change.rowsExceeded = state_.cellsCut[state_.shownSet];
  return change;
}

void AnalysisModel::readShownTable(ModelChange& change) {
  const int s = state_.shownSet;
  CellTable& table = state_.cells[s];
  const ExtractResult read =
      extractGridData(state_.type, table, state_.classes, state_.sets[s], numbers_[s]);
  for (const CellWrite& w : read.rewrites) {
    if (w.row < 0 || w.row >= kGridRows || w.col < 0 || w.col >= kGridColumns) continue;
    if (static_cast<size_t>(w.row) >= table.size()) table.resize(static_cast<size_t>(w.row) + 1);
    table[static_cast<size_t>(w.row)][static_cast<size_t>(w.col)] = w.text;
  }
  trimTable(table);
  change.rewrites.insert(change.rewrites.end(), read.rewrites.begin(), read.rewrites.end());
  change.duplicates.insert(change.duplicates.end(), read.duplicates.begin(),
                           read.duplicates.end());
}

RefreshInputs AnalysisModel::inputs() const {
  const Analysis& a = state_;
  RefreshInputs in;
  in.type = a.type;
  in.classes = a.classes;
  in.histogram = a.histogram;
  in.barWidth[0] = in.barWidth[1] = barWidth(a.type, a.columnWidth);
  in.sampleStdDev = a.sampleStdDev;
  in.fitBarWidth = !a.columnWidthChosen;
  in.columnWidth = a.columnWidth;
  in.percentile[0] = a.percentiles[0];
  in.percentile[1] = a.percentiles[1];
  in.sliderPosition = a.sliderPosition;
  in.decimals = a.decimals;
  in.relativeFrequency = a.relativeFrequency;
  return in;
}

void AnalysisModel::refresh(ModelChange& change) {
  Analysis& a = state_;
  // Until the user or the description sets the histogram grouping, it follows the data.
  if (a.histogramFollowsData && isContinuousType(a.type))
    a.histogram = fitHistogram(a.sets[0], a.sets[1]);
  const RefreshInputs in = inputs();
  result_ = refreshAnalysis(a.sets[0], a.sets[1], in, memo_);
  change.statistics = true;
  change.graphs = true;
}

ModelChange AnalysisModel::enterTable(const CellTable& table) {
  ModelChange change;
  CellTable& cells = state_.cells[state_.shownSet];
  cells.assign(table.begin(), table.begin() + std::min<size_t>(table.size(), kGridRows));
  trimTable(cells);
  readShownTable(change);
  refresh(change);
  return change;
}

ModelChange AnalysisModel::enterCells(const std::vector<CellWrite>& changed) {
  ModelChange change;
  CellTable& cells = state_.cells[state_.shownSet];
  for (const CellWrite& w : changed) {
    if (w.row < 0 || w.row >= kGridRows || w.col < 0 || w.col >= kGridColumns) continue;
    const auto row = static_cast<size_t>(w.row);
    // A row past the end is empty already.
    if (row >= cells.size() && w.text.empty()) continue;
    if (row >= cells.size()) cells.resize(row + 1);
    cells[row][static_cast<size_t>(w.col)] = w.text;
  }
  trimTable(cells);
  readShownTable(change);
  refresh(change);
  return change;
}

ModelChange AnalysisModel::loadFile(const std::string& text) {
  PasteOverflow overflow;
  const std::vector<CellWrite> writes =
      pasteWrites(text, 0, 0, kGridRows, kGridColumns, &overflow);
  return placeFields(writes, overflow.cut);
}

ModelChange AnalysisModel::loadImport(const DataImport& data) {
  const int s = state_.shownSet;
  const bool named = !data.header.empty() && state_.setNames[s] == kDefaultSetNames[s];
  if (named) state_.setNames[s] = state_.sets[s].name = setNameFrom(data.header);
  ModelChange change = placeFields(data.writes, data.cut);
  change.names = change.names || named;
  return change;
}

ModelChange AnalysisModel::placeFields(const std::vector<CellWrite>& writes, std::size_t cut) {
  ModelChange change;
  CellTable& cells = state_.cells[state_.shownSet];
  // Under already grouped data the read-only class labels stay; the file fills
  // the frequencies beside them.
  const bool labels = state_.type == AlreadyGroupedContinuous;
  if (labels)
    for (CellRow& row : cells) row[1].clear();
  else
    cells.clear();
  for (const CellWrite& w : writes) {
    if (w.row < 0 || w.row >= kGridRows || w.col < 0 || w.col >= kGridColumns) continue;
    if (labels && w.col == 0) continue;
    if (static_cast<size_t>(w.row) >= cells.size()) cells.resize(static_cast<size_t>(w.row) + 1);
    cells[static_cast<size_t>(w.row)][static_cast<size_t>(w.col)] = w.text;
  }
  trimTable(cells);
  change.cutFields = cut;
  change.table = true;
  readShownTable(change);
  refresh(change);
  return change;
}

ModelChange AnalysisModel::selectSet(int set) {
  ModelChange change;
  state_.shownSet = set == 1 ? 1 : 0;
  change.table = true;
  change.rowsExceeded = state_.cellsCut[state_.shownSet];
  return change;
}

ModelChange AnalysisModel::chooseType(DataType type) {
  const DataType old = state_.type;
  if (type == old && type != AlreadyGroupedContinuous) return {};
  state_.type = type;
  // A layout of its own (or new class labels) writes both tables out again; a
  // type of the same layout reads the tables as they stand.
  ModelChange change;
  if (layoutForType(old) != layoutForType(type)) change = tableRewritten();
  change.type = true;
  refresh(change);
  return change;
}

double AnalysisModel::countOutside(const Grouping& classes) const {
  if (!classes.usable()) return 0;
  return valuesOutside(state_.sets[0], classes).count + valuesOutside(state_.sets[1], classes).count;
}

ModelChange AnalysisModel::setClasses(const Grouping& classes, bool widen) {
  const std::optional<Grouping> wider =
      widen ? widenedClasses(classes, state_.sets[0], state_.sets[1]) : std::nullopt;
  state_.classes = wider ? *wider : classes;
  ModelChange change;
  if (state_.type == AlreadyGroupedContinuous) change = tableRewritten();
  change.classes = true;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::setHistogram(const Grouping& histogram, bool followsData) {
  state_.histogram = histogram;
  state_.histogramFollowsData = followsData;
  ModelChange change;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::setDecimals(int decimals) {
  if (decimals != kAutoDecimals && (decimals < 0 || decimals > 6)) return {};
  if (decimals == state_.decimals) return {};
  state_.decimals = decimals;
  ModelChange change;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::setRelativeFrequency(bool relative) {
  if (relative == state_.relativeFrequency) return {};
  state_.relativeFrequency = relative;
  ModelChange change;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::setName(int set, const std::string& text) {
  if (text.empty()) return {};
  const int s = set == 1 ? 1 : 0;
  state_.setNames[s] = state_.sets[s].name = setNameFrom(text);
  ModelChange change;
  change.names = true;
  return change;
}

ModelChange AnalysisModel::setColumnWidth(double width) {
  if (!(width > 0 && width <= 100) || width == shownColumnWidth()) return {};
  state_.columnWidth = width;
  state_.columnWidthChosen = true;
  ModelChange change;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::setPercentile(int set, int p) {
  state_.percentiles[set == 1 ? 1 : 0] = std::clamp(p, 0, 100);
  ModelChange change;
  refresh(change);
  change.graphs = false;
  return change;
}

ModelChange AnalysisModel::setSliderPosition(int position) {
  state_.sliderPosition = std::clamp(position, 0, 100);
  ModelChange change;
  refresh(change);
  change.graphs = false;
  change.percentage = true;
  return change;
}

ModelChange AnalysisModel::cycleDeviation() {
  state_.sampleStdDev = !state_.sampleStdDev;
  ModelChange change;
  refresh(change);
  change.graphs = false;
  return change;
}

ModelChange AnalysisModel::clearData() {
  const bool labels = state_.type == AlreadyGroupedContinuous;
  for (int s = 0; s < 2; ++s) {
    state_.sets[s].pairs.clear();
    state_.sets[s].count = 0;
    // The read-only class labels stay; only their frequencies go.
    if (labels) {
      for (CellRow& row : state_.cells[s]) row[1].clear();
      trimTable(state_.cells[s]);
    } else {
      state_.cells[s].clear();
    }
    state_.cellsCut[s] = false;
  }
  for (std::optional<AxisRange>& axis : state_.axes) axis.reset();
  ModelChange change;
  change.table = true;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::autoData() {
  const Grouping g = descriptionGrouping(description_, true);
  state_.classes = g;
  // A histogram that follows the data goes on following the example's.
  if (!state_.histogramFollowsData) state_.histogram = g;
  state_.columnWidth = wholePart(description_.colWidth);
  // A width set this way is kept as it is, not fitted to the data.
  state_.columnWidthChosen = true;
  for (int s = 0; s < 2; ++s) state_.sets[s].pairs = exampleData(s);
  ModelChange change = tableRewritten();
  change.classes = true;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::applyDescription(const AnalysisDescription& d,
                                            const std::optional<std::string> fileTexts[2]) {
  description_ = d;
  for (int s = 0; s < 2; ++s)
    state_.setNames[s] = state_.sets[s].name = setNameFrom(s == 0 ? d.set1Name : d.set2Name);
  // A description that names its own width or grouping has set them; the defaults
  // leave both to be fitted to the data.
  const AnalysisDescription defaults;
  state_.columnWidth = std::trunc(d.colWidth);
  state_.columnWidthChosen = d.colWidth != defaults.colWidth;
  state_.classes = state_.histogram = descriptionGrouping(d, false);
  state_.histogramFollowsData =
      d.start == defaults.start && d.size == defaults.size && d.number == defaults.number;
  if (d.has("decimals")) state_.decimals = d.decimals;
  // Another analysis: axes set by hand for the last one's data do not carry over.
  for (std::optional<AxisRange>& axis : state_.axes) axis.reset();

  // Each file is read one value per line, into its own set.
  ModelChange change;
  state_.type = UngroupedDiscrete;
  for (int s = 0; s < 2; ++s) {
    if (!fileTexts[s]) continue;
    state_.shownSet = s;
    const ModelChange loaded = loadFile(*fileTexts[s]);
    change.cutFields += loaded.cutFields;
    change.duplicates.insert(change.duplicates.end(), loaded.duplicates.begin(),
                             loaded.duplicates.end());
  }
  state_.shownSet = 0;
  const DataType type = static_cast<DataType>(std::clamp(d.type, 0, 4));
  state_.type = type;
  const ModelChange shown = tableRewritten();
  change.table = true;
  change.rowsExceeded = shown.rowsExceeded;
  change.type = change.names = change.classes = true;
  refresh(change);
  return change;
}

std::optional<AxisRange> AnalysisModel::axisRange(int page) const {
  if (page < kColumnAxis || page > kOgiveAxis) return std::nullopt;
  return state_.axes[page];
}

ModelChange AnalysisModel::setAxisRange(int page, std::optional<AxisRange> range) {
  if (page < kColumnAxis || page > kOgiveAxis) return {};
  if (range && !axisRangeProblem(*range).empty()) return {};
  if (state_.axes[page] == range) return {};
  state_.axes[page] = range;
  // The refresh's result stands; only the views' ranges change.
  ModelChange change;
  change.graphs = true;
  return change;
}

AnalysisContent AnalysisModel::content() const {
  AnalysisContent c;
  for (int s = 0; s < 2; ++s) {
    c.names[s] = state_.setNames[s];
    c.tables[s] = state_.cells[s];
    c.percentile[s] = state_.percentiles[s];
  }
  c.type = state_.type;
  c.classes = state_.classes;
  if (!state_.histogramFollowsData) c.histogram = state_.histogram;
  if (state_.columnWidthChosen) c.columnWidth = state_.columnWidth;
  c.sampleStdDev = state_.sampleStdDev;
  c.decimals = state_.decimals;
  for (int page = kColumnAxis; page <= kOgiveAxis; ++page) c.axes[page] = state_.axes[page];
  return c;
}

ModelChange AnalysisModel::openAnalysis(const OpenedAnalysis& opened,
                                        const AnalysisDescription* autoSource) {
  const AnalysisContent& c = opened.content;
  description_ = autoSource ? *autoSource : describeAnalysis(c);
  Analysis next;
  next.type = static_cast<DataType>(std::clamp(static_cast<int>(c.type), 0, 4));
  for (int s = 0; s < 2; ++s) {
    next.sets[s] = opened.sets[s];
    next.setNames[s] = next.sets[s].name = setNameFrom(c.names[s]);
    next.cells[s] = c.tables[s];
    if (next.cells[s].size() > static_cast<size_t>(kGridRows)) next.cells[s].resize(kGridRows);
    trimTable(next.cells[s]);
    next.percentiles[s] = std::clamp(c.percentile[s], 0, 100);
  }
  next.classes = c.classes;
  next.histogramFollowsData = !c.histogram;
  next.histogram = c.histogram ? *c.histogram : c.classes;
  next.columnWidthChosen = c.columnWidth.has_value();
  next.columnWidth = c.columnWidth ? *c.columnWidth : 1.0;
  next.sampleStdDev = c.sampleStdDev;
  if (c.decimals && (*c.decimals == kAutoDecimals || (*c.decimals >= 0 && *c.decimals <= 6)))
    next.decimals = *c.decimals;
  for (int page = kColumnAxis; page <= kOgiveAxis; ++page)
    if (c.axes[page] && axisRangeProblem(*c.axes[page]).empty()) next.axes[page] = c.axes[page];
  // The slider and the frequency kind keep their place: ways of looking, not part
  // of the file.
  next.sliderPosition = state_.sliderPosition;
  next.relativeFrequency = state_.relativeFrequency;
  state_ = next;
  // A set read from a data file is shown as the window writes it out: sorted, in
  // the type's layout (an inline table is shown as it was saved, as typed).
  for (int s = 0; s < 2; ++s) {
    if (opened.files[s].empty() || opened.problem[s] != DataImport::None) continue;
    std::vector<FrequencyPair>& pairs = state_.sets[s].pairs;
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const FrequencyPair& a, const FrequencyPair& b) { return a.value < b.value; });
    writeTable(s);
  }

  ModelChange change;
  change.rowsExceeded = state_.cellsCut[0];
  for (int s = 0; s < 2; ++s)
    change.duplicates.insert(change.duplicates.end(), opened.duplicates[s].begin(),
                             opened.duplicates[s].end());
  change.table = change.type = change.names = change.classes = true;
  refresh(change);
  return change;
}

ModelChange AnalysisModel::restore(const Analysis& step, int shownSet) {
  const Analysis kept = state_;
  state_ = step;
  for (int s = 0; s < 2; ++s) {
    state_.sets[s].name = state_.setNames[s];
    state_.percentiles[s] = kept.percentiles[s];
  }
  state_.sampleStdDev = kept.sampleStdDev;
  state_.relativeFrequency = kept.relativeFrequency;
  state_.sliderPosition = kept.sliderPosition;
  state_.shownSet = shownSet == 1 ? 1 : 0;
  ModelChange change;
  change.table = change.type = change.names = change.classes = true;
  change.rowsExceeded = state_.cellsCut[state_.shownSet];
  refresh(change);
  return change;
}

}  // namespace tally
