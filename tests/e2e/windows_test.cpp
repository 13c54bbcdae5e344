// The windows as a user meets them: the introduction, the menu, every way out,
// the HAL window, the scores, the information pages and the executable.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "win/platform/win.h"
#include "win/testing/test_hooks.h"

namespace e2e {
namespace {

constexpr WindowKind intro = WindowKind::Introduction;

// The introduction comes modal over the disabled main window; Enter starts.
// Then five ways out, each with something that could still raise a message:
// a shown HAL window and an entry not yet read (close box, "閉じる", Alt+F4),
// or the introduction still open, answered by "終了" or declined with Alt+F4.
TEST(MainWindow, OpensUnderTheIntroductionAndEveryWayOutEndsWithCodeZeroAndNoMessage) {
  for (int way = 0; way < 5; ++way) {
    Program program(false);
    ASSERT_NE(program.waitWindow(intro), nullptr);
    EXPECT_FALSE(IsWindowEnabled(program.main()));
    if (way >= 3) {
      if (way == 3) pressKeys({VK_MENU, VK_F4});
      if (way == 4) click(program.control(Role::Exit, 0, 0, intro));
      EXPECT_TRUE(program.endsQuietly()) << way;
      continue;
    }
    pressKeys({VK_RETURN});
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()); }));
    program.menu(Command::ToggleHal);
    typeInto(program, 1, L"16");
    if (way == 0) clickCloseBox(program.main());
    if (way == 1) program.menu(Command::Close);
    if (way == 2) pressKeys({VK_MENU, VK_F4});
    EXPECT_TRUE(program.endsQuietly()) << way;
  }
}

// The references are one white from edge to edge, the read-only boxes too:
// the page paints where it is. A source can be selected but not changed.
// "閉じる" gives the main window back, the activation as well, before
// another program's window.
TEST(InfoWindows, TheReferencesPaintAcrossTheirWidthAndCannotBeChanged) {
  Program program;
  program.menu(Command::OpenReferences);
  HWND references = program.waitWindow(WindowKind::References);
  const RECT sources = clientOnScreen(references);
  for (int y : {10, 110, 188})
    EXPECT_EQ(std::ranges::count_if(capture({sources.left + (y > 180 ? 300 : 0), sources.top + y,
                                             sources.right, sources.top + y + 2}),
                                    [](COLORREF c) { return c != RGB(255, 255, 255); }),
              0)
        << y;
  HWND source = program.control(Role::Reference, 3, 1, WindowKind::References);
  click(source);
  typeText(L"x");
  pressKeys({VK_BACK});
  program.settle();
  EXPECT_EQ(text(source), L"●Baldwin ED, Cournand A, Richards DW.");
  HWND other = CreateWindowExW(0, L"STATIC", L"Other program", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                               nullptr, nullptr);  // next in line after the references
  SetWindowPos(other, references, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  click(program.control(Role::Close, 0, 0, WindowKind::References));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(references) && GetForegroundWindow() == program.main(); }));
  DestroyWindow(other);
}

// "Ｘ", the close box and Alt+F4 only hide the window; the menu shows it
// again with its answers. "HALスコア" brings it forward where the main window
// covers it, and hides it where it is in front. Its repaints leave the focus
// where it was. A minimised main window takes it along, and back. Dragged,
// it stays where it was dropped, and so does About, modal, whose longest
// line (y 120) reaches far right and whose papers end inside the page; both
// windows carry the program's icon in their caption.
TEST(HalWindow, HidesInsteadOfClosingFollowsTheMainWindowAndStaysWhereDropped) {
  Program program;
  EXPECT_NE(GetWindowLongW(program.main(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
  EXPECT_TRUE(showsProgramIcon(program.main()));
  HWND hal = program.window(WindowKind::Hal);  // made on its first use
  EXPECT_FALSE(IsWindowVisible(hal));
  for (int way = 0; way < 3; ++way) {
    program.menu(Command::ToggleHal);
    hal = program.waitWindow(WindowKind::Hal);
    if (way == 0) click(program.control(Role::Points, 2, 0, WindowKind::Hal));
    EXPECT_TRUE(isChecked(program.control(Role::Option, 2, 1, WindowKind::Hal)));
    SetForegroundWindow(hal);
    program.settle();
    if (way == 0) click(program.control(Role::Hide, 0, 0, WindowKind::Hal));
    if (way == 1) pressKeys({VK_MENU, VK_F4});
    if (way == 2) clickCloseBox(hal);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal) && IsWindow(hal); })) << way;
  }

  program.menu(Command::ToggleHal);
  typeInto(program, 1, L"16");  // the main window comes over it
  repaint(hal);
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::MeasurementBox, 1));
  EXPECT_EQ(program.messageBox(), nullptr);
  SendMessageW(program.focus(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"60"));
  const auto above = [&] { return inFrontOf(hal, program.main()); };
  ASSERT_FALSE(above());
  program.menu(Command::ToggleHal);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(hal) && above(); }));
  EXPECT_TRUE(showsProgramIcon(hal));
  ShowWindow(program.main(), SW_MINIMIZE);
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal); }));
  ShowWindow(program.main(), SW_RESTORE);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(hal) && above(); }));

  const auto staysWhereDropped = [&](HWND dragged) {
    const RECT placed = windowRect(dragged);
    EXPECT_TRUE(dragByCaption(dragged, -60, 50));
    repaint(program.main());
    repaint(dragged);
    program.settle();
    EXPECT_EQ(windowRect(dragged).left - placed.left, -60);
    EXPECT_EQ(windowRect(dragged).top - placed.top, 50);
  };
  staysWhereDropped(hal);  // before About opens, which may cover its caption
  staysWhereDropped(openAboutShowingItsPapersWhole(program));
  EXPECT_FALSE(IsWindowEnabled(program.main()));
  const RECT page = clientOnScreen(program.window(WindowKind::About));
  EXPECT_GT(
      std::ranges::count_if(capture({page.left + 450, page.top + 118, page.right, page.top + 136}), isRed),
      0);
}

