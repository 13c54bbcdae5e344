// The test build's hooks: what each keeps, it keeps in a property of the
// window it serves.

#include "win/testing/test_hooks.h"

// After windows.h, which it needs.
#include <imm.h>

#include "core/windows/window_tables.h"
#include "win/build/builder.h"
#include "win/platform/subclass.h"

namespace tollandra::testing {
namespace {

constexpr const wchar_t* chainProperty = L"Tollandra.Test.Chain";
constexpr const wchar_t* shortenProperty = L"Tollandra.Test.Shorten";
constexpr const wchar_t* clickProcedure = L"Tollandra.Test.ClickProc";

bool hasInputContext(HWND control) {
  HIMC context = ImmGetContext(control);
  ImmReleaseContext(control, context);
  return context != nullptr;
}

LRESULT CALLBACK ClickingOnFocusProc(HWND option, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = passOn(option, clickProcedure, message, wParam, lParam);
  if (message == WM_SETFOCUS && SendMessageW(option, BM_GETCHECK, 0, 0) == BST_UNCHECKED) {
    SendMessageW(GetParent(option), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(option), BN_CLICKED),
                 reinterpret_cast<LPARAM>(option));
  }
  return result;
}

LPARAM propertyOf(HWND window, const wchar_t* name) {
  return reinterpret_cast<LPARAM>(GetPropW(window, name));
}
void setProperty(HWND window, const wchar_t* name, WPARAM value) {
  SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

}  // namespace

void clickOnFocus(HWND option) { subclass(option, clickProcedure, ClickingOnFocusProc); }

void afterInfoWindow(HWND mainWindow) {
  const LPARAM left = propertyOf(mainWindow, chainProperty);
  if (mainWindow == nullptr || left <= 0) {
    return;
  }
  setProperty(mainWindow, chainProperty, static_cast<WPARAM>(left - 1));
  const Command next = left % 2 == 0 ? Command::OpenAbout : Command::OpenReferences;
  PostMessageW(mainWindow, WM_COMMAND, static_cast<WPARAM>(commandId(next)), 0);
}

std::optional<LRESULT> answerTest(App& /*app*/, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case probeInputContexts: {
      LRESULT bits = 0;
      for (int box = 1; box <= 3; ++box) {
        bits |= hasInputContext(controlOf(window, WindowKind::Main, Role::MeasurementBox, box))
                    ? 1 << (box - 1)
                    : 0;
      }
      return bits | (hasInputContext(controlOf(window, WindowKind::Main, Role::Compute)) ? 8 : 0);
    }
    case chainInfoWindows:
      setProperty(window, chainProperty, wParam);
      return 0;
    case shortenClient:
      setProperty(window, shortenProperty, wParam);
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      SendMessageW(window, WM_DISPLAYCHANGE, 0, 0);
      return 0;
    case WM_NCCALCSIZE: {
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      if (wParam != FALSE) {
        reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0].top +=
            static_cast<LONG>(propertyOf(window, shortenProperty));
      }
      return result;
    }
    default:
      return answerAnyWindow(window, message, wParam, lParam);
  }
}

std::optional<LRESULT> answerAnyWindow(HWND window, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
  if (message != probeSmallIcon) {
    return std::nullopt;
  }
  return iconDigest(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)));
}

}  // namespace tollandra::testing
