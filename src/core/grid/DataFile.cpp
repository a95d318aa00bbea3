#include "core/grid/DataFile.h"

namespace tally {

std::string dataFileText(const CellTable& table) {
  size_t rows = table.size();
  auto blank = [](const CellRow& row) {
    for (const std::string& text : row)
      if (!text.empty()) return false;
    return true;
  };
  while (rows > 0 && blank(table[rows - 1])) --rows;
  if (rows == 0) return std::string();
  std::string out;
  for (size_t r = 0; r < rows; ++r) {
    for (size_t c = 0; c < table[r].size(); ++c) {
      if (c > 0) out += '\t';
      out += table[r][c];
    }
    out += '\n';
  }
  out += '\n';
  // Reading drops one leading byte-order mark: a first cell that starts with one
  // keeps it only behind another.
  if (out.compare(0, 3, "\xEF\xBB\xBF") == 0) out.insert(0, "\xEF\xBB\xBF");
  return out;
}

bool isValidUtf8(const std::string& text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;   // overlong
      if (c == 0xED) high = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;   // overlong
      if (c == 0xF4) high = 0x8F;  // past U+10FFFF
    } else {
      return false;
    }
    if (i + length > n) return false;
    if (s[i + 1] < low || s[i + 1] > high) return false;
    for (size_t k = 2; k < length; ++k)
      if (s[i + k] < 0x80 || s[i + k] > 0xBF) return false;
    i += length;
  }
  return true;
}

std::string latin1ToUtf8(const std::string& bytes) {
  // Reserved exactly (each byte from 0x80 up becomes two): no growing buffer is
  // copied while a large file converts.
  size_t high = 0;
  for (char ch : bytes) high += static_cast<unsigned char>(ch) >= 0x80;
  std::string out;
  out.reserve(bytes.size() + high);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string decodeDataFile(std::string bytes) {
  const size_t nul = bytes.find('\0');
  if (nul != std::string::npos) bytes.resize(nul);
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  if (isValidUtf8(bytes)) return bytes;
  return latin1ToUtf8(bytes);
}

std::size_t utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

std::string firstCharacters(const std::string& text, std::size_t count) {
  size_t i = 0;
  for (size_t taken = 0; i < text.size(); ++i) {
    // Continuation bytes belong to the character before them.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (taken == count) break;
    ++taken;
  }
  return text.substr(0, i);
}

}  // namespace tally
