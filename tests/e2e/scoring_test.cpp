// The risk score form of the main window, driven with real clicks: marks,
// points cells, totals and levels, read back as window texts and as pixels.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF levelLow = RGB(192, 255, 255);
constexpr COLORREF levelMid = RGB(255, 255, 0);
constexpr COLORREF levelHigh = RGB(255, 140, 140);

constexpr int totalCellId = 1036;

int option1Id(int factor) { return 1014 + factor; }
int option2Id(int factor) { return 1021 + factor; }
int cellId(int factor) { return 1028 + factor; }

// Points of option 1 by factor number; option 2 is always worth 0.
constexpr int option1Points[8] = {0, 3, 3, 5, 1, 4, 2, 4};

// Factor numbers top to bottom on the screen.
constexpr int screenOrder[7] = {1, 3, 7, 5, 2, 6, 4};

std::wstring hex(COLORREF c) {
  wchar_t buffer[16];
  swprintf(buffer, 16, L"%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return buffer;
}

// The screen pixels of one rectangle, read at one moment with one BitBlt
// (GetPixel per pixel would take seconds for a cell under Wine).
class Capture {
 public:
  explicit Capture(const RECT& area) : width_(area.right - area.left), height_(area.bottom - area.top) {
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && bits != nullptr) {
      HGDIOBJ previous = SelectObject(memory, bitmap);
      BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY);
      GdiFlush();
      std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(std::uint32_t));
      SelectObject(memory, previous);
      DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }

  int width() const { return width_; }
  int height() const { return height_; }

  // x and y from the area's top-left corner.
  COLORREF at(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  int count(COLORREF color) const {
    int n = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        n += at(x, y) == color ? 1 : 0;
      }
    }
    return n;
  }

  // Every pixel of the sub-rectangle [x0, x1) x [y0, y1) has the colour.
  bool uniform(int x0, int y0, int x1, int y1, COLORREF color) const {
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        if (at(x, y) != color) {
          return false;
        }
      }
    }
    return true;
  }

  // The smallest rectangle holding every pixel that differs from the fill;
  // left > right when there is none.
  RECT ink(COLORREF fill) const {
    RECT box{width_, height_, -1, -1};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (at(x, y) != fill) {
          box.left = std::min<LONG>(box.left, x);
          box.top = std::min<LONG>(box.top, y);
          box.right = std::max<LONG>(box.right, x);
          box.bottom = std::max<LONG>(box.bottom, y);
        }
      }
    }
    return box;
  }

  bool operator==(const Capture& other) const = default;

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

std::wstring describe(const RECT& r) {
  return L"(" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L")-(" + std::to_wstring(r.right) +
         L"," + std::to_wstring(r.bottom) + L")";
}

// Where a text drawn at (x, y) of a cell may put its first ink: a glyph's
// left bearing and the font's internal leading move it a little right and down.
bool inkStartsNear(const RECT& ink, int x, int y) {
  return ink.left >= x && ink.left <= x + 3 && ink.top >= y && ink.top <= y + 6;
}

// The row of one factor as the user sees it: both marks, the points cell's
// text, the colour of its digits and its white fill.
testing::AssertionResult rowShows(const Program& program, int factor, int choice) {
  const bool mark1 = isChecked(program.control(option1Id(factor)));
  const bool mark2 = isChecked(program.control(option2Id(factor)));
  HWND cell = program.control(cellId(factor));
  const std::wstring cellText = text(cell);
  const std::wstring expectedText =
      choice == 0 ? L"*" : std::to_wstring(choice == 1 ? option1Points[factor] : 0);
  if (mark1 != (choice == 1) || mark2 != (choice == 2) || cellText != expectedText) {
    return testing::AssertionFailure() << "factor " << factor << ": marks " << mark1 << mark2 << ", cell "
                                       << testing::PrintToString(cellText);
  }
  if (choice == 0) {
    return testing::AssertionSuccess();
  }
  const Capture pixels(clientRectOnScreen(cell));
  const COLORREF ink = choice == 1 ? red : blue;
  const COLORREF other = choice == 1 ? blue : red;
  const RECT box = pixels.ink(white);
  const int w = pixels.width();
  const int h = pixels.height();
  // The top rows and the right part lie away from the digit drawn at (30, 10).
  const bool fillWhite = pixels.uniform(0, 0, w, 8, white) && pixels.uniform(w - 20, 0, w, h, white);
  if (pixels.count(ink) == 0 || pixels.count(other) != 0 || !fillWhite || !inkStartsNear(box, 30, 10)) {
    return testing::AssertionFailure() << "factor " << factor << ": " << pixels.count(ink) << " pixels of "
                                       << testing::PrintToString(hex(ink)) << ", fill white " << fillWhite
                                       << ", ink " << testing::PrintToString(describe(box));
  }
  return testing::AssertionSuccess();
}

