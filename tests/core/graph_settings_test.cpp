#include "core/graph/GraphSettings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

using tally::GraphLayout;

namespace {

using Labels = std::vector<std::string>;

std::string inSettings(const std::string& body) { return "<gridProperties>" + body + "</gridProperties>"; }

std::string setting(const std::string& key, const std::string& text) {
  return "<" + key + ">" + text + "</" + key + ">";
}

// One key with one text, read back from the model as a number.
struct ValueCase {
  const char* key;
  const char* text;
  std::function<double(const GraphLayout&)> read;
  double expected;
};

double xMin(const GraphLayout& g) { return g.xMin; }
double xMaxTicks(const GraphLayout& g) { return g.xScale.getMaxTicks(); }
double gridStyle(const GraphLayout& g) { return g.gridStyle; }
double fontSize(const GraphLayout& g) { return g.fontSize; }
double xAxisLabelPosition(const GraphLayout& g) { return g.xAxisLabelPosition; }

void expectValues(const std::vector<ValueCase>& cases) {
  for (const ValueCase& c : cases) {
    GraphLayout g;
    EXPECT_TRUE(tally::parseSettings(g, inSettings(setting(c.key, c.text))));
    EXPECT_EQ(c.read(g), c.expected) << c.key << " = \"" << c.text << "\"";
  }
}

std::string tempPath(const std::string& name) { return ::testing::TempDir() + name; }

}  // namespace

