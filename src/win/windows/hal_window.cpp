// The HAL score window: three findings, their total and class. Made hidden
// at start-up, shown and hidden from the main window's menu, never closed:
// its close box, like "Ｘ", hides it.

#include "core/windows/placement.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/windows/form_glue.h"
#include "win/windows/windows.h"

namespace tollandra {
namespace {

constexpr WindowKind kind = WindowKind::Hal;

void onCommand(App& app, HWND window, int id) {
  const ControlRow* row = findControl(kind, id);
  if (row == nullptr) {
    return;
  }
  if (row->role == Role::Hide) {
    ShowWindow(window, SW_HIDE);
  } else if (row->role != Role::Option || !app.movingFocus()) {
    chooseFromControl(app, window, kind, *row);
  }
}

}  // namespace

LRESULT HalWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  App* app = attachApp(window, message, lParam);
  if (app == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_CREATE:
      app->halWindow = window;
      createControls(window, windowTable(kind), app->font(FontKind::Hal, app->halDpi), app->halDpi);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        app->halInFront = true;
      }
      followActivation(*app, window, kind, wParam);
      return 0;
    case WM_DPICHANGED:
      app->followDpiChange(window, windowTable(kind), app->halDpi, wParam, lParam);
      return 0;
    case WM_DRAWITEM:
      drawCell(*app, kind, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      // Alt+F4 hides it like "Ｘ": the menu item must always be able to bring
      // it back, and the window lives as long as the process.
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_NCDESTROY:
      app->halWindow = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND:
      if (HIWORD(wParam) == 0) {
        onCommand(*app, window, LOWORD(wParam));
      }
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND createHalWindow(App& app) {
  app.halDpi = app.mainDpi;
  return createTopLevel(windowTable(kind), CW_USEDEFAULT, CW_USEDEFAULT, app.halDpi, nullptr, app.instance(), &app);
}

// Placed once, when it is shown, never while it paints: a window the user
// drags stays where it is dropped.
void showHalWindow(App& app) {
  HWND hal = app.halWindow;
  if (hal == nullptr || app.mainWindow == nullptr) {
    return;
  }
  // On the main window's screen first, so it takes that screen's scale.
  const Rect main = app.mainWindowRect();
  SetWindowPos(hal, nullptr, main.left, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  app.fitAgain(hal, windowTable(kind), app.halDpi,
               [&](const Fit& fit) { return halWindowOrigin(main, fit.screen, fit.size, fit.dpi); });
  ShowWindow(hal, SW_SHOW);
}

}  // namespace tollandra
