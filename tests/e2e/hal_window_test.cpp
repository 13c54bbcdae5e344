// The HAL score window, driven with real clicks and keys: where the main
// window's menu shows it, its points, total and class cells as texts and
// pixels, hiding and showing, and that its repaints leave the focus alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
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
constexpr COLORREF classLow = RGB(192, 255, 255);
constexpr COLORREF classMid = RGB(255, 255, 0);
constexpr COLORREF classHigh = RGB(255, 140, 140);

constexpr int totalCellId = 1056;
constexpr int hideButtonId = 1057;
constexpr int classCellId = 1058;
constexpr int ageBoxId = 1000;

int option1Id(int item) { return 1014 + item; }
int option2Id(int item) { return 1021 + item; }
int cellId(int item) { return 1028 + item; }

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

  const std::vector<std::uint32_t>& pixels() const { return pixels_; }

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

std::wstring describe(const RECT& r) {
  return L"(" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L")-(" + std::to_wstring(r.right) +
         L"," + std::to_wstring(r.bottom) + L")";
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

HWND halControl(const Program& program, int id) { return GetDlgItem(program.halWindow(), id); }

// One HAL item as the user sees it: both marks, the points cell's text, the
// colour of its digit (red for a positive finding, blue for a negative one),
// its white fill and the digit's place at (30, 10).
testing::AssertionResult itemShows(const Program& program, int item, int choice) {
  const bool mark1 = isChecked(halControl(program, option1Id(item)));
  const bool mark2 = isChecked(halControl(program, option2Id(item)));
  HWND cell = halControl(program, cellId(item));
  const std::wstring cellText = text(cell);
  const std::wstring expectedText = choice == 0 ? L"*" : choice == 1 ? L"1" : L"0";
  if (mark1 != (choice == 1) || mark2 != (choice == 2) || cellText != expectedText) {
    return testing::AssertionFailure() << "item " << item << ": marks " << mark1 << mark2 << ", cell "
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
  const bool fillWhite = pixels.uniform(0, 0, w, 8, white) && pixels.uniform(w - 20, 0, w, h, white);
  // A glyph's left bearing and the font's internal leading put the first
  // ink a little right of and below the point the text is drawn at.
  const bool placed = box.left >= 30 && box.left <= 33 && box.top >= 10 && box.top <= 16 && box.bottom < h;
  if (pixels.count(ink) == 0 || pixels.count(other) != 0 || !fillWhite || !placed) {
    return testing::AssertionFailure() << "item " << item << ": " << pixels.count(ink) << " pixels of "
                                       << testing::PrintToString(hex(ink)) << ", fill white " << fillWhite
                                       << ", ink " << testing::PrintToString(describe(box));
  }
  return testing::AssertionSuccess();
}

// The total cell (black digits on white at (30, 5)) and the class cell
// (black text on its class colour at (25, 5); " 1" and " 0" start with a
// blank, so their digit starts a few pixels further right than "2≧").
testing::AssertionResult resultShows(const Program& program, int total, const std::wstring& classText,
                                     COLORREF classFill) {
  HWND totalCell = halControl(program, totalCellId);
  HWND classCell = halControl(program, classCellId);
  const std::wstring totalText = text(totalCell);
  const std::wstring shownClass = text(classCell);
  if (totalText != std::to_wstring(total) || shownClass != classText) {
    return testing::AssertionFailure() << "total " << testing::PrintToString(totalText) << ", class "
                                       << testing::PrintToString(shownClass);
  }
  const Capture totalPixels(clientRectOnScreen(totalCell));
  const Capture classPixels(clientRectOnScreen(classCell));
  const int w = totalPixels.width();
  const int h = totalPixels.height();
  const RECT totalInk = totalPixels.ink(white);
  const RECT classInk = classPixels.ink(classFill);
  const bool totalWhite =
      totalPixels.uniform(0, 0, 25, h, white) && totalPixels.uniform(w - 20, 0, w, h, white);
  const bool classFilled = classPixels.uniform(0, 0, 22, h, classFill) &&
                           classPixels.uniform(w - 10, 0, w, h, classFill) &&
                           classPixels.uniform(0, 0, w, 4, classFill);
  const bool totalPlaced =
      totalInk.left >= 30 && totalInk.left <= 33 && totalInk.top >= 5 && totalInk.top <= 11;
  const int classLeftMost = classText == L"2≧" ? 28 : 34;
  const bool classPlaced =
      classInk.left >= 25 && classInk.left <= classLeftMost && classInk.top >= 5 && classInk.top <= 11;
  if (!totalWhite || totalPixels.count(black) == 0 || !totalPlaced || !classFilled ||
      classPixels.count(black) == 0 || !classPlaced) {
    return testing::AssertionFailure()
           << "total " << total << ": white " << totalWhite << ", " << totalPixels.count(black)
           << " black, ink " << testing::PrintToString(describe(totalInk)) << "; class "
           << testing::PrintToString(classText) << ": filled " << classFilled << " (left "
           << testing::PrintToString(hex(classPixels.at(2, h / 2))) << "), " << classPixels.count(black)
           << " black, ink " << testing::PrintToString(describe(classInk));
  }
  return testing::AssertionSuccess();
}

// Where the window shows while the main window stays where it opened,
// (343, 84) on this screen: 60 px right of it and at half its top.
constexpr POINT besideOpenedMain = {403, 42};

bool isAt(HWND window, POINT origin) {
  const RECT r = windowRect(window);
  return r.left == origin.x && r.top == origin.y;
}

testing::AssertionResult shownAt(HWND window, POINT origin) {
  const RECT r = windowRect(window);
  if (!IsWindowVisible(window) || r.left != origin.x || r.top != origin.y) {
    return testing::AssertionFailure() << "visible " << IsWindowVisible(window) << " at " << r.left << ","
                                       << r.top << ", expected " << origin.x << "," << origin.y;
  }
  return testing::AssertionSuccess();
}

// Runs the menu item and waits for the window to show and place itself.
void showHalWindow(const Program& program, POINT origin = besideOpenedMain) {
  program.menu(0);
  waitFor(program, [&] { return IsWindowVisible(program.halWindow()) && isAt(program.halWindow(), origin); });
}

void moveMainWindow(const Program& program, int x, int y) {
  SetWindowPos(program.mainWindow(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  waitFor(program, [&] { return isAt(program.mainWindow(), {x, y}); });
}

// The pixels of the five cells, to compare before and after.
std::vector<Capture> captureCells(const Program& program) {
  std::vector<Capture> cells;
  for (int id : {cellId(1), cellId(2), cellId(3), totalCellId, classCellId}) {
    cells.emplace_back(clientRectOnScreen(halControl(program, id)));
  }
  return cells;
}

void saveScreenshot(const wchar_t* name) {
  const Capture screen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, length);
  path = path.substr(0, path.find_last_of(L"\\/") + 1) + name;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = screen.width();
  info.biHeight = -screen.height();
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  const DWORD pixelBytes = static_cast<DWORD>(screen.pixels().size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + pixelBytes;
  if (FILE* out = _wfopen(path.c_str(), L"wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    // Opaque: viewers read the fourth byte of a 32-bit bitmap as alpha.
    std::vector<std::uint32_t> opaque = screen.pixels();
    for (std::uint32_t& pixel : opaque) {
      pixel |= 0xFF000000u;
    }
    std::fwrite(opaque.data(), 1, pixelBytes, out);
    std::fclose(out);
  }
}

TEST(HalWindow, HiddenAtStartAndTheMenuShowsItAboveTheMainWindow) {
  Program program;
  HWND hal = program.halWindow();
  ASSERT_NE(hal, nullptr);
  EXPECT_FALSE(IsWindowVisible(hal));
  EXPECT_EQ(text(hal), L"ＨＡＬスコア");
  const RECT size = windowRect(hal);
  EXPECT_EQ(size.right - size.left, 520);
  EXPECT_EQ(size.bottom - size.top, 260);
  const LONG style = GetWindowLongW(hal, GWL_STYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_POPUP | WS_CAPTION);
  // Nothing is drawn before the first click.
  for (int item = 1; item <= 3; ++item) {
    EXPECT_TRUE(itemShows(program, item, 0));
  }
  EXPECT_EQ(text(halControl(program, totalCellId)), L"");
  EXPECT_EQ(text(halControl(program, classCellId)), L"");

  const struct {
    int mainX, mainY;  // where the main window is moved first; 0, 0: left where it opened
    POINT hal;
  } cases[] = {
      {0, 0, {403, 42}},       // (343, 84) on this screen: 84 / 2
      {343, 300, {403, 140}},  // 300 - 160
      {200, 161, {260, 1}},    // just below the switch
      {343, 160, {403, 80}},   // 160 / 2
      {343, 100, {403, 50}},
      {343, -8, {403, -4}},  // pushed partly above the screen: -8 / 2, cut toward zero
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "main window top " << c.mainY);
    if (c.mainX != 0 || c.mainY != 0) {
      moveMainWindow(program, c.mainX, c.mainY);
    } else {
      ASSERT_TRUE(isAt(program.mainWindow(), {343, 84}));
    }
    showHalWindow(program, c.hal);
    EXPECT_TRUE(shownAt(hal, c.hal));
    program.menu(0);
    waitFor(program, [&] { return !IsWindowVisible(hal); });
    EXPECT_FALSE(IsWindowVisible(hal));
  }
}

TEST(HalWindow, PointsTotalAndClassFollowEveryChoice) {
  Program program;
  // A few factors of the main form, for the screenshot: 5 + 2 + male 3.
  for (int id : {1017, 1026, 1020}) {
    clickApart(program.control(id));
  }
  waitFor(program, [&] { return text(program.control(1036)) == L"10 （低リスク）"; });
  EXPECT_EQ(text(program.control(1036)), L"10 （低リスク）");
  showHalWindow(program);
  ASSERT_TRUE(IsWindowVisible(program.halWindow()));

  const struct {
    int id;
    int choices[3];
    int total;
    const wchar_t* classText;
    COLORREF classFill;
  } steps[] = {
      {cellId(1), {1, 0, 0}, 1, L"1", classMid},  // nothing -> positive; the others count 0
      {cellId(1), {2, 0, 0}, 0, L"0", classLow},
      {cellId(1), {1, 0, 0}, 1, L"1", classMid},
      {option1Id(2), {1, 1, 0}, 2, L"2≧", classHigh},
      {option1Id(3), {1, 1, 1}, 3, L"2≧", classHigh},
      {option2Id(1), {2, 1, 1}, 2, L"2≧", classHigh},
      {option2Id(2), {2, 2, 1}, 1, L"1", classMid},
      {option2Id(3), {2, 2, 2}, 0, L"0", classLow},  // all three negative
      {option2Id(3), {2, 2, 2}, 0, L"0", classLow},  // the same button again
      {option1Id(1), {1, 2, 2}, 1, L"1", classMid},
      {option2Id(3), {1, 2, 2}, 1, L"1", classMid},  // must leave item 1's mark
      {option2Id(2), {1, 2, 2}, 1, L"1", classMid},
      {cellId(2), {1, 1, 2}, 2, L"2≧", classHigh},
      {cellId(3), {1, 1, 1}, 3, L"2≧", classHigh},
      {option2Id(2), {1, 2, 1}, 2, L"2≧", classHigh},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << "click on " << step.id << ", total " << step.total);
    clickApart(halControl(program, step.id));
    const auto shown = [&] {
      return itemShows(program, 1, step.choices[0]) && itemShows(program, 2, step.choices[1]) &&
             itemShows(program, 3, step.choices[2]) &&
             resultShows(program, step.total, step.classText, step.classFill);
    };
    waitFor(program, shown);
    for (int item = 1; item <= 3; ++item) {
      EXPECT_TRUE(itemShows(program, item, step.choices[item - 1]));
    }
    EXPECT_TRUE(resultShows(program, step.total, step.classText, step.classFill));
  }
  // The HAL window keeps its own score: the main form's total is untouched.
  EXPECT_EQ(text(program.control(1036)), L"10 （低リスク）");
  saveScreenshot(L"screenshot-scoring.bmp");
}

// As on the main form: every button and cell is clicked once while the two
// other items are positive and once while they are negative, and every
// item must keep its own marks.
TEST(HalWindow, AClickOnOneItemLeavesTheMarksOfTheOthers) {
  Program program;
  showHalWindow(program);
  int choices[4] = {0, 0, 0, 0};
  const auto clickAndCheck = [&](int item, int id, int choice) {
    SCOPED_TRACE(testing::Message() << "click on " << id);
    choices[item] = choice;
    clickApart(halControl(program, id));
    waitFor(program, [&] { return itemShows(program, item, choice); });
    for (int k = 1; k <= 3; ++k) {
      EXPECT_TRUE(itemShows(program, k, choices[k]));
    }
  };
  const auto optionId = [](int item, int option) { return option == 1 ? option1Id(item) : option2Id(item); };
  for (int others : {1, 2}) {
    const int flipped = 3 - others;
    for (int item = 1; item <= 3; ++item) {
      clickAndCheck(item, optionId(item, others), others);
    }
    for (int item = 1; item <= 3; ++item) {
      clickAndCheck(item, optionId(item, flipped), flipped);
      clickAndCheck(item, cellId(item), others);
      clickAndCheck(item, optionId(item, others), others);
    }
  }
}

TEST(HalWindow, HidingKeepsEverythingAndAltF4OnlyHidesIt) {
  Program program;
  HWND hal = program.halWindow();
  showHalWindow(program);
  for (int id : {option1Id(1), option2Id(2), cellId(3)}) {
    clickApart(halControl(program, id));
  }
  const auto kept = [&] {
    return itemShows(program, 1, 1) && itemShows(program, 2, 2) && itemShows(program, 3, 1) &&
           resultShows(program, 2, L"2≧", classHigh);
  };
  waitFor(program, kept);
  ASSERT_TRUE(kept());
  const std::vector<Capture> before = captureCells(program);

  const struct {
    const char* name;
    std::function<void()> hide;
  } ways[] = {
      {"Ｘ button", [&] { clickApart(halControl(program, hideButtonId)); }},
      {"Alt+F4",
       [&] {
         // A click on a label makes the window the active one, as a user would.
         clickApart(halControl(program, 1003));
         ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == hal; }, 2000));
         pressKeys({VK_MENU, VK_F4});
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    way.hide();
    waitFor(program, [&] { return !IsWindowVisible(hal); });
    EXPECT_FALSE(IsWindowVisible(hal));
    EXPECT_TRUE(IsWindow(hal)) << "the window was destroyed";
    DWORD code = 0;
    EXPECT_FALSE(program.waitExit(0, &code)) << "the program ended with " << code;
    EXPECT_TRUE(IsWindowVisible(program.mainWindow()));
    showHalWindow(program);
    EXPECT_TRUE(shownAt(hal, besideOpenedMain));
    waitFor(program, [&] { return captureCells(program) == before; });
    EXPECT_TRUE(kept());
    EXPECT_TRUE(captureCells(program) == before) << "the cells look different after showing again";
  }
}

TEST(HalWindow, ItsRepaintsLeaveTheFocusInTheAgeBox) {
  Program program;
  HWND hal = program.halWindow();
  showHalWindow(program);
  HWND age = program.control(ageBoxId);
  click(age);
  const DWORD thread = GetWindowThreadProcessId(program.mainWindow(), nullptr);
  const auto focus = [&] {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(thread, &gui);
    return gui.hwndFocus;
  };
  waitFor(program, [&] { return focus() == age; });
  ASSERT_EQ(focus(), age);

  const struct {
    int mainX, mainY;
    POINT hal;
  } places[] = {{343, 84, besideOpenedMain}, {300, 200, {360, 40}}, {343, 84, besideOpenedMain}};
  for (const auto& place : places) {
    SCOPED_TRACE(testing::Message() << "main window at " << place.mainX << "," << place.mainY);
    moveMainWindow(program, place.mainX, place.mainY);
    RedrawWindow(hal, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    // The window follows the main window only when it paints: seeing it there
    // shows the repaint has run.
    waitFor(program, [&] { return isAt(hal, place.hal); });
    EXPECT_TRUE(shownAt(hal, place.hal));
    EXPECT_EQ(focus(), age);
    EXPECT_EQ(program.messageBox(), nullptr);
    EXPECT_EQ(text(age), L"**") << "the age box was read";
  }
}

TEST(HalWindow, CloseMenuItemEndsTheProgramWhileTheWindowIsShown) {
  Program program;
  showHalWindow(program);
  clickApart(halControl(program, cellId(2)));
  waitFor(program, [&] { return itemShows(program, 2, 1); });
  program.menu(3);
  DWORD code = 1;
  ASSERT_TRUE(program.waitExit(5000, &code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace e2e