// The total cell: its text, its level colour in the margin right of the
// level text, black glyphs, and the total's digits starting at x 30 (one
// digit) or x 25 (two digits).
testing::AssertionResult totalShows(const Program& program, const std::wstring& expected, COLORREF fill) {
  HWND cell = program.control(totalCellId);
  const std::wstring shown = text(cell);
  if (shown != expected) {
    return testing::AssertionFailure() << "total " << testing::PrintToString(shown);
  }
  const Capture pixels(clientRectOnScreen(cell));
  const int w = pixels.width();
  const int h = pixels.height();
  const bool filled = pixels.uniform(w - 25, 0, w, h, fill) && pixels.uniform(0, 0, 20, h, fill);
  const RECT box = pixels.ink(fill);
  const bool twoDigits = expected.size() > 1 && expected[1] != L' ';
  if (!filled || pixels.count(black) == 0 || !inkStartsNear(box, twoDigits ? 25 : 30, 5)) {
    return testing::AssertionFailure()
           << "total " << testing::PrintToString(shown) << ": fill "
           << testing::PrintToString(hex(pixels.at(w - 3, h / 2))) << " at the right, " << pixels.count(black)
           << " black pixels, ink " << testing::PrintToString(describe(box));
  }
  return testing::AssertionSuccess();
}

// Clicks a control away from the spot of the previous click, so that two
// clicks in quick succession never make a double click.
void clickApart(HWND control) {
  static int side = 1;
  side = -side;
  const RECT r = clientRectOnScreen(control);
  clickAt((r.left + r.right) / 2 + side * 12, (r.top + r.bottom) / 2);
}

// Waits for a condition a click should bring, then lets the program finish
// painting; the caller asserts the condition once more to report it.
void waitFor(const Program& program, const std::function<bool()>& condition) {
  waitUntil(condition, 2000);
  program.settle();
}

