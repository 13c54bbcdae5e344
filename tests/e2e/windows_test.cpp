// The windows as a user meets them: the introduction, the menu, every way out,
// the HAL window, the radio groups, the information pages and the executable.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "win/platform/win.h"

namespace e2e {
namespace {

constexpr WindowKind intro = WindowKind::Introduction;

bool isOther(COLORREF c) { return c != RGB(255, 255, 255); }

// The introduction comes modal over the disabled main window, and "始める"
// enables it. Then four ways out, each with something that could still
// raise a message: an entry not yet read, a visible HAL window, the
// introduction still open, answered by "終了" or declined with Alt+F4.
TEST(MainWindow, OpensUnderTheIntroductionAndEveryWayOutEndsWithCodeZeroAndNoMessage) {
  {
    Program program(false);
    ASSERT_NE(program.waitWindow(intro), nullptr);
    EXPECT_FALSE(IsWindowEnabled(program.main()));
    click(program.control(Role::Start, 0, 0, intro));
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()); }));
    EXPECT_NE(text(program.main()).find(L"急性増悪"), std::wstring::npos);  // not 憎悪, hatred
    typeInto(program, 1, L"16");
    const RECT r = windowRect(program.main());
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    clickAt(r.right - caption / 2 - GetSystemMetrics(SM_CXFIXEDFRAME) - 1, r.top + caption / 2 + 3);
    EXPECT_TRUE(program.endsQuietly()) << "close box";
  }
  {
    Program program;
    program.menu(Command::ToggleHal);
    ASSERT_NE(program.waitWindow(WindowKind::Hal), nullptr);
    program.menu(Command::Close);
    EXPECT_TRUE(program.endsQuietly()) << "menu 閉じる";
  }
  for (bool byKeys : {false, true}) {
    Program program(false);
    ASSERT_NE(program.waitWindow(intro), nullptr);
    if (byKeys) {
      pressKeys({VK_MENU, VK_F4});
    } else {
      click(program.control(Role::Exit, 0, 0, intro));
    }
    EXPECT_TRUE(program.endsQuietly()) << (byKeys ? "Alt+F4" : "終了");
  }
}

// About's longest line (y 120) reaches far right, the papers (rows 9 to 12)
// end inside the page, and the references are one white from edge to edge:
// both pages paint where they are, not where they were made. A source can
// be selected but not changed. Each closes its own way and gives the main
// window back.
TEST(InfoWindows, TheMenuOpensThemModalAndTheyPaintAcrossTheirWidth) {
  Program program;
  HWND about = openAboutShowingItsPapersWhole(program);
  EXPECT_FALSE(IsWindowEnabled(program.main()));
  const RECT page = clientOnScreen(about);
  EXPECT_GT(count(capture({page.left + 450, page.top + 118, page.right, page.top + 136}), isRed), 0);
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()) && !IsWindow(about); }));

  program.menu(Command::OpenReferences);
  HWND references = program.waitWindow(WindowKind::References);
  const RECT sources = clientOnScreen(references);
  for (int y : {10, 110}) {
    EXPECT_EQ(count(capture({sources.left, sources.top + y, sources.right, sources.top + y + 2}), isOther), 0) << y;
  }
  // Read-only, a box stays white beside its text (Baldwin's authors, y 180).
  EXPECT_EQ(count(capture({sources.left + 300, sources.top + 184, sources.left + 540, sources.top + 192}), isOther), 0);
  HWND source = program.control(Role::Reference, 3, 1, WindowKind::References);
  const std::wstring before = text(source);
  click(source);
  typeText(L"x");
  pressKeys({VK_BACK});
  program.settle();
  EXPECT_EQ(text(source), before);
  EXPECT_EQ(before, L"●Baldwin ED, Cournand A, Richards DW.");
  click(program.control(Role::Close, 0, 0, WindowKind::References));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()) && !IsWindow(references); }));
}

// The owner is enabled before its modal window goes, so the activation comes
// back to it and not to the other program's window next in line.
TEST(InfoWindows, ClosingGivesTheActivationBackToTheMainWindow) {
  Program program;
  program.menu(Command::OpenAbout);
  const Cover other({0, 0, 200, 200}, program.waitWindow(WindowKind::About));
  click(program.control(Role::Close, 0, 0, WindowKind::About));
  EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == program.main(); }));
}

