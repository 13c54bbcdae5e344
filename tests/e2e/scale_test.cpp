// Display scale and the keyboard: the windows at 150 %, a window moved to a
// screen of another scale, and Tab and Enter through the measurement boxes.
// The Dpi144 tests run on a desktop at 144 DPI, the others at 96.

#include <gtest/gtest.h>

#include "harness.h"

namespace e2e {
namespace {

SIZE sizeOf(HWND window) {
  const RECT r = windowRect(window);
  return {r.right - r.left, r.bottom - r.top};
}

// A control's rectangle in its window's client area: x, y, width, height.
std::wstring place(HWND control) {
  RECT r = windowRect(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) +
         L"x" + std::to_wstring(r.bottom - r.top);
}

void enterExample(const Program& program) {
  const wchar_t* values[] = {L"60", L"170", L"3000"};
  for (int box = 1; box <= 3; ++box) {
    SendMessageW(program.control(Role::MeasurementBox, box), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(values[box - 1]));
  }
  click(program.control(Role::Compute));
  waitUntil([&] { return resultTexts(program) == manAt60And170; });
  program.settle();
}

// 96-DPI places times 1.5, halves rounded up: the age box (190, 480, 80 x 25),
// the compute button (280, 520, 110 x 25), the total (380, 370, 193 x 30).
TEST(Dpi144, WindowsAndControlsAreOneAndAHalfTimesTheirSize) {
  Program program(false);
  const SIZE intro = sizeOf(program.waitWindow(WindowKind::Introduction));
  EXPECT_EQ(intro.cx * 1000 + intro.cy, 810 * 1000 + 840);
  click(program.control(Role::Start, 0, 0, WindowKind::Introduction));
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()); }));
  const SIZE main = sizeOf(program.main());
  EXPECT_EQ(main.cx * 1000 + main.cy, 1020 * 1000 + 975);
  EXPECT_EQ(place(program.control(Role::MeasurementBox, 1)), L"285,720 120x38");
  EXPECT_EQ(place(program.control(Role::Compute)), L"420,780 165x38");
  EXPECT_EQ(place(program.control(Role::Total)), L"570,555 290x45");
  for (const tollandra::ControlRow& row : tollandra::windowSpec(WindowKind::Main).controls) {
    const RECT r = windowRect(GetDlgItem(program.main(), row.id));
    const RECT area = clientOnScreen(program.main());
    EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom)
        << row.id;
  }
  enterExample(program);
  EXPECT_EQ(resultTexts(program), manAt60And170);
  EXPECT_EQ(resultInks(program), L"BRR");
}

// Under Wine the message never comes by itself: the test sends it as the
// system would when the window reaches a screen at 150 %.
TEST(DpiChange, TheMainWindowLaysItselfOutAgainAndKeepsWhatWasEntered) {
  Program program;
  click(program.control(Role::Option, 3, 1));
  enterExample(program);
  // The suggested rectangle travels by pointer, so it must lie in the
  // program's own memory.
  const RECT suggested{100, 20, 1120, 995};
  void* remote = VirtualAllocEx(program.process(), nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
  ASSERT_TRUE(WriteProcessMemory(program.process(), remote, &suggested, sizeof suggested, nullptr));
  SendMessageW(program.main(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(remote));
  program.settle();
  EXPECT_EQ(sizeOf(program.main()).cx, 1020);
  EXPECT_EQ(windowRect(program.main()).top, 20);
  EXPECT_EQ(place(program.control(Role::MeasurementBox, 1)), L"285,720 120x38");
  EXPECT_EQ(text(program.control(Role::MeasurementBox, 3)), L"3000");
  EXPECT_TRUE(isChecked(program.control(Role::Option, 3, 1)));
  EXPECT_EQ(text(program.control(Role::Total)), L"8 （低リスク）");
  EXPECT_EQ(resultTexts(program), manAt60And170);
  // The results lie below this screen's edge now; the points cells show.
  EXPECT_GT(Capture(clientOnScreen(program.control(Role::Points, 3))).count(isRed), 0);
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
  DWORD start = 1, end = 0;
  SendMessageW(height, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start * 100 + end, 3u);
  pressKeys({VK_TAB});
  pressKeys({VK_TAB});
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::MeasurementBox, 1));
  EXPECT_EQ(text(program.control(Role::MeasurementBox, 3)), L"3000");
}

}  // namespace
}  // namespace e2e
