// Process entry: the App does everything; its destructor releases the windows
// and then the resources before the process ends.

#include <windows.h>

#include "win/app/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int code = 0;
  try {
    tollandra::App app(instance);
    code = app.run();
  } catch (...) {
    tollandra::failFatally();
  }
  ExitProcess(static_cast<UINT>(code));
}
