// Checks the committed resource files byte by byte against the BMP and ICO
// layouts, so a regenerated picture that Windows would load wrongly, or not at
// all, fails here instead of in the introduction window or the shell.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"

namespace tollandra {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadResource(const std::string& name) {
  std::ifstream in(std::string(TOLLANDRA_SOURCE_DIR) + "/src/resources/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le(const Bytes& b, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = v << 8 | b.at(at + static_cast<std::size_t>(i));
  return v;
}

std::uint32_t Be32(const Bytes& b, std::size_t at) {
  return std::uint32_t{b.at(at)} << 24 | std::uint32_t{b.at(at + 1)} << 16 |
         std::uint32_t{b.at(at + 2)} << 8 | b.at(at + 3);
}

// 360 pixels of 4 bits are 1440 bits = 180 bytes, already a multiple of 4.
constexpr std::uint32_t kTitleRowBytes = 180;
constexpr std::uint32_t kTitlePixelBytes = kTitleRowBytes * 90;  // 16200
constexpr std::uint32_t kTitlePixelOffset = 14 + 40 + 16 * 4;    // 118
constexpr int kTitleWidth = 360, kTitleHeight = 90;

TEST(ResourceTitleBitmap, HeadersDescribeA4BitBottomUpBitmapOfTheFileSize) {
  const Bytes bmp = ReadResource("title.bmp");
  ASSERT_EQ(bmp.size(), kTitlePixelOffset + kTitlePixelBytes);
  const struct {
    const char* field;
    std::size_t offset;
    int width;
    std::uint32_t value;
  } fields[] = {
      {"bfType 'BM'", 0, 2, 0x4D42},
      {"bfSize", 2, 4, static_cast<std::uint32_t>(bmp.size())},
      {"bfReserved1", 6, 2, 0},
      {"bfReserved2", 8, 2, 0},
      {"bfOffBits", 10, 4, kTitlePixelOffset},
      {"biSize", 14, 4, 40},
      {"biWidth", 18, 4, 360},
      {"biHeight (positive: bottom-up)", 22, 4, 90},
      {"biPlanes", 26, 2, 1},
      {"biBitCount", 28, 2, 4},
      {"biCompression BI_RGB", 30, 4, 0},
  };
  for (const auto& f : fields) EXPECT_EQ(Le(bmp, f.offset, f.width), f.value) << f.field;
  const std::uint32_t sizeImage = Le(bmp, 34, 4), coloursUsed = Le(bmp, 46, 4);
  EXPECT_TRUE(sizeImage == 0 || sizeImage == kTitlePixelBytes) << "biSizeImage " << sizeImage;
  EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 16) << "biClrUsed " << coloursUsed;
}

TEST(ResourceTitleBitmap, PaletteIsTheStandardSixteenColours) {
  const Bytes bmp = ReadResource("title.bmp");
  ASSERT_GE(bmp.size(), kTitlePixelOffset);
  const struct {
    const char* name;
    std::uint8_t r, g, b;
  } palette[16] = {
      {"black", 0, 0, 0},      {"maroon", 128, 0, 0},    {"green", 0, 128, 0},  {"olive", 128, 128, 0},
      {"navy", 0, 0, 128},     {"purple", 128, 0, 128},  {"teal", 0, 128, 128}, {"silver", 192, 192, 192},
      {"grey", 128, 128, 128}, {"red", 255, 0, 0},       {"lime", 0, 255, 0},   {"yellow", 255, 255, 0},
      {"blue", 0, 0, 255},     {"fuchsia", 255, 0, 255}, {"aqua", 0, 255, 255}, {"white", 255, 255, 255},
  };
  for (std::size_t i = 0; i < 16; ++i) {
    const std::size_t at = 54 + 4 * i;  // RGBQUAD: blue, green, red, reserved
    EXPECT_EQ(bmp[at + 2], palette[i].r) << i << " " << palette[i].name;
    EXPECT_EQ(bmp[at + 1], palette[i].g) << i << " " << palette[i].name;
    EXPECT_EQ(bmp[at], palette[i].b) << i << " " << palette[i].name;
    EXPECT_EQ(bmp[at + 3], 0) << i << " " << palette[i].name;
  }
}

// Palette index of the pixel in column x of row y, counting rows from the top.
int TitlePixel(const Bytes& bmp, int x, int y) {
  const std::uint8_t pair =
      bmp.at(kTitlePixelOffset + static_cast<std::size_t>(kTitleHeight - 1 - y) * kTitleRowBytes + x / 2);
  return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

bool IsDark(int index) { return index == 0 || index == 8; }  // black or grey

TEST(ResourceTitleBitmap, UsesOnlyBlackWhiteAndTheTwoGreys) {
  const Bytes bmp = ReadResource("title.bmp");
  ASSERT_EQ(bmp.size(), kTitlePixelOffset + kTitlePixelBytes);
  int count[16] = {};
  for (int y = 0; y < kTitleHeight; ++y)
    for (int x = 0; x < kTitleWidth; ++x) ++count[TitlePixel(bmp, x, y)];
  for (int i = 0; i < 16; ++i) {
    if (i == 0 || i == 7 || i == 8 || i == 15) continue;
    EXPECT_EQ(count[i], 0) << "palette index " << i;
  }
  EXPECT_GT(count[0], 1000) << "black text";
  EXPECT_GT(count[15], kTitleWidth * kTitleHeight / 2) << "white ground";
}

TEST(ResourceTitleBitmap, ShowsTwoSeparateLinesCentredInTheBitmap) {
  const Bytes bmp = ReadResource("title.bmp");
  ASSERT_EQ(bmp.size(), kTitlePixelOffset + kTitlePixelBytes);
  struct Band {
    int top, bottom, left = kTitleWidth, right = -1;
  };
  std::vector<Band> bands;
  bool previousDark = false;
  for (int y = 0; y < kTitleHeight; ++y) {
    bool dark = false;
    for (int x = 0; x < kTitleWidth; ++x) {
      if (!IsDark(TitlePixel(bmp, x, y))) continue;
      if (!previousDark && !dark) bands.push_back({y, y});
      dark = true;
      bands.back().bottom = y;
      bands.back().left = std::min(bands.back().left, x);
      bands.back().right = std::max(bands.back().right, x);
    }
    previousDark = dark;
  }
  ASSERT_EQ(bands.size(), 2u) << "rows with dark pixels should form two lines";
  for (const Band& band : bands) {
    const int leftMargin = band.left, rightMargin = kTitleWidth - 1 - band.right;
    EXPECT_GE(band.bottom - band.top + 1, 20) << "line from row " << band.top << " is too low for text";
    EXPECT_LE(band.bottom - band.top + 1, 40) << "line from row " << band.top;
    EXPECT_GE(leftMargin, 10) << "line from row " << band.top;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 2)
        << "line from row " << band.top << ": margins " << leftMargin << " and " << rightMargin;
  }
  EXPECT_GE(bands[1].top - bands[0].bottom - 1, 3) << "blank rows between the lines";
  // The first line has eight characters, the second ten: an image stored top
  // row first, or lines in the wrong order, shows the wider line on top.
  EXPECT_LT(bands[0].right - bands[0].left, bands[1].right - bands[1].left) << "upper line narrower";
  const int topMargin = bands[0].top, bottomMargin = kTitleHeight - 1 - bands[1].bottom;
  EXPECT_GE(topMargin, 4);
  EXPECT_LE(std::abs(topMargin - bottomMargin), 2) << "margins " << topMargin << " and " << bottomMargin;
}

TEST(ResourceTitleBitmap, IdMatchesTheOneTheIntroductionLoads) { EXPECT_EQ(IDB_TITLE, 101); }

// ICONDIR (6 bytes) and one 16-byte ICONDIRENTRY per image.
constexpr std::size_t kIconDirBytes = 6, kIconEntryBytes = 16;

TEST(ResourceIcon, HoldsFourSquare32BitImagesLaidOutBackToBack) {
  const Bytes ico = ReadResource("tollandra.ico");
  ASSERT_GE(ico.size(), kIconDirBytes + 4 * kIconEntryBytes);
  EXPECT_EQ(Le(ico, 0, 2), 0u) << "reserved";
  EXPECT_EQ(Le(ico, 2, 2), 1u) << "type icon";
  ASSERT_EQ(Le(ico, 4, 2), 4u) << "image count";

  // A DIB entry: 40-byte header, n * n BGRA pixels, then the 1-bit mask with
  // rows padded to 4 bytes.
  const struct {
    int side;
    std::uint8_t storedSide;
    std::uint32_t dibBytes;
  } images[] = {
      {256, 0, 40 + 262144 + 32 * 256},
      {48, 48, 40 + 9216 + 8 * 48},
      {32, 32, 40 + 4096 + 4 * 32},
      {16, 16, 40 + 1024 + 4 * 16},
  };
  std::uint32_t expectedOffset = kIconDirBytes + 4 * kIconEntryBytes;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t entry = kIconDirBytes + i * kIconEntryBytes;
    const int side = images[i].side;
    EXPECT_EQ(ico[entry], images[i].storedSide) << side << " width";
    EXPECT_EQ(ico[entry + 1], images[i].storedSide) << side << " height";
    EXPECT_EQ(ico[entry + 2], 0) << side << " colour count";
    EXPECT_EQ(ico[entry + 3], 0) << side << " reserved";
    EXPECT_EQ(Le(ico, entry + 4, 2), 1u) << side << " planes";
    EXPECT_EQ(Le(ico, entry + 6, 2), 32u) << side << " bits per pixel";
    const std::uint32_t bytes = Le(ico, entry + 8, 4), offset = Le(ico, entry + 12, 4);
    EXPECT_EQ(offset, expectedOffset) << side << " offset";
    ASSERT_LE(std::size_t{offset} + bytes, ico.size()) << side << " runs past the file";
    expectedOffset = offset + bytes;

    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (std::equal(std::begin(kPng), std::end(kPng), ico.begin() + offset)) {
      ASSERT_GE(bytes, 8u + 8 + 13) << side;
      EXPECT_EQ(Be32(ico, offset + 12), 0x49484452u) << side << " IHDR first";
      EXPECT_EQ(Be32(ico, offset + 16), static_cast<std::uint32_t>(side)) << side << " PNG width";
      EXPECT_EQ(Be32(ico, offset + 20), static_cast<std::uint32_t>(side)) << side << " PNG height";
      EXPECT_EQ(ico[offset + 24], 8) << side << " PNG bit depth";
      EXPECT_EQ(ico[offset + 25], 6) << side << " PNG colour type RGBA";
      continue;
    }
    ASSERT_EQ(bytes, images[i].dibBytes) << side << " DIB size";
    EXPECT_EQ(Le(ico, offset, 4), 40u) << side << " biSize";
    EXPECT_EQ(Le(ico, offset + 4, 4), static_cast<std::uint32_t>(side)) << side << " biWidth";
    EXPECT_EQ(Le(ico, offset + 8, 4), static_cast<std::uint32_t>(2 * side))
        << side << " biHeight: image and mask";
    EXPECT_EQ(Le(ico, offset + 12, 2), 1u) << side << " biPlanes";
    EXPECT_EQ(Le(ico, offset + 14, 2), 32u) << side << " biBitCount";
    EXPECT_EQ(Le(ico, offset + 16, 4), 0u) << side << " biCompression";

    // The mask must hide exactly the fully transparent pixels, for displays
    // that ignore alpha; the corners are background.
    const std::size_t pixels = offset + 40, mask = pixels + std::size_t{4} * side * side;
    const std::size_t maskRow = static_cast<std::size_t>((side + 31) / 32 * 4);
    int opaque = 0, wrongMask = 0;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const std::uint8_t alpha = ico[pixels + 4 * static_cast<std::size_t>(y * side + x) + 3];
        const bool masked = (ico[mask + y * maskRow + x / 8] >> (7 - x % 8) & 1) != 0;
        if (masked != (alpha == 0)) ++wrongMask;
        if (alpha == 255) ++opaque;
      }
    }
    EXPECT_EQ(wrongMask, 0) << side;
    EXPECT_GT(opaque, side * side / 4) << side << " draws something";
    const std::pair<int, int> corners[] = {{0, 0}, {side - 1, 0}, {0, side - 1}, {side - 1, side - 1}};
    for (const auto& [x, y] : corners)
      EXPECT_EQ(ico[pixels + 4 * static_cast<std::size_t>(y * side + x) + 3], 0)
          << side << " corner " << x << "," << y;
  }
  EXPECT_EQ(expectedOffset, ico.size()) << "the last image ends the file";
}

TEST(ResourceManifest, KeepsClassicControlsNoDpiScalingAndNoElevation) {
  const Bytes bytes = ReadResource("tollandra.manifest");
  const std::string manifest(bytes.begin(), bytes.end());
  ASSERT_FALSE(manifest.empty());
  const struct {
    const char* text;
    bool present;
  } checks[] = {
      {"name=\"Tollandra\"", true},
      {"version=\"5.2.0.0\"", true},
      {"level=\"asInvoker\"", true},
      {">false</dpiAware>", true},
      {"Microsoft.Windows.Common-Controls", false},
      {"<dependency", false},
  };
  for (const auto& c : checks) EXPECT_EQ(manifest.find(c.text) != std::string::npos, c.present) << c.text;
}

}  // namespace
}  // namespace tollandra
