#pragma once
// The clipboard, for the record.

#include <windows.h>

#include <string_view>

namespace tollandra {

// Puts UTF-8 text on the clipboard as CF_UNICODETEXT. Another program may
// hold the clipboard open: tries again a few times over about half a second,
// then gives up and leaves the clipboard as it was. Returns whether the text
// got there, so the caller can say when it did not.
bool copyToClipboard(HWND owner, std::string_view utf8Text);

}  // namespace tollandra
