#include <gtest/gtest.h>

#include "view/placement.h"

namespace tollandra {
namespace {

TEST(Placement, MainWindowAndIntroductionCentreOnTheScreen) {
  const struct {
    int width, height;
    Point main, intro;
  } cases[] = {
      {1920, 1080, {620, 240}, {690, 260}},  {1366, 768, {343, 84}, {413, 104}},
      {1365, 768, {342, 84}, {412, 104}},    {1024, 768, {172, 84}, {242, 104}},
      {539, 559, {-70, -20}, {0, 0}},  // -0.5 cuts toward zero
      {400, 300, {-140, -150}, {-70, -130}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mainWindowOrigin(c.width, c.height), c.main) << c.width << "x" << c.height;
    EXPECT_EQ(introductionOrigin(c.width, c.height), c.intro) << c.width << "x" << c.height;
  }
}

TEST(Placement, HalWindowSitsAboveTheMainWindowOrAtHalfItsTop) {
  const struct {
    int left, top;
    Point hal;
  } cases[] = {
      {343, 84, {403, 42}}, {100, 100, {160, 50}}, {0, 161, {60, 1}},
      {0, 160, {60, 80}},   {0, -8, {60, -4}},     {10, 500, {70, 340}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(halWindowOrigin(Rect{c.left, c.top, c.left + 680, c.top + 650}), c.hal) << c.top;
  }
}

TEST(Placement, InfoWindowsSitUpAndLeftOfTheMainWindow) {
  const struct {
    int left, top;
    Point info;
  } cases[] = {{100, 80, {80, 60}}, {0, 0, {-20, -20}}, {172, 84, {152, 64}}, {343, 84, {323, 64}}};
  for (const auto& c : cases) {
    EXPECT_EQ(infoWindowOrigin(Rect{c.left, c.top, c.left + 680, c.top + 650}), c.info);
  }
}

}  // namespace
}  // namespace tollandra
