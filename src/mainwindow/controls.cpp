#include "mainwindow/controls.h"

#include <array>

#include "platform/win.h"
#include "scoring/risk.h"

namespace tollandra {
namespace {

constexpr const wchar_t* edit = L"EDIT";
constexpr const wchar_t* label = L"STATIC";
constexpr const wchar_t* button = L"BUTTON";

constexpr DWORD option1Style = BS_LEFTTEXT | BS_RIGHT | BS_VCENTER;
constexpr DWORD autoOption1 = WS_GROUP | BS_AUTORADIOBUTTON | option1Style;
constexpr DWORD autoOption2 = WS_GROUP | BS_AUTORADIOBUTTON | BS_VCENTER;
constexpr DWORD cellStyle = BS_OWNERDRAW | BS_CENTER | BS_VCENTER;
constexpr DWORD frame = WS_EX_DLGMODALFRAME;
constexpr DWORD edge = WS_EX_STATICEDGE;

const FactorInfo& f(int factor) { return factorInfo[static_cast<std::size_t>(factor - 1)]; }

const std::array<ControlSpec, 42>& table() {
  static const std::array<ControlSpec, 42> controls = {{
      // Scrolling sideways lets a long paste in whole, so the reading sees and
      // refuses it rather than a silently cut copy.
      {1000, edit, "**", 190, 480, 80, 25, WS_EX_CLIENTEDGE, ES_CENTER | ES_AUTOHSCROLL},
      {1001, edit, "***", 190, 520, 80, 25, WS_EX_CLIENTEDGE, ES_CENTER | ES_AUTOHSCROLL},
      {1002, edit, "****", 190, 560, 80, 25, WS_EX_CLIENTEDGE, ES_CENTER | ES_AUTOHSCROLL},
      {1003, label, "年齢 （ 17 - 100 yrs ）", 5, 483, 180, 20, 0, SS_RIGHT},
      {1004, label, "ＶＣ (1,000-6,000 mL ）", 6, 564, 180, 20, 0, SS_RIGHT},
      {1005, label, "身長 ( 94 - 210 cm ）", 5, 523, 180, 20, 0, SS_RIGHT},
      {1006, button, "%VC 計算  → ", 280, 520, 110, 25, 0, BS_PUSHBUTTON | BS_CENTER},
      {1007, label, f(1).label, 20, 30, 205, 20, 0, SS_RIGHT},
      {1008, label, f(2).label, 20, 230, 205, 20, 0, SS_RIGHT},
      {1009, label, f(3).label, 20, 80, 205, 20, 0, SS_RIGHT},
      {1010, label, f(4).label, 20, 330, 205, 25, 0, SS_RIGHT},
      {1011, label, f(5).label, 20, 180, 205, 20, 0, SS_RIGHT},
      {1012, label, f(6).label, 20, 280, 205, 20, 0, SS_RIGHT},
      {1013, label, f(7).label, 20, 130, 205, 20, 0, SS_RIGHT},
      {1014, label,
       "----------------------------------------------------------------------------"
       "   参考 （ ＊表記外の入力制限があります ）",
       34, 415, 600, 36, 0, SS_LEFT},
      // A group of its own: the window's last group wraps around to the first
      // controls, so a click on 1028 would otherwise clear the male mark.
      {1015, button, f(1).option1, 230, 20, 140, 35, frame, WS_GROUP | BS_RADIOBUTTON | option1Style},
      {1016, button, f(2).option1, 230, 220, 140, 35, frame, autoOption1},
      {1017, button, f(3).option1, 230, 70, 140, 35, frame, autoOption1},
      {1018, button, f(4).option1, 230, 320, 140, 35, frame, autoOption1},
      {1019, button, f(5).option1, 230, 170, 140, 35, frame, autoOption1},
      {1020, button, f(6).option1, 230, 270, 140, 35, frame, autoOption1},
      {1021, button, f(7).option1, 230, 120, 140, 35, frame, autoOption1},
      // Its own group: otherwise a click on the auto radio button before it
      // (区域切除以上) would clear the female mark while female stays chosen.
      {1022, button, f(1).option2, 460, 20, 130, 35, frame, WS_GROUP | BS_RADIOBUTTON | BS_LEFT | BS_VCENTER},
      {1023, button, f(2).option2, 460, 220, 130, 35, frame, autoOption2 | BS_LEFT},
      {1024, button, f(3).option2, 460, 70, 130, 35, frame, autoOption2},
      {1025, button, f(4).option2, 460, 320, 130, 35, frame, autoOption2},
      {1026, button, f(5).option2, 460, 170, 130, 35, frame, autoOption2},
      {1027, button, f(6).option2, 460, 270, 130, 35, frame, autoOption2},
      {1028, button, f(7).option2, 460, 120, 130, 35, frame, autoOption2},
      {1029, button, "*", 380, 19, 70, 35, edge, cellStyle},
      {1030, button, "*", 380, 220, 70, 35, edge, cellStyle},
      {1031, button, "*", 380, 70, 70, 35, edge, cellStyle},
      {1032, button, "*", 380, 320, 70, 35, edge, cellStyle},
      {1033, button, "*", 380, 170, 70, 35, edge, cellStyle},
      {1034, button, "*", 380, 270, 70, 35, edge, cellStyle},
      {1035, button, "*", 380, 120, 70, 35, edge, cellStyle},
      // Painted by its owner so it can show its total again at every repaint.
      {1036, label, "", 380, 370, 193, 30, edge, SS_OWNERDRAW},
      {1037, button, "pVC10", 410, 480, 230, 25, edge, cellStyle},
      {1038, button, "pVC20", 410, 520, 230, 25, edge, cellStyle},
      {1039, button, "pVC30", 410, 560, 230, 25, edge, cellStyle},
      {1040, label, "　％ＶＣ 　　　　ＶＣ基準値 (mL)", 410, 454, 230, 18, 0, SS_LEFT},
      {1041, label, "リスクスコア", 270, 378, 99, 20, 0, SS_RIGHT},
  }};
  return controls;
}

}  // namespace

std::span<const ControlSpec> mainWindowControls() { return table(); }

void createControls(HWND parent, std::span<const ControlSpec> controls, HFONT font) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  for (const ControlSpec& c : controls) {
    HWND control = CreateWindowExW(c.exStyle, c.windowClass, wide(c.caption).c_str(),
                                   WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.width, c.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

}  // namespace tollandra