TEST(RiskForm, FirstChoiceCountsTheSexFactorWhileItsRowIsBlank) {
  const struct {
    const char* name;
    int clickedId;
    int factor;
    int choice;
    const wchar_t* total;
  } cases[] = {
      // Male counts 3 before its row is drawn: 3 + 3.
      {"steroid yes", option1Id(2), 2, 1, L"6 （低リスク）"},
      // The sex cell flips the starting male to female.
      {"sex points cell", cellId(1), 1, 2, L"0 （低リスク）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Program program;
    clickApart(program.control(c.clickedId));
    waitFor(program, [&] {
      return rowShows(program, c.factor, c.choice) && text(program.control(totalCellId)) == c.total;
    });
    EXPECT_TRUE(rowShows(program, c.factor, c.choice));
    EXPECT_TRUE(totalShows(program, c.total, levelLow));
    for (int factor = 1; factor <= 7; ++factor) {
      if (factor != c.factor) {
        EXPECT_TRUE(rowShows(program, factor, 0));
      }
    }
  }
}

TEST(RiskForm, EachRowCyclesThroughItsPointsCellAndButtons) {
  Program program;
  // Before anything is chosen, nothing is marked and the cells are blank.
  for (int factor = 1; factor <= 7; ++factor) {
    EXPECT_TRUE(rowShows(program, factor, 0));
  }
  EXPECT_EQ(text(program.control(totalCellId)), L"");

  enum Control { Cell, Option1, Option2 };
  struct Step {
    Control clicked;
    int choice;
  };
  // A blank row: nothing, option 1, option 2, option 1 by the cell; then the
  // buttons, each clicked twice (the second click changes nothing).
  const std::vector<Step> blankRow = {{Cell, 1},    {Cell, 2},    {Cell, 1},    {Option2, 2},
                                      {Option2, 2}, {Option1, 1}, {Option1, 1}, {Cell, 2}};
  // The sex row is blank but already male, so its cell starts with female.
  const std::vector<Step> sexRow = {{Cell, 2},    {Cell, 1},    {Cell, 2},    {Option1, 1},
                                    {Option1, 1}, {Option2, 2}, {Option2, 2}, {Cell, 1}};
  int choices[8] = {0, 1, 0, 0, 0, 0, 0, 0};
  for (int factor : screenOrder) {
    for (const Step& step : factor == 1 ? sexRow : blankRow) {
      const int id = step.clicked == Cell      ? cellId(factor)
                     : step.clicked == Option1 ? option1Id(factor)
                                               : option2Id(factor);
      SCOPED_TRACE(testing::Message()
                   << "factor " << factor << ", click on " << id << " to choice " << step.choice);
      clickApart(program.control(id));
      choices[factor] = step.choice;
      int total = 0;
      for (int k = 1; k <= 7; ++k) {
        total += choices[k] == 1 ? option1Points[k] : 0;
      }
      const std::wstring totalPrefix = std::to_wstring(total) + L" ";
      waitFor(program, [&] {
        return rowShows(program, factor, step.choice) &&
               text(program.control(totalCellId)).starts_with(totalPrefix);
      });
      EXPECT_TRUE(rowShows(program, factor, step.choice));
      EXPECT_TRUE(text(program.control(totalCellId)).starts_with(totalPrefix))
          << text(program.control(totalCellId));
    }
  }
}

// Chooses every factor as given (choice by factor number, 1 or 2) with the
// option buttons, clicking only the rows that change.
void chooseAll(const Program& program, int (&current)[8], const int (&wanted)[8]) {
  for (int factor : screenOrder) {
    if (current[factor] != wanted[factor]) {
      clickApart(program.control(wanted[factor] == 1 ? option1Id(factor) : option2Id(factor)));
      current[factor] = wanted[factor];
    }
  }
}

TEST(RiskForm, TotalsShowTheirLevelOnItsColour) {
  const struct {
    int choices[8];  // by factor number; slot 0 unused
    const wchar_t* total;
    COLORREF fill;
  } cases[] = {
      {{0, 2, 2, 2, 2, 2, 2, 2}, L"0 （低リスク）", levelLow},
      {{0, 2, 2, 1, 2, 1, 2, 2}, L"9 （低リスク）", levelLow},    // 5 + 4
      {{0, 1, 1, 2, 2, 1, 2, 2}, L"10 （低リスク）", levelLow},   // 3 + 3 + 4
      {{0, 1, 2, 2, 2, 1, 2, 1}, L"11 （中リスク）", levelMid},   // 3 + 4 + 4
      {{0, 1, 1, 1, 2, 1, 2, 2}, L"15 （中リスク）", levelMid},   // 3 + 3 + 5 + 4
      {{0, 1, 1, 1, 1, 1, 2, 2}, L"16 （高リスク）", levelHigh},  // 15 + 1
      {{0, 1, 1, 1, 1, 1, 1, 1}, L"22 （高リスク）", levelHigh},  // every factor
      {{0, 1, 1, 2, 2, 1, 2, 2}, L"10 （低リスク）", levelLow},   // back down from high
  };
  Program program;
  int current[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.total)));
    chooseAll(program, current, c.choices);
    waitFor(program, [&] { return totalShows(program, c.total, c.fill); });
    EXPECT_TRUE(totalShows(program, c.total, c.fill));
    for (int factor = 1; factor <= 7; ++factor) {
      EXPECT_TRUE(rowShows(program, factor, c.choices[factor]));
    }
  }
}

// The cells of the form: seven points cells and the total.
std::vector<HWND> formCells(const Program& program) {
  std::vector<HWND> cells;
  for (int factor = 1; factor <= 7; ++factor) {
    cells.push_back(program.control(cellId(factor)));
  }
  cells.push_back(program.control(totalCellId));
  return cells;
}

// Lets this process's own windows paint for a while.
void pumpMessages(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  } while (GetTickCount64() < end);
}

// A plain white window of this process, over the whole form while it lives.
class Cover {
 public:
  explicit Cover(const RECT& area) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    cls.lpszClassName = L"RiskFormCover";
    RegisterClassW(&cls);
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, cls.lpszClassName, L"",
                              WS_POPUP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                              nullptr, nullptr, cls.hInstance, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
  }
  ~Cover() {
    DestroyWindow(window_);
    pumpMessages(20);
    UnregisterClassW(L"RiskFormCover", GetModuleHandleW(nullptr));
  }
  Cover(const Cover&) = delete;
  Cover& operator=(const Cover&) = delete;

 private:
  HWND window_ = nullptr;
};