// The next information window asked for while the last one is being
// destroyed, twenty times in a row (the test build posts the command from
// inside the destruction), then twenty times with the command posted before
// the close: every loop ends with its own window, nothing crashes, and the
// main window is usable at the end.
TEST(InfoWindows, TheNextOneAskedForWhileTheLastIsClosingLeavesNoLoopBehind) {
  Program program(true, L"Tollandra-test.exe");
  const auto openOne = [&] {
    HWND open = nullptr;
    waitUntil([&] { return (open = program.window(WindowKind::About)) || (open = program.window(WindowKind::References)); });
    return open;
  };
  SendMessageW(program.main(), tollandra::testing::chainInfoWindows, 20, 0);
  PostMessageW(program.main(), WM_COMMAND, tollandra::commandId(Command::OpenAbout), 0);
  for (int round = 0; round < 41; ++round) {
    HWND open = openOne();
    ASSERT_NE(open, nullptr) << round;
    const bool about = open == program.window(WindowKind::About);
    if (round >= 20 && round < 40)
      PostMessageW(program.main(), WM_COMMAND, tollandra::commandId(about ? Command::OpenReferences : Command::OpenAbout), 0);
    PostMessageW(open, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(open); })) << round;
  }
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()) && openOne() == nullptr; }));
  click(program.control(Role::Option, 5, 1));
  EXPECT_TRUE(waitUntil([&] { return isChecked(program.control(Role::Option, 5, 1)); }));
}

