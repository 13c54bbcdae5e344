// The %VC panel of the main window as a clinician uses it: typing the three
// measurements, reading the refusal messages, switching the sex, and what the
// three result boxes show in their texts and on the screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"

namespace e2e::vcpanel {

// Shared with bad_input_test.cpp, which declares what it uses.
HWND focusedWindow(const Program& program) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(program.mainWindow(), nullptr), &gui);
  return gui.hwndFocus;
}

bool stillAnswers(const Program& program) {
  DWORD_PTR result = 0;
  return IsWindow(program.mainWindow()) &&
         SendMessageTimeoutW(program.mainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

// Two clicks on one control in quick succession make a double click, which
// the sex controls act on once and an edit box takes as a word selection; a
// user who means two single clicks leaves a pause between them.
void clickSingle(HWND control) {
  static HWND lastClicked = nullptr;
  static ULONGLONG lastTick = 0;
  const ULONGLONG pause = GetDoubleClickTime() + 100;
  if (control == lastClicked && GetTickCount64() - lastTick < pause) {
    Sleep(static_cast<DWORD>(pause - (GetTickCount64() - lastTick)));
  }
  click(control);
  lastClicked = control;
  lastTick = GetTickCount64();
}

// A control's text, or a marker when its program does not answer in time (a
// long paste must not hang the driver too).
std::wstring textWithin(HWND window, UINT timeoutMs) {
  DWORD_PTR length = 0;
  if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length) == 0) {
    return L"<not answering>";
  }
  std::wstring buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                          SMTO_ABORTIFHUNG, timeoutMs, &copied) == 0) {
    return L"<not answering>";
  }
  buffer.resize(copied);
  return buffer;
}

// Clicks into a box and selects all it holds, so what comes next replaces it.
// The VC box selects part of its text when it gains the focus, so the
// selection is made only once the click has been handled.
bool enterBox(const Program& program, int id) {
  HWND box = program.control(id);
  clickSingle(box);
  const bool focused = waitUntil([&] { return focusedWindow(program) == box; }, 2000);
  program.settle();
  SendMessageW(box, EM_SETSEL, 0, -1);
  return focused;
}

// Leaves a box the way a user does, by clicking into another control, and
// waits until the reading that the focus loss starts has run (or has raised
// its message).
void leaveBox(const Program& program, int from, int to) {
  clickSingle(program.control(to));
  waitUntil([&] { return focusedWindow(program) != program.control(from); }, 2000);
  program.settle();
}

// Types over the box's whole content; `reaches` is what the box keeps of the
// keystrokes (it takes digits only).
bool typeOver(const Program& program, int id, const std::wstring& typed, const std::wstring& reaches) {
  if (!enterBox(program, id)) {
    return false;
  }
  pressKey(VK_DELETE);
  typeText(typed);
  return waitUntil([&] { return textWithin(program.control(id), 500) == reaches; }, 3000);
}

bool pasteOver(const Program& program, int id, const std::wstring& pasted) {
  if (!enterBox(program, id)) {
    return false;
  }
  if (!OpenClipboard(nullptr)) {
    return false;
  }
  EmptyClipboard();
  const std::size_t bytes = (pasted.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), pasted.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  pressKeys({VK_CONTROL, 'V'});
  return waitUntil([&] { return textWithin(program.control(id), 500) == pasted; }, 3000);
}

// Answers the message box that should now be open; nothing when none comes.
std::optional<MessageBoxContents> answerRefusal(const Program& program) {
  HWND box = program.waitWindow(L"#32770", nullptr, 3000);
  if (box == nullptr) {
    return std::nullopt;
  }
  return answerMessageBox(box);
}

}  // namespace e2e::vcpanel

