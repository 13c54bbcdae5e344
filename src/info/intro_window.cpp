// The introduction and disclaimer, shown once at start.

#include "app/app.h"
#include "info/info_window.h"
#include "info/texts.h"
#include "platform/win.h"
#include "resources/resource.h"
#include "view/placement.h"

namespace tollandra {
namespace {

constexpr int idTitleBitmap = 1042;
constexpr int idStart = 1043;
constexpr int idExit = 1044;

HWND introWindow = nullptr;
Bitmap titleBitmap;

DWORD styleOf(IntroControlKind kind) {
  switch (kind) {
    case IntroControlKind::Bitmap:
      return SS_BITMAP | SS_CENTERIMAGE;
    case IntroControlKind::Button:
      return BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
    case IntroControlKind::Text:
      break;
  }
  return SS_LEFT;
}

void onInitDialog(HWND window) {
  introWindow = window;
  for (const IntroControl& c : introControls) {
    const wchar_t* windowClass = c.kind == IntroControlKind::Button ? L"BUTTON" : L"STATIC";
    HWND control = CreateWindowExW(
        0, windowClass, wide(c.text).c_str(), WS_CHILD | WS_VISIBLE | styleOf(c.kind), c.x, c.y, c.width,
        c.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), shared.instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(shared.fontIntro), FALSE);
  }
  titleBitmap = Bitmap(static_cast<HBITMAP>(
      LoadImageW(shared.instance, MAKEINTRESOURCEW(IDB_TITLE), IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE)));
  SendDlgItemMessageW(window, idTitleBitmap, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(titleBitmap.get()));
}

// Centred on the screen at every paint: dragged away, it comes back.
void placeAtCentre(HWND window) {
  const Point origin = introductionOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(window, HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}

}  // namespace

LRESULT CALLBACK IntroductionWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      onInitDialog(window);
      return 0;
    case WM_PAINT: {
      // Placed before the paint starts, so the paint covers where it is now.
      placeAtCentre(window);
      ScopedPaint paint(window);
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && LOWORD(wParam) == idStart) {
        CloseInfoWnd(introWindow, 0);
      } else if (HIWORD(wParam) == 0 && LOWORD(wParam) == idExit) {
        SendMessageW(introWindow, WM_CLOSE, 0, 0);
        SendMessageW(shared.mainWindow, WM_CLOSE, 0, 0);
      }
      return 0;
    case WM_CLOSE:
      CloseInfoWnd(introWindow, 0);
      return 0;
    case WM_DESTROY:
      titleBitmap.reset();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace tollandra
