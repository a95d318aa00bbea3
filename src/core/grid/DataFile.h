#pragma once
// The data file: the grid's cell texts as TAB-separated lines, and a file's bytes
// as text (SpreadsheetImport reads that text into the grid).
#include <cstddef>
#include <string>
#include <string_view>

#include "core/stats/GridData.h"

namespace tally {

// Files larger than this are refused rather than read.
constexpr std::size_t kMaxDataFileBytes = 64u * 1024 * 1024;

// One line per row from row 0 down to the last row holding any text: the texts of
// all columns joined by TAB, ended by LF; then one more LF. Empty rows in between
// are lines of empty fields. Texts are written as they stand (UTF-8), except that a
// text starting with '"' is quoted, its quotes doubled, so that it reads back the
// same. The result is empty when no cell holds text.
std::string dataFileText(const CellTable& table);

// A file's bytes as UTF-8 text: a file that starts with a UTF-16 byte-order mark
// (FF FE little-endian, FE FF big-endian) is decoded as UTF-16; any other is cut at
// the first NUL byte, a leading UTF-8 byte-order mark dropped, valid UTF-8 taken as
// it is and anything else read as ISO-8859-1, so that no file reads as nothing.
// Takes the bytes by value so that a caller can hand over a large file without a
// second copy.
std::string decodeDataFile(std::string bytes);

// UTF-16 code units (without their byte-order mark) as UTF-8, up to the first
// U+0000; a lone surrogate becomes U+FFFD and an odd last byte is dropped.
std::string utf16ToUtf8(const std::string& bytes, bool bigEndian);

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(const std::string& text);
std::string latin1ToUtf8(const std::string& bytes);

// The first `count` characters (not bytes) of UTF-8 text.
std::string firstCharacters(const std::string& text, std::size_t count);
// A set's name as the window, the description and the report keep it: its first
// thirty characters (whole UTF-8 characters: a cut never splits one).
constexpr std::size_t kSetNameLength = 30;
// The names of the two sets until they are named, however the program starts.
constexpr const char* kDefaultSetNames[2] = {"Set 1", "Set 2"};
inline std::string setNameFrom(const std::string& text) {
  return firstCharacters(text, kSetNameLength);
}
// How many characters (not bytes) UTF-8 text holds: continuation bytes do not count.
std::size_t utf8Length(std::string_view text);

}  // namespace tally
