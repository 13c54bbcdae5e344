// The modal information windows: the introduction, About and the references.
// Each is modal by nesting: OpenInfoWnd runs a message loop of its own, with
// the main window disabled, until its window is gone.

#include "core/info/texts.h"
#include "core/text/convert.h"
#include "resources/resource.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/windows/boxes.h"
#include "win/windows/focus.h"
#include "win/windows/frame.h"
#include "win/windows/windows.h"
#ifdef TOLLANDRA_TEST_HOOKS
#include "win/testing/test_hooks.h"
#endif

namespace tollandra {
namespace {

// The introduction is centred on its screen; About and the references sit
// against the main window. Placed once, when they open: a window the user
// drags stays where it is dropped, and fits again only when its screen
// changes.
Point originOf(WindowKind kind, HWND owner, const Fit& fit) {
  if (kind == WindowKind::Introduction) {
    return introductionOrigin(fit.screen, fit.size);
  }
  RECT main{};
  GetWindowRect(owner, &main);
  return infoWindowOrigin({main.left, main.top, main.right, main.bottom}, fit.screen, fit.size, fit.dpi);
}

// The title drawn at the size of its control, from the nearer of the two
// bitmaps made for it; the one it replaces goes once the control has let go.
void showTitle(Frame& frame, HWND window) {
  const ControlRow* row = findRole(frame.kind, Role::TitleBitmap);
  if (row == nullptr) {
    return;
  }
  const Box box = scaled(row->box, frame.dpi);
  const int resource = titleScaleFor(frame.dpi) == 2 ? IDB_TITLE_LARGE : IDB_TITLE;
  Bitmap title(static_cast<HBITMAP>(
      LoadImageW(frame.app.instance(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, box.width, box.height, 0)));
  SendDlgItemMessageW(window, row->id, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(title.get()));
  frame.title = std::move(title);
}

// About: its lines in red on white; the references: white, with their
// read-only boxes on it.
void onPaint(Frame& frame, HWND window) {
  ScopedPaint paint(window);
  if (frame.kind == WindowKind::Introduction) {
    return;
  }
  RECT client{};
  GetClientRect(window, &client);
  FillRect(paint.get(), &client, frame.app.brushWhite());
  if (frame.kind != WindowKind::About) {
    return;
  }
  ScopedSelect selected(paint.get(), frame.app.font(FontKind::AboutPage, frame.dpi));
  SetTextColor(paint.get(), RGB(255, 0, 0));
  for (const AboutLine& line : AboutLines) {
    const std::wstring text = wide(line.text);
    TextOutW(paint.get(), scaled(40, frame.dpi), scaled(static_cast<int>(TextToNumber(line.y)), frame.dpi),
             text.c_str(), static_cast<int>(text.size()));
  }
}

// Enter (IDOK from the dialog keys) presses the focused button, or starts
// on the introduction; Esc (IDCANCEL) closes About and the references, and
// does nothing on the introduction, whose disclaimer wants an answer.
int buttonOfKey(const Frame& frame, HWND window, int id) {
  const bool introduction = frame.kind == WindowKind::Introduction;
  if (id == IDCANCEL) {
    return introduction ? 0 : controlId(frame.kind, Role::Close);
  }
  if (id != IDOK) {
    return id;
  }
  HWND focused = GetFocus();
  const ControlRow* row = IsChild(window, focused) ? findControl(frame.kind, GetDlgCtrlID(focused)) : nullptr;
  if (row != nullptr && row->windowClass == ControlClass::Button) {
    return row->id;
  }
  return introduction ? controlId(frame.kind, Role::Start) : 0;
}

// "終了": the introduction goes, then the main window, which ends the
// program; nothing of the main window can be used in between.
void exitProgram(const Frame& frame, HWND window) {
  HWND mainWindow = frame.app.window(WindowKind::Main);
  CloseInfoWnd(window);
  if (mainWindow != nullptr) {
    SendMessageW(mainWindow, WM_CLOSE, 0, 0);
  }
}

void onCommand(const Frame& frame, HWND window, int id) {
  const ControlRow* row = findControl(frame.kind, buttonOfKey(frame, window, id));
  if (row == nullptr) {
    return;
  }
  if (row->role == Role::Close || row->role == Role::Start) {
    CloseInfoWnd(window);
  } else if (row->role == Role::Exit) {
    exitProgram(frame, window);
  }
}

// Runs until its own window is gone, whatever other windows open and close
// inside it. The program's end (WM_QUIT) is passed on to the loop outside,
// and takes the window down with this one.
void runNestedLoop(HWND window) {
  MSG message{};
  while (IsWindow(window) != FALSE) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
      DestroyWindow(window);
      return;
    }
    if (IsDialogMessageW(window, &message) == FALSE) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace

LRESULT InfoWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Frame* frame = attachFrame(window, message, lParam);
  if (frame == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_PAINT:
      onPaint(*frame, window);
      return 0;
    case WM_CTLCOLORSTATIC:
      // A read-only box of the references stays white on the white page.
      if (frame->kind == WindowKind::References) {
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(frame->app.brushWhite());
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND:
      if (HIWORD(wParam) == 0) {
        onCommand(*frame, window, LOWORD(wParam));
      }
      return 0;
    case WM_CLOSE:
      // The disclaimer is accepted only by "始める": closing it any other way
      // (Alt+F4) declines it.
      if (frame->kind == WindowKind::Introduction) {
        exitProgram(*frame, window);
      } else {
        CloseInfoWnd(window);
      }
      return 0;
    case WM_DPICHANGED: {
      const LRESULT answer = *frameMessage(*frame, window, message, wParam, lParam);
      showTitle(*frame, window);
      return answer;
    }
    case WM_DESTROY:
      // However the window goes, its owner is usable again once no other
      // information window is open.
      if (--frame->app.infoWindows <= 0) {
        frame->app.infoWindows = 0;
        EnableWindow(GetWindow(window, GW_OWNER), TRUE);
      }
#ifdef TOLLANDRA_TEST_HOOKS
      testing::afterInfoWindow(frame->app.window(WindowKind::Main));
#endif
      return 0;
    case WM_NCDESTROY:
      // Wakes the loop, should its window go by a message sent from outside.
      PostMessageW(nullptr, WM_NULL, 0, 0);
      break;
    default:
      break;
  }
  if (const std::optional<LRESULT> answer = frameMessage(*frame, window, message, wParam, lParam)) {
    return *answer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void OpenInfoWnd(App& app, HWND owner, std::string_view key) {
  const WindowTable* table = findInfoWindow(key);
  if (table == nullptr || frameOf(owner) == nullptr) {
    return;
  }
  // A box that loses the focus to the new window reads its entry, and may
  // find a refusal: taken first, so the reading and its message end before
  // anything is made.
  if (IsChild(owner, GetFocus()) != FALSE) {
    keepFocus(owner);
    SetFocus(owner);
    showRefusals(app);
  }
  if (IsWindow(owner) == FALSE || app.mainClosing) {
    return;
  }
  // Made hidden where it goes, at the size and scale that fit the main
  // window's screen, and only then shown.
  RECT main{};
  GetWindowRect(owner, &main);
  const Fit fit = fitOn(screenOf(main, windowDpi(owner)), *table);
  const Point at = originOf(table->kind, owner, fit);
  HWND window = createFramed(app, table->kind, at.x, at.y, fit.dpi, owner, fit.size);
  Frame* frame = frameOf(window);
  if (frame == nullptr) {
    return;
  }
  fitWindow(*frame, window, fit, [&](const Fit& now) { return originOf(table->kind, owner, now); });
  createControls(
      window, *table, [&](FontKind kind) { return app.font(kind, frame->dpi); }, frame->dpi);
  showTitle(*frame, window);
  ShowWindow(window, SW_SHOW);
  ++app.infoWindows;
  EnableWindow(owner, FALSE);
  // On the way on: "始める" on the introduction, "閉じる" on the others.
  const Role first = table->kind == WindowKind::Introduction ? Role::Start : Role::Close;
  SetFocus(GetDlgItem(window, controlId(table->kind, first)));
  runNestedLoop(window);
}

void CloseInfoWnd(HWND window) {
  // The owner comes back before its modal window goes, so the activation
  // returns to it and not to some other program.
  const Frame* frame = frameOf(window);
  if (frame != nullptr && frame->app.infoWindows <= 1) {
    EnableWindow(GetWindow(window, GW_OWNER), TRUE);
  }
  DestroyWindow(window);
}

}  // namespace tollandra
