#include <gtest/gtest.h>

#include "vc/panel.h"

namespace tollandra {
namespace {

using enum Measurement;
using enum ReferenceEquation;

TEST(VcPanel, ComputesOnlyOnceAllThreeMeasurementsAreGiven) {
  VcPanel panel;
  panel.loadGrid();
  EXPECT_EQ(panel.input(Age), PanelInput{});
  EXPECT_FALSE(panel.computed());
  EXPECT_FALSE(panel.resultView(JRS2014).drawn);

  panel.read(Age, "60");
  EXPECT_EQ(panel.read(Height, "170 cm").text, "170");
  EXPECT_FALSE(panel.ready());
  EXPECT_FALSE(panel.compute(Sex::Male));
  EXPECT_FALSE(panel.computed());

  panel.read(Vc, "3,000");
  EXPECT_EQ(panel.input(Vc), (PanelInput{3000, "3000"}));
  ASSERT_TRUE(panel.compute(Sex::Male));
  EXPECT_EQ(panel.result(Baldwin).predictedText, "3555 : Baldwin");
  EXPECT_EQ(panel.result(JRS2001).percentText, "74.8");
  EXPECT_EQ(
      panel.resultView(JRS2014),
      (CellView{
          true, white, {{"   72.4 %", 0, 3, red, white}, {"      4142 : JRS2014", 70, 3, black, white}}}));

  // A refused entry clears its value, so the last results stay on display.
  const Reading refused = panel.read(Age, "16");
  EXPECT_TRUE(refused.message.has_value());
  EXPECT_EQ(panel.input(Age), (PanelInput{0, "**"}));
  EXPECT_FALSE(panel.compute(Sex::Female));
  EXPECT_EQ(panel.result(JRS2014).predictedMl, 4142);
}

// 4012 mL for a man of 60 and 170 cm: 3210 mL is 80.01 %, 3212 mL 80.06 %.
TEST(VcPanel, TheRoundedPercentDecidesTheColourAndSexChangesRecompute) {
  VcPanel panel;  // the table loads on the first computation when nobody loaded it
  panel.read(Age, "60");
  panel.read(Height, "170");
  const struct {
    const char* vc;
    Sex sex;
    ReferenceEquation equation;
    TextRun percent;
  } cases[] = {{"3210", Sex::Male, JRS2001, {"   80.0 %", 0, 3, red, white}},
               {"3212", Sex::Male, JRS2001, {"   80.1 %", 0, 3, blue, white}},
               {"3000", Sex::Male, JRS2014, {"   72.4 %", 0, 3, red, white}},
               {"3000", Sex::Female, JRS2014, {"   88.3 %", 0, 3, blue, white}}};
  for (const auto& c : cases) {
    panel.read(Vc, c.vc);
    ASSERT_TRUE(panel.compute(c.sex));
    EXPECT_EQ(panel.resultView(c.equation).runs.front(), c.percent) << c.vc;
  }
}

}  // namespace
}  // namespace tollandra
