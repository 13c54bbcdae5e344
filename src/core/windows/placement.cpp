#include "core/windows/placement.h"

#include <algorithm>

namespace tollandra {
namespace {

// Halves are taken in single precision and cut toward zero, so an odd width
// loses its half pixel and a negative half becomes 0.
int halfMinus(int length, int offset) {
  return static_cast<int>(static_cast<float>(length) / 2.0f - static_cast<float>(offset));
}

constexpr int frameBorder = 3;
constexpr int captionHeight = 23;
constexpr int menuBarHeight = 20;

}  // namespace

Size standardFrame(WindowKind kind) {
  const int menu = kind == WindowKind::Main ? menuBarHeight : 0;
  return {2 * frameBorder, 2 * frameBorder + captionHeight + menu};
}

Size clientSize(const WindowTable& table, int dpi) {
  const Size frame = standardFrame(table.kind);
  return {scaled(table.width - frame.width, dpi), scaled(table.height - frame.height, dpi)};
}

Size windowSize(const WindowTable& table, int layoutDpi, Size frame) {
  const Size client = clientSize(table, layoutDpi);
  return {client.width + frame.width, client.height + frame.height};
}

int fittingDpi(const WindowTable& table, const Screen& screen, Size frame) {
  const int lowest = std::min(screen.dpi, minimumDpi);
  for (int dpi = screen.dpi; dpi > lowest; --dpi) {
    const Size size = windowSize(table, dpi, frame);
    if (size.width <= screen.work.width() && size.height <= screen.work.height()) {
      return dpi;
    }
  }
  return lowest;
}

Refit growOrRefit(const WindowTable& table, const Screen& screen, Size frame, int dpi, Size client) {
  const Size wanted = clientSize(table, dpi);
  const Size grown{frame.width + std::max(0, wanted.width - client.width),
                   frame.height + std::max(0, wanted.height - client.height)};
  if (grown == frame) {
    return {dpi, frame, windowSize(table, dpi, frame)};  // nothing lacking: as it is
  }
  // Never larger than the scale in use: only the frame has grown.
  const int fits = fittingDpi(table, Screen{screen.monitor, screen.work, std::min(dpi, screen.dpi)}, grown);
  return {fits, grown, windowSize(table, fits, grown)};
}

Point keepInside(Point wanted, Size window, const Rect& work) {
  return {std::max(std::min(wanted.x, work.right - window.width), work.left),
          std::max(std::min(wanted.y, work.bottom - window.height), work.top)};
}

Point mainWindowOrigin(const Screen& screen, Size window, int dpi) {
  const Rect& monitor = screen.monitor;
  return keepInside({monitor.left + halfMinus(monitor.width(), window.width / 2),
                     monitor.top + halfMinus(monitor.height(), scaled(300, dpi))},
                    window, screen.work);
}

Point introductionOrigin(const Screen& screen, Size window) {
  const Rect& monitor = screen.monitor;
  return keepInside({monitor.left + halfMinus(monitor.width(), window.width / 2),
                     monitor.top + halfMinus(monitor.height(), window.height / 2)},
                    window, screen.work);
}

Point halWindowOrigin(const Rect& mainWindow, const Screen& screen, Size window, int dpi) {
  const int above = scaled(160, dpi);
  const int y = mainWindow.top > above ? mainWindow.top - above : mainWindow.top / 2;
  return keepInside({mainWindow.left + scaled(60, dpi), y}, window, screen.work);
}

Point infoWindowOrigin(const Rect& mainWindow, const Screen& screen, Size window, int dpi) {
  return keepInside({mainWindow.left - scaled(20, dpi), mainWindow.top - scaled(20, dpi)}, window,
                    screen.work);
}

Point ppoWindowOrigin(const Rect& mainWindow, const Screen& screen, Size window, int dpi, Size hal) {
  // Where the main window lies near the top, the HAL window's place (at
  // half the main window's top) reaches further down than 200 px.
  const int halBottom = halWindowOrigin(mainWindow, screen, hal, dpi).y + hal.height;
  return keepInside(
      {mainWindow.left + scaled(60, dpi), std::max(mainWindow.top + scaled(200, dpi), halBottom)}, window,
      screen.work);
}

}  // namespace tollandra
