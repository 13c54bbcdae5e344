#pragma once
// Makes windows and their controls from the core's window tables.

#include <windows.h>

#include <functional>
#include <string>

#include "core/windows/placement.h"
#include "core/windows/window_tables.h"
#include "win/platform/win.h"

namespace tollandra {

// The font of the row for a window at dpi, by the face's Japanese name or,
// where Windows does not take that, by its English one.
Font makeFont(const FontRow& row, int dpi);

// The face a font gives when it is selected.
std::wstring faceOf(HFONT font);

// The font of a kind at the scale the controls are laid out at.
using FontSource = std::function<HFONT(FontKind)>;

// Creates every control of the window's table as a child of parent, each
// with its font, in the order of the table, laid out for dpi; the cells the
// program paints blank, the typed boxes with no input method; the window
// draws the focus from the start.
void createControls(HWND parent, const WindowTable& table, const FontSource& fonts, int dpi);

// A hidden top-level window of the table's class, title and style, at
// (x, y) and of the size given, or else of its size at dpi with the
// standard frame; params reach WM_NCCREATE and WM_CREATE as lpCreateParams.
HWND createTopLevel(const WindowTable& table, int x, int y, int dpi, HWND owner, HINSTANCE instance,
                    void* params, Size size = {});

// The controls take their places and font at another scale; what they hold
// stays.
void layOut(HWND window, const WindowTable& table, const FontSource& fonts, int dpi);

// Moves and sizes a window without activating it or changing its place in
// the z-order.
void place(HWND window, Point origin, Size size);

// The control that plays the role in the window; nullptr when it has none.
HWND controlOf(HWND window, WindowKind kind, Role role, int item = 0, int option = 0);

}  // namespace tollandra
