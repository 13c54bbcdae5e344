#pragma once
// The one owner of the program's state: the fonts, icons, brush and menu, the
// top-level windows by kind, the session behind them, the focus guard and
// the refusals waiting to be shown. Made in wWinMain; every window reaches it
// through its frame (win/windows/frame.h).

#include <windows.h>

#include <array>
#include <vector>

#include "core/session.h"
#include "core/view/message.h"
#include "core/windows/focus_guard.h"
#include "core/windows/window_tables.h"
#include "win/platform/guarded.h"
#include "win/platform/win.h"

namespace tollandra {

// A refused entry whose message waits until the focus has settled: the box,
// in its window, and what the message says.
struct PendingRefusal {
  HWND window = nullptr;
  WindowKind kind = WindowKind::Main;
  int item = 0;
  Message message;
};

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
  // The program's icon at that size, drawn for it, kept until the App goes.
  [[nodiscard]] HICON icon(int size);
  [[nodiscard]] HINSTANCE instance() const { return instance_; }
  [[nodiscard]] HBRUSH brushWhite() const { return brushWhite_.get(); }
  [[nodiscard]] HMENU menu() const { return menu_.get(); }

  // The program's window of that kind; nullptr until it is made and once it
  // has gone.
  [[nodiscard]] HWND window(WindowKind kind) const { return windows_[static_cast<std::size_t>(kind)]; }
  void setWindow(WindowKind kind, HWND window) { windows_[static_cast<std::size_t>(kind)] = window; }
  // The HAL window (and every other window the menu shows and hides), made
  // the first time it is asked for.
  HWND secondaryWindow(WindowKind kind);

  Session session;
  FocusGuard focusGuard;
  std::vector<PendingRefusal> refusals;
  // Set once the main window starts closing: from then on no reading may
  // raise a message over a window that is going away.
  bool mainClosing = false;
  // The main window's bottom line says that the record was copied, for a
  // few seconds after a copy.
  bool copyNoticeShown = false;
  // How many information windows are open; the main window is usable again
  // when the last one goes.
  int infoWindows = 0;

 private:
  HINSTANCE instance_;
  std::array<HWND, 8> windows_{};  // by WindowKind
  struct ScaledFont {
    FontKind kind;
    int dpi;
    Font font;
  };
  std::vector<ScaledFont> fonts_;
  struct SizedIcon {
    int size;
    Icon icon;
  };
  std::vector<SizedIcon> icons_;
  Brush brushWhite_;
  Menu menu_;
};

}  // namespace tollandra