namespace e2e {
namespace {

using namespace vcpanel;

constexpr int ageBox = 1000;
constexpr int heightBox = 1001;
constexpr int vcBox = 1002;
constexpr int computeButton = 1006;
constexpr int maleButton = 1015;
constexpr int femaleButton = 1022;
constexpr int sexCell = 1029;
constexpr int totalCell = 1036;
constexpr int baldwinBox = 1037;
constexpr int jrs2001Box = 1038;
constexpr int jrs2014Box = 1039;
constexpr int resultBoxes[] = {baldwinBox, jrs2001Box, jrs2014Box};

// The box the user clicks to leave each measurement box: the one above it
// (the VC box for the age box), so that the box typed into next, usually the
// one below, is not the one just clicked.
int leaveTarget(int id) { return id == ageBox ? vcBox : id - 1; }

// ---------------------------------------------------------------------------
// What a result box shows on the screen.

struct Pixel {
  BYTE r, g, b;
};

std::vector<Pixel> capture(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  std::vector<Pixel> pixels;
  if (width <= 0 || height <= 0) {
    return pixels;
  }
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* bgra = static_cast<const BYTE*>(bits);
  pixels.reserve(static_cast<std::size_t>(width * height));
  for (int i = 0; i < width * height; ++i) {
    pixels.push_back({bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]});
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

enum class Ink { None, Red, Blue, Black, Other };

Ink inkOf(Pixel p) {
  if (p.r > 230 && p.g > 230 && p.b > 230) {
    return Ink::None;
  }
  if (p.r > 200 && p.g < 80 && p.b < 80) {
    return Ink::Red;
  }
  if (p.b > 200 && p.r < 80 && p.g < 80) {
    return Ink::Blue;
  }
  if (p.r < 60 && p.g < 60 && p.b < 60) {
    return Ink::Black;
  }
  return Ink::Other;
}

// Where each colour lies in a box's client area, in client x.
struct Painting {
  int width = 0;
  int pixels = 0;
  int red = 0, blue = 0, black = 0, other = 0;
  int colouredRight = -1;                  // the red or blue %VC
  int blackLeft = 10000, blackRight = -1;  // the predicted text
};

Painting paintingOf(HWND box) {
  const RECT client = clientRectOnScreen(box);
  const std::vector<Pixel> pixels = capture(client);
  Painting painting;
  painting.width = client.right - client.left;
  painting.pixels = static_cast<int>(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const int x = static_cast<int>(i % static_cast<std::size_t>(painting.width));
    switch (inkOf(pixels[i])) {
      case Ink::Red:
      case Ink::Blue:
        (inkOf(pixels[i]) == Ink::Red ? painting.red : painting.blue) += 1;
        painting.colouredRight = std::max(painting.colouredRight, x);
        break;
      case Ink::Black:
        ++painting.black;
        painting.blackLeft = std::min(painting.blackLeft, x);
        painting.blackRight = std::max(painting.blackRight, x);
        break;
      case Ink::Other:
        ++painting.other;
        break;
      case Ink::None:
        break;
    }
  }
  return painting;
}

// Text colours just right of a box's client area (its edge and the window
// behind): a text that runs out of its box would leave some there.
int inkBeyondBox(HWND box) {
  const RECT client = clientRectOnScreen(box);
  const RECT strip{client.right, client.top, client.right + 8, client.bottom};
  int count = 0;
  for (Pixel p : capture(strip)) {
    const Ink ink = inkOf(p);
    count += ink == Ink::Red || ink == Ink::Blue || ink == Ink::Black ? 1 : 0;
  }
  return count;
}

enum class Colour { Red, Blue, None };  // None: out of range, no %VC

struct Line {
  const wchar_t* text;
  Colour colour;
};

// Right ends of the first in-range painting of each box: every later line of
// that box must end at the same x (the texts are right-aligned), and a line
// out of range 10 px further left.
struct Alignment {
  std::optional<int> percentRight[3];
  std::optional<int> predictedRight[3];
};

void expectLine(const Program& program, int slot, const Line& line, Alignment& alignment) {
  HWND box = program.control(resultBoxes[slot]);
  SCOPED_TRACE(testing::Message() << "box " << resultBoxes[slot]);
  EXPECT_TRUE(waitUntil([&] { return text(box) == line.text; }, 2000)) << text(box);
  const Painting p = paintingOf(box);
  EXPECT_EQ(p.other, 0) << "only white, black, red and blue are painted";
  EXPECT_GT(p.black, 0) << "predicted text drawn";
  EXPECT_LT(p.blackRight, p.width - 1) << "predicted text ends inside the box";
  EXPECT_EQ(inkBeyondBox(box), 0);
  switch (line.colour) {
    case Colour::Red:
      EXPECT_GT(p.red, 0);
      EXPECT_EQ(p.blue, 0);
      break;
    case Colour::Blue:
      EXPECT_GT(p.blue, 0);
      EXPECT_EQ(p.red, 0);
      break;
    case Colour::None:
      EXPECT_EQ(p.red + p.blue, 0) << "no %VC out of range";
      break;
  }
  if (line.colour != Colour::None) {
    EXPECT_LT(p.colouredRight, 70) << "%VC text ends before the predicted text";
    EXPECT_GE(p.blackLeft, 70) << "predicted text starts after the %VC";
    if (!alignment.percentRight[slot]) {
      alignment.percentRight[slot] = p.colouredRight;
      alignment.predictedRight[slot] = p.blackRight;
    }
    EXPECT_EQ(p.colouredRight, *alignment.percentRight[slot]) << "%VC right-aligned";
    EXPECT_EQ(p.blackRight, *alignment.predictedRight[slot]) << "predicted text right-aligned";
  } else {
    EXPECT_GE(p.blackLeft, 60);
    if (alignment.predictedRight[slot]) {
      EXPECT_EQ(p.blackRight, *alignment.predictedRight[slot] - 10) << "range text drawn 10 px further left";
    } else {
      ADD_FAILURE() << "an in-range line of this box must come first";
    }
  }
}

void expectBlank(const Program& program, int id) {
  SCOPED_TRACE(testing::Message() << "box " << id);
  const Painting p = paintingOf(program.control(id));
  EXPECT_EQ(p.red + p.blue + p.black, 0) << "nothing painted";
  EXPECT_EQ(text(program.control(id)), L"pVC" + std::to_wstring(10 * (id - baldwinBox + 1)));
}

// ---------------------------------------------------------------------------
// Steps of a session at the panel: measurements typed (nullptr leaves a box
// as it is), then optionally a click on a sex control.

struct Step {
  const char* what;
  const wchar_t* age;
  const wchar_t* height;
  const wchar_t* vc;
  int clickAfter;  // 0: none
  bool male;
  Line lines[3];  // Baldwin, JRS2001, JRS2014
};

void run(const Program& program, const Step& step, Alignment& alignment) {
  SCOPED_TRACE(step.what);
  const struct {
    int id;
    const wchar_t* entry;
  } entries[] = {{ageBox, step.age}, {heightBox, step.height}, {vcBox, step.vc}};
  for (const auto& entry : entries) {
    if (entry.entry != nullptr) {
      ASSERT_TRUE(typeOver(program, entry.id, entry.entry, entry.entry));
      leaveBox(program, entry.id, leaveTarget(entry.id));
      ASSERT_EQ(program.messageBox(), nullptr);
    }
  }
  if (step.clickAfter != 0) {
    clickSingle(program.control(step.clickAfter));
    program.settle();
  }
  EXPECT_TRUE(waitUntil([&] { return isChecked(program.control(maleButton)) == step.male; }, 2000));
  EXPECT_NE(isChecked(program.control(femaleButton)), step.male);
  for (int slot = 0; slot < 3; ++slot) {
    expectLine(program, slot, step.lines[slot], alignment);
  }
}

const Line manExample[3] = {{L"84.4 % 3555 : Baldwin", Colour::Blue},
                            {L"74.8 % 4012 : JRS2001", Colour::Red},
                            {L"72.4 % 4142 : JRS2014", Colour::Red}};

// A black window of the driver laid over part of the main window, then taken
// away; the driver paints it by pumping its own messages.
class Cover {
 public:
  explicit Cover(const RECT& area) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = L"VcPanelTestCover";
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"VcPanelTestCover", L"",
                              WS_POPUP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    pump();
  }
  ~Cover() { remove(); }
  Cover(const Cover&) = delete;
  Cover& operator=(const Cover&) = delete;

  void remove() {
    if (window_ != nullptr) {
      DestroyWindow(window_);
      window_ = nullptr;
      pump();
    }
  }
  static void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&message);
    }
  }

 private:
  HWND window_ = nullptr;
};

