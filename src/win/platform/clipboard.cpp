// Puts the record on the clipboard, waiting a little for a program that holds it.

#include "win/platform/clipboard.h"

#include <cstring>
#include <string>

#include "win/platform/win.h"

namespace tollandra {

bool copyToClipboard(HWND owner, std::string_view utf8Text) {
  constexpr int attempts = 6;
  constexpr DWORD pauseMs = 100;
  bool opened = false;
  for (int attempt = 0; attempt < attempts && !opened; ++attempt) {
    if (attempt > 0) {
      Sleep(pauseMs);
    }
    opened = OpenClipboard(owner) != FALSE;
  }
  if (!opened) {
    return false;
  }
  const std::wstring text = wide(utf8Text);
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  bool placed = false;
  if (EmptyClipboard()) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory != nullptr) {
      if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
      }
      if (!placed) {
        // Only a clipboard that took the memory owns it.
        GlobalFree(memory);
      }
    }
  }
  CloseClipboard();
  return placed;
}

}  // namespace tollandra
