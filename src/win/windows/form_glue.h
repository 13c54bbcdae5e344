#pragma once
// A scored form in its window, the same for the risk form and the HAL score:
// what a click on one of its controls does, what its cells paint; and the one
// router from a painted cell's role to its view.

#include <windows.h>

#include "core/session.h"
#include "core/windows/window_tables.h"

namespace tollandra {

class App;

// A click on an option button or a points cell: chooses, then shows the
// item's marks and cells; after a points cell the focus goes to the item's
// chosen option, where it can be seen. The item chosen, or 0 when the
// control is neither.
int chooseFromControl(App& app, HWND window, WindowKind kind, const ControlRow& row);

// Shows an item's two marks (both are set, whatever the buttons did on the
// click), its points cell and the form's summary cells.
void showItem(const Session& session, HWND window, WindowKind kind, int item);
// Every item of the form, as showItem.
void showForm(const Session& session, HWND window, WindowKind kind);
// The points cells of both forms, which show whether the measurements
// contradict an answer.
void showPoints(const App& app);

// Answers WM_DRAWITEM of the main or the HAL window: the view the cell's role
// shows, in the window's font (the results in their fixed-pitch one).
void drawCell(App& app, WindowKind kind, const DRAWITEMSTRUCT& item);

// WM_ACTIVATE of the main or the HAL window: the focus is kept on leaving and
// given back on returning, never left on the window itself.
void followActivation(App& app, HWND window, WindowKind kind, WPARAM wParam);

}  // namespace tollandra
