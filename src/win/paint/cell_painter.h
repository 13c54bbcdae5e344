#pragma once
// The one way a cell view reaches the screen. A painted cell keeps the view
// it was last given and paints it itself, for a change and a repaint alike,
// without asking its window; a change sets its window text too, so screen
// readers and the tests read what is painted.

#include <windows.h>

#include "core/view/cell_view.h"

namespace tollandra {

// Paints a cell view into the given client rectangle: the fill, then every
// text run in the given font, at its offset scaled to dpi, then the frame. A
// view that was never drawn paints the face colour, as the plain control
// would.
void paintCell(HDC dc, const RECT& client, const CellView& view, HFONT font, int dpi);

// Makes a control a painted cell, blank until it is shown a view; its
// offsets scale with dpi, which a new layout gives it again.
void makeCell(HWND control, int dpi);
void setCellScale(HWND cell, int dpi);

// Shows a new view in a cell: its window text becomes the text the view
// paints, and the cell repaints at once, unless it shows that view already.
void showCell(HWND cell, const CellView& view);

// Answers WM_DRAWITEM, which an owner-drawn button still sends its parent
// for a press: the cell's own view.
void drawCellItem(const DRAWITEMSTRUCT& item);

}  // namespace tollandra
