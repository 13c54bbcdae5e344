#include "view/cell_view.h"

#include <string_view>

namespace tollandra {
namespace {

constexpr std::string_view ideographicSpace = "\xE3\x80\x80";

bool startsWithBlank(std::string_view s, std::size_t& length) {
  if (!s.empty() && s.front() == ' ') {
    length = 1;
    return true;
  }
  if (s.starts_with(ideographicSpace)) {
    length = ideographicSpace.size();
    return true;
  }
  return false;
}

bool endsWithBlank(std::string_view s, std::size_t& length) {
  if (!s.empty() && s.back() == ' ') {
    length = 1;
    return true;
  }
  if (s.ends_with(ideographicSpace)) {
    length = ideographicSpace.size();
    return true;
  }
  return false;
}

}  // namespace

std::string trimBlanks(const std::string& text) {
  std::string_view s = text;
  std::size_t length = 0;
  while (startsWithBlank(s, length)) {
    s.remove_prefix(length);
  }
  while (endsWithBlank(s, length)) {
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
