// The typed boxes: their keyboard, their readings and their refusals.

#include "win/windows/boxes.h"

#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/platform/subclass.h"
#include "win/windows/focus.h"
#include "win/windows/form_glue.h"
#include "win/windows/frame.h"

namespace tollandra {
namespace {

constexpr const wchar_t* boxProcedure = L"Tollandra.BoxProc";
constexpr UINT retryMs = 50;

// Whether the box's selection is one the user made (with the mouse, Shift
// and a movement key, or Ctrl+A), kept in the box's own user data. One the
// program made (Tab into the box, a refusal) is not copied by Ctrl+C.
void setUserSelection(HWND box, bool user) { SetWindowLongPtrW(box, GWLP_USERDATA, user ? 1 : 0); }

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
    text.erase(static_cast<std::size_t>(selection.start),
               static_cast<std::size_t>(selection.end - selection.start));
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

bool selectsByMouse(HWND box, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      return true;
    case WM_LBUTTONDOWN:
      return (wParam & MK_SHIFT) != 0;
    case WM_MOUSEMOVE:
      return (wParam & MK_LBUTTON) != 0 && GetCapture() == box;
    default:
      return false;
  }
}

// The empty mark ("**") stands in a box only while it is not being typed
// in: it goes when the box gains the focus, so a click inside the marks or a
// paste leaves only what the user typed or pasted.
void clearEmptyMark(HWND box) {
  const Frame* frame = frameOf(GetParent(box));
  const ControlRow* row = frame != nullptr ? findControl(frame->kind, GetDlgCtrlID(box)) : nullptr;
  if (row != nullptr && windowText(box) == frame->app.session.boxRule(frame->kind, row->item).sentinel) {
    setWindowText(box, "");
  }
}

// The boxes take from the keyboard only what a measurement is typed with;
// anything else is dropped without a beep. They also note who made their
// selection.
LRESULT BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
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
      clearEmptyMark(box);
      setUserSelection(box, false);
      break;
    case WM_KILLFOCUS:
      setUserSelection(box, false);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
      // A drag, a double click, Shift with a click or a movement key: a
      // plain click only places the caret, whatever the gain of the focus
      // selected on the way.
      if (selectsByMouse(box, message, wParam) || (message == WM_KEYDOWN && selectsByKey(wParam))) {
        const LRESULT result = passOn(box, boxProcedure, message, wParam, lParam);
        setUserSelection(box, true);
        return result;
      }
      break;
    default:
      break;
  }
  return passOn(box, boxProcedure, message, wParam, lParam);
}

HWND boxOf(const BoxPlace& place) {
  return controlOf(place.window, place.kind, Role::MeasurementBox, place.item);
}

// Whether a window of this program is the one the user works in.
bool programIsActive() {
  DWORD process = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &process);
  return process == GetCurrentProcessId();
}

}  // namespace

void prepareBoxes(HWND window, WindowKind kind) {
  for (const ControlRow& row : windowTable(kind).controls) {
    if (row.role == Role::MeasurementBox) {
      subclass(GetDlgItem(window, row.id), boxProcedure, guarded<BoxProc>);
    }
  }
}

BoxReading readBox(App& app, HWND window, WindowKind kind, int item, Refusal when) {
  if (app.mainClosing) {
    return BoxReading::None;
  }
  HWND box = controlOf(window, kind, Role::MeasurementBox, item);
  const Reading reading = app.session.readBox(kind, item, windowText(box));
  // Stored and written back before any message: while the message box is up,
  // another box's reading may run and must not see the refused value.
  if (windowText(box) != reading.text) {
    setWindowText(box, reading.text);
  }
  InvalidateRect(box, nullptr, TRUE);  // red for a refused entry, black otherwise
  showSession(app);
  if (reading.message) {
    app.refusals.push_back({window, kind, item, *reading.message});
    if (when == Refusal::Later || app.focusGuard.anyMoving()) {
      PostMessageW(app.window(WindowKind::Main), refusalsWaiting, 0, 0);
    } else {
      showRefusals(app);
    }
    return BoxReading::RefusedNow;
  }
  return reading.refused ? BoxReading::Refused : BoxReading::Valid;
}

