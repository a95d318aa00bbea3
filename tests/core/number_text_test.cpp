#include "core/NumberText.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdio>
#include <limits>

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

// Which text each kind of number gets near the edges of the plain span and at ties.
// Ties are decided on the shortest decimal of the double: 13.075 is stored as
// 13.07499999999999928946, which "%.2f" rounds down, but a student rounds 13.075 up.
TEST(NumberText, ShownNumbersFollowOneRuleAtBoundariesAndTies) {
  struct Case {
    double v;
    const char* value;      // valueText: six significant digits
    const char* statistic;  // formatStatistic, Auto: four
    const char* readout;    // readoutText: five
  } cases[] = {
      // 9999.5: four digits round up to a fifth whole digit, never to "1e+04".
      {9999.5, "9999.5", "10000", "9999.5"},
      {-9999.5, "-9999.5", "-10000", "-9999.5"},
      // 1e15 and beyond keep the exponent; just below keeps every whole digit.
      {1e15, "1e+15", "1e+15", "1e+15"},
      {999999999999999.0, "999999999999999", "999999999999999", "999999999999999"},
      {2.5e15, "2.5e+15", "2.5e+15", "2.5e+15"},
      // 1e-4 is the smallest plain magnitude; below it the exponent stays, unless
      // rounding carries the value up to 0.0001 as "%g" would show it.
      {1e-4, "0.0001", "0.0001", "0.0001"},
      {-1e-4, "-0.0001", "-0.0001", "-0.0001"},
      {9.99996e-5, "9.99996e-05", "0.0001", "0.0001"},
      {1.5e-5, "1.5e-05", "1.5e-05", "1.5e-05"},
      {0.00012345678, "0.000123457", "0.0001235", "0.00012346"},
      // Whole numbers keep every digit: "1.23457e+06", "1e+06" and "5e+06" before.
      {123456789012, "123456789012", "123456789012", "123456789012"},
      {1234567, "1234567", "1234567", "1234567"},
      {1e6, "1000000", "1000000", "1000000"},
      {5e6, "5000000", "5000000", "5000000"},
      {1234567.5, "1234568", "1234568", "1234568"},
      // Ties, half up (away from zero) from the decimal value.
      {13.075, "13.075", "13.08", "13.075"},
      {2.1585, "2.1585", "2.159", "2.1585"},
      {4.4585, "4.4585", "4.459", "4.4585"},
      {33.435, "33.435", "33.44", "33.435"},
      {1060.5, "1060.5", "1061", "1060.5"},
      {-2.5, "-2.5", "-2.5", "-2.5"},
      {20.625, "20.625", "20.63", "20.625"},
      {1.0000005, "1", "1", "1"},
      {2.0000005, "2", "2", "2"},
      {0.1 + 0.2, "0.3", "0.3", "0.3"},
      {-0.0, "0", "0", "0"},
      {0, "0", "0", "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tally::valueText(c.v), c.value) << c.v;
    EXPECT_EQ(tally::formatStatistic(c.v), c.statistic) << c.v;
    EXPECT_EQ(tally::readoutText(c.v), c.readout) << c.v;
  }
  EXPECT_EQ(tally::fieldText(0.1 + 0.2), "0.3");
  EXPECT_EQ(tally::fieldText(123456789.123456), "123456789.123");
  EXPECT_EQ(tally::valueText(std::numeric_limits<double>::infinity()), "inf");
}

TEST(NumberText, EachDecimalsSettingRoundsTheStatisticsHalfUp) {
  const double years = 2010.0 + 1.0 / 3.0;  // mean of 1995..2024 style data
  struct Case {
    double v;
    const char* text[8];  // Auto, then 0 to 6 places
  } cases[] = {
      {years,
       {"2010", "2010", "2010.3", "2010.33", "2010.333", "2010.3333", "2010.33333",
        "2010.333333"}},
      {13.075, {"13.08", "13", "13.1", "13.08", "13.075", "13.0750", "13.07500", "13.075000"}},
      {-2.5, {"-2.5", "-3", "-2.5", "-2.50", "-2.500", "-2.5000", "-2.50000", "-2.500000"}},
      {1060.5, {"1061", "1061", "1060.5", "1060.50", "1060.500", "1060.5000", "1060.50000",
                "1060.500000"}},
      {0.9999996, {"1", "1", "1.0", "1.00", "1.000", "1.0000", "1.00000", "1.000000"}},
      {-0.0004, {"-0.0004", "0", "0.0", "0.00", "0.000", "-0.0004", "-0.00040", "-0.000400"}},
      {0.00045, {"0.00045", "0", "0.0", "0.00", "0.000", "0.0005", "0.00045", "0.000450"}},
      {0, {"0", "0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000"}},
      {123456789012.5, {"123456789013", "123456789013", "123456789012.5", "123456789012.50",
                        "123456789012.500", "123456789012.5000", "123456789012.50000",
                        "123456789012.500000"}},
      // Outside the plain span the fixed places do not apply.
      {2e15, {"2e+15", "2e+15", "2e+15", "2e+15", "2e+15", "2e+15", "2e+15", "2e+15"}},
      {1.5e-5, {"1.5e-05", "1.5e-05", "1.5e-05", "1.5e-05", "1.5e-05", "1.5e-05", "1.5e-05",
                "1.5e-05"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tally::formatStatistic(c.v, tally::kAutoDecimals), c.text[0]) << c.v;
    for (int places = 0; places <= tally::kMaxDecimals; ++places)
      EXPECT_EQ(tally::formatStatistic(c.v, places), c.text[places + 1]) << c.v << " " << places;
  }
}

TEST(NumberText, DecimalsSettingReadsAutoOrZeroToSix) {
  const std::pair<const char*, int> good[] = {{"auto", tally::kAutoDecimals},
                                              {"Auto", tally::kAutoDecimals},
                                              {" AUTO ", tally::kAutoDecimals},
                                              {"0", 0},
                                              {"6", 6},
                                              {" 3\t", 3}};
  for (const auto& [text, decimals] : good) {
    int d = 99;
    EXPECT_TRUE(tally::parseDecimals(text, d)) << text;
    EXPECT_EQ(d, decimals) << text;
  }
  for (const char* bad : {"7", "-1", "2.0", "", "x", "autox", "10", "+2"}) {
    int d = 99;
    EXPECT_FALSE(tally::parseDecimals(bad, d)) << bad;
    EXPECT_EQ(d, 99) << bad;
  }
  EXPECT_EQ(tally::decimalsText(tally::kAutoDecimals), "Auto");
  EXPECT_EQ(tally::decimalsText(4), "4");
}

TEST(NumberText, ShownNumbersIgnoreTheUsersDecimalComma) {
  const char* previous = setlocale(LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (!setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale here";
  EXPECT_EQ(tally::formatStatistic(13.075, 2), "13.08");
  EXPECT_EQ(tally::valueText(2.5), "2.5");
  EXPECT_EQ(tally::formatStatistic(1.5e-5), "1.5e-05");
  setlocale(LC_ALL, saved.c_str());
}
