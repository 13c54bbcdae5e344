#pragma once
// Where each window goes and at which scale it is laid out: plain
// arithmetic on the screen it opens on, in screen pixels. The distances are
// 96-DPI pixels, scaled to the window's layout DPI.

#include "core/windows/dpi.h"

namespace tollandra {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  [[nodiscard]] int width() const { return right - left; }
  [[nodiscard]] int height() const { return bottom - top; }
};

// The monitor a window opens on, its work area (the monitor less the
// taskbar) and its DPI.
struct Screen {
  Rect monitor;
  Rect work;
  int dpi = baseDpi;
};

// The frame Windows draws around a fixed-size window with a caption at
// 100 %: 3 px each side, a 23 px caption and, on the main window, a 20 px
// menu bar. The tables give each window's size with this frame; its client
// area is the rest.
[[nodiscard]] Size standardFrame(WindowKind kind);

// The client area of a window laid out at dpi.
[[nodiscard]] Size clientSize(const WindowTable& table, int dpi);

// The whole window: its client area at the layout DPI and the frame the
// system draws around it, at the monitor's.
[[nodiscard]] Size windowSize(const WindowTable& table, int layoutDpi, Size frame);

// The lowest scale a window is laid out at: 90 %.
inline constexpr int minimumDpi = 87;

// The scale a window is laid out at on a screen: the monitor's when the
// whole window fits its work area, otherwise the largest smaller whole DPI
// that does, but never below 90 % (nor above the monitor's).
[[nodiscard]] int fittingDpi(const WindowTable& table, const Screen& screen, Size frame);

// A window laid out at dpi and sized for the frame expected came out with
// the client area given. Where that is short of the table's (a menu bar that
// wraps to two rows, a theme with a taller caption), the frame is larger by
// the difference: the window grows by it, or, where the work area cannot take
// that, is laid out at the largest smaller scale at which it can.
struct Refit {
  int dpi = baseDpi;
  Size frame;
  Size window;
  bool operator==(const Refit&) const = default;
};
[[nodiscard]] Refit growOrRefit(const WindowTable& table, const Screen& screen, Size frame, int dpi,
                                Size client);

// The place moved just enough to keep the window inside the work area; a
// window larger than the work area keeps its top-left corner in it.
[[nodiscard]] Point keepInside(Point wanted, Size window, const Rect& work);

// Centred horizontally on its monitor, its top 300 px above the monitor's
// vertical centre; inside the work area.
[[nodiscard]] Point mainWindowOrigin(const Screen& screen, Size window, int dpi);

// Centred on the monitor; inside the work area.
[[nodiscard]] Point introductionOrigin(const Screen& screen, Size window);

// 60 px right of the main window and 160 px above it, or at half its top
// (cut toward zero) when the main window is within 160 px of the top;
// inside the work area.
[[nodiscard]] Point halWindowOrigin(const Rect& mainWindow, const Screen& screen, Size window, int dpi);

// About and references: 20 px left of and above the main window; inside
// the work area.
[[nodiscard]] Point infoWindowOrigin(const Rect& mainWindow, const Screen& screen, Size window, int dpi);

// The postoperative prediction: 60 px right of the main window's left edge
// and 200 px below its top, or lower, below the HAL window's place, where
// that reaches further down (a main window near the top of the screen);
// inside the work area. hal: the HAL window's size at that scale, with the
// frame the system draws.
[[nodiscard]] Point ppoWindowOrigin(const Rect& mainWindow, const Screen& screen, Size window, int dpi, Size hal);

}  // namespace tollandra
