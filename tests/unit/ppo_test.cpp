#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/ppo/fev1.h"
#include "core/ppo/panel.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

using enum PpoInput;
constexpr Sex M = Sex::Male;
constexpr Sex F = Sex::Female;

// The supplement's FEV1 curves as published (tests/data, from Kubota M, et
// al. Respir Investig 2014;52(4):242-250, Table S2): every M-spline, times
// 10000 to four decimals, is the age table's value 1 (men) or 2 (women), and
// every S-spline is the program's. An empty cell lies outside the range.
TEST(Jrs2014Fev1, AgreesTermForTermWithTheSupplementsCurves) {
  std::ifstream in(TOLLANDRA_SOURCE_DIR "/tests/data/jrs2014-fev1-lms.tsv");
  ASSERT_TRUE(in.is_open());
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line.starts_with("age")) continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    f.resize(5);  // trailing empty cells leave no field
    const int age = std::stoi(f[0]);
    for (const auto& [sex, m, spread, cell] : {std::tuple{M, f[1], f[2], 1}, std::tuple{F, f[3], f[4], 2}}) {
      if (m.empty()) {
        EXPECT_TRUE(std::isnan(jrs2014Fev1SSpline(sex, age))) << age;
        continue;
      }
      const std::string& term = builtInJrs2014Grid().rows[static_cast<std::size_t>(age)][cell];
      EXPECT_EQ(std::llround(std::stod(m) * 1e8), std::llround(TextToNumber(term) * 1e4))
          << age << ' ' << term;
      EXPECT_EQ(jrs2014Fev1SSpline(sex, age), std::stod(spread)) << age;
    }
    ++rows;
  }
  EXPECT_EQ(rows, 79);
}

// The boxes read as the %VC boxes do; a count is whole, 0 included, and the
// two counts together at most 19, refused from either box. The obstructed
// count's empty mark is the 0 it counts as.
TEST(PpoPanel, ReadsWholeCountsThatLeaveASegmentAndOtherwiseAsTheVcBoxes) {
  const std::string sum = "切除区域数（閉塞を除く）と閉塞区域数の合計は 19 以下で入力してください。";
  const struct {
    std::array<const char*, 4> ppo;  // read in this order
    PpoInput last;
    Reading reading;
    bool given;
  } cases[] = {{{"300", "10", "0", ""}, Obstructed, {0, "0", {}, false}, false},
               {{"6000", "200", "10", "9"}, Obstructed, {9, "9", {}, false}, true},
               {{"", "６１．３", "2.0", "１７"}, Resected, {2, "2", {}, false}, true},
               {{"", "", "10", "10"}, Obstructed, {0, "10", Message{"閉塞区域数の入力", sum}, true}, false},
               {{"", "", "2", "18"}, Resected, {0, "2", Message{"切除区域数の入力", sum}, true}, false},
               {{"", "", "1", "18"}, Resected, {1, "1", {}, false}, true},
               {{"", "", "2.5", ""},
                Resected,
                {0, "2.5",
                 Message{"切除区域数の入力",
                         "「2.5」は整数ではありません。\n切除区域数は 0 ～ 10 の整数で入力してください。"},
                 true},
                false},
               {{"", "", "", "1.5"},
                Obstructed,
                {0, "1.5",
                 Message{"閉塞区域数の入力",
                         "「1.5」は整数ではありません。\n閉塞区域数は 0 ～ 18 の整数で入力してください。"},
                 true},
                false}};
  for (const auto& c : cases) {
    PpoPanel panel;
    Reading reading;
    for (PpoInput which :
         c.last == Resected ? std::array{Fev1, Dlco, Obstructed, Resected} : std::to_array(allPpoInputs))
      reading = panel.read(which, c.ppo[static_cast<std::size_t>(which) - 1]);
    EXPECT_EQ(reading, c.reading) << c.ppo[2] << " " << c.ppo[3];
    EXPECT_EQ(panel.given(c.last), c.given) << c.ppo[2] << " " << c.ppo[3];
  }
  // Limits refused by the %VC boxes' rule, with each box's own words.
  PpoPanel panel;
  for (const auto& [which, raw, limits] : {std::tuple{Fev1, "299", "FEV1 は 300 ～ 6,000 mL で"},
                                           std::tuple{Dlco, "200.1", "%DLco は 10 ～ 200 % で"},
                                           std::tuple{Resected, "11", "切除区域数は 0 ～ 10 の整数で"},
                                           std::tuple{Obstructed, "19", "閉塞区域数は 0 ～ 18 の整数で"}}) {
    const Reading reading = panel.read(which, raw);
    ASSERT_TRUE(reading.refused && reading.message) << raw;
    EXPECT_NE(reading.message->text.find(limits), std::string::npos) << reading.message->text;
  }
  // A refusal read again unchanged says nothing, until the other count makes
  // it stand; the program's write-back and an emptied mark are no edits.
  panel.clear();
  panel.read(Obstructed, "10");
  EXPECT_TRUE(panel.read(Resected, "10").message.has_value());
  EXPECT_EQ(panel.read(Resected, "10"), (Reading{0, "10", {}, true}));
  panel.read(Obstructed, "9");
  EXPECT_EQ(panel.read(Resected, "10"), (Reading{10, "10", {}, false}));
  EXPECT_FALSE(panel.edited(Resected, "10") || panel.edited(Fev1, ""));
  EXPECT_TRUE(panel.edited(Resected, "1"));
  EXPECT_FALSE(panel.given(Resected));
}

}  // namespace
}  // namespace tollandra
