// The display scale, the monitor and work area a window is on, its frame and
// icon sizes: the per-monitor calls looked up at run time.

#include "win/platform/dpi.h"

namespace tollandra {
namespace {

template <typename Function>
Function lookUp(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

Rect rectOf(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

Screen screenOfMonitor(HMONITOR monitor, int dpi) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info) == FALSE) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    info.rcWork = work;
    info.rcMonitor = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return Screen{rectOf(info.rcMonitor), rectOf(info.rcWork), dpi};
}

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
  return screenOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                         monitorDpi > 0 ? monitorDpi : windowDpi(window));
}

Screen screenOf(const RECT& area, int dpi) {
  return screenOfMonitor(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST), dpi);
}

Size frameOf(const WindowTable& table, int dpi) {
  static const auto adjustForDpi =
      lookUp<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, 0, 0};
  const BOOL menu = table.kind == WindowKind::Main ? TRUE : FALSE;
  if (adjustForDpi == nullptr ||
      adjustForDpi(&rect, table.style, menu, table.exStyle, static_cast<UINT>(dpi)) == FALSE) {
    AdjustWindowRectEx(&rect, table.style, menu, table.exStyle);
  }
  return Size{rect.right - rect.left, rect.bottom - rect.top};
}

Fit fitOn(const Screen& screen, const WindowTable& table) {
  const Size frame = frameOf(table, screen.dpi);
  const int dpi = fittingDpi(table, screen, frame);
  return Fit{screen, dpi, windowSize(table, dpi, frame)};
}

Fit fitOf(HWND window, const WindowTable& table, int monitorDpi) {
  return fitOn(screenOf(window, monitorDpi), table);
}

IconSizes iconSizesAt(int dpi) {
  static const auto metricForDpi = lookUp<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  if (metricForDpi == nullptr) {
    return iconSizesFor(dpi);
  }
  return {metricForDpi(SM_CXSMICON, static_cast<UINT>(dpi)), metricForDpi(SM_CXICON, static_cast<UINT>(dpi))};
}

}  // namespace tollandra
