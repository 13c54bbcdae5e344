#include "win/platform/dpi.h"

#include "core/windows/dpi.h"

namespace tollandra {
namespace {

template <typename Function>
Function lookUp(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
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

}  // namespace tollandra
