// Display scale and the keyboard: every caption whole at every scale, the
// windows at 150 %, a window moved to a screen of another scale, and the
// keyboard. The Dpi144 tests run on a desktop at 144 DPI, the others at 96.

#include <gtest/gtest.h>

#include <algorithm>

#include "driver/captions.h"
#include "harness.h"
#include "win/testing/test_hooks.h"

namespace e2e {
namespace {

// Every caption on one line in its control with 2 px to spare, at 100, 125,
// 150 and 200 %, measured in the font the program makes for it, in glyphs
// the face has (see tools/driver/captions.h).
TEST(Captions, EachFitsItsControlOnOneLineAtEveryScale) {
  for (int dpi : {96, 120, 144, 192})
    for (const std::string& misfit : driver::captionMisfits(dpi)) ADD_FAILURE() << misfit;
}

// A window's place and size: a control's in its window's client area.
std::wstring place(HWND window) {
  RECT r = windowRect(window);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) +
         L"x" + std::to_wstring(r.bottom - r.top);
}

// 96-DPI sizes and places times 1.5, halves rounded up: the introduction
// (540 x 560), the main window (680 x 700), the age box (190, 505, 80 x 25),
// the compute button (280, 545, 110 x 25), the total (380, 370, 193 x 30);
// the papers of the About page end inside it.
TEST(Dpi144, WindowsAndControlsAreOneAndAHalfTimesTheirSize) {
  Program program(false);
  EXPECT_TRUE(place(program.waitWindow(WindowKind::Introduction)).ends_with(L" 810x840"));
  click(program.control(Role::Start, 0, 0, WindowKind::Introduction));
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(program.main()); }));
  EXPECT_TRUE(place(program.main()).ends_with(L" 1020x1050"));
  EXPECT_EQ(place(program.control(Role::MeasurementBox, 1)), L"285,758 120x38");
  EXPECT_EQ(place(program.control(Role::Compute)), L"420,818 165x38");
  EXPECT_EQ(place(program.control(Role::Total)), L"570,555 290x45");
  EXPECT_TRUE(fitsTheScreen(program));
  enterExample(program);
  EXPECT_EQ(resultTexts(program), manAt60And170);
  EXPECT_EQ(resultInks(program), L"BRR");
  EXPECT_EQ(text(program.control(Role::LowerLimitLine)), manAt60And170Limit);
  EXPECT_EQ(inkOf(program.control(Role::LowerLimitLine)), L'R');
  openAboutShowingItsPapersWhole(program);
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
  EXPECT_EQ(place(program.control(Role::MeasurementBox, 1)), L"285,758 120x38");
  EXPECT_EQ(text(program.control(Role::MeasurementBox, 3)), L"3000");
  EXPECT_EQ(text(program.control(Role::Total)), L"8 （未回答 5）");
  EXPECT_EQ(resultTexts(program), manAt60And170);
  // The results lie below this screen's edge now; the points cells show.
  EXPECT_GT(count(capture(clientOnScreen(program.control(Role::Points, 3))), isRed), 0);
}

// The stops of the main window in reading order: the seven items top to
// bottom (on option 1 while unanswered), the three boxes, the compute button.
std::vector<HWND> mainStops(const Program& program) {
  std::vector<HWND> stops;
  for (int item : tollandra::itemsTopToBottom(WindowKind::Main))
    stops.push_back(program.control(Role::Option, item, 1));
  for (int box = 1; box <= 3; ++box) stops.push_back(program.control(Role::MeasurementBox, box));
  stops.push_back(program.control(Role::Compute));
  return stops;
}

// Esc leaves the disclaimer waiting, Enter starts. The focus starts on the
// first factor; Tab and Shift+Tab go all the way round, showing where they
// are at every stop, and answer nothing on the way.
TEST(Keyboard, StartsOnTheFirstFactorAndATabRoundAnswersNothingButShowsWhereItIs) {
  Program program(false);
  ASSERT_NE(program.waitWindow(WindowKind::Introduction), nullptr);
  pressKeys({VK_ESCAPE});
  program.settle();
  EXPECT_NE(program.window(WindowKind::Introduction), nullptr);
  pressKeys({VK_RETURN});
  ASSERT_TRUE(waitUntil(
      [&] { return IsWindowEnabled(program.main()) && !program.window(WindowKind::Introduction); }));
  program.settle();
  const std::vector<HWND> stops = mainStops(program);
  EXPECT_EQ(program.focus(), stops[0]);
  const std::wstring before = copied(program);
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
  for (HWND stop : stops) EXPECT_FALSE(isChecked(stop)) << GetDlgCtrlID(stop);
  EXPECT_EQ(text(program.control(Role::Total)), L"");
  EXPECT_EQ(copied(program), before);
}

