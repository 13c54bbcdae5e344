// Focus moves, guarded per window, and the focus each window keeps.

#include "win/windows/focus.h"

#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/windows/frame.h"

namespace tollandra {
namespace {

FocusGuard::Window guardOf(HWND control) {
  return reinterpret_cast<FocusGuard::Window>(GetAncestor(control, GA_ROOT));
}

}  // namespace

void moveFocus(App& app, HWND control) {
  const FocusGuard::Move move(app.focusGuard, guardOf(control));
  SetFocus(control);
}

bool movingFocus(const App& app, HWND control) { return app.focusGuard.moving(guardOf(control)); }

void focusStop(App& app, HWND window, WindowKind kind, TabStop stop) {
  HWND control = nullptr;
  if (stop.role == Role::Option) {
    const ScoredForm& form = app.session.form(kind);
    const bool second = form.answered(stop.item) && form.choice(stop.item) == 2;
    control = controlOf(window, kind, Role::Option, stop.item, second ? 2 : 1);
  } else {
    control = controlOf(window, kind, stop.role, stop.item);
  }
  if (control == nullptr) {
    return;
  }
  moveFocus(app, control);
  if (stop.role == Role::MeasurementBox && GetFocus() == control) {
    SendMessageW(control, EM_SETSEL, 0, -1);
  }
}

void followActivation(App& app, HWND window, WindowKind kind, WPARAM wParam) {
  Frame* frame = frameOf(window);
  if (frame == nullptr) {
    return;
  }
  if (LOWORD(wParam) == WA_INACTIVE) {
    keepFocus(window);
  } else if (HIWORD(wParam) == 0) {
    returnFocus(app, window, kind);
  }
}

void keepFocus(HWND window) {
  HWND focused = GetFocus();
  Frame* frame = frameOf(window);
  if (frame != nullptr && focused != nullptr && IsChild(window, focused)) {
    frame->keptFocus = focused;
  }
}

void returnFocus(App& app, HWND window, WindowKind kind) {
  const Frame* frame = frameOf(window);
  HWND kept = frame != nullptr ? frame->keptFocus : nullptr;
  if (kept != nullptr && IsChild(window, kept) && IsWindowVisible(kept)) {
    moveFocus(app, kept);
  } else {
    focusStop(app, window, kind, nextTabStop(kind, {}, false));
  }
}

void forgetFocus(HWND window) {
  if (Frame* frame = frameOf(window)) {
    frame->keptFocus = nullptr;
  }
}

}  // namespace tollandra
