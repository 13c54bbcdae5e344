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

// What the main window says after a copy of the record, and when the
// clipboard would not take it.
inline constexpr std::string_view copyNotice = "記録をコピーしました";
inline constexpr std::string_view copyFailedTitle = "記録のコピー";
inline constexpr std::string_view copyFailedText =
    "記録をクリップボードにコピーできませんでした。もう一度お試しください。";

}  // namespace tollandra
