#include "core/grid/SpreadsheetImport.h"

#include <cstring>
#include <utility>

#include "core/FileAccess.h"
#include "core/NumberText.h"
#include "core/grid/DataFile.h"
#include "core/stats/GridData.h"

namespace tally {
namespace {

constexpr size_t kNone = std::string::npos;

// Where a field lies in the text: the part inside its quotes (doubled quotes
// still doubled) and the plain part (all of an unquoted field; after a closing
// quote, what follows it up to the separator).
struct FieldSpan {
  bool quoted = false;
  size_t quotedBegin = 0, quotedEnd = 0;
  size_t plainBegin = 0, plainEnd = 0;
  bool endsLine = false;
  bool emptyLine = false;  // a line with no character at all: no field
};

// Walks the text field by field for one separator.
class FieldScanner {
 public:
  FieldScanner(const std::string& text, char separator) : t_(text), sep_(separator) {}

  bool next(FieldSpan& f) {
    const size_t n = t_.size();
    f = FieldSpan();
    if (!inLine_) {
      if (pos_ >= n) return false;
      if (t_[pos_] == '\r' || t_[pos_] == '\n') {
        skipLineEnd();
        f.emptyLine = f.endsLine = true;
        return true;
      }
    }
    size_t p = pos_;
    if (p < n && t_[p] == '"') {
      const size_t close = closingQuote(p);
      if (close != kNone) {
        f.quoted = true;
        f.quotedBegin = p + 1;
        f.quotedEnd = close;
        p = close + 1;
      }
    }
    f.plainBegin = p;
    while (p < n && t_[p] != sep_ && t_[p] != '\r' && t_[p] != '\n') ++p;
    f.plainEnd = p;
    if (p < n && t_[p] == sep_) {
      pos_ = p + 1;
      inLine_ = true;  // a field follows the separator, even at the end of the text
    } else {
      pos_ = p;
      skipLineEnd();
      inLine_ = false;
      f.endsLine = true;
    }
    return true;
  }

 private:
  // CR LF is one line end, and so is a lone CR or LF.
  void skipLineEnd() {
    const size_t n = t_.size();
    if (pos_ < n && t_[pos_] == '\r') {
      ++pos_;
      if (pos_ < n && t_[pos_] == '\n') ++pos_;
    } else if (pos_ < n && t_[pos_] == '\n') {
      ++pos_;
    }
  }

  // The quote that closes a field opened at `open`. Inside quotes a pair "" is one
  // quote, so the field closes at the end of the first run of quotes after the
  // opening one whose length is odd. The opening quote begins a run of its own
  // (the character before it is a separator or a line end).
  size_t closingQuote(size_t open) {
    size_t end = open;
    while (end < t_.size() && t_[end] == '"') ++end;
    const size_t run = end - open;
    if (run % 2 == 0) return end - 1;  // the run less the opening quote is odd
    return nextOddRunEnd(end);
  }

  // The last quote of the first odd-length run of quotes that starts at `from` or
  // later; kNone when there is none. Fields are asked for in text order, so one
  // answer holds for every later `from` up to the start of its run: no part of the
  // text is searched twice, and a quote that never closes costs one search.
  size_t nextOddRunEnd(size_t from) {
    if (searchedFrom_ != kNone && from >= searchedFrom_ &&
        (runStart_ == kNone || from <= runStart_))
      return runEnd_;
    searchedFrom_ = from;
    const size_t n = t_.size();
    size_t j = from;
    while (j < n) {
      const void* hit = std::memchr(t_.data() + j, '"', n - j);
      if (!hit) break;
      j = static_cast<size_t>(static_cast<const char*>(hit) - t_.data());
      size_t k = j;
      while (k < n && t_[k] == '"') ++k;
      if ((k - j) % 2 == 1) {
        runStart_ = j;
        runEnd_ = k - 1;
        return runEnd_;
      }
      j = k;
    }
    runStart_ = runEnd_ = kNone;
    return kNone;
  }

