#pragma once
// What the windows show of the session: a click on a scored form's option or
// points cell, and every mark, painted cell and line of every window, shown
// again after every change from what the session holds then.

#include <windows.h>

#include "core/windows/window_tables.h"

namespace tollandra {

class App;

// A click on an option button or a points cell: chooses, then shows the
// session; after a points cell the focus goes to the item's chosen option,
// where it can be seen. The item chosen, or 0 when the control is neither.
int chooseFromControl(App& app, HWND window, WindowKind kind, const ControlRow& row);

// Every window there is shows the session as it is now: the options' marks
// (both set, whatever the buttons did on a click), the painted cells, the
// lines of what a score predicts.
void showSession(App& app);
void showWindow(App& app, HWND window, WindowKind kind);

// The paint messages of the main window and those the menu shows: a cell's
// press (WM_DRAWITEM), a refused entry in red, a warning line in red. The
// answer, or nothing for every other message and control.
std::optional<LRESULT> paintMessage(const App& app, HWND window, WindowKind kind, UINT message, WPARAM wParam,
                                    LPARAM lParam);

}  // namespace tollandra
