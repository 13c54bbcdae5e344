#include "win/testing/test_hooks.h"

// After windows.h, which it needs.
#include <imm.h>

#include "core/windows/window_tables.h"
#include "win/build/builder.h"

namespace tollandra::testing {
namespace {

bool hasInputContext(HWND control) {
  HIMC context = ImmGetContext(control);
  ImmReleaseContext(control, context);
  return context != nullptr;
}

WNDPROC buttonProcedure = nullptr;

LRESULT CALLBACK ClickingOnFocusProc(HWND option, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(buttonProcedure, option, message, wParam, lParam);
  if (message == WM_SETFOCUS && SendMessageW(option, BM_GETCHECK, 0, 0) == BST_UNCHECKED) {
    SendMessageW(GetParent(option), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option), BN_CLICKED),
                 reinterpret_cast<LPARAM>(option));
  }
  return result;
}

}  // namespace

void clickOnFocus(HWND option) {
  buttonProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(option, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClickingOnFocusProc)));
}

std::optional<LRESULT> answerTest(HWND window, UINT message) {
  if (message != probeInputContexts) {
    return std::nullopt;
  }
  LRESULT bits = 0;
  for (int box = 1; box <= 3; ++box) {
    bits |= hasInputContext(controlOf(window, WindowKind::Main, Role::MeasurementBox, box)) ? 1 << (box - 1) : 0;
  }
  return bits | (hasInputContext(controlOf(window, WindowKind::Main, Role::Compute)) ? 8 : 0);
}

}  // namespace tollandra::testing
