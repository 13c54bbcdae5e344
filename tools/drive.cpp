// A small helper for the scripts: waits for a window of the program and
// presses its buttons, since X tools cannot see inside Wine's desktop.
//   drive wait CLASS [SECONDS]      exit 0 once a window of CLASS is visible
//   drive click CLASS BUTTON_ID     BM_CLICK on a child button
//   drive close CLASS               WM_CLOSE to the window
//   drive shot FILE.bmp             the whole screen as Wine composes it
//
// Screenshots come from the screen DC rather than from X: under Wine's
// virtual desktop an owned window lying wholly inside its owner can reach
// the X screen as a black rectangle although it is painted.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

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

int screenshot(const wchar_t* path) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  header.biSizeImage = stride * static_cast<DWORD>(height);
  std::vector<unsigned char> pixels(header.biSizeImage);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  FILE* out = _wfopen(path, L"wb");
  if (out == nullptr) {
    return 1;
  }
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&header, sizeof header, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  return std::fclose(out) == 0 ? 0 : 1;
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
  if (argc >= 3 && std::wcscmp(argv[1], L"shot") == 0) {
    return screenshot(argv[2]);
  }
  return 2;
}