bool coveredInBlack(HWND box) {
  Cover::pump();
  const Painting p = paintingOf(box);
  return p.pixels > 0 && p.black == p.pixels;
}

// ---------------------------------------------------------------------------

TEST(VcPanel, WorkedExamplesFollowTheSexAndPaintInTheirColours) {
  // Independent arithmetic for the lines not given as worked examples:
  //   woman 60 y, 170 cm: Baldwin (21.78 − 0.101 × 60) × 170 = 2672.4 → 2672,
  //     3000 / 2672 = 112.3 %; JRS2001 1000 × (0.032 × 170 − 0.018 × 60 −
  //     1.178) = 3182, 94.3 %; JRS2014 1000 × e^(−8.0707 + 1.9399 ln 170 −
  //     0.1678 ln 60 + 0.01838014) = 3399.35 → 3399, 88.3 %.
  //   man 60 y, 170 cm, VC 2844: 2844 / 3555 = 80.0 % exactly (red), 70.9 %,
  //     68.7 %; VC 2848: 80.11 → 80.1 % (blue), 71.0 %, 68.8 %.
  const Line womanAt170[3] = {{L"112.3 % 2672 : Baldwin", Colour::Blue},
                              {L"94.3 % 3182 : JRS2001", Colour::Blue},
                              {L"88.3 % 3399 : JRS2014", Colour::Blue}};
  const Step steps[] = {
      {"man 60 y, 170 cm, 3000 mL",
       L"60",
       L"170",
       L"3000",
       0,
       true,
       {manExample[0], manExample[1], manExample[2]}},
      {"女性 button recalculates",
       nullptr,
       nullptr,
       nullptr,
       femaleButton,
       false,
       {womanAt170[0], womanAt170[1], womanAt170[2]}},
      {"男性 button recalculates",
       nullptr,
       nullptr,
       nullptr,
       maleButton,
       true,
       {manExample[0], manExample[1], manExample[2]}},
      {"sex points cell to female",
       nullptr,
       nullptr,
       nullptr,
       sexCell,
       false,
       {womanAt170[0], womanAt170[1], womanAt170[2]}},
      {"sex points cell to male",
       nullptr,
       nullptr,
       nullptr,
       sexCell,
       true,
       {manExample[0], manExample[1], manExample[2]}},
      {"80.0 % is red",
       nullptr,
       nullptr,
       L"2844",
       0,
       true,
       {{L"80.0 % 3555 : Baldwin", Colour::Red},
        {L"70.9 % 4012 : JRS2001", Colour::Red},
        {L"68.7 % 4142 : JRS2014", Colour::Red}}},
      {"80.1 % is blue",
       nullptr,
       nullptr,
       L"2848",
       0,
       true,
       {{L"80.1 % 3555 : Baldwin", Colour::Blue},
        {L"71.0 % 4012 : JRS2001", Colour::Red},
        {L"68.8 % 4142 : JRS2014", Colour::Red}}},
      {"woman 60 y, 155 cm, 2200 mL",
       nullptr,
       L"155",
       L"2200",
       femaleButton,
       false,
       {{L"90.3 % 2437 : Baldwin", Colour::Blue},
        {L"81.4 % 2702 : JRS2001", Colour::Blue},
        {L"77.4 % 2842 : JRS2014", Colour::Red}}},
  };

  Program program;
  // Nothing of the sex row is drawn before the first computation.
  EXPECT_FALSE(isChecked(program.control(maleButton)));
  EXPECT_FALSE(isChecked(program.control(femaleButton)));
  EXPECT_EQ(text(program.control(sexCell)), L"*");
  EXPECT_EQ(text(program.control(totalCell)), L"");
  for (int id : resultBoxes) {
    expectBlank(program, id);
  }

  Alignment alignment;
  run(program, steps[0], alignment);
  // The first computation shows the sex it used: male, with its points.
  EXPECT_EQ(text(program.control(sexCell)), L"3");
  EXPECT_EQ(text(program.control(totalCell)), L"3 （低リスク）");
  for (std::size_t i = 1; i < std::size(steps); ++i) {
    run(program, steps[i], alignment);
  }

  // The boxes repaint what they hold after another window has lain over them.
  const RECT first = windowRect(program.control(baldwinBox));
  const RECT last = windowRect(program.control(jrs2014Box));
  Cover cover(RECT{first.left - 4, first.top - 4, last.right + 4, last.bottom + 4});
  for (int id : resultBoxes) {
    ASSERT_TRUE(waitUntil([&] { return coveredInBlack(program.control(id)); }, 2000)) << id;
  }
  cover.remove();
  program.settle();
  for (int slot = 0; slot < 3; ++slot) {
    expectLine(program, slot, steps[std::size(steps) - 1].lines[slot], alignment);
  }
  EXPECT_TRUE(stillAnswers(program));
}

