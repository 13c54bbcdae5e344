#pragma once
// Drives the real Tollandra.exe as a user does: starts it, finds its windows
// and controls by the roles of the program's own window tables, clicks and
// types through the window system, reads texts, marks and pixels.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/windows/window_tables.h"

namespace e2e {

using tollandra::Command;
using tollandra::Role;
using tollandra::WindowKind;

std::wstring programPath();  // Tollandra.exe beside the driver
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

std::wstring text(HWND window);
bool isChecked(HWND button);
RECT clientOnScreen(HWND window);
RECT windowRect(HWND window);

// Text is smoothed at its edges; its strokes keep the colour.
bool isRed(COLORREF c);
bool isBlue(COLORREF c);

// The screen pixels of one rectangle, read at one moment.
class Capture {
 public:
  explicit Capture(const RECT& area);
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF at(int x, int y) const;
  int count(const std::function<bool(COLORREF)>& matches) const;
  bool operator==(const Capture& other) const = default;

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

// A window of the driver's own over a screen rectangle, so that whatever lies
// beneath repaints when it goes. Topmost unless placed after a given window.
class Cover {
 public:
  explicit Cover(const RECT& area, HWND insertAfter = HWND_TOPMOST);
  ~Cover();
  Cover(const Cover&) = delete;
  Cover& operator=(const Cover&) = delete;
  HWND window() const { return window_; }

 private:
  HWND window_;
};

// Real input through SendInput.
void clickAt(int x, int y);
void click(HWND window);  // at the centre of its client area, apart from the last click
void pressKeys(std::initializer_list<WORD> chord);
void typeText(const std::wstring& text);
bool putOnClipboard(const std::wstring& text);
std::wstring clipboardText();

class Program {
 public:
  // Starts the program and waits for the main window; with pressStart the
  // introduction is answered with "始める" first.
  explicit Program(bool pressStart = true);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND main() const { return window(WindowKind::Main); }
  // The program's window of that kind, visible or not; nullptr when none.
  HWND window(WindowKind kind) const;
  HWND waitWindow(WindowKind kind) const;  // once it is there and has painted
  HWND control(Role role, int item = 0, int option = 0, WindowKind kind = WindowKind::Main) const;
  HWND messageBox() const;

  void settle() const;               // lets the program handle everything sent so far
  void menu(Command command) const;  // Alt, Right to the item, Return
  HWND focus() const;
  bool answers() const;
  // Ends with code 0 within five seconds without showing a message.
  testing::AssertionResult endsQuietly() const;
  SIZE_T privateBytes() const;
  HANDLE process() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

// Types over a measurement box's whole text (the box keeps only digits).
void typeInto(const Program& program, int measurement, const std::wstring& typed);
// Reads the open message box's title and text and presses OK; none when
// none comes.
// The three result boxes' texts, one line each, and which of them hold red
// and which blue ink ("BRR"; "-" none, "?" both).
std::wstring resultTexts(const Program& program);
std::wstring resultInks(const Program& program);
// The worked example: a man of 60 years, 170 cm, VC 3000 mL.
inline const std::wstring manAt60And170 =
    L"84.4 % 3555 : Baldwin\n74.8 % 4012 : JRS2001\n72.4 % 4142 : JRS2014\n";

struct Message {
  std::wstring title;
  std::wstring text;
};
std::optional<Message> answerMessage(const Program& program);

}  // namespace e2e
