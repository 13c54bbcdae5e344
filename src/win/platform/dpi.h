#pragma once
// The display scale. The per-monitor functions exist from Windows 10 on; they
// are looked up at run time, so the program still starts on Windows 7, where
// the system DPI stands in for them.

#include <windows.h>

namespace tollandra {

int systemDpi();
int windowDpi(HWND window);

}  // namespace tollandra