TEST(VcPanel, EquationsOutOfRangeShowTheirRangeFurtherLeft) {
  // man 18 y, 170 cm: Baldwin (27.63 − 0.112 × 18) × 170 = 4354.38 → 4354,
  //   3000 / 4354 = 68.9 %; JRS2014 1000 × e^(−8.8317 + 2.1043 ln 170 −
  //   0.1382 ln 18 − 0.08131694) = 4458.4 → 4458, 67.3 %.
  // man 95 y: Baldwin (27.63 − 10.64) × 170 = 2888.3 → 2888, 103.9 %;
  //   JRS2001 1000 × (7.65 − 2.185 − 2.258) = 3207, 93.5 %.
  // woman 95 y: Baldwin (21.78 − 9.595) × 170 = 2071.45 → 2071, 144.9 %;
  //   JRS2001 1000 × (5.44 − 1.71 − 1.178) = 2552, 117.6 %.
  const Step steps[] = {
      {"man 60 y, 170 cm, 3000 mL",
       L"60",
       L"170",
       L"3000",
       0,
       true,
       {manExample[0], manExample[1], manExample[2]}},
      {"man 18 y: JRS2001 out of range",
       L"18",
       nullptr,
       nullptr,
       0,
       true,
       {{L"68.9 % 4354 : Baldwin", Colour::Red},
        {L"20-100 yrs : JRS2001", Colour::None},
        {L"67.3 % 4458 : JRS2014", Colour::Red}}},
      {"man 95 y: JRS2014 out of range",
       L"95",
       nullptr,
       nullptr,
       0,
       true,
       {{L"103.9 % 2888 : Baldwin", Colour::Blue},
        {L"93.5 % 3207 : JRS2001", Colour::Blue},
        {L"17-90 yrs : JRS2014", Colour::None}}},
      {"woman 95 y: JRS2014 out of its range for women",
       nullptr,
       nullptr,
       nullptr,
       femaleButton,
       false,
       {{L"144.9 % 2071 : Baldwin", Colour::Blue},
        {L"117.6 % 2552 : JRS2001", Colour::Blue},
        {L"17-93 yrs : JRS2014", Colour::None}}},
  };
  Program program;
  Alignment alignment;
  for (const Step& step : steps) {
    run(program, step, alignment);
  }
}

