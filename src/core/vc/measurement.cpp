#include "core/vc/measurement.h"

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
    } else if (rest.starts_with("\uFF0E") || rest.starts_with("\u3002") || rest.starts_with("\uFF61")) {
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
