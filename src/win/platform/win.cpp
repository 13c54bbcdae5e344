// Text at the API boundary, window texts, message boxes and the last resort
// for an exception.

#include "win/platform/win.h"

#include "win/platform/guarded.h"

#include <vector>

namespace tollandra {

std::wstring wide(std::string_view utf8Text) {
  if (utf8Text.empty()) {
    return {};
  }
  const int size = static_cast<int>(utf8Text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8Text.data(), size, result.data(), length);
  return result;
}

std::string utf8(std::wstring_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), length, nullptr, nullptr);
  return result;
}

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), length + 1);
  return utf8(std::wstring_view(buffer.data(), static_cast<std::size_t>(copied)));
}

void setWindowText(HWND window, std::string_view utf8Text) { SetWindowTextW(window, wide(utf8Text).c_str()); }

void showMessage(HWND owner, const Message& message) {
  const UINT icon = message.icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONWARNING;
  MessageBoxW(owner, wide(message.text).c_str(), wide(message.caption).c_str(), MB_OK | icon);
}

void failFatally() noexcept {
  MessageBoxW(nullptr, L"内部エラーが起きたため、プログラムを終了します。", L"Tollandra",
              MB_OK | MB_ICONERROR);
  ExitProcess(3);
}

}  // namespace tollandra
