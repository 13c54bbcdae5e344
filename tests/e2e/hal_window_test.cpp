// The HAL score window, driven with real clicks and keys: where the main
// window's menu shows it, its points, total and class cells as texts and
// pixels, hiding and showing, and that its repaints leave the focus alone.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

constexpr int totalCellId = 1056;
constexpr int hideButtonId = 1057;
constexpr int classCellId = 1058;
constexpr int ageBoxId = 1000;

int option1Id(int item) { return 1014 + item; }
int option2Id(int item) { return 1021 + item; }
int cellId(int item) { return 1028 + item; }

// A positive finding counts 1 point.
constexpr int itemPoints[4] = {0, 1, 1, 1};

HWND halControl(const Program& program, int id) { return GetDlgItem(program.halWindow(), id); }

testing::AssertionResult itemsShow(const Program& program, const int (&choices)[3]) {
  for (int item = 1; item <= 3; ++item) {
    if (auto shown = choiceShows(program.halWindow(), item, choices[item - 1], 1); !shown) {
      return shown;
    }
  }
  return testing::AssertionSuccess();
}

// The total cell (black digits on white at (30, 5)) and the class cell
// (black text on its class colour at (25, 5); " 1" and " 0" start with a
// blank, so their digit starts a few pixels further right than "2≧").
testing::AssertionResult resultShows(const Program& program, int total, const std::wstring& classText,
                                     COLORREF classFill) {
  if (auto shown = cellShows(halControl(program, totalCellId), std::to_wstring(total),
                             {white, black, red, 30, 33, 5, 20});
      !shown) {
    return shown;
  }
  const int leftMost = classText == L"2≧" ? 28 : 34;
  return cellShows(halControl(program, classCellId), classText, {classFill, black, red, 25, leftMost, 5, 10});
}

// Where the window shows while the main window stays where it opened,
// (343, 84) on this screen: 60 px right of it and at half its top.
constexpr POINT besideOpenedMain = {403, 42};

bool isAt(HWND window, POINT origin) {
  const RECT r = windowRect(window);
  return r.left == origin.x && r.top == origin.y;
}

testing::AssertionResult shownAt(HWND window, POINT origin) {
  const RECT r = windowRect(window);
  if (!IsWindowVisible(window) || r.left != origin.x || r.top != origin.y) {
    return testing::AssertionFailure() << "visible " << IsWindowVisible(window) << " at " << r.left << ","
                                       << r.top << ", expected " << origin.x << "," << origin.y;
  }
  return testing::AssertionSuccess();
}

// Runs the menu item and waits for the window to show and place itself.
void showHalWindow(const Program& program, POINT origin = besideOpenedMain) {
  program.menu(0);
  program.waitFor([&] { return IsWindowVisible(program.halWindow()) && isAt(program.halWindow(), origin); });
}

void moveMainWindow(const Program& program, int x, int y) {
  SetWindowPos(program.mainWindow(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  program.waitFor([&] { return isAt(program.mainWindow(), {x, y}); });
}

// The pixels of the five cells, to compare before and after.
std::vector<Capture> captureCells(const Program& program) {
  std::vector<Capture> cells;
  for (int id : {cellId(1), cellId(2), cellId(3), totalCellId, classCellId}) {
    cells.emplace_back(clientRectOnScreen(halControl(program, id)));
  }
  return cells;
}

TEST(HalWindow, HiddenAtStartAndTheMenuShowsItAboveTheMainWindow) {
  Program program;
  HWND hal = program.halWindow();
  ASSERT_NE(hal, nullptr);
  EXPECT_FALSE(IsWindowVisible(hal));
  EXPECT_EQ(text(hal), L"ＨＡＬスコア");
  const RECT size = windowRect(hal);
  EXPECT_EQ(size.right - size.left, 520);
  EXPECT_EQ(size.bottom - size.top, 260);
  const LONG style = GetWindowLongW(hal, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_POPUP | WS_CAPTION);
  // Nothing is drawn before the first click.
  EXPECT_TRUE(itemsShow(program, {0, 0, 0}));
  EXPECT_EQ(text(halControl(program, totalCellId)), L"");
  EXPECT_EQ(text(halControl(program, classCellId)), L"");

  const struct {
    int mainX, mainY;  // where the main window is moved first; 0, 0: left where it opened
    POINT hal;
  } cases[] = {
      {0, 0, {403, 42}},       // (343, 84) on this screen: 84 / 2
      {343, 300, {403, 140}},  // 300 - 160
      {200, 161, {260, 1}},    // just below the switch
      {343, 160, {403, 80}},   // 160 / 2
      {343, 100, {403, 50}},
      {343, -8, {403, -4}},  // pushed partly above the screen: -8 / 2, cut toward zero
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "main window top " << c.mainY);
    if (c.mainX != 0 || c.mainY != 0) {
      moveMainWindow(program, c.mainX, c.mainY);
    } else {
      ASSERT_TRUE(isAt(program.mainWindow(), {343, 84}));
    }
    showHalWindow(program, c.hal);
    EXPECT_TRUE(shownAt(hal, c.hal));
    program.menu(0);
    program.waitFor([&] { return !IsWindowVisible(hal); });
    EXPECT_FALSE(IsWindowVisible(hal));
  }
}

TEST(HalWindow, PointsTotalAndClassFollowEveryChoice) {
  Program program;
  // A few factors of the main form: 5 + 2 + male 3.
  for (int id : {1017, 1026, 1020}) {
    clickApart(program.control(id));
  }
  program.waitFor([&] { return text(program.control(1036)) == L"10 （低リスク）"; });
  EXPECT_EQ(text(program.control(1036)), L"10 （低リスク）");
  showHalWindow(program);
  ASSERT_TRUE(IsWindowVisible(program.halWindow()));

  const struct {
    int id;
    int choices[3];
    int total;
    const wchar_t* classText;
    COLORREF classFill;
  } steps[] = {
      {cellId(1), {1, 0, 0}, 1, L"1", levelMid},  // nothing -> positive; the others count 0
      {cellId(1), {2, 0, 0}, 0, L"0", levelLow},
      {cellId(1), {1, 0, 0}, 1, L"1", levelMid},
      {option1Id(2), {1, 1, 0}, 2, L"2≧", levelHigh},
      {option1Id(3), {1, 1, 1}, 3, L"2≧", levelHigh},
      {option2Id(1), {2, 1, 1}, 2, L"2≧", levelHigh},
      {option2Id(2), {2, 2, 1}, 1, L"1", levelMid},
      {option2Id(3), {2, 2, 2}, 0, L"0", levelLow},  // all three negative
      {option2Id(3), {2, 2, 2}, 0, L"0", levelLow},  // the same button again
      {option1Id(1), {1, 2, 2}, 1, L"1", levelMid},
      {option2Id(3), {1, 2, 2}, 1, L"1", levelMid},  // must leave item 1's mark
      {option2Id(2), {1, 2, 2}, 1, L"1", levelMid},
      {cellId(2), {1, 1, 2}, 2, L"2≧", levelHigh},
      {cellId(3), {1, 1, 1}, 3, L"2≧", levelHigh},
      {option2Id(2), {1, 2, 1}, 2, L"2≧", levelHigh},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "click on " << step.id << ", total " << step.total);
    clickApart(halControl(program, step.id));
    const auto shown = [&] {
      return itemsShow(program, step.choices) &&
             resultShows(program, step.total, step.classText, step.classFill);
    };
    program.waitFor(shown);
    EXPECT_TRUE(itemsShow(program, step.choices));
    EXPECT_TRUE(resultShows(program, step.total, step.classText, step.classFill));
  }
  // The HAL window keeps its own score: the main form's total is untouched.
  EXPECT_EQ(text(program.control(1036)), L"10 （低リスク）");
}

