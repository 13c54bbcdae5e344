// A small helper for the scripts: waits for a window of the program and
// presses its buttons, since X tools cannot see inside Wine's desktop.
// Windows are named main, hal, ppo, intro, about or references; controls by
// their role in the program's window tables (option, points, measurement,
// compute, start, exit, close, hide) and its item and option where it has
// them.
//   drive wait WINDOW [SECONDS]         exit 0 once the window (or a window of
//                                       that class) is visible
//   drive click WINDOW ROLE [ITEM [OPTION]]  a click on that control, with
//                                       the mouse, as a user gives it
//   drive set WINDOW ROLE ITEM TEXT     WM_SETTEXT to that control
//   drive menu COMMAND                  a menu item of the main window: hal,
//                                       ppo, references, about or close
//   drive close WINDOW                  WM_CLOSE to the window
//   drive rect WINDOW                   prints the visible window's place on
//                                       the screen: X Y WIDTH HEIGHT
//   drive shot FILE.bmp                 the whole screen as Wine composes it
//   drive captions [DPI...]             the captions that do not fit their
//                                       controls at those scales (default
//                                       96 120 144 192); exit 1 if any
//   drive time EXE CLASS [TITLE]    starts EXE, prints the milliseconds until
//                                   its first visible window of CLASS (and
//                                   TITLE), then closes it and waits for it
//
// Screenshots come from the screen DC rather than from X: under Wine's
// virtual desktop an owned window lying wholly inside its owner can reach
// the X screen as a black rectangle although it is painted.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/windows/window_tables.h"
#include "driver/captions.h"
#include "driver/driver.h"
#include "win/build/builder.h"

namespace {

using tollandra::Role;
using tollandra::WindowKind;

template <typename Value>
struct Name {
  const wchar_t* name;
  Value value;
};

template <typename Value, std::size_t n>
std::optional<Value> lookUp(const Name<Value> (&names)[n], const wchar_t* name) {
  for (const auto& entry : names) {
    if (std::wcscmp(entry.name, name) == 0) {
      return entry.value;
    }
  }
  return std::nullopt;
}

constexpr Name<WindowKind> windowNames[] = {
    {L"main", WindowKind::Main},   {L"hal", WindowKind::Hal},
    {L"ppo", WindowKind::Ppo},     {L"intro", WindowKind::Introduction},
    {L"about", WindowKind::About}, {L"references", WindowKind::References}};
constexpr Name<Role> roleNames[] = {
    {L"option", Role::Option},   {L"points", Role::Points}, {L"measurement", Role::MeasurementBox},
    {L"compute", Role::Compute}, {L"start", Role::Start},   {L"exit", Role::Exit},
    {L"close", Role::Close},     {L"hide", Role::Hide}};
constexpr Name<tollandra::Command> commandNames[] = {{L"hal", tollandra::Command::ToggleHal},
                                                     {L"ppo", tollandra::Command::TogglePpo},
                                                     {L"references", tollandra::Command::OpenReferences},
                                                     {L"about", tollandra::Command::OpenAbout},
                                                     {L"close", tollandra::Command::Close}};

// The visible window the name stands for, found by its class and title; a
// name that is none of the program's is taken for a window class.
HWND visibleWindow(const wchar_t* name) {
  const std::optional<WindowKind> kind = lookUp(windowNames, name);
  return kind ? driver::findWindow(0, *kind, true) : driver::findWindow(0, name, nullptr, true);
}

// The control named by ROLE [ITEM [OPTION]] in the window named by NAME.
HWND controlOf(const wchar_t* name, int argc, wchar_t** argv) {
  const std::optional<WindowKind> kind = lookUp(windowNames, name);
  const std::optional<Role> role = argc >= 1 ? lookUp(roleNames, argv[0]) : std::nullopt;
  if (!kind || !role) {
    return nullptr;
  }
  const int item = argc >= 2 ? static_cast<int>(std::wcstol(argv[1], nullptr, 10)) : 0;
  const int option = argc >= 3 ? static_cast<int>(std::wcstol(argv[2], nullptr, 10)) : 0;
  return tollandra::controlOf(visibleWindow(name), *kind, *role, item, option);
}

int waitFor(const wchar_t* name, double seconds) {
  if (!driver::waitUntil([&] { return visibleWindow(name) != nullptr; },
                         static_cast<DWORD>(seconds * 1000))) {
    return 1;
  }
  Sleep(300);  // let it finish its first paint
  return 0;
}

// The whole screen as a 32-bit bitmap, top row first.
int screenshot(const wchar_t* path) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  driver::Capture pixels = driver::capture({0, 0, width, height});
  for (COLORREF& p : pixels) {
    p = static_cast<COLORREF>(GetRValue(p) << 16 | GetGValue(p) << 8 | GetBValue(p));  // a DIB's order
  }
  const BITMAPINFOHEADER header{sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const auto offset = static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header);
  const auto bytes = static_cast<DWORD>(pixels.size() * sizeof(COLORREF));
  const BITMAPFILEHEADER file{0x4D42, offset + bytes, 0, 0, offset};
  FILE* out = _wfopen(path, L"wb");
  if (out == nullptr) {
    return 1;
  }
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&header, sizeof header, 1, out);
  std::fwrite(pixels.data(), 1, bytes, out);
  return std::fclose(out) == 0 ? 0 : 1;
}