TEST(RiskForm, CellsShowTheirValuesAgainWhenTheFormRepaints) {
  Program program;
  int current[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  const int mixed[8] = {0, 2, 1, 1, 2, 1, 1, 2};  // 3 + 5 + 4 + 2
  chooseAll(program, current, mixed);
  waitFor(program, [&] { return totalShows(program, L"14 （中リスク）", levelMid); });
  ASSERT_TRUE(totalShows(program, L"14 （中リスク）", levelMid));

  const std::vector<HWND> cells = formCells(program);
  std::vector<Capture> before;
  for (HWND cell : cells) {
    before.emplace_back(clientRectOnScreen(cell));
  }
  const auto allWhite = [&] {
    for (HWND cell : cells) {
      const Capture now(clientRectOnScreen(cell));
      if (now.count(white) != now.width() * now.height()) {
        return false;
      }
    }
    return true;
  };

  const struct {
    const char* name;
    std::function<void()> repaint;
  } ways[] = {
      {"a window over the form goes away",
       [&] {
         const Cover cover(clientRectOnScreen(program.mainWindow()));
         const ULONGLONG deadline = GetTickCount64() + 2000;
         while (!allWhite() && GetTickCount64() < deadline) {
           pumpMessages(20);
         }
         EXPECT_TRUE(allWhite()) << "the cover did not hide the cells";
       }},
      // What uncovering asks of the window where the system does not keep
      // its picture: Wine restores a covered window from its own copy.
      {"the whole window is invalidated",
       [&] {
         RedrawWindow(program.mainWindow(), nullptr, nullptr,
                      RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    way.repaint();
    program.settle();
    const auto sameAsBefore = [&] {
      for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!(Capture(clientRectOnScreen(cells[i])) == before[i])) {
          return false;
        }
      }
      return true;
    };
    waitFor(program, sameAsBefore);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "cell " << GetDlgCtrlID(cells[i]));
      EXPECT_TRUE(Capture(clientRectOnScreen(cells[i])) == before[i]);
    }
    for (int factor = 1; factor <= 7; ++factor) {
      EXPECT_TRUE(rowShows(program, factor, mixed[factor]));
    }
    EXPECT_TRUE(totalShows(program, L"14 （中リスク）", levelMid));
  }
}

// Radio buttons of one group clear each other's marks; the form must keep
// the rows apart. Each button and cell is clicked twice: once while every
// other row is marked at option 1, once while every other row is marked at
// option 2; after every click all seven rows must show their own choice.
TEST(RiskForm, AClickOnOneRowLeavesTheMarksOfEveryOtherRow) {
  Program program;
  // The sex row starts male but blank; its first click comes first.
  int choices[8] = {0, 1, 0, 0, 0, 0, 0, 0};
  const auto clickAndCheck = [&](int factor, int id, int choice) {
    SCOPED_TRACE(testing::Message() << "click on " << id << " (factor " << factor << ")");
    choices[factor] = choice;
    clickApart(program.control(id));
    waitFor(program, [&] { return rowShows(program, factor, choice); });
    for (int k = 1; k <= 7; ++k) {
      EXPECT_TRUE(rowShows(program, k, choices[k]));
    }
  };
  for (int others : {1, 2}) {
    const int flipped = 3 - others;
    const auto optionId = [](int factor, int option) {
      return option == 1 ? option1Id(factor) : option2Id(factor);
    };
    for (int factor : screenOrder) {
      if (choices[factor] != others || factor == 1) {
        clickAndCheck(factor, optionId(factor, others), others);
      }
    }
    for (int factor : screenOrder) {
      clickAndCheck(factor, optionId(factor, flipped), flipped);
      clickAndCheck(factor, cellId(factor), others);
      clickAndCheck(factor, optionId(factor, others), others);
    }
  }
}

TEST(RiskForm, ADoubleClickOnAPointsCellActsOnce) {
  const struct {
    int id;
    int factor;
    int choice;  // after the double click
  } cases[] = {
      {cellId(3), 3, 1},     // nothing -> option 1, not on to option 2
      {cellId(3), 3, 2},     // option 1 -> option 2, not back
      {cellId(1), 1, 2},     // male (still blank) -> female, not back to male
      {option1Id(1), 1, 1},  // 男性 acts once, the same as twice
      {option1Id(5), 5, 1},  // an automatic radio button acts twice, the same as once
      {cellId(5), 5, 2},
  };
  Program program;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "double click on " << c.id);
    const RECT r = clientRectOnScreen(program.control(c.id));
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    clickAt(x, y);
    clickAt(x, y);
    waitFor(program, [&] { return rowShows(program, c.factor, c.choice); });
    // Time for a second action to show, had there been one.
    Sleep(150);
    program.settle();
    EXPECT_TRUE(rowShows(program, c.factor, c.choice));
  }
}

}  // namespace
}  // namespace e2e
