// The main window: the risk score form above, the %VC panel below, the menu.

#include "core/windows/placement.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/paint/cell_painter.h"
#include "win/platform/clipboard.h"
#include "win/windows/form_glue.h"
#include "win/windows/windows.h"

namespace tollandra {
namespace {

constexpr WindowKind kind = WindowKind::Main;

// Opens the introduction once the first paint has ended: a modal loop must
// not run inside a paint, and "終了" must not destroy a window mid-paint.
constexpr UINT openIntroduction = WM_APP + 1;
// Brings the HAL window forward once the menu has closed: a menu that ends
// after its command would give the activation back to the main window.
constexpr UINT bringHalForward = WM_APP + 2;

void showResults(const App& app, HWND window) {
  for (ReferenceEquation equation : allEquations) {
    showCell(controlOf(window, kind, Role::ResultBox, static_cast<int>(equation)),
             app.session.panel.resultView(equation));
  }
  showCell(controlOf(window, kind, Role::LowerLimitLine), app.session.panel.lowerLimitView());
}

void recalculateVc(App& app, HWND window) {
  if (app.session.recalculateVc()) {
    showItem(window, kind, app.session.risk, sexFactor);
    showResults(app, window);
  }
}

// Reads one box into the panel and writes the cleaned text or the sentinel
// back; refuses a value outside its limits with a message, after which the
// box has the focus again, its text selected, to be typed over. Nothing once
// the main window is closing.
void readBox(App& app, HWND window, Measurement which) {
  if (app.mainClosing) {
    return;
  }
  HWND box = controlOf(window, kind, Role::MeasurementBox, static_cast<int>(which));
  const Reading reading = app.session.panel.read(which, windowText(box));
  // Stored and written back before any message: while the message box is up,
  // another box's reading may run and must not see the refused value.
  setWindowText(box, reading.text);
  showResults(app, window);
  if (reading.message) {
    MessageBoxW(window, wide(reading.message->text).c_str(), wide(reading.message->caption).c_str(),
                MB_OK | MB_ICONQUESTION);
    if (!app.mainClosing && IsWindowEnabled(window)) {
      app.focus(box);
      SendMessageW(box, EM_SETSEL, 0, -1);
    }
  }
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
    ShowWindow(hal, SW_SHOW);
  } else if (!app.halInFront && liesUnder(hal, window)) {
    PostMessageW(window, bringHalForward, 0, 0);
  } else {
    ShowWindow(hal, SW_HIDE);
  }
}

WNDPROC editProcedure = nullptr;

// The text a box keeps beside its selection, which a typed character replaces.
std::string keptBesideSelection(HWND box) {
  std::wstring text = wide(windowText(box));
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start <= end && end <= text.size()) {
    text.erase(start, end - start);
  }
  return utf8(text);
}

// The boxes take from the keyboard only what a measurement is typed with;
// anything else is dropped without a beep.
LRESULT CALLBACK MeasurementBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && !acceptsTyped(keptBesideSelection(box), static_cast<char32_t>(wParam))) {
    return 0;
  }
  return CallWindowProcW(editProcedure, box, message, wParam, lParam);
}

void onCreate(App& app, HWND window) {
  app.mainWindow = window;
  SetMenu(window, app.menu());
  app.mainDpi = adoptDpi(window, windowTable(kind), app.mainDpi);
  createControls(window, windowTable(kind), app.font(FontKind::Main, app.mainDpi), app.mainDpi);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const Point origin = mainWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                        Rect{work.left, work.top, work.right, work.bottom}, app.mainDpi);
  SetWindowPos(window, HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
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
  showForm(window, kind, app.session.risk);
  if (app.halWindow != nullptr) {
    showForm(app.halWindow, WindowKind::Hal, app.session.hal);
  }
  app.forgetFocus(window);
  app.focusStop(window, kind, nextTabStop(kind, {}, false));
}

RecordTime now() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return RecordTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
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
      copyToClipboard(window, app.session.summary(now()));
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
    if (notification == EN_KILLFOCUS) {
      readBox(app, window, which);
      recalculateVc(app, window);
    } else if (notification == EN_SETFOCUS && inputRule(which).focusSelection) {
      const Selection selection = *inputRule(which).focusSelection;
      SendMessageW(GetDlgItem(window, id), EM_SETSEL, static_cast<WPARAM>(selection.start), selection.end);
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
    for (Measurement which : allMeasurements) {
      readBox(app, window, which);
    }
    recalculateVc(app, window);
    return;
  }
  const int item = chooseFromControl(app, window, kind, app.session.risk, *row);
  if (item == sexFactor) {
    recalculateVc(app, window);
  }
}

}  // namespace

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
      app->mainDpi = LOWORD(wParam);
      applyDpi(window, windowTable(kind), app->font(FontKind::Main, app->mainDpi), app->mainDpi,
               *reinterpret_cast<const RECT*>(lParam));
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
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND createMainWindow(App& app) {
  return createTopLevel(windowTable(kind), CW_USEDEFAULT, CW_USEDEFAULT, app.mainDpi, nullptr, app.instance(),
                        &app);
}

}  // namespace tollandra
