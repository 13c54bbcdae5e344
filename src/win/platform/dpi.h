#pragma once
// The display scale and the screen a window is on. The per-monitor functions
// exist from Windows 10 on; they are looked up at run time, so the program
// still starts on Windows 7, where the system DPI stands in for them.

#include <windows.h>

#include "core/windows/placement.h"

namespace tollandra {

int systemDpi();
int windowDpi(HWND window);

// The monitor the window is on (or nearest to), its work area and its DPI.
Screen screenOf(HWND window, int monitorDpi = 0);
// The monitor a rectangle of the screen lies on (or nearest to), at dpi.
Screen screenOf(const RECT& area, int dpi);

// The frame the system draws around a window of the table's style at dpi:
// borders, caption and menu bar.
Size frameOf(const WindowTable& table, int dpi);

// How a window fits the screen it is on: the scale it is laid out at, and
// its size there. monitorDpi, when given, is the DPI the system says the
// window now has (WM_DPICHANGED), else the one it reports.
struct Fit {
  Screen screen;
  int dpi = baseDpi;
  Size size;
};
Fit fitOf(HWND window, const WindowTable& table, int monitorDpi = 0);
Fit fitOn(const Screen& screen, const WindowTable& table);

// The small and the large icon a window shows at dpi, as the system sizes
// them for that scale.
IconSizes iconSizesAt(int dpi);

}  // namespace tollandra
