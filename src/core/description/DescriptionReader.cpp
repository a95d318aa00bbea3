#include "core/description/DescriptionReader.h"

#include <expat.h>

#include <charconv>
#include <cmath>
#include <cstring>

#include "core/FileAccess.h"
#include "core/grid/DataFile.h"

namespace tally {
namespace {

const char* const kKeys[] = {"set1Name", "set1File", "set2Name", "set2File", "type",
                             "colWidth", "start",    "size",     "number"};

bool isKey(const char* name) {
  for (const char* key : kKeys)
    if (std::strcmp(name, key) == 0) return true;
  return false;
}

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

// Lines trimmed of blanks, the non-empty ones joined by one space: a name written
// over two lines becomes two words.
std::string joinLines(const std::string& text) {
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

struct Parse {
  XML_Parser parser = nullptr;
  AnalysisDescription description;
  DescriptionProblems* problems = nullptr;
  // For each open element, whether it is a key; text is collected only for a key.
  std::vector<bool> keyStack;
  std::string elementText;
  size_t elementCharacters = 0;
  std::string refusal;

  void refuse(const std::string& why) {
    if (refusal.empty()) refusal = why;
    XML_StopParser(parser, XML_FALSE);
  }

  void store(const std::string& key, const std::string& text) {
    AnalysisDescription& d = description;
    if (key == "set1Name") d.set1Name = text;
    else if (key == "set1File") d.set1File = text;
    else if (key == "set2Name") d.set2Name = text;
    else if (key == "set2File") d.set2File = text;
    else storeNumber(key, text);
  }

  void storeNumber(const std::string& key, const std::string& text) {
    AnalysisDescription& d = description;
    double v = 0;
    const bool number = leadingDecimal(text, v);
    const char* rule = nullptr;
    // Whole-number keys take the integer part; the ranges are checked on the double
    // so that no out-of-range value is ever converted.
    if (key == "type") {
      if (number && v > -1 && v < 5) d.type = static_cast<int>(v);
      else rule = "must be a whole number from 0 to 4";
    } else if (key == "colWidth") {
      if (number && v >= 1) d.colWidth = v;
      else rule = "must be a number of at least 1";
    } else if (key == "start") {
      if (number) d.start = v;
      else rule = "must be a number";
    } else if (key == "size") {
      if (number && v > 0) d.size = v;
      else rule = "must be a number greater than 0";
    } else if (key == "number") {
      if (number && v >= 1 && v < 101) d.number = static_cast<int>(v);
      else rule = "must be a whole number from 1 to 100";
    }
    if (rule) problems->invalid.push_back(key + " \"" + text + "\" (" + rule + ")");
  }

  static void XMLCALL onStartElement(void* data, const XML_Char* name, const XML_Char**) {
    auto* p = static_cast<Parse*>(data);
    p->keyStack.push_back(isKey(name));
    p->elementText.clear();
    p->elementCharacters = 0;
  }

  static void XMLCALL onEndElement(void* data, const XML_Char* name) {
    auto* p = static_cast<Parse*>(data);
    if (p->keyStack.back()) {
      const std::string text = joinLines(p->elementText);
      if (!text.empty()) p->store(name, text);
    }
    p->elementText.clear();
    p->elementCharacters = 0;
    p->keyStack.pop_back();
  }

  static void XMLCALL onCharacterData(void* data, const XML_Char* piece, int length) {
    auto* p = static_cast<Parse*>(data);
    if (p->keyStack.empty() || !p->keyStack.back()) return;
    p->elementCharacters += utf8Length(std::string_view(piece, static_cast<size_t>(length)));
    if (p->elementCharacters > kMaxElementCharacters) {
      p->refuse("an element text is longer than " + std::to_string(kMaxElementCharacters) +
                " characters");
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
    const std::string why = p.refusal.empty()
                                ? std::string(XML_ErrorString(XML_GetErrorCode(p.parser)))
                                : p.refusal;
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
