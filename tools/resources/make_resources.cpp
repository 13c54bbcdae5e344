// Writes the program's title bitmap and icon from pictures ImageMagick has
// rendered. ImageMagick decides the depth, palette and layout of a BMP or ICO
// from the colours it happens to see; the introduction window needs exactly a
// 4-bit bitmap on the fixed 16-colour palette, and the icon needs four given
// images, so both files are laid out here byte by byte.
//
//   make_resources title LINE1.pgm LINE2.pgm OUT.bmp [SCALE]
//                          (360 x 90 pixels, or SCALE times as many each way)
//   make_resources icon OUT.ico IMAGE...   (IMAGE: a .png kept as it is, or
//                                           a RGBA .pam stored as a DIB)
//   make_resources check TITLE.bmp... ICON.ico
//                          (the committed files read back: see check.cpp;
//                          every file written is checked the same way)

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "formats.h"

namespace {

constexpr int kLineGap = 6;  // blank pixels between the two lines' font boxes, at scale 1

struct Grey {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;  // top row first, 0 = black
  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct Rgba {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;  // top row first, R G B A
};

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void Put16(Bytes& b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// BITMAPINFOHEADER, the 40-byte header both files use.
void PutInfoHeader(Bytes& b, int width, int height, unsigned bits, std::uint32_t imageSize,
                   std::uint32_t colours) {
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));  // positive: bottom row first
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, 0);  // BI_RGB
  Put32(b, imageSize);
  Put32(b, 0);  // no preferred resolution
  Put32(b, 0);
  Put32(b, colours);
  Put32(b, 0);
}

// Netpbm headers: "P5" or "P7" followed by blank-separated fields and comments.
class NetpbmHeader {
 public:
  explicit NetpbmHeader(const Bytes& data) : data_(data) {}
  std::string Word() {
    SkipBlanks();
    std::string word;
    while (pos_ < data_.size() && !IsBlank(data_[pos_])) word += static_cast<char>(data_[pos_++]);
    return word;
  }
  int Number() { return std::stoi(Word()); }
  std::size_t EndOfHeader() { return ++pos_; }  // one blank ends the header

 private:
  static bool IsBlank(std::uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
  void SkipBlanks() {
    while (pos_ < data_.size() && (IsBlank(data_[pos_]) || data_[pos_] == '#')) {
      if (data_[pos_] == '#') {
        while (pos_ < data_.size() && data_[pos_] != '\n') ++pos_;
      } else {
        ++pos_;
      }
    }
  }
  const Bytes& data_;
  std::size_t pos_ = 0;
};

Grey ReadPgm(const std::string& path) {
  const Bytes data = ReadFile(path);
  NetpbmHeader header(data);
  if (header.Word() != "P5") throw std::runtime_error(path + ": not a binary PGM");
  Grey g;
  g.width = header.Number();
  g.height = header.Number();
  if (header.Number() != 255) throw std::runtime_error(path + ": PGM must have 8-bit samples");
  const std::size_t start = header.EndOfHeader();
  const std::size_t count = static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height);
  if (data.size() < start + count) throw std::runtime_error(path + ": PGM cut short");
  g.pixels.assign(data.begin() + static_cast<std::ptrdiff_t>(start),
                  data.begin() + static_cast<std::ptrdiff_t>(start + count));
  return g;
}

Rgba ReadPam(const std::string& path) {
  const Bytes data = ReadFile(path);
  NetpbmHeader header(data);
  if (header.Word() != "P7") throw std::runtime_error(path + ": not a PAM");
  Rgba img;
  int depth = 0, maxval = 0;
  for (std::string key = header.Word(); key != "ENDHDR"; key = header.Word()) {
    if (key.empty()) throw std::runtime_error(path + ": PAM header has no ENDHDR");
    if (key == "WIDTH")
      img.width = header.Number();
    else if (key == "HEIGHT")
      img.height = header.Number();
    else if (key == "DEPTH")
      depth = header.Number();
    else if (key == "MAXVAL")
      maxval = header.Number();
    else if (key == "TUPLTYPE")
      header.Word();
  }
  if (depth != 4 || maxval != 255) throw std::runtime_error(path + ": PAM must be 8-bit RGBA");
  const std::size_t start = header.EndOfHeader();
  const std::size_t count = static_cast<std::size_t>(img.width) * static_cast<std::size_t>(img.height) * 4;
  if (data.size() < start + count) throw std::runtime_error(path + ": PAM cut short");
  img.pixels.assign(data.begin() + static_cast<std::ptrdiff_t>(start),
                    data.begin() + static_cast<std::ptrdiff_t>(start + count));
  return img;
}

