#pragma once
// The information windows' painted contents: the About page's lines and the
// published sources.

#include <array>
#include <string_view>

namespace tollandra {

struct AboutLine {
  std::string_view text;
  std::string_view y;  // decimal text
};

extern const std::array<AboutLine, 18> AboutLines;

// [entry - 1][line - 1]: line 1 the title, line 2 the address or citation.
extern const std::array<std::array<std::string_view, 2>, 5> ReferenceLines;

}  // namespace tollandra