// "Ｘ" and Alt+F4 only hide the window; the menu shows it again with its
// answers. "HALスコア" brings it forward where the main window covers it, and
// hides it where it is in front. Its repaints leave the focus where it was.
TEST(HalWindow, HidesInsteadOfClosingComesForwardWhenCoveredAndLeavesTheFocus) {
  Program program;
  HWND hal = program.window(WindowKind::Hal);
  EXPECT_FALSE(IsWindowVisible(hal));
  program.menu(Command::ToggleHal);
  program.waitWindow(WindowKind::Hal);
  click(program.control(Role::Points, 2, 0, WindowKind::Hal));
  EXPECT_TRUE(waitUntil([&] { return text(program.control(Role::Total, 0, 0, WindowKind::Hal)) == L"1"; }));
  click(program.control(Role::Hide, 0, 0, WindowKind::Hal));
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal); }));
  program.menu(Command::ToggleHal);
  program.waitWindow(WindowKind::Hal);
  EXPECT_TRUE(isChecked(program.control(Role::Option, 2, 1, WindowKind::Hal)));
  SetForegroundWindow(hal);
  program.settle();
  pressKeys({VK_MENU, VK_F4});
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal) && IsWindow(hal); }));

  program.menu(Command::ToggleHal);
  typeInto(program, 1, L"16");  // the main window comes over it
  { const Cover cover(windowRect(hal)); }
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::MeasurementBox, 1));
  EXPECT_EQ(program.messageBox(), nullptr);
  SendMessageW(program.focus(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"60"));
  const auto above = [&] {  // the HAL window above the main window
    for (HWND w = GetWindow(program.main(), GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV))
      if (w == hal) return true;
    return false;
  };
  ASSERT_FALSE(above());
  program.menu(Command::ToggleHal);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(hal) && above(); }));
  program.menu(Command::ToggleHal);
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal); }));
}

// A Windows program: the main window can be minimised and takes the shown
// HAL window with it, and back; the HAL window's close box hides it; the
// captions carry the program's icon; a window dragged elsewhere stays where
// it was dropped when the main window repaints (the HAL window, shown again,
// comes back to its place against the main window).
TEST(MainWindow, MinimisesWithTheHalWindowAndWindowsStayWhereTheyAreDropped) {
  Program program;
  EXPECT_NE(GetWindowLongW(program.main(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
  EXPECT_TRUE(showsProgramIcon(program.main()));
  program.menu(Command::ToggleHal);
  HWND hal = program.waitWindow(WindowKind::Hal);
  EXPECT_TRUE(showsProgramIcon(hal));
  const RECT placed = windowRect(hal);
  dragByCaption(hal, 80, 40);
  const RECT dropped = windowRect(hal);
  EXPECT_EQ(dropped.left - placed.left, 80);
  RedrawWindow(program.main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  { const Cover cover(windowRect(hal)); }
  program.settle();
  EXPECT_EQ(windowRect(hal).left, dropped.left);
  ShowWindow(program.main(), SW_MINIMIZE);
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal); }));
  ShowWindow(program.main(), SW_RESTORE);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(hal); }));
  const RECT r = windowRect(hal);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  clickAt(r.right - caption / 2 - GetSystemMetrics(SM_CXFIXEDFRAME) - 1, r.top + caption / 2 + 3);
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal) && IsWindow(hal); }));

  program.menu(Command::OpenAbout);
  HWND about = program.waitWindow(WindowKind::About);
  dragByCaption(about, -60, 50);
  const RECT aboutDropped = windowRect(about);
  RedrawWindow(program.main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  { const Cover cover(aboutDropped); }
  program.settle();
  EXPECT_EQ(windowRect(about).top, aboutDropped.top);
  EXPECT_NE(aboutDropped.top, placed.top);
}

// The second click of a double click arrives as a notification of its own,
// which the points cells ignore: nothing becomes option 1, not option 2. A
// click on a painted cell leaves the focus on a control that shows it.
TEST(Clicks, ADoubleClickActsOnce) {
  Program program;
  HWND cell = program.control(Role::Points, 3);
  const RECT r = clientOnScreen(cell);
  for (int twice = 0; twice < 2; ++twice) clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ASSERT_TRUE(waitUntil([&] { return text(cell) == L"5"; }));
  Sleep(150);
  program.settle();
  EXPECT_EQ(text(program.control(Role::Total)), L"5 （未回答 6）");
  EXPECT_EQ(program.focus(), program.control(Role::Option, 3, 1));  // where it can be seen
  click(program.control(Role::ResultBox, 1));
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::Option, 3, 1));
}

