#pragma once
// The main window's child controls, in creation (and id) order.

#include <windows.h>

#include <span>
#include <string_view>

namespace tollandra {

struct ControlSpec {
  int id;
  const wchar_t* windowClass;
  std::string_view caption;
  int x, y, width, height;
  DWORD exStyle;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE
};

std::span<const ControlSpec> mainWindowControls();

// Creates the controls of a table as children of parent, each with the font.
void createControls(HWND parent, std::span<const ControlSpec> controls, HFONT font);

inline constexpr int idAgeBox = 1000;
inline constexpr int idHeightBox = 1001;
inline constexpr int idVcBox = 1002;
inline constexpr int idComputeButton = 1006;
inline constexpr int idFirstOption1 = 1015;
inline constexpr int idFirstOption2 = 1022;
inline constexpr int idFirstPointsCell = 1029;
inline constexpr int idTotalCell = 1036;
inline constexpr int idBaldwinBox = 1037;
inline constexpr int idJrs2001Box = 1038;
inline constexpr int idJrs2014Box = 1039;

}  // namespace tollandra
