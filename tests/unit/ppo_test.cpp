#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/ppo/fev1.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

constexpr Sex M = Sex::Male;
constexpr Sex F = Sex::Female;

// The supplement's FEV1 curves as published (tests/data, from Kubota M, et
// al. Respir Investig 2014;52(4):242-250, Table S2): every M-spline, times
// 10000 to four decimals, is the age table's value 1 (men) or 2 (women), and
// every S-spline is the program's. An empty cell lies outside the range.
TEST(Jrs2014Fev1, AgreesTermForTermWithTheSupplementsCurves) {
  std::ifstream in(TOLLANDRA_SOURCE_DIR "/tests/data/jrs2014-fev1-lms.tsv");
  ASSERT_TRUE(in.is_open());
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line.starts_with("age")) continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    f.resize(5);  // trailing empty cells leave no field
    const int age = std::stoi(f[0]);
    for (const auto& [sex, m, spread, cell] : {std::tuple{M, f[1], f[2], 1}, std::tuple{F, f[3], f[4], 2}}) {
      if (m.empty()) {
        EXPECT_TRUE(std::isnan(jrs2014Fev1SSpline(sex, age))) << age;
        continue;
      }
      const std::string& term = builtInJrs2014Grid().rows[static_cast<std::size_t>(age)][cell];
      EXPECT_EQ(std::llround(std::stod(m) * 1e8), std::llround(TextToNumber(term) * 1e4))
          << age << ' ' << term;
      EXPECT_EQ(jrs2014Fev1SSpline(sex, age), std::stod(spread)) << age;
    }
    ++rows;
  }
  EXPECT_EQ(rows, 79);
}

}  // namespace
}  // namespace tollandra
