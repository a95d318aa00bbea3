// The analysis description reader and the analysis file writer: any document.
//   - reading it twice gives the same answer, description and notes;
//   - a refused document leaves the description as it was and says why; a taken
//     one has no error text;
//   - what is taken keeps the window's rules: type 0..4, number 1..100, size > 0,
//     column width >= 1, percentiles 0..100, decimals -1..6, all finite; texts of
//     at most 4096 characters, tables of at most 4 Mi;
//   - round trip: what was read, written and read again is the same description,
//     and writing it again gives the same bytes;
//   - opened (inline tables only) and saved as the window saves, it opens to the
//     same tables and writes the same bytes again.
#include <cmath>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "core/description/AnalysisFile.h"
#include "core/description/AnalysisWriter.h"
#include "core/description/DescriptionReader.h"

namespace {

std::string number(double v) { return tally::formatNumber("%.17g", v); }

std::string state(const tally::AnalysisDescription& d) {
  std::string s = d.directory + "|" + d.set1Name + "|" + d.set1File + "|" + d.set2Name + "|" +
                  d.set2File + "|" + d.set1Data + "|" + d.set2Data + "|" +
                  std::to_string(d.type) + "|" + number(d.colWidth) + "|" + number(d.start) +
                  "|" + number(d.size) + "|" + std::to_string(d.number) + "|" +
                  number(d.histogramStart) + "|" + number(d.histogramSize) + "|" +
                  std::to_string(d.histogramNumber) + "|" + std::to_string(d.fitHistogram) +
                  "|" + std::to_string(d.set1Percentile) + "|" +
                  std::to_string(d.set2Percentile) + "|" + std::to_string(d.sampleStdDev) +
                  "|" + std::to_string(d.decimals);
  for (int a = 0; a < 3; ++a)
    s += "|" + number(d.axisMin[a]) + "," + number(d.axisMax[a]) + "," + number(d.axisUnit[a]);
  for (const std::string& key : d.given) s += "|" + key;
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);

  tally::AnalysisDescription a, b;
  a.directory = b.directory = "/data/";
  const std::string before = state(a);
  tally::DescriptionProblems pa, pb;
  const bool ok = tally::parseDescription(text, a, pa);
  fuzz::require(tally::parseDescription(text, b, pb) == ok, "the same document, the same answer");
  fuzz::require(state(a) == state(b) && pa.error == pb.error && pa.invalid == pb.invalid,
                "the same document, the same description and notes");
  if (!ok) {
    fuzz::require(state(a) == before, "a refused document changes nothing");
    fuzz::require(!pa.error.empty() && pa.invalid.empty(), "a refusal says why, and only that");
    return 0;
  }
  fuzz::require(pa.error.empty(), "a taken document has no error");
  fuzz::require(a.directory == "/data/", "the directory stays");
  fuzz::require(a.type >= 0 && a.type <= 4, "type 0..4", std::to_string(a.type));
  fuzz::require(a.number >= 1 && a.number <= 100, "number 1..100", std::to_string(a.number));
  fuzz::require(a.histogramNumber >= 1 && a.histogramNumber <= 100, "histogram number 1..100");
  fuzz::require(std::isfinite(a.size) && a.size > 0, "size > 0");
  fuzz::require(std::isfinite(a.histogramSize) && a.histogramSize > 0, "histogram size > 0");
  fuzz::require(std::isfinite(a.colWidth) && a.colWidth >= 1, "column width >= 1");
  fuzz::require(std::isfinite(a.start) && std::isfinite(a.histogramStart), "starts finite");
  fuzz::require(a.set1Percentile >= 0 && a.set1Percentile <= 100 && a.set2Percentile >= 0 &&
                    a.set2Percentile <= 100,
                "percentiles 0..100");
  fuzz::require(a.decimals >= -1 && a.decimals <= 6, "decimals auto or 0..6");
  for (int i = 0; i < 3; ++i)
    fuzz::require(std::isfinite(a.axisMin[i]) && std::isfinite(a.axisMax[i]) &&
                      std::isfinite(a.axisUnit[i]) && a.axisUnit[i] >= 0,
                  "axes finite");
  for (const std::string* t : {&a.set1Name, &a.set1File, &a.set2Name, &a.set2File})
    fuzz::require(t->size() <= 4 * tally::kMaxElementCharacters, "texts bounded");
  for (const std::string* t : {&a.set1Data, &a.set2Data})
    fuzz::require(t->size() <= 4 * tally::kMaxDataCharacters, "tables bounded");
  fuzz::require(tally::setFilePath(a, "x.csv") == "/data/x.csv", "relative files in the directory");

  // Written and read again: the same description, and the same bytes once more.
  const std::string written = tally::analysisFileText(a);
  tally::AnalysisDescription c;
  c.directory = "/data/";
  tally::DescriptionProblems pc;
  fuzz::require(tally::parseDescription(written, c, pc), "a written file reads", pc.error);
  fuzz::require(pc.invalid.empty(), "a written file holds no invalid value");
  fuzz::require(state(c) == state(a), "written and read, the same description");
  fuzz::require(tally::analysisFileText(c) == written, "written twice, the same bytes");

  // Opened without files (nothing outside is read) and saved as the window saves.
  a.set1File.clear();
  a.set2File.clear();
  a.given.erase("set1File");
  a.given.erase("set2File");
  const tally::OpenedAnalysis opened = tally::openAnalysis(a);
  for (const tally::CellTable& t : opened.content.tables)
    fuzz::require(t.size() == static_cast<size_t>(tally::kGridRows), "tables of the grid's rows");
  const std::string saved = tally::analysisFileText(tally::describeAnalysis(opened.content));
  tally::AnalysisDescription e;
  fuzz::require(tally::parseDescription(saved, e, pc), "a saved analysis reads", pc.error);
  const tally::OpenedAnalysis reopened = tally::openAnalysis(e);
  for (int s = 0; s < 2; ++s)
    fuzz::require(reopened.content.tables[s] == opened.content.tables[s],
                  "saved and opened, the same table");
  fuzz::require(tally::analysisFileText(tally::describeAnalysis(reopened.content)) == saved,
                "saved again, the same bytes");
  return 0;
}
