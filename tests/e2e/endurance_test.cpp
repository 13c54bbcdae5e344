#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "harness.h"

namespace e2e {
namespace {

// Many thousands of events on one running program, sent as fast as the
// window system carries them; afterwards every cell must still paint what
// its state says and the process must not have grown.

constexpr std::array<int, 7> factorPoints = {3, 3, 5, 1, 4, 2, 4};

struct Expected {
  std::array<int, 7> factor{1, 0, 0, 0, 0, 0, 0};  // the sex starts male
  std::array<bool, 7> drawn{};
  std::array<int, 3> hal{};
};

void command(HWND window, int id, int notification = BN_CLICKED) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(id, notification), 0, SMTO_NORMAL, 3000, &result);
}

void setText(HWND box, const wchar_t* value) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value), SMTO_NORMAL, 3000, &result);
}

bool cellHas(HWND cell, bool (*matches)(COLORREF)) { return Capture(clientRectOnScreen(cell)).any(matches); }

COLORREF levelColour(int total) { return total >= 15 ? levelHigh : total >= 11 ? levelMid : levelLow; }

TEST(Endurance, ThousandsOfEventsLeaveEveryCellRightAndTheProcessSmall) {
  Program program;
  HWND main = program.mainWindow();
  HWND hal = program.halWindow();
  ASSERT_NE(hal, nullptr);
  Expected expected;
  std::mt19937 random(20261207);

  auto factorEvent = [&](int factor, int kind) {  // kind 1, 2: option; 0: the points cell
    if (kind == 0) {
      command(main, 1028 + factor);
      int& choice = expected.factor[factor - 1];
      choice = choice % 2 + 1;
    } else {
      command(main, (kind == 1 ? 1014 : 1021) + factor);
      expected.factor[factor - 1] = kind;
    }
    expected.drawn[factor - 1] = true;
  };
  auto halEvent = [&](int item, int kind) {
    command(hal, kind == 0 ? 1028 + item : (kind == 1 ? 1014 : 1021) + item);
    int& choice = expected.hal[item - 1];
    choice = kind == 0 ? choice % 2 + 1 : kind;
  };
  auto measure = [&](const wchar_t* age, const wchar_t* height, const wchar_t* vc) {
    setText(program.control(1000), age);
    setText(program.control(1001), height);
    setText(program.control(1002), vc);
    command(main, 1006);
  };
  auto openAndClose = [&](int menuCommand) {
    PostMessageW(main, WM_COMMAND, menuCommand, 0);
    HWND window = program.waitWindow(L"NORMALDLG");
    ASSERT_NE(window, nullptr);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(
        waitUntil([&] { return program.findWindow(L"NORMALDLG") == nullptr && IsWindowEnabled(main); }));
  };

  program.menu(0);
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(hal); }));
  // One of everything first, so the baseline includes what the first use loads.
  factorEvent(1, 1);
  halEvent(1, 1);
  measure(L"60", L"170", L"3000");
  openAndClose(1072);
  openAndClose(1071);
  program.settle();
  const SIZE_T before = program.workingSet();

  const wchar_t* const entries[][3] = {{L"45", L"160", L"2500"},
                                       {L"95", L"100", L"1500"},
                                       {L"18", L"191", L"6000"},
                                       {L"70.5", L"155.5", L"1800"},
                                       {L"17", L"94", L"1000"}};
  for (int round = 0; round < 60; ++round) {
    for (int i = 0; i < 100; ++i) {
      factorEvent(static_cast<int>(random() % 7) + 1, static_cast<int>(random() % 3));
    }
    for (int i = 0; i < 25; ++i) {
      halEvent(static_cast<int>(random() % 3) + 1, static_cast<int>(random() % 3));
    }
    const auto& entry = entries[round % 5];
    measure(entry[0], entry[1], entry[2]);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RedrawWindow(hal, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (round % 10 == 0) {
      openAndClose(round % 20 == 0 ? 1072 : 1071);
    }
  }
  for (int i = 0; i < 6000; ++i) {
    const int id = 1029 + i % 8;  // the seven points cells and the total
    RedrawWindow(program.control(id), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  // The last events: a man of 60 years, 170 cm, VC 3000.
  factorEvent(1, 1);
  measure(L"60", L"170", L"3000");
  program.settle();

  EXPECT_EQ(program.messageBox(), nullptr);
  int halTotal = 0;
  for (int k = 1; k <= 3; ++k) {
    const int choice = expected.hal[k - 1];
    halTotal += choice == 1 ? 1 : 0;
    EXPECT_EQ(text(GetDlgItem(hal, 1028 + k)), choice == 1 ? L"1" : L"0");
    EXPECT_TRUE(cellHas(GetDlgItem(hal, 1028 + k), choice == 1 ? isRed : isBlue));
  }
  EXPECT_EQ(text(GetDlgItem(hal, 1056)), std::to_wstring(halTotal));
  EXPECT_EQ(text(GetDlgItem(hal, 1058)), halTotal > 1 ? L"2≧" : std::to_wstring(halTotal));

  // The HAL window lies over the upper rows of the form: out of the way.
  command(hal, 1057);
  program.settle();
  int total = 0;
  for (int k = 1; k <= 7; ++k) {
    SCOPED_TRACE(k);
    const int choice = expected.factor[k - 1];
    if (!expected.drawn[k - 1]) {
      EXPECT_EQ(text(program.control(1028 + k)), L"*");
      continue;
    }
    const int points = choice == 1 ? factorPoints[k - 1] : 0;
    total += points;
    EXPECT_EQ(isChecked(program.control(1014 + k)), choice == 1);
    EXPECT_EQ(isChecked(program.control(1021 + k)), choice == 2);
    EXPECT_EQ(text(program.control(1028 + k)), std::to_wstring(points));
    EXPECT_TRUE(cellHas(program.control(1028 + k), choice == 1 ? isRed : isBlue));
  }
  const std::wstring level = total >= 15 ? L"（高リスク）" : total >= 11 ? L"（中リスク）" : L"（低リスク）";
  HWND totalCell = program.control(1036);
  EXPECT_EQ(text(totalCell), std::to_wstring(total) + L" " + level);
  const RECT totalRect = clientRectOnScreen(totalCell);
  EXPECT_EQ(screenPixel(totalRect.right - 4, totalRect.bottom - 4), levelColour(total));

  EXPECT_EQ(text(program.control(1037)), L"84.4 % 3555 : Baldwin");
  EXPECT_EQ(text(program.control(1038)), L"74.8 % 4012 : JRS2001");
  EXPECT_EQ(text(program.control(1039)), L"72.4 % 4142 : JRS2014");
  EXPECT_TRUE(cellHas(program.control(1037), isBlue));
  EXPECT_TRUE(cellHas(program.control(1039), isRed));

  const SIZE_T after = program.workingSet();
  EXPECT_LT(after, before + 2 * 1024 * 1024) << "working set grew from " << before << " to " << after;
}

}  // namespace
}  // namespace e2e
