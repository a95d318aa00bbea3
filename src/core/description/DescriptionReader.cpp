#include "core/description/DescriptionReader.h"

#include <expat.h>

#include <charconv>
#include <cmath>
#include <cctype>
#include <cstring>

#include "core/FileAccess.h"
#include "core/grid/DataFile.h"

namespace tally {
namespace {

// What an element's text is: a folded text, the exact text of a table, or a
// value read from its leading number.
enum KeyKind { NotKey = 0, TextKey, DataKey, NumberKey };

const char* const kTextKeys[] = {"set1Name", "set1File", "set2Name", "set2File"};
const char* const kDataKeys[] = {"set1Data", "set2Data"};
const char* const kNumberKeys[] = {
    "type",           "colWidth",       "start",          "size",           "number",
    "histogramStart", "histogramSize",  "histogramNumber", "fitHistogram",  "set1Percentile",
    "set2Percentile", "sampleStdDev",   "decimals",       "columnAxisMin",  "columnAxisMax",
    "columnAxisUnit", "boxAxisMin",     "boxAxisMax",     "boxAxisUnit",    "ogiveAxisMin",
    "ogiveAxisMax",   "ogiveAxisUnit"};

KeyKind keyKind(const char* name) {
  for (const char* key : kTextKeys)
    if (std::strcmp(name, key) == 0) return TextKey;
  for (const char* key : kDataKeys)
    if (std::strcmp(name, key) == 0) return DataKey;
  for (const char* key : kNumberKeys)
    if (std::strcmp(name, key) == 0) return NumberKey;
  return NotKey;
}

const char* const kAxisPrefixes[] = {"column", "box", "ogive"};

// The leading decimal number of a text, whatever the locale; false when the text
// does not start with a finite number.
bool leadingDecimal(const std::string& text, double& value) {
  const char* begin = text.c_str();
  const char* end = begin + text.size();
  // std::from_chars takes no plus sign.
  if (begin != end && *begin == '+' && begin + 1 != end && begin[1] != '-') ++begin;
  double v = 0;
  const auto read = std::from_chars(begin, end, v);
  if (read.ec != std::errc() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

}  // namespace

std::string foldedText(const std::string& text) {
  std::string out;
  size_t i = 0;
  while (i <= text.size()) {
    size_t end = text.find_first_of("\r\n", i);
    if (end == std::string::npos) end = text.size();
    size_t first = i, last = end;
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    if (last > first) {
      if (!out.empty()) out += ' ';
      out.append(text, first, last - first);
    }
    i = end + 1;
  }
  return out;
}

namespace {

struct Parse {
  XML_Parser parser = nullptr;
  AnalysisDescription description;
  DescriptionProblems* problems = nullptr;
  // For each open element, what kind of key it is; text is collected only for a key.
  std::vector<KeyKind> keyStack;
  std::string elementText;
  size_t elementCharacters = 0;
  std::string refusal;

  void refuse(const std::string& why) {
    if (refusal.empty()) refusal = why;
    XML_StopParser(parser, XML_FALSE);
  }

  void store(const std::string& key, const std::string& text) {
    AnalysisDescription& d = description;
    bool taken = true;
    if (key == "set1Name") d.set1Name = text;
    else if (key == "set1File") d.set1File = text;
    else if (key == "set2Name") d.set2Name = text;
    else if (key == "set2File") d.set2File = text;
    else if (key == "set1Data") d.set1Data = text;
    else if (key == "set2Data") d.set2Data = text;
    else taken = storeNumber(key, text);
    if (taken) d.given.insert(key);
  }

  bool storeNumber(const std::string& key, const std::string& text) {
    AnalysisDescription& d = description;
    double v = 0;
    const bool number = leadingDecimal(text, v);
    const char* rule = nullptr;
    // Whole-number keys take the integer part; the ranges are checked on the double
    // so that no out-of-range value is ever converted.
    auto whole = [&](int& out, double lowest, double highest, const char* why) {
      if (number && v > lowest - 1 && v < highest + 1 && std::trunc(v) >= lowest) out = static_cast<int>(v);
      else rule = why;
    };
    auto flag = [&](bool& out) {
      int i = 0;
      whole(i, 0, 1, "must be 0 or 1");
      if (!rule) out = i != 0;
    };
    if (key == "type") {
      whole(d.type, 0, 4, "must be a whole number from 0 to 4");
    } else if (key == "colWidth") {
      if (number && v >= 1) d.colWidth = v;
      else rule = "must be a number of at least 1";
    } else if (key == "start" || key == "histogramStart") {
      if (number) (key == "start" ? d.start : d.histogramStart) = v;
      else rule = "must be a number";
    } else if (key == "size" || key == "histogramSize") {
      if (number && v > 0) (key == "size" ? d.size : d.histogramSize) = v;
      else rule = "must be a number greater than 0";
    } else if (key == "number" || key == "histogramNumber") {
      whole(key == "number" ? d.number : d.histogramNumber, 1, 100,
            "must be a whole number from 1 to 100");
    } else if (key == "fitHistogram") {
      flag(d.fitHistogram);
    } else if (key == "sampleStdDev") {
      flag(d.sampleStdDev);
    } else if (key == "set1Percentile" || key == "set2Percentile") {
      whole(key == "set1Percentile" ? d.set1Percentile : d.set2Percentile, 0, 100,
            "must be a whole number from 0 to 100");
    } else if (key == "decimals") {
      if (text == "auto") d.decimals = -1;
      else whole(d.decimals, 0, 6, "must be auto or a whole number from 0 to 6");
    } else {
      for (int a = 0; a < 3; ++a) {
        const std::string prefix = kAxisPrefixes[a];
        if (key == prefix + "AxisMin" || key == prefix + "AxisMax") {
          if (number) (key == prefix + "AxisMin" ? d.axisMin[a] : d.axisMax[a]) = v;
          else rule = "must be a number";
        } else if (key == prefix + "AxisUnit") {
          if (number && v > 0) d.axisUnit[a] = v;
          else rule = "must be a number greater than 0";
        }
      }
    }
    if (rule) problems->invalid.push_back(key + " \"" + text + "\" (" + rule + ")");
    return rule == nullptr;
  }

  static void XMLCALL onStartElement(void* data, const XML_Char* name, const XML_Char**) {
    auto* p = static_cast<Parse*>(data);
    p->keyStack.push_back(keyKind(name));
    p->elementText.clear();
    p->elementCharacters = 0;
  }

  static void XMLCALL onEndElement(void* data, const XML_Char* name) {
    auto* p = static_cast<Parse*>(data);
    const KeyKind kind = p->keyStack.back();
    if (kind == DataKey) {
      // The line break that follows the start tag only opens the table.
      std::string& text = p->elementText;
      if (!text.empty() && text[0] == '\n') text.erase(0, 1);
      // Only blanks and line breaks hold no table.
      if (!foldedText(text).empty()) p->store(name, text);
    } else if (kind != NotKey) {
      const std::string text = foldedText(p->elementText);
      if (!text.empty()) p->store(name, text);
    }
    p->elementText.clear();
    p->elementCharacters = 0;
    p->keyStack.pop_back();
  }

  static void XMLCALL onCharacterData(void* data, const XML_Char* piece, int length) {
    auto* p = static_cast<Parse*>(data);
    if (p->keyStack.empty() || p->keyStack.back() == NotKey) return;
    const size_t limit =
        p->keyStack.back() == DataKey ? kMaxDataCharacters : kMaxElementCharacters;
    p->elementCharacters += utf8Length(std::string_view(piece, static_cast<size_t>(length)));
    if (p->elementCharacters > limit) {
      p->refuse("an element text is longer than " + std::to_string(limit) + " characters");
      return;
    }
    p->elementText.append(piece, static_cast<size_t>(length));
  }

  // Entities can multiply a small file into a huge text; a description needs none.
  static void XMLCALL onEntityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int,
                                          const XML_Char*, const XML_Char*, const XML_Char*,
                                          const XML_Char*) {
    static_cast<Parse*>(data)->refuse("entity declarations are not accepted");
  }
};

// Whether the parser stopped at or just after an "&" that starts no reference:
// "AT&T", "Q & A", "&x" without its ";". Expat reports the byte where the
// reference failed, which lies after the "&" and the name that follows it.
bool strayAmpersand(XML_Parser parser, const std::string& text) {
  if (XML_GetErrorCode(parser) != XML_ERROR_INVALID_TOKEN) return false;
  const XML_Index at = XML_GetCurrentByteIndex(parser);
  if (at < 0 || static_cast<size_t>(at) > text.size()) return false;
  auto nameCharacter = [](unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '.' || c == ':' || c == '-' || c == '#' ||
           c >= 0x80;
  };
  const size_t end = static_cast<size_t>(at);
  if (end < text.size() && text[end] == '&') return true;
  for (size_t j = end; j-- > 0 && end - j <= 64;) {
    if (text[j] == '&') return true;
    if (!nameCharacter(static_cast<unsigned char>(text[j]))) return false;
  }
  return false;
}

}  // namespace

bool parseDescription(const std::string& text, AnalysisDescription& description,
                      DescriptionProblems& problems) {
  problems = DescriptionProblems();
  Parse p;
  p.description.directory = description.directory;
  p.problems = &problems;
  p.parser = XML_ParserCreate(nullptr);
  if (!p.parser) {
    problems.error = "Out of memory.";
    return false;
  }
  XML_SetUserData(p.parser, &p);
  XML_SetElementHandler(p.parser, Parse::onStartElement, Parse::onEndElement);
  XML_SetCharacterDataHandler(p.parser, Parse::onCharacterData);
  XML_SetEntityDeclHandler(p.parser, Parse::onEntityDeclaration);
  const bool parsed =
      XML_Parse(p.parser, text.data(), static_cast<int>(text.size()), XML_TRUE) ==
      XML_STATUS_OK;
  if (!parsed) {
    std::string why = p.refusal.empty()
                          ? std::string(XML_ErrorString(XML_GetErrorCode(p.parser)))
                          : p.refusal;
    if (p.refusal.empty() && strayAmpersand(p.parser, text)) why += "; " + std::string(kAmpersandHint);
    problems.error = "XML error at line " +
                     std::to_string(XML_GetCurrentLineNumber(p.parser)) + ", column " +
                     std::to_string(XML_GetCurrentColumnNumber(p.parser) + 1) + ": " + why + ".";
    problems.invalid.clear();  // nothing of the document is taken
  }
  XML_ParserFree(p.parser);
  if (!parsed) return false;
  description = p.description;
  return true;
}

bool loadDescription(const std::string& path, AnalysisDescription& description,
                     DescriptionProblems& problems) {
  problems = DescriptionProblems();
  std::string text;
  if (!readRegularFile(path, kMaxDescriptionBytes, text, problems.error)) return false;
  AnalysisDescription read = description;
  read.directory = directoryPart(path);
  if (!parseDescription(text, read, problems)) return false;
  description = read;
  return true;
}

std::string setFilePath(const AnalysisDescription& description, const std::string& file) {
  if (!file.empty() && file[0] == '/') return file;
  return description.directory + file;
}

}  // namespace tally
