#pragma once
// Drives the real Tollandra.exe as a user would: starts it, finds its windows,
// clicks and types through the window system, reads texts, marks and pixels.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

std::wstring programPath();  // Tollandra.exe beside the driver

// Polls until the condition holds; false after the timeout.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

std::wstring text(HWND window);
RECT windowRect(HWND window);
RECT clientRectOnScreen(HWND window);
bool isChecked(HWND button);
COLORREF screenPixel(int x, int y);
std::wstring className(HWND window);
// A control's text, or "<not answering>" when its program does not answer in
// time (a long paste must not hang the driver too).
std::wstring textWithin(HWND window, UINT timeoutMs);

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
// The fills of the three risk levels and of the HAL classes.
constexpr COLORREF levelLow = RGB(192, 255, 255);
constexpr COLORREF levelMid = RGB(255, 255, 0);
constexpr COLORREF levelHigh = RGB(255, 140, 140);
// Text is smoothed at its edges; its strokes keep the colour.
bool isRed(COLORREF c);
bool isBlue(COLORREF c);
bool isBlack(COLORREF c);
std::wstring hex(COLORREF c);
std::wstring describe(const RECT& r);

// The screen pixels of one rectangle, read at one moment with one BitBlt
// (GetPixel per pixel would take seconds for a cell under Wine).
class Capture {
 public:
  explicit Capture(const RECT& area);
  int width() const { return width_; }
  int height() const { return height_; }
  // x and y from the area's top-left corner.
  COLORREF at(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int count(const std::function<bool(COLORREF)>& matches) const;
  int count(COLORREF color) const {
    return count([color](COLORREF c) { return c == color; });
  }
  bool any(bool (*matches)(COLORREF)) const { return count(matches) > 0; }
  // Every pixel of the sub-rectangle [x0, x1) x [y0, y1) has the colour.
  bool uniform(int x0, int y0, int x1, int y1, COLORREF color) const;
  // The smallest rectangle holding every pixel that differs from the fill;
  // left > right when there is none.
  RECT ink(COLORREF fill) const;
  bool operator==(const Capture& other) const = default;

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

// Lets this process's own windows handle their messages for a while (one
// pass with 0).
void pumpMessages(DWORD ms);

// A window of the driver laid over a screen rectangle, so that whatever lies
// beneath has to repaint when it goes. It takes the activation only when asked.
class Cover {
 public:
  explicit Cover(const RECT& area, int stockBrush = WHITE_BRUSH, bool activate = false);
  ~Cover() { remove(); }
  Cover(const Cover&) = delete;
  Cover& operator=(const Cover&) = delete;
  void remove();

 private:
  HWND window_ = nullptr;
};

// Real input through SendInput.
void clickAt(int x, int y);
void click(HWND window);  // at the centre of its client area
void typeText(const std::wstring& text);
void pressKey(WORD virtualKey);
void pressKeys(std::initializer_list<WORD> chord);  // e.g. {VK_MENU, VK_F4}
// Clicks a control away from the spot of the previous click, so that two
// clicks in quick succession never make a double click.
void clickApart(HWND control);
// Two clicks on one control in quick succession make a double click, which
// the sex controls act on once and an edit box takes as a word selection; a
// user who means two single clicks leaves a pause between them.
void clickSingle(HWND control);
void clickCloseBox(HWND window);
bool putOnClipboard(const std::wstring& text);

class Program {
 public:
  // Starts the program and waits for the main window. With pressStart the
  // introduction is answered with its start button first.
  explicit Program(bool pressStart = true);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND mainWindow() const { return main_; }
  HWND control(int id) const { return GetDlgItem(main_, id); }
  HWND halWindow() const;
  DWORD processId() const { return info_.dwProcessId; }
  HANDLE process() const { return info_.hProcess; }

  // A visible top-level window of this process with the class (and title).
  HWND findWindow(const wchar_t* windowClass, const wchar_t* title = nullptr) const;
  HWND waitWindow(const wchar_t* windowClass, const wchar_t* title = nullptr, DWORD timeoutMs = 5000) const;
  // The open message box, if any.
  HWND messageBox() const { return findWindow(L"#32770"); }

  // Lets the program handle everything sent so far.
  void settle() const;
  // Waits for a condition a click should bring, then lets the program finish
  // painting; the caller asserts the condition once more to report it.
  void waitFor(const std::function<bool()>& condition) const;
  // Runs a menu item as a user does: Alt, Right k times, Return.
  void menu(int index) const;
  HWND focus() const;  // the control with the keyboard focus
  bool answers() const;
  bool waitExit(DWORD timeoutMs, DWORD* exitCode) const;
  SIZE_T workingSet() const;

 private:
  PROCESS_INFORMATION info_{};
  HWND main_ = nullptr;
};

struct MessageBoxContents {
  std::wstring title;
  std::wstring text;
};

// Reads the message box's title and text, then presses OK.
MessageBoxContents answerMessageBox(HWND box);
// Answers the message box that should now be open; nothing when none comes.
std::optional<MessageBoxContents> answerRefusal(const Program& program);

// The program ends with code 0 within five seconds without showing a message.
testing::AssertionResult endsQuietlyWithCodeZero(const Program& program);

// The measurement boxes. Clicks into one and selects all it holds, so what
// comes next replaces it; the VC box selects part of its text when it gains
// the focus, so the selection is made only once the click has been handled.
bool enterBox(const Program& program, int id);
// Types over the box's whole content; `reaches` is what the box keeps of the
// keystrokes (it takes digits only).
bool typeOver(const Program& program, int id, const std::wstring& typed, const std::wstring& reaches);
bool pasteOver(const Program& program, int id, const std::wstring& pasted);
// Leaves a box the way a user does, by clicking into another control, and
// waits until the reading that the focus loss starts has run (or has raised
// its message).
void leaveBox(const Program& program, int from, int to);

// A cell as the user sees it: its text, and its picture on `fill` with some
// ink of `inkColour` and none of `otherInk`. The ink lies within a box that
// starts at [left, leftMost] x [top, top + 6] (a glyph's left bearing and the
// font's internal leading move it a little right and down) and ends at least
// `rightMargin` pixels short of the cell's right edge.
struct CellPicture {
  COLORREF fill, inkColour, otherInk;
  int left, leftMost, top, rightMargin;
};
testing::AssertionResult cellShows(HWND cell, const std::wstring& expected, const CellPicture& picture);

// One row of the risk form or one HAL item as the user sees it: both marks,
// the points cell's text (choice 0: none made, "*") and its digit in red for
// option 1, blue for option 2, on white at (30, 10).
testing::AssertionResult choiceShows(HWND form, int row, int choice, int points);
// Clicks the option buttons and points cells of the rows in turn: each once
// while every other row is at option 1, once while at option 2. After every
// click all rows must show their own choice and `alsoHolds` must hold.
void expectClicksLeaveTheOtherRows(const Program& program, HWND form, const std::vector<int>& rows,
                                   const int* points, int* choices,
                                   const std::function<testing::AssertionResult(const int*)>& alsoHolds);

}  // namespace e2e
