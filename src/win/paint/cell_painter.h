#pragma once
// The one way a cell view reaches the screen, for a change and a repaint
// alike: a change sets the cell's window text and repaints it at once; the
// repaint comes back through the owner's WM_DRAWITEM and paints the view.

#include <windows.h>

#include "core/view/cell_view.h"

namespace tollandra {

// Paints a cell view into the given client rectangle: the fill, then every
// text run in the given font, at its offset scaled to dpi. A view that was
// never drawn paints nothing.
void paintCell(HDC dc, const RECT& client, const CellView& view, HFONT font, int dpi);

// Shows a new view in a cell control: its window text becomes the text the
// view paints (so it can be read; none for a blank cell), and the cell
// repaints at once.
void showCell(HWND cell, const CellView& view);

// Answers WM_DRAWITEM for a painted cell; a cell never drawn stays blank, as
// the plain control would be.
void drawCellItem(const DRAWITEMSTRUCT& item, const CellView& view, HFONT font, int dpi);

}  // namespace tollandra
