#include "core/description/AnalysisFile.h"

#include <cmath>

#include "core/NumberText.h"
#include "core/description/DescriptionReader.h"
#include "core/grid/DataFile.h"
#include "core/grid/PasteText.h"
#include "core/stats/Report.h"

namespace tally {
namespace {

const char* const kAxisElements[3] = {"columnAxis", "boxAxis", "ogiveAxis"};

// A cell as the inline table can hold it: one line, no TAB, at most a cell's size.
std::string storableCell(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  if (utf8Length(out) > kMaxCellCharacters) out = firstCharacters(out, kMaxCellCharacters);
  return out;
}

void labelClasses(CellTable& table, const Grouping& classes) {
  for (int r = 0; r < static_cast<int>(table.size()); ++r)
    table[r][0] = r < classes.classes() ? classes.classLabel(r) : std::string();
}

// The extraction of a set from its table, the frequency cells rewritten as the
// window rewrites them.
void extractInto(DataType type, CellTable& table, const Grouping& classes, OpenedAnalysis& out,
                 int s) {
  const ExtractResult ex = extractGridData(type, table, classes, out.sets[s]);
  for (const CellWrite& w : ex.rewrites)
    if (w.row >= 0 && w.row < static_cast<int>(table.size())) table[w.row][w.col] = w.text;
  out.duplicates[s] = ex.duplicates;
}

// Whether a data file holds what the type reads beside its values.
bool holdsFrequencies(const DataImport& data, DataType type) {
  if (type == GroupedDiscrete || type == GroupedContinuous) return data.frequencies;
  if (type == AlreadyGroupedContinuous) {
    double v;
    for (const CellWrite& w : data.writes)
      if (w.col == 1 && parseNumber(w.text, v)) return true;
    return false;
  }
  return true;  // values only: nothing beside them to miss
}

}  // namespace

std::string tableDataText(const CellTable& table) {
  CellTable cells = table;
  if (cells.size() > static_cast<size_t>(kGridRows)) cells.resize(kGridRows);
  for (CellRow& row : cells)
    for (std::string& text : row) text = storableCell(text);
  return dataFileText(cells);
}

CellTable dataTextTable(const std::string& text) {
  CellTable table(kGridRows);
  size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  int row = 0, col = 0;
  const size_t n = text.size();
  while (i < n && row < kGridRows) {
    std::string cell;
    if (text[i] == '"') {
      // Quoted up to the quote that is not doubled; what follows it up to the
      // TAB or line end is kept as it stands.
      ++i;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            cell += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        cell += text[i++];
      }
    }
    while (i < n && text[i] != '\t' && text[i] != '\n' && text[i] != '\r') cell += text[i++];
    if (col < kGridColumns) table[row][col] = storableCell(cell);
    if (i >= n) break;
    if (text[i] == '\t') {
      ++col;
    } else {
      if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      ++row;
      col = 0;
    }
    ++i;
  }
  return table;
}

AnalysisDescription describeAnalysis(const AnalysisContent& c) {
  AnalysisDescription d;
  auto give = [&](const char* element) { d.given.insert(element); };
  const AnalysisDescription defaults;
  const std::string defaultNames[2] = {defaults.set1Name, defaults.set2Name};
  std::string names[2];
  for (int s = 0; s < 2; ++s) {
    names[s] = foldedText(c.names[s]);
    if (names[s].empty()) names[s] = defaultNames[s];
  }
  d.set1Name = names[0];
  d.set2Name = names[1];
  give("set1Name");
  give("set2Name");
  d.type = static_cast<int>(c.type);
  give("type");
  if (c.columnWidth) {
    d.colWidth = *c.columnWidth;
    give("colWidth");
  }
  d.start = c.classes.startValue;
  d.size = c.classes.groupSize;
  d.number = c.classes.groupCount;
  give("start");
  give("size");
  give("number");
  if (c.histogram) {
    d.histogramStart = c.histogram->startValue;
    d.histogramSize = c.histogram->groupSize;
    d.histogramNumber = c.histogram->groupCount;
    give("histogramStart");
    give("histogramSize");
    give("histogramNumber");
  } else {
    d.fitHistogram = true;
    give("fitHistogram");
  }
  d.set1Percentile = c.percentile[0];
  d.set2Percentile = c.percentile[1];
  give("set1Percentile");
  give("set2Percentile");
  d.sampleStdDev = c.sampleStdDev;
  give("sampleStdDev");
  if (c.decimals) {
    d.decimals = *c.decimals;
    give("decimals");
  }
  for (int a = 0; a < 3; ++a) {
    if (!c.axes[a]) continue;
    d.axisMin[a] = c.axes[a]->min;
    d.axisMax[a] = c.axes[a]->max;
    d.axisUnit[a] = c.axes[a]->unit;
    for (const char* part : {"Min", "Max", "Unit"}) d.given.insert(kAxisElements[a] + std::string(part));
  }
  d.set1Data = tableDataText(c.tables[0]);
  d.set2Data = tableDataText(c.tables[1]);
  // A table of blanks only reads as no table.
  if (!foldedText(d.set1Data).empty()) give("set1Data");
  if (!foldedText(d.set2Data).empty()) give("set2Data");
  return d;
}

