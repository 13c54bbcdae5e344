#pragma once
// A scored form in its window, the same for the risk form and the HAL score:
// what a click on one of its controls does, what its cells paint; and the one
// router from a painted cell's role to its view.

#include <windows.h>

#include "core/forms/scored_form.h"
#include "core/windows/window_tables.h"

namespace tollandra {

// A click on an option button or a points cell: chooses, then shows the
// item's marks and cells. The item chosen, or 0 when the control is neither.
int chooseFromControl(HWND window, WindowKind kind, ScoredForm& form, const ControlRow& row);

// Shows an item's two marks (both are set, whatever the buttons did on the
// click), its points cell and the form's summary cells.
void showItem(HWND window, WindowKind kind, const ScoredForm& form, int item);

class App;

// Answers WM_DRAWITEM of the main or the HAL window: the view the cell's role
// shows, in the window's font (the results in their fixed-pitch one).
void drawCell(App& app, WindowKind kind, const DRAWITEMSTRUCT& item);

}  // namespace tollandra
