#pragma once
// The main window's forms as the window system sees them: applies what the
// risk score and the %VC panel decide to the controls.

#include <windows.h>

namespace tollandra {

// option 1 or 2, or 0 for a click on the factor's points cell.
void chooseFactor(int factor, int option);

// Reads one measurement box (by id) into the panel and writes the cleaned
// text or the sentinel back; refuses a value outside its limits with a
// message. Does nothing once the main window is closing.
void readBox(int boxId);

// Recomputes and repaints the results when age, height and VC are all given.
void recalculateVc();

// WM_DRAWITEM of the main window's painted cells.
void drawMainCell(const DRAWITEMSTRUCT& item);

}  // namespace tollandra
