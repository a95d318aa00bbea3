#include "core/description/DescriptionReader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/FileAccess.h"

using namespace tally;

namespace {

struct Parsed {
  bool ok;
  AnalysisDescription d;
  DescriptionProblems problems;
};

Parsed parse(const std::string& body) {
  Parsed p;
  p.ok = parseDescription(body, p.d, p.problems);
  return p;
}

// The key elements inside a root element.
Parsed parseKeys(const std::string& keys) { return parse("<analysis>" + keys + "</analysis>"); }

void expectDefaults(const AnalysisDescription& d) {
  EXPECT_EQ(d.set1Name, "Set 1");
  EXPECT_EQ(d.set2Name, "Set 2");
  EXPECT_EQ(d.set1File, "");
  EXPECT_EQ(d.set2File, "");
  EXPECT_EQ(d.type, 0);
  EXPECT_EQ(d.colWidth, 1.0);
  EXPECT_EQ(d.start, 0);
  EXPECT_EQ(d.size, 1.0);
  EXPECT_EQ(d.number, 10);
}

}  // namespace

TEST(Description, EveryKeyIsReadAtAnyDepthAndOtherElementsAndAttributesChangeNothing) {
  Parsed p = parse(
      "<?xml version=\"1.0\"?>\n<analysis version=\"2\">\n"
      "  <set1Name lang=\"en\">Class 7A</set1Name><set1File>a.csv</set1File>\n"
      "  <group><set2Name>Class 7B</set2Name><set2File>b.csv</set2File></group>\n"
      "  <type>3.9</type><colWidth>2.5</colWidth><start>-4.5</start><size>0.25</size>\n"
      "  <number>7.5</number><teacher>Ms Smith</teacher><Type>4</Type>\n"
      "</analysis>");
  ASSERT_TRUE(p.ok) << p.problems.error;
  EXPECT_EQ(p.d.set1Name, "Class 7A");
  EXPECT_EQ(p.d.set1File, "a.csv");
  EXPECT_EQ(p.d.set2Name, "Class 7B");
  EXPECT_EQ(p.d.set2File, "b.csv");
  EXPECT_EQ(p.d.type, 3);     // the integer part of 3.9; <Type> is no key
  EXPECT_EQ(p.d.colWidth, 2.5);  // the window applies its integer part
  EXPECT_EQ(p.d.start, -4.5);
  EXPECT_EQ(p.d.size, 0.25);
  EXPECT_EQ(p.d.number, 7);
  EXPECT_TRUE(p.problems.invalid.empty());
}

TEST(Description, OnlySetNamesLeaveEverythingElseAtItsDefault) {
  Parsed p = parseKeys("<set1Name>Boys</set1Name><set2Name>Girls</set2Name>");
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.d.set1Name, "Boys");
  EXPECT_EQ(p.d.set2Name, "Girls");
  p.d.set1Name = "Set 1";
  p.d.set2Name = "Set 2";
  expectDefaults(p.d);
}

TEST(Description, TextsJoinTheirLinesAndKeepWhatReferencesDeliver) {
  struct Case {
    const char* xml;
    const char* name;
  } cases[] = {
      {"<set1Name>\n   Class\n   7A\n</set1Name>", "Class 7A"},
      {"<set1Name>\r\n  Year 7\r\n\r\n  maths  \r\n</set1Name>", "Year 7 maths"},
      {"<set1Name>AT&amp;T</set1Name>", "AT&T"},
      {"<set1Name>data&#45;1</set1Name>", "data-1"},
      {"<set1Name>&lt;b&gt; &#x4A;o</set1Name>", "<b> Jo"},
      {"<set1Name><![CDATA[x < y]]></set1Name>", "x < y"},
      // A child element ends the text before it; the text after it counts.
      {"<set1Name>lost<b>child</b>kept</set1Name>", "kept"},
      // An empty text changes nothing.
      {"<set1Name>  \n </set1Name>", "Set 1"},
      // The last of a repeated key counts.
      {"<set1Name>first</set1Name><set1Name>last</set1Name>", "last"},
  };
  for (const Case& c : cases) {
    Parsed p = parseKeys(c.xml);
    ASSERT_TRUE(p.ok) << c.xml << ": " << p.problems.error;
    EXPECT_EQ(p.d.set1Name, c.name) << c.xml;
  }
}

