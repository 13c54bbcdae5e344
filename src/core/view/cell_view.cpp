#include "core/view/cell_view.h"

#include <string_view>

namespace tollandra {
namespace {

constexpr std::string_view ideographicSpace = "\xE3\x80\x80";

// The length of the blank (ASCII or ideographic) at the front or the back of
// s; 0 when there is none.
std::size_t blankAt(std::string_view s, bool back) {
  if (!s.empty() && (back ? s.back() : s.front()) == ' ') {
    return 1;
  }
  const bool ideographic = back ? s.ends_with(ideographicSpace) : s.starts_with(ideographicSpace);
  return ideographic ? ideographicSpace.size() : 0;
}

}  // namespace

std::string trimBlanks(const std::string& text) {
  std::string_view s = text;
  while (const std::size_t length = blankAt(s, false)) {
    s.remove_prefix(length);
  }
  while (const std::size_t length = blankAt(s, true)) {
    s.remove_suffix(length);
  }
  return std::string(s);
}

std::string cellWindowText(const CellView& view) {
  std::string text;
  for (const TextRun& run : view.runs) {
    if (!text.empty()) {
      text += ' ';
    }
    text += trimBlanks(run.text);
  }
  return text;
}

}  // namespace tollandra
