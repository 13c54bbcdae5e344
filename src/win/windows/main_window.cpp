// The main window: the risk score form above, the %VC panel below, the menu
// and what its commands do.

#include "core/info/texts.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/paint/cell_painter.h"
#include "win/platform/clipboard.h"
#include "win/windows/boxes.h"
#include "win/windows/focus.h"
#include "win/windows/form_glue.h"
#include "win/windows/frame.h"
#include "win/windows/secondary_window.h"
#include "win/windows/windows.h"
#ifdef TOLLANDRA_TEST_HOOKS
#include "win/testing/test_hooks.h"
#endif

namespace tollandra {
namespace {

constexpr WindowKind kind = WindowKind::Main;

// Shows for a few seconds that the record was copied.
constexpr UINT_PTR copyNoticeTimer = 1;
constexpr UINT copyNoticeMs = 3000;
// Makes the controls once the introduction has painted: a timer comes after
// every paint.
constexpr UINT_PTR controlsTimer = 3;
// Menu, place and controls come after the introduction is on the screen.
constexpr UINT arriveMessage = WM_APP + 5;

RecordTime now() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return RecordTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
}

// The controls, made once; the focus on the first factor where the window
// is already in use.
void makeControls(App& app, HWND window) {
  KillTimer(window, controlsTimer);
  Frame* frame = frameOf(window);
  if (frame == nullptr || GetDlgItem(window, windowTable(kind).controls.front().id) != nullptr) {
    return;
  }
  createControls(
      window, windowTable(kind), [&](FontKind font) { return app.font(font, frame->dpi); }, frame->dpi);
  prepareBoxes(window, kind);
  showWindow(app, window, kind);
  if (GetActiveWindow() == window) {
    returnFocus(app, window, kind);
  }
}

// "%VC 計算  → ": all three boxes read, then computed; a box refused, by
// now or before, gets the focus, the first from the top.
void computeAll(App& app, HWND window) {
  for (const ControlRow& row : windowTable(kind).controls) {
    if (row.role == Role::MeasurementBox) {
      readBox(app, window, kind, row.item);
    }
  }
  if (const std::optional<BoxPlace> refused = firstRefusedBox(app); refused && refused->window == window) {
    focusToCorrect(app, *refused);
  }
}

// The copy's confirmation gives way at once.
void endCopyNotice(App& app, HWND window) {
  KillTimer(window, copyNoticeTimer);
  app.copyNoticeShown = false;
  showSession(app);
}

// The record on the clipboard, said so for a few seconds. Never a record
// beside an entry it does not hold: the focused box is read first, as
// leaving it would (its own refusal is then the only message), and while any
// box holds a refused entry a warning names it and the box gets the focus.
// A clipboard that will not take the record is said so too.
void copyRecord(App& app, HWND window) {
  if (readFocusedBox(app) == BoxReading::RefusedNow) {
    endCopyNotice(app, window);
    return;
  }
  if (const std::optional<BoxPlace> refused = firstRefusedBox(app)) {
    endCopyNotice(app, window);
    const PanelInput& entry = app.session.box(refused->kind, refused->item);
    showMessage(refused->window, copyRefusal(app.session.boxRule(refused->kind, refused->item), entry.text));
    focusToCorrect(app, *refused);
    return;
  }
  if (!copyToClipboard(window, app.session.summary(now()))) {
    endCopyNotice(app, window);
    showMessage(window, Message{std::string(copyFailedTitle), std::string(copyFailedText)});
    return;
  }
  app.copyNoticeShown = true;
  showSession(app);
  SetTimer(window, copyNoticeTimer, copyNoticeMs, nullptr);
}

// The next patient: the state just after "始める"; the windows the menu
// shows stay where they are, shown or hidden.
void startNewPatient(App& app, HWND window) {
  app.session.startNewPatient();
  emptyBoxes(window, kind);
  startSecondariesAgain(app);
  showSession(app);
  forgetFocus(window);
  if (GetActiveWindow() == window) {
    focusStop(app, window, kind, nextTabStop(kind, {}, false));
  }
}

void runCommand(App& app, HWND window, Command command) {
  switch (command) {
    case Command::NewPatient:
      startNewPatient(app, window);
      break;
    case Command::ToggleHal:
      toggleSecondary(app, WindowKind::Hal);
      break;
    case Command::TogglePpo:
      toggleSecondary(app, WindowKind::Ppo);
      break;
    case Command::OpenReferences:
      OpenInfoWnd(app, window, windowTable(WindowKind::References).key);
      break;
    case Command::OpenAbout:
      OpenInfoWnd(app, window, windowTable(WindowKind::About).key);
      break;
    case Command::Close:
      hideSecondaries(app);
      SendMessageW(window, WM_CLOSE, 0, 0);
      break;
    case Command::Copy:
      copyRecord(app, window);
      break;
  }
}

void onCommand(App& app, HWND window, int id, int notification) {
  // Menu commands run whatever the notification.
  if (const std::optional<Command> command = commandOf(id)) {
    runCommand(app, window, *command);
    return;
  }
  const ControlRow* row = findControl(kind, id);
  if (row == nullptr) {
    return;
  }
  if (row->role == Role::MeasurementBox) {
    onBoxCommand(app, window, kind, *row, notification);
    return;
  }
  // The buttons act on a plain click only; a double click's second click
  // arrives as BN_DOUBLECLICKED and is ignored. An option's click that comes
  // with a move of the focus is no answer.
  if (notification != BN_CLICKED || (row->role == Role::Option && movingFocus(app, GetDlgItem(window, id)))) {
    return;
  }
  if (row->role == Role::Compute) {
    computeAll(app, window);
  } else {
    chooseFromControl(app, window, kind, *row);
  }
}

void onTimer(App& app, HWND window, UINT_PTR timer) {
  KillTimer(window, timer);
  if (timer == copyNoticeTimer) {
    endCopyNotice(app, window);
  } else if (timer == refusalTimer) {
    showRefusals(app);
  } else if (timer == controlsTimer) {
    makeControls(app, window);
  }
}

}  // namespace

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Frame* frame = attachFrame(window, message, lParam);
  if (frame == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  App& app = frame->app;
  if (const std::optional<LRESULT> answer = paintMessage(app, window, kind, message, wParam, lParam)) {
    return *answer;
  }
  switch (message) {
    case WM_CREATE:
      app.setWindow(kind, window);
      // The rest once the introduction is on the screen: its nested loop
      // takes the message.
      PostMessageW(window, arriveMessage, 0, 0);
      return 0;
    case arriveMessage:
      // Laid out at the largest scale, up to the monitor's, at which the
      // whole window fits the work area, and placed inside it; shown behind
      // the introduction; its controls once that has painted.
      SetMenu(window, app.menu());
      fitWindow(*frame, window,
                [](const Fit& fit) { return mainWindowOrigin(fit.screen, fit.size, fit.dpi); });
      ShowWindow(window, SW_SHOWNA);
      SetTimer(window, controlsTimer, USER_TIMER_MINIMUM, nullptr);
      return 0;
    case WM_TIMER:
      onTimer(app, window, wParam);
      return 0;
    case refusalsWaiting:
      showRefusals(app);
      return 0;
    case WM_ACTIVATE:
      makeControls(app, window);
      followActivation(app, window, kind, wParam);
      if (LOWORD(wParam) != WA_INACTIVE && !app.refusals.empty()) {
        PostMessageW(window, refusalsWaiting, 0, 0);
      }
      return 0;
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_PARENTNOTIFY:
      // A click anywhere on the main window but its menu bar, a child's
      // creation aside, puts the windows the menu shows behind it.
      if ((message == WM_NCLBUTTONDOWN && wParam != HTMENU) || message == WM_LBUTTONDOWN ||
          (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_LBUTTONDOWN)) {
        noteInFront(app, kind);
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SIZE:
      static_cast<void>(frameMessage(*frame, window, message, wParam, lParam));
      followMainWindow(app, wParam);
      return 0;
    case WM_CLOSE:
      app.mainClosing = true;
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      app.mainClosing = true;
      // The menu is the App's; detached, the window's destruction leaves it.
      SetMenu(window, nullptr);
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND:
      onCommand(app, window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    default:
#ifdef TOLLANDRA_TEST_HOOKS
      if (const std::optional<LRESULT> answer = testing::answerTest(app, window, message, wParam, lParam)) {
        return *answer;
      }
#endif
      break;
  }
  if (const std::optional<LRESULT> answer = frameMessage(*frame, window, message, wParam, lParam)) {
    return *answer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND createMainWindow(App& app) {
  return createFramed(app, kind, CW_USEDEFAULT, CW_USEDEFAULT, systemDpi(), nullptr);
}

}  // namespace tollandra
