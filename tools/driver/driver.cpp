#include "driver.h"

#include <cstring>

#include "win/platform/win.h"

namespace driver {
namespace {

INPUT mouseInput(int x, int y, DWORD flags) {
  return {INPUT_MOUSE,
          {.mi = {MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1),
                  MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1), 0,
                  MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags, 0, 0}}};
}

INPUT keyInput(WORD key, wchar_t unicode, DWORD flags) {
  return {INPUT_KEYBOARD, {.ki = {key, unicode, flags, 0, 0}}};
}

}  // namespace

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

// WM_GETTEXT reads another process's controls too; with a timeout, a program
// that does not answer cannot hang the driver.
std::wstring text(HWND window) {
  std::wstring buffer(16384, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  buffer.resize(copied);
  return buffer;
}

bool isChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT clientOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

void clickAt(int x, int y) {
  INPUT inputs[] = {mouseInput(x, y, 0), mouseInput(x, y, MOUSEEVENTF_LEFTDOWN),
                    mouseInput(x, y, MOUSEEVENTF_LEFTUP)};
  SendInput(3, inputs, sizeof(INPUT));
}

void click(HWND window) {
  static int side = 1;  // two clicks on one spot in quick succession would make a double click
  side = -side;
  const RECT r = clientOnScreen(window);
  clickAt((r.left + r.right) / 2 + side * 4, (r.top + r.bottom) / 2);
  Sleep(60);
}

void clickCloseBox(HWND window) {
  const RECT r = windowRect(window);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  clickAt(r.right - caption / 2 - GetSystemMetrics(SM_CXFIXEDFRAME) - 1, r.top + caption / 2 + 3);
}

bool dragByCaption(HWND window, int dx, int dy) {
  const RECT r = windowRect(window);
  const int x = r.left + 60, y = r.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2;
  // Another window over that spot would take the drag, as it would a user's.
  if (WindowFromPoint({x, y}) != window) return false;
  std::vector<INPUT> inputs = {mouseInput(x, y, 0), mouseInput(x, y, MOUSEEVENTF_LEFTDOWN)};
  for (int step = 1; step <= 4; ++step) inputs.push_back(mouseInput(x + dx * step / 4, y + dy * step / 4, 0));
  inputs.push_back(mouseInput(x + dx, y + dy, MOUSEEVENTF_LEFTUP));
  for (INPUT& input : inputs) {
    SendInput(1, &input, sizeof(INPUT));
    Sleep(40);
  }
  return true;
}

void pressKeys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) inputs.push_back(keyInput(key, 0, 0));
  for (auto it = chord.end(); it != chord.begin();) inputs.push_back(keyInput(*--it, 0, KEYEVENTF_KEYUP));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void typeText(const std::wstring& typed) {
  std::vector<INPUT> inputs;
  for (wchar_t c : typed) {
    inputs.push_back(keyInput(0, c, KEYEVENTF_UNICODE));
    inputs.push_back(keyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::wstring clipboardText() {
  if (!waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 1000)) return L"<held>";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  std::wstring value = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  GlobalUnlock(data);
  CloseClipboard();
  return value;
}

}  // namespace driver
