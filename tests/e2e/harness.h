#pragma once
// Drives the real Tollandra.exe as a user would: starts it, finds its windows,
// clicks and types through the window system, reads texts, marks and pixels.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls until the condition holds; false after the timeout.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

std::wstring text(HWND window);
RECT windowRect(HWND window);
RECT clientRectOnScreen(HWND window);
bool isChecked(HWND button);
COLORREF screenPixel(int x, int y);
std::wstring className(HWND window);

// Real input through SendInput.
void clickAt(int x, int y);
void click(HWND window);  // at the centre of its client area
void typeText(const std::wstring& text);
void pressKey(WORD virtualKey);
void pressKeys(std::initializer_list<WORD> chord);  // e.g. {VK_MENU, VK_F4}

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
  // Runs a menu item as a user does: Alt, Right k times, Return.
  void menu(int index) const;
  // Focus, type and leave a measurement box by clicking elsewhere.
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

}  // namespace e2e