struct Refusal {
  const wchar_t* title;
  const wchar_t* text;
};

constexpr Refusal ageRefusal16{L"年齢（ 17 - 100 才 ）", L"入力：16\u300017 - 100 で入力を！"};
constexpr Refusal heightRefusal93{L"身長（ 94 - 210 cm ）", L"入力：93\u300094 - 210 で入力を！"};
constexpr Refusal vcRefusal999{L"ＶＣ（ 1,000 - 6,000 mL ）", L"入力：999\u30001,000 - 6,000 で入力を！"};

TEST(VcPanel, LimitsAcceptTheirBoundsAndRefuseOneBeyond) {
  Program program;

  // The compute button reads all three boxes in order. Only one box can hold
  // an unread entry when a user clicks, so the driver writes the other two.
  SendMessageW(program.control(ageBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"16"));
  SendMessageW(program.control(heightBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"93"));
  SendMessageW(program.control(vcBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"999"));
  click(program.control(computeButton));
  for (const Refusal& expected : {ageRefusal16, heightRefusal93, vcRefusal999}) {
    const auto shown = answerRefusal(program);
    ASSERT_TRUE(shown.has_value()) << "no message for "
                                   << testing::PrintToString(std::wstring(expected.title));
    EXPECT_EQ(shown->title, expected.title);
    EXPECT_EQ(shown->text, expected.text);
  }
  program.settle();
  EXPECT_EQ(program.messageBox(), nullptr);
  EXPECT_EQ(text(program.control(ageBox)), L"**");
  EXPECT_EQ(text(program.control(heightBox)), L"***");
  EXPECT_EQ(text(program.control(vcBox)), L"****");
  for (int id : resultBoxes) {
    expectBlank(program, id);
  }

  const struct {
    int box;
    const wchar_t* typed;
    std::optional<Refusal> refusal;  // none: accepted and shown as typed
  } cases[] = {
      {ageBox, L"17", std::nullopt},
      {ageBox, L"100", std::nullopt},
      {ageBox, L"16", ageRefusal16},
      {ageBox, L"101", Refusal{L"年齢（ 17 - 100 才 ）", L"入力：101\u300017 - 100 で入力を！"}},
      {heightBox, L"94", std::nullopt},
      {heightBox, L"210", std::nullopt},
      {heightBox, L"93", heightRefusal93},
      {heightBox, L"211", Refusal{L"身長（ 94 - 210 cm ）", L"入力：211\u300094 - 210 で入力を！"}},
      {vcBox, L"1000", std::nullopt},
      {vcBox, L"6000", std::nullopt},
      {vcBox, L"999", vcRefusal999},
      {vcBox, L"6001", Refusal{L"ＶＣ（ 1,000 - 6,000 mL ）", L"入力：6001\u30001,000 - 6,000 で入力を！"}},
  };
  const wchar_t* sentinels[] = {L"**", L"***", L"****"};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "box " << c.box << " typed "
                                    << testing::PrintToString(std::wstring(c.typed)));
    ASSERT_TRUE(typeOver(program, c.box, c.typed, c.typed));
    leaveBox(program, c.box, leaveTarget(c.box));
    if (c.refusal) {
      const auto shown = answerRefusal(program);
      ASSERT_TRUE(shown.has_value());
      EXPECT_EQ(shown->title, c.refusal->title);
      EXPECT_EQ(shown->text, c.refusal->text);
      EXPECT_EQ(text(program.control(c.box)), sentinels[c.box - ageBox]);
    } else {
      EXPECT_EQ(program.messageBox(), nullptr);
      EXPECT_EQ(text(program.control(c.box)), c.typed);
    }
  }

  // A refused entry after a computation leaves its results on display.
  Alignment alignment;
  run(program,
      Step{"man 60 y, 170 cm, 3000 mL",
           L"60",
           L"170",
           L"3000",
           0,
           true,
           {manExample[0], manExample[1], manExample[2]}},
      alignment);
  ASSERT_TRUE(typeOver(program, ageBox, L"16", L"16"));
  leaveBox(program, ageBox, heightBox);
  const auto shown = answerRefusal(program);
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->text, ageRefusal16.text);
  program.settle();
  EXPECT_EQ(text(program.control(ageBox)), L"**");
  for (int slot = 0; slot < 3; ++slot) {
    expectLine(program, slot, manExample[slot], alignment);
  }
}

