#include "scoring/hal_window.h"

#include <array>

#include "app/app.h"
#include "mainwindow/controls.h"
#include "platform/win.h"
#include "view/placement.h"

namespace tollandra {
namespace {

constexpr int idFirstOption1 = 1015;
constexpr int idFirstOption2 = 1022;
constexpr int idFirstPointsCell = 1029;
constexpr int idTotalCell = 1056;
constexpr int idHideButton = 1057;
constexpr int idClassCell = 1058;

constexpr DWORD frame = WS_EX_DLGMODALFRAME;
constexpr DWORD edge = WS_EX_STATICEDGE;
constexpr DWORD option1Style = BS_LEFTTEXT | BS_RIGHT | BS_VCENTER;
constexpr DWORD autoOption1 = WS_GROUP | BS_AUTORADIOBUTTON | option1Style;
constexpr DWORD cellStyle = BS_OWNERDRAW | BS_CENTER | BS_VCENTER;

const HalItemInfo& item(int k) { return halItemInfo[static_cast<std::size_t>(k - 1)]; }

const std::array<ControlSpec, 17>& table() {
  static const std::array<ControlSpec, 17> controls = {{
      {1007, L"STATIC", item(1).label, 10, 17, 155, 20, 0, SS_RIGHT},
      {1008, L"STATIC", item(2).label, 10, 68, 155, 20, 0, SS_RIGHT},
      {1009, L"STATIC", item(3).label, 10, 114, 155, 25, 0, SS_RIGHT},
      // A group of its own too: the last group of the window wraps around to
      // the first controls, and a click on the auto radio button 1024 would
      // otherwise clear this mark while the finding stays positive.
      {1015, L"BUTTON", item(1).option1, 170, 10, 120, 30, frame, WS_GROUP | BS_RADIOBUTTON | option1Style},
      {1016, L"BUTTON", item(2).option1, 170, 60, 120, 30, frame, autoOption1},
      {1017, L"BUTTON", item(3).option1, 170, 110, 120, 30, frame, autoOption1},
      // Its own group, so a click on the auto radio button before it never
      // clears its mark.
      {1022, L"BUTTON", item(1).option2, 379, 10, 126, 30, frame,
       WS_GROUP | BS_RADIOBUTTON | BS_LEFT | BS_VCENTER},
      {1023, L"BUTTON", item(2).option2, 380, 60, 126, 30, frame,
       WS_GROUP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER},
      {1024, L"BUTTON", item(3).option2, 380, 110, 126, 30, frame,
       WS_GROUP | BS_AUTORADIOBUTTON | BS_VCENTER},
      {1029, L"BUTTON", "*", 300, 10, 70, 30, edge, cellStyle},
      {1030, L"BUTTON", "*", 300, 60, 70, 30, edge, cellStyle},
      {1031, L"BUTTON", "*", 300, 110, 70, 30, edge, cellStyle},
      // The two totals paint through their owner so they survive repaints.
      {1056, L"STATIC", "", 300, 152, 70, 30, edge, SS_OWNERDRAW},
      {1057, L"BUTTON", "Ｘ", 9, 198, 29, 25, WS_EX_CLIENTEDGE, BS_PUSHBUTTON | BS_CENTER},
      {1003, L"STATIC", "Total points", 215, 158, 80, 18, 0, SS_LEFT},
      {1058, L"STATIC", "", 300, 190, 70, 30, edge, SS_OWNERDRAW},
      {1014, L"STATIC", "HAL score", 215, 196, 80, 18, 0, SS_RIGHT},
  }};
  return controls;
}

HWND control(int id) { return GetDlgItem(shared.halWindow, id); }

void refreshItem(int k) {
  const OptionMarks marks = optionMarks(app.hal.item(k));
  SendMessageW(control(idFirstOption1 + k - 1), BM_SETCHECK, marks.option1 ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(control(idFirstOption2 + k - 1), BM_SETCHECK, marks.option2 ? BST_CHECKED : BST_UNCHECKED, 0);
  showCell(control(idFirstPointsCell + k - 1), app.hal.pointsView(k));
  showCell(control(idTotalCell), app.hal.totalView());
  showCell(control(idClassCell), app.hal.classView());
}

void onCommand(HWND window, int id) {
  if (id >= idFirstOption1 && id < idFirstOption1 + halItemCount) {
    app.hal.setChoice(id - idFirstOption1 + 1, 1);
    refreshItem(id - idFirstOption1 + 1);
  } else if (id >= idFirstOption2 && id < idFirstOption2 + halItemCount) {
    app.hal.setChoice(id - idFirstOption2 + 1, 2);
    refreshItem(id - idFirstOption2 + 1);
  } else if (id >= idFirstPointsCell && id < idFirstPointsCell + halItemCount) {
    app.hal.toggleChoice(id - idFirstPointsCell + 1);
    refreshItem(id - idFirstPointsCell + 1);
  } else if (id == idHideButton) {
    ShowWindow(window, SW_HIDE);
  }
}

void onDrawItem(const DRAWITEMSTRUCT& drawItem) {
  const int id = static_cast<int>(drawItem.CtlID);
  if (id >= idFirstPointsCell && id < idFirstPointsCell + halItemCount) {
    drawCellItem(drawItem, app.hal.pointsView(id - idFirstPointsCell + 1), shared.fontHal);
  } else if (id == idTotalCell) {
    drawCellItem(drawItem, app.hal.totalView(), shared.fontHal);
  } else if (id == idClassCell) {
    drawCellItem(drawItem, app.hal.classView(), shared.fontHal);
  }
}

// Follows the main window at every paint. SWP_NOACTIVATE: a repaint must not
// take the focus from a measurement box and set off its reading.
void placeNextToMainWindow(HWND window) {
  RECT main{};
  GetWindowRect(shared.mainWindow, &main);
  const Point origin = halWindowOrigin(Rect{main.left, main.top, main.right, main.bottom});
  SetWindowPos(window, HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

LRESULT CALLBACK HalWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      shared.halWindow = window;
      createControls(window, table(), shared.fontHal);
      return 0;
    case WM_PAINT: {
      // Placed before the paint starts, so the paint covers where it is now.
      placeNextToMainWindow(window);
      ScopedPaint paint(window);
      return 0;
    }
    case WM_DRAWITEM:
      onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      // Alt+F4 hides it like "Ｘ": the menu item must always be able to bring
      // it back, and the window lives as long as the process.
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_DESTROY:
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == 0) {
        onCommand(window, LOWORD(wParam));
      }
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void createHalWindow() {
  HWND window = CreateWindowExW(0, L"NORMAL2", L"ＨＡＬスコア", WS_POPUP | WS_CAPTION, CW_USEDEFAULT,
                                CW_USEDEFAULT, 520, 260, nullptr, nullptr, shared.instance, nullptr);
  if (window != nullptr) {
    placeNextToMainWindow(window);
  }
}

}  // namespace tollandra
