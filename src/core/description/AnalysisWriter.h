#pragma once
// Writing an analysis file (`.tally`): the description format with each set's
// table inline, read back by parseDescription to the same description.
#include <string>

#include "core/description/AnalysisDescription.h"

namespace tally {

// The document of a description: an XML declaration, then <analysis> holding one
// line per element the description gives (AnalysisDescription::given), in a fixed
// order: set1Name, set1File, set2Name, set2File, type, colWidth, start, size,
// number, histogramStart, histogramSize, histogramNumber, fitHistogram,
// set1Percentile, set2Percentile, sampleStdDev, decimals, the axes' elements,
// set1Data, set2Data. Texts are folded as the reader folds them (an element whose
// text folds to nothing is left out); numbers are the shortest text that reads
// back exactly; decimals -1 is "auto". A table starts on the line after its start
// tag and keeps its TABs and line breaks; a CR is written &#13; so that it
// survives the reader's line-end rule. "&", "<" and ">" are written as
// references; a character XML 1.0 cannot hold (control characters other than TAB,
// LF and CR, U+FFFE, U+FFFF) and a byte that is not UTF-8 become U+FFFD.
// Writing what the reader read gives the same bytes again.
std::string analysisFileText(const AnalysisDescription& description);

// analysisFileText written atomically over `path` (replaceFile: a temporary file
// beside it, flushed and renamed; permissions kept; a symbolic link kept and the
// file it points to replaced). False with the reason on failure, the old file
// whole.
bool saveAnalysisFile(const std::string& path, const AnalysisDescription& description,
                      std::string& reason);

// Text as XML character data: the references and replacements above.
std::string xmlCharacterData(const std::string& text);

}  // namespace tally
