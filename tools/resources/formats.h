// What the generator writes and its check reads back: the title bitmap's
// size and palette, and the byte layout both file formats share.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The title at 96 DPI; larger screens get a copy SCALE times as large.
constexpr int kTitleBaseWidth = 360;
constexpr int kTitleBaseHeight = 90;

// The 16-colour palette every Windows display knows, in its usual order.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr std::uint8_t kBlack = 0, kSilver = 7, kGrey = 8, kWhite = 15;

// Bytes per row of a DIB: rows are padded to whole 32-bit words.
inline std::uint32_t DibStride(int width, int bits) {
  return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

inline Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Reads the committed files back and reports what is wrong with them; 0 when
// nothing is.
int CheckResources(const std::vector<std::string>& paths);
