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

// The same for a subclass procedure (SetWindowSubclass).
template <LRESULT (*Procedure)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR)>
LRESULT CALLBACK guardedSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR data) noexcept {
  try {
    return Procedure(window, message, wParam, lParam, id, data);
  } catch (...) {
    failFatally();
  }
}

}  // namespace tollandra
