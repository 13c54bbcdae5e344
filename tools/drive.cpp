// A small helper for the scripts: waits for a window of the program and
// presses its buttons, since X tools cannot see inside Wine's desktop.
//   drive wait CLASS [SECONDS]      exit 0 once a window of CLASS is visible
//   drive click CLASS BUTTON_ID     BM_CLICK on a child button
//   drive set CLASS ID TEXT         WM_SETTEXT to a child control
//   drive command CLASS ID          posts WM_COMMAND ID (a menu item) to the window
//   drive close CLASS               WM_CLOSE to the window
//   drive shot FILE.bmp             the whole screen as Wine composes it
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
#include <string>
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

// A visible top-level window of the process with this class (and title).
HWND visibleWindowOf(DWORD processId, const wchar_t* windowClass, const wchar_t* title) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, windowClass, title)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) {
      return window;
    }
  }
  return nullptr;
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
    found = visibleWindowOf(process.dwProcessId, windowClass, title) != nullptr;
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
    HWND window = visibleWindow(argv[2]);
    HWND button = window != nullptr ? GetDlgItem(window, std::wcstol(argv[3], nullptr, 10)) : nullptr;
    if (button == nullptr) {
      return 1;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    Sleep(300);
    return 0;
  }
  if (argc >= 5 && std::wcscmp(argv[1], L"set") == 0) {
    HWND window = visibleWindow(argv[2]);
    HWND control = window != nullptr ? GetDlgItem(window, std::wcstol(argv[3], nullptr, 10)) : nullptr;
    if (control == nullptr) {
      return 1;
    }
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
    return 0;
  }
  if (argc >= 4 && std::wcscmp(argv[1], L"command") == 0) {
    HWND window = visibleWindow(argv[2]);
    if (window == nullptr) {
      return 1;
    }
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(std::wcstol(argv[3], nullptr, 10)), 0);
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
  if (argc >= 4 && std::wcscmp(argv[1], L"time") == 0) {
    return timeStartUp(argv[2], argv[3], argc >= 5 ? argv[4] : nullptr);
  }
  return 2;
}
