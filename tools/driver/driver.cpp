#include "driver.h"

#include <cstring>

#include "win/platform/win.h"

namespace driver {

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  for (const ULONGLONG deadline = GetTickCount64() + timeoutMs; !condition(); Sleep(20)) {
    if (GetTickCount64() >= deadline) return false;
  }
  return true;
}

HWND findWindow(DWORD processId, const wchar_t* windowClass, const wchar_t* title, bool visibleOnly) {
  HWND found = nullptr;
  while ((found = FindWindowExW(nullptr, found, windowClass, title)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(found, &owner);
    if ((processId == 0 || owner == processId) && (!visibleOnly || IsWindowVisible(found))) return found;
  }
  return nullptr;
}

HWND findWindow(DWORD processId, tollandra::WindowKind kind, bool visibleOnly) {
  const tollandra::WindowTable& table = tollandra::windowTable(kind);
  return findWindow(processId, tollandra::wide(table.className).c_str(), tollandra::wide(table.title).c_str(),
                    visibleOnly);
}

Capture capture(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  Capture pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  if (bits != nullptr) std::memcpy(pixels.data(), bits, pixels.size() * sizeof(COLORREF));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (COLORREF& p : pixels) p = RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);  // from a DIB's blue-green-red
  return pixels;
}

}  // namespace driver
