#include <gtest/gtest.h>

#include <vector>

#include "../screens.h"
#include "core/windows/focus_guard.h"
#include "core/windows/placement.h"

namespace tollandra {
namespace {

const WindowTable& main() { return windowTable(WindowKind::Main); }

Screen whole(int width, int height, int dpi = baseDpi) { return {{0, 0, width, height}, {0, 0, width, height}, dpi}; }

// At 100 % the windows are the sizes of the tables with Windows' frame
// (680 x 700, 540 x 560): the main window centred, its top 300 px above the
// middle, halves in single precision cut toward zero (1365 / 2 - 340 =
// 342.5 -> 342, 539 / 2 - 270 = -0.5 -> 0), and kept inside the work area;
// the HAL window 60 px right of the main window and 160 px above it, or at
// half its top when that lies within 160 px of the screen's top (-9 / 2 ->
// -4); About and the references 20 px left of and above it. At 150 % every
// distance is half as long again, halves rounded away from zero as MulDiv
// rounds (25 -> 37.5 -> 38, -5 -> -8).
TEST(Placement, EachWindowPlacesItselfByItsScreenOrTheMainWindow) {
  const Size mainSize{680, 700}, introSize{540, 560};
  EXPECT_EQ(windowSize(main(), 96, standardFrame(WindowKind::Main)), mainSize);
  EXPECT_EQ(windowSize(windowTable(WindowKind::Introduction), 96, standardFrame(WindowKind::Introduction)),
            introSize);
  const struct {
    Screen screen;
    Point main, intro;
  } screens[] = {{whole(1920, 1080), {620, 240}, {690, 260}},
                 {whole(1365, 768), {342, 68}, {412, 104}},
                 {{{0, 0, 1366, 768}, {0, 0, 1366, 728}}, {343, 28}, {413, 104}},
                 {whole(539, 559), {0, 0}, {0, 0}},
                 {{{1920, 0, 3200, 1024}, {1920, 30, 3200, 1024}}, {2220, 212}, {2290, 232}}};
  for (const auto& s : screens) {
    EXPECT_EQ(mainWindowOrigin(s.screen, mainSize, 96), s.main) << s.screen.monitor.right;
    EXPECT_EQ(introductionOrigin(s.screen, introSize), s.intro) << s.screen.monitor.right;
  }
  const Screen screen = whole(1366, 768);
  const struct {
    int left, top;
    Point hal, info;
  } mains[] = {{343, 84, {403, 42}, {323, 64}}, {100, 300, {160, 140}, {80, 223}},
               {0, 161, {60, 1}, {0, 141}},  {10, 160, {70, 80}, {0, 140}},
               {5, -9, {65, 0}, {0, 0}},     {1000, 200, {846, 40}, {746, 180}}};
  for (const auto& m : mains) {
    const Rect mainRect{m.left, m.top, m.left + 680, m.top + 700};
    EXPECT_EQ(halWindowOrigin(mainRect, screen, {520, 310}, 96), m.hal) << m.left << "," << m.top;
    EXPECT_EQ(infoWindowOrigin(mainRect, screen, {620, 545}, 96), m.info) << m.left << "," << m.top;
  }
  EXPECT_EQ(scaled(Box{190, 505, 193, 25}, 144), (Box{285, 758, 290, 38}));
  EXPECT_EQ(scaled(-5, 144), -8);
  EXPECT_EQ(halWindowOrigin(Rect{450, 241, 0, 0}, whole(1920, 1080), {780, 465}, 144), (Point{540, 1}));
  const Screen above{{0, -1080, 1920, 0}, {0, -1080, 1920, 0}};  // a monitor above the first
  EXPECT_EQ(halWindowOrigin(Rect{0, -999, 0, 0}, above, {520, 310}, 96), (Point{60, -499}));
  EXPECT_EQ(infoWindowOrigin(Rect{450, 90, 0, 0}, whole(1920, 1080), {930, 818}, 144), (Point{420, 60}));
  // The postoperative window 60 px right of the main window's left edge and
  // 200 px below its top, where a HAL window in its place ends 50 px above;
  // below the HAL window's place where that lies lower: 84 / 2 + 310 = 352,
  // and at 150 %, with the HAL window's frame scaled too (795 x 466), 0 + 466.
  EXPECT_EQ(ppoWindowOrigin(Rect{343, 84, 0, 0}, screen, {580, 365}, 96, {530, 310}), (Point{403, 352}));
  EXPECT_EQ(ppoWindowOrigin(Rect{343, 84, 0, 0}, screen, {580, 365}, 96, {530, 317}), (Point{403, 359}));
  EXPECT_EQ(ppoWindowOrigin(Rect{1000, 200, 0, 0}, screen, {580, 365}, 96, {530, 310}), (Point{786, 400}));
  EXPECT_EQ(ppoWindowOrigin(Rect{450, 0, 0, 0}, whole(1920, 1080), {870, 548}, 144, {795, 466}), (Point{540, 466}));
  EXPECT_EQ(titleScaleFor(120) * 10 + titleScaleFor(144), 12);
}

// The main window is 651 px of client area at 100 % (700 with the frame):
// at 125 % under a 48-px taskbar a 1366 x 768 screen leaves 708 px, and
// 651 x 96 / 96 + 61 = 712 does not fit but 644 + 61 = 705 does (95 DPI);
// 1920 x 1080 at 150 % leaves 1008, 929 + 74 = 1003 at 137 DPI; 1280 x 720
// at 100 % leaves 672, 617 + 49 at 91. Never below 90 %: on 1024 x 600 the
// window stays at 87 DPI with its top in the work area.
TEST(Placement, EveryWindowFitsTheWorkAreaAtTheLargestScaleThatFits) {
  const struct {
    int width, height, dpi, taskbar, fitting;
  } worked[] = {{1366, 768, 120, 48, 95},
                {1920, 1080, 144, 48, 137},
                {1280, 720, 96, 48, 91},
                {1366, 768, 96, 40, 96},
                {1024, 600, 96, 40, 87}};
  for (const auto& w : worked) {
    const Screen screen = screens::Common{w.width, w.height, w.dpi, w.taskbar}.screen();
    EXPECT_EQ(fittingDpi(main(), screen, screens::frameAt(WindowKind::Main, w.dpi)), w.fitting) << w.width;
  }
  EXPECT_EQ(mainWindowOrigin(whole(1024, 560), windowSize(main(), 87, standardFrame(WindowKind::Main)), 87),
            (Point{204, 0}));
  for (const screens::Common& common : screens::common()) {
    const Screen screen = common.screen();
    for (WindowKind kind : {WindowKind::Main, WindowKind::Hal, WindowKind::Introduction, WindowKind::About,
                            WindowKind::References, WindowKind::Ppo}) {
      const Size frame = screens::frameAt(kind, common.dpi);
      const int dpi = fittingDpi(windowTable(kind), screen, frame);
      const Size size = windowSize(windowTable(kind), dpi, frame);
      const Point at = kind == WindowKind::Main ? mainWindowOrigin(screen, size, dpi) : introductionOrigin(screen, size);
      const bool inside = at.x >= 0 && at.y >= 0 && at.x + size.width <= screen.work.right &&
                          at.y + size.height <= screen.work.bottom;
      const Size larger = windowSize(windowTable(kind), dpi + 1, frame);
      EXPECT_TRUE(inside && (dpi == common.dpi || larger.height > screen.work.height()))
          << common.width << "x" << common.height << " at " << common.dpi << " with " << common.taskbar
          << ": window " << static_cast<int>(kind) << " at " << dpi;
    }
  }
}

// Tab goes through the answers top to bottom as the window shows them, one
// stop an item, then the boxes and the compute button (the HAL window: its
// hide button), and round again; Shift+Tab the other way. A points cell
// stands for its item; from a control of no stop, Tab starts at either end.
// ← and → choose the left and the right option; ↑ and ↓ go to the item
// above or below, round from the last to the first, and choose nothing.
TEST(Keys, TabGoesRoundTheAnswersInReadingOrderAndArrowsGoWhereTheyPoint) {
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
  for (int box = 1; box <= 4; ++box) {  // the postoperative window's four boxes, round
    const TabStop here{MeasurementBox, box}, next{MeasurementBox, box % 4 + 1};
    EXPECT_EQ(nextTabStop(WindowKind::Ppo, here, false), next);
    EXPECT_EQ(nextTabStop(WindowKind::Ppo, next, true), here);
  }
  const struct {
    WindowKind kind;
    int item;
    Arrow arrow;
    ArrowMove move;
  } arrows[] = {{WindowKind::Main, 7, Arrow::Left, {7, 1}}, {WindowKind::Main, 7, Arrow::Right, {7, 2}},
                {WindowKind::Main, 7, Arrow::Up, {3, 0}},   {WindowKind::Main, 7, Arrow::Down, {5, 0}},
                {WindowKind::Main, 4, Arrow::Down, {1, 0}}, {WindowKind::Main, 1, Arrow::Up, {4, 0}},
                {WindowKind::Hal, 3, Arrow::Down, {1, 0}},  {WindowKind::Hal, 2, Arrow::Left, {2, 1}}};
  for (const auto& a : arrows)
    EXPECT_EQ(arrowMove(a.kind, a.item, a.arrow), a.move) << a.item << " " << static_cast<int>(a.arrow);
}

// Each window counts its own focus moves, nested ones included (a refusal's
// box taking the focus back inside the move that set it off): an option
// clicked in the HAL window while the main window moves its focus is an
// answer, and a modal message waits until no window is moving.
TEST(Keys, EachWindowGuardsItsOwnFocusMovesUntilTheOutermostEnds) {
  FocusGuard guard;
  constexpr FocusGuard::Window mainWindow = 0x1A2B, hal = 0x3C4D;
  {
    const FocusGuard::Move outer(guard, mainWindow);
    { const FocusGuard::Move inner(guard, mainWindow); }
    EXPECT_TRUE(guard.moving(mainWindow));
    EXPECT_FALSE(guard.moving(hal));
    EXPECT_TRUE(guard.anyMoving());
  }
  EXPECT_FALSE(guard.moving(mainWindow));
  EXPECT_FALSE(guard.anyMoving());
}

// The main window at 100 % under a 40-px taskbar (728 px of work area) is
// 674 x 651 of client in a 6 x 49 frame. 40 px short, it would need 740, so
// it is laid out at 94 DPI instead: 651 x 94 / 96 = 637.4 -> 637, + 89 = 726,
// and 674 -> 660, + 6 = 666 (95 DPI would need 644 + 89 = 733). Laid out at
// 94 DPI, a menu bar wrapped to a second row (20 px) grows it to 637 + 69 =
// 706 at that scale, never the larger one it would fit at now. A client as
// tall as asked for, or taller, changes nothing. The icons: 16 and 32 px at
// 100 %, 20 and 40 at 125 %, 24 and 48 at 150 %, 32 and 64 at 200 %.
TEST(Placement, AShortClientAreaGrowsTheWindowOrTakesASmallerScale) {
  const Screen screen{{0, 0, 1366, 768}, {0, 0, 1366, 728}, 96};
  const Size frame{6, 49};
  EXPECT_EQ(growOrRefit(main(), screen, frame, 96, {674, 661}), (Refit{96, frame, {680, 700}}));
  EXPECT_EQ(growOrRefit(main(), screen, frame, 94, {660, 617}), (Refit{94, {6, 69}, {666, 706}}));
  EXPECT_EQ(growOrRefit(main(), screen, frame, 96, {674, 611}), (Refit{94, {6, 89}, {666, 726}}));
  const struct {
    int dpi, small, large;
  } icons[] = {{96, 16, 32}, {120, 20, 40}, {144, 24, 48}, {192, 32, 64}};
  for (const auto& icon : icons) {
    EXPECT_EQ(iconSizesFor(icon.dpi).small, icon.small) << icon.dpi;
    EXPECT_EQ(iconSizesFor(icon.dpi).large, icon.large) << icon.dpi;
  }
}

}  // namespace
}  // namespace tollandra