TEST(Description, EachInvalidValueKeepsItsDefaultAndIsListed) {
  struct Case {
    const char* key;
    const char* text;
  } cases[] = {
      {"type", "5"},      {"type", "-1"},      {"type", "two"},     {"type", "1e999"},
      {"colWidth", "0"},  {"colWidth", "0.5"}, {"colWidth", "-3"},  {"colWidth", "inf"},
      {"start", "nan"},   {"start", "x1"},     {"start", "-1e400"}, {"size", "0"},
      {"size", "-2"},     {"size", "none"},    {"number", "0"},     {"number", "0.9"},
      {"number", "101"},  {"number", "1e10"},  {"number", "-5"},
      {"histogramNumber", "0"}, {"histogramSize", "0"}, {"histogramStart", "x"},
      {"fitHistogram", "2"}, {"sampleStdDev", "-1"}, {"sampleStdDev", "yes"},
      {"set1Percentile", "101"}, {"set2Percentile", "-1"}, {"decimals", "7"},
      {"decimals", "Auto"}, {"boxAxisUnit", "0"}, {"ogiveAxisMin", "low"},
      {"columnAxisMax", "inf"},
  };
  for (const Case& c : cases) {
    const std::string key = c.key;
    Parsed p = parseKeys("<set1Name>kept</set1Name><" + key + ">" + c.text + "</" + key + ">");
    ASSERT_TRUE(p.ok) << key << " " << c.text;
    EXPECT_EQ(p.d.set1Name, "kept");
    p.d.set1Name = "Set 1";
    expectDefaults(p.d);
    ASSERT_EQ(p.problems.invalid.size(), 1u) << key << " " << c.text;
    EXPECT_EQ(p.problems.invalid[0].rfind(key + " \"" + c.text + "\" (must be", 0), 0u)
        << p.problems.invalid[0];
    EXPECT_EQ(p.d.given, std::set<std::string>{"set1Name"}) << key << ": not given";
  }
  // The bounds themselves are valid; a text counts by its leading number.
  Parsed edges = parseKeys(
      "<type>4.99</type><colWidth>1</colWidth><size>1e-9</size><number>100.5</number>"
      "<start>12abc</start>");
  EXPECT_TRUE(edges.problems.invalid.empty());
  EXPECT_EQ(edges.d.type, 4);
  EXPECT_EQ(edges.d.number, 100);
  EXPECT_EQ(edges.d.start, 12);
}

TEST(Description, NumbersTakeADecimalPointWhateverTheLocale) {
  const std::string old = std::setlocale(LC_ALL, nullptr);
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  Parsed p = parseKeys("<size>2.5</size><start>1,5</start>");
  std::setlocale(LC_ALL, old.c_str());
  if (!german) GTEST_SKIP() << "no German locale on this machine";
  EXPECT_EQ(p.d.size, 2.5);
  EXPECT_EQ(p.d.start, 1);  // the comma ends the number
}

TEST(Description, AMalformedOrRefusedDocumentIsNotTakenAtAll) {
  struct Case {
    const char* what;
    std::string xml;
    const char* error;
  } cases[] = {
      {"unclosed", "<analysis>\n<type>2</type>\n<set1Name>A", "XML error at line 3, column 12: "
                                                              "no element found."},
      {"mismatched", "<a><type>2</type></b>", "XML error at line 1, column 20: mismatched tag."},
      {"empty", "", "XML error at line 1, column 1: no element found."},
      {"entity", "<!DOCTYPE a [<!ENTITY x \"AAAA\">]><a><type>2</type><set1Name>&x;</set1Name></a>",
       "entity declarations are not accepted."},
      {"nested entities",
       "<!DOCTYPE a [<!ENTITY l0 \"ha\"><!ENTITY l1 \"&l0;&l0;&l0;&l0;&l0;\">]>"
       "<a><set1Name>&l1;</set1Name></a>",
       "entity declarations are not accepted."},
      {"undeclared reference", "<a><set1Name>&x;</set1Name></a>", "undefined entity."},
      {"too long", "<a><type>2</type><set1Name>" + std::string(4097, 'n') + "</set1Name></a>",
       "an element text is longer than 4096 characters."},
      {"too long a table",
       "<a><set1Data>" + std::string(kMaxDataCharacters + 1, '1') + "</set1Data></a>",
       "an element text is longer than 4194304 characters."},
  };
  for (const Case& c : cases) {
    AnalysisDescription d;
    d.directory = "/kept/";
    DescriptionProblems problems;
    EXPECT_FALSE(parseDescription(c.xml, d, problems)) << c.what;
    const std::string error = c.error;
    EXPECT_EQ(problems.error.substr(problems.error.size() - std::min(error.size(),
                                                                      problems.error.size())),
              error)
        << c.what;
    EXPECT_EQ(problems.error.rfind("XML error at line ", 0), 0u) << problems.error;
    EXPECT_EQ(d.directory, "/kept/");
    expectDefaults(d);
  }
  // 4096 characters (not bytes) are still taken, and a long text outside the keys is no matter.
  std::string umlauts;
  for (int i = 0; i < 4096; ++i) umlauts += "\xC3\xBC";
  Parsed longest = parseKeys("<set1Name>" + umlauts + "</set1Name><notes>" +
                             std::string(10000, 'x') + "</notes>");
  ASSERT_TRUE(longest.ok) << longest.problems.error;
  EXPECT_EQ(longest.d.set1Name, umlauts);
  // A table may be longer than a name.
  const std::string rows = std::string(2000, '7') + "\n" + std::string(3000, '8') + "\n";
  Parsed table = parseKeys("<set1Data>" + rows + "</set1Data>");
  ASSERT_TRUE(table.ok) << table.problems.error;
  EXPECT_EQ(table.d.set1Data, rows);
}

