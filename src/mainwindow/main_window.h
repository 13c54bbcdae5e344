#pragma once

#include <windows.h>

namespace tollandra {

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the main window ("NORMAL0"); false when the window system refused.
bool createMainWindow();

}  // namespace tollandra
