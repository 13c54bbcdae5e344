#include "win/app/app.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include "win/build/builder.h"
#include "win/windows/windows.h"

namespace tollandra {
namespace {

void initCommonControls(DWORD classes) {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), classes};
  InitCommonControlsEx(&init);
}

// Each item goes in front of those already there, so the last one of the
// table comes first and the bar reads in the table's order.
Menu makeMenu() {
  Menu menu(CreateMenu());
  const std::span<const CommandRow> rows = commandTable();
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    const CommandRow& row = *it;
    if (row.caption.empty()) {
      continue;
    }
    std::wstring caption = wide(row.caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.fType = MFT_STRING;
    info.wID = static_cast<UINT>(row.id);
    info.dwTypeData = caption.data();
    InsertMenuItemW(menu.get(), 0, TRUE, &info);
  }
  return menu;
}

LRESULT CALLBACK InfoDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// The program's own icon at a system size; shared, so the system keeps it.
HICON programIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), LR_SHARED));
}

// Every class has the program's icon, large and small, and the system's
// button-face colour behind it, read whenever it paints, so a change of
// theme while the program runs repaints it in the new colour.
void registerClass(HINSTANCE instance, std::string_view name, WNDPROC procedure) {
  const std::wstring className = wide(name);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = programIcon(instance, SM_CXICON, SM_CYICON);
  windowClass.hIconSm = programIcon(instance, SM_CXSMICON, SM_CYSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = className.c_str();
  RegisterClassExW(&windowClass);
}

}  // namespace

App::App(HINSTANCE instance) : instance_(instance) {}

App::~App() {
  for (HWND* window : {&halWindow, &mainWindow}) {
    if (*window != nullptr) {
      DestroyWindow(*window);
    }
  }
}

Rect App::mainWindowRect() const {
  RECT main{};
  GetWindowRect(mainWindow, &main);
  return Rect{main.left, main.top, main.right, main.bottom};
}

Fit App::fitAgain(HWND window, const WindowTable& table, int& dpi, const Placer& place, int monitorDpi) {
  const Fit fit = fitOf(window, table, monitorDpi);
  if (fit.dpi != dpi) {
    dpi = fit.dpi;
    layOut(window, table, font(table.font, dpi), dpi);
  }
  tollandra::place(window, place(fit), fit.size);
  return fit;
}

void App::followDpiChange(HWND window, const WindowTable& table, int& dpi, WPARAM wParam, LPARAM lParam) {
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  fitAgain(
      window, table, dpi,
      [&](const Fit& fit) { return keepInside({suggested.left, suggested.top}, fit.size, fit.screen.work); },
      LOWORD(wParam));
}

HFONT App::font(FontKind kind, int dpi) {
  for (const ScaledFont& made : fonts_) {
    if (made.kind == kind && made.dpi == dpi) {
      return made.font.get();
    }
  }
  fonts_.push_back({kind, dpi, makeFont(fontRow(kind), dpi)});
  return fonts_.back().font.get();
}

int App::run() {
  initCommonControls(ICC_WIN95_CLASSES);
  // The fonts for the screen as it is, in their order; others when a window
  // comes to a screen of another scale.
  mainDpi = halDpi = systemDpi();
  for (const FontRow& row : fontTable()) {
    static_cast<void>(font(row.kind, mainDpi));
  }
  menu_ = makeMenu();
  registerClass(instance_, windowTable(WindowKind::About).className, InfoDefaultProc);
  initCommonControls(ICC_BAR_CLASSES);
  brushWhite_ = Brush(CreateSolidBrush(RGB(255, 255, 255)));

  registerClass(instance_, windowTable(WindowKind::Main).className, guarded<MainWndProc>);
  if (createMainWindow(*this) == nullptr) {
    // Never run on without a window, and never report success for it.
    return 1;
  }
  registerClass(instance_, windowTable(WindowKind::Hal).className, guarded<HalWndProc>);
  createHalWindow(*this);

  // The loop offers nothing to IsDialogMessage: the main and the HAL window
  // are no dialogs, and translateFormKey gives them their keyboard.
  ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'C', static_cast<WORD>(commandId(Command::Copy))},
                  {FCONTROL | FVIRTKEY, 'N', static_cast<WORD>(commandId(Command::NewPatient))}};
  HACCEL accelerators = CreateAcceleratorTableW(keys, 2);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!translateAccelerator(accelerators, message) && !translateFormKey(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (accelerators != nullptr) {
    DestroyAcceleratorTable(accelerators);
  }
  return 0;
}

