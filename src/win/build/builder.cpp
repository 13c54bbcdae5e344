// Fonts, controls and top-level windows made from the window tables, and
// their layout at a scale.

#include "win/build/builder.h"

#include "core/windows/dpi.h"
#include "win/paint/cell_painter.h"
#include "win/platform/dpi.h"
#include "win/platform/win.h"
#ifdef TOLLANDRA_TEST_HOOKS
#include "win/testing/test_hooks.h"
#endif

namespace tollandra {
namespace {

// The tables state the window system's bits by value.
static_assert(style::popup == WS_POPUP && style::child == WS_CHILD && style::visible == WS_VISIBLE);
static_assert(style::caption == WS_CAPTION && style::sysMenu == WS_SYSMENU && style::group == WS_GROUP);
static_assert(style::tabStop == WS_TABSTOP && style::minimizeBox == WS_MINIMIZEBOX);
static_assert(style::pushButton == BS_PUSHBUTTON && style::radioButton == BS_RADIOBUTTON);
static_assert(style::ownerDrawButton == BS_OWNERDRAW);
static_assert(style::leftText == BS_LEFTTEXT && style::buttonLeft == BS_LEFT &&
              style::buttonRight == BS_RIGHT);
static_assert(style::buttonCenter == BS_CENTER && style::buttonVCenter == BS_VCENTER);
static_assert(style::staticLeft == SS_LEFT && style::staticRight == SS_RIGHT &&
              style::staticCenter == SS_CENTER);
static_assert(style::staticOwnerDraw == SS_OWNERDRAW && style::staticBitmap == SS_BITMAP);
static_assert(style::staticCenterImage == SS_CENTERIMAGE && style::editCenter == ES_CENTER);
static_assert(style::editMultiline == ES_MULTILINE && style::editAutoHScroll == ES_AUTOHSCROLL);
static_assert(style::editReadOnly == ES_READONLY);
static_assert(style::exDlgModalFrame == WS_EX_DLGMODALFRAME && style::exTransparent == WS_EX_TRANSPARENT);
static_assert(style::exClientEdge == WS_EX_CLIENTEDGE && style::exControlParent == WS_EX_CONTROLPARENT);
static_assert(style::exStaticEdge == WS_EX_STATICEDGE);

// ImmAssociateContext, looked up when the first box is made rather than
// imported: IMM32 would load with the program and lengthen its start.
void withoutInputMethod(HWND box) {
  using Associate = HIMC(WINAPI*)(HWND, HIMC);
  static const auto associate = [] {
    const HMODULE imm = LoadLibraryW(L"imm32.dll");
    const FARPROC found = imm != nullptr ? GetProcAddress(imm, "ImmAssociateContext") : nullptr;
    return reinterpret_cast<Associate>(reinterpret_cast<void (*)()>(found));
  }();
  if (associate != nullptr) {
    associate(box, nullptr);
  }
}

const wchar_t* className(ControlClass windowClass) {
  switch (windowClass) {
    case ControlClass::Edit:
      return L"EDIT";
    case ControlClass::Button:
      return L"BUTTON";
    case ControlClass::Static:
      break;
  }
  return L"STATIC";
}

}  // namespace

std::wstring faceOf(HFONT font) {
  HDC screen = GetDC(nullptr);
  const HGDIOBJ before = SelectObject(screen, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, face);
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  return face;
}

Font makeFont(const FontRow& row, int dpi) {
  const auto create = [&](std::string_view face) {
    return Font(CreateFontW(scaled(row.height, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            SHIFTJIS_CHARSET, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                            row.pitchAndFamily, wide(face).c_str()));
  };
  // Windows takes a Japanese face's Japanese name only where the system
  // locale is Japanese, and its English name everywhere else.
  Font font = create(row.face);
  if (faceOf(font.get()) != wide(row.face)) {
    Font english = create(row.englishFace);
    if (faceOf(english.get()) == wide(row.englishFace)) {
      return english;
    }
  }
  return font;
}

void createControls(HWND parent, const WindowTable& table, const FontSource& fonts, int dpi) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  for (const ControlRow& row : table.controls) {
    const Box box = scaled(row.box, dpi);
    HWND control =
        CreateWindowExW(row.exStyle, className(row.windowClass), wide(row.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | row.style, box.x, box.y, box.width, box.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts(controlFont(table.kind, row))), FALSE);
    if (isPainted(row.role)) {
      makeCell(control, dpi);
    }
    if (row.role == Role::Option) {
      // An unchecked radio button that gains the focus reports a click on
      // Windows unless told not to (from Vista on); the focus never answers.
      SendMessageW(control, BM_SETDONTCLICK, TRUE, 0);
#ifdef TOLLANDRA_TEST_HOOKS
      testing::clickOnFocus(control);
#endif
    }
    if (row.role == Role::MeasurementBox) {
      // Numbers only: with no input method, no composition can stand in a
      // box that has lost the focus, shown but not yet its text. The
      // thread's own context stays the system's.
      withoutInputMethod(control);
    }
  }
  // The focus is drawn from the start, not only once a key has been pressed:
  // the keyboard reaches every control, and a user must see where it is.
  SendMessageW(parent, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

HWND createTopLevel(const WindowTable& table, int x, int y, int dpi, HWND owner, HINSTANCE instance,
                    void* params, Size size) {
  if (size.width == 0) {
    const Size frame = standardFrame(table.kind);
    size = windowSize(table, dpi, {scaled(frame.width, dpi), scaled(frame.height, dpi)});
  }
  return CreateWindowExW(table.exStyle, wide(table.className).c_str(), wide(table.title).c_str(),
                         table.style & ~style::visible, x, y, size.width, size.height, owner, nullptr,
                         instance, params);
}

void layOut(HWND window, const WindowTable& table, const FontSource& fonts, int dpi) {
  for (const ControlRow& row : table.controls) {
    HWND control = GetDlgItem(window, row.id);
    const Box box = scaled(row.box, dpi);
    SetWindowPos(control, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts(controlFont(table.kind, row))), FALSE);
    setCellScale(control, dpi);
  }
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void place(HWND window, Point origin, Size size) {
  RECT now{};
  GetWindowRect(window, &now);
  if (now.left == origin.x && now.top == origin.y && now.right - now.left == size.width &&
      now.bottom - now.top == size.height) {
    return;  // already there: a move costs a round trip to the window system
  }
  SetWindowPos(window, nullptr, origin.x, origin.y, size.width, size.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND controlOf(HWND window, WindowKind kind, Role role, int item, int option) {
  const int id = controlId(kind, role, item, option);
  return id != 0 ? GetDlgItem(window, id) : nullptr;
}

}  // namespace tollandra
