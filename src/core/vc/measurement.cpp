#include "core/vc/measurement.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/text/convert.h"

namespace tollandra {
namespace {

// Every tail opens with an ideographic space (U+3000).
constexpr InputRule ageRule{"**", 17, 100, "年齢（ 17 - 100 才 ）", "\u300017 - 100 で入力を！", {}};
constexpr InputRule heightRule{"***", 94, 210, "身長（ 94 - 210 cm ）", "\u300094 - 210 で入力を！", {}};
// The VC box selects its third character when it gains the focus, as it
// always has.
constexpr InputRule vcRule{
    "****", 1000, 6000, "ＶＣ（ 1,000 - 6,000 mL ）", "\u30001,000 - 6,000 で入力を！", Selection{2, 3}};

constexpr std::string_view messagePrefix = "入力：";
constexpr std::string_view ellipsis = "…";

// A pasted run of thousands of digits must not make a message box wider than
// the screen. The cleaned text is ASCII, so the cut never splits a character.
std::string quoted(const std::string& cleaned) {
  if (cleaned.size() <= quotedEntryLimit) {
    return cleaned;
  }
  return cleaned.substr(0, quotedEntryLimit) + std::string(ellipsis);
}

// The full stops an input method or a pasted record may give.
constexpr std::string_view fullWidthPoints[] = {"\uFF0E", "\u3002", "\uFF61"};

// With the input method on, digits come full-width and the full stop key
// gives "。"; pasted record values are often full-width too. Read them as
// the ASCII characters they stand for, so the digit filter keeps them.
std::string foldFullWidth(std::string_view raw) {
  std::string folded;
  folded.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size();) {
    const std::string_view rest = raw.substr(i);
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(rest[k]); };
    if (rest.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBC && byte(2) >= 0x90 && byte(2) <= 0x99) {
      folded += static_cast<char>('0' + (byte(2) - 0x90));  // U+FF10 to U+FF19
      i += 3;
    } else if (std::ranges::any_of(fullWidthPoints,
                                   [&](std::string_view p) { return rest.starts_with(p); })) {
      folded += '.';
      i += 3;
    } else {
      folded += rest.front();
      ++i;
    }
  }
  return folded;
}

}  // namespace

bool acceptsTyped(std::string_view kept, char32_t typed) {
  constexpr char32_t editingKeys[] = {0x01, 0x03, 0x08, 0x16, 0x18, 0x1A};
  if (std::ranges::find(editingKeys, typed) != std::end(editingKeys)) {
    return true;
  }
  if ((typed >= U'0' && typed <= U'9') || (typed >= U'\uFF10' && typed <= U'\uFF19')) {
    return true;
  }
  const bool point = typed == U'.' || typed == U'\uFF0E' || typed == U'\u3002' || typed == U'\uFF61';
  const auto holds = [&](std::string_view p) { return kept.find(p) != std::string_view::npos; };
  return point && !holds(".") && std::ranges::none_of(fullWidthPoints, holds);
}

const InputRule& inputRule(Measurement which) {
  switch (which) {
    case Measurement::Height:
      return heightRule;
    case Measurement::Vc:
      return vcRule;
    case Measurement::Age:
      break;
  }
  return ageRule;
}

Reading readMeasurement(std::string_view raw, const InputRule& rule) {
  const std::string cleaned = KeepDigitsAndPoint(foldFullWidth(raw));
  const double value = TextToNumber(cleaned);
  const std::string sentinel(rule.sentinel);
  if (raw == rule.sentinel || cleaned.empty()) {
    return Reading{0, sentinel, std::nullopt};
  }
  // Written so that infinity and NaN are refused as well.
  if (!(value >= rule.lower && value <= rule.upper)) {
    RefusalMessage message{std::string(rule.caption),
                           std::string(messagePrefix) + quoted(cleaned) + std::string(rule.tail)};
    return Reading{0, sentinel, std::move(message)};
  }
  return Reading{value, cleaned, std::nullopt};
}

}  // namespace tollandra
