#pragma once
// Every length of the tables is written once, in pixels at 96 DPI (100 %);
// a window shows it at its own DPI.

#include "core/windows/window_tables.h"

namespace tollandra {

inline constexpr int baseDpi = 96;

// A length at 96 DPI, at dpi: rounded to the nearest pixel, halves away from
// zero, as the window system's MulDiv rounds.
[[nodiscard]] constexpr int scaled(int length, int dpi) {
  const long long product = static_cast<long long>(length) * dpi;
  return static_cast<int>((product >= 0 ? product + baseDpi / 2 : product - baseDpi / 2) / baseDpi);
}

[[nodiscard]] constexpr Box scaled(const Box& box, int dpi) {
  return {scaled(box.x, dpi), scaled(box.y, dpi), scaled(box.width, dpi), scaled(box.height, dpi)};
}

// The title bitmap is made at 1x and 2x; a screen takes the nearer one, and
// the larger on a tie, which shrinks more cleanly than the smaller grows.
[[nodiscard]] constexpr int titleScaleFor(int dpi) { return dpi * 2 >= baseDpi * 3 ? 2 : 1; }

// The small and the large icon a window shows at dpi: 16 and 32 px at 100 %,
// scaled as the system scales its icon metrics.
struct IconSizes {
  int small;
  int large;
};
[[nodiscard]] constexpr IconSizes iconSizesFor(int dpi) { return {scaled(16, dpi), scaled(32, dpi)}; }

}  // namespace tollandra
