// Frames: each top-level window's own state, its fit to the screen and its
// icons.

#include "win/windows/frame.h"

#include "win/app/app.h"
#include "win/build/builder.h"
#ifdef TOLLANDRA_TEST_HOOKS
#include "win/testing/test_hooks.h"
#endif

namespace tollandra {
namespace {

// Asks a restored window to fit again once the restore is over.
constexpr UINT fitAgainMessage = WM_APP + 20;

constexpr const wchar_t* framePropertyName = L"Tollandra.Frame";

// Since Windows 10 (1703); absent from older headers.
constexpr UINT getDpiScaledSize = 0x02E4;

void layOutAt(Frame& frame, HWND window, int dpi) {
  if (dpi == frame.dpi) {
    return;
  }
  frame.dpi = dpi;
  App& app = frame.app;
  layOut(
      window, windowTable(frame.kind), [&](FontKind kind) { return app.font(kind, dpi); }, dpi);
}

// The icons for the scale of the monitor the window is on; none for a
// window whose caption shows none.
void setIcons(const Frame& frame, HWND window) {
  if ((windowTable(frame.kind).style & style::sysMenu) == 0) {
    return;
  }
  const IconSizes sizes = iconSizesAt(windowDpi(window));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(frame.app.icon(sizes.small)));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(frame.app.icon(sizes.large)));
}

Size clientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

Point topLeftOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top};
}

// The window stays where it is, moved only as much as the work area asks.
void fitInPlace(Frame& frame, HWND window) {
  const Point now = topLeftOf(window);
  fitWindow(frame, window, [&](const Fit& fit) { return keepInside(now, fit.size, fit.screen.work); });
}

// The scale the system gives the window: its suggested rectangle, unless the
// window must be laid out smaller to fit the work area there; then that size,
// centred on the suggested rectangle, inside the work area.
void followDpiChange(Frame& frame, HWND window, int dpi, const RECT& suggested) {
  Fit fit = fitOn(screenOf(suggested, dpi), windowTable(frame.kind));
  if (fit.dpi == dpi) {
    fit.size = {suggested.right - suggested.left, suggested.bottom - suggested.top};
  }
  fitWindow(frame, window, fit, [&](const Fit& now) {
    if (now.dpi == dpi) {
      // Where the system puts it, even part off the screen: the user may be
      // dragging it across to another monitor.
      return Point{suggested.left, suggested.top};
    }
    const Point centred{(suggested.left + suggested.right - now.size.width) / 2,
                        (suggested.top + suggested.bottom - now.size.height) / 2};
    return keepInside(centred, now.size, now.screen.work);
  });
}

}  // namespace

HWND createFramed(App& app, WindowKind kind, int x, int y, int dpi, HWND owner, Size size) {
  auto* frame = new Frame{app, kind, dpi, nullptr, false, false, false, {}};
  HWND window = createTopLevel(windowTable(kind), x, y, dpi, owner, app.instance(), frame, size);
  if (window == nullptr) {
    delete frame;  // no WM_NCDESTROY comes for a window never made
  }
  return window;
}

// A property rather than the user data, so asking any window of the thread
// (a message box's, a control's parent) for its frame gives none unless it
// is one of the program's.
Frame* frameOf(HWND window) {
  return window != nullptr ? static_cast<Frame*>(GetPropW(window, framePropertyName)) : nullptr;
}

Frame* attachFrame(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetPropW(window, framePropertyName, create->lpCreateParams);
  }
  return frameOf(window);
}

void fitWindow(Frame& frame, HWND window, const Placer& place) {
  fitWindow(frame, window, fitOf(window, windowTable(frame.kind)), place);
}

void fitWindow(Frame& frame, HWND window, const Fit& fit, const Placer& place) {
  if (IsIconic(window) != FALSE) {
    frame.fitOnRestore = true;
    return;
  }
  const WindowTable& table = windowTable(frame.kind);
  Fit now = fit;
  layOutAt(frame, window, now.dpi);
  tollandra::place(window, place(now), now.size);
  // The whole client area the table asks for, whatever frame the system drew
  // (a menu bar that wraps, a taller caption): a few rounds, since a smaller
  // scale may change the frame again.
  for (int round = 0; round < 3; ++round) {
    const Size client = clientSize(table, now.dpi);
    const Size expectedFrame{now.size.width - client.width, now.size.height - client.height};
    const Refit refit = growOrRefit(table, now.screen, expectedFrame, now.dpi, clientOf(window));
    if (refit.dpi == now.dpi && refit.window == now.size) {
      break;
    }
    now = Fit{now.screen, refit.dpi, refit.window};
    layOutAt(frame, window, now.dpi);
    tollandra::place(window, place(now), now.size);
  }
  setIcons(frame, window);
}

std::optional<LRESULT> frameMessage(Frame& frame, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case getDpiScaledSize: {
      // The size at the new scale, where the window fits there at it.
      const auto dpi = static_cast<int>(wParam);
      const Fit fit = fitOf(window, windowTable(frame.kind), dpi);
      if (fit.dpi != dpi) {
        return FALSE;
      }
      *reinterpret_cast<SIZE*>(lParam) = {fit.size.width, fit.size.height};
      return TRUE;
    }
    case WM_DPICHANGED:
      if (IsIconic(window) != FALSE) {
        frame.fitOnRestore = true;
      } else {
        followDpiChange(frame, window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      }
      return 0;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      // The taskbar moved or grew, or the screen changed: the window fits
      // the work area again, moved as little as it takes.
      if (message == WM_DISPLAYCHANGE || wParam == SPI_SETWORKAREA) {
        fitInPlace(frame, window);
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED && frame.fitOnRestore) {
        frame.fitOnRestore = false;
        PostMessageW(window, fitAgainMessage, 0, 0);
      }
      return std::nullopt;
    case fitAgainMessage:
      fitInPlace(frame, window);
      return 0;
    case WM_NCDESTROY:
      if (frame.app.window(frame.kind) == window) {
        frame.app.setWindow(frame.kind, nullptr);
      }
      RemovePropW(window, framePropertyName);
      delete &frame;
      return DefWindowProcW(window, message, wParam, lParam);
    default:
#ifdef TOLLANDRA_TEST_HOOKS
      return testing::answerAnyWindow(window, message, wParam, lParam);
#else
      return std::nullopt;
#endif
  }
}

}  // namespace tollandra
