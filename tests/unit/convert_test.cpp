#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "text/convert.h"

namespace tollandra {
namespace {

struct NumberCase {
  double value;
  const char* text;
};

TEST(NumberToText, ShowsFifteenSignificantDigitsInFixedOrExponentForm) {
  const NumberCase cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1, "1"},
      {-1, "-1"},
      {0.5, "0.5"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.1 + 0.2, "0.3"},
      {123.456, "123.456"},
      {1000, "1000"},
      {4142, "4142"},
      {72.4, "72.4"},
      {80.05, "80.05"},
      {12345.678901234567, "12345.6789012346"},
      {0.0001, "0.0001"},
      {0.00001, "1.00000000000000e-05"},
      {0.000015, "1.50000000000000e-05"},
      {1e14, "100000000000000"},
      {1e15, "1.00000000000000e+015"},
      {999999999999999, "1.00000000000000e+015"},
      {123456789012345678.0, "1.23456789012346e+017"},
      {-1.5e20, "-1.50000000000000e+020"},
      {1e-100, "1.00000000000000e-100"},
      {1e100, "1.00000000000000e+100"},
      {INFINITY, "inf"},
      {-INFINITY, "-inf"},
      {NAN, "nan"},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(NumberToText(c.value), c.text) << "value " << c.value;
  }
}

// The shortcut for short decimals must agree with the digit form on every
// value it takes, and leave the neighbours one ulp away to the digit form.
TEST(NumberToText, ShortDecimalsReadAsTheirDigitFormDoes) {
  for (long tenths = 0; tenths < 1000000; ++tenths) {
    const double value = static_cast<double>(tenths) / 10;
    for (double x : {value, -value, std::nextafter(value, 1e9)}) {
      ASSERT_EQ(NumberToText(x), NumberToTextByDigits(x)) << tenths;
    }
  }
}

TEST(TextToNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12.5", 12.5}, {"  7", 7},     {"\t7", 7},       {".5", 0.5},  {"-.5", -0.5},
      {"+3", 3},      {"12abc", 12},  {"1.2.3", 1.2},   {"1e3", 1},   {"", 0},
      {"abc", 0},     {"1,000", 1},   {"- 5", 0},       {"&H1f", 31}, {"&h1F", 31},
      {"&O17", 15},   {"&o8", 0},     {"&x12", 0},      {"&", 0},     {"&H", 0},
      {"&H-1", 0},    {"3000", 3000}, {"170.5", 170.5}, {"007", 7},   {"1500mL", 1500},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.value) << "text \"" << c.text << '"';
  }
}

TEST(TextToNumber, MinusAloneIsNegativeZeroShownAsZero) {
  const double value = TextToNumber("-");
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(std::signbit(value));
  EXPECT_EQ(NumberToText(value), "0");
}

TEST(TextToNumber, LongDigitRunsNeverReadAsNaN) {
  const std::string zeros(400, '0');
  EXPECT_EQ(TextToNumber(zeros + "1500"), 1500);
  EXPECT_EQ(TextToNumber(zeros), 0);
  EXPECT_EQ(TextToNumber(zeros + ".5"), 0.5);

  const std::string huge = "1" + std::string(399, '0');
  EXPECT_EQ(TextToNumber(huge), INFINITY);
  EXPECT_EQ(TextToNumber("-" + huge), -INFINITY);
  EXPECT_EQ(TextToNumber("12" + std::string(308, '0') + "34"), INFINITY);

  // 309 digits still fit below DBL_MAX when they start with 1.
  const double big = TextToNumber("1" + std::string(308, '0'));
  EXPECT_TRUE(std::isfinite(big));
  EXPECT_NEAR(big / 1e308, 1.0, 1e-12);

  const std::string longFraction = "1." + std::string(5000, '9');
  EXPECT_FALSE(std::isnan(TextToNumber(longFraction)));
  EXPECT_NEAR(TextToNumber(longFraction), 2.0, 1e-12);
}

TEST(TextToNumber, BasedIntegersNeverWrapRound) {
  EXPECT_EQ(TextToNumber("&HFFFFFFFFFFFFFFFF"), 18446744073709551615.0);
  EXPECT_GT(TextToNumber("&H" + std::string(40, 'F')), 1e47);
  EXPECT_EQ(TextToNumber("&H" + std::string(400, 'F')), INFINITY);
  EXPECT_EQ(TextToNumber("&O777777777777777777777777"), std::pow(8.0, 24) - 1);
}

TEST(KeepDigitsAndPoint, KeepsOnlyAsciiDigitsAndPoints) {
  const struct {
    const char* text;
    const char* kept;
  } cases[] = {
      {"12abc3", "123"},
      {"-5", "5"},
      {"\xEF\xBC\x91\xEF\xBC\x92", ""},  // full-width 1 and 2
      {"1.2.3", "1.2.3"},
      {" 1,500 mL", "1500"},
      {"", ""},
      {"\xE5\xB9\xB4\xE9\xBD\xA2 60", "60"},  // kanji, then digits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeepDigitsAndPoint(c.text), c.kept) << c.text;
  }
}

}  // namespace
}  // namespace tollandra
