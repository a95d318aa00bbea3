#include "core/NumberText.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdio>

using tally::formatInt;
using tally::formatNumber;
using tally::leadingNumber;
using tally::parseNumber;

TEST(NumberText, FormatsWithTheProgramsFormats) {
  EXPECT_EQ(formatNumber("%g", 2.5), "2.5");
  EXPECT_EQ(formatNumber("%g", 100000000), "1e+08");
  EXPECT_EQ(formatNumber("%.4g", 16.0), "16");
  EXPECT_EQ(formatNumber("%.4g", 2.0 / 3.0), "0.6667");
  EXPECT_EQ(formatNumber("%.5g", -0.0005), "-0.0005");
  EXPECT_EQ(formatNumber("%g%%", 12.5), "12.5%");
  EXPECT_EQ(formatInt("%d%%", 50), "50%");
}

TEST(NumberText, WholeTextMustBeAFiniteNumber) {
  double v = -7;
  EXPECT_TRUE(parseNumber("3.25", v));
  EXPECT_EQ(v, 3.25);
  EXPECT_TRUE(parseNumber("-1e3", v));
  EXPECT_EQ(v, -1000);
  EXPECT_TRUE(parseNumber(" 4", v));  // leading blanks, as strtod allows
  EXPECT_EQ(v, 4);
  v = -7;
  for (const char* bad : {"", "abc", "1,5", "2x", "nan", "inf", "-inf", "1e999"}) {
    EXPECT_FALSE(parseNumber(bad, v)) << bad;
  }
  EXPECT_EQ(v, -7) << "a refused text leaves the value alone";
}

TEST(NumberText, LeadingNumberStopsAtTheFirstNonNumber) {
  EXPECT_EQ(leadingNumber("12abc"), 12);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber("-2.5 "), -2.5);
}

TEST(NumberText, IgnoresTheUsersDecimalComma) {
  // A German locale writes 2,5; the program always reads and writes 2.5.
  const char* previous = setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  if (!setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale here";
  char plain[16];
  std::snprintf(plain, sizeof plain, "%g", 2.5);
  ASSERT_STREQ(plain, "2,5") << "the locale in force writes a decimal comma";
  double v = 0;
  EXPECT_TRUE(parseNumber("2.5", v));
  EXPECT_EQ(v, 2.5);
  EXPECT_EQ(formatNumber("%g", 2.5), "2.5");
  setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, BlanksAroundANumberAreIgnored) {
  const std::string nbsp = "\xC2\xA0";
  for (const std::string& text :
       {std::string("12 "), std::string(" 12"), std::string("\t12\t"), nbsp + "12" + nbsp,
        " \t" + nbsp + "12 " + nbsp + "\t"}) {
    double v = 0;
    EXPECT_TRUE(parseNumber(text, v)) << "[" << text << "]";
    EXPECT_EQ(v, 12);
  }
  double v = 0;
  for (const char* bad : {"1 2", "\n12", "12\n", " ", "- 1"}) EXPECT_FALSE(parseNumber(bad, v)) << bad;
}

TEST(NumberText, ReasonsWhyACellIsNotANumber) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"5,5", "Not a number: use a decimal point"},
      {" -0,25 ", "Not a number: use a decimal point"},
      {"1,2,3", "Not a number"},
      {"12a", "Not a number"},
      {"nan", "Not a number"},
      {"1e999", "Not a number: too large"},
      {"-1e400", "Not a number: too large"},
      {"12", ""},
      {" 12 ", ""},
      {"", ""},
      {"  ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(tally::notNumberReason(c.text), c.reason) << c.text;
}

TEST(NumberText, ExactTextReadsBackAsTheSameDouble) {
  // The "%g" look where it is exact, more digits only where the value needs them.
  const std::pair<double, const char*> shown[] = {
      {1234567, "1234567"},   {12345.67, "12345.67"}, {100, "100"},     {0.1, "0.1"},
      {0.0001, "0.0001"},     {0.00001, "1e-05"},     {1e20, "1e+20"},  {-2.5, "-2.5"},
      {0, "0"},               {1e16, "10000000000000000"},
  };
  for (const auto& [value, text] : shown) EXPECT_EQ(tally::exactText(value), text) << text;
  // Round trip over awkward doubles: thirds, neighbours of powers of ten, extremes.
  for (double v : {1.0 / 3, 2.0 / 3 * 1e9, 0.1 + 0.2, 123456789.123456789, 5e-324, 1.7976931348623157e308,
                   -9007199254740993.0, 4.35, 1e15 + 0.3}) {
    double back = 0;
    ASSERT_TRUE(parseNumber(tally::exactText(v), back)) << tally::exactText(v);
    EXPECT_EQ(back, v) << tally::exactText(v);
  }
}

TEST(NumberText, StatisticsKeepFourDigitsButNoExponentAndNoLostIntegerDigits) {
  struct Case {
    double v;
    const char* text;
  } cases[] = {
      // Unchanged "%.4g" outputs.
      {16, "16"}, {2.0 / 3.0, "0.6667"}, {0.0002761, "0.0002761"}, {-3.14159, "-3.142"},
      {1234.4, "1234"}, {0, "0"}, {1e-5, "1e-05"}, {2e15, "2e+15"}, {-1, "-1"},
      // Step counts: "1.048e+04" and "1.06e+04" before.
      {10480.25, "10480"}, {10597.5, "10598"}, {9999.7, "10000"}, {-123456.7, "-123457"},
      {1.12346e6, "1123460"}, {999999999999999.0, "999999999999999"},
  };
  for (const Case& c : cases) EXPECT_EQ(tally::formatStatistic(c.v), c.text) << c.v;
}
