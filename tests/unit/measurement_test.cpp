#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/vc/measurement.h"

namespace tollandra {
namespace {

using namespace std::string_view_literals;

using enum Measurement;

// Each box's refusal: its caption, then its text around the quoted entry.
RefusalMessage refusal(Measurement box, const std::string& entry) {
  const char* captions[] = {"年齢（ 17 - 100 才 ）", "身長（ 94 - 210 cm ）", "ＶＣ（ 1,000 - 6,000 mL ）"};
  const char* tails[] = {"\u300017 - 100 で入力を！", "\u300094 - 210 で入力を！",
                         "\u30001,000 - 6,000 で入力を！"};
  const auto k = static_cast<std::size_t>(box) - 1;
  return {captions[k], "入力：" + entry + tails[k]};
}

// Limits are inclusive: each is accepted, and a tenth beyond it refused with
// its box's message. All ten full-width digits and the three full stops
// ("．", "。", "｡") read as their ASCII forms; the last three are pasted
// runs, one too long to be a finite number, and where the message cuts them
// short.
TEST(ReadMeasurement, AcceptsWithinTheLimitsAndRefusesWithTheBoxsMessage) {
  const std::string nines(32, '9');
  const struct {
    Measurement box;
    std::string raw;
    double value;
    std::string text;
    std::optional<std::string> quoted;  // none: no message
  } cases[] = {{Age, "17", 17, "17", {}},
               {Age, "100", 100, "100", {}},
               {Age, "16.9", 0, "**", "16.9"},
               {Age, "100.1", 0, "**", "100.1"},
               {Height, "94", 94, "94", {}},
               {Height, "93.9", 0, "***", "93.9"},
               {Height, "210.1", 0, "***", "210.1"},
               {Vc, "1000", 1000, "1000", {}},
               {Vc, "6000", 6000, "6000", {}},
               {Vc, "999.9", 0, "****", "999.9"},
               {Age, "\uFF10\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16\uFF17\uFF18\uFF19", 0, "**", "0123456789"},
               {Age, "\uFF11\uFF18\uFF0E\uFF13\u3002\uFF19\uFF61\uFF17", 18.3, "18.3.9.7", {}},
               {Age, "", 0, "**", {}},
               {Age, ".", 0, "**", "."},
               {Age, "\uFF16\uFF10", 60, "60", {}},
               {Age, "\uFF11\uFF16", 0, "**", "16"},
               {Height, "210", 210, "210", {}},
               {Height, "\uFF11\uFF17\uFF10\u3002\uFF15", 170.5, "170.5", {}},
               {Height, "17\uFF10\uFF615 cm", 170.5, "170.5", {}},
               {Vc, "1,500 mL", 1500, "1500", {}},
               {Vc, "\uFF13\uFF0C\uFF10\uFF10\uFF10\uFF0E\uFF10", 3000, "3000.0", {}},
               {Vc, "1" + std::string(400, '0'), 0, "****", "1" + std::string(31, '0') + "…"},
               {Vc, nines, 0, "****", nines},
               {Age, std::string(10000, '7'), 0, "**", std::string(32, '7') + "…"}};
  for (const auto& c : cases) {
    std::optional<RefusalMessage> message;
    if (c.quoted) message = refusal(c.box, *c.quoted);
    EXPECT_EQ(readMeasurement(c.raw, inputRule(c.box)), (Reading{c.value, c.text, message}))
        << '"' << c.raw.substr(0, 40) << '"';
  }
}

// From the keyboard a box takes digits, half- and full-width, one decimal
// point of any of the four kinds, and the editing keys (Backspace, Ctrl+A,
// C, V, X, Z); nothing else. The text is what stays beside the selection.
TEST(AcceptsTyped, DigitsOnePointAndTheEditingKeys) {
  const std::u32string_view points = U".\uFF0E\u3002\uFF61";
  for (char32_t c : U"0123456789\uFF10\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16\uFF17\uFF18\uFF19\b\x01\x03\x16\x18\x1A"
                    U".\uFF0E\u3002\uFF61"sv)
    EXPECT_TRUE(acceptsTyped("165", c)) << std::hex << int(c);
  for (char32_t c : U"a-, \u3000\uFF0C\u0660\x1B\r"sv) EXPECT_FALSE(acceptsTyped("", c)) << std::hex << int(c);
  for (const char* kept : {"1.5", "１６５。", "16．5", "1｡"})
    for (char32_t point : points) EXPECT_FALSE(acceptsTyped(kept, point)) << kept << std::hex << int(point);
}

}  // namespace
}  // namespace tollandra
