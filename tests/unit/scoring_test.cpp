#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scoring/hal.h"
#include "scoring/risk.h"

namespace tollandra {
namespace {

struct Click {
  int factor;
  int option;  // 0 = a click on the points cell
};

void apply(RiskForm& form, const std::vector<Click>& clicks) {
  for (const Click& click : clicks) {
    if (click.option == 0) {
      form.toggleFactorChoice(click.factor);
    } else {
      form.setFactorChoice(click.factor, click.option);
    }
  }
}

TEST(RiskForm, StartsBlankWithTheSexFactorMale) {
  const RiskForm form;
  for (int k = 1; k <= factorCount; ++k) {
    EXPECT_FALSE(form.pointsView(k).drawn) << k;
  }
  EXPECT_FALSE(form.totalView().drawn);
  EXPECT_EQ(form.factor(1).choice, 1);
  EXPECT_EQ(form.totalScore(), 3);
}

TEST(RiskForm, TotalsLevelsAndWhereTheTotalIsDrawn) {
  const std::string low = "　（低リスク）";
  const std::string mid = "　（中リスク）";
  const std::string high = "　（高リスク）";
  const struct {
    const char* name;
    std::vector<Click> clicks;
    int total;
    int x;
    Rgb fill;
    std::string level;
  } cases[] = {
      // The male sex counts its 3 points while its own row is still blank.
      {"steroids first", {{2, 1}}, 6, 30, levelLow, low},
      {"sex cell first flips to female", {{1, 0}}, 0, 30, levelLow, low},
      {"nine", {{3, 1}, {6, 2}, {4, 1}}, 9, 30, levelLow, low},
      {"ten", {{3, 1}, {6, 2}, {6, 1}}, 10, 25, levelLow, low},
      {"eleven", {{3, 1}, {5, 1}, {7, 2}, {1, 2}, {6, 1}}, 11, 25, levelMid, mid},
      {"seventeen by a cell click", {{3, 1}, {5, 1}, {4, 1}, {7, 0}}, 17, 25, levelHigh, high},
      {"fifteen exactly", {{3, 1}, {5, 1}, {7, 2}, {6, 1}, {4, 1}}, 15, 25, levelHigh, high},
      {"thirteen once female", {{3, 1}, {5, 1}, {7, 1}, {1, 2}}, 13, 25, levelMid, mid},
      {"sixteen exactly", {{3, 1}, {5, 1}, {7, 1}}, 16, 25, levelHigh, high},
      {"everything scoring",
       {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}},
       22,
       25,
       levelHigh,
       high},
      {"nothing scoring", {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}, 0, 30, levelLow, low},
  };
  for (const auto& c : cases) {
    RiskForm form;
    apply(form, c.clicks);
    EXPECT_EQ(form.totalScore(), c.total) << c.name;
    const CellView expected{
        true, c.fill, {{std::to_string(c.total), c.x, 5, black, {}}, {c.level, 45, 5, black, {}}}};
    EXPECT_EQ(form.totalView(), expected) << c.name;
  }
}

// Sato T, et al. Gen Thorac Cardiovasc Surg 2015;63(3):164-72: low 0-10,
// intermediate 11-14, high 15-22.
TEST(RiskLevel, FollowsThePublishedBands) {
  const struct {
    int total;
    RiskLevel level;
  } cases[] = {{0, RiskLevel::Low},           {10, RiskLevel::Low},  {11, RiskLevel::Intermediate},
               {14, RiskLevel::Intermediate}, {15, RiskLevel::High}, {22, RiskLevel::High}};
  for (const auto& c : cases) {
    EXPECT_EQ(riskLevel(c.total), c.level) << c.total;
  }
}

TEST(RiskForm, PointsCellsFlipAndPaintTheChosenPoints) {
  const struct {
    int factor;
    std::vector<Click> clicks;
    int choice;
    const char* points;
    Rgb color;
  } cases[] = {
      {3, {{3, 0}}, 1, "5", red},
      {3, {{3, 0}, {3, 0}}, 2, "0", blue},
      {3, {{3, 0}, {3, 0}, {3, 0}}, 1, "5", red},
      {1, {{1, 0}}, 2, "0", blue},
      {1, {{1, 0}, {1, 0}}, 1, "3", red},
      {6, {{6, 1}, {6, 1}}, 1, "2", red},
      {4, {{4, 2}, {4, 0}}, 1, "1", red},
      {7, {{7, 1}, {7, 2}}, 2, "0", blue},
  };
  for (const auto& c : cases) {
    RiskForm form;
    apply(form, c.clicks);
    EXPECT_EQ(form.factor(c.factor).choice, c.choice) << c.factor;
    EXPECT_EQ(form.pointsView(c.factor), (CellView{true, white, {{c.points, 30, 10, c.color, white}}}))
        << c.factor;
    EXPECT_EQ(optionMarks(form.factor(c.factor)), (OptionMarks{c.choice == 1, c.choice != 1}));
  }
}

TEST(RiskForm, OnlyTheClickedRowIsDrawn) {
  RiskForm form;
  form.setFactorChoice(2, 1);
  for (int k = 1; k <= factorCount; ++k) {
    EXPECT_EQ(form.pointsView(k).drawn, k == 2) << k;
  }
}

TEST(RiskForm, FactorTableHoldsThePublishedPoints) {
  int highest = 0;
  for (const FactorInfo& info : factorInfo) {
    highest += info.points1;
  }
  EXPECT_EQ(highest, 22);
  EXPECT_EQ(factorInfo[0].points1, 3);
  EXPECT_EQ(factorInfo[2].points1, 5);
  EXPECT_EQ(factorInfo[4].points1, 4);
}

TEST(HalScore, TotalsAndClasses) {
  const struct {
    std::vector<Click> clicks;  // factor field is the item number here
    int total;
    const char* classText;
    Rgb classFill;
  } cases[] = {
      {{{1, 0}}, 1, " 1", levelMid},
      {{{2, 1}}, 1, " 1", levelMid},
      {{{1, 1}, {3, 1}}, 2, "2≧", levelHigh},
      {{{1, 1}, {2, 1}, {3, 1}}, 3, "2≧", levelHigh},
      {{{1, 2}, {2, 2}, {3, 2}}, 0, " 0", levelLow},
      {{{1, 0}, {1, 0}}, 0, " 0", levelLow},
      {{{1, 0}, {1, 0}, {1, 0}, {2, 0}}, 2, "2≧", levelHigh},
  };
  for (const auto& c : cases) {
    HalScore hal;
    for (const Click& click : c.clicks) {
      click.option == 0 ? hal.toggleChoice(click.factor) : hal.setChoice(click.factor, click.option);
    }
    EXPECT_EQ(hal.halTotal(), c.total);
    EXPECT_EQ(hal.totalView(), (CellView{true, white, {{std::to_string(c.total), 30, 5, black, white}}}));
    EXPECT_EQ(hal.classView(), (CellView{true, c.classFill, {{c.classText, 25, 5, black, {}}}}));
  }
}

TEST(HalScore, StartsEmptyAndDrawsOnlyAnsweredItems) {
  HalScore hal;
  EXPECT_FALSE(hal.answered());
  EXPECT_FALSE(hal.classView().drawn);
  hal.toggleChoice(2);
  EXPECT_EQ(hal.pointsView(2), (CellView{true, white, {{"1", 30, 10, red, white}}}));
  EXPECT_FALSE(hal.pointsView(1).drawn);
  EXPECT_FALSE(hal.pointsView(3).drawn);
  hal.toggleChoice(2);
  EXPECT_EQ(hal.pointsView(2), (CellView{true, white, {{"0", 30, 10, blue, white}}}));
}

}  // namespace
}  // namespace tollandra
