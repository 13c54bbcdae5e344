#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/text/convert.h"

namespace tollandra {
namespace {

TEST(NumberToText, ShowsFifteenSignificantDigitsInFixedOrExponentForm) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {-1, "-1"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.1 + 0.2, "0.3"},
      {4142, "4142"},
      {80.05, "80.05"},
      {12345.678901234567, "12345.6789012346"},
      {0.0001, "0.0001"},
      {0.000015, "1.50000000000000e-05"},
      {1e14, "100000000000000"},
      {999999999999999, "1.00000000000000e+015"},
      {-1.5e20, "-1.50000000000000e+020"},
      {1e-100, "1.00000000000000e-100"},
      {INFINITY, "inf"},
      {-INFINITY, "-inf"},
      {NAN, "nan"},
  };
  for (const auto& c : cases) {
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

// A digit run too long for a double reads as infinity, never NaN; leading
// zeros cost nothing; based integers sum in doubles and never wrap round.
TEST(TextToNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
  const std::string zeros(400, '0');
  const struct {
    std::string text;
    double value;
  } cases[] = {
      {"12.5", 12.5},
      {"  7", 7},
      {"-.5", -0.5},
      {"+3", 3},
      {"1.2.3", 1.2},
      {"1e3", 1},
      {"abc", 0},
      {"1,000", 1},
      {"- 5", 0},
      {"&H1f", 31},
      {"&O17", 15},
      {"&o8", 0},
      {"&H", 0},
      {"007", 7},
      {zeros + "1500", 1500},
      {zeros + ".5", 0.5},
      {"1" + std::string(399, '0'), INFINITY},
      {"-1" + std::string(399, '0'), -INFINITY},
      {"12" + std::string(308, '0') + "34", INFINITY},
      {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
      {"&H" + std::string(400, 'F'), INFINITY},
      {"&O777777777777777777777777", 4722366482869645213695.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.value) << "text \"" << c.text.substr(0, 20) << '"';
  }
  EXPECT_TRUE(std::signbit(TextToNumber("-")));
  EXPECT_NEAR(TextToNumber("1" + std::string(308, '0')) / 1e308, 1.0, 1e-12);
  EXPECT_NEAR(TextToNumber("1." + std::string(5000, '9')), 2.0, 1e-12);
}

TEST(KeepDigitsAndPoint, KeepsOnlyAsciiDigitsAndPoints) {
  EXPECT_EQ(KeepDigitsAndPoint("-1.2.3abc"), "1.2.3");
  EXPECT_EQ(KeepDigitsAndPoint(" 1,500 mL"), "1500");
  EXPECT_EQ(KeepDigitsAndPoint("\uFF11\uFF12 年齢 60"), "60");
}

}  // namespace
}  // namespace tollandra