BoxReading readFocusedBox(App& app) {
  HWND focused = GetFocus();
  HWND window = GetParent(focused);
  const Frame* frame = focused != nullptr ? frameOf(window) : nullptr;
  const ControlRow* row = frame != nullptr ? findControl(frame->kind, GetDlgCtrlID(focused)) : nullptr;
  if (row == nullptr || row->role != Role::MeasurementBox) {
    return BoxReading::None;
  }
  return readBox(app, window, frame->kind, row->item);
}

std::optional<BoxPlace> firstRefusedBox(const App& app) {
  for (const WindowTable& table : windowTables()) {
    HWND window = app.window(table.kind);
    for (const ControlRow& row : table.controls) {
      if (window != nullptr && row.role == Role::MeasurementBox &&
          app.session.box(table.kind, row.item).refused) {
        return BoxPlace{window, table.kind, row.item};
      }
    }
  }
  return std::nullopt;
}

void focusToCorrect(App& app, const BoxPlace& place) {
  if (app.mainClosing || IsWindowEnabled(place.window) == FALSE) {
    return;
  }
  HWND box = boxOf(place);
  moveFocus(app, box);
  SendMessageW(box, EM_SETSEL, 0, -1);
  setUserSelection(box, false);
}

void showRefusals(App& app) {
  HWND mainWindow = app.window(WindowKind::Main);
  while (!app.refusals.empty()) {
    if (app.mainClosing || mainWindow == nullptr) {
      app.refusals.clear();
      return;
    }
    // A click that moved the focus ends first (an option's click answers
    // it), and no focus move may be under way.
    if (app.focusGuard.anyMoving() || GetKeyState(VK_LBUTTON) < 0 || GetCapture() != nullptr) {
      SetTimer(mainWindow, refusalTimer, retryMs, nullptr);
      return;
    }
    if (!programIsActive()) {
      return;  // the main window's next activation brings it
    }
    const PendingRefusal next = app.refusals.front();
    app.refusals.erase(app.refusals.begin());
    const BoxPlace place{next.window, next.kind, next.item};
    // Corrected or gone meanwhile: nothing to say.
    if (IsWindow(next.window) == FALSE || !app.session.box(next.kind, next.item).refused) {
      continue;
    }
    showMessage(next.window, next.message);
    focusToCorrect(app, place);
  }
}

void onBoxCommand(App& app, HWND window, WindowKind kind, const ControlRow& row, int notification) {
  HWND box = GetDlgItem(window, row.id);
  if (notification == EN_KILLFOCUS) {
    readBox(app, window, kind, row.item, Refusal::Later);
  } else if (notification == EN_CHANGE) {
    const bool wasRefused = app.session.box(kind, row.item).refused;
    if (app.session.editBox(kind, row.item, windowText(box))) {
      showSession(app);
      if (wasRefused) {
        InvalidateRect(box, nullptr, TRUE);
      }
    }
  } else if (notification == EN_SETFOCUS) {
    if (const std::optional<Selection> selection = app.session.boxRule(kind, row.item).focusSelection) {
      SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(selection->start), selection->end);
    }
  }
}

std::optional<LRESULT> boxColors(const App& app, HWND window, WindowKind kind, WPARAM wParam, LPARAM lParam) {
  const ControlRow* row = findControl(kind, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
  if (row == nullptr || row->role != Role::MeasurementBox) {
    return std::nullopt;
  }
  const LRESULT brush = DefWindowProcW(window, WM_CTLCOLOREDIT, wParam, lParam);
  if (app.session.box(kind, row->item).refused) {
    SetTextColor(reinterpret_cast<HDC>(wParam), colorRef(red));
  }
  return brush;
}

void emptyBoxes(HWND window, WindowKind kind) {
  const Frame* frame = frameOf(window);
  for (const ControlRow& row : windowTable(kind).controls) {
    if (frame != nullptr && row.role == Role::MeasurementBox) {
      setWindowText(GetDlgItem(window, row.id), frame->app.session.boxRule(kind, row.item).sentinel);
    }
  }
}

bool copiesOwnSelection(HWND control) {
  wchar_t windowClass[16] = {};
  GetClassNameW(control, windowClass, 16);
  if (lstrcmpiW(windowClass, L"Edit") != 0 || GetWindowLongPtrW(control, GWLP_USERDATA) == 0) {
    return false;
  }
  const Selection selection = selectionOf(control);
  return selection.start != selection.end;
}

}  // namespace tollandra
