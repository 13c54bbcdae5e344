#pragma once
// The information windows' fixed contents: which window a key opens, the
// introduction's controls, the About page's lines and the published sources.

#include <array>
#include <string_view>

namespace tollandra {

enum class InfoWindowKind { Introduction, About, References };

struct InfoWindowInfo {
  InfoWindowKind kind;
  std::string_view key;
  std::string_view title;
  int width;
  int height;
};

extern const std::array<InfoWindowInfo, 3> infoWindows;

// Exact, case-sensitive; nullptr for an unknown key.
const InfoWindowInfo* findInfoWindow(std::string_view key);

enum class IntroControlKind { Bitmap, Button, Text };

struct IntroControl {
  int id;
  IntroControlKind kind;
  std::string_view text;
  int x, y, width, height;
};

extern const std::array<IntroControl, 15> introControls;

struct AboutLine {
  std::string_view text;
  std::string_view y;  // decimal text
};

extern const std::array<AboutLine, 18> AboutLines;

// [entry - 1][line - 1]: line 1 the title, line 2 the address or citation.
extern const std::array<std::array<std::string_view, 2>, 5> ReferenceLines;

// The edit box that shows an entry's line.
int referenceBoxId(int entry, int line);

}  // namespace tollandra
