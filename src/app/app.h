#pragma once
// What every window of the program shares: the fonts, brushes and menu made
// at start-up, the two top-level windows, and the state behind the forms.

#include <windows.h>

#include "scoring/hal.h"
#include "scoring/risk.h"
#include "vc/panel.h"

namespace tollandra {

struct SharedResources {
  HINSTANCE instance = nullptr;
  HFONT fontMain = nullptr;
  HFONT fontIntro = nullptr;
  HFONT fontHal = nullptr;
  HFONT fontAbout = nullptr;
  HFONT fontReferences = nullptr;
  // Fixed pitch with 7 px half-width characters, so the padded result texts
  // line up and fit their boxes.
  HFONT fontResults = nullptr;
  HBRUSH brushFace = nullptr;
  HBRUSH brushWhite = nullptr;
  HMENU mainMenu = nullptr;
  HWND mainWindow = nullptr;
  HWND halWindow = nullptr;
};

extern SharedResources shared;

struct AppState {
  RiskForm risk;
  HalScore hal;
  VcPanel panel;
  // Set once the main window starts closing: from then on no focus-loss
  // reading may raise a message over a window that is going away.
  bool mainClosing = false;
};

extern AppState app;

// Menu command ids.
inline constexpr int commandHal = 1070;
inline constexpr int commandReferences = 1071;
inline constexpr int commandAbout = 1072;
inline constexpr int commandClose = 1073;
// Ctrl+C: the results as text (no menu item).
inline constexpr int commandCopy = 1074;

// Releases what the main window's destruction gives back: the menu (detached
// from the window first), the fonts and the face brush.
void releaseMainWindowResources();

}  // namespace tollandra