TEST(Description, ADeclaredEncodingIsDeliveredAsUtf8) {
  Parsed p = parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a><set1Name>Gr\xFCn</set1Name></a>");
  ASSERT_TRUE(p.ok) << p.problems.error;
  EXPECT_EQ(p.d.set1Name, "Gr\xC3\xBCn");
}

TEST(DescriptionFile, SetFilesAreReadBesideTheDescriptionUnlessAbsolute) {
  const std::filesystem::path dir =
      testing::TempDir() + "description_" + std::to_string(getpid());
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "class.xml").string();
  std::ofstream(path) << "<a><set1File>data.csv</set1File><set2File>/abs/b.csv</set2File></a>";
  AnalysisDescription d;
  DescriptionProblems problems;
  ASSERT_TRUE(loadDescription(path, d, problems)) << problems.error;
  EXPECT_EQ(d.directory, dir.string() + "/");
  EXPECT_EQ(setFilePath(d, d.set1File), dir.string() + "/data.csv");
  EXPECT_EQ(setFilePath(d, d.set2File), "/abs/b.csv");

  // In the current directory the directory part is empty.
  EXPECT_EQ(directoryPart("class.xml"), "");

  // Room for two inline tables, and no more.
  std::ofstream((dir / "huge.xml").string()) << "<a>" << std::string(kMaxDescriptionBytes, ' ') << "</a>";
  EXPECT_FALSE(loadDescription((dir / "huge.xml").string(), d, problems));
  EXPECT_EQ(problems.error, "It is larger than 16 MiB.");
  EXPECT_FALSE(loadDescription((dir / "none.xml").string(), d, problems));
  EXPECT_EQ(problems.error, "No such file or directory.");
  EXPECT_EQ(d.set1File, "data.csv");  // the failed loads changed nothing
  std::filesystem::remove_all(dir);
}

// Which elements were given, also at their defaults; the window's elements read.
TEST(Description, GivenElementsAreListedAndTheWindowsElementsRead) {
  Parsed p = parseKeys(
      "<colWidth>1</colWidth><start>0</start><histogramSize>2.5</histogramSize>"
      "<histogramNumber>12</histogramNumber><fitHistogram>1</fitHistogram>"
      "<set1Percentile>25.9</set1Percentile><set2Percentile>100</set2Percentile>"
      "<sampleStdDev>1</sampleStdDev><decimals>auto</decimals><ogiveAxisMin>1995</ogiveAxisMin>"
      "<columnAxisUnit>0.5</columnAxisUnit><set2Data>\n 1\t2 \n</set2Data>");
  ASSERT_TRUE(p.ok) << p.problems.error;
  EXPECT_EQ(p.d.given,
            (std::set<std::string>{"colWidth", "start", "histogramSize", "histogramNumber",
                                   "fitHistogram", "set1Percentile", "set2Percentile",
                                   "sampleStdDev", "decimals", "ogiveAxisMin", "columnAxisUnit",
                                   "set2Data"}));
  EXPECT_EQ(p.d.histogramSize, 2.5);
  EXPECT_EQ(p.d.histogramNumber, 12);
  EXPECT_TRUE(p.d.fitHistogram);
  EXPECT_EQ(p.d.set1Percentile, 25);
  EXPECT_EQ(p.d.set2Percentile, 100);
  EXPECT_TRUE(p.d.sampleStdDev);
  EXPECT_EQ(p.d.decimals, -1);
  EXPECT_EQ(p.d.axisMin[kOgiveAxis], 1995);
  EXPECT_EQ(p.d.axisUnit[kColumnAxis], 0.5);
  EXPECT_EQ(p.d.set2Data, " 1\t2 \n");  // exactly, but for the line break after the tag
  EXPECT_EQ(parseKeys("<decimals>3</decimals>").d.decimals, 3);
  EXPECT_TRUE(parseKeys("").d.given.empty());
}

// A stray "&" is the usual slip in a hand-written name: the message says what to write.
TEST(Description, AnXmlErrorAtAStrayAmpersandAddsTheHint) {
  struct Case {
    const char* xml;
    bool hint;
  } cases[] = {
      {"<a><set1Name>AT&T</set1Name></a>", true},
      {"<a><set1Name>Q & A</set1Name></a>", true},
      {"<a><set1Name>a&</set1Name></a>", true},
      {"<a><set1Name>&x</set1Name></a>", true},
      {"<a>\n<set1Data>\n1&2\n</set1Data></a>", true},
      {"<a><set1Name>&x;</set1Name></a>", false},  // a reference, undeclared
      {"<a><b></a>", false},
      {"<a><set1Name>x < y</set1Name></a>", false},
  };
  for (const Case& c : cases) {
    Parsed p = parse(c.xml);
    EXPECT_FALSE(p.ok) << c.xml;
    const std::string hint = "; write & as &amp;.";
    const bool has = p.problems.error.size() > hint.size() &&
                     p.problems.error.compare(p.problems.error.size() - hint.size(),
                                              hint.size(), hint) == 0;
    EXPECT_EQ(has, c.hint) << c.xml << ": " << p.problems.error;
  }
}