OpenedAnalysis openAnalysis(const AnalysisDescription& d) {
  OpenedAnalysis out;
  AnalysisContent& c = out.content;
  c.type = static_cast<DataType>(d.type);
  c.classes = Grouping{d.start, d.size, d.number};
  const bool histogramGiven =
      d.has("histogramStart") || d.has("histogramSize") || d.has("histogramNumber");
  if (d.fitHistogram) {
    c.histogram.reset();
  } else if (histogramGiven) {
    c.histogram = Grouping{d.has("histogramStart") ? d.histogramStart : d.start,
                           d.has("histogramSize") ? d.histogramSize : d.size,
                           d.has("histogramNumber") ? d.histogramNumber : d.number};
  } else if (d.has("start") || d.has("size") || d.has("number")) {
    c.histogram = c.classes;
  }
  if (d.has("colWidth")) c.columnWidth = std::trunc(d.colWidth);
  c.percentile[0] = d.set1Percentile;
  c.percentile[1] = d.set2Percentile;
  c.sampleStdDev = d.sampleStdDev;
  if (d.has("decimals")) c.decimals = d.decimals;
  for (int a = 0; a < 3; ++a) {
    const std::string e = kAxisElements[a];
    if (d.has(e + "Min") || d.has(e + "Max") || d.has(e + "Unit"))
      c.axes[a] = AxisRange{d.axisMin[a], d.axisMax[a], d.axisUnit[a]};
  }
  c.names[0] = d.set1Name;
  c.names[1] = d.set2Name;

  const DataType type = c.type;
  const std::string data[2] = {d.set1Data, d.set2Data};
  const bool inline_[2] = {d.has("set1Data"), d.has("set2Data")};
  std::string files[2] = {d.set1File, d.set2File};
  // Set 2's file is read only when Set 1 has a table of its own.
  if (!inline_[0] && files[0].empty()) files[1].clear();
  for (int s = 0; s < 2; ++s) {
    CellTable& table = c.tables[s];
    table.assign(kGridRows, CellRow());
    if (inline_[s]) {
      table = dataTextTable(data[s]);
      if (type == AlreadyGroupedContinuous) labelClasses(table, c.classes);
      extractInto(type, table, c.classes, out, s);
      continue;
    }
    if (type == AlreadyGroupedContinuous) labelClasses(table, c.classes);
    if (files[s].empty()) continue;
    out.files[s] = setFilePath(d, files[s]);
    const DataImport imported = importDataFile(out.files[s], out.files[s]);
    if (imported.problem != DataImport::None) {
      out.problem[s] = imported.problem;
      out.error[s] = imported.error;
      continue;
    }
    // A file's header names a set the description leaves unnamed.
    if (!imported.header.empty() && !d.has(s == 0 ? "set1Name" : "set2Name"))
      c.names[s] = imported.header;
    if (holdsFrequencies(imported, type)) {
      table = loadedTable(imported, type, c.classes);
      extractInto(type, table, c.classes, out, s);
    } else {
      // One value per line, then shown in the type's layout.
      extractGridData(UngroupedDiscrete, loadedTable(imported, UngroupedDiscrete, c.classes),
                      c.classes, out.sets[s]);
      const GridRows rows = setToGridRows(out.sets[s], layoutForType(type), c.classes);
      table.assign(kGridRows, CellRow());
      for (size_t r = 0; r < rows.rows.size() && r < table.size(); ++r) table[r] = rows.rows[r];
    }
  }
  return out;
}

}  // namespace tally
