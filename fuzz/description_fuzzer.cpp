// The analysis description reader: any document.
//   - reading it twice gives the same answer, description and notes;
//   - a refused document leaves the description as it was and says why; a taken
//     one has no error text;
//   - what is taken keeps the window's rules: type 0..4, number 1..100, size > 0,
//     column width >= 1, all finite; texts of at most 4096 characters.
#include <cmath>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "core/description/DescriptionReader.h"

namespace {

std::string state(const tally::AnalysisDescription& d) {
  return d.directory + "|" + d.set1Name + "|" + d.set1File + "|" + d.set2Name + "|" +
         d.set2File + "|" + std::to_string(d.type) + "|" +
         tally::formatNumber("%.17g", d.colWidth) + "|" + tally::formatNumber("%.17g", d.start) +
         "|" + tally::formatNumber("%.17g", d.size) + "|" + std::to_string(d.number);
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
  fuzz::require(std::isfinite(a.size) && a.size > 0, "size > 0");
  fuzz::require(std::isfinite(a.colWidth) && a.colWidth >= 1, "column width >= 1");
  fuzz::require(std::isfinite(a.start), "start finite");
  for (const std::string* t : {&a.set1Name, &a.set1File, &a.set2Name, &a.set2File})
    fuzz::require(t->size() <= 4 * tally::kMaxElementCharacters, "texts bounded");
  fuzz::require(tally::setFilePath(a, "x.csv") == "/data/x.csv", "relative files in the directory");
  return 0;
}
