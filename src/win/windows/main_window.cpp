// The main window: the risk score form above, the %VC panel below, the menu.

#include "core/info/texts.h"
#include "core/windows/placement.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/paint/cell_painter.h"
#include "win/platform/clipboard.h"
#include "win/windows/form_glue.h"
#include "win/windows/windows.h"
#ifdef TOLLANDRA_TEST_HOOKS
#include "win/testing/test_hooks.h"
#endif

namespace tollandra {
namespace {

constexpr WindowKind kind = WindowKind::Main;

// Opens the introduction once the first paint has ended: a modal loop must
// not run inside a paint, and "終了" must not destroy a window mid-paint.
constexpr UINT openIntroduction = WM_APP + 1;
// Brings the HAL window forward once the menu has closed: a menu that ends
// after its command would give the activation back to the main window.
constexpr UINT bringHalForward = WM_APP + 2;
// Shows the HAL window again once a restore has activated the main window,
// in front of it where it was in front before.
constexpr UINT showHalAgain = WM_APP + 3;

RecordTime now() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return RecordTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
}

// Shows for a few seconds that the record was copied.
constexpr UINT_PTR copyNoticeTimer = 1;
constexpr UINT copyNoticeMs = 3000;

void showResults(const App& app, HWND window) {
  for (ReferenceEquation equation : allEquations) {
    showCell(controlOf(window, kind, Role::ResultBox, static_cast<int>(equation)),
             app.session.panel.resultView(equation));
  }
  showCell(controlOf(window, kind, Role::LowerLimitLine), app.session.panel.lowerLimitView());
  showPoints(app);
}

void recalculateVc(App& app, HWND window) {
  app.session.recalculateVc();
  showResults(app, window);
}

// Whether a box's selection is one the user made (with the mouse, Shift and
// a movement key, or Ctrl+A), kept in the box's own user data. One the
// program made (Tab into the box, a refusal) is not copied by Ctrl+C.
void setUserSelection(HWND box, bool user) { SetWindowLongPtrW(box, GWLP_USERDATA, user ? 1 : 0); }

// A refused entry's box gets the focus back with its text selected, to be
// corrected; not once the window is closing or behind a modal window.
void focusToCorrect(App& app, HWND window, HWND box) {
  if (app.mainClosing || !IsWindowEnabled(window)) {
    return;
  }
  app.focus(box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  setUserSelection(box, false);
}

// Reads one box into the panel and writes back what it keeps: the cleaned
// value, the sentinel, or a refused entry as typed, drawn in red. A refusal
// the user has not seen yet comes with its message, after which the box has
// the focus again with its text selected, to be corrected. Whether the box
// holds a refused entry. Nothing once the main window is closing.
bool readBox(App& app, HWND window, Measurement which) {
  if (app.mainClosing) {
    return false;
  }
  HWND box = controlOf(window, kind, Role::MeasurementBox, static_cast<int>(which));
  const Reading reading = app.session.panel.read(which, windowText(box));
  // Stored and written back before any message: while the message box is up,
  // another box's reading may run and must not see the refused value.
  if (windowText(box) != reading.text) {
    setWindowText(box, reading.text);
  }
  InvalidateRect(box, nullptr, TRUE);  // red for a refused entry, black otherwise
  showResults(app, window);
  if (reading.message) {
    showMessage(window, *reading.message);
    focusToCorrect(app, window, box);
  }
  return reading.refused;
}

// The box that has the focus, read as leaving it would read it. Whether it
// holds a valid value or none, rather than a refused entry.
bool readFocusedBox(App& app, HWND window) {
  HWND focused = GetFocus();
  const ControlRow* row = IsChild(window, focused) ? findControl(kind, GetDlgCtrlID(focused)) : nullptr;
  if (row == nullptr || row->role != Role::MeasurementBox) {
    return true;
  }
  const bool refused = readBox(app, window, static_cast<Measurement>(row->item));
  recalculateVc(app, window);
  return !refused;
}

// "%VC 計算  → ": all three boxes read, then computed; a box refused, by
// now or before, gets the focus, the first from the top.
void computeAll(App& app, HWND window) {
  HWND firstRefused = nullptr;
  for (Measurement which : allMeasurements) {
    if (readBox(app, window, which) && firstRefused == nullptr) {
      firstRefused = controlOf(window, kind, Role::MeasurementBox, static_cast<int>(which));
    }
  }
  recalculateVc(app, window);
  if (firstRefused != nullptr) {
    focusToCorrect(app, window, firstRefused);
  }
}

// The record on the clipboard, said so for a few seconds; or, when the
// clipboard will not take it, said so in a message. Nothing is copied while
// the focused box holds a refused entry.
void copyRecord(App& app, HWND window) {
  if (!readFocusedBox(app, window)) {
    MessageBeep(MB_ICONWARNING);
    return;
  }
  HWND notice = controlOf(window, kind, Role::CopyNotice);
  if (!copyToClipboard(window, app.session.summary(now()))) {
    setWindowText(notice, "");
    showMessage(window, Message{std::string(copyFailedTitle), std::string(copyFailedText)});
    return;
  }
  setWindowText(notice, copyNotice);
  SetTimer(window, copyNoticeTimer, copyNoticeMs, nullptr);
}

// Whether the window lies under the other one, where the other covers it.
bool liesUnder(HWND window, HWND other) {
  RECT a{};
  RECT b{};
  RECT overlap{};
  GetWindowRect(window, &a);
  GetWindowRect(other, &b);
  if (!IntersectRect(&overlap, &a, &b)) {
    return false;
  }
  for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr; above = GetWindow(above, GW_HWNDPREV)) {
    if (above == other) {
      return true;
    }
  }
  return false;
}

// "HALスコア": a HAL window that the main window covers comes to the front;
// otherwise the item shows or hides it. Shown, it starts on its first
// finding. A click on the menu bar raises the main window over the HAL
// window before the item is chosen, so what counts is whether the HAL window
// was in front until then: shown, brought forward or used since the main
// window was last used.
void toggleHal(App& app, HWND window) {
  HWND hal = app.halWindow;
  if (hal == nullptr) {
    return;
  }
  if (!IsWindowVisible(hal)) {
    app.forgetFocus(hal);
    app.halInFront = true;
    showHalWindow(app);
  } else if (!app.halInFront && liesUnder(hal, window)) {
    PostMessageW(window, bringHalForward, 0, 0);
  } else {
    ShowWindow(hal, SW_HIDE);
  }
}

WNDPROC editProcedure = nullptr;

// A box's selection, from start up to end.
Selection selectionOf(HWND box) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

// The text a box keeps beside its selection, which a typed character replaces.
std::string keptBesideSelection(HWND box) {
  std::wstring text = wide(windowText(box));
  const Selection selection = selectionOf(box);
  if (selection.start <= selection.end && static_cast<std::size_t>(selection.end) <= text.size()) {
    text.erase(static_cast<std::size_t>(selection.start), static_cast<std::size_t>(selection.end - selection.start));
  }
  return utf8(text);
}

bool selectsByKey(WPARAM key) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
      return GetKeyState(VK_SHIFT) < 0;
    default:
      return false;
  }
}

