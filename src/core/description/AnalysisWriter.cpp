#include "core/description/AnalysisWriter.h"

#include <charconv>

#include "core/FileAccess.h"
#include "core/description/DescriptionReader.h"

namespace tally {
namespace {

const char* const kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the UTF-8 sequence at s[i] and its code point; 0 when the bytes
// there are no valid (shortest-form, non-surrogate) sequence.
size_t utf8Sequence(const std::string& s, size_t i, unsigned long& code) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  size_t length;
  unsigned long min;
  if (b < 0x80) {
    code = b;
    return 1;
  } else if ((b & 0xE0) == 0xC0) {
    length = 2, code = b & 0x1F, min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    length = 3, code = b & 0x0F, min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    length = 4, code = b & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

std::string numberText(double v) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, r.ptr);
}

}  // namespace

std::string xmlCharacterData(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    unsigned long code = 0;
    const size_t length = utf8Sequence(text, i, code);
    if (length == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    if (code == '&') out += "&amp;";
    else if (code == '<') out += "&lt;";
    else if (code == '>') out += "&gt;";
    else if (code == '\r') out += "&#13;";
    else if ((code < 0x20 && code != '\t' && code != '\n') || code == 0xFFFE || code == 0xFFFF)
      out += kReplacement;
    else out.append(text, i, length);
    i += length;
  }
  return out;
}

std::string analysisFileText(const AnalysisDescription& d) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<analysis>\n";
  auto element = [&](const std::string& name, const std::string& text) {
    out += "  <" + name + ">" + text + "</" + name + ">\n";
  };
  auto text = [&](const char* name, const std::string& value) {
    if (!d.has(name)) return;
    const std::string folded = foldedText(value);
    if (!folded.empty()) element(name, xmlCharacterData(folded));
  };
  auto number = [&](const std::string& name, double value) {
    if (d.has(name)) element(name, numberText(value));
  };
  auto whole = [&](const std::string& name, int value) {
    if (d.has(name)) element(name, std::to_string(value));
  };
  text("set1Name", d.set1Name);
  text("set1File", d.set1File);
  text("set2Name", d.set2Name);
  text("set2File", d.set2File);
  whole("type", d.type);
  number("colWidth", d.colWidth);
  number("start", d.start);
  number("size", d.size);
  whole("number", d.number);
  number("histogramStart", d.histogramStart);
  number("histogramSize", d.histogramSize);
  whole("histogramNumber", d.histogramNumber);
  whole("fitHistogram", d.fitHistogram ? 1 : 0);
  whole("set1Percentile", d.set1Percentile);
  whole("set2Percentile", d.set2Percentile);
  whole("sampleStdDev", d.sampleStdDev ? 1 : 0);
  if (d.has("decimals")) element("decimals", d.decimals < 0 ? "auto" : std::to_string(d.decimals));
  const char* const axes[3] = {"columnAxis", "boxAxis", "ogiveAxis"};
  for (int a = 0; a < 3; ++a) {
    number(axes[a] + std::string("Min"), d.axisMin[a]);
    number(axes[a] + std::string("Max"), d.axisMax[a]);
    number(axes[a] + std::string("Unit"), d.axisUnit[a]);
  }
  auto data = [&](const char* name, const std::string& table) {
    if (!d.has(name) || foldedText(table).empty()) return;
    element(name, "\n" + xmlCharacterData(table));
  };
  data("set1Data", d.set1Data);
  data("set2Data", d.set2Data);
  out += "</analysis>\n";
  return out;
}

bool saveAnalysisFile(const std::string& path, const AnalysisDescription& description,
                      std::string& reason) {
  return replaceFile(path, analysisFileText(description), reason);
}

}  // namespace tally
