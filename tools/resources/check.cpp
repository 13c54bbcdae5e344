// Reads the committed title bitmaps and icon back, so a regenerated picture
// that Windows would load wrongly fails the test run instead of the
// introduction window or the shell.

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "formats.h"

namespace {

std::uint32_t le(const Bytes& b, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = v << 8 | b.at(at + static_cast<std::size_t>(i));
  return v;
}

// A 4-bit bottom-up bitmap of the title's proportions on the standard
// palette, holding two lines of text centred both ways, the upper one (eight
// characters) narrower than the lower one (ten). Empty when all is well.
std::string titleFault(const Bytes& bmp) {
  const int width = static_cast<int>(le(bmp, 18, 4)), height = static_cast<int>(le(bmp, 22, 4));
  const int scale = width / kTitleBaseWidth;
  const std::uint32_t offset = 14 + 40 + 64, stride = DibStride(width, 4);
  if (scale < 1 || width != kTitleBaseWidth * scale || height != kTitleBaseHeight * scale) return "size";
  if (le(bmp, 0, 2) != 0x4D42 || le(bmp, 10, 4) != offset || le(bmp, 28, 2) != 4 || le(bmp, 30, 4) != 0 ||
      bmp.size() != offset + stride * static_cast<std::uint32_t>(height)) {
    return "not a plain 4-bit bitmap of its size";
  }
  for (std::size_t i = 0; i < 16; ++i) {
    if ((le(bmp, 54 + 4 * i, 4) & 0xFFFFFF) != kPalette[i]) return "palette";
  }
  std::vector<std::array<int, 4>> lines;  // top, bottom, left, right of each run of inked rows
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t pair = bmp[offset + static_cast<std::uint32_t>(height - 1 - y) * stride + x / 2];
      const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
      if (index != kBlack && index != kGrey) continue;
      if (lines.empty() || lines.back()[1] < y - 1) lines.push_back({y, y, x, x});
      auto& line = lines.back();
      line = {line[0], y, std::min(line[2], x), std::max(line[3], x)};
    }
  }
  if (lines.size() != 2) return "not two lines of text";
  for (const auto& [top, bottom, left, right] : lines) {
    if (std::abs(left - (width - 1 - right)) > 2 * scale) return "a line off centre";
  }
  if (lines[0][3] - lines[0][2] >= lines[1][3] - lines[1][2]) return "the lines upside down";
  if (std::abs(lines[0][0] - (height - 1 - lines[1][1])) > 2 * scale) return "the text off centre";
  return {};
}

// The sizes Windows asks for: small and large icons at 100 %, 125 %, 150 %
// and 200 %, and the desktop shell's largest, in the file's order.
constexpr std::array<int, 8> kIconSizes = {256, 64, 48, 40, 32, 24, 20, 16};

// Square 32-bit images of those sizes laid out back to back to the end of the
// file.
std::string iconFault(const Bytes& ico) {
  if (le(ico, 0, 2) != 0 || le(ico, 2, 2) != 1 || le(ico, 4, 2) != kIconSizes.size()) {
    return "not an icon of " + std::to_string(kIconSizes.size()) + " images";
  }
  std::uint32_t next = static_cast<std::uint32_t>(6 + 16 * kIconSizes.size());
  for (std::size_t i = 0; i < kIconSizes.size(); ++i) {
    const std::size_t entry = 6 + 16 * i;
    const int side = ico.at(entry) == 0 ? 256 : ico.at(entry);  // 0 means 256
    if (side != kIconSizes[i] || ico.at(entry + 1) != ico.at(entry) || le(ico, entry + 6, 2) != 32) {
      return "image " + std::to_string(i + 1) + " is not " + std::to_string(kIconSizes[i]) +
             " pixels square at 32 bits";
    }
    if (le(ico, entry + 12, 4) != next)
      return "image " + std::to_string(i + 1) + " does not follow the one before";
    next += le(ico, entry + 8, 4);
  }
  return next == ico.size() ? "" : "the images do not end the file";
}

}  // namespace

int CheckResources(const std::vector<std::string>& paths) {
  int faults = 0;
  for (const std::string& path : paths) {
    const Bytes data = ReadFile(path);
    const std::string fault = data.size() < 118        ? "too short"
                              : path.ends_with(".ico") ? iconFault(data)
                                                       : titleFault(data);
    if (!fault.empty()) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), fault.c_str());
      ++faults;
    }
  }
  return faults == 0 ? 0 : 1;
}
