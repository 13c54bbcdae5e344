#include "core/vc/measurement.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/info/texts.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

// "～" is U+FF5E, the wave dash of Windows' Japanese code page.
constexpr InputRule ageRule{"**", 17, 100, "年齢", "年齢の入力", "年齢は 17 \uFF5E 100 歳で", {}};
constexpr InputRule heightRule{"***", 94, 210, "身長", "身長の入力", "身長は 94 \uFF5E 210 cm で", {}};
// The VC box selects its third character when it gains the focus, as it
// always has.
// clang-format off
constexpr InputRule vcRule{"****", 1000, 6000, "VC", "VC の入力", "VC は 1,000 \uFF5E 6,000 mL で",
                           Selection{2, 3}};
// clang-format on
constexpr std::string_view ellipsis = "…";

// The entry as typed, cut short after quotedEntryLimit characters, so that a
// pasted run of thousands of digits cannot make a message box wider than the
// screen. The cut falls between characters, never inside one.
std::string quoted(std::string_view raw) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(raw[i]) & 0xC0) != 0x80;
    if (starts && characters++ == quotedEntryLimit) {
      return std::string(raw.substr(0, i)) + std::string(ellipsis);
    }
  }
  return std::string(raw);
}

// The full stops an input method or a pasted record may give.
constexpr std::string_view fullWidthPoints[] = {"\uFF0E", "\u3002", "\uFF61"};
constexpr std::string_view fullWidthComma = "\uFF0C";

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
    } else if (rest.starts_with(fullWidthComma)) {
      folded += ',';
      i += 3;
    } else {
      folded += rest.front();
      ++i;
    }
  }
  return folded;
}

// The digits and points of a folded entry, and how many numbers they form:
// runs of digits and points that other characters separate (commas are
// passed over); a run with two points or more counts as two numbers, and a
// run of points alone as none.
struct Digits {
  std::string kept;
  int numbers = 0;
};

Digits digitsOf(std::string_view folded) {
  Digits digits;
  bool inRun = false;
  int points = 0;
  bool hasDigit = false;
  const auto endRun = [&] {
    if (inRun && hasDigit) {
      digits.numbers += points > 1 ? 2 : 1;
    }
    inRun = false;
  };
  for (char c : folded) {
    const bool digit = c >= '0' && c <= '9';
    if (digit || c == '.') {
      if (!inRun) {
        inRun = true;
        points = 0;
        hasDigit = false;
      }
      digits.kept += c;
      hasDigit = hasDigit || digit;
      points += digit ? 0 : 1;
    } else if (c != ',') {
      endRun();
    }
  }
  endRun();
  return digits;
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

std::string quotedEntry(std::string_view raw) { return quoted(raw); }

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
  const Digits digits = digitsOf(foldFullWidth(raw));
  if (raw == rule.sentinel || digits.kept.empty()) {
    return Reading{0, std::string(rule.sentinel), std::nullopt, false};
  }
  const double value = TextToNumber(digits.kept);
  // The message box breaks its lines at "\n": between the sentences, never
  // inside the request.
  std::string text = "「" + quoted(raw);
  if (digits.numbers > 1) {
    text +=
        "」には数値が 2 つ以上含まれています。\n" + std::string(rule.limits) + " 1 つだけ入力してください。";
  } else if (!(value >= rule.lower && value <= rule.upper)) {  // NaN and infinity refused too
    text += "」は範囲外です。\n" + std::string(rule.limits) + "入力してください。";
  } else {
    return Reading{value, digits.kept, std::nullopt, false};
  }
  return Reading{0, std::string(raw), Message{std::string(rule.caption), std::move(text)}, true};
}

bool showsEmptyMark(Measurement which, std::string_view text) { return text == inputRule(which).sentinel; }

std::string nameWith(const InputRule& rule, std::string_view particle) {
  const bool latin = !rule.name.empty() && static_cast<unsigned char>(rule.name.back()) < 0x80;
  return std::string(rule.name) + (latin ? " " : "") + std::string(particle);
}

Message copyRefusal(const InputRule& rule, std::string_view raw) {
  return Message{std::string(copyFailedTitle),
                 "記録はコピーされていません。" + nameWith(rule, "の入力") + "「" + quoted(raw) +
                     "」を直してから、もう一度コピーしてください。",
                 MessageIcon::Warning};
}

}  // namespace tollandra
