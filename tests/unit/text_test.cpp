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
  } cases[] = {{-0.0, "0"},
               {2.0 / 3, "0.666666666666667"},
               {12345.678901234567, "12345.6789012346"},
               {0.000015, "1.50000000000000e-05"},
               {1e14, "100000000000000"},
               {999999999999999, "1.00000000000000e+015"},
               {-INFINITY, "-inf"},
               {NAN, "nan"}};
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << c.value;
  // The shortcut for short decimals agrees with the digit form on every value
  // it takes, and leaves the neighbours one ulp away to the digit form.
  for (long tenths = 0; tenths < 1000000; ++tenths) {
    const double value = static_cast<double>(tenths) / 10;
    for (double x : {value, -value, std::nextafter(value, 1e9)})
      ASSERT_EQ(NumberToText(x), NumberToTextByDigits(x));
  }
}

// The leading number, the rest ignored. A digit run too long for a double
// reads as infinity, never NaN; based integers sum in doubles, never wrap.
TEST(TextToNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
  const std::string zeros(400, '0');
  const struct {
    std::string text;
    double value;
  } cases[] = {{"  12.5", 12.5},
               {"-.5", -0.5},
               {"1.2.3", 1.2},
               {"&H1f", 31},
               {zeros + "1500", 1500},
               {"-1" + zeros, -INFINITY},
               {"&H" + std::string(400, 'F'), INFINITY},
               {"&O777777777777777777777777", 4722366482869645213695.0}};
  for (const auto& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << c.text.substr(0, 20);
  EXPECT_TRUE(std::signbit(TextToNumber("-")));
  EXPECT_NEAR(TextToNumber("1" + std::string(308, '0')) / 1e308, 1.0, 1e-12);
  EXPECT_NEAR(TextToNumber("1." + std::string(5000, '9')), 2.0, 1e-12);
  EXPECT_EQ(KeepDigitsAndPoint("\uFF11 -1.2.3abc 年齢"), "1.2.3");
}

}  // namespace
}  // namespace tollandra
