#include "platform/win.h"

#include <vector>

namespace tollandra {

std::wstring wide(std::string_view utf8Text) {
  if (utf8Text.empty()) {
    return {};
  }
  const int size = static_cast<int>(utf8Text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, result.data(), length);
  return result;
}

std::string utf8(std::wstring_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), length, nullptr, nullptr);
  return result;
}

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), length + 1);
  return utf8(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
}

void setWindowText(HWND window, std::string_view utf8Text) { SetWindowTextW(window, wide(utf8Text).c_str()); }

void paintCell(HDC dc, const RECT& client, const CellView& view, HFONT font) {
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
    TextOutW(dc, run.x, run.y, text.c_str(), static_cast<int>(text.size()));
  }
}

void showCell(HWND cell, const CellView& view) {
  if (cell == nullptr) {
    return;
  }
  if (view.drawn) {
    setWindowText(cell, cellWindowText(view));
  }
  RedrawWindow(cell, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void drawCellItem(const DRAWITEMSTRUCT& item, const CellView& view, HFONT font) {
  if (!view.drawn) {
    // Blank as the plain control would be: its face colour, no text.
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  paintCell(item.hDC, item.rcItem, view, font);
}

}  // namespace tollandra