// A band, its colour and what it predicts for a complete score only: 女性
// alone leaves six factors open, on white; all seven answered show the band
// on its colour and its prediction under it.
TEST(Scores, ABandItsColourAndItsPredictionOnlyForACompleteScore) {
  Program program;
  HWND total = program.control(Role::Total);
  HWND prediction = program.control(Role::Prediction, 1);
  click(program.control(Role::Option, 1, 2));
  EXPECT_TRUE(waitUntil([&] { return text(total) == L"0 （未回答 6）"; })) << tollandra::utf8(text(total));
  EXPECT_FALSE(holds(capture(clientOnScreen(total)), RGB(192, 255, 255)));
  EXPECT_EQ(text(prediction), L"");
  for (int item = 2; item <= 7; ++item) click(program.control(Role::Option, item, 2));
  EXPECT_TRUE(waitUntil([&] { return text(total) == L"0 （低リスク）"; })) << tollandra::utf8(text(total));
  program.settle();
  EXPECT_TRUE(holds(capture(clientOnScreen(total)), RGB(192, 255, 255)));
  EXPECT_EQ(text(prediction), L"術後30日以内の急性増悪の予測確率 10 % 未満");
  EXPECT_GT(count(capture(clientOnScreen(prediction)), [](COLORREF c) { return c == RGB(0, 0, 0); }), 0);
}

// Ctrl+N and the menu item bring back the state after "始める": no answer in
// either form, the boxes' sentinels, no result and no limit line, the focus
// on the first factor; the HAL window stays where it is, shown.
TEST(NewPatient, CtrlNAndTheMenuItemClearEverythingButTheHalWindowsPlace) {
  Program program;
  program.menu(Command::ToggleHal);
  HWND hal = program.waitWindow(WindowKind::Hal);
  for (bool byMenu : {false, true}) {
    click(program.control(Role::Option, 1, 1, WindowKind::Hal));
    click(program.control(Role::Points, 3));
    enterExample(program);
    const RECT halPlace = windowRect(hal);
    if (byMenu) {
      program.menu(Command::NewPatient);
    } else {
      SetForegroundWindow(program.main());
      program.settle();
      pressKeys({VK_CONTROL, 'N'});
    }
    EXPECT_TRUE(waitUntil([&] { return resultTexts(program) == L"\n\n\n"; })) << byMenu;
    program.settle();
    for (const auto& [kind, items] : {std::pair{WindowKind::Main, 7}, std::pair{WindowKind::Hal, 3}}) {
      for (int item = 1; item <= items; ++item) {
        for (int option : {1, 2}) EXPECT_FALSE(isChecked(program.control(Role::Option, item, option, kind)));
        EXPECT_EQ(text(program.control(Role::Points, item, 0, kind)), L"");
      }
      EXPECT_EQ(text(program.control(Role::Total, 0, 0, kind)), L"");
    }
    const wchar_t* sentinels[] = {L"**", L"***", L"****"};
    for (int box = 1; box <= 3; ++box)
      EXPECT_EQ(text(program.control(Role::MeasurementBox, box)), sentinels[box - 1]);
    EXPECT_EQ(text(program.control(Role::LowerLimitLine)), L"");
    EXPECT_EQ(program.focus(), program.control(Role::Option, 1, 1));
    EXPECT_TRUE(IsWindowVisible(hal));
    const RECT after = windowRect(hal);
    EXPECT_TRUE(after.left == halPlace.left && after.top == halPlace.top) << byMenu;
  }
}

// The title at 100 % and at twice that, the desktop shell's largest icon and
// the version, as Windows reads them from the file.
TEST(Executable, CarriesItsVersionIconAndTitleBitmaps) {
  HMODULE module = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ICONINFO icon{};
  GetIconInfo(static_cast<HICON>(LoadImageW(module, L"MAINICON", IMAGE_ICON, 256, 256, 0)), &icon);
  std::wstring sizes;
  for (HANDLE image :
       {LoadImageW(module, MAKEINTRESOURCEW(101), IMAGE_BITMAP, 0, 0, 0),
        LoadImageW(module, MAKEINTRESOURCEW(102), IMAGE_BITMAP, 0, 0, 0), HANDLE{icon.hbmColor}}) {
    BITMAP bitmap{};
    GetObjectW(image, sizeof bitmap, &bitmap);
    sizes += std::to_wstring(bitmap.bmWidth) + L"x" + std::to_wstring(bitmap.bmHeight) + L" ";
  }
  EXPECT_EQ(sizes, L"360x90 720x180 256x256 ");
  std::vector<BYTE> info(GetFileVersionInfoSizeW(programPath().c_str(), nullptr));
  GetFileVersionInfoW(programPath().c_str(), 0, static_cast<DWORD>(info.size()), info.data());
  void* version = nullptr;
  UINT length = 0;
  VerQueryValueW(info.data(), L"\\StringFileInfo\\041104B0\\FileVersion", &version, &length);
  EXPECT_STREQ(static_cast<const wchar_t*>(version), L"5.2");
}

}  // namespace
}  // namespace e2e
