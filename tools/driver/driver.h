#pragma once
// Finding and reading the program's windows from outside it, by the ids and
// roles of its own window tables: the hands of drive.exe, which the scripts
// use, and of the end-to-end tests. A control is found as the program itself
// finds it, with controlOf (win/build/builder.h).

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/windows/window_tables.h"

namespace driver {

// Polls until the condition holds; false after the timeout.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

// A top-level window of the class (and title) in the process, or in any
// process for 0; visible ones only when asked.
HWND findWindow(DWORD processId, const wchar_t* windowClass, const wchar_t* title, bool visibleOnly);
// The program's window of that kind, by its class and title.
HWND findWindow(DWORD processId, tollandra::WindowKind kind, bool visibleOnly);

// WM_GETTEXT, which reads another process's controls too; with a timeout, so
// a program that does not answer cannot hang the caller.
std::wstring text(HWND window);
bool isChecked(HWND button);
RECT clientOnScreen(HWND window);
RECT windowRect(HWND window);
std::wstring clipboardText();

// Real input through SendInput, as a user gives it.
void clickAt(int x, int y);
void click(HWND window);  // at the centre of its client area, apart from the last click
void clickCloseBox(HWND window);
// By (dx, dy), step by step; false, with nothing sent, when the caption is
// covered where it would be grabbed.
bool dragByCaption(HWND window, int dx, int dy);
void pressKeys(std::initializer_list<WORD> chord);
void typeText(const std::wstring& text);

// The screen's pixels in a rectangle, top row first, as COLORREF values.
using Capture = std::vector<COLORREF>;
Capture capture(const RECT& area);

}  // namespace driver