// The anti-aliased edge of a glyph goes to the nearest of the palette's four
// neutral colours, so the text keeps a smooth outline without any tint.
std::uint8_t NeutralIndex(std::uint8_t grey) {
  if (grey < 64) return kBlack;
  if (grey < 160) return kGrey;
  if (grey < 224) return kSilver;
  return kWhite;
}

struct InkBox {
  int left, top, right, bottom;  // inclusive
};

InkBox FindInk(const Grey& g) {
  InkBox box{g.width, g.height, -1, -1};
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      if (NeutralIndex(g.at(x, y)) == kWhite) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    }
  }
  if (box.right < 0) throw std::runtime_error("a title line has no ink");
  return box;
}

// Places each line so that its ink is centred horizontally, keeps both lines'
// baselines as the font set them, and centres the pair vertically by ink.
Bytes MakeTitle(const Grey& first, const Grey& second, int scale) {
  const int titleWidth = kTitleBaseWidth * scale, titleHeight = kTitleBaseHeight * scale;
  std::vector<std::uint8_t> canvas(static_cast<std::size_t>(titleWidth * titleHeight), kWhite);
  const InkBox ink[2] = {FindInk(first), FindInk(second)};
  const int secondTop = first.height + kLineGap * scale;  // relative to the first line's box
  const int inkTop = ink[0].top, inkBottom = secondTop + ink[1].bottom;
  const int originY = (titleHeight - (inkBottom - inkTop + 1)) / 2 - inkTop;
  const Grey* lines[2] = {&first, &second};
  for (int i = 0; i < 2; ++i) {
    const Grey& line = *lines[i];
    const int width = ink[i].right - ink[i].left + 1;
    if (width > titleWidth) throw std::runtime_error("a title line is wider than the bitmap");
    const int dx = (titleWidth - width) / 2 - ink[i].left;
    const int dy = originY + (i == 0 ? 0 : secondTop);
    for (int y = 0; y < line.height; ++y) {
      for (int x = 0; x < line.width; ++x) {
        const std::uint8_t index = NeutralIndex(line.at(x, y));
        if (index == kWhite) continue;
        const int cx = x + dx, cy = y + dy;
        if (cx < 0 || cx >= titleWidth || cy < 0 || cy >= titleHeight)
          throw std::runtime_error("the title does not fit the bitmap");
        canvas[static_cast<std::size_t>(cy * titleWidth + cx)] = index;
      }
    }
  }

  const std::uint32_t stride = DibStride(titleWidth, 4);
  const std::uint32_t imageSize = stride * titleHeight;
  const std::uint32_t pixelOffset = 14 + 40 + 4 * kPalette.size();
  Bytes bmp;
  bmp.push_back('B');
  bmp.push_back('M');
  Put32(bmp, pixelOffset + imageSize);
  Put32(bmp, 0);  // two reserved words
  Put32(bmp, pixelOffset);
  PutInfoHeader(bmp, titleWidth, titleHeight, 4, imageSize, kPalette.size());
  for (std::uint32_t rgb : kPalette) {  // RGBQUAD: blue, green, red, reserved
    bmp.push_back(static_cast<std::uint8_t>(rgb));
    bmp.push_back(static_cast<std::uint8_t>(rgb >> 8));
    bmp.push_back(static_cast<std::uint8_t>(rgb >> 16));
    bmp.push_back(0);
  }
  for (int y = titleHeight - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < titleWidth; ++x) {
      const std::uint8_t index = canvas[static_cast<std::size_t>(y * titleWidth + x)];
      row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    bmp.insert(bmp.end(), row.begin(), row.end());
  }
  return bmp;
}

struct IconImage {
  int size;
  Bytes data;  // a PNG file or a DIB without file header
};

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

