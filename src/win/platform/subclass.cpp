// Controls subclassed with their own procedure kept in a property.

#include "win/platform/subclass.h"

namespace tollandra {

void subclass(HWND control, const wchar_t* name, WNDPROC procedure) {
  const LONG_PTR own = SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  SetPropW(control, name, reinterpret_cast<HANDLE>(own));
}

LRESULT passOn(HWND control, const wchar_t* name, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto own = reinterpret_cast<WNDPROC>(GetPropW(control, name));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    RemovePropW(control, name);
  }
  return own != nullptr ? CallWindowProcW(own, control, message, wParam, lParam)
                        : DefWindowProcW(control, message, wParam, lParam);
}

}  // namespace tollandra
