#include "mainwindow/main_window.h"

#include "app/app.h"
#include "app/clipboard.h"
#include "info/info_window.h"
#include "mainwindow/controls.h"
#include "mainwindow/panel_shell.h"
#include "platform/win.h"
#include "summary/summary.h"
#include "view/placement.h"

namespace tollandra {
namespace {

constexpr int mainWidth = 680;
constexpr int mainHeight = 650;

void onCreate(HWND window) {
  shared.mainWindow = window;
  SetMenu(window, shared.mainMenu);
  createControls(window, mainWindowControls(), shared.fontMain);

  const Point origin = mainWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetWindowPos(window, HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);

  // Digits only from the keyboard; pasted text is cleaned when it is read.
  for (int id : {idAgeBox, idHeightBox, idVcBox}) {
    HWND box = GetDlgItem(window, id);
    SetWindowLongW(box, GWL_STYLE, GetWindowLongW(box, GWL_STYLE) | ES_NUMBER);
  }
  app.panel.loadGrid();
}

void toggleHalWindow() {
  if (shared.halWindow == nullptr) {
    return;
  }
  ShowWindow(shared.halWindow, IsWindowVisible(shared.halWindow) ? SW_HIDE : SW_SHOW);
}

void onMenuClose(HWND window) {
  if (shared.halWindow != nullptr && IsWindowVisible(shared.halWindow)) {
    SendMessageW(shared.halWindow, WM_CLOSE, 0, 0);
  }
  SendMessageW(window, WM_CLOSE, 0, 0);
}

void onCommand(HWND window, int id, int notification) {
  switch (id) {
    case idAgeBox:
    case idHeightBox:
      if (notification == EN_KILLFOCUS) {
        readBox(id);
        recalculateVc();
      }
      return;
    case idVcBox:
      if (notification == EN_KILLFOCUS) {
        readBox(id);
        recalculateVc();
      } else if (notification == EN_SETFOCUS) {
        SendMessageW(GetDlgItem(window, id), EM_SETSEL, 2, 3);
      }
      return;
    case commandHal:
      toggleHalWindow();
      return;
    case commandReferences:
      OpenInfoWnd(window, "Sansyou_Wnd");
      return;
    case commandAbout:
      OpenInfoWnd(window, "About_Wnd");
      return;
    case commandClose:
      onMenuClose(window);
      return;
    case commandCopy:
      copyToClipboard(window, resultSummary(app.risk, app.panel, app.hal));
      return;
    default:
      break;
  }
  // The buttons act on a plain click only; a double click's second click
  // arrives as BN_DOUBLECLICKED and is ignored.
  if (notification != BN_CLICKED) {
    return;
  }
  if (id == idComputeButton) {
    readBox(idAgeBox);
    readBox(idHeightBox);
    readBox(idVcBox);
    recalculateVc();
  } else if (id >= idFirstOption1 && id < idFirstOption1 + factorCount) {
    chooseFactor(id - idFirstOption1 + 1, 1);
  } else if (id >= idFirstOption2 && id < idFirstOption2 + factorCount) {
    chooseFactor(id - idFirstOption2 + 1, 2);
  } else if (id >= idFirstPointsCell && id < idFirstPointsCell + factorCount) {
    chooseFactor(id - idFirstPointsCell + 1, 0);
  }
}

void onDestroy() {
  app.mainClosing = true;
  releaseMainWindowResources();
  PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      onCreate(window);
      return 0;
    case WM_PAINT: {
      ScopedPaint paint(window);
      openIntroductionOnce(window);
      return 0;
    }
    case WM_DRAWITEM:
      drawMainCell(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      app.mainClosing = true;
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    case WM_COMMAND:
      onCommand(window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool createMainWindow() {
  HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, L"NORMAL0", L"術後間質性肺炎の急性憎悪リスク",
                                WS_VISIBLE | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, mainWidth,
                                mainHeight, nullptr, nullptr, shared.instance, nullptr);
  return window != nullptr;
}

}  // namespace tollandra
