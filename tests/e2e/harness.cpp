#include "harness.h"

#include <psapi.h>

#include <stdexcept>

namespace e2e {
namespace {

std::wstring programPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring self(path, length);
  return self.substr(0, self.find_last_of(L"\\/") + 1) + L"Tollandra.exe";
}

struct Search {
  DWORD processId;
  const wchar_t* windowClass;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (className(window) != search->windowClass) {
    return TRUE;
  }
  if (search->title != nullptr && text(window) != search->title) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

INPUT mouseInput(int x, int y, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(x, 65535, width - 1);
  input.mi.dy = MulDiv(y, 65535, height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}

INPUT keyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) {
      return true;
    }
    if (GetTickCount64() >= deadline) {
      return false;
    }
    Sleep(20);
  }
}

std::wstring text(HWND window) {
  if (window == nullptr) {
    return L"<no window>";
  }
  // WM_GETTEXT rather than GetWindowText: it reads controls of another process too.
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(buffer.size()),
                                   reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(copied));
  return buffer;
}

std::wstring className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT clientRectOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool isChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

COLORREF screenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return color;
}

void clickAt(int x, int y) {
  INPUT inputs[] = {mouseInput(x, y, 0), mouseInput(x, y, MOUSEEVENTF_LEFTDOWN),
                    mouseInput(x, y, MOUSEEVENTF_LEFTUP)};
  SendInput(3, inputs, sizeof(INPUT));
}

void click(HWND window) {
  const RECT r = clientRectOnScreen(window);
  clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void typeText(const std::wstring& typed) {
  std::vector<INPUT> inputs;
  for (wchar_t c : typed) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressKey(WORD virtualKey) { pressKeys({virtualKey}); }

void pressKeys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) {
    inputs.push_back(keyInput(key, false));
  }
  for (auto it = chord.end(); it != chord.begin();) {
    inputs.push_back(keyInput(*--it, true));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

Program::Program(bool pressStart) {
  std::wstring path = programPath();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_)) {
    throw std::runtime_error("cannot start Tollandra.exe");
  }
  WaitForInputIdle(info_.hProcess, 5000);
  main_ = waitWindow(L"NORMAL0", nullptr, 10000);
  if (pressStart) {
    if (HWND intro = waitWindow(L"NORMALDLG", L"初めに", 5000)) {
      PostMessageW(GetDlgItem(intro, 1043), BM_CLICK, 0, 0);
      waitUntil([&] { return IsWindowEnabled(main_) && findWindow(L"NORMALDLG") == nullptr; }, 5000);
    }
  }
  settle();
}

Program::~Program() {
  DWORD code = 0;
  if (GetExitCodeProcess(info_.hProcess, &code) && code == STILL_ACTIVE) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND Program::halWindow() const {
  // Hidden windows are not found by findWindow; the HAL window may be hidden.
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"NORMAL2", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == info_.dwProcessId) {
      return window;
    }
  }
  return nullptr;
}

HWND Program::findWindow(const wchar_t* windowClass, const wchar_t* title) const {
  Search search{info_.dwProcessId, windowClass, title, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::waitWindow(const wchar_t* windowClass, const wchar_t* title, DWORD timeoutMs) const {
  HWND found = nullptr;
  waitUntil([&] { return (found = findWindow(windowClass, title)) != nullptr; }, timeoutMs);
  return found;
}

void Program::settle() const {
  for (int round = 0; round < 3; ++round) {
    Sleep(30);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
  }
}

void Program::menu(int index) const {
  SetForegroundWindow(main_);
  settle();
  pressKey(VK_MENU);
  settle();
  for (int i = 0; i < index; ++i) {
    pressKey(VK_RIGHT);
  }
  pressKey(VK_RETURN);
  settle();
}

bool Program::waitExit(DWORD timeoutMs, DWORD* exitCode) const {
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    return false;
  }
  GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

SIZE_T Program::workingSet() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(info_.hProcess, &counters, sizeof counters);
  return counters.WorkingSetSize;
}

MessageBoxContents answerMessageBox(HWND box) {
  MessageBoxContents contents{text(box), text(GetDlgItem(box, 0xFFFF))};
  HWND ok = GetDlgItem(box, IDOK);
  if (ok == nullptr) {
    ok = GetDlgItem(box, IDCANCEL);
  }
  PostMessageW(ok, BM_CLICK, 0, 0);
  waitUntil([&] { return !IsWindow(box); });
  return contents;
}

}  // namespace e2e
