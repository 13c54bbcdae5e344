#include <gtest/gtest.h>

#include <vector>

#include "core/windows/placement.h"

namespace tollandra {
namespace {

// Halves in single precision, cut toward zero: 1365 / 2 - 340 = 342.5 -> 342,
// 539 / 2 - 270 = -0.5 -> 0; a main window too high for the screen stays
// at its top. The HAL window halves a top within 160 px of
// the screen's top, also cut toward zero: -9 / 2 -> -4.
TEST(Placement, EachWindowPlacesItselfByTheScreenOrTheMainWindow) {
  const struct {
    int width, height;
    Point main, intro;
  } screens[] = {{1920, 1080, {620, 240}, {690, 260}},
                 {1366, 768, {343, 68}, {413, 104}},
                 {1365, 768, {342, 68}, {412, 104}},
                 {539, 559, {-70, 0}, {0, 0}}};
  for (const auto& s : screens) {
    EXPECT_EQ(mainWindowOrigin(s.width, s.height, Rect{0, 0, s.width, s.height}), s.main)
        << s.width << "x" << s.height;
    EXPECT_EQ(introductionOrigin(s.width, s.height), s.intro) << s.width << "x" << s.height;
  }
  const struct {
    int left, top;
    Point hal, info;
  } mains[] = {{343, 84, {403, 42}, {323, 64}}, {100, 100, {160, 50}, {80, 80}},
               {0, 161, {60, 1}, {-20, 141}},   {0, 160, {60, 80}, {-20, 140}},
               {0, -8, {60, -4}, {-20, -28}},   {5, -9, {65, -4}, {-15, -29}}};
  for (const auto& m : mains) {
    const Rect main{m.left, m.top, m.left + 680, m.top + 650};
    EXPECT_EQ(halWindowOrigin(main), m.hal) << m.top;
    EXPECT_EQ(infoWindowOrigin(main), m.info) << m.top;
  }
  // At 150 % every distance is half as long again, halves rounded away from
  // zero as MulDiv rounds: 25 -> 37.5 -> 38, 193 -> 289.5 -> 290, -5 -> -8.
  // On 1920 x 1080: the main window at 960 - 510, 540 - 450; the introduction
  // at 960 - 405, 540 - 420; the HAL window 90 right and at half a top within
  // 240; the information windows 30 up and left.
  EXPECT_EQ(scaled(Box{190, 480, 193, 25}, 144), (Box{285, 720, 290, 38}));
  EXPECT_EQ(scaled(-5, 144), -8);
  EXPECT_EQ(scaled(-16, 120), -20);
  EXPECT_EQ(mainWindowOrigin(1920, 1080, Rect{0, 0, 1920, 1040}, 144), (Point{450, 0}));
  EXPECT_EQ(introductionOrigin(1920, 1080, 144), (Point{555, 120}));
  EXPECT_EQ(halWindowOrigin(Rect{450, 240, 0, 0}, 144), (Point{540, 120}));
  EXPECT_EQ(halWindowOrigin(Rect{450, 241, 0, 0}, 144), (Point{540, 1}));
  EXPECT_EQ(infoWindowOrigin(Rect{450, 90, 0, 0}, 144), (Point{420, 60}));
  EXPECT_EQ(titleScaleFor(120) * 10 + titleScaleFor(144), 12);
}

// The window is 700 px high (1050 at 150 %); a bottom below the work area
// moves up to its edge, but never above its top.
TEST(Placement, TheMainWindowMovesUpIntoTheWorkArea) {
  const struct {
    int width, height, dpi;
    Rect work;
    Point main;
  } cases[] = {{1366, 768, 96, {0, 0, 1366, 768}, {343, 68}},
               {1366, 768, 96, {0, 0, 1366, 728}, {343, 28}},
               {1366, 768, 96, {0, 30, 1366, 768}, {343, 68}},
               {1920, 1080, 144, {0, 0, 1920, 1080}, {450, 30}},
               {800, 600, 96, {0, 20, 800, 560}, {60, 20}}};
  for (const auto& c : cases)
    EXPECT_EQ(mainWindowOrigin(c.width, c.height, c.work, c.dpi), c.main) << c.work.bottom << " at " << c.dpi;
}

// Tab goes through the answers top to bottom as the window shows them, one
// stop an item, then the boxes and the compute button (the HAL window: its
// hide button), and round again; Shift+Tab the other way. A points cell
// stands for its item; from a control of no stop, Tab starts at either end.
TEST(TabStops, GoRoundTheAnswersInReadingOrder) {
  using enum Role;
  const std::vector<TabStop> ring = {{Option, 1}, {Option, 3}, {Option, 7}, {Option, 5},
                                     {Option, 2}, {Option, 6}, {Option, 4}, {MeasurementBox, 1},
                                     {MeasurementBox, 2}, {MeasurementBox, 3}, {Compute, 0}};
  for (std::size_t k = 0; k < ring.size(); ++k) {
    EXPECT_EQ(nextTabStop(WindowKind::Main, ring[k], false), ring[(k + 1) % ring.size()]) << k;
    EXPECT_EQ(nextTabStop(WindowKind::Main, ring[(k + 1) % ring.size()], true), ring[k]) << k;
  }
  EXPECT_EQ(nextTabStop(WindowKind::Main, {Points, 5}, false), (TabStop{Option, 2}));
  EXPECT_EQ(nextTabStop(WindowKind::Main, {ResultBox, 2}, true), (TabStop{Compute, 0}));
  EXPECT_EQ(nextTabStop(WindowKind::Hal, {Option, 3}, false), (TabStop{Hide, 0}));
}

}  // namespace
}  // namespace tollandra
