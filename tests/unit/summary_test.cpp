#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/session.h"

namespace tollandra {
namespace {

const std::string heading = "術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2\r\n";
const std::string manResults = "84.4 % 3555 : Baldwin\r\n74.8 % 4012 : JRS2001\r\n72.4 % 4142 : JRS2014\r\n";

void compute(Session& s, const char* age, const char* height, const char* vc) {
  s.panel.read(Measurement::Age, age);
  s.panel.read(Measurement::Height, height);
  s.panel.read(Measurement::Vc, vc);
  ASSERT_TRUE(s.recalculateVc());
}

// Expected records written out by hand from the worked examples.
TEST(ResultSummary, ListsWhatWasAnsweredAndWhatEachResultCameFrom) {
  const struct {
    const char* name;
    std::function<void(Session&)> fill;
    std::string expected;
  } cases[] = {
      {"the sex row is blank, but its counted points are named", [](Session& s) { s.risk.choose(2, 1); },
       heading + "性別：男性 3点\r\n術前ステロイド治療の有無：あり 3点\r\nリスクスコア：6 （低リスク）\r\n"},
      {"a computation draws the sex row it used", [](Session& s) { compute(s, "60", "170", "3000"); },
       heading +
           "性別：男性 3点\r\nリスクスコア：3 （低リスク）\r\n計算条件：男性 60 歳 170 cm VC 3000 mL\r\n" +
           manResults},
      {"nothing is computed, nor listed, while a measurement is missing",
       [](Session& s) {
         s.panel.read(Measurement::Age, "60");
         s.panel.read(Measurement::Height, "170");
         EXPECT_FALSE(s.recalculateVc());
       },
       heading},
      {"a man of 60 years, 170 cm, 3000 mL, high risk",
       [](Session& s) {
         for (int factor : {3, 5, 7}) s.risk.choose(factor, 1);
         compute(s, "60", "170", "3000");
       },
       heading +
           "性別：男性 3点\r\n急性増悪の既往：あり 5点\r\n手術術式：区域切除以上 4点\r\n画像上 "
           "UIPパターン：あり 4点\r\n"
           "リスクスコア：16 （高リスク）\r\n計算条件：男性 60 歳 170 cm VC 3000 mL\r\n" +
           manResults},
      {"results stay beside the values they came from, after a refusal and newer entries",
       [](Session& s) {
         compute(s, "60", "170", "3000");
         s.panel.read(Measurement::Age, "16");
         s.panel.read(Measurement::Height, "155");
         s.risk.choose(1, 2);
       },
       heading +
           "性別：女性 0点\r\nリスクスコア：0 （低リスク）\r\n計算条件：男性 60 歳 170 cm VC 3000 mL\r\n" +
           manResults},
      {"every HAL answer negative",
       [](Session& s) {
         for (int item : {1, 2, 3}) s.hal.choose(item, 2);
       },
       heading + "HAL 胸部ＣＴでの蜂巣肺(H)：なし 0点\r\nHAL 年齢：≦ ７５ 歳 0点\r\nHAL ＬＤＨ：≦ ２２２ U/L "
                 "0点\r\n"
                 "HAL Total points：0\r\nHAL score：0\r\n"},
      {"HAL total 3 is class 2 and more",
       [](Session& s) {
         for (int item : {3, 1, 2}) s.hal.choose(item, 0);
       },
       heading + "HAL 胸部ＣＴでの蜂巣肺(H)：あり 1点\r\nHAL 年齢：＞ ７５歳 1点\r\nHAL ＬＤＨ：＞２２２ U/L "
                 "1点\r\n"
                 "HAL Total points：3\r\nHAL score：2≧\r\n"},
  };
  for (const auto& c : cases) {
    Session session;
    c.fill(session);
    EXPECT_EQ(session.summary(), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tollandra
