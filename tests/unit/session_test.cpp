#include <gtest/gtest.h>

#include "core/session.h"

namespace tollandra {
namespace {

using enum Measurement;
using enum ReferenceEquation;

// The worked examples: a man of 60 years, 170 cm, 3000 mL gives 84.4 % of
// 3555, 74.8 % of 4012, 72.4 % of 4142; a woman of 60 years, 170 cm gives
// Baldwin (21.78 - 0.101 x 60) x 170 = 2672.4 -> 2672, 3000 / 2672 = 112.3 %.
TEST(Session, ComputesOnceAllThreeAreGivenForTheSexOfTheForm) {
  Session session;
  session.panel.read(Age, "60");
  session.panel.read(Height, "170");
  EXPECT_FALSE(session.recalculateVc());
  EXPECT_FALSE(session.risk.pointsView(sexFactor).drawn);

  session.panel.read(Vc, "3000");
  ASSERT_TRUE(session.recalculateVc());
  // Male until the user chooses female, and the sex row now shows it.
  EXPECT_EQ(session.risk.pointsView(sexFactor), (CellView{true, white, {{"3", 30, 10, red, white}}}));
  EXPECT_EQ(session.panel.result(Baldwin).percentText, "84.4");
  EXPECT_EQ(session.panel.result(JRS2014).predictedText, "4142 : JRS2014");

  session.risk.choose(sexFactor, 2);
  ASSERT_TRUE(session.recalculateVc());
  EXPECT_EQ(session.risk.choice(sexFactor), 2);
  EXPECT_EQ(session.panel.result(Baldwin).percentText, "112.3");

  // A refused entry clears its value: nothing is computed, the results stay.
  EXPECT_TRUE(session.panel.read(Age, "16").message.has_value());
  EXPECT_FALSE(session.recalculateVc());
  EXPECT_EQ(session.panel.result(Baldwin).percentText, "112.3");
}

}  // namespace
}  // namespace tollandra
