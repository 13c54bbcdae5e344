#pragma once
// Makes windows and their controls from the core's window tables.

#include <windows.h>

#include "core/windows/window_tables.h"
#include "win/platform/win.h"

namespace tollandra {

// The font of the row for a window at dpi.
Font makeFont(const FontRow& row, int dpi);

// Creates every control of the window's table as a child of parent, each
// with the font, in the order of the table, laid out for dpi; the window
// draws the focus from the start.
void createControls(HWND parent, const WindowTable& table, HFONT font, int dpi);

// A top-level window of the table's class, title, style and size at dpi, at
// (x, y); params reach WM_NCCREATE and WM_CREATE as lpCreateParams.
HWND createTopLevel(const WindowTable& table, int x, int y, int dpi, HWND owner, HINSTANCE instance,
                    void* params);

// The DPI of the screen a new window is on; a window made for another DPI
// takes its size at this one.
int adoptDpi(HWND window, const WindowTable& table, int madeFor);

// WM_DPICHANGED: the window takes the rectangle the system suggests, its
// controls their places and font at the new DPI; what they hold stays.
void applyDpi(HWND window, const WindowTable& table, HFONT font, int dpi, const RECT& suggested);

// The control that plays the role in the window; nullptr when it has none.
HWND controlOf(HWND window, WindowKind kind, Role role, int item = 0, int option = 0);

}  // namespace tollandra
