// The modal information windows: the introduction, About and the references.
// Each is modal by nesting: OpenInfoWnd runs a message loop of its own with
// the owner disabled until the window is gone.

#include "core/info/texts.h"
#include "core/text/convert.h"
#include "core/windows/dpi.h"
#include "core/windows/placement.h"
#include "resources/resource.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/windows/windows.h"

namespace tollandra {
namespace {

// Marks the quit that ends a nested loop, so the loop can tell it from the
// program's own quit request.
constexpr LPARAM infoQuitMark = 0x496E666F;  // "Info"

// One open information window. It lives in OpenInfoWnd's frame, so whatever
// it owns (the title bitmap) goes only after the window and its controls.
struct InfoWindow {
  App& app;
  const WindowTable& table;
  int dpi = baseDpi;  // its owner's, until a screen of another scale
  HWND window = nullptr;
  WPARAM code = 0;
  bool looping = false;
  Bitmap title;
};

InfoWindow* stateOf(HWND window) {
  return reinterpret_cast<InfoWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The introduction is centred on its screen; About and the references sit
// against the main window. Placed once, when they open: a window the user
// drags stays where it is dropped.
Point placeOf(const InfoWindow& info, const Fit& fit) {
  if (info.table.kind == WindowKind::Introduction) {
    return introductionOrigin(fit.screen, fit.size);
  }
  return infoWindowOrigin(info.app.mainWindowRect(), fit.screen, fit.size, fit.dpi);
}

// The title drawn at the size of its control, from the nearer of the two
// bitmaps made for it; the one it replaces goes once the control has let go.
void showTitle(InfoWindow& info) {
  const ControlRow* row = findRole(info.table.kind, Role::TitleBitmap);
  if (row == nullptr) {
    return;
  }
  const Box box = scaled(row->box, info.dpi);
  const int resource = titleScaleFor(info.dpi) == 2 ? IDB_TITLE_LARGE : IDB_TITLE;
  Bitmap title(static_cast<HBITMAP>(
      LoadImageW(info.app.instance(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, box.width, box.height, 0)));
  SendDlgItemMessageW(info.window, row->id, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(title.get()));
  info.title = std::move(title);
}

void onInitDialog(InfoWindow& info) {
  createControls(info.window, info.table, info.app.font(info.table.font, info.dpi), info.dpi);
  showTitle(info);
}

// About: eighteen red lines on white.
void paintAbout(InfoWindow& info, HDC dc) {
  RECT client{};
  GetClientRect(info.window, &client);
  FillRect(dc, &client, info.app.brushWhite());
  ScopedSelect selected(dc, info.app.font(FontKind::AboutPage, info.dpi));
  SetTextColor(dc, RGB(255, 0, 0));
  for (const AboutLine& line : AboutLines) {
    const std::wstring text = wide(line.text);
    TextOutW(dc, scaled(40, info.dpi), scaled(static_cast<int>(TextToNumber(line.y)), info.dpi), text.c_str(),
             static_cast<int>(text.size()));
  }
}

// The references: white, with their read-only boxes on it.
void paintReferences(const InfoWindow& info, HDC dc) {
  RECT client{};
  GetClientRect(info.window, &client);
  FillRect(dc, &client, info.app.brushWhite());
}

void onPaint(InfoWindow& info) {
  ScopedPaint paint(info.window);
  if (info.table.kind == WindowKind::About) {
    paintAbout(info, paint.get());
  } else if (info.table.kind == WindowKind::References) {
    paintReferences(info, paint.get());
  }
}

// Enter (IDOK from the dialog keys) presses the focused button, or starts
// on the introduction; Esc (IDCANCEL) closes About and the references, and
// does nothing on the introduction, whose disclaimer wants an answer.
int buttonOfKey(const InfoWindow& info, int id) {
  const bool introduction = info.table.kind == WindowKind::Introduction;
  if (id == IDCANCEL) {
    return introduction ? 0 : controlId(info.table.kind, Role::Close);
  }
  if (id != IDOK) {
    return id;
  }
  HWND focused = GetFocus();
  const ControlRow* row =
      IsChild(info.window, focused) ? findControl(info.table.kind, GetDlgCtrlID(focused)) : nullptr;
  if (row != nullptr && row->windowClass == ControlClass::Button) {
    return row->id;
  }
  return introduction ? controlId(info.table.kind, Role::Start) : 0;
}

// "終了": the introduction goes, then the main window, which ends the
// program; nothing of the main window can be used in between.
void exitProgram(const InfoWindow& info) {
  CloseInfoWnd(info.window, 0);
  if (info.app.mainWindow != nullptr) {
    SendMessageW(info.app.mainWindow, WM_CLOSE, 0, 0);
  }
}

void onCommand(InfoWindow& info, int id) {
  const ControlRow* row = findControl(info.table.kind, buttonOfKey(info, id));
  if (row == nullptr) {
    return;
  }
  if (row->role == Role::Close || row->role == Role::Start) {
    CloseInfoWnd(info.window, 0);
  } else if (row->role == Role::Exit) {
    exitProgram(info);
  }
}

WPARAM runNestedLoop(InfoWindow& info) {
  info.looping = true;
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (!IsDialogMessageW(info.window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  info.looping = false;
  if (got == 0 && message.lParam != infoQuitMark) {
    // Not ours: the program is quitting. Pass the request on to the main
    // loop instead of eating it, and take the window down with the loop.
    PostQuitMessage(static_cast<int>(message.wParam));
    if (IsWindow(info.window)) {
      DestroyWindow(info.window);
    }
  }
  return info.code;
}

}  // namespace

LRESULT InfoWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
  }
  InfoWindow* info = stateOf(window);
  if (info == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_INITDIALOG:
      info->window = window;
      onInitDialog(*info);
      return 0;
    case WM_PAINT:
      onPaint(*info);
      return 0;
    case WM_CTLCOLORSTATIC:
      // A read-only box of the references stays white on the white page.
      if (info->table.kind == WindowKind::References) {
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(info->app.brushWhite());
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND:
      if (HIWORD(wParam) == 0) {
        onCommand(*info, LOWORD(wParam));
      }
      return 0;
    case WM_CLOSE:
      // The disclaimer is accepted only by "始める": closing it any other way
      // (Alt+F4) declines it.
      if (info->table.kind == WindowKind::Introduction) {
        exitProgram(*info);
      } else {
        CloseInfoWnd(window, 0);
      }
      return 0;
    case WM_DPICHANGED:
      info->app.followDpiChange(window, info->table, info->dpi, wParam, lParam);
      showTitle(*info);
      return 0;
    case WM_DESTROY:
      // However the window goes, its owner is usable again.
      EnableWindow(GetWindow(window, GW_OWNER), TRUE);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      // However the window goes, its nested loop ends.
      if (info->looping) {
        PostMessageW(nullptr, WM_QUIT, info->code, infoQuitMark);
      }
      return DefWindowProcW(window, message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

WPARAM OpenInfoWnd(App& app, HWND owner, std::string_view key) {
  const WindowTable* table = findInfoWindow(key);
  if (table == nullptr) {
    return 0;
  }
  // A measurement box that loses the focus to the new window would read its
  // entry, and maybe raise its refusal message, in the middle of the opening.
  // Take the focus first so any such reading ends before anything is created.
  app.keepFocus(owner);
  SetFocus(owner);
  if (!IsWindow(owner) || app.mainClosing) {
    return 0;
  }
  // Made hidden on the main window's screen, laid out at the scale that
  // fits it, placed, and only then shown.
  const Rect main = app.mainWindowRect();
  HWND window = createTopLevel(*table, main.left, main.top, app.mainDpi, owner, app.instance(), nullptr);
  if (window == nullptr) {
    return 0;
  }
  const Fit fit = fitOf(window, *table);
  InfoWindow info{app, *table, fit.dpi, nullptr, 0, false, {}};
  tollandra::place(window, placeOf(info, fit), fit.size);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(guarded<InfoWndProc>));
  SendMessageW(window, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&info));
  ShowWindow(window, SW_SHOW);
  EnableWindow(owner, FALSE);
  // On the way on: "始める" on the introduction, "閉じる" on the others.
  const Role first = table->kind == WindowKind::Introduction ? Role::Start : Role::Close;
  SetFocus(GetDlgItem(window, controlId(table->kind, first)));
  return runNestedLoop(info);
}

void CloseInfoWnd(HWND window, WPARAM code) {
  if (InfoWindow* info = stateOf(window)) {
    info->code = code;
  }
  // The owner comes back before its modal window goes, so the activation
  // returns to it and not to some other program.
  EnableWindow(GetWindow(window, GW_OWNER), TRUE);
  DestroyWindow(window);
}

}  // namespace tollandra
