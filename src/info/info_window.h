#pragma once
// The modal information windows: introduction, About, references. Each is
// modal by nesting: OpenInfoWnd runs its own message loop with the owner
// disabled, and CloseInfoWnd ends it.

#include <windows.h>

#include <string_view>

namespace tollandra {

// Opens the information window named by key, modal to owner, and returns
// once it has closed, with the code it was closed with (0 for an unknown key
// or a window that could not be created).
WPARAM OpenInfoWnd(HWND owner, std::string_view key);

// Enables the owner again, destroys the window and ends its nested loop.
void CloseInfoWnd(HWND window, WPARAM code);

// Opens the introduction the first time the main window paints.
void openIntroductionOnce(HWND mainWindow);

// Each information window's procedure, and where About and the references
// place themselves: against the main window, at every paint.
LRESULT CALLBACK IntroductionWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AboutWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ReferencesWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void placeAgainstMainWindow(HWND window);

// About and the references differ only in what they create and paint: both
// close by their button 閉じる (1059) or the close box, in the same way.
struct InfoPage {
  HWND* handle;  // the open window, for CloseInfoWnd
  void (*create)(HWND window);
  void (*paint)(HWND window, HDC dc);
};
LRESULT infoPageProc(const InfoPage& page, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tollandra
