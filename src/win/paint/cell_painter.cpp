// Painted cells: the view each one holds, and how it reaches the screen.

#include "win/paint/cell_painter.h"

#include <string>

#include "core/windows/dpi.h"
#include "win/platform/guarded.h"
#include "win/platform/subclass.h"
#include "win/platform/win.h"

namespace tollandra {
namespace {

// What a cell keeps: the view it shows and the scale it is laid out at.
// Made with the cell, freed when it goes.
struct Cell {
  CellView view;
  int dpi = baseDpi;
};

// The cell's state, found from its procedure and from outside it (the
// owner's WM_DRAWITEM, a new view).
constexpr const wchar_t* cellProperty = L"Tollandra.Cell";
constexpr const wchar_t* cellProcedure = L"Tollandra.CellProc";

Cell* cellOf(HWND control) { return static_cast<Cell*>(GetPropW(control, cellProperty)); }

void paintInto(HWND control, HDC dc, const RECT& area, const Cell& cell) {
  paintCell(dc, area, cell.view, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), cell.dpi);
}

LRESULT CellProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  Cell* cell = cellOf(control);
  if (cell == nullptr) {
    return passOn(control, cellProcedure, message, wParam, lParam);
  }
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;  // the paint fills it all
    case WM_SETTEXT:
      // Kept, not painted: a static or button paints a new text at once
      // through its owner's WM_DRAWITEM; the cell paints its view itself.
      return DefWindowProcW(control, message, wParam, lParam);
    case WM_PAINT: {
      ScopedPaint paint(control);
      RECT client{};
      GetClientRect(control, &client);
      paintInto(control, paint.get(), client, *cell);
      return 0;
    }
    case WM_NCDESTROY:
      RemovePropW(control, cellProperty);
      delete cell;
      return passOn(control, cellProcedure, message, wParam, lParam);
    default:
      return passOn(control, cellProcedure, message, wParam, lParam);
  }
}

}  // namespace

void paintCell(HDC dc, const RECT& client, const CellView& view, HFONT font, int dpi) {
  if (dc == nullptr) {
    return;
  }
  if (!view.drawn) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  Brush fill(CreateSolidBrush(colorRef(view.fill)));
  FillRect(dc, &client, fill.get());
  ScopedSelect selected(dc, font);
  for (const TextRun& run : view.runs) {
    SetTextColor(dc, colorRef(run.color));
    if (run.background) {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, colorRef(*run.background));
    } else {
      SetBkMode(dc, TRANSPARENT);
    }
    const std::wstring text = wide(run.text);
    TextOutW(dc, scaled(run.x, dpi), scaled(run.y, dpi), text.c_str(), static_cast<int>(text.size()));
  }
  if (view.frame) {
    Brush frame(CreateSolidBrush(colorRef(*view.frame)));
    RECT edge = client;
    for (int k = scaled(2, dpi); k > 0; --k) {
      FrameRect(dc, &edge, frame.get());
      InflateRect(&edge, -1, -1);
    }
  }
}

void makeCell(HWND control, int dpi) {
  SetPropW(control, cellProperty, new Cell{{}, dpi});
  subclass(control, cellProcedure, guarded<CellProc>);
  setWindowText(control, "");  // the table's caption is never shown
}

void setCellScale(HWND cell, int dpi) {
  if (Cell* state = cellOf(cell)) {
    state->dpi = dpi;
  }
}

void showCell(HWND cell, const CellView& view) {
  Cell* state = cell != nullptr ? cellOf(cell) : nullptr;
  if (state == nullptr || state->view == view) {
    return;
  }
  state->view = view;
  setWindowText(cell, cellWindowText(view));
  RedrawWindow(cell, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void drawCellItem(const DRAWITEMSTRUCT& item) {
  if (const Cell* cell = cellOf(item.hwndItem)) {
    paintInto(item.hwndItem, item.hDC, item.rcItem, *cell);
  }
}

}  // namespace tollandra
