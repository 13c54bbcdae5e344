#include "harness.h"

#include <algorithm>
#include <stdexcept>

#include "core/windows/dpi.h"
#include "win/build/builder.h"
#include "win/platform/dpi.h"

namespace e2e {
std::wstring recordTimeLine() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t line[64];
  swprintf(line, 64, L"記録日時：%04u/%02u/%02u %02u:%02u\r\n", now.wYear, now.wMonth, now.wDay, now.wHour,
           now.wMinute);
  return line;
}

std::wstring copied(const Program& program) {
  pressKeys({VK_CONTROL, 'C'});
  program.settle();
  return clipboardText();
}

HWND openAboutShowingItsPapersWhole(const Program& program) {
  program.menu(Command::OpenAbout);
  HWND about = program.waitWindow(WindowKind::About);
  const RECT page = clientOnScreen(about);
  const int dpi = tollandra::windowDpi(about);
  const RECT papers{page.left, page.top + tollandra::scaled(218, dpi), page.right,
                    page.top + tollandra::scaled(296, dpi)};
  EXPECT_GT(count(capture(papers), isRed), 0);
  EXPECT_EQ(count(capture({papers.right - tollandra::scaled(16, dpi), papers.top, papers.right, papers.bottom}), isRed), 0)
      << "a paper runs past the page at " << dpi << " DPI";
  return about;
}

void dragByCaption(HWND window, int dx, int dy) {
  const RECT r = windowRect(window);
  const int x = r.left + 60, y = r.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2;
  const auto mouse = [](int atX, int atY, DWORD flags) {
    INPUT input{INPUT_MOUSE, {.mi = {MulDiv(atX, 65535, GetSystemMetrics(SM_CXSCREEN) - 1),
                                     MulDiv(atY, 65535, GetSystemMetrics(SM_CYSCREEN) - 1), 0,
                                     MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags, 0, 0}}};
    SendInput(1, &input, sizeof input);
    Sleep(40);
  };
  mouse(x, y, 0);
  mouse(x, y, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) mouse(x + dx * step / 4, y + dy * step / 4, 0);
  mouse(x + dx, y + dy, MOUSEEVENTF_LEFTUP);
  Sleep(100);
}

bool showsProgramIcon(HWND window) {
  HMODULE module = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  HICON icon = static_cast<HICON>(LoadImageW(module, L"MAINICON", IMAGE_ICON, 16, 16, 0));
  ICONINFO info{};
  GetIconInfo(icon, &info);
  BITMAPINFO format{{sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  std::vector<DWORD> image(256);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, 16, image.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  FreeLibrary(module);
  const RECT r = windowRect(window);
  const Capture caption = capture({r.left, r.top, r.left + 48, r.top + GetSystemMetrics(SM_CYCAPTION) + 8});
  int opaque = 0;
  for (DWORD pixel : image) {
    if (pixel >> 24 != 0xFF) continue;
    ++opaque;
    const COLORREF colour = RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
    const auto inImage = std::ranges::count_if(image, [&](DWORD p) { return p == pixel; });
    if (std::ranges::count(caption, colour) < inImage) return false;
  }
  return opaque > 0;
}

bool holds(const Capture& pixels, COLORREF colour) {
  return std::ranges::find(pixels, colour) != pixels.end();
}

std::wstring programPath(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of(L"\\/") + 1) + name;
}

int count(const Capture& pixels, const std::function<bool(COLORREF)>& matches) {
  return static_cast<int>(std::ranges::count_if(pixels, matches));
}

bool isRed(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) <= 90 && GetBValue(c) <= 90; }
bool isBlue(COLORREF c) { return GetBValue(c) >= 200 && GetRValue(c) <= 90 && GetGValue(c) <= 90; }

Cover::Cover(const RECT& area, HWND insertAfter) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  cls.lpszClassName = L"E2ECover";
  RegisterClassW(&cls);  // fails harmlessly once registered
  const DWORD exStyle = insertAfter == HWND_TOPMOST ? WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW : 0;
  window =
      CreateWindowExW(exStyle, cls.lpszClassName, L"Other program", WS_POPUP, area.left, area.top,
                      area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr, nullptr);
  SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(window);
}

Cover::~Cover() {
  DestroyWindow(window);
  for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&msg);
}

Program::Program(bool pressStart, const wchar_t* name) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(programPath(name).c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info_)) {
    throw std::runtime_error("cannot start Tollandra.exe");
  }
  WaitForInputIdle(info_.hProcess, 5000);
  waitUntil([&] { return main() != nullptr && IsWindowVisible(main()); }, 10000);
  if (pressStart) {
    // Clicked only once it shows: one made to vanish unseen can leave the
    // main window unable to take the next click under Wine.
    waitWindow(WindowKind::Introduction);
    PostMessageW(control(Role::Start, 0, 0, WindowKind::Introduction), BM_CLICK, 0, 0);
    waitUntil([&] { return IsWindowEnabled(main()) && window(WindowKind::Introduction) == nullptr; }, 5000);
  }
  settle();
}

