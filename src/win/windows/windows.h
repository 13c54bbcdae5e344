#pragma once
// The program's windows: one procedure each, and how they are opened.

#include <windows.h>

#include <string_view>

namespace tollandra {

class App;

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT HalWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The introduction, About and the references: swapped in right after their
// creation, so the messages of creation reach only the class's default.
LRESULT InfoWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Whether Ctrl+C in the control copies its selection: an edit box with a
// selection the user made, not one the program made.
bool copiesOwnSelection(HWND control);

// The main window, centred and shown; nullptr when the window system refused.
HWND createMainWindow(App& app);
// The HAL window, hidden.
HWND createHalWindow(App& app);
// Shows the HAL window where its rule puts it against the main window, at
// the scale that fits the screen.
void showHalWindow(App& app);

// Opens the information window named by key, modal to owner, and returns
// once it has closed, with the code it was closed with (0 for an unknown key
// or a window that could not be created).
WPARAM OpenInfoWnd(App& app, HWND owner, std::string_view key);

// Enables the owner again, then destroys the window, which ends its loop.
void CloseInfoWnd(HWND window, WPARAM code);

}  // namespace tollandra
