// The HAL score window: three findings, their total and class. Made hidden
// at start-up, shown and hidden from the main window's menu, never closed.

#include "core/windows/placement.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/windows/form_glue.h"
#include "win/windows/windows.h"

namespace tollandra {
namespace {

constexpr WindowKind kind = WindowKind::Hal;

// Where it follows the main window to; nowhere once the main window is gone.
std::optional<Point> placeOf(const App& app) {
  if (app.mainWindow == nullptr) {
    return std::nullopt;
  }
  return halWindowOrigin(app.mainWindowRect(), app.halDpi);
}

// Follows the main window at every paint. SWP_NOACTIVATE: a repaint must not
// take the focus from a measurement box and set off its reading.
void placeNextToMainWindow(const App& app, HWND window) {
  if (const std::optional<Point> origin = placeOf(app)) {
    SetWindowPos(window, HWND_TOP, origin->x, origin->y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

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
      app->halDpi = adoptDpi(window, windowTable(kind), app->halDpi);
      createControls(window, windowTable(kind), app->font(FontKind::Hal, app->halDpi), app->halDpi);
          return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        app->halInFront = true;
      }
      followActivation(*app, window, kind, wParam);
      return 0;
    case WM_DPICHANGED:
      app->halDpi = LOWORD(wParam);
      applyDpi(window, windowTable(kind), app->font(FontKind::Hal, app->halDpi), app->halDpi,
               *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_PAINT: {
      // Placed before the paint starts, so the paint covers where it is now.
      placeNextToMainWindow(*app, window);
      ScopedPaint paint(window);
      return 0;
    }
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
  const Point origin = placeOf(app).value_or(Point{CW_USEDEFAULT, CW_USEDEFAULT});
  return createTopLevel(windowTable(kind), origin.x, origin.y, app.halDpi, nullptr, app.instance(), &app);
}

}  // namespace tollandra