// Each key reaches its field or setter; validating setters refuse as they do
// when called directly (defaults: range -5..5, unit 1, maxTicks 10, maxMinorTicks
// 50, gridStyle 3, positions 1 / 4 / 10 / 10, fontSize 12).
TEST(GraphSettings, EachKeyAppliesOrIsRefusedByItsSetter) {
  expectValues({
      {"xmin", "2.5", xMin, 2.5},
      {"xmax", "7", [](auto& g) { return g.xMax; }, 7},
      {"ymin", " -3 ", [](auto& g) { return g.yMin; }, -3},
      {"ymax", "1e2", [](auto& g) { return g.yMax; }, 100},
      {"xmin", "12abc", xMin, 12},  // the leading number counts
      {"xTrigScale", "1", [](auto& g) { return g.xTrigScale; }, 1},
      {"yTrigScale", "-0.5", [](auto& g) { return g.yTrigScale; }, 1},  // any non-zero is on
      {"xAutoScale", "0", [](auto& g) { return g.xScale.autoScale; }, 0},
      {"yAutoScale", "0.0", [](auto& g) { return g.yScale.autoScale; }, 0},
      {"xMinorAutoScale", "0", [](auto& g) { return g.xScale.minorAutoScale; }, 0},
      {"yMinorAutoScale", "0", [](auto& g) { return g.yScale.minorAutoScale; }, 0},
      {"xMaxTicks", "7.9", xMaxTicks, 7},  // truncated toward zero
      {"xMaxTicks", "1", xMaxTicks, 10},   // below 2: refused
      {"yMaxTicks", "-7.9", [](auto& g) { return g.yScale.getMaxTicks(); }, 10},
      {"xMaxMinorTicks", "20", [](auto& g) { return g.xScale.getMaxMinorTicks(); }, 20},
      {"yMaxMinorTicks", "1", [](auto& g) { return g.yScale.getMaxMinorTicks(); }, 50},
      {"xTickUnit", "0.25", [](auto& g) { return g.xScale.getTickUnit(); }, 0.25},
      {"xTickUnit", "0.25", [](auto& g) { return g.xScale.autoScale; }, 0},  // a fixed unit
      {"yTickUnit", "0", [](auto& g) { return g.yScale.getTickUnit(); }, 1},
      {"yTickUnit", "0", [](auto& g) { return g.yScale.autoScale; }, 1},
      {"xMinorTickUnit", "0.05", [](auto& g) { return g.xScale.getMinorTickUnit(); }, 0.05},
      {"xMinorTickUnit", "0.05", [](auto& g) { return g.xScale.minorAutoScale; }, 0},
      {"yMinorTickUnit", "-1", [](auto& g) { return g.yScale.getMinorTickUnit(); }, 1},
      {"xShowTicks", "0", [](auto& g) { return g.xScale.showTicks; }, 0},
      {"yShowTicks", "0", [](auto& g) { return g.yScale.showTicks; }, 0},
      {"xShowMinorTicks", "0", [](auto& g) { return g.xScale.showMinorTicks; }, 0},
      {"yShowMinorTicks", "0", [](auto& g) { return g.yScale.showMinorTicks; }, 0},
      {"xShowTickLabels", "0", [](auto& g) { return g.xScale.showTickLabels; }, 0},
      {"yShowTickLabels", "0", [](auto& g) { return g.yScale.showTickLabels; }, 0},
      {"gridStyle", "4", gridStyle, 4},
      {"axesStyle", "1", [](auto& g) { return g.getAxesStyle(); }, 1},
      {"axesStyle", "6", [](auto& g) { return g.getAxesStyle(); }, 2},  // bits 1 and 2 only
      {"equalScaling", "1", [](auto& g) { return g.equalScaling; }, 1},
      {"originAlwaysViewable", "1", [](auto& g) { return g.originAlwaysViewable; }, 1},
      {"axesAlwaysViewable", "0", [](auto& g) { return g.axesAlwaysViewable; }, 0},
      {"xTickLabelPosition", "3", [](auto& g) { return g.xTickLabelPosition; }, 2},  // bit 2 wins
      {"xTickLabelPosition", "4", [](auto& g) { return g.xTickLabelPosition; }, 1},  // neither bit
      {"yTickLabelPosition", "12", [](auto& g) { return g.yTickLabelPosition; }, 4},
      {"yTickLabelPosition", "8", [](auto& g) { return g.yTickLabelPosition; }, 8},
      {"yTickLabelPosition", "2", [](auto& g) { return g.yTickLabelPosition; }, 4},
      {"xAxisLabelPosition", "6", xAxisLabelPosition, 6},   // above left
      {"xAxisLabelPosition", "9", xAxisLabelPosition, 9},   // below right
      {"xAxisLabelPosition", "15", xAxisLabelPosition, 6},  // 2 before 1, 4 before 8
      {"xAxisLabelPosition", "2", xAxisLabelPosition, 10},  // no horizontal part
      {"yAxisLabelPosition", "5", [](auto& g) { return g.yAxisLabelPosition; }, 5},
      {"fontSize", "8.9", fontSize, 8},
      {"fontSize", "0", fontSize, 12},
  });
}

// A number, integer or flag key must hold a finite number that fits its type;
// otherwise the element is skipped and the setting keeps its value.
TEST(GraphSettings, NumbersThatAreNoneOrOutOfRangeAreIgnored) {
  expectValues({
      {"xmin", "abc", xMin, -5},
      {"xmin", "nan", xMin, -5},
      {"xmin", "-inf", xMin, -5},
      {"xmin", "1e999", xMin, -5},  // overflows to infinity
      {"xmin", "", xMin, -5},
      {"xTrigScale", "yes", [](auto& g) { return g.xTrigScale; }, 0},
      {"axesAlwaysViewable", "off", [](auto& g) { return g.axesAlwaysViewable; }, 1},
      {"xMaxTicks", "2147483647", xMaxTicks, 2147483647},
      {"xMaxTicks", "2147483648", xMaxTicks, 10},
      {"gridStyle", "4294967299", gridStyle, 3},  // would wrap to 3 + 2^32; refused as too big
      {"gridStyle", "5", gridStyle, 3},
      {"gridStyle", "-1", gridStyle, 3},
      {"gridStyle", "0", gridStyle, 0},
      {"fontSize", "200", fontSize, 200},
      {"fontSize", "201", fontSize, 12},
      {"fontSize", "-2147483649", fontSize, 12},
  });
}

