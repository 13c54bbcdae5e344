// A small helper for the scripts: waits for a window of the program and
// presses its buttons, since X tools cannot see inside Wine's desktop.
//   drive wait CLASS [SECONDS]      exit 0 once a window of CLASS is visible
//   drive click CLASS BUTTON_ID     BM_CLICK on a child button
//   drive close CLASS               WM_CLOSE to the window

#include <windows.h>

#include <cstdlib>
#include <cwchar>

namespace {

HWND visibleWindow(const wchar_t* windowClass) {
  HWND window = FindWindowW(windowClass, nullptr);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

int waitFor(const wchar_t* windowClass, double seconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  while (GetTickCount64() < deadline) {
    if (visibleWindow(windowClass) != nullptr) {
      Sleep(300);  // let it finish its first paint
      return 0;
    }
    Sleep(50);
  }
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wcscmp(argv[1], L"wait") == 0) {
    return waitFor(argv[2], argc >= 4 ? std::wcstod(argv[3], nullptr) : 20);
  }
  if (argc >= 4 && std::wcscmp(argv[1], L"click") == 0) {
    HWND window = visibleWindow(argv[2]);
    HWND button = window != nullptr ? GetDlgItem(window, std::wcstol(argv[3], nullptr, 10)) : nullptr;
    if (button == nullptr) {
      return 1;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    Sleep(300);
    return 0;
  }
  if (argc >= 3 && std::wcscmp(argv[1], L"close") == 0) {
    HWND window = FindWindowW(argv[2], nullptr);
    if (window == nullptr) {
      return 1;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  return 2;
}
