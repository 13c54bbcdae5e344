// The published sources, in borderless edit boxes so they can be selected
// and copied.

#include "app/app.h"
#include "info/info_window.h"
#include "info/texts.h"
#include "platform/win.h"

namespace tollandra {
namespace {

constexpr int idClose = 1059;

HWND referencesWindow = nullptr;

constexpr struct {
  int id;
  int x, y, width, height;
} boxes[] = {
    {1060, 20, 40, 540, 16},  {1061, 20, 60, 540, 40},  {1062, 20, 120, 540, 16}, {1063, 20, 140, 540, 20},
    {1064, 20, 180, 540, 16}, {1065, 20, 200, 540, 30}, {1066, 19, 250, 540, 16}, {1067, 20, 270, 540, 20},
    {1068, 20, 310, 540, 16}, {1069, 20, 330, 540, 20},
};

HWND createChild(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style, int id,
                 int x, int y, int width, int height) {
  HWND control =
      CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), shared.instance, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(shared.fontReferences), FALSE);
  return control;
}

void createControls(HWND window) {
  createChild(window, L"BUTTON", L"閉じる", BS_PUSHBUTTON, idClose, 250, 390, 100, 26);
  for (const auto& box : boxes) {
    // Named after its entry and line until the first paint fills it.
    const int entry = (box.id - 1060) / 2 + 1;
    const int line = (box.id - 1060) % 2 + 1;
    const std::wstring placeholder = L"エディットボックス" + std::to_wstring(entry) + std::to_wstring(line);
    createChild(window, L"EDIT", placeholder, ES_MULTILINE | ES_WANTRETURN, box.id, box.x, box.y, box.width,
                box.height);
  }
}

void paintPage(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, shared.brushWhite);
  for (int entry = 1; entry <= 5; ++entry) {
    for (int line = 1; line <= 2; ++line) {
      const std::string_view text =
          ReferenceLines[static_cast<std::size_t>(entry - 1)][static_cast<std::size_t>(line - 1)];
      SetDlgItemTextW(window, referenceBoxId(entry, line), wide(text).c_str());
    }
  }
}

}  // namespace

LRESULT CALLBACK ReferencesWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const InfoPage page{&referencesWindow, createControls, paintPage};
  return infoPageProc(page, window, message, wParam, lParam);
}

}  // namespace tollandra