// Ctrl+C anywhere in the main or the HAL window copies the record, except in
// a measurement box with a selection the user made, where it copies that
// selection; Ctrl+N starts the next patient.
bool App::translateAccelerator(HACCEL accelerators, MSG& message) const {
  if (message.message != WM_KEYDOWN || accelerators == nullptr || mainWindow == nullptr) {
    return false;
  }
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root != mainWindow && (root != halWindow || halWindow == nullptr)) {
    return false;
  }
  if (message.wParam == 'C' && copiesOwnSelection(message.hwnd)) {
    return false;
  }
  return TranslateAcceleratorW(mainWindow, accelerators, &message) != 0;
}

// The keyboard in the main and the HAL window, taken before the keys are
// translated so none of them types a character or beeps: Tab and Shift+Tab
// go round the stops; on an option ← and → choose the left or the right
// option, as a click on it would, and ↑ and ↓ go to the item above or below;
// Enter in a box or on the compute button computes, on "Ｘ" hides; Esc
// hides the HAL window. Space reaches the focused button, which reports a
// click of its own.
bool App::translateFormKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
    return false;
  }
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr || (root != mainWindow && root != halWindow)) {
    return false;
  }
  const WindowKind kind = root == mainWindow ? WindowKind::Main : WindowKind::Hal;
  halInFront = kind == WindowKind::Hal;
  const ControlRow* row = message.hwnd == root ? nullptr : findControl(kind, GetDlgCtrlID(message.hwnd));
  const auto press = [&](HWND control) {
    SendMessageW(root, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
  };
  const Role role = row != nullptr ? row->role : Role::Label;
  switch (message.wParam) {
    case VK_TAB:
      focusStop(root, kind,
                nextTabStop(kind, {role, row != nullptr ? row->item : 0}, GetKeyState(VK_SHIFT) < 0));
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
      if (role != Role::Option) {
        return false;
      }
      constexpr Arrow arrows[] = {Arrow::Left, Arrow::Up, Arrow::Right, Arrow::Down};
      const ArrowMove move = arrowMove(kind, row->item, arrows[message.wParam - VK_LEFT]);
      if (move.choose == 0) {
        focusStop(root, kind, {Role::Option, move.item});
      } else if (HWND chosen = controlOf(root, kind, Role::Option, move.item, move.choose)) {
        press(chosen);
        focus(chosen);
      }
      return true;
    }
    case VK_RETURN:
      if (role == Role::MeasurementBox || role == Role::Compute || role == Role::Hide) {
        press(controlOf(root, kind, role == Role::Hide ? Role::Hide : Role::Compute));
      }
      return role != Role::Label;
    case VK_ESCAPE:
      if (kind == WindowKind::Hal) {
        press(controlOf(root, kind, Role::Hide));
        return true;
      }
      return false;
    default:
      return false;
  }
}

void App::focus(HWND control) {
  const FocusGuard::Move move(focusGuard_);
  SetFocus(control);
}

void App::focusStop(HWND window, WindowKind kind, TabStop stop) {
  HWND control = nullptr;
  if (stop.role == Role::Option) {
    const ScoredForm& form = session.form(kind);
    const bool second = form.answered(stop.item) && form.choice(stop.item) == 2;
    control = controlOf(window, kind, Role::Option, stop.item, second ? 2 : 1);
  } else {
    control = controlOf(window, kind, stop.role, stop.item);
  }
  if (control == nullptr) {
    return;
  }
  focus(control);
  if (stop.role == Role::MeasurementBox && GetFocus() == control) {
    SendMessageW(control, EM_SETSEL, 0, -1);
  }
}

HWND& App::keptFocus(HWND window) { return window == halWindow ? halFocus_ : mainFocus_; }

void App::keepFocus(HWND window) {
  HWND focused = GetFocus();
  if (focused != nullptr && IsChild(window, focused)) {
    keptFocus(window) = focused;
  }
}

void App::returnFocus(HWND window, WindowKind kind) {
  HWND kept = keptFocus(window);
  if (kept != nullptr && IsChild(window, kept) && IsWindowVisible(kept)) {
    focus(kept);
  } else {
    focusStop(window, kind, nextTabStop(kind, {}, false));
  }
}

void App::forgetFocus(HWND window) { keptFocus(window) = nullptr; }

App* attachApp(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<App*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void failFatally() noexcept {
  MessageBoxW(nullptr, L"内部エラーが起きたため、プログラムを終了します。", L"Tollandra",
              MB_OK | MB_ICONERROR);
  ExitProcess(3);
}

}  // namespace tollandra
