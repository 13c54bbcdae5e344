#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/session.h"

namespace tollandra {
namespace {

// Made at 7 December 2026, 9:05 in the evening.
constexpr RecordTime made{2026, 12, 7, 21, 5};
const std::string heading =
    "術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2\r\n記録日時：2026/12/07 21:05\r\n";
const std::string manResults =
    "84.4 % 3555 : Baldwin\r\n74.8 % 4012 : JRS2001\r\n72.4 % 4142 : JRS2014 LLN 3424 mL z -2.72 LLN "
    "未満\r\n";
const std::string open = " 未回答の項目あり\r\n";

void compute(Session& s, const char* age, const char* height, const char* vc) {
  s.panel.read(Measurement::Age, age);
  s.panel.read(Measurement::Height, height);
  s.panel.read(Measurement::Vc, vc);
  ASSERT_TRUE(s.recalculateVc());
}

// Expected records written out by hand from the worked examples. A band
// and its published prediction follow a complete score only; a computation
// draws the sex row, which then counts as answered. Results go with the
// first box read without a valid value, as they do from the screen.
TEST(ResultSummary, ListsWhatWasAnsweredAndWhatEachResultCameFrom) {
  const struct {
    const char* name;
    std::function<void(Session&)> fill;
    std::string expected;
  } cases[] = {
      {"the sex row is blank, but its counted points are named", [](Session& s) { s.risk.choose(2, 1); },
       heading + "性別：男性 3点\r\n術前ステロイド治療の有無：あり 3点\r\nリスクスコア：6 （未回答 6）" +
           open},
      {"a computation draws the sex row it used", [](Session& s) { compute(s, "60", "170", "3000"); },
       heading + "性別：男性 3点\r\nリスクスコア：3 （未回答 6）" + open +
           "計算条件：男性 60 歳 170 cm VC 3000 mL\r\n" + manResults},
      {"nothing is computed, nor listed, while a measurement is missing",
       [](Session& s) {
         s.panel.read(Measurement::Age, "60");
         s.panel.read(Measurement::Height, "170");
         EXPECT_FALSE(s.recalculateVc());
       },
       heading},
      {"a man of 60 years, 170 cm, 3000 mL, high risk, every factor answered",
       [](Session& s) {
         for (int factor : {3, 5, 7}) s.risk.choose(factor, 1);
         for (int factor : {2, 4, 6}) s.risk.choose(factor, 2);
         compute(s, "60", "170", "3000");
       },
       heading +
           "性別：男性 3点\r\n急性増悪の既往：あり 5点\r\n手術術式：区域切除以上 4点\r\n画像上 "
           "UIPパターン：あり 4点\r\n術前ステロイド治療の有無：なし 0点\r\nKL-6値：≦1,000U/mL "
           "0点\r\n術前％VC：>80% 0点\r\n"
           "リスクスコア：16 （高リスク） 術後30日以内の急性増悪の予測確率 25 % 超\r\n"
           "計算条件：男性 60 歳 170 cm VC 3000 mL\r\n" +
           manResults},
      {"a woman with 11 points; a man of 95, beyond the JRS2014 range, has no limit",
       [](Session& s) {
         for (int factor = 1; factor <= 7; ++factor)
           s.risk.choose(factor, factor == 1 || factor == 5 || factor == 7 ? 2 : 1);
         s.risk.choose(1, 1);
         compute(s, "95", "170", "3000");
         s.risk.choose(1, 2);
       },
       heading + "性別：女性 0点\r\n急性増悪の既往：あり 5点\r\n手術術式：部分切除 0点\r\n画像上 "
                 "UIPパターン：なし 0点\r\n"
                 "術前ステロイド治療の有無：あり 3点\r\nKL-6値：>1,000U/mL 2点\r\n術前％VC：≦80% 1点\r\n"
                 "リスクスコア：11 （中リスク） 術後30日以内の急性増悪の予測確率 10～25 %\r\n"
                 "計算条件：男性 95 歳 170 cm VC 3000 mL\r\n"
                 "103.9 % 2888 : Baldwin\r\n93.5 % 3207 : JRS2001\r\n17-90 yrs : JRS2014\r\n"},
      {"results name what they came from, not a newer entry",
       [](Session& s) {
         compute(s, "60", "170", "3000");
         s.panel.read(Measurement::Height, "155");
         s.risk.choose(1, 2);
       },
       heading + "性別：女性 0点\r\nリスクスコア：0 （未回答 6）" + open +
           "計算条件：男性 60 歳 170 cm VC 3000 mL\r\n" + manResults},
      {"a refusal takes the results with it",
       [](Session& s) {
         compute(s, "60", "170", "3000");
         s.panel.read(Measurement::Age, "172");
       },
       heading + "性別：男性 3点\r\nリスクスコア：3 （未回答 6）" + open},
      {"the next patient starts blank",
       [](Session& s) {
         s.hal.choose(1, 1);
         compute(s, "60", "170", "3000");
         s.startNewPatient();
         EXPECT_FALSE(s.panel.ready());
       },
       heading},
      {"every HAL answer negative",
       [](Session& s) {
         for (int item : {1, 2, 3}) s.hal.choose(item, 2);
       },
       heading + "HAL 胸部ＣＴでの蜂巣肺(H)：なし 0点\r\nHAL 年齢：≦ ７５ 歳 0点\r\nHAL ＬＤＨ：≦ ２２２ U/L "
                 "0点\r\n"
                 "HAL Total points：0\r\n"
                 "HAL score：0 急性増悪の推定累積発症率 1年 1.9 %・3年 5.1 %・5年 7.7 "
                 "%（特発性間質性肺炎での値）\r\n"},
      {"two HAL findings of three",
       [](Session& s) {
         s.hal.choose(2, 1);
         s.hal.choose(3, 2);
       },
       heading +
           "HAL 年齢：＞ ７５歳 1点\r\nHAL ＬＤＨ：≦ ２２２ U/L 0点\r\nHAL Total points：1\r\nHAL score：" +
           open.substr(1)},
      {"HAL class 1",
       [](Session& s) {
         for (int item : {1, 2, 3}) s.hal.choose(item, item == 2 ? 1 : 2);
       },
       heading + "HAL 胸部ＣＴでの蜂巣肺(H)：なし 0点\r\nHAL 年齢：＞ ７５歳 1点\r\nHAL ＬＤＨ：≦ ２２２ U/L "
                 "0点\r\n"
                 "HAL Total points：1\r\n"
                 "HAL score：1 急性増悪の推定累積発症率 1年 4.7 %・3年 12.0 %・5年 17.7 "
                 "%（特発性間質性肺炎での値）\r\n"},
      {"HAL total 3 is class 2 and more",
       [](Session& s) {
         for (int item : {3, 1, 2}) s.hal.choose(item, 0);
       },
       heading + "HAL 胸部ＣＴでの蜂巣肺(H)：あり 1点\r\nHAL 年齢：＞ ７５歳 1点\r\nHAL ＬＤＨ：＞２２２ U/L "
                 "1点\r\n"
                 "HAL Total points：3\r\n"
                 "HAL score：2≧ 急性増悪の推定累積発症率 1年 8.0 %・3年 19.7 %・5年 28.7 "
                 "%（特発性間質性肺炎での値）\r\n"},
  };
  for (const auto& c : cases) {
    Session session;
    c.fill(session);
    EXPECT_EQ(session.summary(made), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tollandra
