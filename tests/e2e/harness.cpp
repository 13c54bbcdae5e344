#include "harness.h"

#include <algorithm>
#include <stdexcept>

#include "core/windows/dpi.h"
#include "win/build/builder.h"
#include "win/platform/dpi.h"

namespace e2e {
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
                    page.top + tollandra::scaled(316, dpi)};
  EXPECT_GT(std::ranges::count_if(capture(papers), isRed), 0);
  EXPECT_EQ(std::ranges::count_if(capture({papers.right - tollandra::scaled(16, dpi), papers.top, papers.right, papers.bottom}), isRed), 0)
      << "a paper runs past the page at " << dpi << " DPI";
  return about;
}

bool showsProgramIcon(HWND window) {
  const RECT r = windowRect(window);
  const Capture caption = capture({r.left, r.top, r.left + 48, r.top + GetSystemMetrics(SM_CYCAPTION) + 8});
  return std::ranges::count(caption, RGB(0x7C, 0xC4, 0xDC)) >= 78 &&
         std::ranges::count(caption, RGB(0x2A, 0x7B, 0x9B)) >= 54 && std::ranges::count(caption, RGB(0x1D, 0x66, 0x80)) >= 26;
}

std::wstring programPath(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of(L"\\/") + 1) + name;
}

bool isRed(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) <= 90 && GetBValue(c) <= 90; }
bool isBlue(COLORREF c) { return GetBValue(c) >= 200 && GetRValue(c) <= 90 && GetGValue(c) <= 90; }

bool inFrontOf(HWND window, HWND other) {
  for (HWND w = GetWindow(other, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV))
    if (w == window) return true;
  return false;
}

bool anyAnswered(const Program& program) {
  for (const auto& [kind, items] : {std::pair{WindowKind::Main, 7}, std::pair{WindowKind::Hal, 3}})
    for (int item = 1; item <= items; ++item)
      for (int option : {1, 2})
        if (isChecked(program.control(Role::Option, item, option, kind))) return true;
  return false;
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

void typeInto(const Program& program, int measurement, const std::wstring& typed, WindowKind kind) {
  HWND box = program.control(Role::MeasurementBox, measurement, 0, kind);
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
  const bool red = std::ranges::count_if(pixels, isRed) > 0, blue = std::ranges::count_if(pixels, isBlue) > 0;
  return red ? (blue ? L'?' : L'R') : (blue ? L'B' : L'-');
}

std::wstring resultInks(const Program& program) {
  std::wstring shown;
  for (int equation = 1; equation <= 3; ++equation)
    shown += inkOf(program.control(Role::ResultBox, equation));
  return shown;
}

}  // namespace e2e
