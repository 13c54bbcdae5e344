#pragma once

#include <windows.h>

namespace tollandra {

LRESULT CALLBACK HalWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the HAL score window ("NORMAL2"), hidden.
void createHalWindow();

}  // namespace tollandra
