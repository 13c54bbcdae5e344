// Display scale and the keyboard: every caption whole at every scale, the
// windows on screens at 125 % and 150 % with a taskbar, a window moved to a
// screen of another scale, and the keyboard. The Scaled tests run on those
// screens, the others at 96 DPI.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../screens.h"
#include "driver/captions.h"
#include "harness.h"
#include "win/platform/dpi.h"
#include "win/testing/test_hooks.h"

namespace e2e {
namespace {

// Every caption on one line in its control with 2 px to spare, at 100, 125,
// 150 and 200 %, and at every scale a window takes to fit a common screen
// with its taskbar, measured in the font the program makes for it, in glyphs
// the face has (see tools/driver/captions.h).
TEST(Captions, EachFitsItsControlOnOneLineAtEveryScale) {
  std::set<std::pair<int, int>> scales = {{96, 96}, {120, 120}, {144, 144}, {192, 192}};
  for (const screens::Common& common : screens::common())
    for (WindowKind kind : {WindowKind::Main, WindowKind::Hal, WindowKind::Introduction})
      scales.insert({tollandra::fittingDpi(tollandra::windowTable(kind), common.screen(),
                                           screens::frameAt(kind, common.dpi)),
                     common.dpi});
  for (const auto& [dpi, monitor] : scales)
    for (const std::string& misfit : driver::captionMisfits(dpi, monitor)) ADD_FAILURE() << misfit;
}

// The main window inside the work area, and every control where its table
// puts it at the scale the window is laid out at, inside its client area.
testing::AssertionResult laidOutAt(const Program& program, int dpi) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT window = windowRect(program.main()), client = clientOnScreen(program.main());
  if (window.left < work.left || window.top < work.top || window.right > work.right || window.bottom > work.bottom)
    return testing::AssertionFailure() << "the window reaches " << window.right << "," << window.bottom;
  for (const tollandra::ControlRow& row : tollandra::windowTable(WindowKind::Main).controls) {
    const RECT r = windowRect(GetDlgItem(program.main(), row.id));
    const tollandra::Box box = tollandra::scaled(row.box, dpi);
    if (r.left - client.left != box.x || r.top - client.top != box.y || r.right - r.left != box.width ||
        r.bottom > client.bottom)
      return testing::AssertionFailure() << "control " << row.id << " not laid out at " << dpi << " DPI";
  }
  return testing::AssertionSuccess();
}

// Where the remote process reads a window's suggested rectangle.
LPARAM rectInProgram(const Program& program, const RECT& rect) {
  void* remote = VirtualAllocEx(program.process(), nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
  WriteProcessMemory(program.process(), remote, &rect, sizeof rect, nullptr);
  return reinterpret_cast<LPARAM>(remote);
}

// A screen at 125 % (1366 x 708) or 150 % (1920 x 1008) with room left for
// a taskbar: every window is laid out at the largest scale, up to the
// screen's, at which it fits the work area, lies on it whole and shows every
// caption whole; the introduction shows its title picture, and the worked
// example and the About page read as at 100 %.
// Moved to a screen of a larger scale, the main window lays itself out
// again for the largest that fits there, centred where the system suggests,
// and keeps what was entered. (Under Wine the message of that move never comes
// by itself: the test sends it as the system would, the suggested rectangle
// in the program's memory, since it travels by pointer.)
TEST(Scaled, EachWindowFitsTheWorkAreaAtTheLargestScaleThatFits) {
  Program program(false);
  HWND intro = program.waitWindow(WindowKind::Introduction);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT introRect = windowRect(intro);
  EXPECT_TRUE(introRect.top >= work.top && introRect.bottom <= work.bottom);
  // The title picture of the scale (twice the size from 150 %), painted.
  EXPECT_GT(std::ranges::count_if(capture(clientOnScreen(program.control(Role::TitleBitmap, 0, 0, WindowKind::Introduction))),
                  [](COLORREF c) { return c == RGB(0, 0, 0); }),
            0);
  click(program.control(Role::Start, 0, 0, WindowKind::Introduction));
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()); }));
  const tollandra::Fit fit = tollandra::fitOf(program.main(), tollandra::windowTable(WindowKind::Main));
  EXPECT_LT(fit.dpi, fit.screen.dpi);  // neither screen has room for the window at its own scale
  EXPECT_TRUE(laidOutAt(program, fit.dpi));
  for (const std::string& misfit : driver::captionMisfits(fit.dpi, fit.screen.dpi)) ADD_FAILURE() << misfit;
  enter(program);
  EXPECT_EQ(resultInks(program), L"BRR");
  EXPECT_EQ(text(program.control(Role::LowerLimitLine)), manAt60And170Limit);
  EXPECT_EQ(inkOf(program.control(Role::LowerLimitLine)), L'R');
  PostMessageW(openAboutShowingItsPapersWhole(program), WM_CLOSE, 0, 0);
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()); }));
  const int larger = fit.screen.dpi * 4 / 3;  // Wine draws no frame larger than its own: only move up
  SendMessageW(program.main(), WM_DPICHANGED, MAKEWPARAM(larger, larger), rectInProgram(program, {20, 10, 700, 710}));
  program.settle();
  EXPECT_TRUE(laidOutAt(program, tollandra::fitOf(program.main(), tollandra::windowTable(WindowKind::Main), larger).dpi));
  // Too large for the work area at that scale: a smaller one, centred on the
  // suggested rectangle, kept inside the work area.
  const RECT moved = windowRect(program.main());
  EXPECT_EQ(moved.left, std::max<LONG>(work.left, std::min<LONG>((20 + 700 - (moved.right - moved.left)) / 2,
                                                                 work.right - (moved.right - moved.left))));
  EXPECT_EQ(resultTexts(program), manAt60And170);
}


