#include "core/windows/placement.h"

#include <algorithm>

namespace tollandra {
namespace {

// Halves are taken in single precision and cut toward zero, so an odd screen
// width loses its half pixel and a negative half becomes 0.
int halfMinus(int length, int offset) {
  return static_cast<int>(static_cast<float>(length) / 2.0f - static_cast<float>(offset));
}

}  // namespace

Point mainWindowOrigin(int screenWidth, int screenHeight, const Rect& workArea, int dpi) {
  const int height = scaled(windowTable(WindowKind::Main).height, dpi);
  int y = halfMinus(screenHeight, scaled(300, dpi));
  if (y + height > workArea.bottom) {
    y = std::max(workArea.bottom - height, workArea.top);
  }
  return {halfMinus(screenWidth, scaled(340, dpi)), y};
}

Point introductionOrigin(int screenWidth, int screenHeight, int dpi) {
  return {halfMinus(screenWidth, scaled(270, dpi)), halfMinus(screenHeight, scaled(280, dpi))};
}

Point halWindowOrigin(const Rect& mainWindow, int dpi) {
  const int above = scaled(160, dpi);
  const int y = mainWindow.top > above ? mainWindow.top - above : mainWindow.top / 2;
  return {mainWindow.left + scaled(60, dpi), y};
}

Point infoWindowOrigin(const Rect& mainWindow, int dpi) {
  return {mainWindow.left - scaled(20, dpi), mainWindow.top - scaled(20, dpi)};
}

}  // namespace tollandra