// The postoperative window: its menu item shows it at the main window's
// left + 60 and top + 200 or below, clear of the HAL window, brings it forward where the main window covers it
// and hides it. The worked example typed as a user types it (a man of 60
// years, 170 cm; FEV1 2150 mL, %DLco 61.3 %, the five segments of the right
// lower lobe) on the screen and in the record; Tab goes round the four boxes.
// An edit of the main window's age takes the prediction at once; the next
// patient empties the window.
TEST(PpoWindow, TheWorkedExampleOnTheScreenAndInTheRecord) {
  constexpr WindowKind ppo = WindowKind::Ppo;
  Program program;
  enter(program);
  program.menu(Command::TogglePpo);
  HWND window = program.waitWindow(ppo);
  EXPECT_EQ(windowRect(window).left, windowRect(program.main()).left + 60);
  EXPECT_GE(windowRect(window).top, windowRect(program.main()).top + 200);
  typeInto(program, 1, L"2150", ppo);
  typeInto(program, 2, L"61.3", ppo);
  typeInto(program, 3, L"5", ppo);
  for (int box = 4; box <= 5; ++box) pressKeys({VK_TAB});  // round to the first box again
  EXPECT_TRUE(waitUntil([&] { return program.focus() == program.control(Role::MeasurementBox, 1, 0, ppo); }));
  const auto lines = [&] {
    std::wstring shown;
    for (int line = 1; line <= 5; ++line) shown += text(program.control(Role::ResultLine, line, 0, ppo)) + L"\n";
    return shown;
  };
  EXPECT_EQ(lines(), L"予測 FEV1 3111 mL（JRS2014）  %FEV1 69.1 %\nLLN 2483 mL  z -2.52  LLN 未満\n"
                     L"ppoFEV1 1584 mL  ppo%FEV1 50.9 %\nppo%DLco 45.2 %\n"
                     L"ACCP 2013（呼吸機能）：階段昇降試験またはシャトルウォーキング試験を推奨\n");
  EXPECT_EQ(inkOf(program.control(Role::ResultLine, 2, 0, ppo)), L'R');
  EXPECT_NE(copied(program).find(L"術後予測肺機能：切除 5 区域（閉塞 0、機能区域 19）\r\n計算条件：男性 60 歳 170 cm\r\n"
                                 L"FEV1：2150 mL、予測 3111 mL（JRS2014）、%FEV1 69.1 %、LLN 2483 mL、z -2.52、LLN 未満\r\n"
                                 L"ppoFEV1：1584 mL、ppo%FEV1 50.9 %\r\n%DLco：61.3 %、ppo%DLco 45.2 %\r\n"
                                 L"判定（ACCP 2013、呼吸機能）：階段昇降試験またはシャトルウォーキング試験を推奨\r\n"),
            std::wstring::npos);
  click(program.control(Role::Option, 3, 2));  // the main window comes over it, where it covers no box
  SendMessageW(program.control(Role::MeasurementBox, 1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"61"));
  EXPECT_TRUE(waitUntil([&] { return lines().starts_with(L"主画面で性別・年齢・身長を入力してください\n\nppoFEV1 1584 mL\n"); }))
      << tollandra::utf8(lines());
  program.menu(Command::TogglePpo);
  EXPECT_TRUE(waitUntil([&] { return inFrontOf(window, program.main()); }));
  program.menu(Command::TogglePpo);
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(window); }));
  program.menu(Command::TogglePpo);
  pressKeys({VK_CONTROL, 'N'});
  EXPECT_TRUE(waitUntil([&] { return text(program.control(Role::MeasurementBox, 3, 0, ppo)) == L"**"; }));
  EXPECT_EQ(lines(), L"主画面で性別・年齢・身長を入力してください\n\n\n\nACCP 2013（呼吸機能）：ppo%FEV1 と ppo%DLco の両方で判定します\n");
  pressKeys({VK_ESCAPE});
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(window); }));
  program.menu(Command::TogglePpo);
  program.menu(Command::ToggleHal);  // in its own place, clear of this one
  RECT both{}, hal = windowRect(program.waitWindow(WindowKind::Hal)), placed = windowRect(window);
  EXPECT_FALSE(IntersectRect(&both, &hal, &placed));
}

// The second click of a double click arrives as a notification of its own,
// which the points cells ignore: nothing becomes option 1, not option 2. A
// click on a painted cell leaves the focus on a control that shows it. A
// band, its colour and what it predicts for a complete score only.
TEST(Scores, ADoubleClickActsOnceAndABandAndItsPredictionNeedEveryAnswer) {
  Program program;
  HWND cell = program.control(Role::Points, 3), total = program.control(Role::Total);
  HWND prediction = program.control(Role::Prediction, 1);
  const RECT r = clientOnScreen(cell);
  for (int twice = 0; twice < 2; ++twice) clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ASSERT_TRUE(waitUntil([&] { return text(cell) == L"5"; }));
  Sleep(150);
  program.settle();
  EXPECT_EQ(text(total), L"5 （未回答 6）");
  EXPECT_EQ(program.focus(), program.control(Role::Option, 3, 1));  // where it can be seen
  click(program.control(Role::ResultBox, 1));
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::Option, 3, 1));
  EXPECT_EQ(std::ranges::count(capture(clientOnScreen(total)), RGB(192, 255, 255)), 0);
  EXPECT_EQ(text(prediction), L"");
  for (int item = 1; item <= 7; ++item) click(program.control(Role::Option, item, 2));
  EXPECT_TRUE(waitUntil([&] { return text(total) == L"0 （低リスク）"; })) << tollandra::utf8(text(total));
  program.settle();
  EXPECT_GT(std::ranges::count(capture(clientOnScreen(total)), RGB(192, 255, 255)), 0);
  EXPECT_EQ(text(prediction), L"術後30日以内の急性増悪の予測確率 10 % 未満");
}

// The desktop shell's largest icon and the version, as Windows reads them
// from the file.
TEST(Executable, CarriesItsVersionAndItsLargestIcon) {
  HMODULE module = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ICONINFO icon{};
  GetIconInfo(static_cast<HICON>(LoadImageW(module, L"MAINICON", IMAGE_ICON, 256, 256, 0)), &icon);
  BITMAP bitmap{};
  GetObjectW(icon.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 256);
  std::vector<BYTE> info(GetFileVersionInfoSizeW(programPath().c_str(), nullptr));
  GetFileVersionInfoW(programPath().c_str(), 0, static_cast<DWORD>(info.size()), info.data());
  void* version = nullptr;
  UINT length = 0;
  VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\FileVersion", &version, &length);
  EXPECT_STREQ(static_cast<const wchar_t*>(version), L"5.2");
}

}  // namespace
}  // namespace e2e
