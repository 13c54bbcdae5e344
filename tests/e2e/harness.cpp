#include "harness.h"

#include <psapi.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace e2e {
namespace {

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

std::wstring programPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring self(path, length);
  return self.substr(0, self.find_last_of(L"\\/") + 1) + L"Tollandra.exe";
}

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

std::wstring textWithin(HWND window, UINT timeoutMs) {
  DWORD_PTR length = 0;
  if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length) == 0) {
    return L"<not answering>";
  }
  std::wstring buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                          SMTO_ABORTIFHUNG, timeoutMs, &copied) == 0) {
    return L"<not answering>";
  }
  buffer.resize(copied);
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

bool isRed(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) <= 90 && GetBValue(c) <= 90; }
bool isBlue(COLORREF c) { return GetBValue(c) >= 200 && GetRValue(c) <= 90 && GetGValue(c) <= 90; }
bool isBlack(COLORREF c) { return GetRValue(c) <= 60 && GetGValue(c) <= 60 && GetBValue(c) <= 60; }

std::wstring hex(COLORREF c) {
  wchar_t buffer[16];
  swprintf(buffer, 16, L"%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return buffer;
}

std::wstring describe(const RECT& r) {
  return L"(" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L")-(" + std::to_wstring(r.right) +
         L"," + std::to_wstring(r.bottom) + L")";
}

Capture::Capture(const RECT& area)
    : width_(std::max<LONG>(0, area.right - area.left)), height_(std::max<LONG>(0, area.bottom - area.top)) {
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  if (pixels_.empty()) {
    return;
  }
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(std::uint32_t));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

int Capture::count(const std::function<bool(COLORREF)>& matches) const {
  int n = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      n += matches(at(x, y)) ? 1 : 0;
    }
  }
  return n;
}

bool Capture::uniform(int x0, int y0, int x1, int y1, COLORREF color) const {
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (at(x, y) != color) {
        return false;
      }
    }
  }
  return true;
}

RECT Capture::ink(COLORREF fill) const {
  RECT box{width_, height_, -1, -1};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (at(x, y) != fill) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x);
        box.bottom = std::max<LONG>(box.bottom, y);
      }
    }
  }
  return box;
}

void pumpMessages(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (GetTickCount64() >= end) {
      return;
    }
    Sleep(10);
  }
}

Cover::Cover(const RECT& area, int stockBrush, bool activate) {
  const std::wstring name = L"E2ECover" + std::to_wstring(stockBrush);
  WNDCLASSW cls{};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(stockBrush));
  cls.lpszClassName = name.c_str();
  RegisterClassW(&cls);  // fails harmlessly once registered
  const DWORD quiet = activate ? 0 : WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
  window_ = CreateWindowExW(WS_EX_TOPMOST | quiet, name.c_str(), L"", WS_POPUP, area.left, area.top,
                            area.right - area.left, area.bottom - area.top, nullptr, nullptr, cls.hInstance,
                            nullptr);
  ShowWindow(window_, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
  pumpMessages(0);
}

void Cover::remove() {
  if (window_ != nullptr) {
    DestroyWindow(window_);
    window_ = nullptr;
    pumpMessages(20);
  }
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

void clickApart(HWND control) {
  static int side = 1;
  side = -side;
  const RECT r = clientRectOnScreen(control);
  clickAt((r.left + r.right) / 2 + side * 12, (r.top + r.bottom) / 2);
}

void clickSingle(HWND control) {
  static HWND lastClicked = nullptr;
  static ULONGLONG lastTick = 0;
  const ULONGLONG pause = GetDoubleClickTime() + 100;
  if (control == lastClicked && GetTickCount64() - lastTick < pause) {
    Sleep(static_cast<DWORD>(pause - (GetTickCount64() - lastTick)));
  }
  click(control);
  lastClicked = control;
  lastTick = GetTickCount64();
}

void clickCloseBox(HWND window) {
  const RECT r = windowRect(window);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  clickAt(r.right - caption / 2 - GetSystemMetrics(SM_CXFIXEDFRAME) - 1, r.top + caption / 2 + 3);
}

bool putOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) {
    return false;
  }
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  return true;
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

void Program::waitFor(const std::function<bool()>& condition) const {
  waitUntil(condition, 2000);
  settle();
}

HWND Program::focus() const {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &gui);
  return gui.hwndFocus;
}