IconImage PngImage(const std::string& path) {
  Bytes png = ReadFile(path);
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin()))
    throw std::runtime_error(path + ": not a PNG");
  // IHDR comes first; its width is big-endian at byte 16.
  const int width = png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19];
  const int height = png[20] << 24 | png[21] << 16 | png[22] << 8 | png[23];
  if (width != height || png[24] != 8 || png[25] != 6)
    throw std::runtime_error(path + ": icon PNG must be square 8-bit RGBA");
  return {width, std::move(png)};
}

// A 32-bit icon DIB: header with twice the height (colour image and mask),
// the BGRA rows bottom-up, then the 1-bit AND mask (1 = transparent), which
// only systems without alpha blending use.
IconImage DibImage(const std::string& path) {
  const Rgba img = ReadPam(path);
  if (img.width != img.height) throw std::runtime_error(path + ": icon image must be square");
  const int n = img.width;
  const std::uint32_t colourSize = DibStride(n, 32) * static_cast<std::uint32_t>(n);
  const std::uint32_t maskStride = DibStride(n, 1);
  Bytes dib;
  PutInfoHeader(dib, n, 2 * n, 32, colourSize + maskStride * static_cast<std::uint32_t>(n), 0);
  Bytes mask;
  for (int y = n - 1; y >= 0; --y) {
    Bytes maskRow(maskStride, 0);
    for (int x = 0; x < n; ++x) {
      const std::uint8_t* p = &img.pixels[static_cast<std::size_t>((y * n + x) * 4)];
      const bool clear = p[3] == 0;
      dib.push_back(clear ? 0 : p[2]);
      dib.push_back(clear ? 0 : p[1]);
      dib.push_back(clear ? 0 : p[0]);
      dib.push_back(p[3]);
      if (clear) maskRow[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    mask.insert(mask.end(), maskRow.begin(), maskRow.end());
  }
  dib.insert(dib.end(), mask.begin(), mask.end());
  return {n, std::move(dib)};
}

Bytes MakeIcon(const std::vector<IconImage>& images) {
  Bytes ico;
  Put16(ico, 0);  // reserved
  Put16(ico, 1);  // icon, not cursor
  Put16(ico, static_cast<unsigned>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const IconImage& image : images) {
    if (image.size < 1 || image.size > 256) throw std::runtime_error("icon sizes go from 1 to 256");
    const std::uint8_t side = static_cast<std::uint8_t>(image.size == 256 ? 0 : image.size);  // 0 means 256
    ico.push_back(side);
    ico.push_back(side);
    ico.push_back(0);  // no palette
    ico.push_back(0);
    Put16(ico, 1);   // planes
    Put16(ico, 32);  // bits per pixel
    Put32(ico, static_cast<std::uint32_t>(image.data.size()));
    Put32(ico, offset);
    offset += static_cast<std::uint32_t>(image.data.size());
  }
  for (const IconImage& image : images) ico.insert(ico.end(), image.data.begin(), image.data.end());
  return ico;
}

int Run(const std::vector<std::string>& args) {
  if ((args.size() == 4 || args.size() == 5) && args[0] == "title") {
    const int scale = args.size() == 5 ? std::stoi(args[4]) : 1;
    WriteFile(args[3], MakeTitle(ReadPgm(args[1]), ReadPgm(args[2]), scale));
    return CheckResources({args[3]});  // what is written is read back as the program would

  }
  if (args.size() >= 2 && args[0] == "check") {
    return CheckResources(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  if (args.size() >= 3 && args[0] == "icon") {
    std::vector<IconImage> images;
    for (std::size_t i = 2; i < args.size(); ++i)
      images.push_back(EndsWith(args[i], ".png") ? PngImage(args[i]) : DibImage(args[i]));
    WriteFile(args[1], MakeIcon(images));
    return CheckResources({args[1]});
  }
  std::fputs(
      "usage: make_resources title LINE1.pgm LINE2.pgm OUT.bmp [SCALE]\n"
      "       make_resources icon OUT.ico IMAGE.png|IMAGE.pam...\n"
      "       make_resources check TITLE.bmp... ICON.ico\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_resources: %s\n", e.what());
    return 1;
  }
}
