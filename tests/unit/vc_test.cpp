#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/text/convert.h"
#include "core/vc/equations.h"
#include "core/vc/results.h"

namespace tollandra {
namespace {

using enum ReferenceEquation;
constexpr Sex M = Sex::Male;
constexpr Sex F = Sex::Female;

const Jrs2014Grid& grid() {
  static const Jrs2014Grid loaded = loadJrs2014Grid();
  return loaded;
}

// Each range is tested at both bounds, just outside each, and with values
// no measurement could be; the age is tested before the height.
TEST(PredictVc, RangesAreInclusiveAndTheAgeIsTestedFirst) {
  const struct {
    ReferenceEquation equation;
    Sex sex;
    double ageLow, ageHigh, heightLow, heightHigh;
    const char *ageText, *heightText;
  } ranges[] = {{JRS2014, M, 17, 90, 104, 210, "17-90 yrs", "104-210 cm"},
                {JRS2014, F, 17, 93, 94, 210, "17-93 yrs", "94-210 cm"},
                {JRS2001, M, 20, 100, 120, 190, "20-100 yrs", "120-190 cm"},
                {Baldwin, M, 17, 100, 94, 210, "17-100 yrs", "94-210 cm"},
                {Baldwin, F, 17, 100, 94, 210, "17-100 yrs", "94-210 cm"}};
  for (const auto& r : ranges) {
    const struct {
      double age, height;
      const char* text;  // empty: in range
    } cases[] = {{r.ageLow, r.heightLow, ""},
                 {r.ageHigh, r.heightHigh, ""},
                 {r.ageLow - 0.1, 150, r.ageText},
                 {r.ageHigh + 0.5, r.heightLow - 1, r.ageText},
                 {60, r.heightLow - 1, r.heightText},
                 {60, r.heightHigh + 1, r.heightText},
                 {NAN, 150, r.ageText},
                 {60, NAN, r.heightText}};
    for (const auto& c : cases) {
      const Prediction p = predictVc(grid(), r.equation, r.sex, c.age, c.height);
      EXPECT_EQ(p.rangeText, c.text) << equationName(r.equation) << ' ' << c.age << " y " << c.height
                                     << " cm";
      EXPECT_EQ(p.inRange, *c.text == '\0');
    }
  }
}

// Whether the third differences of a column stay within the bounds its
// curve keeps: steep through the growth years, nearly cubic from 32 on.
bool isSmooth(const std::vector<double>& v, double youngBound, double adultBound) {
  for (std::size_t i = 0; i + 3 < v.size(); ++i) {
    const double third = v[i + 3] - 3 * v[i + 2] + 3 * v[i + 1] - v[i];
    if (std::abs(third) > (17 + i < 32 ? youngBound : adultBound)) return false;
  }
  return true;
}

// A value mistyped by 10 or more bends one of the curves visibly; the test
// proves that for every row except the few worked by hand below.
TEST(Jrs2014Grid, TermColumnsAreSmoothCurvesOverTheirAgeRange) {
  const struct {
    std::size_t cell;
    int lastAge;
    double youngBound, adultBound;
    std::vector<int> checkedByHand;
  } columns[] = {{5, 90, 33, 2, {17, 18, 28}}, {6, 93, 13, 4.5, {17}}};
  for (const auto& c : columns) {
    std::vector<double> v;
    for (int age = 17; age <= c.lastAge; ++age) v.push_back(TextToNumber(grid().rows[age][c.cell]));
    ASSERT_TRUE(isSmooth(v, c.youngBound, c.adultBound)) << "cell " << c.cell;
    for (std::size_t i = 0; i < v.size(); ++i) {
      if (std::ranges::count(c.checkedByHand, 17 + int(i)) != 0) continue;
      for (double error : {10.0, -10.0}) {
        std::vector<double> wrong = v;
        wrong[i] += error;
        EXPECT_FALSE(isSmooth(wrong, c.youngBound, c.adultBound)) << "cell " << c.cell << " age " << 17 + i;
      }
    }
  }
}

// Halves go up, including those a double misses by an ulp ((27.63 - 0.112 x
// 40) x 170 is 3935.5 on paper); a fixed text rounds to one decimal first.
TEST(RoundHalfUp, HalvesGoUpAndFixedTextsRoundToOneDecimalFirst) {
  const struct {
    double x;
    int n;
    double rounded;
  } cases[] = {{2.5, 0, 3},      {-2.5, 0, -2},  {-0.6, 0, -1},
               {80.05, 1, 80.1}, {79.95, 1, 80}, {3935.4999999999995, 0, 3936}};
  for (const auto& c : cases) EXPECT_EQ(roundHalfUp(c.x, c.n), c.rounded) << c.x << " to " << c.n;
  EXPECT_EQ(formatFixed(99.96, 1), "100.0");
}

// Worked out with bc -l from the published formulas and the table row of the
// whole age (45.9 reads row 45 but takes ln 45.9; 17, 18 and 28 for men and
// 17 for women are the rows too steep for the smoothness test above). At 40 y and 25 y the
// Baldwin product is an exact half that doubles miss by an ulp; at 2508 mL
// the percent of the unrounded prediction would round the other way.
TEST(ComputeReferences, RoundsThePredictionAndTakesThePercentOfIt) {
  const struct {
    Sex sex;
    double age, height, vc;
    ReferenceEquation equation;
    EquationResult expected;
  } cases[] = {{M, 60, 170, 3000, Baldwin, {3555, "3555 : Baldwin", 84.4, "84.4"}},
               {M, 60, 170, 3000, JRS2001, {4012, "4012 : JRS2001", 74.8, "74.8"}},
               {M, 60, 170, 3000, JRS2014, {4142, "4142 : JRS2014", 72.4, "72.4"}},
               {M, 60, 170, 2508, Baldwin, {3555, "3555 : Baldwin", 70.5, "70.5"}},
               {F, 60, 155, 2200, Baldwin, {2437, "2437 : Baldwin", 90.3, "90.3"}},
               {F, 60, 155, 2200, JRS2001, {2702, "2702 : JRS2001", 81.4, "81.4"}},
               {F, 60, 155, 2200, JRS2014, {2842, "2842 : JRS2014", 77.4, "77.4"}},
               {M, 95, 170, 3000, JRS2014, {0, "17-90 yrs : JRS2014", 0, ""}},
               {F, 95, 155, 2200, JRS2014, {0, "17-93 yrs : JRS2014", 0, ""}},
               {M, 40, 170, 3000, Baldwin, {3936, "3936 : Baldwin", 76.2, "76.2"}},
               {M, 25, 150, 3000, Baldwin, {3725, "3725 : Baldwin", 80.5, "80.5"}},
               {M, 45.9, 170, 3000, JRS2014, {4383, "4383 : JRS2014", 68.4, "68.4"}},
               {M, 17, 170, 3000, JRS2014, {4397, "4397 : JRS2014", 68.2, "68.2"}},
               {M, 18, 175, 3000, JRS2014, {4739, "4739 : JRS2014", 63.3, "63.3"}},
               {M, 28, 180, 3000, JRS2014, {5147, "5147 : JRS2014", 58.3, "58.3"}},
               {F, 17, 155, 3000, JRS2014, {3026, "3026 : JRS2014", 99.1, "99.1"}},
               {F, 93, 145, 1500, JRS2014, {1868, "1868 : JRS2014", 80.3, "80.3"}},
               {M, 100, 120, 842, JRS2001, {842, "842 : JRS2001", 100, "100.0"}}};
  for (const auto& c : cases) {
    EXPECT_EQ(computeReferences(grid(), c.sex, c.age, c.height, c.vc).of(c.equation), c.expected)
        << c.age << " y " << c.height << " cm " << equationName(c.equation);
  }
}

// The %VC right-aligned in 7 characters, red up to 80.0 and blue above; the
// prediction right-aligned in 20 from x 70, or from x 60 when out of range.
TEST(ResultView, PaintsThePercentRedUpToEightyAndAlignsBothTexts) {
  const struct {
    EquationResult result;
    std::vector<TextRun> runs;
  } cases[] = {{{3750, "3750 : Baldwin", 80, "80.0"},
                {{"   80.0 %", 0, 3, red, white}, {"      3750 : Baldwin", 70, 3, black, white}}},
               {{3746, "3746 : Baldwin", 80.1, "80.1"},
                {{"   80.1 %", 0, 3, blue, white}, {"      3746 : Baldwin", 70, 3, black, white}}},
               {{500, "500 : JRS2001", 1234.5, "1234.5"},
                {{" 1234.5 %", 0, 3, blue, white}, {"      500 : JRS2001", 70, 3, black, white}}},
               {{0, "120-190 cm : JRS2001", 0, ""}, {{"120-190 cm : JRS2001", 60, 3, black, white}}}};
  for (const auto& c : cases) {
    EXPECT_EQ(resultView(c.result), (CellView{true, white, c.runs})) << c.result.predictedText;
  }
}

}  // namespace
}  // namespace tollandra