BOOL CALLBACK closeTopLevel(HWND window, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  // Owned windows go with their owner; closing them first could start
  // something else (Tollandra's introduction only hands over to the main
  // window when it closes).
  if (owner == static_cast<DWORD>(processId) && GetWindow(window, GW_OWNER) == nullptr) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

// Start-up time as a user sees it: from asking for the process to its first
// window on the screen. The clock starts before CreateProcessW, so Wine's own
// process creation and the program's loading count as well; the poll runs
// every millisecond (Wine's waits keep millisecond timeouts) so it adds at
// most about that much.
int timeStartUp(const wchar_t* program, const wchar_t* windowClass, const wchar_t* title) {
  std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER now{};
  QueryPerformanceFrequency(&frequency);
  // Brings up Wine's desktop process if it is not running yet; the first
  // program to need it would otherwise pay for it, and only when it comes
  // first after a pause.
  GetDesktopWindow();
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fwprintf(stderr, L"drive time: cannot start %ls (error %lu)\n", program, GetLastError());
    return 1;
  }
  CloseHandle(process.hThread);
  bool found = false;
  double elapsedMs = 0;
  constexpr double timeoutMs = 30000;
  while (elapsedMs < timeoutMs) {
    found = driver::findWindow(process.dwProcessId, windowClass, title, true) != nullptr;
    QueryPerformanceCounter(&now);
    elapsedMs =
        static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    if (found) {
      break;
    }
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
      break;  // it ended without showing the window
    }
  }
  if (found) {
    std::wprintf(L"%.1f\n", elapsedMs);
    std::fflush(stdout);
  } else {
    std::fwprintf(stderr, L"drive time: no visible %ls window of %ls\n", windowClass, program);
  }
  // Let it finish its first paint before asking it to close, so the close
  // meets the program in its message loop rather than half way through.
  Sleep(300);
  EnumWindows(closeTopLevel, static_cast<LPARAM>(process.dwProcessId));
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    std::fwprintf(stderr, L"drive time: %ls did not close; terminating it\n", program);
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hProcess);
  return found ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wcscmp(argv[1], L"wait") == 0) {
    return waitFor(argv[2], argc >= 4 ? std::wcstod(argv[3], nullptr) : 20);
  }
  if (argc >= 4 && std::wcscmp(argv[1], L"click") == 0) {
    HWND button = controlOf(argv[2], argc - 3, argv + 3);
    if (button == nullptr) {
      return 1;
    }
    driver::click(button);
    Sleep(300);
    return 0;
  }
  if (argc >= 6 && std::wcscmp(argv[1], L"set") == 0) {
    HWND control = controlOf(argv[2], 2, argv + 3);
    if (control == nullptr) {
      return 1;
    }
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[5]));
    return 0;
  }
  if (argc >= 3 && std::wcscmp(argv[1], L"menu") == 0) {
    HWND window = visibleWindow(L"main");
    const std::optional<tollandra::Command> command = lookUp(commandNames, argv[2]);
    if (window == nullptr || !command) {
      return 1;
    }
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(tollandra::commandId(*command)), 0);
    return 0;
  }
  if (argc >= 3 && std::wcscmp(argv[1], L"rect") == 0) {
    HWND window = visibleWindow(argv[2]);
    if (window == nullptr) {
      return 1;
    }
    const RECT r = driver::windowRect(window);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (argc >= 3 && std::wcscmp(argv[1], L"close") == 0) {
    HWND window = visibleWindow(argv[2]);
    if (window == nullptr) {
      return 1;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (argc >= 3 && std::wcscmp(argv[1], L"shot") == 0) {
    return screenshot(argv[2]);
  }
  if (argc >= 2 && std::wcscmp(argv[1], L"captions") == 0) {
    std::vector<int> scales;
    for (int k = 2; k < argc; ++k) scales.push_back(static_cast<int>(std::wcstol(argv[k], nullptr, 10)));
    if (scales.empty()) scales = {96, 120, 144, 192};
    int misfits = 0;
    for (int dpi : scales) {
      for (const std::string& misfit : driver::captionMisfits(dpi)) {
        std::printf("%s\n", misfit.c_str());
        ++misfits;
      }
    }
    return misfits == 0 ? 0 : 1;
  }
  if (argc >= 4 && std::wcscmp(argv[1], L"time") == 0) {
    return timeStartUp(argv[2], argv[3], argc >= 5 ? argv[4] : nullptr);
  }
  return 2;
}
