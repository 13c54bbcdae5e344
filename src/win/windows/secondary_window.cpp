// The windows the menu shows and hides, and the one procedure they share.

#include "win/windows/secondary_window.h"

#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/paint/cell_painter.h"
#include "win/windows/boxes.h"
#include "win/windows/focus.h"
#include "win/windows/form_glue.h"
#include "win/windows/frame.h"
#include "win/windows/windows.h"

namespace tollandra {
namespace {

// Brings the window forward once the menu has closed: a menu that ends
// after its command would give the activation back to the main window.
constexpr UINT bringForward = WM_APP + 2;
// Shows the window again once a restore has activated the main window, in
// front of it where it was in front before.
constexpr UINT showAgain = WM_APP + 3;

// Where each window opens against the main window.
Point originOf(WindowKind kind, const Rect& main, const Fit& fit) {
  if (kind == WindowKind::Ppo) {
    // Clear of the HAL window's place with the frame this system draws.
    const WindowTable& hal = windowTable(WindowKind::Hal);
    return ppoWindowOrigin(main, fit.screen, fit.size, fit.dpi,
                           windowSize(hal, fit.dpi, frameOf(hal, fit.screen.dpi)));
  }
  return halWindowOrigin(main, fit.screen, fit.size, fit.dpi);
}

Rect rectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

// Whether the window lies under the other one, where the other covers it.
bool liesUnder(HWND window, HWND other) {
  RECT a{};
  RECT b{};
  RECT overlap{};
  GetWindowRect(window, &a);
  GetWindowRect(other, &b);
  if (IntersectRect(&overlap, &a, &b) == FALSE) {
    return false;
  }
  for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr; above = GetWindow(above, GW_HWNDPREV)) {
    if (above == other) {
      return true;
    }
  }
  return false;
}

// Placed when it is shown, never while it paints: a window the user drags
// stays where it is dropped. On the main window's screen first, so it takes
// that screen's scale.
void show(App& app, HWND window, Frame& frame) {
  const Rect main = rectOf(app.window(WindowKind::Main));
  SetWindowPos(window, nullptr, main.left, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  fitWindow(frame, window, [&](const Fit& fit) { return originOf(frame.kind, main, fit); });
  ShowWindow(window, SW_SHOW);
}

void onCommand(App& app, HWND window, WindowKind kind, int id, int notification) {
  const ControlRow* row = findControl(kind, id);
  if (row == nullptr) {
    return;
  }
  if (row->role == Role::MeasurementBox) {
    onBoxCommand(app, window, kind, *row, notification);
  } else if (notification != BN_CLICKED) {
    return;
  } else if (row->role == Role::Hide) {
    ShowWindow(window, SW_HIDE);
  } else if (row->role != Role::Option || !movingFocus(app, GetDlgItem(window, id))) {
    chooseFromControl(app, window, kind, *row);
  }
}

}  // namespace

LRESULT SecondaryWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Frame* frame = attachFrame(window, message, lParam);
  if (frame == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  App& app = frame->app;
  const WindowKind kind = frame->kind;
  if (const std::optional<LRESULT> answer = paintMessage(app, window, kind, message, wParam, lParam)) {
    return *answer;
  }
  switch (message) {
    case WM_CREATE:
      app.setWindow(kind, window);
      createControls(
          window, windowTable(kind), [&](FontKind font) { return app.font(font, frame->dpi); }, frame->dpi);
      prepareBoxes(window, kind);
      showWindow(app, window, kind);
      return 0;
    case WM_ACTIVATE:
      followActivation(app, window, kind, wParam);
      if (LOWORD(wParam) != WA_INACTIVE) {
        frame->inFront = true;
        // A refusal of this window's boxes that waited while another program
        // was in front.
        if (!app.refusals.empty()) {
          PostMessageW(app.window(WindowKind::Main), refusalsWaiting, 0, 0);
        }
      }
      return 0;
    case WM_CLOSE:
      // Alt+F4, Esc and the close box hide it: the menu item must always be
      // able to bring it back.
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_COMMAND:
      onCommand(app, window, kind, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case bringForward:
      frame->inFront = true;
      SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      SetForegroundWindow(window);
      return 0;
    case showAgain:
      ShowWindow(window, SW_SHOWNOACTIVATE);
      if (frame->inFront) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      return 0;
    default:
      break;
  }
  if (const std::optional<LRESULT> answer = frameMessage(*frame, window, message, wParam, lParam)) {
    return *answer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND createSecondaryWindow(App& app, WindowKind kind) {
  const Frame* mainFrame = frameOf(app.window(WindowKind::Main));
  return createFramed(app, kind, CW_USEDEFAULT, CW_USEDEFAULT,
                      mainFrame != nullptr ? mainFrame->dpi : baseDpi, nullptr);
}

void toggleSecondary(App& app, WindowKind kind) {
  HWND window = app.secondaryWindow(kind);
  Frame* frame = frameOf(window);
  if (frame == nullptr) {
    return;
  }
  // A click on the menu bar raises the main window over this one before the
  // item is chosen, so what counts is whether it was in front until then.
  if (IsWindowVisible(window) == FALSE) {
    forgetFocus(window);
    frame->inFront = true;
    show(app, window, *frame);
  } else if (!frame->inFront && liesUnder(window, app.window(WindowKind::Main))) {
    PostMessageW(window, bringForward, 0, 0);
  } else {
    ShowWindow(window, SW_HIDE);
  }
}

void noteInFront(App& app, WindowKind kind) {
  for (WindowKind secondary : secondaryKinds) {
    if (Frame* frame = frameOf(app.window(secondary));
        frame != nullptr && (kind == WindowKind::Main || kind == secondary)) {
      frame->inFront = kind == secondary;
    }
  }
}

void followMainWindow(const App& app, WPARAM sizeType) {
  for (WindowKind kind : secondaryKinds) {
    HWND window = app.window(kind);
    Frame* frame = frameOf(window);
    if (frame == nullptr) {
      continue;
    }
    if (sizeType == SIZE_MINIMIZED && IsWindowVisible(window) != FALSE) {
      frame->hiddenWithMain = true;
      ShowWindow(window, SW_HIDE);
    } else if (sizeType != SIZE_MINIMIZED && frame->hiddenWithMain) {
      frame->hiddenWithMain = false;
      PostMessageW(window, showAgain, 0, 0);
    }
  }
}

void startSecondariesAgain(App& app) {
  for (WindowKind kind : secondaryKinds) {
    if (HWND window = app.window(kind)) {
      emptyBoxes(window, kind);
      forgetFocus(window);
      if (GetActiveWindow() == window) {
        returnFocus(app, window, kind);
      }
    }
  }
}

void hideSecondaries(const App& app) {
  for (WindowKind kind : secondaryKinds) {
    if (HWND window = app.window(kind); window != nullptr && IsWindowVisible(window) != FALSE) {
      ShowWindow(window, SW_HIDE);
    }
  }
}

}  // namespace tollandra
