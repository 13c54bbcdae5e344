// Display scale and the keyboard: the windows at 150 %, a window moved to a
// screen of another scale, and Tab and Enter through the measurement boxes.
// The Dpi144 tests run on a desktop at 144 DPI, the others at 96.

#include <gtest/gtest.h>

#include "harness.h"

namespace e2e {
namespace {

// A window's place and size: a control's in its window's client area.
std::wstring place(HWND window) {
  RECT r = windowRect(window);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) +
         L"x" + std::to_wstring(r.bottom - r.top);
}

// 96-DPI sizes and places times 1.5, halves rounded up: the introduction
// (540 x 560), the main window (680 x 650), the age box (190, 480, 80 x 25),
// the compute button (280, 520, 110 x 25), the total (380, 370, 193 x 30);
// the main window 675 high moves up into the work area.
TEST(Dpi144, WindowsAndControlsAreOneAndAHalfTimesTheirSize) {
  Program program(false);
  EXPECT_TRUE(place(program.waitWindow(WindowKind::Introduction)).ends_with(L" 810x840"));
  click(program.control(Role::Start, 0, 0, WindowKind::Introduction));
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()); }));
  EXPECT_TRUE(place(program.main()).ends_with(L" 1020x1013"));
  EXPECT_EQ(place(program.control(Role::MeasurementBox, 1)), L"285,720 120x38");
  EXPECT_EQ(place(program.control(Role::Compute)), L"420,780 165x38");
  EXPECT_EQ(place(program.control(Role::Total)), L"570,555 290x45");
  EXPECT_TRUE(fitsTheScreen(program));
  enterExample(program);
  EXPECT_EQ(resultTexts(program), manAt60And170);
  EXPECT_EQ(resultInks(program), L"BRR");
  EXPECT_EQ(text(program.control(Role::LowerLimitLine)), manAt60And170Limit);
  EXPECT_EQ(inkOf(program.control(Role::LowerLimitLine)), L'R');
}

// Under Wine the message never comes by itself: the test sends it as the
// system would when the window reaches a screen at 150 %. The suggested
// rectangle travels by pointer, so it must lie in the program's memory.
TEST(DpiChange, TheMainWindowLaysItselfOutAgainAndKeepsWhatWasEntered) {
  Program program;
  click(program.control(Role::Option, 3, 1));
  enterExample(program);
  const RECT suggested{100, 20, 1120, 995};
  void* remote = VirtualAllocEx(program.process(), nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
  ASSERT_TRUE(WriteProcessMemory(program.process(), remote, &suggested, sizeof suggested, nullptr));
  SendMessageW(program.main(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(remote));
  program.settle();
  // Where suggested and as wide; this screen is too low for all its height.
  EXPECT_TRUE(place(program.main()).starts_with(L"100,20 1020x"));
  EXPECT_EQ(place(program.control(Role::MeasurementBox, 1)), L"285,720 120x38");
  EXPECT_EQ(text(program.control(Role::MeasurementBox, 3)), L"3000");
  EXPECT_EQ(text(program.control(Role::Total)), L"8 （低リスク）");
  EXPECT_EQ(resultTexts(program), manAt60And170);
  // The results lie below this screen's edge now; the points cells show.
  EXPECT_GT(count(capture(clientOnScreen(program.control(Role::Points, 3))), isRed), 0);
}

// Tab and Shift+Tab go round the three boxes, each reached with its whole
// text selected; Enter computes. Neither puts a character into a box.
TEST(MeasurementBoxes, TabMovesBetweenThemAndEnterComputes) {
  Program program;
  typeInto(program, 1, L"60");
  for (const wchar_t* value : {L"170", L"3000"}) {
    pressKeys({VK_TAB});
    program.settle();
    typeText(value);
  }
  pressKeys({VK_RETURN});
  EXPECT_TRUE(waitUntil([&] { return resultTexts(program) == manAt60And170; })) << resultTexts(program);
  pressKeys({VK_SHIFT, VK_TAB});
  program.settle();
  HWND height = program.control(Role::MeasurementBox, 2);
  EXPECT_EQ(program.focus(), height);
  EXPECT_EQ(SendMessageW(height, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));  // "170" selected whole
  pressKeys({VK_TAB});
  pressKeys({VK_TAB});
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::MeasurementBox, 1));
  EXPECT_EQ(text(program.control(Role::MeasurementBox, 3)), L"3000");
}

}  // namespace
}  // namespace e2e
