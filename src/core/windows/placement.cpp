#include "core/windows/placement.h"

namespace tollandra {
namespace {

// Halves are taken in single precision and cut toward zero, so an odd screen
// width loses its half pixel and a negative half becomes 0.
int halfMinus(int length, float offset) {
  return static_cast<int>(static_cast<float>(length) / 2.0f - offset);
}

}  // namespace

Point mainWindowOrigin(int screenWidth, int screenHeight) {
  return {halfMinus(screenWidth, 340.0f), halfMinus(screenHeight, 300.0f)};
}

Point introductionOrigin(int screenWidth, int screenHeight) {
  return {halfMinus(screenWidth, 270.0f), halfMinus(screenHeight, 280.0f)};
}

Point halWindowOrigin(const Rect& mainWindow) {
  const int y = mainWindow.top > 160 ? mainWindow.top - 160 : mainWindow.top / 2;
  return {mainWindow.left + 60, y};
}

Point infoWindowOrigin(const Rect& mainWindow) { return {mainWindow.left - 20, mainWindow.top - 20}; }

}  // namespace tollandra
