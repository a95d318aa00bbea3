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
      const std::string& text = table[r][c];
      // Reading takes a field that starts with a quote as quoted: such a text is
      // written quoted (its quotes doubled) to read back as it stands.
      if (!text.empty() && text[0] == '"') {
        out += '"';
        for (char ch : text) {
          if (ch == '"') out += '"';
          out += ch;
        }
        out += '"';
      } else {
        out += text;
      }
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

namespace {

void appendUtf8(std::string& out, unsigned long code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string utf16ToUtf8(const std::string& bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  const size_t units = bytes.size() / 2;  // an odd last byte is half a unit: dropped
  auto unit = [&](size_t k) -> unsigned long {
    const auto a = static_cast<unsigned char>(bytes[2 * k]);
    const auto b = static_cast<unsigned char>(bytes[2 * k + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  for (size_t k = 0; k < units; ++k) {
    const unsigned long u = unit(k);
    if (u == 0) break;  // reading stops at NUL, as for 8-bit files
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units) {
      const unsigned long low = unit(k + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        ++k;
        continue;
      }
    }
    // A surrogate without its partner has no character: U+FFFD stands in for it.
    appendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? 0xFFFD : u);
  }
  return out;
}

std::string decodeDataFile(std::string bytes) {
  // "Unicode text" from a spreadsheet: UTF-16 with its byte-order mark.
  if (bytes.compare(0, 2, "\xFF\xFE") == 0) return utf16ToUtf8(bytes.substr(2), false);
  if (bytes.compare(0, 2, "\xFE\xFF") == 0) return utf16ToUtf8(bytes.substr(2), true);
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