// The boxes take from the keyboard only what a measurement is typed with;
// anything else is dropped without a beep. They also note who made their
// selection.
LRESULT CALLBACK MeasurementBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (!acceptsTyped(keptBesideSelection(box), static_cast<char32_t>(wParam))) {
        return 0;
      }
      if (wParam == 0x01) {  // Ctrl+A, which not every edit control knows
        SendMessageW(box, EM_SETSEL, 0, -1);
        setUserSelection(box, true);
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      setUserSelection(box, false);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
      if (message != WM_KEYDOWN || selectsByKey(wParam)) {
        const LRESULT result = CallWindowProcW(editProcedure, box, message, wParam, lParam);
        setUserSelection(box, true);
        return result;
      }
      break;
    default:
      break;
  }
  return CallWindowProcW(editProcedure, box, message, wParam, lParam);
}

// Laid out at the largest scale, up to the monitor's, at which the whole
// window fits the work area, and placed inside it.
void onCreate(App& app, HWND window) {
  app.mainWindow = window;
  SetMenu(window, app.menu());
  const Fit fit = fitOf(window, windowTable(kind));
  app.mainDpi = fit.dpi;
  createControls(window, windowTable(kind), app.font(FontKind::Main, app.mainDpi), app.mainDpi);
  const Point origin = mainWindowOrigin(fit.screen, fit.size, fit.dpi);
  SetWindowPos(window, HWND_TOP, origin.x, origin.y, fit.size.width, fit.size.height, SWP_SHOWWINDOW);
  for (Measurement which : allMeasurements) {
    HWND box = controlOf(window, kind, Role::MeasurementBox, static_cast<int>(which));
    editProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(guarded<MeasurementBoxProc>)));
  }
  app.session.panel.loadGrid();
}

