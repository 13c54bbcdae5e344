#pragma once
// The one owner of the program's state: the fonts, brushes and menu made at
// start-up, the two top-level windows and the forms behind them. Made in
// wWinMain; every window reaches it through its creation parameters.

#include <windows.h>

#include <functional>
#include <vector>

#include "core/session.h"
#include "core/windows/focus_guard.h"
#include "core/windows/dpi.h"
#include "core/windows/placement.h"
#include "core/windows/window_tables.h"
#include "win/platform/dpi.h"
#include "win/platform/win.h"

namespace tollandra {

class App {
 public:
  explicit App(HINSTANCE instance);
  // Destroys the windows that are left first, then what they use.
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  App(App&&) = delete;
  App& operator=(App&&) = delete;

  // Start-up, the message loop and shutdown; the process's exit code.
  int run();

  // The font of that kind for a window at dpi, made the first time it is
  // asked for and kept until the App goes.
  [[nodiscard]] HFONT font(FontKind kind, int dpi);
  [[nodiscard]] HINSTANCE instance() const { return instance_; }
  [[nodiscard]] HBRUSH brushWhite() const { return brushWhite_.get(); }
  [[nodiscard]] HMENU menu() const { return menu_.get(); }
  // Where the main window is on the screen, which the windows that follow it
  // place themselves by.
  [[nodiscard]] Rect mainWindowRect() const;

  // The window fits the screen it is on again: laid out anew when the scale
  // it fits at (dpi, updated) has changed, sized for that scale, and placed
  // where `place` puts it for that fit.
  using Placer = std::function<Point(const Fit&)>;
  Fit fitAgain(HWND window, const WindowTable& table, int& dpi, const Placer& place, int monitorDpi = 0);
  // WM_DPICHANGED: the window on the screen the system moves it to, at the
  // place the system suggests, fitted for the new DPI.
  void followDpiChange(HWND window, const WindowTable& table, int& dpi, WPARAM wParam, LPARAM lParam);

  // Every focus the program moves goes through here. A radio button that
  // gains the focus this way may report a click (Windows does, for an
  // unchecked one, where BM_SETDONTCLICK is not honoured); the windows
  // ignore an option's click while any such move is under way, nested ones
  // included, so moving the focus never answers an item.
  void focus(HWND control);
  [[nodiscard]] bool movingFocus() const { return focusGuard_.moving(); }
  // The control a Tab stop stands for, focused: for an item its chosen
  // option, or option 1 while it has none; a box with its text selected.
  void focusStop(HWND window, WindowKind kind, TabStop stop);
  // WM_ACTIVATE of the main or the HAL window: the focused control is kept
  // when the window is left and gets the focus back when it returns; the
  // first stop when there is none (first start, or the HAL window shown).
  void keepFocus(HWND window);
  void returnFocus(HWND window, WindowKind kind);
  void forgetFocus(HWND window);

  HWND mainWindow = nullptr;  // cleared when the window goes
  HWND halWindow = nullptr;
  int mainDpi = baseDpi;  // the scale each top-level window is laid out at
  int halDpi = baseDpi;
  Session session;
  bool introShown = false;
  // The HAL window is in front of the main window, as the user left them:
  // shown, brought forward or used since the main window was last used.
  bool halInFront = false;
  // Set once the main window starts closing: from then on no focus-loss
  // reading may raise a message over a window that is going away.
  bool mainClosing = false;
  // The HAL window went with the main window when it was minimised, and
  // comes back with it.
  bool halHiddenWithMain = false;

 private:
  bool translateAccelerator(HACCEL accelerators, MSG& message) const;
  bool translateFormKey(const MSG& message);
  HWND& keptFocus(HWND window);

  HINSTANCE instance_;
  FocusGuard focusGuard_;
  HWND mainFocus_ = nullptr;
  HWND halFocus_ = nullptr;
  struct ScaledFont {
    FontKind kind;
    int dpi;
    Font font;
  };
  std::vector<ScaledFont> fonts_;
  Brush brushWhite_;
  Menu menu_;
};

// The App a top-level window was created with: stored at WM_NCCREATE, read
// back for every later message; nullptr before that.
App* attachApp(HWND window, UINT message, LPARAM lParam);

// Ends the program with a message and exit code 3; the last resort for an
// exception that reaches a window procedure.
[[noreturn]] void failFatally() noexcept;

// A window procedure that lets no exception unwind into the window system.
template <LRESULT (*Procedure)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK guarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    return Procedure(window, message, wParam, lParam);
  } catch (...) {
    failFatally();
  }
}

}  // namespace tollandra