TEST(VcPanel, RefusedValueIsClearedBeforeItsMessageAppears) {
  Program program;
  for (const auto& [id, typed] : {std::pair{ageBox, L"60"}, std::pair{heightBox, L"170"}}) {
    ASSERT_TRUE(typeOver(program, id, typed, typed));
    leaveBox(program, id, leaveTarget(id));
    ASSERT_EQ(program.messageBox(), nullptr);
  }
  ASSERT_TRUE(typeOver(program, vcBox, L"900", L"900"));
  clickSingle(program.control(ageBox));
  HWND message = program.waitWindow(L"#32770", nullptr, 3000);
  ASSERT_NE(message, nullptr);
  // While the message is up the age box's own reading may run; it must find
  // no VC, so nothing is computed for 900 mL.
  program.settle();
  EXPECT_EQ(text(program.control(vcBox)), L"****");
  for (int id : resultBoxes) {
    expectBlank(program, id);
  }
  const MessageBoxContents shown = answerMessageBox(message);
  EXPECT_EQ(shown.title, L"ＶＣ（ 1,000 - 6,000 mL ）");
  EXPECT_EQ(shown.text, L"入力：900\u30001,000 - 6,000 で入力を！");
  program.settle();
  EXPECT_EQ(text(program.control(vcBox)), L"****");
  for (int id : resultBoxes) {
    expectBlank(program, id);
  }
  EXPECT_TRUE(waitUntil([&] { return program.messageBox() == nullptr; }, 500));

  // The panel goes on as usual once a valid VC comes.
  Alignment alignment;
  run(program,
      Step{"VC 3000 mL", nullptr, nullptr, L"3000", 0, true, {manExample[0], manExample[1], manExample[2]}},
      alignment);
}

TEST(VcPanel, ClosingWithAnUnreadEntryOutOfLimitsAsksNothing) {
  const struct {
    const char* how;
    bool closeBox;  // otherwise the menu item 閉じる
  } closers[] = {{"close box", true}, {"menu item", false}};
  for (const auto& closer : closers) {
    SCOPED_TRACE(closer.how);
    Program program;
    ASSERT_TRUE(typeOver(program, ageBox, L"16", L"16"));
    if (closer.closeBox) {
      const RECT r = windowRect(program.mainWindow());
      const int caption = GetSystemMetrics(SM_CYCAPTION);
      clickAt(r.right - caption / 2 - GetSystemMetrics(SM_CXFIXEDFRAME) - 1, r.top + caption / 2 + 3);
    } else {
      program.menu(3);
    }
    bool asked = false;
    DWORD code = 1;
    const bool ended = waitUntil(
        [&] {
          asked = asked || program.messageBox() != nullptr;
          return asked || program.waitExit(0, &code);
        },
        5000);
    EXPECT_FALSE(asked) << "a message box came up while closing";
    ASSERT_TRUE(ended && !asked);
    EXPECT_EQ(code, 0u);
  }
}

}  // namespace
}  // namespace e2e
