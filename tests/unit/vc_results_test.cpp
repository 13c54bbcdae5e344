#include <gtest/gtest.h>

#include "vc/results.h"

namespace tollandra {
namespace {

TEST(RoundHalfUp, HalvesGoUpIncludingThoseADoubleMissesByAnUlp) {
  const struct {
    double x;
    int n;
    double rounded;
  } cases[] = {{2.5, 0, 3},
               {-2.5, 0, -2},
               {2.4, 0, 2},
               {-0.5, 0, 0},
               {-0.6, 0, -1},
               {0.49999999, 0, 0},
               {80.05, 1, 80.1},
               {72.428, 1, 72.4},
               {79.95, 1, 80},
               {1234.565, 2, 1234.57},
               {3935.4999999999995, 0, 3936},
               {3000000000.5, 0, 3000000001},
               {-3000000000.5, 0, -3000000000}};
  for (const auto& c : cases) {
    EXPECT_EQ(roundHalfUp(c.x, c.n), c.rounded) << c.x << " to " << c.n;
  }
}

TEST(FormatFixed, RoundsToOneDecimalThenCutsOrPads) {
  const struct {
    double x;
    int d;
    const char* text;
  } cases[] = {{72.4, 1, "72.4"},   {102, 1, "102.0"},   {99.96, 1, "100.0"}, {80.05, 1, "80.1"},
               {0, 1, "0.0"},       {72.45, 1, "72.5"},  {-1.25, 1, "-1.2"},  {72.44, 0, "72"},
               {80.05, 2, "80.10"}, {102, 4, "102.0000"}};
  for (const auto& c : cases) {
    EXPECT_EQ(formatFixed(c.x, c.d), c.text) << c.x << " with " << c.d;
  }
}

// Percentages and roundings worked out by hand from the formulas. At 40 y and
// 25 y the Baldwin product is an exact half that doubles miss by an ulp; at
// 2508 mL the percent of the unrounded prediction would round the other way.
TEST(ComputeReferences, RoundsThePredictionAndTakesThePercentOfIt) {
  const Jrs2014Grid grid = loadJrs2014Grid();
  const Sex M = Sex::Male, F = Sex::Female;
  using enum ReferenceEquation;
  const struct {
    Sex sex;
    double age, height, vc;
    ReferenceEquation equation;
    EquationResult expected;
  } cases[] = {{M, 60, 170, 3000, Baldwin, {3555, "3555 : Baldwin", 84.4, "84.4"}},
               {M, 60, 170, 3000, JRS2001, {4012, "4012 : JRS2001", 74.8, "74.8"}},
               {M, 60, 170, 3000, JRS2014, {4142, "4142 : JRS2014", 72.4, "72.4"}},
               {M, 60, 170, 2508, Baldwin, {3555, "3555 : Baldwin", 70.5, "70.5"}},
               {M, 60, 170, 2508, JRS2014, {4142, "4142 : JRS2014", 60.6, "60.6"}},
               {F, 60, 155, 2200, Baldwin, {2437, "2437 : Baldwin", 90.3, "90.3"}},
               {F, 60, 155, 2200, JRS2001, {2702, "2702 : JRS2001", 81.4, "81.4"}},
               {F, 60, 155, 2200, JRS2014, {2842, "2842 : JRS2014", 77.4, "77.4"}},
               {M, 95, 170, 3000, Baldwin, {2888, "2888 : Baldwin", 103.9, "103.9"}},
               {M, 95, 170, 3000, JRS2001, {3207, "3207 : JRS2001", 93.5, "93.5"}},
               {M, 95, 170, 3000, JRS2014, {0, "17-90 yrs : JRS2014", 0, ""}},
               {F, 95, 155, 2200, Baldwin, {1889, "1889 : Baldwin", 116.5, "116.5"}},
               {F, 95, 155, 2200, JRS2001, {2072, "2072 : JRS2001", 106.2, "106.2"}},
               {F, 95, 155, 2200, JRS2014, {0, "17-93 yrs : JRS2014", 0, ""}},
               {M, 18, 170, 3000, Baldwin, {4354, "4354 : Baldwin", 68.9, "68.9"}},
               {M, 18, 170, 3000, JRS2001, {0, "20-100 yrs : JRS2001", 0, ""}},
               {M, 18, 170, 3000, JRS2014, {4458, "4458 : JRS2014", 67.3, "67.3"}},
               {M, 60, 100, 1000, Baldwin, {2091, "2091 : Baldwin", 47.8, "47.8"}},
               {M, 60, 100, 1000, JRS2001, {0, "120-190 cm : JRS2001", 0, ""}},
               {M, 60, 100, 1000, JRS2014, {0, "104-210 cm : JRS2014", 0, ""}},
               {M, 40, 170, 3000, Baldwin, {3936, "3936 : Baldwin", 76.2, "76.2"}},
               {M, 40, 170, 3000, JRS2001, {4472, "4472 : JRS2001", 67.1, "67.1"}},
               {M, 40, 170, 3000, JRS2014, {4485, "4485 : JRS2014", 66.9, "66.9"}},
               {M, 25, 150, 3000, Baldwin, {3725, "3725 : Baldwin", 80.5, "80.5"}},
               {M, 90, 110, 1000, Baldwin, {1931, "1931 : Baldwin", 51.8, "51.8"}},
               {M, 90, 110, 1000, JRS2014, {1319, "1319 : JRS2014", 75.8, "75.8"}}};
  for (const auto& c : cases) {
    EXPECT_EQ(computeReferences(grid, c.sex, c.age, c.height, c.vc).of(c.equation), c.expected)
        << c.age << " y " << c.height << " cm " << equationName(c.equation);
  }
}

TEST(ResultView, PaintsThePercentRedUpToEightyAndAlignsBothTexts) {
  const struct {
    EquationResult result;
    std::vector<TextRun> runs;
  } cases[] = {{{4142, "4142 : JRS2014", 72.4, "72.4"},
                {{"   72.4 %", 0, 3, red, white}, {"      4142 : JRS2014", 70, 3, black, white}}},
               {{3750, "3750 : Baldwin", 80, "80.0"},
                {{"   80.0 %", 0, 3, red, white}, {"      3750 : Baldwin", 70, 3, black, white}}},
               {{3746, "3746 : Baldwin", 80.1, "80.1"},
                {{"   80.1 %", 0, 3, blue, white}, {"      3746 : Baldwin", 70, 3, black, white}}},
               {{2888, "2888 : Baldwin", 103.9, "103.9"},
                {{"  103.9 %", 0, 3, blue, white}, {"      2888 : Baldwin", 70, 3, black, white}}},
               {{500, "500 : JRS2001", 1234.5, "1234.5"},
                {{" 1234.5 %", 0, 3, blue, white}, {"      500 : JRS2001", 70, 3, black, white}}},
               {{0, "17-90 yrs : JRS2014", 0, ""}, {{" 17-90 yrs : JRS2014", 60, 3, black, white}}},
               {{0, "120-190 cm : JRS2001", 0, ""}, {{"120-190 cm : JRS2001", 60, 3, black, white}}}};
  for (const auto& c : cases) {
    EXPECT_EQ(resultView(c.result), (CellView{true, white, c.runs})) << c.result.predictedText;
  }
}

}  // namespace
}  // namespace tollandra