TEST(HalWindow, AClickOnOneItemLeavesTheMarksOfTheOthers) {
  Program program;
  showHalWindow(program);
  int choices[4] = {};
  expectClicksLeaveTheOtherRows(program, program.halWindow(), {1, 2, 3}, itemPoints, choices,
                                [&](const int* now) -> testing::AssertionResult {
                                  const int total = (now[1] == 1) + (now[2] == 1) + (now[3] == 1);
                                  if (text(halControl(program, totalCellId)) != std::to_wstring(total)) {
                                    return testing::AssertionFailure() << "total is not " << total;
                                  }
                                  return testing::AssertionSuccess();
                                });
}

TEST(HalWindow, HidingKeepsEverythingAndAltF4OnlyHidesIt) {
  Program program;
  HWND hal = program.halWindow();
  showHalWindow(program);
  for (int id : {option1Id(1), option2Id(2), cellId(3)}) {
    clickApart(halControl(program, id));
  }
  const auto kept = [&] {
    return itemsShow(program, {1, 2, 1}) && resultShows(program, 2, L"2≧", levelHigh);
  };
  program.waitFor(kept);
  ASSERT_TRUE(kept());
  const std::vector<Capture> before = captureCells(program);

  const struct {
    const char* name;
    std::function<void()> hide;
  } ways[] = {
      {"Ｘ button", [&] { clickApart(halControl(program, hideButtonId)); }},
      {"Alt+F4",
       [&] {
         // A click on a label makes the window the active one, as a user would.
         clickApart(halControl(program, 1003));
         ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == hal; }, 2000));
         pressKeys({VK_MENU, VK_F4});
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    way.hide();
    program.waitFor([&] { return !IsWindowVisible(hal); });
    EXPECT_FALSE(IsWindowVisible(hal));
    EXPECT_TRUE(IsWindow(hal)) << "the window was destroyed";
    DWORD code = 0;
    EXPECT_FALSE(program.waitExit(0, &code)) << "the program ended with " << code;
    EXPECT_TRUE(IsWindowVisible(program.mainWindow()));
    showHalWindow(program);
    EXPECT_TRUE(shownAt(hal, besideOpenedMain));
    program.waitFor([&] { return captureCells(program) == before; });
    EXPECT_TRUE(kept());
    EXPECT_TRUE(captureCells(program) == before) << "the cells look different after showing again";
  }
}

TEST(HalWindow, ItsRepaintsLeaveTheFocusInTheAgeBox) {
  Program program;
  HWND hal = program.halWindow();
  showHalWindow(program);
  HWND age = program.control(ageBoxId);
  click(age);
  program.waitFor([&] { return program.focus() == age; });
  ASSERT_EQ(program.focus(), age);

  const struct {
    int mainX, mainY;
    POINT hal;
  } places[] = {{343, 84, besideOpenedMain}, {300, 200, {360, 40}}, {343, 84, besideOpenedMain}};
  for (const auto& place : places) {
    SCOPED_TRACE(testing::Message() << "main window at " << place.mainX << "," << place.mainY);
    moveMainWindow(program, place.mainX, place.mainY);
    RedrawWindow(hal, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    // The window follows the main window only when it paints: seeing it there
    // shows the repaint has run.
    program.waitFor([&] { return isAt(hal, place.hal); });
    EXPECT_TRUE(shownAt(hal, place.hal));
    EXPECT_EQ(program.focus(), age);
    EXPECT_EQ(program.messageBox(), nullptr);
    EXPECT_EQ(text(age), L"**") << "the age box was read";
  }
}

}  // namespace
}  // namespace e2e