// Text values: pieces are trimmed and joined; a piece that would take the text
// past 20 characters is dropped (characters, not bytes).
TEST(GraphSettings, TextValuesJoinTrimmedPiecesUpToTwentyCharacters) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"Time\n   (s)", "Time(s)"},
      {"  padded  ", "padded"},
      {"exactly twenty chars", "exactly twenty chars"},
      {"twenty-one characters", ""},          // dropped whole: an empty label is set
      {"Durée moyenne (secs)", "Durée moyenne (secs)"},  // 20 characters, 21 bytes
      {"first line\nsecond line", "first line"},   // 10 + 11 > 20
      {"a &lt; b", "a<b"},                   // the reference is a piece of its own
  };
  for (const auto& c : cases) {
    GraphLayout g;
    EXPECT_TRUE(tally::parseSettings(g, inSettings(setting("xAxisLabel", c.text))));
    EXPECT_EQ(g.xScale.axisLabel, c.expected) << c.text;
  }
  GraphLayout g;
  tally::parseSettings(g, inSettings(setting("yAxisLabel", "\n  \n")));
  EXPECT_EQ(g.yScale.axisLabel, "");
}

TEST(GraphSettings, LabelListsTakeOneEntryPerPiece) {
  const struct {
    const char* body;
    Labels expected;
  } cases[] = {
      {"<label>a</label><label/><label>nbsp</label><label> b </label>", {"a", "", "b"}},
      // A character reference splits the text: one label per piece.
      {"<label>b&amp;c</label>", {"b", "&", "c"}},
      {"<label>twenty-one characters</label><label>ok</label>", {"ok"}},
      {"<label>Time\n(s)</label>", {"Time", "(s)"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    GraphLayout g;
    EXPECT_TRUE(tally::parseSettings(g, inSettings(setting("customXTickLabels", c.body))));
    EXPECT_TRUE(g.customXTickLabelsOn) << c.body;
    EXPECT_EQ(g.customXTickLabels, c.expected) << c.body;
    EXPECT_FALSE(g.customYTickLabelsOn);
  }
}

TEST(GraphSettings, LabelListKeepsAtMostAThousandLabels) {
  std::string body;
  for (int i = 0; i < 1005; ++i) body += setting("label", std::to_string(i));
  GraphLayout g;
  EXPECT_TRUE(tally::parseSettings(g, inSettings(setting("customYTickLabels", body))));
  ASSERT_EQ(g.customYTickLabels.size(), tally::maxSettingsLabels);
  EXPECT_EQ(g.customYTickLabels.back(), "999");
}

TEST(GraphSettings, AxisIntersectionFromItsCoordinates) {
  const struct {
    const char* body;
    double x, y;
  } cases[] = {
      {"<x>2</x><y>-1.5</y>", 2, -1.5},
      {"<y>3</y><x>1</x>", 1, 3},
      {"<x>2</x>", 2, 0},  // a missing y is 0, not the previous 7
      {"<x>abc</x><y>1</y>", 0, 1},
      // x and y share the 20-character budget: 16 + 5 characters, so y is dropped.
      {"<x>1.00000000000000</x><y>2.000</y>", 1, 0},
  };
  for (const auto& c : cases) {
    GraphLayout g;
    g.axisIntersection = {7, 7};
    EXPECT_TRUE(tally::parseSettings(g, inSettings(setting("axisIntersection", c.body))));
    EXPECT_EQ(g.axisIntersection.x, c.x) << c.body;
    EXPECT_EQ(g.axisIntersection.y, c.y) << c.body;
  }
}

TEST(GraphSettings, SettingsLevelFollowsTheLatestGridProperties) {
  const struct {
    const char* doc;
    double xMin;
  } cases[] = {
      {"<xmin>3</xmin>", 3},  // no gridProperties: the root itself is a setting
      {"<settings><gridProperties><xmin>3</xmin></gridProperties></settings>", 3},
      {"<settings><xmin>3</xmin></settings>", -5},  // one level too deep
      {"<gridProperties><xmin unit=\"pi\">3</xmin></gridProperties>", 3},  // attributes ignored
      {"<gridProperties><!-- c --><?pi x?><xmin>3</xmin><xmin>4</xmin></gridProperties>", 4},
      // Whole names: a longer name that starts with a key is no key.
      {"<gridProperties><xminimum>3</xminimum></gridProperties>", -5},
      {"<gridProperties><other><xmin>3</xmin></other></gridProperties>", -5},
  };
  for (const auto& c : cases) {
    GraphLayout g;
    EXPECT_TRUE(tally::parseSettings(g, c.doc));
    EXPECT_EQ(g.xMin, c.xMin) << c.doc;
  }
  GraphLayout g;
  tally::parseSettings(g, inSettings(setting("originAlwaysViewableX", "1")));
  EXPECT_FALSE(g.originAlwaysViewable);
}

TEST(GraphSettings, BrokenDocumentKeepsWhatClosedAndTheNextParseStartsAfresh) {
  GraphLayout g;
  EXPECT_FALSE(tally::parseSettings(g, "<gridProperties><xmin>1</xmin><a><b><xmax>2"));
  EXPECT_EQ(g.xMin, 1);
  EXPECT_EQ(g.xMax, 5);
  EXPECT_FALSE(tally::parseSettings(g, "<gridProperties><ymin>1</ymax></gridProperties>"));
  EXPECT_EQ(g.yMin, -5);
  EXPECT_FALSE(tally::parseSettings(g, ""));

  // Three elements were left open above; this parse must still see its root as
  // the settings level.
  EXPECT_TRUE(tally::parseSettings(g, "<ymax>9</ymax>"));
  EXPECT_EQ(g.yMax, 9);
  EXPECT_TRUE(tally::parseSettings(g, inSettings(setting("xmax", "8"))));
  EXPECT_EQ(g.xMax, 8);
}

TEST(GraphSettings, DocumentsDeclaringEntitiesAreRefusedWithNothingApplied) {
  const char* docs[] = {
      "<!DOCTYPE g [<!ENTITY v \"3\">]><gridProperties><xmin>&v;</xmin><xmax>9</xmax>"
      "</gridProperties>",
      "<!DOCTYPE g [<!ENTITY % p \"x\">]><gridProperties><xmax>9</xmax></gridProperties>",
      // The classic expansion bomb.
      "<!DOCTYPE g [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
      "<gridProperties><xAxisLabel>&d;&d;&d;&d;</xAxisLabel><xmax>9</xmax></gridProperties>",
  };
  for (const char* doc : docs) {
    GraphLayout g;
    EXPECT_FALSE(tally::parseSettings(g, doc)) << doc;
    EXPECT_EQ(g.xMin, -5);
    EXPECT_EQ(g.xMax, 5);
    EXPECT_EQ(g.xScale.axisLabel, "x");
  }
  // A document type without entities is fine.
  GraphLayout g;
  EXPECT_TRUE(tally::parseSettings(g, "<!DOCTYPE gridProperties><gridProperties><xmax>9</xmax></gridProperties>"));
  EXPECT_EQ(g.xMax, 9);
}

TEST(GraphSettings, DocumentEncodingIsHonoured) {
  GraphLayout g;
  EXPECT_TRUE(tally::parseSettings(
      g, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><yAxisLabel>Gr\xF6\xDF" "e</yAxisLabel>"));
  EXPECT_EQ(g.yScale.axisLabel, "Gr\xC3\xB6\xC3\x9F" "e");
}

// The demonstration document of the graph tests uses all 39 keys; the model
// starts away from each of its values, so every key must have been applied.
TEST(GraphSettings, DemoDocumentAppliesEveryKey) {
  GraphLayout g;
  g.yTrigScale = true;
  g.xScale.showTicks = g.yScale.showTicks = false;
  g.yScale.showMinorTicks = false;
  g.xScale.showTickLabels = g.yScale.showTickLabels = false;
  g.equalScaling = true;
  g.axesAlwaysViewable = false;
  g.setAxesStyle(0);
  g.xTickLabelPosition = 2;
  ASSERT_TRUE(tally::loadSettings(g, TALLYSCOPE_TEST_DATA "/graph_settings_demo.xml"));

  EXPECT_EQ(g.xMin, -1.5);
  EXPECT_EQ(g.xMax, 2.5);
  EXPECT_EQ(g.yMin, -2);
  EXPECT_EQ(g.yMax, 11);
  EXPECT_TRUE(g.xTrigScale);
  EXPECT_FALSE(g.yTrigScale);
  // The autoscale flags were set, then switched off again by the fixed units.
  EXPECT_FALSE(g.xScale.autoScale);
  EXPECT_FALSE(g.yScale.autoScale);
  EXPECT_FALSE(g.xScale.minorAutoScale);
  EXPECT_FALSE(g.yScale.minorAutoScale);
  EXPECT_EQ(g.xScale.getMaxTicks(), 8);
  EXPECT_EQ(g.yScale.getMaxTicks(), 6);
  EXPECT_EQ(g.xScale.getMaxMinorTicks(), 40);
  EXPECT_EQ(g.yScale.getMaxMinorTicks(), 30);
  EXPECT_EQ(g.xScale.getTickUnit(), 0.5);
  EXPECT_EQ(g.yScale.getTickUnit(), 4);
  EXPECT_EQ(g.xScale.getMinorTickUnit(), 0.25);
  EXPECT_EQ(g.yScale.getMinorTickUnit(), 1);
  EXPECT_TRUE(g.xScale.showTicks);
  EXPECT_TRUE(g.yScale.showTicks);
  EXPECT_FALSE(g.xScale.showMinorTicks);
  EXPECT_TRUE(g.yScale.showMinorTicks);
  EXPECT_TRUE(g.xScale.showTickLabels);
  EXPECT_TRUE(g.yScale.showTickLabels);
  EXPECT_EQ(g.customXTickLabels, (Labels{"", "π/2", "π", "3π/2", "2π", "-π/2", "-π"}));
  EXPECT_EQ(g.customYTickLabels, (Labels{"", "few", "many"}));
  EXPECT_EQ(g.xScale.axisLabel, "phase");
  EXPECT_EQ(g.yScale.axisLabel, "count");
  EXPECT_EQ(g.axisIntersection.x, -1);
  EXPECT_EQ(g.axisIntersection.y, 0);
  EXPECT_EQ(g.gridStyle, 1);
  EXPECT_EQ(g.getAxesStyle(), 3);
  EXPECT_FALSE(g.equalScaling);
  EXPECT_TRUE(g.originAlwaysViewable);
  EXPECT_TRUE(g.axesAlwaysViewable);
  EXPECT_EQ(g.xTickLabelPosition, 1);
  EXPECT_EQ(g.yTickLabelPosition, 8);
  EXPECT_EQ(g.xAxisLabelPosition, 9);
  EXPECT_EQ(g.yAxisLabelPosition, 6);
  EXPECT_EQ(g.fontSize, 11);
}

TEST(GraphSettings, LoadRefusesWhatIsNoSmallRegularFile) {
  GraphLayout g;
  EXPECT_FALSE(tally::loadSettings(g, tempPath("no-such-settings.xml")));
  EXPECT_FALSE(tally::loadSettings(g, ::testing::TempDir()));

  // A valid document padded past the limit is not read at all.
  const std::string big = tempPath("big-settings.xml");
  {
    std::ofstream out(big, std::ios::binary);
    out << inSettings(setting("xmin", "3")) << std::string(tally::maxSettingsFileBytes, ' ');
  }
  EXPECT_FALSE(tally::loadSettings(g, big));
  EXPECT_EQ(g.xMin, -5);

  const std::string small = tempPath("small-settings.xml");
  {
    std::ofstream out(small, std::ios::binary);
    out << inSettings(setting("xmin", "3"));
  }
  EXPECT_TRUE(tally::loadSettings(g, small));
  EXPECT_EQ(g.xMin, 3);
}