Program::~Program() {
  TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, 5000);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND Program::window(WindowKind kind) const { return driver::findWindow(info_.dwProcessId, kind, false); }

HWND Program::waitWindow(WindowKind kind) const {
  HWND found = nullptr;
  waitUntil([&] { return (found = window(kind)) != nullptr && IsWindowVisible(found); });
  settle();
  return found;
}

HWND Program::control(Role role, int item, int option, WindowKind kind) const {
  return tollandra::controlOf(window(kind), kind, role, item, option);
}

HWND Program::messageBox() const { return driver::findWindow(info_.dwProcessId, L"#32770", nullptr, true); }

void Program::settle() const {
  for (int round = 0; round < 3; ++round) {
    Sleep(30);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
  }
}

void Program::menu(Command command) const {
  const auto items = tollandra::commandTable();
  const auto position = std::ranges::find(items, command, &tollandra::CommandRow::command) - items.begin();
  SetForegroundWindow(main());
  settle();
  pressKeys({VK_MENU});
  settle();
  for (auto i = 0; i < position; ++i) pressKeys({VK_RIGHT});
  pressKeys({VK_RETURN});
  settle();
}

HWND Program::focus() const {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(info_.dwThreadId, &gui);
  return gui.hwndFocus;
}

testing::AssertionResult Program::endsQuietly() const {
  waitUntil(
      [&] { return messageBox() != nullptr || WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; },
      5000);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  if (code == 0 && messageBox() == nullptr) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "exit code " << code
                                     << (messageBox() != nullptr ? ", a message up" : "");
}

void typeInto(const Program& program, int measurement, const std::wstring& typed) {
  HWND box = program.control(Role::MeasurementBox, measurement);
  click(box);
  waitUntil([&] { return program.focus() == box; });
  program.settle();
  SendMessageW(box, EM_SETSEL, 0, -1);
  typeText(typed);
  waitUntil([&] { return text(box) == typed; });
}

void enter(const Program& program, const wchar_t* age, const wchar_t* height, const wchar_t* vc) {
  if (!isChecked(program.control(Role::Option, 1, 1)) && !isChecked(program.control(Role::Option, 1, 2)))
    click(program.control(Role::Option, 1, 1));
  const wchar_t* values[] = {age, height, vc};
  for (int box = 1; box <= 3; ++box) {
    SendMessageW(program.control(Role::MeasurementBox, box), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(values[box - 1]));
  }
  click(program.control(Role::Compute));
  waitUntil([&] { return !text(program.control(Role::ResultBox, 3)).empty(); });
  program.settle();
}

void enterExample(const Program& program) {
  enter(program, L"60", L"170", L"3000");
  waitUntil([&] { return resultTexts(program) == manAt60And170; });
  program.settle();
}

std::wstring answerMessage(const Program& program, DWORD timeoutMs) {
  HWND box = nullptr;
  if (!waitUntil([&] { return (box = program.messageBox()) != nullptr; }, timeoutMs)) return L"";
  const std::wstring shown = text(box) + L"\n" + text(GetDlgItem(box, 0xFFFF));
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  waitUntil([&] { return !IsWindow(box); });
  return shown;
}

std::wstring resultTexts(const Program& program) {
  std::wstring shown;
  for (int equation = 1; equation <= 3; ++equation)
    shown += text(program.control(Role::ResultBox, equation)) + L"\n";
  return shown;
}

wchar_t inkOf(HWND control) {
  const Capture pixels = capture(clientOnScreen(control));
  const bool red = count(pixels, isRed) > 0, blue = count(pixels, isBlue) > 0;
  return red ? (blue ? L'?' : L'R') : (blue ? L'B' : L'-');
}

std::wstring resultInks(const Program& program) {
  std::wstring shown;
  for (int equation = 1; equation <= 3; ++equation)
    shown += inkOf(program.control(Role::ResultBox, equation));
  return shown;
}

testing::AssertionResult fitsTheScreen(const Program& program) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT window = windowRect(program.main()), client = clientOnScreen(program.main());
  const auto inside = [](const RECT& r, const RECT& area) {
    return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
  };
  if (!inside(window, work)) {
    return testing::AssertionFailure()
           << "window " << window.left << "," << window.top << "-" << window.right << "," << window.bottom
           << " outside the work area to " << work.right << "," << work.bottom;
  }
  for (const tollandra::ControlRow& row : tollandra::windowTable(WindowKind::Main).controls) {
    const RECT r = windowRect(GetDlgItem(program.main(), row.id));
    if (!inside(r, client))
      return testing::AssertionFailure() << "control " << row.id << " outside the client area";
  }
  return testing::AssertionSuccess();
}

}  // namespace e2e
