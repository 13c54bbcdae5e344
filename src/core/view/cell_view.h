#pragma once
// What a painted cell shows, as a plain value: the shell paints it, the tests
// compare it. A cell that was never drawn has drawn == false and stays blank.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tollandra {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb levelLow{192, 255, 255};
inline constexpr Rgb levelMid{255, 255, 0};
inline constexpr Rgb levelHigh{255, 140, 140};

struct TextRun {
  std::string text;  // UTF-8
  int x = 0;
  int y = 0;
  Rgb color;
  std::optional<Rgb> background;  // opaque cell behind the glyphs; none = transparent
  bool operator==(const TextRun&) const = default;
};

struct CellView {
  bool drawn = false;
  Rgb fill = white;
  std::vector<TextRun> runs;
  std::optional<Rgb> frame = std::nullopt;  // drawn just inside the cell's edge, 2 px at 100 %
  bool operator==(const CellView&) const = default;
};

// The text a drawn cell carries as its window text, so screen readers and
// tests can read what is painted: every run trimmed of ASCII blanks and
// ideographic spaces, joined by one blank.
std::string cellWindowText(const CellView& view);

// Trims ASCII blanks and ideographic spaces (U+3000) from both ends.
std::string trimBlanks(const std::string& text);

}  // namespace tollandra