void onMenuClose(const App& app, HWND window) {
  if (app.halWindow != nullptr && IsWindowVisible(app.halWindow)) {
    SendMessageW(app.halWindow, WM_CLOSE, 0, 0);
  }
  SendMessageW(window, WM_CLOSE, 0, 0);
}

// The next patient: the state just after "始める", the HAL window left where
// it is, shown or hidden.
void startNewPatient(App& app, HWND window) {
  app.session.startNewPatient();
  for (Measurement which : allMeasurements) {
    setWindowText(controlOf(window, kind, Role::MeasurementBox, static_cast<int>(which)),
                  inputRule(which).sentinel);
  }
  showResults(app, window);
  showForm(app.session, window, kind);
  app.forgetFocus(window);
  app.focusStop(window, kind, nextTabStop(kind, {}, false));
  // The HAL window starts again on its first finding.
  if (HWND hal = app.halWindow) {
    showForm(app.session, hal, WindowKind::Hal);
    app.forgetFocus(hal);
    if (GetActiveWindow() == hal) {
      app.returnFocus(hal, WindowKind::Hal);
    }
  }
}

void runCommand(App& app, HWND window, Command command) {
  switch (command) {
    case Command::NewPatient:
      startNewPatient(app, window);
      break;
    case Command::ToggleHal:
      toggleHal(app, window);
      break;
    case Command::OpenReferences:
      OpenInfoWnd(app, window, windowTable(WindowKind::References).key);
      break;
    case Command::OpenAbout:
      OpenInfoWnd(app, window, windowTable(WindowKind::About).key);
      break;
    case Command::Close:
      onMenuClose(app, window);
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
    const auto which = static_cast<Measurement>(row->item);
    HWND box = GetDlgItem(window, id);
    if (notification == EN_KILLFOCUS) {
      readBox(app, window, which);
      recalculateVc(app, window);
    } else if (notification == EN_CHANGE) {
      const bool wasRefused = app.session.panel.input(which).refused;
      if (app.session.panel.edited(which, windowText(box))) {
        showResults(app, window);
        if (wasRefused) {
          InvalidateRect(box, nullptr, TRUE);
        }
      }
    } else if (notification == EN_SETFOCUS && inputRule(which).focusSelection) {
      const Selection selection = *inputRule(which).focusSelection;
      SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(selection.start), selection.end);
    }
    return;
  }
  // The buttons act on a plain click only; a double click's second click
  // arrives as BN_DOUBLECLICKED and is ignored. An option's click that comes
  // with a move of the focus is no answer.
  if (notification != BN_CLICKED || (row->role == Role::Option && app.movingFocus())) {
    return;
  }
  if (row->role == Role::Compute) {
    computeAll(app, window);
    return;
  }
  const int item = chooseFromControl(app, window, kind, *row);
  if (item == sexFactor) {
    recalculateVc(app, window);
  }
}

}  // namespace

