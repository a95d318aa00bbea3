#pragma once
// Reading an analysis description (a `.tally` file): an XML document whose key
// elements (at any depth, attributes ignored) set up the analysis: set1Name,
// set1File, set1Data, set2Name, set2File, set2Data, type, colWidth, start, size,
// number, histogramStart, histogramSize, histogramNumber, fitHistogram,
// set1Percentile, set2Percentile, sampleStdDev, decimals and the axes' columnAxisMin,
// columnAxisMax, columnAxisUnit, boxAxis..., ogiveAxis... (README: the table).
#include <cstddef>
#include <string>
#include <vector>

#include "core/description/AnalysisDescription.h"

namespace tally {

// Room for both tables inline: 1000 rows of two cells of 1000 characters.
constexpr std::size_t kMaxDescriptionBytes = 16 * 1024 * 1024;
constexpr std::size_t kMaxElementCharacters = 4096;
// A set's inline table (set1Data, set2Data) may be longer: every cell quoted.
constexpr std::size_t kMaxDataCharacters = 4 * 1024 * 1024;

// Added to the XML error a stray "&" causes.
const char* const kAmpersandHint = "write & as &amp;";

struct DescriptionProblems {
  // Why the document was not taken: "It is not a regular file.", "XML error at
  // line 3, column 7: mismatched tag."; empty when it was taken.
  std::string error;
  // Values that were not taken, as `type "7" (must be a whole number from 0 to 4)`;
  // each leaves what was there before (the default) in place.
  std::vector<std::string> invalid;
};

// Parses a whole document into a fresh description (the defaults, and the
// directory of `description`) and stores it in `description` only when the
// document is well formed. A document that declares entities, or whose key
// element holds more than kMaxElementCharacters characters, is refused.
// Element texts: the character data as delivered (references resolved), each line
// trimmed, non-empty lines joined by one space (foldedText); set1Data and set2Data
// keep theirs exactly, but for one line break right after the start tag. Numbers
// are the leading number of the text, read with a decimal point whatever the
// locale. An empty text changes nothing; a value taken (valid) is listed in
// `given`, also when it equals its default.
bool parseDescription(const std::string& text, AnalysisDescription& description,
                      DescriptionProblems& problems);

// Reads the file (at most kMaxDescriptionBytes) and parses it, with the file's
// directory as the description's directory.
bool loadDescription(const std::string& path, AnalysisDescription& description,
                     DescriptionProblems& problems);

// Lines trimmed of blanks (space, TAB), the non-empty ones joined by one space: a
// name written over two lines becomes two words. CR, LF and CR LF end a line.
std::string foldedText(const std::string& text);

// A set's data file: an absolute name as it stands, a relative one inside the
// description's directory.
std::string setFilePath(const AnalysisDescription& description, const std::string& file);

}  // namespace tally
