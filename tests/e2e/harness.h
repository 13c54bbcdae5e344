#pragma once
// Drives the real Tollandra.exe as a user does: starts it, finds its windows
// and controls by the roles of the program's own window tables, clicks and
// types through the window system, reads texts, marks and pixels.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/windows/window_tables.h"
#include "driver/driver.h"

namespace e2e {

using namespace driver;
using tollandra::Command;
using tollandra::Role;
using tollandra::WindowKind;

// Tollandra.exe beside the driver, or the test build (with the hooks of
// src/win/testing).
std::wstring programPath(const wchar_t* name = L"Tollandra.exe");

// Text is smoothed at its edges; its strokes keep the colour.
bool isRed(COLORREF c);

// Paints a window and its children again, as uncovering them would.
inline void repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

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
  testing::AssertionResult endsQuietly() const;  // code 0 within 5 s, no message
  HANDLE process() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

// Types over a typed box's whole text, as a user types it.
void typeInto(const Program& program, int measurement, const std::wstring& typed, WindowKind kind = WindowKind::Main);
// Sets age, height and VC into the boxes (the worked example unless told
// otherwise) and computes, for a man unless a sex is chosen; waits for the
// results.
void enter(const Program& program, const wchar_t* age = L"60", const wchar_t* height = L"170",
           const wchar_t* vc = L"3000");
// The open message box's title and text, a line each, after pressing OK;
// empty when none comes within the time.
std::wstring answerMessage(const Program& program, DWORD timeoutMs = 3000);
// The three result boxes' texts, a line each, and which of them hold red and
// which blue ink ("BRR"; "-" none, "?" both).
std::wstring resultTexts(const Program& program);
std::wstring resultInks(const Program& program);
wchar_t inkOf(HWND control);  // 'R', 'B', '-' or '?' as above
// Ctrl+C, and what it put on the clipboard.
std::wstring copied(const Program& program);
// Opens About from the menu and checks that its papers and the guideline
// (rows 9 to 13) are painted and end inside the page; the About window.
HWND openAboutShowingItsPapersWhole(const Program& program);
// Whether the window lies in front of the other one.
bool inFrontOf(HWND window, HWND other);
// Whether any option of either form shows a check mark.
bool anyAnswered(const Program& program);
// Whether the window's caption shows the program's own 16-px icon
// (tools/resources/lungs16.xpm): its 78 light, 54 middle and 26 dark blue
// pixels at the caption's left end.
bool showsProgramIcon(HWND window);
// The worked example: a man of 60 years, 170 cm, VC 3000 mL.
inline const std::wstring manAt60And170 =
    L"84.4 % 3555 : Baldwin\n74.8 % 4012 : JRS2001\n72.4 % 4142 : JRS2014\n";
inline const std::wstring manAt60And170Record =
    L"計算条件：男性 60 歳 170 cm VC 3000 mL\r\nBaldwin：%VC 84.4 %、予測 VC 3555 mL\r\n"
    L"JRS2001：%VC 74.8 %、予測 VC 4012 mL\r\n"
    L"JRS2014：%VC 72.4 %、予測 VC 4142 mL、LLN 3424 mL、z -2.72、LLN 未満\r\n";
inline const std::wstring manAt60And170Limit = L"JRS2014 LLN 3424 mL  z -2.72  LLN 未満";

}  // namespace e2e
