// The App: what the windows share (fonts, icons, brush, menu, classes), the
// start-up order and the message loop.

#include "win/app/app.h"

#include "win/app/keyboard.h"
#include "win/build/builder.h"
#include "win/windows/windows.h"

namespace tollandra {
namespace {

// Each item goes in front of those already there, so the last one of the
// table comes first and the bar reads in the table's order.
Menu makeMenu() {
  Menu menu(CreateMenu());
  const std::span<const CommandRow> rows = commandTable();
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    const CommandRow& row = *it;
    if (row.caption.empty()) {
      continue;
    }
    std::wstring caption = wide(row.caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.fType = MFT_STRING;
    info.wID = static_cast<UINT>(row.id);
    info.dwTypeData = caption.data();
    InsertMenuItemW(menu.get(), 0, TRUE, &info);
  }
  return menu;
}

// Every class has the system's button-face colour behind it, read whenever
// it paints, so a change of theme while the program runs repaints it in the
// new colour. The icons are each window's own, set for its scale.
void registerClass(HINSTANCE instance, std::string_view name, WNDPROC procedure) {
  const std::wstring className = wide(name);
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, className.c_str(), &windowClass) != FALSE) {
    return;  // one class serves several windows
  }
  windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = className.c_str();
  RegisterClassExW(&windowClass);
}

// The procedure of a window kind's class.
WNDPROC procedureOf(WindowKind kind) {
  switch (kind) {
    case WindowKind::Main:
      return guarded<MainWndProc>;
    case WindowKind::Introduction:
    case WindowKind::About:
    case WindowKind::References:
      return guarded<InfoWndProc>;
    default:
      return guarded<SecondaryWndProc>;
  }
}

}  // namespace

App::App(HINSTANCE instance) : instance_(instance) {}

App::~App() {
  // Owned and secondary windows first, the main window last.
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (*it != nullptr) {
      DestroyWindow(*it);
    }
  }
}

HFONT App::font(FontKind kind, int dpi) {
  for (const ScaledFont& made : fonts_) {
    if (made.kind == kind && made.dpi == dpi) {
      return made.font.get();
    }
  }
  fonts_.push_back({kind, dpi, makeFont(fontRow(kind), dpi)});
  return fonts_.back().font.get();
}

HICON App::icon(int size) {
  for (const SizedIcon& made : icons_) {
    if (made.size == size) {
      return made.icon.get();
    }
  }
  // Not shared: the system keeps only icons of its own sizes for a shared
  // load, and these follow each window's scale.
  icons_.push_back(
      {size, Icon(static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, size, size, 0)))});
  return icons_.back().icon.get();
}

HWND App::secondaryWindow(WindowKind kind) {
  if (window(kind) == nullptr && window(WindowKind::Main) != nullptr) {
    createSecondaryWindow(*this, kind);
  }
  return window(kind);
}

int App::run() {
  // No common control is used: the program keeps away from COMCTL32, whose
  // loading alone would cost a start under Wine some 75 ms.
  menu_ = makeMenu();
  for (const WindowTable& table : windowTables()) {
    registerClass(instance_, table.className, procedureOf(table.kind));
  }
  brushWhite_ = Brush(CreateSolidBrush(RGB(255, 255, 255)));

  // The introduction comes first, over the main window, which makes its
  // controls once the introduction is on the screen.
  if (createMainWindow(*this) == nullptr) {
    // Never run on without a window, and never report success for it.
    return 1;
  }
  OpenInfoWnd(*this, window(WindowKind::Main), windowTable(WindowKind::Introduction).key);

  Keyboard keyboard;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!keyboard.translate(*this, message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return 0;
}

}  // namespace tollandra
