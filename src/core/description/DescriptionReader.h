#pragma once
// Reading a teacher's analysis description: an XML document whose elements
// set1Name, set1File, set2Name, set2File, type, colWidth, start, size and number
// (at any depth, attributes ignored) set up the analysis.
#include <cstddef>
#include <string>
#include <vector>

#include "core/description/AnalysisDescription.h"

namespace tally {

constexpr std::size_t kMaxDescriptionBytes = 1024 * 1024;
constexpr std::size_t kMaxElementCharacters = 4096;

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
// trimmed, non-empty lines joined by one space. Numbers are the leading number of
// the text, read with a decimal point whatever the locale.
bool parseDescription(const std::string& text, AnalysisDescription& description,
                      DescriptionProblems& problems);

// Reads the file (at most kMaxDescriptionBytes) and parses it, with the file's
// directory as the description's directory.
bool loadDescription(const std::string& path, AnalysisDescription& description,
                     DescriptionProblems& problems);

// A set's data file: an absolute name as it stands, a relative one inside the
// description's directory.
std::string setFilePath(const AnalysisDescription& description, const std::string& file);

}  // namespace tally
