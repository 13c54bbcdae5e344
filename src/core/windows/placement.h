#pragma once
// Where each window puts itself: plain arithmetic on the screen size or on the
// main window's rectangle, in screen pixels. The distances are 96-DPI pixels,
// scaled to the window's DPI.

#include "core/windows/dpi.h"

namespace tollandra {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Centred horizontally, its top 300 px above the vertical centre; moved up
// just enough to keep its bottom inside the work area (the screen without
// the taskbar), but never above the work area's top.
[[nodiscard]] Point mainWindowOrigin(int screenWidth, int screenHeight, const Rect& workArea,
                                     int dpi = baseDpi);

// The 540 x 560 introduction, centred on the screen.
[[nodiscard]] Point introductionOrigin(int screenWidth, int screenHeight, int dpi = baseDpi);

// 60 px right of the main window and 160 px above it, or at half its top
// (cut toward zero) when the main window is within 160 px of the top.
[[nodiscard]] Point halWindowOrigin(const Rect& mainWindow, int dpi = baseDpi);

// About and references: 20 px left of and above the main window.
[[nodiscard]] Point infoWindowOrigin(const Rect& mainWindow, int dpi = baseDpi);

}  // namespace tollandra
