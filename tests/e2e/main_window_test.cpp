#include <gtest/gtest.h>

#include <functional>

#include "harness.h"

namespace e2e {
namespace {

POINT clientOrigin(HWND parent, HWND child) {
  RECT r = windowRect(child);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top};
}

TEST(MainWindow, OpensCentredWithItsTitleAndFixedSize) {
  Program program;
  HWND main = program.mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(className(main), L"NORMAL0");
  EXPECT_EQ(text(main), L"術後間質性肺炎の急性憎悪リスク");
  const RECT r = windowRect(main);
  EXPECT_EQ(r.left, 343);
  EXPECT_EQ(r.top, 84);
  EXPECT_EQ(r.right - r.left, 680);
  EXPECT_EQ(r.bottom - r.top, 650);
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST(MainWindow, HasAllItsControlsWithTheirCaptionsAndPlaces) {
  const struct {
    int id;
    const wchar_t* windowClass;
    const wchar_t* caption;
    int x, y, w, h;
  } expected[] = {
      {1000, L"Edit", L"**", 190, 480, 80, 25},
      {1001, L"Edit", L"***", 190, 520, 80, 25},
      {1002, L"Edit", L"****", 190, 560, 80, 25},
      {1003, L"Static", L"年齢 （ 17 - 100 yrs ）", 5, 483, 180, 20},
      {1004, L"Static", L"ＶＣ (1,000-6,000 mL ）", 6, 564, 180, 20},
      {1005, L"Static", L"身長 ( 94 - 210 cm ）", 5, 523, 180, 20},
      {1006, L"Button", L"%VC 計算  → ", 280, 520, 110, 25},
      {1007, L"Static", L"性別 ：", 20, 30, 205, 20},
      {1008, L"Static", L"術前ステロイド治療の有無 ：", 20, 230, 205, 20},
      {1009, L"Static", L"急性増悪の既往 ：", 20, 80, 205, 20},
      {1010, L"Static", L"術前％VC ：", 20, 330, 205, 25},
      {1011, L"Static", L"画像上 UIPパターン ：", 20, 180, 205, 20},
      {1012, L"Static", L"KL-6値 ：", 20, 280, 205, 20},
      {1013, L"Static", L"手術術式 ：", 20, 130, 205, 20},
      {1014, L"Static",
       L"------------------------------------------------------------------------"
       L"----   参考 （ ＊表記外の入力制限があります ）",
       34, 415, 600, 36},
      {1015, L"Button", L"男性\u3000", 230, 20, 140, 35},
      {1016, L"Button", L"あり\u3000", 230, 220, 140, 35},
      {1017, L"Button", L"\u3000あり\u3000", 230, 70, 140, 35},
      {1018, L"Button", L"\u3000≦80%\u3000", 230, 320, 140, 35},
      {1019, L"Button", L"\u3000あり\u3000", 230, 170, 140, 35},
      {1020, L"Button", L">1,000U/mL ", 230, 270, 140, 35},
      {1021, L"Button", L"区域切除以上\u3000", 230, 120, 140, 35},
      {1022, L"Button", L"\u3000女性", 460, 20, 130, 35},
      {1023, L"Button", L"\u3000なし", 460, 220, 130, 35},
      {1024, L"Button", L"\u3000なし", 460, 70, 130, 35},
      {1025, L"Button", L"\u3000>80%", 460, 320, 130, 35},
      {1026, L"Button", L"\u3000なし", 460, 170, 130, 35},
      {1027, L"Button", L"\u3000≦1,000U/mL", 460, 270, 130, 35},
      {1028, L"Button", L"\u3000部分切除", 460, 120, 130, 35},
      {1029, L"Button", L"*", 380, 19, 70, 35},
      {1030, L"Button", L"*", 380, 220, 70, 35},
      {1031, L"Button", L"*", 380, 70, 70, 35},
      {1032, L"Button", L"*", 380, 320, 70, 35},
      {1033, L"Button", L"*", 380, 170, 70, 35},
      {1034, L"Button", L"*", 380, 270, 70, 35},
      {1035, L"Button", L"*", 380, 120, 70, 35},
      {1036, L"Static", L"", 380, 370, 193, 30},
      {1037, L"Button", L"pVC10", 410, 480, 230, 25},
      {1038, L"Button", L"pVC20", 410, 520, 230, 25},
      {1039, L"Button", L"pVC30", 410, 560, 230, 25},
      {1040, L"Static", L"\u3000％ＶＣ \u3000\u3000\u3000\u3000ＶＣ基準値 (mL)", 410, 454, 230, 18},
      {1041, L"Static", L"リスクスコア", 270, 378, 99, 20},
  };
  Program program;
  HWND main = program.mainWindow();
  int children = 0;
  for (HWND child = GetWindow(main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
  }
  EXPECT_EQ(children, 42);
  for (const auto& e : expected) {
    SCOPED_TRACE(e.id);
    HWND control = program.control(e.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(_wcsicmp(className(control).c_str(), e.windowClass), 0) << className(control);
    EXPECT_EQ(text(control), e.caption);
    const POINT origin = clientOrigin(main, control);
    const RECT r = windowRect(control);
    EXPECT_EQ(origin.x, e.x);
    EXPECT_EQ(origin.y, e.y);
    EXPECT_EQ(r.right - r.left, e.w);
    EXPECT_EQ(r.bottom - r.top, e.h);
  }
}

TEST(MainWindow, MeasurementBoxesTakeOnlyDigitsFromTheKeyboardAndTabStaysPut) {
  Program program;
  ASSERT_TRUE(typeOver(program, 1000, L"a6x0", L"60")) << text(program.control(1000));
  pressKey(VK_TAB);
  program.settle();
  EXPECT_EQ(program.focus(), program.control(1000));
}

// However the user ends the program, it ends at once with code 0 and asks
// nothing, not even about an entry out of limits that was never read.
TEST(MainWindow, EveryWayOfClosingEndsTheProcessWithCodeZero) {
  const auto nothing = [](const Program&) { return true; };
  const auto unreadAge = [](const Program& program) { return typeOver(program, 1000, L"16", L"16"); };
  const auto closeMenu = [](const Program& program) { program.menu(3); };
  const auto closeBox = [](const Program& program) { clickCloseBox(program.mainWindow()); };
  const struct {
    const char* how;
    bool pressStart;
    std::function<bool(const Program&)> before;
    std::function<void(const Program&)> close;
  } ways[] = {
      {"menu item 閉じる", true, nothing, closeMenu},
      {"close box", true, nothing, closeBox},
      {"menu item with an unread age of 16", true, unreadAge, closeMenu},
      {"close box with an unread age of 16", true, unreadAge, closeBox},
      {"menu item while the HAL window is shown", true,
       [](const Program& program) {
         program.menu(0);
         HWND hal = program.halWindow();
         if (!waitUntil([&] { return IsWindowVisible(hal); })) {
           return false;
         }
         clickApart(GetDlgItem(hal, 1030));
         return waitUntil([&] { return choiceShows(hal, 2, 1, 1); });
       },
       closeMenu},
      {"main window closed while About is open", true,
       [](const Program& program) {
         program.menu(2);
         return program.waitWindow(L"NORMALDLG", L"About") != nullptr;
       },
       [](const Program& program) { PostMessageW(program.mainWindow(), WM_CLOSE, 0, 0); }},
      {"the introduction's 終了 button", false,
       [](const Program& program) { return program.waitWindow(L"NORMALDLG", L"初めに") != nullptr; },
       [](const Program& program) { click(GetDlgItem(program.findWindow(L"NORMALDLG", L"初めに"), 1044)); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    Program program(way.pressStart);
    if (!way.before(program)) {
      ADD_FAILURE() << "could not prepare the program";
      continue;
    }
    way.close(program);
    EXPECT_TRUE(endsQuietlyWithCodeZero(program));
  }
}

}  // namespace
}  // namespace e2e
