#pragma once
// What each top-level window of the program keeps of its own, and what all
// of them do alike: the scale they are laid out at, the control that last had
// their focus, fitting the screen they are on (the scale, the whole client
// area their table asks for, a change of scale, work area or display, a
// minimised window that waits for its restore) and their icons at that
// scale. A frame is made with its window and freed at its WM_NCDESTROY, so
// no message can reach one that has gone.

#include <windows.h>

#include <functional>
#include <optional>

#include "core/windows/dpi.h"
#include "core/windows/placement.h"
#include "core/windows/window_tables.h"
#include "win/platform/dpi.h"
#include "win/platform/win.h"

namespace tollandra {

class App;

struct Frame {
  App& app;
  WindowKind kind;
  int dpi = baseDpi;
  HWND keptFocus = nullptr;
  // Moved to a screen of another scale, or its desktop changed, while
  // minimised: fitted when restored.
  bool fitOnRestore = false;
  // A window the menu shows: in front of the main window, as the user left
  // them (shown, brought forward or used since the main window was last
  // used); hidden because the main window was minimised.
  bool inFront = false;
  bool hiddenWithMain = false;
  // An information window's title picture, which goes only after the window
  // and its controls.
  Bitmap title;
};

// Creates a hidden window of the table, at (x, y) and of its size at dpi
// (or of the size given), with a frame of its own that its procedure reaches
// through frameOf.
HWND createFramed(App& app, WindowKind kind, int x, int y, int dpi, HWND owner, Size size = {});

// The frame of one of the program's windows; attachFrame also takes it from
// the creation parameters at WM_NCCREATE. nullptr before that and once the
// window has gone.
Frame* frameOf(HWND window);
Frame* attachFrame(HWND window, UINT message, LPARAM lParam);

// Where a window goes for a fit.
using Placer = std::function<Point(const Fit&)>;

// The window fits the screen it is on: laid out anew when the scale it fits
// at has changed, sized and placed, then grown by what its client area lacks
// (or laid out smaller where the screen cannot take that), and given its
// icons for the scale. Nothing moves while it is minimised: it fits again
// when restored.
void fitWindow(Frame& frame, HWND window, const Placer& place);
// The same on a screen given, at the place given.
void fitWindow(Frame& frame, HWND window, const Fit& fit, const Placer& place);

// The messages every window of the program answers alike: a change of
// scale, of the work area or the display, a restore, the window's end. The
// answer, or nothing for every other message (and for WM_SIZE, which the
// window may want too).
std::optional<LRESULT> frameMessage(Frame& frame, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tollandra
