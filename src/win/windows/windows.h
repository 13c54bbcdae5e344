#pragma once
// The program's top-level windows: one procedure for each kind, and how they
// are made and opened.

#include <windows.h>

#include <string_view>

#include "core/windows/window_tables.h"

namespace tollandra {

class App;

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The windows the menu shows and hides: the HAL score and the postoperative
// prediction.
LRESULT SecondaryWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The introduction, About and the references.
LRESULT InfoWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The main window, hidden, placed and sized for its screen; its controls
// come once the introduction is on the screen. nullptr when the window
// system refused.
HWND createMainWindow(App& app);
// A window the menu shows, made hidden with its controls.
HWND createSecondaryWindow(App& app, WindowKind kind);

// Opens the information window named by key, modal to owner, and returns
// once it has gone (at once for an unknown key).
void OpenInfoWnd(App& app, HWND owner, std::string_view key);

// Makes the owner usable again (when no other information window is open),
// then destroys the window, which ends its loop.
void CloseInfoWnd(HWND window);

}  // namespace tollandra
