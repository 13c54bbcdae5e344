#include "info/info_window.h"

namespace tollandra {

WPARAM OpenInfoWnd(HWND, std::string_view) { return 0; }

void openIntroductionOnce(HWND) {}

}  // namespace tollandra
