#pragma once
// Reading a data file as a spreadsheet writes it: the separator found per file,
// quoted fields, a decimal comma, a header line. Load Data, a description's data
// files and the report all read their files through importDataFile.
#include <cstddef>
#include <string>
#include <vector>

#include "core/grid/PasteText.h"

namespace tally {

// What a data file gives the table. The fields are placed as Load Data places
// them: from row 0, column 0, a line per row, the lines after a header line
// starting at row 0.
struct DataImport {
  enum Problem { None, Unreadable, NoNumbers };
  Problem problem = None;
  // Unreadable: the reason ("No such file or directory."); NoNumbers: the message
  // "No numbers found in FILE.". Nothing is to change in either case.
  std::string error;
  // The non-empty fields inside the table's 1000 rows and 2 columns, in file
  // order. A field's text is one line: a TAB or line break inside quotes became a
  // space, and it holds at most kMaxCellCharacters characters.
  std::vector<CellWrite> writes;
  char separator = '\t';  // TAB, ';' or ','
  // The first field of a header line, blanks trimmed; empty when the first line
  // is data. The caller names the set with it (its first ten characters, as
  // setNameFrom keeps) when the set has its default name.
  std::string header;
  bool hasNumbers = false;
  // Some row holds a number in both columns: a value and its frequency.
  bool frequencies = false;
  // How many written fields were cut to kMaxCellCharacters.
  std::size_t cut = 0;
};

const char* const kNoNumbersMessage = "No numbers found in %s.";
// The message (or its translation) with "%s" replaced by the file's name.
std::string noNumbersMessage(const std::string& fileName,
                             const std::string& message = kNoNumbersMessage);

// Reads the file at `path` (at most kMaxDataFileBytes), decodes it
// (decodeDataFile) and imports the text; `fileName` is the name the messages give.
DataImport importDataFile(const std::string& path, const std::string& fileName);

// The import of decoded text (UTF-8). Rules, in order:
//   separator: TAB, ';' or ',', the first that splits every non-empty line into
//     the same number of fields, at least two; TAB when none does;
//   quotes: a field that starts with '"' is quoted up to the next '"' that is not
//     doubled; inside, "" stands for '"', and separators and line breaks are
//     text. Text after the closing quote up to the separator is kept as it
//     stands; a quote that never closes is an ordinary character;
//   decimal comma: with TAB or ';' as separator, a field that reads as a number
//     once its one comma is a point is written with the point;
//   header: a first line whose first field is text that starts with no number,
//     and none of whose fields is a number, is skipped, its first field being
//     the header. (A class label "0 - < 10" starts with a number: files saved
//     under already grouped data have no header.)
// An empty text, or one whose fields placed in the table hold no number, gives
// NoNumbers with noNumbersMessage(fileName).
DataImport importDataText(const std::string& text, const std::string& fileName);

// The separator the import takes for the text.
char findSeparator(const std::string& text);

// A field's text with its one comma read as a decimal point, when that makes it a
// number ("7,5" -> "7.5"); any other text as it is ("1,234,5", "a,b").
std::string withDecimalPoint(const std::string& field);

// Whether a first line of these fields (as the separator split them) is a header.
bool isHeaderLine(const std::vector<std::string>& fields);

}  // namespace tally
