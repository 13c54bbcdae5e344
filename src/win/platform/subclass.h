#pragma once
// A control's procedure replaced by one of the program's, the control's own
// kept in a property of the control under a name of the replacement's, so
// the replacement passes on what it does not take and the control gets its
// own back when it goes. (COMCTL32's subclassing would do the same, but
// loading that library costs a start under Wine some 75 ms, and the program
// uses nothing else of it.)

#include <windows.h>

namespace tollandra {

void subclass(HWND control, const wchar_t* name, WNDPROC procedure);

// The control's own procedure for the message; at WM_NCDESTROY the control
// gets it back and the property goes.
LRESULT passOn(HWND control, const wchar_t* name, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tollandra
