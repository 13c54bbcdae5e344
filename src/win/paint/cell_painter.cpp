#include "win/paint/cell_painter.h"

#include <string>

#include "core/windows/dpi.h"
#include "win/platform/win.h"

namespace tollandra {

void paintCell(HDC dc, const RECT& client, const CellView& view, HFONT font, int dpi) {
  if (!view.drawn || dc == nullptr) {
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

void showCell(HWND cell, const CellView& view) {
  if (cell == nullptr) {
    return;
  }
  setWindowText(cell, cellWindowText(view));
  RedrawWindow(cell, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void drawCellItem(const DRAWITEMSTRUCT& item, const CellView& view, HFONT font, int dpi) {
  if (!view.drawn) {
    // Blank as the plain control would be: its face colour, no text.
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  paintCell(item.hDC, item.rcItem, view, font, dpi);
}

}  // namespace tollandra
