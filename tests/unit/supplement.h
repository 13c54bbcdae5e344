#pragma once
// The JRS2014 supplement's curves as published (tests/data, from Kubota M, et
// al. Respir Investig 2014;52(4):242-250): a row an age, with the men's and
// the women's M- and S-spline, a cell left empty outside the sex's range.
// Every M-spline, times 10000 to four decimals, must be the age table's value
// in the sex's cell, and every S-spline the program's.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/ppo/fev1.h"
#include "core/vc/equations.h"
#include "core/text/convert.h"

namespace tollandra {

inline void expectSupplementCurves(const char* file, std::size_t menCell, double (*sSpline)(Sex, double),
                                   int expectedRows) {
  std::ifstream in(std::string(TOLLANDRA_SOURCE_DIR "/tests/data/") + file);
  ASSERT_TRUE(in.is_open()) << file;
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line.starts_with("age")) continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    f.resize(5);  // trailing empty cells leave no field
    const int age = std::stoi(f[0]);
    for (const auto& [sex, m, spread, cell] :
         {std::tuple{Sex::Male, f[1], f[2], menCell}, std::tuple{Sex::Female, f[3], f[4], menCell + 1}}) {
      if (m.empty()) {
        EXPECT_TRUE(std::isnan(sSpline(sex, age))) << file << ' ' << age;
        continue;
      }
      const std::string& term = builtInJrs2014Grid().rows[static_cast<std::size_t>(age)][cell];
      EXPECT_EQ(std::llround(std::stod(m) * 1e8), std::llround(TextToNumber(term) * 1e4)) << file << ' ' << age;
      EXPECT_EQ(sSpline(sex, age), std::stod(spread)) << file << ' ' << age;
    }
    ++rows;
  }
  EXPECT_EQ(rows, expectedRows) << file;
}

}  // namespace tollandra
