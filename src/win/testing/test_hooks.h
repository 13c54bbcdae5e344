#pragma once
// Built into the test build only (TOLLANDRA_TEST_HOOKS), never into the
// program: what the end-to-end tests cannot see or provoke from another
// process under Wine. What a hook keeps lives in the window it serves.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace tollandra {
class App;
}

namespace tollandra::testing {

// Sent to the main window: which of its measurement boxes have an input
// method context (bit k - 1 for box k), and bit 3 for the compute button,
// which keeps the thread's, so the answer shows the probe can see one.
inline constexpr UINT probeInputContexts = WM_APP + 40;
// Sent to the main window with a count: that many times, an information
// window that is being destroyed posts the command that opens the next one
// (About and the references in turn), before its destruction has ended.
inline constexpr UINT chainInfoWindows = WM_APP + 41;
// Sent to the main window with a height in pixels: its frame takes that
// much more of the window, as a menu bar wrapped to two rows would, and the
// window fits its screen again.
inline constexpr UINT shortenClient = WM_APP + 42;
// Sent to any window of the program: a digest of its small icon's pixels
// (iconDigest), or 0 when it has none.
inline constexpr UINT probeSmallIcon = WM_APP + 43;

// The answer to a test's message to the main window, or none for every other
// message.
std::optional<LRESULT> answerTest(App& app, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The same for every window of the program.
std::optional<LRESULT> answerAnyWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Makes a radio button report a click when it gains the focus unchecked, as
// Windows does without BM_SETDONTCLICK and Wine 8 never does.
void clickOnFocus(HWND option);

// An information window is going: the next one of a chain is asked for.
void afterInfoWindow(HWND mainWindow);

// The width of an icon in the high bits and an FNV-1a digest of its colour
// pixels, read top row first at 32 bits, in the low ones: equal for two
// icons of the same picture at the same size.
inline LRESULT iconDigest(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || GetIconInfo(icon, &info) == FALSE) {
    return 0;
  }
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
  BITMAPINFO format{
      {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, -bitmap.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth) *
                                    static_cast<std::size_t>(bitmap.bmHeight));
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(), &format,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  std::uint32_t digest = 2166136261u;
  for (std::uint32_t pixel : pixels) {
    digest = (digest ^ pixel) * 16777619u;
  }
  return static_cast<LRESULT>(static_cast<std::uint64_t>(bitmap.bmWidth) << 32 | digest);
}

}  // namespace tollandra::testing
