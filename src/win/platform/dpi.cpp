#include "win/platform/dpi.h"

namespace tollandra {
namespace {

template <typename Function>
Function lookUp(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

Rect rectOf(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

int systemDpi() {
  static const auto getDpiForSystem = lookUp<UINT(WINAPI*)()>("GetDpiForSystem");
  if (getDpiForSystem != nullptr) {
    return static_cast<int>(getDpiForSystem());
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : baseDpi;
}

int windowDpi(HWND window) {
  static const auto getDpiForWindow = lookUp<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  const int dpi = getDpiForWindow != nullptr ? static_cast<int>(getDpiForWindow(window)) : 0;
  return dpi > 0 ? dpi : systemDpi();
}

Screen screenOf(HWND window, int monitorDpi) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info) == FALSE) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    info.rcWork = work;
    info.rcMonitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return Screen{rectOf(info.rcMonitor), rectOf(info.rcWork), monitorDpi > 0 ? monitorDpi : windowDpi(window)};
}

Size frameOf(const WindowTable& table, int dpi) {
  static const auto adjustForDpi =
      lookUp<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, 0, 0};
  const BOOL menu = table.kind == WindowKind::Main ? TRUE : FALSE;
  if (adjustForDpi == nullptr || adjustForDpi(&rect, table.style, menu, table.exStyle, static_cast<UINT>(dpi)) == FALSE) {
    AdjustWindowRectEx(&rect, table.style, menu, table.exStyle);
  }
  return Size{rect.right - rect.left, rect.bottom - rect.top};
}

Fit fitOf(HWND window, const WindowTable& table, int monitorDpi) {
  const Screen screen = screenOf(window, monitorDpi);
  const Size frame = frameOf(table, screen.dpi);
  const int dpi = fittingDpi(table, screen, frame);
  return Fit{screen, dpi, windowSize(table, dpi, frame)};
}

}  // namespace tollandra