// The three boxes take numbers only: they have no input method context,
// while the compute button keeps the thread's (read inside the test build).
TEST(Keyboard, TheBoxesHaveNoInputMethod) {
  Program program(true, L"Tollandra-test.exe");
  DWORD_PTR bits = 0;
  SendMessageTimeoutW(program.main(), tollandra::testing::probeInputContexts, 0, 0, SMTO_NORMAL, 2000, &bits);
  EXPECT_EQ(bits, 8u);
}

// What a patient's answers leave on the screen and in the record.
struct Outcome {
  std::wstring total, record;
  std::vector<Capture> cells;
};

Outcome outcomeOf(const Program& program) {
  Outcome outcome{text(program.control(Role::Total)), copied(program), {}};
  for (int item = 1; item <= 7; ++item)
    outcome.cells.push_back(capture(clientOnScreen(program.control(Role::Points, item))));
  outcome.cells.push_back(capture(clientOnScreen(program.control(Role::Total))));
  outcome.cells.push_back(capture(clientOnScreen(program.control(Role::Class, 0, 0, WindowKind::Hal))));
  return outcome;
}

// Option chosen per item of the risk form, then of the HAL score.
constexpr int riskAnswers[] = {1, 1, 2, 1, 2, 1, 2};
constexpr int halAnswers[] = {1, 2, 1};

// Space chooses the focused option, an arrow the item's other one; Tab goes
// on through the boxes to the compute button, where Enter computes, and
// Shift+Tab comes back to VC with its text selected; the HAL window opens on
// its first finding and Esc hides it. The totals, colours and record equal
// those of clicks.
TEST(Keyboard, EveryAnswerAndTheComputationWithoutAMouseAsClicksGiveThem) {
  Outcome keyed;
  {
    Program program;
    for (int item : tollandra::itemsTopToBottom(WindowKind::Main)) {
      pressKeys({riskAnswers[item - 1] == 1 ? WORD{VK_SPACE} : WORD{VK_RIGHT}});
      pressKeys({VK_TAB});
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
      pressKeys({halAnswers[item - 1] == 1 ? WORD{VK_SPACE} : WORD{VK_RIGHT}});
      pressKeys({VK_TAB});
    }
    program.settle();
    EXPECT_EQ(program.focus(), program.control(Role::Hide, 0, 0, WindowKind::Hal));
    EXPECT_EQ(text(program.control(Role::Prediction, 2, 0, WindowKind::Hal)), L"1年 8.0 %・3年 19.7 %・5年 28.7 %");
    keyed = outcomeOf(program);
    pressKeys({VK_ESCAPE});
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(hal); }));
  }
  Program program;
  for (int item = 1; item <= 7; ++item) click(program.control(Role::Option, item, riskAnswers[item - 1]));
  enterExample(program);
  program.menu(Command::ToggleHal);
  program.waitWindow(WindowKind::Hal);
  for (int item = 1; item <= 3; ++item)
    click(program.control(Role::Option, item, halAnswers[item - 1], WindowKind::Hal));
  program.settle();
  const Outcome clicked = outcomeOf(program);
  EXPECT_EQ(keyed.total, L"9 （低リスク）");
  EXPECT_EQ(keyed.total, clicked.total);
  EXPECT_EQ(keyed.record, clicked.record);
  EXPECT_TRUE(keyed.cells == clicked.cells);
}

// Esc closes About (opened by F10) and the references, Enter presses the
// focused "閉じる"; Alt+F4 still ends the program.
TEST(Keyboard, EscAndEnterCloseTheInformationWindowsAndAltF4EndsTheProgram) {
  Program program;
  SetForegroundWindow(program.main());
  program.settle();
  pressKeys({VK_F10});
  program.settle();
  const auto items = tollandra::commandTable();
  for (auto i = std::ranges::find(items, Command::OpenAbout, &tollandra::CommandRow::command) - items.begin();
       i > 0; --i)
    pressKeys({VK_RIGHT});
  pressKeys({VK_RETURN});
  HWND about = program.waitWindow(WindowKind::About);
  ASSERT_NE(about, nullptr);
  pressKeys({VK_ESCAPE});
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(about) && IsWindowEnabled(program.main()); }));
  program.menu(Command::OpenReferences);
  HWND references = program.waitWindow(WindowKind::References);
  EXPECT_EQ(program.focus(), program.control(Role::Close, 0, 0, WindowKind::References));
  pressKeys({VK_RETURN});
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(references) && IsWindowEnabled(program.main()); }));
  program.settle();
  pressKeys({VK_MENU, VK_F4});
  EXPECT_TRUE(program.endsQuietly());
}

}  // namespace
}  // namespace e2e
