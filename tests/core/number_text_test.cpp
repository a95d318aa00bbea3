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
  for (const char* bad : {"", "abc", "1,5", "4 ", "2x", "nan", "inf", "-inf", "1e999"}) {
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
