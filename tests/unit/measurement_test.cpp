#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/vc/measurement.h"

namespace tollandra {
namespace {

using namespace std::string_view_literals;

using enum Measurement;

// Each box's refusal, under a warning: its title, then its text around the
// quoted entry, and on a line of its own the request for the box's limits.
Message refusal(Measurement box, const std::string& entry, bool twoNumbers = false) {
  const char* captions[] = {"年齢の入力", "身長の入力", "VC の入力"};
  const char* limits[] = {"年齢は 17 ～ 100 歳で", "身長は 94 ～ 210 cm で", "VC は 1,000 ～ 6,000 mL で"};
  const auto k = static_cast<std::size_t>(box) - 1;
  const std::string text = twoNumbers ? "」には数値が 2 つ以上含まれています。\n" + std::string(limits[k]) + " 1 つだけ"
                                      : "」は範囲外です。\n" + std::string(limits[k]);
  return {captions[k], "「" + entry + text + "入力してください。", MessageIcon::Warning};
}

// Limits are inclusive: each is accepted, and a tenth beyond it refused with
// its box's message, the entry kept as typed. All ten full-width digits, the
// full-width comma and the three full stops ("．", "。", "｡") read as their
// ASCII forms. Digits that form two numbers are refused, whatever lies
// between them; one number with words around it is read. The last three are
// pasted runs, one too long to be a finite number, and where the message
// cuts them short (by characters: the kanji stays whole).
TEST(ReadMeasurement, AcceptsOneNumberWithinTheLimitsAndRefusesWithTheBoxsMessage) {
  const std::string nines(32, '9');
  const struct {
    Measurement box;
    std::string raw;
    double value;
    std::string text;
    std::optional<std::string> quoted;  // none: no message
    bool twoNumbers = false;
  } cases[] = {{Age, "17", 17, "17", {}},
               {Age, "100", 100, "100", {}},
               {Age, "16.9", 0, "16.9", "16.9"},
               {Age, "100.1歳", 0, "100.1歳", "100.1歳"},
               {Height, "94", 94, "94", {}},
               {Height, "93.9", 0, "93.9", "93.9"},
               {Height, "210.1", 0, "210.1", "210.1"},
               {Vc, "1000", 1000, "1000", {}},
               {Vc, "6000", 6000, "6000", {}},
               {Vc, "999.9", 0, "999.9", "999.9"},
               {Vc, "6001mL", 0, "6001mL", "6001mL"},
               {Vc, "\uFF11\uFF10\uFF12\uFF13", 1023, "1023", {}},
               {Vc, "\uFF14\uFF15\uFF16\uFF17", 4567, "4567", {}},
               {Height, "\uFF11\uFF18\uFF19", 189, "189", {}},
               {Age, "", 0, "**", {}},
               {Age, "**", 0, "**", {}},
               {Age, "歳", 0, "**", {}},
               {Age, ".", 0, ".", "."},
               {Height, "210", 210, "210", {}},
               {Height, "\uFF11\uFF17\uFF10\u3002\uFF15", 170.5, "170.5", {}},
               {Height, "17\uFF10\uFF615 cm", 170.5, "170.5", {}},
               {Height, "\uFF11\uFF16\uFF12\uFF0E\uFF15", 162.5, "162.5", {}},
               {Height, "158.5cm 52kg", 0, "158.5cm 52kg", "158.5cm 52kg", true},
               {Height, "165.5cm（前回164）", 0, "165.5cm（前回164）", "165.5cm（前回164）", true},
               {Age, "60歳（2024年）", 0, "60歳（2024年）", "60歳（2024年）", true},
               {Age, "1.2.3", 0, "1.2.3", "1.2.3", true},
               {Vc, "2,480 mL", 2480, "2480", {}},
               {Vc, "\uFF13\uFF0C\uFF10\uFF10\uFF10\uFF0E\uFF10", 3000, "3000.0", {}},
               {Vc, "1" + std::string(400, '0'), 0, "1" + std::string(400, '0'), "1" + std::string(31, '0') + "…"},
               {Vc, nines, 0, nines, nines},
               {Age, std::string(31, '7') + "歳と" + std::string(9999, '7'), 0, "", std::string(31, '7') + "歳…", true}};
  for (const auto& c : cases) {
    std::optional<Message> message;
    if (c.quoted) message = refusal(c.box, *c.quoted, c.twoNumbers);
    const Reading reading = readMeasurement(c.raw, inputRule(c.box));
    EXPECT_EQ(reading, (Reading{c.value, c.text.empty() ? c.raw : c.text, message, c.quoted.has_value()}))
        << '"' << c.raw.substr(0, 40) << '"';
  }
}

// A record that cannot be copied for a refused entry names the box and
// quotes the entry as its refusal does, cut after 32 characters.
TEST(CopyRefusal, NamesTheBoxAndQuotesTheEntryCutAsItsRefusal) {
  const std::string after = "」を直してから、もう一度コピーしてください。";
  EXPECT_EQ(copyRefusal(inputRule(Height), "1655").text, "記録はコピーされていません。身長の入力「1655" + after);
  EXPECT_EQ(copyRefusal(inputRule(Vc), "1" + std::string(400, '0')),
            (Message{"記録のコピー", "記録はコピーされていません。VC の入力「1" + std::string(31, '0') + "…" + after}));
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
