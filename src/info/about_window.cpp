// The About page: eighteen red lines on white and a close button.

#include "app/app.h"
#include "info/info_window.h"
#include "info/texts.h"
#include "platform/win.h"
#include "text/convert.h"

namespace tollandra {
namespace {

constexpr int idClose = 1059;

HWND aboutWindow = nullptr;

void createControls(HWND window) {
  HWND button = CreateWindowExW(0, L"BUTTON", L"閉じる", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 250, 457, 100,
                                26, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(idClose)),
                                shared.instance, nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(shared.fontAbout), FALSE);
}

void paintPage(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, shared.brushWhite);
  // Japanese by character set, so the kanji show on every display language,
  // and by name: a nameless request may land on a CJK-only fallback face that
  // has no Latin letters or "●" (it does under Wine).
  Font font(
      CreateFontW(12, 0, 0, 0, 0, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック"));
  ScopedSelect selected(dc, font.get());
  SetTextColor(dc, RGB(255, 0, 0));
  for (const AboutLine& line : AboutLines) {
    const std::wstring text = wide(line.text);
    TextOutW(dc, 40, static_cast<int>(TextToNumber(line.y)), text.c_str(), static_cast<int>(text.size()));
  }
}

}  // namespace

LRESULT CALLBACK AboutWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const InfoPage page{&aboutWindow, createControls, paintPage};
  return infoPageProc(page, window, message, wParam, lParam);
}

}  // namespace tollandra
