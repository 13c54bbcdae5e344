#pragma once
// No exception may unwind into the window system: every procedure the
// program gives it is wrapped, and an exception that reaches one ends the
// program with a message.

#include <windows.h>

namespace tollandra {

// Ends the program with a message and exit code 3.
[[noreturn]] void failFatally() noexcept;

template <LRESULT (*Procedure)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK guarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    return Procedure(window, message, wParam, lParam);
  } catch (...) {
    failFatally();
  }
}

}  // namespace tollandra
