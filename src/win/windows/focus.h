#pragma once
// Every focus the program moves, and the focus a window keeps while another
// is active. A radio button that gains the focus may report a click (Windows
// does, for an unchecked one, where BM_SETDONTCLICK is not honoured): while
// the program moves the focus in a window, an option's click in that window
// is no answer, so moving the focus never answers an item.

#include <windows.h>

#include "core/windows/window_tables.h"

namespace tollandra {

class App;

// Gives the control the focus, guarded in its window.
void moveFocus(App& app, HWND control);
// Whether the program is moving the focus in the control's window now.
[[nodiscard]] bool movingFocus(const App& app, HWND control);

// The control a Tab stop stands for, focused: for an item its chosen
// option, or option 1 while it has none; a box with its text selected.
void focusStop(App& app, HWND window, WindowKind kind, TabStop stop);

// WM_ACTIVATE: the focused control is kept when the window is left and gets
// the focus back when it returns; the first stop when there is none (first
// start, a window just shown, the next patient).
void followActivation(App& app, HWND window, WindowKind kind, WPARAM wParam);
void keepFocus(HWND window);
void returnFocus(App& app, HWND window, WindowKind kind);
void forgetFocus(HWND window);

}  // namespace tollandra