bool copiesOwnSelection(HWND control) {
  wchar_t windowClass[16] = {};
  GetClassNameW(control, windowClass, 16);
  if (lstrcmpiW(windowClass, L"Edit") != 0 || GetWindowLongPtrW(control, GWLP_USERDATA) == 0) {
    return false;
  }
  const Selection selection = selectionOf(control);
  return selection.start != selection.end;
}

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  App* app = attachApp(window, message, lParam);
  if (app == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_CREATE:
      onCreate(*app, window);
      return 0;
    case WM_PAINT: {
      {
        ScopedPaint paint(window);
      }
      if (!app->introShown) {
        app->introShown = true;
        PostMessageW(window, openIntroduction, 0, 0);
      }
      return 0;
    }
    case openIntroduction:
      OpenInfoWnd(*app, window, windowTable(WindowKind::Introduction).key);
      return 0;
    case bringHalForward:
      if (app->halWindow != nullptr) {
        app->halInFront = true;
        SetWindowPos(app->halWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(app->halWindow);
      }
      return 0;
    case WM_DRAWITEM:
      drawCell(*app, kind, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLOREDIT: {
      // A refused entry stays in its box, in red, until it is corrected.
      const LRESULT brush = DefWindowProcW(window, message, wParam, lParam);
      const ControlRow* row = findControl(kind, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      if (row != nullptr && row->role == Role::MeasurementBox &&
          app->session.panel.input(static_cast<Measurement>(row->item)).refused) {
        SetTextColor(reinterpret_cast<HDC>(wParam), colorRef(red));
      }
      return brush;
    }
    case WM_TIMER:
      if (wParam == copyNoticeTimer) {
        KillTimer(window, copyNoticeTimer);
        setWindowText(controlOf(window, kind, Role::CopyNotice), "");
      }
      return 0;
    case WM_ACTIVATE:
      followActivation(*app, window, kind, wParam);
      return 0;
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_PARENTNOTIFY:
      // A click anywhere on the main window but its menu bar, a child's
      // creation aside, puts the HAL window behind.
      if ((message == WM_NCLBUTTONDOWN && wParam != HTMENU) || message == WM_LBUTTONDOWN ||
          (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_LBUTTONDOWN)) {
        app->halInFront = false;
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
      app->followDpiChange(window, windowTable(kind), app->mainDpi, wParam, lParam);
      return 0;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      // The taskbar moved or grew, or the screen changed: the window fits
      // the work area again, moved as little as it takes.
      if ((message == WM_DISPLAYCHANGE || wParam == SPI_SETWORKAREA) && IsIconic(window) == FALSE) {
        const Rect now = app->mainWindowRect();
        app->fitAgain(window, windowTable(kind), app->mainDpi, [&](const Fit& fit) {
          return keepInside({now.left, now.top}, fit.size, fit.screen.work);
        });
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SIZE:
      // A minimised main window takes a shown HAL window with it, and brings
      // it back when restored.
      if (wParam == SIZE_MINIMIZED && app->halWindow != nullptr && IsWindowVisible(app->halWindow)) {
        app->halHiddenWithMain = true;
        ShowWindow(app->halWindow, SW_HIDE);
      } else if (wParam != SIZE_MINIMIZED && app->halHiddenWithMain) {
        app->halHiddenWithMain = false;
        PostMessageW(window, showHalAgain, 0, 0);
      }
      return 0;
    case showHalAgain:
      if (app->halWindow != nullptr) {
        ShowWindow(app->halWindow, SW_SHOWNOACTIVATE);
        if (app->halInFront) {
          SetWindowPos(app->halWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
      }
      return 0;
    case WM_CLOSE:
      app->mainClosing = true;
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      app->mainClosing = true;
      // The menu is the App's; detached, the window's destruction leaves it.
      SetMenu(window, nullptr);
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      app->mainWindow = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND:
      onCommand(*app, window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    default:
#ifdef TOLLANDRA_TEST_HOOKS
      if (const std::optional<LRESULT> answer = testing::answerTest(window, message)) {
        return *answer;
      }
#endif
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND createMainWindow(App& app) {
  return createTopLevel(windowTable(kind), CW_USEDEFAULT, CW_USEDEFAULT, app.mainDpi, nullptr, app.instance(),
                        &app);
}

}  // namespace tollandra