// Each window takes the icon drawn for its scale: at 125 % the icon file's
// own 20-px image, at 150 % its 24-px one, never a smaller or larger one
// scaled (read in the test build, which gives a digest of a window's small
// icon; the file's image is taken from the executable's resources here).
TEST(Scaled, EachWindowShowsTheIconDrawnForItsScale) {
  Program program(true, L"Tollandra-test.exe");
  program.menu(Command::ToggleHal);
  HWND hal = program.waitWindow(WindowKind::Hal);
  const int size = tollandra::iconSizesAt(tollandra::windowDpi(program.main())).small;
  EXPECT_EQ(size, tollandra::windowDpi(program.main()) == 120 ? 20 : 24);
  HMODULE module = LoadLibraryExW(programPath(L"Tollandra-test.exe").c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  auto* group = static_cast<BYTE*>(LockResource(LoadResource(module, FindResourceW(module, L"MAINICON", RT_GROUP_ICON))));
  const int id = LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR);
  bool drawnForIt = false;  // the entry of that id is an image of that size
  for (int entry = 0; entry < reinterpret_cast<WORD*>(group)[2]; ++entry)
    drawnForIt |= group[6 + 14 * entry] == size && *reinterpret_cast<WORD*>(group + 6 + 14 * entry + 12) == id;
  EXPECT_TRUE(drawnForIt);
  HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
  HICON exact = CreateIconFromResourceEx(static_cast<BYTE*>(LockResource(LoadResource(module, image))),
                                         SizeofResource(module, image), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
  for (HWND window : {program.main(), hal})
    EXPECT_EQ(SendMessageW(window, tollandra::testing::probeSmallIcon, 0, 0), tollandra::testing::iconDigest(exact));
}

// A frame that takes more of the window than its table allows for (as a
// menu bar wrapped to two rows would; the test build's frame takes 30 px
// more) grows the window by exactly that, so the limit line stays whole. A
// change of scale that reaches the minimised window moves nothing; restored,
// it fits its screen where it was.
TEST(Frames, TheClientAreaStaysWholeAndAMinimisedWindowWaitsForItsRestore) {
  Program program(true, L"Tollandra-test.exe");
  const RECT before = windowRect(program.main());
  SendMessageW(program.main(), tollandra::testing::shortenClient, 30, 0);
  program.settle();
  const RECT grown = windowRect(program.main());
  EXPECT_EQ(grown.bottom - grown.top, before.bottom - before.top + 30);
  EXPECT_LE(windowRect(program.control(Role::LowerLimitLine)).bottom, clientOnScreen(program.main()).bottom);
  ShowWindow(program.main(), SW_MINIMIZE);
  program.settle();
  WINDOWPLACEMENT placed{}, after{};
  placed.length = after.length = sizeof placed;
  GetWindowPlacement(program.main(), &placed);
  SendMessageW(program.main(), WM_DPICHANGED, MAKEWPARAM(144, 144), rectInProgram(program, {20, 10, 700, 710}));
  GetWindowPlacement(program.main(), &after);
  EXPECT_TRUE(EqualRect(&placed.rcNormalPosition, &after.rcNormalPosition));
  ShowWindow(program.main(), SW_RESTORE);
  program.settle();
  const RECT restored = windowRect(program.main());
  EXPECT_TRUE(EqualRect(&restored, &grown));
  EXPECT_TRUE(laidOutAt(program, 96));
}

// A refusal found while the focus leaves a box shows once the move has
// ended: a click on 女性 answers it first, then the warning comes, once; and
// while another program is in front none comes, until the main window is
// active again.
TEST(Refusals, ShowOnceTheFocusHasSettled) {
  Program program;
  typeInto(program, 3, L"800");
  click(program.control(Role::Option, 1, 2));
  ASSERT_TRUE(waitUntil([&] { return program.messageBox() != nullptr; }));
  EXPECT_TRUE(isChecked(program.control(Role::Option, 1, 2)));
  EXPECT_NE(answerMessage(program), L"");
  EXPECT_EQ(answerMessage(program, 500), L"");
  typeInto(program, 3, L"700");
  HWND other = CreateWindowExW(0, L"STATIC", L"Other program", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  Sleep(600);
  program.settle();
  EXPECT_EQ(program.messageBox(), nullptr);
  SetForegroundWindow(program.main());
  EXPECT_NE(answerMessage(program), L"");
  EXPECT_EQ(answerMessage(program, 500), L"");
  EXPECT_TRUE(waitUntil([&] { return program.focus() == program.control(Role::MeasurementBox, 3); }));
  DestroyWindow(other);
}

// In the test build an unchecked option that gains the focus reports a
// click, as on Windows. Esc leaves the disclaimer waiting, Enter starts. The
// focus starts on the first factor; Tab and Shift+Tab go all the way round
// both windows, showing where they are at every stop; Shift+Tab out of a
// refused box (its message gives the focus back inside the move), a return
// to the window and the next patient move the focus too. None answers
// anything. The boxes take numbers only: no input method (read inside the
// test build, where the compute button keeps the thread's). Esc closes
// About, Enter presses the focused "閉じる".
TEST(Keyboard, StartsOnTheFirstFactorAndNoMoveOfTheFocusAnswersAnything) {
  Program program(false, L"Tollandra-test.exe");
  ASSERT_NE(program.waitWindow(WindowKind::Introduction), nullptr);
  pressKeys({VK_ESCAPE});
  program.settle();
  EXPECT_NE(program.window(WindowKind::Introduction), nullptr);
  pressKeys({VK_RETURN});
  ASSERT_TRUE(waitUntil(
      [&] { return IsWindowEnabled(program.main()) && !program.window(WindowKind::Introduction); }));
  program.settle();
  DWORD_PTR contexts = 0;
  SendMessageTimeoutW(program.main(), tollandra::testing::probeInputContexts, 0, 0, SMTO_NORMAL, 2000, &contexts);
  EXPECT_EQ(contexts, 8u);
  std::vector<HWND> stops;
  for (int item : tollandra::itemsTopToBottom(WindowKind::Main)) stops.push_back(program.control(Role::Option, item, 1));
  for (int box = 1; box <= 3; ++box) stops.push_back(program.control(Role::MeasurementBox, box));
  stops.push_back(program.control(Role::Compute));
  EXPECT_EQ(program.focus(), stops[0]);
  for (bool backwards : {false, true}) {
    for (std::size_t k = 1; k <= stops.size(); ++k) {
      HWND left = program.focus();
      const Capture focused = capture(clientOnScreen(left));
      pressKeys(backwards ? std::initializer_list<WORD>{VK_SHIFT, VK_TAB}
                          : std::initializer_list<WORD>{VK_TAB});
      program.settle();
      const std::size_t at = backwards ? stops.size() - k : k % stops.size();
      EXPECT_EQ(program.focus(), stops[at]) << k << (backwards ? " back" : "");
      EXPECT_FALSE(capture(clientOnScreen(left)) == focused)
          << "no focus shown on stop " << GetDlgCtrlID(left);
    }
  }
  typeInto(program, 1, L"16");
  pressKeys({VK_SHIFT, VK_TAB});  // its message gives the focus back inside the move
  EXPECT_NE(answerMessage(program), L"");
  EXPECT_TRUE(waitUntil([&] { return program.focus() == program.control(Role::MeasurementBox, 1); }));
  pressKeys({VK_SHIFT, VK_TAB});  // refused already: on to the last factor
  program.menu(Command::ToggleHal);
  HWND hal = program.waitWindow(WindowKind::Hal);
  for (int k = 0; k < 8; ++k) pressKeys({VK_TAB});
  program.settle();
  SetForegroundWindow(program.main());
  program.settle();
  EXPECT_EQ(program.focus(), stops[6]);
  EXPECT_FALSE(anyAnswered(program));
  pressKeys({VK_CONTROL, 'C'});  // the refused age still stands in the way of a record
  EXPECT_EQ(answerMessage(program),
            L"記録のコピー\n記録はコピーされていません。年齢の入力「16」を直してから、もう一度コピーしてください。");
  // The next patient: every answer, box and result goes; the HAL window
  // stays where it is, shown, and the focus is on the first factor.
  click(program.control(Role::Option, 1, 1, WindowKind::Hal));
  enter(program);
  const RECT halPlace = windowRect(hal);
  SetForegroundWindow(program.main());
  program.settle();
  pressKeys({VK_CONTROL, 'N'});
  EXPECT_TRUE(waitUntil([&] { return resultTexts(program) == L"\n\n\n"; }));
  program.settle();
  EXPECT_EQ(program.focus(), stops[0]);
  EXPECT_FALSE(anyAnswered(program));
  for (const auto& [kind, items] : {std::pair{WindowKind::Main, 7}, std::pair{WindowKind::Hal, 3}}) {
    for (int item = 1; item <= items; ++item) EXPECT_EQ(text(program.control(Role::Points, item, 0, kind)), L"");
    EXPECT_EQ(text(program.control(Role::Total, 0, 0, kind)), L"");
  }
  for (int box = 1; box <= 3; ++box)
    EXPECT_EQ(text(program.control(Role::MeasurementBox, box)), std::wstring(static_cast<std::size_t>(box) + 1, L'*'));
  EXPECT_EQ(text(program.control(Role::LowerLimitLine)), L"");
  EXPECT_TRUE(IsWindowVisible(hal) && windowRect(hal).left == halPlace.left && windowRect(hal).top == halPlace.top);
  pressKeys({VK_F10});
  program.settle();
  const auto items = tollandra::commandTable();
  for (auto k = std::ranges::find(items, Command::OpenAbout, &tollandra::CommandRow::command) - items.begin(); k > 0; --k)
    pressKeys({VK_RIGHT});
  pressKeys({VK_RETURN});
  ASSERT_NE(program.waitWindow(WindowKind::About), nullptr);
  pressKeys({VK_ESCAPE});
  EXPECT_TRUE(waitUntil([&] { return !program.window(WindowKind::About) && IsWindowEnabled(program.main()); }));
  program.menu(Command::OpenReferences);
  program.waitWindow(WindowKind::References);
  EXPECT_EQ(program.focus(), program.control(Role::Close, 0, 0, WindowKind::References));
  pressKeys({VK_RETURN});
  EXPECT_TRUE(waitUntil([&] { return !program.window(WindowKind::References) && IsWindowEnabled(program.main()); }));
}

// Option chosen per item of the risk form, then of the HAL score.
constexpr int riskAnswers[] = {1, 1, 2, 1, 2, 1, 2};
constexpr int halAnswers[] = {1, 2, 1};

// On an option ← chooses the left one and → the right one, Space the focused
// one, ↓ and ↑ go to the next item or back, and the focus stays in sight
// after each key; Tab goes on through the boxes to the compute button, where
// Enter computes, and Shift+Tab comes back to VC with its text selected; the
// HAL window opens on its first finding and Esc hides it. The record holds
// the answers given (the worked example's, and HAL class 2 and more).
TEST(Keyboard, EveryAnswerAndTheComputationWithoutAMouse) {
  Program program;
  const std::vector<int> items = tollandra::itemsTopToBottom(WindowKind::Main);
  for (int item : items) {
    const int option = riskAnswers[item - 1];
    pressKeys({item == 1 ? WORD{VK_SPACE} : option == 1 ? WORD{VK_LEFT} : WORD{VK_RIGHT}});
    program.settle();
    HWND chosen = program.control(Role::Option, item, option);
    EXPECT_EQ(program.focus(), chosen) << item;
    const Capture focused = capture(clientOnScreen(chosen));
    pressKeys({item == items.back() ? WORD{VK_TAB} : WORD{VK_DOWN}});
    program.settle();
    EXPECT_FALSE(capture(clientOnScreen(chosen)) == focused) << "no focus shown on item " << item;
  }
  for (const wchar_t* value : {L"60", L"170", L"3000"}) {
    typeText(value);
    pressKeys({VK_TAB});
  }
  EXPECT_TRUE(waitUntil([&] { return program.focus() == program.control(Role::Compute); }));
  pressKeys({VK_RETURN});
  EXPECT_TRUE(waitUntil([&] { return resultTexts(program) == manAt60And170; })) << resultTexts(program);
  pressKeys({VK_SHIFT, VK_TAB});  // back to VC, selected whole; Enter there computes as well
  program.settle();
  EXPECT_EQ(SendMessageW(program.focus(), EM_GETSEL, 0, 0), MAKELRESULT(0, 4));
  pressKeys({VK_RETURN});
  program.menu(Command::ToggleHal);
  HWND hal = program.waitWindow(WindowKind::Hal);
  EXPECT_EQ(program.focus(), program.control(Role::Option, 1, 1, WindowKind::Hal));
  for (int item = 1; item <= 3; ++item) {
    pressKeys({halAnswers[item - 1] == 1 ? WORD{VK_LEFT} : WORD{VK_RIGHT}});
    pressKeys({VK_DOWN});
  }
  pressKeys({VK_UP});  // from the first finding, round to the last
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::Option, 3, 1, WindowKind::Hal));
  pressKeys({VK_TAB});
  program.settle();
  EXPECT_EQ(program.focus(), program.control(Role::Hide, 0, 0, WindowKind::Hal));
  const std::wstring record = copied(program);
  EXPECT_EQ(record.substr(record.find(L"\r\n性別")),
            L"\r\n性別：男性 3点\r\n急性増悪の既往：なし 0点\r\n手術術式：部分切除 0点\r\n画像上 UIPパターン：なし 0点\r\n"
            L"術前ステロイド治療の有無：あり 3点\r\nKL-6値：>1,000U/mL 2点\r\n術前％VC：≦80% 1点"
            L"（基準式により 80 % の上下が分かれる：Baldwin 84.4 %、JRS2001 74.8 %、JRS2014 72.4 %）\r\n"
            L"リスクスコア：9 （低リスク） 術後30日以内の急性増悪の予測確率 10 % 未満\r\n" +
                manAt60And170Record +
                L"HAL 胸部CTでの蜂巣肺(H)：あり 1点\r\nHAL 年齢(A)：75 歳以下 0点\r\nHAL LDH(L)：222 U/L 超 1点\r\n"
                L"HAL 合計点：2点\r\nHAL スコア：≧2 急性増悪の推定累積発症率 1年 8.0 %・3年 19.7 %・5年 28.7 %"
                L"（特発性間質性肺炎での値）\r\n");
  pressKeys({VK_ESCAPE});
  EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal); }));
}

}  // namespace
}  // namespace e2e
