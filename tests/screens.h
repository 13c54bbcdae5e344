#pragma once
// The screens clinicians' PCs commonly have, for the placement tests and the
// caption check: 1366 x 768, 1600 x 900 and 1920 x 1080 at 100, 125 and
// 150 %, each with a taskbar of 40 and of 48 px at 100 % (Windows 10's and
// 11's) at the bottom, and 1280 x 720 at 100 % with either.

#include <vector>

#include "core/windows/dpi.h"
#include "core/windows/placement.h"

namespace screens {

struct Common {
  int width;
  int height;
  int dpi;
  int taskbar;  // at 100 %, scaled with the display
  [[nodiscard]] tollandra::Screen screen() const {
    return {{0, 0, width, height}, {0, 0, width, height - tollandra::scaled(taskbar, dpi)}, dpi};
  }
};

inline std::vector<Common> common() {
  std::vector<Common> all;
  for (int taskbar : {40, 48}) {
    for (const auto& [width, height] : {std::pair{1366, 768}, std::pair{1600, 900}, std::pair{1920, 1080}})
      for (int dpi : {96, 120, 144}) all.push_back({width, height, dpi, taskbar});
    all.push_back({1280, 720, 96, taskbar});
  }
  return all;
}

// The frame Windows draws at a scale: its metrics at 100 %, scaled.
inline tollandra::Size frameAt(tollandra::WindowKind kind, int dpi) {
  const tollandra::Size frame = tollandra::standardFrame(kind);
  return {tollandra::scaled(frame.width, dpi), tollandra::scaled(frame.height, dpi)};
}

}  // namespace screens
