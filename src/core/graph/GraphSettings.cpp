#include "core/graph/GraphSettings.h"

#include <expat.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "core/FileAccess.h"
#include "core/NumberText.h"
#include "core/grid/DataFile.h"

namespace tally {

namespace {

// What a setting element collected by the time it closes.
struct Collected {
  std::string text;
  std::vector<std::string> labels;
  WorldPoint point;
};

// A key whose text holds no finite number is skipped: there is no value to apply.
bool number(const Collected& c, double& v) { return leadingNumber(c.text, v); }

bool integer(const Collected& c, int& n) {
  double v = 0;
  if (!number(c, v)) return false;
  v = std::trunc(v);
  if (v < INT_MIN || v > INT_MAX) return false;
  n = static_cast<int>(v);
  return true;
}

bool flag(const Collected& c, bool& on) {
  double v = 0;
  if (!number(c, v)) return false;
  on = v != 0;
  return true;
}

using Apply = void (*)(GraphLayout&, const Collected&);

struct Key {
  const char* name;
  Apply apply;
};

AxisScale& scale(GraphLayout& g, Axis axis) { return axis == XAxis ? g.xScale : g.yScale; }

// Setters that validate (tick units, counts, positions) refuse bad values themselves.
template <bool (AxisScale::*set)(int), Axis axis>
void scaleInteger(GraphLayout& g, const Collected& c) {
  int n = 0;
  if (integer(c, n)) (scale(g, axis).*set)(n);
}

template <bool (AxisScale::*set)(double), Axis axis>
void scaleNumber(GraphLayout& g, const Collected& c) {
  double v = 0;
  if (number(c, v)) (scale(g, axis).*set)(v);
}

template <bool (GraphLayout::*set)(int)>
void layoutInteger(GraphLayout& g, const Collected& c) {
  int n = 0;
  if (integer(c, n)) (g.*set)(n);
}

const Key keys[] = {
    {"xmin", [](GraphLayout& g, const Collected& c) { number(c, g.xMin); }},
    {"xmax", [](GraphLayout& g, const Collected& c) { number(c, g.xMax); }},
    {"ymin", [](GraphLayout& g, const Collected& c) { number(c, g.yMin); }},
    {"ymax", [](GraphLayout& g, const Collected& c) { number(c, g.yMax); }},
    {"xTrigScale", [](GraphLayout& g, const Collected& c) { flag(c, g.xTrigScale); }},
    {"yTrigScale", [](GraphLayout& g, const Collected& c) { flag(c, g.yTrigScale); }},
    {"xAutoScale", [](GraphLayout& g, const Collected& c) { flag(c, g.xScale.autoScale); }},
    {"yAutoScale", [](GraphLayout& g, const Collected& c) { flag(c, g.yScale.autoScale); }},
    {"xMinorAutoScale", [](GraphLayout& g, const Collected& c) { flag(c, g.xScale.minorAutoScale); }},
    {"yMinorAutoScale", [](GraphLayout& g, const Collected& c) { flag(c, g.yScale.minorAutoScale); }},
    {"xMaxTicks", scaleInteger<&AxisScale::setMaxTicks, XAxis>},
    {"yMaxTicks", scaleInteger<&AxisScale::setMaxTicks, YAxis>},
    {"xMaxMinorTicks", scaleInteger<&AxisScale::setMaxMinorTicks, XAxis>},
    {"yMaxMinorTicks", scaleInteger<&AxisScale::setMaxMinorTicks, YAxis>},
    {"xTickUnit", scaleNumber<&AxisScale::setTickUnit, XAxis>},
    {"yTickUnit", scaleNumber<&AxisScale::setTickUnit, YAxis>},
    {"xMinorTickUnit", scaleNumber<&AxisScale::setMinorTickUnit, XAxis>},
    {"yMinorTickUnit", scaleNumber<&AxisScale::setMinorTickUnit, YAxis>},
    {"xShowTicks", [](GraphLayout& g, const Collected& c) { flag(c, g.xScale.showTicks); }},
    {"yShowTicks", [](GraphLayout& g, const Collected& c) { flag(c, g.yScale.showTicks); }},
    {"xShowMinorTicks", [](GraphLayout& g, const Collected& c) { flag(c, g.xScale.showMinorTicks); }},
    {"yShowMinorTicks", [](GraphLayout& g, const Collected& c) { flag(c, g.yScale.showMinorTicks); }},
    {"xShowTickLabels", [](GraphLayout& g, const Collected& c) { flag(c, g.xScale.showTickLabels); }},
    {"yShowTickLabels", [](GraphLayout& g, const Collected& c) { flag(c, g.yScale.showTickLabels); }},
    {"customXTickLabels", [](GraphLayout& g, const Collected& c) { g.setCustomXTickLabels(c.labels); }},
    {"customYTickLabels", [](GraphLayout& g, const Collected& c) { g.setCustomYTickLabels(c.labels); }},
    {"xAxisLabel", [](GraphLayout& g, const Collected& c) { g.xScale.axisLabel = c.text; }},
    {"yAxisLabel", [](GraphLayout& g, const Collected& c) { g.yScale.axisLabel = c.text; }},
    {"axisIntersection", [](GraphLayout& g, const Collected& c) { g.axisIntersection = c.point; }},
    {"gridStyle",
     [](GraphLayout& g, const Collected& c) {
       int n = 0;
       if (integer(c, n) && n >= 0 && n <= 4) g.gridStyle = n;
     }},
    {"axesStyle",
     [](GraphLayout& g, const Collected& c) {
       int n = 0;
       if (integer(c, n)) g.setAxesStyle(n);
     }},
    {"equalScaling", [](GraphLayout& g, const Collected& c) { flag(c, g.equalScaling); }},
    {"originAlwaysViewable", [](GraphLayout& g, const Collected& c) { flag(c, g.originAlwaysViewable); }},
    {"axesAlwaysViewable", [](GraphLayout& g, const Collected& c) { flag(c, g.axesAlwaysViewable); }},
    {"xTickLabelPosition", layoutInteger<&GraphLayout::setXTickLabelPosition>},
    {"yTickLabelPosition", layoutInteger<&GraphLayout::setYTickLabelPosition>},
    {"xAxisLabelPosition", layoutInteger<&GraphLayout::setXAxisLabelPosition>},
    {"yAxisLabelPosition", layoutInteger<&GraphLayout::setYAxisLabelPosition>},
    {"fontSize",
     [](GraphLayout& g, const Collected& c) {
       int n = 0;
       if (integer(c, n) && n <= maxSettingsFontSize) g.setFontSize(n);
     }},
};
static_assert(std::size(keys) == 39, "one entry per settings key");

const Key* findKey(const char* name) {
  for (const Key& k : keys)
    if (std::strcmp(k.name, name) == 0) return &k;
  return nullptr;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The state of one parse. Every parse starts from zero, so a document that
// ends early cannot shift the levels of the next one.
struct Reader {
  Reader(GraphLayout& graph, XML_Parser parser) : graph(graph), parser(parser) {}

  GraphLayout& graph;
  XML_Parser parser;
  bool refused = false;
  int depth = 0;
  // Depth of setting elements: one below the latest gridProperties, else the root.
  int settingsLevel = 0;
  std::string subElement;
  Collected collected;

  void startElement(const char* name) {
    const int d = depth;
    if (std::strcmp(name, "gridProperties") == 0) settingsLevel = d + 1;
    if (d == settingsLevel) {
      collected = Collected();
    } else if (d == settingsLevel + 1) {
      subElement = name;
    }
    depth = d + 1;
  }

  void endElement(const char* name) {
    const int d = depth;
    if (d == settingsLevel + 1) {
      if (const Key* key = findKey(name)) key->apply(graph, collected);
    } else if (d == settingsLevel + 2) {
      subElement.clear();
    }
    depth = d - 1;
  }

  // Expat may hand one text over in several pieces (at line breaks and
  // references); each piece is trimmed and taken on its own.
  void characters(const char* s, int len) {
    if (depth < settingsLevel + 1) return;
    const char* begin = s;
    const char* end = s + len;
    while (begin < end && isBlank(*begin)) ++begin;
    while (end > begin && isBlank(end[-1])) --end;
    if (begin == end) return;
    const std::string piece(begin, end);
    if (utf8Length(collected.text) + utf8Length(piece) > maxSettingsText) return;
    collected.text += piece;
    if (subElement == "x") {
      leadingNumber(piece, collected.point.x);
    } else if (subElement == "y") {
      leadingNumber(piece, collected.point.y);
    } else if (subElement == "label") {
      // An element without text gives no label; "nbsp" stands for an empty one.
      if (collected.labels.size() < maxSettingsLabels)
        collected.labels.push_back(collected.text == "nbsp" ? std::string() : collected.text);
      collected.text.clear();
    }
  }

  // Entities are refused outright: they are the road to expansion bombs, and
  // no setting needs one.
  void refuse() {
    refused = true;
    XML_StopParser(parser, XML_FALSE);
  }
};

Reader& readerOf(void* data) { return *static_cast<Reader*>(data); }

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char**) {
  Reader& r = readerOf(data);
  if (!r.refused) r.startElement(name);
}

void XMLCALL onEnd(void* data, const XML_Char* name) {
  Reader& r = readerOf(data);
  if (!r.refused) r.endElement(name);
}

void XMLCALL onText(void* data, const XML_Char* s, int len) {
  Reader& r = readerOf(data);
  if (!r.refused) r.characters(s, len);
}

void XMLCALL onEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                      const XML_Char*, const XML_Char*, const XML_Char*) {
  readerOf(data).refuse();
}

struct ParserDeleter {
  void operator()(XML_ParserStruct* p) const { XML_ParserFree(p); }
};

}  // namespace

bool parseSettings(GraphLayout& graph, const std::string& text) {
  if (text.size() > static_cast<std::size_t>(INT_MAX)) return false;
  std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate(nullptr));
  if (!parser) return false;
  Reader reader(graph, parser.get());
  XML_SetUserData(parser.get(), &reader);
  XML_SetElementHandler(parser.get(), onStart, onEnd);
  XML_SetCharacterDataHandler(parser.get(), onText);
  XML_SetEntityDeclHandler(parser.get(), onEntity);
  const XML_Status status =
      XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE);
  return status == XML_STATUS_OK && !reader.refused;
}

bool loadSettings(GraphLayout& graph, const std::string& fileName) {
  std::string text, reason;
  return readRegularFile(fileName, maxSettingsFileBytes, text, reason) &&
         parseSettings(graph, text);
}

}  // namespace tally
