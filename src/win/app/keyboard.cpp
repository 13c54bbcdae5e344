// The keys of the forms and boxes, and the two shortcuts of the menu.

#include "win/app/keyboard.h"

#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/windows/boxes.h"
#include "win/windows/focus.h"
#include "win/windows/secondary_window.h"

namespace tollandra {
namespace {

// The kind of the program's window the message is for, if it is the main
// window or one the menu shows.
bool formWindowOf(const App& app, const MSG& message, HWND& root, WindowKind& kind) {
  root = GetAncestor(message.hwnd, GA_ROOT);
  if (root != nullptr && root == app.window(WindowKind::Main)) {
    kind = WindowKind::Main;
    return true;
  }
  for (WindowKind candidate : secondaryKinds) {
    if (root != nullptr && root == app.window(candidate)) {
      kind = candidate;
      return true;
    }
  }
  return false;
}

void press(HWND root, HWND control) {
  SendMessageW(root, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

// Tab and Shift+Tab go round the stops; on an option ← and → choose the
// left or the right option, as a click on it would, and ↑ and ↓ go to the
// item above or below; Enter in a box or on the compute button computes, on
// "Ｘ" hides; Esc hides a window the menu shows. Space reaches the focused
// button, which reports a click of its own.
bool translateFormKey(App& app, HWND root, WindowKind kind, const MSG& message) {
  const ControlRow* row = message.hwnd == root ? nullptr : findControl(kind, GetDlgCtrlID(message.hwnd));
  const Role role = row != nullptr ? row->role : Role::Label;
  switch (message.wParam) {
    case VK_TAB:
      focusStop(app, root, kind,
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
        focusStop(app, root, kind, {Role::Option, move.item});
      } else if (HWND chosen = controlOf(root, kind, Role::Option, move.item, move.choose)) {
        press(root, chosen);
        moveFocus(app, chosen);
      }
      return true;
    }
    case VK_RETURN:
      if (role == Role::MeasurementBox && kind != WindowKind::Main) {
        readBox(app, root, kind, row->item);  // read as leaving it would
      } else if (role == Role::MeasurementBox || role == Role::Compute || role == Role::Hide) {
        press(root, controlOf(root, kind, role == Role::Hide ? Role::Hide : Role::Compute));
      }
      return role != Role::Label;
    case VK_ESCAPE:
      if (kind != WindowKind::Main) {
        SendMessageW(root, WM_CLOSE, 0, 0);
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace

Keyboard::Keyboard() {
  ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'C', static_cast<WORD>(commandId(Command::Copy))},
                  {FCONTROL | FVIRTKEY, 'N', static_cast<WORD>(commandId(Command::NewPatient))}};
  accelerators_ = CreateAcceleratorTableW(keys, 2);
}

Keyboard::~Keyboard() {
  if (accelerators_ != nullptr) {
    DestroyAcceleratorTable(accelerators_);
  }
}

bool Keyboard::translate(App& app, MSG& message) {
  HWND root = nullptr;
  WindowKind kind = WindowKind::Main;
  if (message.message != WM_KEYDOWN || !formWindowOf(app, message, root, kind)) {
    return false;
  }
  // Ctrl+C copies the record, except in a box with a selection the user
  // made, where it copies that selection; Ctrl+N starts the next patient.
  if (GetKeyState(VK_CONTROL) < 0) {
    if (accelerators_ == nullptr || (message.wParam == 'C' && copiesOwnSelection(message.hwnd))) {
      return false;
    }
    return TranslateAcceleratorW(app.window(WindowKind::Main), accelerators_, &message) != 0;
  }
  if (GetKeyState(VK_MENU) < 0) {
    return false;
  }
  noteInFront(app, kind);
  return translateFormKey(app, root, kind, message);
}

}  // namespace tollandra
