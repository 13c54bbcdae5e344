#include "info/info_window.h"

#include "app/app.h"
#include "info/texts.h"
#include "platform/win.h"
#include "view/placement.h"

namespace tollandra {
namespace {

// Marks the quit that CloseInfoWnd posts, so a nested loop can tell it from
// the program's own quit request.
constexpr LPARAM infoQuitMark = 0x496E666F;  // "Info"

bool introShown = false;

Point mainWindowAnchor() {
  RECT main{};
  GetWindowRect(shared.mainWindow, &main);
  return infoWindowOrigin(Rect{main.left, main.top, main.right, main.bottom});
}

struct WindowKind {
  DWORD style;
  DWORD exStyle;
  WNDPROC procedure;
};

WindowKind windowKind(InfoWindowKind kind) {
  switch (kind) {
    case InfoWindowKind::Introduction:
      return {WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, IntroductionWndProc};
    case InfoWindowKind::About:
      return {WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, AboutWndProc};
    case InfoWindowKind::References:
      break;
  }
  return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TRANSPARENT, ReferencesWndProc};
}

WPARAM runNestedLoop(HWND window) {
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (got == 0 && message.lParam != infoQuitMark) {
    // Not ours: the program is quitting (its main window went while this one
    // was open). Pass the request on to the main loop instead of eating it.
    PostQuitMessage(static_cast<int>(message.wParam));
  }
  return message.wParam;
}

}  // namespace

WPARAM OpenInfoWnd(HWND owner, std::string_view key) {
  const InfoWindowInfo* info = findInfoWindow(key);
  if (info == nullptr) {
    return 0;
  }
  // A measurement box that loses the focus to the new window would read its
  // entry, and maybe raise its refusal message, in the middle of the opening.
  // Take the focus first so any such reading ends before anything is created.
  SetFocus(owner);
  if (!IsWindow(owner) || app.mainClosing) {
    return 0;
  }
  const WindowKind kind = windowKind(info->kind);
  // Created where it belongs: a window that moves itself for the first time
  // inside its own paint is painted, under Wine, only where it used to be.
  const Point origin = info->kind == InfoWindowKind::Introduction ? introductionOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))
                                                                  : mainWindowAnchor();
  HWND window =
      CreateWindowExW(kind.exStyle, L"NORMALDLG", wide(info->title).c_str(), kind.style, origin.x, origin.y,
                      info->width, info->height, owner, nullptr, shared.instance, nullptr);
  if (window == nullptr) {
    EnableWindow(owner, TRUE);
    return 0;
  }
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kind.procedure));
  SendMessageW(window, WM_INITDIALOG, 0, 0);
  ShowWindow(window, SW_SHOW);
  EnableWindow(owner, FALSE);
  return runNestedLoop(window);
}

void CloseInfoWnd(HWND window, WPARAM code) {
  // The owner comes back before its modal window goes, so the activation
  // returns to it and not to some other program.
  EnableWindow(GetWindow(window, GW_OWNER), TRUE);
  DestroyWindow(window);
  PostMessageW(nullptr, WM_QUIT, code, infoQuitMark);
}

void openIntroductionOnce(HWND mainWindow) {
  if (introShown) {
    return;
  }
  introShown = true;
  OpenInfoWnd(mainWindow, "HajimeniWnd");
}

void placeAgainstMainWindow(HWND window) {
  const Point origin = mainWindowAnchor();
  SetWindowPos(window, HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE);
}

LRESULT infoPageProc(const InfoPage& page, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  constexpr int idClose = 1059;
  switch (message) {
    case WM_INITDIALOG:
      *page.handle = window;
      page.create(window);
      return 0;
    case WM_PAINT: {
      // Placed before the paint starts, so the paint covers where it is now.
      placeAgainstMainWindow(window);
      ScopedPaint paint(window);
      page.paint(window, paint.get());
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && LOWORD(wParam) == idClose) {
        CloseInfoWnd(*page.handle, 0);
      }
      return 0;
    case WM_CLOSE:
      CloseInfoWnd(*page.handle, 0);
      return 0;
    case WM_DESTROY:
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace tollandra
