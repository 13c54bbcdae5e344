#pragma once
// The modal information windows: introduction, About, references.

#include <windows.h>

#include <string_view>

namespace tollandra {

// Opens the information window named by key, modal to owner, and returns
// once it has closed, with the code it was closed with.
WPARAM OpenInfoWnd(HWND owner, std::string_view key);

// Opens the introduction the first time the main window paints.
void openIntroductionOnce(HWND mainWindow);

}  // namespace tollandra
