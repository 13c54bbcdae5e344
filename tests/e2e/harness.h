#pragma once
// Drives the real Tollandra.exe as a user does: starts it, finds its windows
// and controls by the roles of the program's own window tables, clicks and
// types through the window system, reads texts, marks and pixels.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/windows/window_tables.h"
#include "driver/driver.h"

namespace e2e {

using driver::Capture;
using driver::capture;
using driver::click;
using driver::clickAt;
using driver::clientOnScreen;
using driver::clipboardText;
using driver::isChecked;
using driver::pressKeys;
using driver::text;
using driver::typeText;
using driver::waitUntil;
using driver::windowRect;
using tollandra::Command;
using tollandra::Role;
using tollandra::WindowKind;

// Tollandra.exe beside the driver, or the test build (with the hooks of
// src/win/testing).
std::wstring programPath(const wchar_t* name = L"Tollandra.exe");

// How many pixels of a capture match. Text is smoothed at its edges; its
// strokes keep the colour.
int count(const Capture& pixels, const std::function<bool(COLORREF)>& matches);
bool isRed(COLORREF c);
bool isBlue(COLORREF c);

// A window of the driver's own over a screen rectangle, so that whatever lies
// beneath repaints when it goes. Topmost unless placed after a given window.
struct Cover {
  explicit Cover(const RECT& area, HWND insertAfter = HWND_TOPMOST);
  ~Cover();
  HWND window;
};

class Program {
 public:
  // Starts the program and waits for the main window; with pressStart the
  // introduction is answered with "始める" first.
  explicit Program(bool pressStart = true, const wchar_t* name = L"Tollandra.exe");
  ~Program();
  HWND main() const { return window(WindowKind::Main); }
  HWND window(WindowKind kind) const;      // visible or not; nullptr when there is none
  HWND waitWindow(WindowKind kind) const;  // once it is there and has painted
  HWND control(Role role, int item = 0, int option = 0, WindowKind kind = WindowKind::Main) const;
  HWND messageBox() const;
  void settle() const;               // lets the program handle everything sent so far
  void menu(Command command) const;  // Alt, Right to the item, Return
  HWND focus() const;
  // The main window's title, read within 2 s; empty when it does not answer.
  std::wstring answers() const { return text(main()); }
  testing::AssertionResult endsQuietly() const;  // code 0 within 5 s, no message
  HANDLE process() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

// Types over a measurement box's whole text, as a user types it.
void typeInto(const Program& program, int measurement, const std::wstring& typed);
// Sets age, height and VC into the boxes and computes, for a man unless a
// sex is chosen; waits for the results.
void enter(const Program& program, const wchar_t* age, const wchar_t* height, const wchar_t* vc);
void enterExample(const Program& program);
// The open message box's title and text, a line each, after pressing OK;
// empty when none comes within the time.
std::wstring answerMessage(const Program& program, DWORD timeoutMs = 3000);
// The three result boxes' texts, a line each, and which of them hold red and
// which blue ink ("BRR"; "-" none, "?" both).
std::wstring resultTexts(const Program& program);
std::wstring resultInks(const Program& program);
wchar_t inkOf(HWND control);  // 'R', 'B', '-' or '?' as above
// The main window lies inside the screen's work area and every control
// inside its client area; the failure names what lies outside.
testing::AssertionResult fitsTheScreen(const Program& program);
// The record's line of its date and time, as the program writes it now.
std::wstring recordTimeLine();
// Ctrl+C, and what it put on the clipboard.
std::wstring copied(const Program& program);
// Opens About from the menu and checks that its papers (rows 9 to 12) are
// painted and end inside the page; the About window.
HWND openAboutShowingItsPapersWhole(const Program& program);
// Drags a window by its caption, with the mouse, by (dx, dy).
void dragByCaption(HWND window, int dx, int dy);
// Whether the window's caption shows the program's own 16-px icon: every
// opaque pixel of that image, colour for colour, near the caption's left end.
bool showsProgramIcon(HWND window);
// Whether the capture holds a pixel of exactly that colour.
bool holds(const Capture& pixels, COLORREF colour);
// The worked example: a man of 60 years, 170 cm, VC 3000 mL.
inline const std::wstring manAt60And170 =
    L"84.4 % 3555 : Baldwin\n74.8 % 4012 : JRS2001\n72.4 % 4142 : JRS2014\n";
inline const std::wstring manAt60And170Record =
    L"計算条件：男性 60 歳 170 cm VC 3000 mL\r\nBaldwin：%VC 84.4 %、予測 VC 3555 mL\r\n"
    L"JRS2001：%VC 74.8 %、予測 VC 4012 mL\r\n"
    L"JRS2014：%VC 72.4 %、予測 VC 4142 mL、LLN 3424 mL、z -2.72、LLN 未満\r\n";
inline const std::wstring manAt60And170Limit = L"JRS2014 LLN 3424 mL  z -2.72  LLN 未満";

}  // namespace e2e
