#pragma once
// Where each window puts itself: plain arithmetic on the screen size or on the
// main window's rectangle, in screen pixels.

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

// 680 x 650, centred horizontally and 25 px above the vertical centre.
Point mainWindowOrigin(int screenWidth, int screenHeight);

// The 540 x 560 introduction, centred on the screen.
Point introductionOrigin(int screenWidth, int screenHeight);

// 60 px right of the main window and 160 px above it, or at half its top
// when the main window is within 160 px of the top of the screen.
Point halWindowOrigin(const Rect& mainWindow);

// About and references: 20 px left of and above the main window.
Point infoWindowOrigin(const Rect& mainWindow);

}  // namespace tollandra