bool Program::answers() const {
  DWORD_PTR result = 0;
  return IsWindow(main_) && SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
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

std::optional<MessageBoxContents> answerRefusal(const Program& program) {
  HWND box = program.waitWindow(L"#32770", nullptr, 3000);
  if (box == nullptr) {
    return std::nullopt;
  }
  return answerMessageBox(box);
}

testing::AssertionResult endsQuietlyWithCodeZero(const Program& program) {
  bool asked = false;
  DWORD code = 1;
  const bool ended = waitUntil(
      [&] {
        asked = asked || program.messageBox() != nullptr;
        return asked || program.waitExit(0, &code);
      },
      5000);
  if (asked) {
    return testing::AssertionFailure() << "a message box came up while closing";
  }
  if (!ended || code != 0) {
    return testing::AssertionFailure() << "ended " << ended << " with code " << code;
  }
  return testing::AssertionSuccess();
}

bool enterBox(const Program& program, int id) {
  HWND box = program.control(id);
  clickSingle(box);
  const bool focused = waitUntil([&] { return program.focus() == box; }, 2000);
  program.settle();
  SendMessageW(box, EM_SETSEL, 0, -1);
  return focused;
}

bool typeOver(const Program& program, int id, const std::wstring& typed, const std::wstring& reaches) {
  if (!enterBox(program, id)) {
    return false;
  }
  pressKey(VK_DELETE);
  typeText(typed);
  return waitUntil([&] { return textWithin(program.control(id), 500) == reaches; }, 3000);
}

bool pasteOver(const Program& program, int id, const std::wstring& pasted) {
  if (!enterBox(program, id) || !putOnClipboard(pasted)) {
    return false;
  }
  pressKeys({VK_CONTROL, 'V'});
  return waitUntil([&] { return textWithin(program.control(id), 500) == pasted; }, 3000);
}

void leaveBox(const Program& program, int from, int to) {
  clickSingle(program.control(to));
  waitUntil([&] { return program.focus() != program.control(from); }, 2000);
  program.settle();
}

testing::AssertionResult cellShows(HWND cell, const std::wstring& expected, const CellPicture& picture) {
  const std::wstring shown = text(cell);
  if (shown != expected) {
    return testing::AssertionFailure()
           << "cell " << GetDlgCtrlID(cell) << " shows " << testing::PrintToString(shown);
  }
  const Capture pixels(clientRectOnScreen(cell));
  const RECT box = pixels.ink(picture.fill);
  const int inked = pixels.count(picture.inkColour);
  const int other = pixels.count(picture.otherInk);
  if (inked == 0 || other != 0 || box.left < picture.left || box.left > picture.leftMost ||
      box.top < picture.top || box.top > picture.top + 6 ||
      box.right >= pixels.width() - picture.rightMargin) {
    return testing::AssertionFailure()
           << "cell " << GetDlgCtrlID(cell) << " " << testing::PrintToString(shown) << ": " << inked
           << " pixels of " << testing::PrintToString(hex(picture.inkColour)) << ", " << other << " of "
           << testing::PrintToString(hex(picture.otherInk)) << ", ink "
           << testing::PrintToString(describe(box)) << " on " << testing::PrintToString(hex(picture.fill));
  }
  return testing::AssertionSuccess();
}

testing::AssertionResult choiceShows(HWND form, int row, int choice, int points) {
  const bool mark1 = isChecked(GetDlgItem(form, 1014 + row));
  const bool mark2 = isChecked(GetDlgItem(form, 1021 + row));
  if (mark1 != (choice == 1) || mark2 != (choice == 2)) {
    return testing::AssertionFailure() << "row " << row << ": marks " << mark1 << mark2;
  }
  HWND cell = GetDlgItem(form, 1028 + row);
  if (choice == 0) {
    return text(cell) == L"*" ? testing::AssertionSuccess()
                              : testing::AssertionFailure() << "row " << row << " is not blank";
  }
  // The digit is drawn at (30, 10), well left of the cell's right part.
  const COLORREF ink = choice == 1 ? red : blue;
  return cellShows(cell, std::to_wstring(choice == 1 ? points : 0),
                   {white, ink, choice == 1 ? blue : red, 30, 33, 10, 20});
}

void expectClicksLeaveTheOtherRows(const Program& program, HWND form, const std::vector<int>& rows,
                                   const int* points, int* choices,
                                   const std::function<testing::AssertionResult(const int*)>& alsoHolds) {
  // Radio buttons of one group clear each other's marks; the form must keep
  // the rows apart.
  const auto clickAndCheck = [&](int row, int id, int choice) {
    SCOPED_TRACE(testing::Message() << "click on " << id << " (row " << row << ")");
    choices[row] = choice;
    clickApart(GetDlgItem(form, id));
    program.waitFor([&] { return choiceShows(form, row, choice, points[row]) && alsoHolds(choices); });
    for (int k : rows) {
      EXPECT_TRUE(choiceShows(form, k, choices[k], points[k]));
    }
    EXPECT_TRUE(alsoHolds(choices));
  };
  const auto optionId = [](int row, int option) { return (option == 1 ? 1014 : 1021) + row; };
  for (int others : {1, 2}) {
    const int flipped = 3 - others;
    for (int row : rows) {
      if (choices[row] != others) {
        clickAndCheck(row, optionId(row, others), others);
      }
    }
    for (int row : rows) {
      clickAndCheck(row, optionId(row, flipped), flipped);
      clickAndCheck(row, 1028 + row, others);
      clickAndCheck(row, optionId(row, others), others);
    }
  }
}

}  // namespace e2e