  const std::string& t_;
  const char sep_;
  size_t pos_ = 0;
  bool inLine_ = false;
  size_t searchedFrom_ = kNone, runStart_ = kNone, runEnd_ = kNone;
};

// A field's text as a cell holds it: doubled quotes inside quotes made single, a
// TAB or line break (CR LF as one) made a space, cut after kMaxCellCharacters
// characters (`cut` says whether it was).
std::string fieldText(const std::string& t, const FieldSpan& f, bool& cut) {
  std::string out;
  size_t characters = 0;
  cut = false;
  auto add = [&](char c) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
      if (characters == kMaxCellCharacters) cut = true;
      if (!cut) ++characters;
    }
    if (!cut) out += c;
  };
  if (f.quoted) {
    for (size_t i = f.quotedBegin; i < f.quotedEnd && !cut; ++i) {
      const char c = t[i];
      if (c == '"') {
        ++i;  // the first of a pair; the pair stands for one quote
        add('"');
      } else if (c == '\r') {
        if (i + 1 < f.quotedEnd && t[i + 1] == '\n') ++i;
        add(' ');
      } else if (c == '\n' || c == '\t') {
        add(' ');
      } else {
        add(c);
      }
    }
  }
  for (size_t i = f.plainBegin; i < f.plainEnd && !cut; ++i) add(t[i] == '\t' ? ' ' : t[i]);
  return out;
}

// Every non-empty line splits into the same number of fields, two or more.
bool splitsEveryLineAlike(const std::string& text, char separator) {
  FieldScanner scan(text, separator);
  FieldSpan f;
  size_t fields = 0, expected = 0;
  while (scan.next(f)) {
    if (f.emptyLine) continue;
    ++fields;
    if (!f.endsLine) continue;
    if (fields < 2 || (expected != 0 && fields != expected)) return false;
    expected = fields;
    fields = 0;
  }
  return expected != 0;
}

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isNumber(const std::string& text) {
  double v;
  return parseNumber(text, v);
}

}  // namespace

std::string noNumbersMessage(const std::string& fileName, const std::string& message) {
  std::string text = message;
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, fileName);
  return text;
}

char findSeparator(const std::string& text) {
  for (char separator : {'\t', ';', ','})
    if (splitsEveryLineAlike(text, separator)) return separator;
  return '\t';
}

std::string withDecimalPoint(const std::string& field) {
  const size_t comma = field.find(',');
  if (comma == std::string::npos || field.find(',', comma + 1) != std::string::npos) return field;
  std::string pointed = field;
  pointed[comma] = '.';
  return isNumber(pointed) ? pointed : field;
}

bool isHeaderLine(const std::vector<std::string>& fields) {
  if (fields.empty()) return false;
  const std::string first = trimmed(fields[0]);
  double v;
  if (first.empty() || leadingNumber(first, v)) return false;
  for (const std::string& field : fields)
    if (isNumber(field)) return false;
  return true;
}

DataImport importDataText(const std::string& text, const std::string& fileName) {
  DataImport data;
  data.separator = findSeparator(text);
  const bool decimalComma = data.separator != ',';
  FieldScanner scan(text, data.separator);
  FieldSpan f;
  std::vector<std::string> line;  // the fields of the current line, as cells hold them
  bool firstLine = true;
  int row = 0;
  bool cut = false;
  std::vector<bool> lineCut;
  auto place = [&] {
    if (firstLine) {
      firstLine = false;
      if (isHeaderLine(line)) {
        data.header = trimmed(line[0]);
        return;
      }
    }
    bool numbers[kGridColumns] = {false, false};
    for (size_t c = 0; c < line.size() && c < static_cast<size_t>(kGridColumns); ++c) {
      if (line[c].empty()) continue;
      numbers[c] = isNumber(line[c]);
      data.writes.push_back({row, static_cast<int>(c), line[c]});
      if (lineCut[c]) ++data.cut;
    }
    data.hasNumbers = data.hasNumbers || numbers[0] || numbers[1];
    data.frequencies = data.frequencies || (numbers[0] && numbers[1]);
    ++row;
  };
  while (row < kGridRows && scan.next(f)) {
    if (!f.emptyLine) {
      // Past the table's columns only the first line's fields still count (for the
      // header); the others are not built.
      if (firstLine || line.size() < static_cast<size_t>(kGridColumns)) {
        std::string field = fieldText(text, f, cut);
        line.push_back(decimalComma ? withDecimalPoint(field) : std::move(field));
        lineCut.push_back(cut);
      }
    }
    if (f.endsLine) {
      place();
      line.clear();
      lineCut.clear();
    }
  }
  if (!data.hasNumbers) {
    data.problem = DataImport::NoNumbers;
    data.error = noNumbersMessage(fileName);
  }
  return data;
}

DataImport importDataFile(const std::string& path, const std::string& fileName) {
  std::string bytes;
  DataImport data;
  if (!readRegularFile(path, kMaxDataFileBytes, bytes, data.error)) {
    data.problem = DataImport::Unreadable;
    return data;
  }
  return importDataText(decodeDataFile(std::move(bytes)), fileName);
}

}  // namespace tally
