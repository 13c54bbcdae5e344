#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/session.h"

namespace tollandra {
namespace {

// Made on 5 January 2027 at 9:05 in the morning.
constexpr RecordTime made{2027, 1, 5, 9, 5};
const std::string heading =
    "術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2\r\n記録日時：2027/01/05 09:05\r\n";
const std::string manAt60And170 =
    "計算条件：男性 60 歳 170 cm VC 3000 mL\r\nBaldwin：%VC 84.4 %、予測 VC 3555 mL\r\n"
    "JRS2001：%VC 74.8 %、予測 VC 4012 mL\r\n"
    "JRS2014：%VC 72.4 %、予測 VC 4142 mL、LLN 3424 mL、z -2.72、LLN 未満\r\n";

void read(Session& s, const char* age, const char* height, const char* vc) {
  s.panel.read(Measurement::Age, age);
  s.panel.read(Measurement::Height, height);
  s.panel.read(Measurement::Vc, vc);
  s.recalculateVc();
}

// Answers the risk form as "0211122" gives factors 1 to 7 (0: left open).
void answer(Session& s, const char* options) {
  for (int k = 0; options[k] != '\0'; ++k)
    if (options[k] != '0') s.risk.choose(k + 1, options[k] - '0');
}

// Expected records written out by hand from the worked examples: the answers
// top to bottom as the window shows them, then what is still open; a band and
// its published prediction for a complete score only; the measurements the
// results came from, never a newer entry; a contradicted answer says so.
TEST(ResultSummary, ListsWhatWasAnsweredWhatIsOpenAndWhatEachResultCameFrom) {
  const struct {
    const char* name;
    std::function<void(Session&)> fill;
    std::string expected;
  } cases[] = {
      {"the worked example: a man of 60 years, 170 cm, 3000 mL, low risk; a newer age not yet computed",
       [](Session& s) {
         answer(s, "1121212");
         read(s, "60", "170", "3000");
         s.panel.read(Measurement::Age, "61");
       },
       heading +
           "性別：男性 3点\r\n急性増悪の既往：なし 0点\r\n手術術式：部分切除 0点\r\n画像上 UIPパターン：なし 0点\r\n"
           "術前ステロイド治療の有無：あり 3点\r\nKL-6値：>1,000U/mL 2点\r\n術前％VC：≦80% 1点\r\n"
           "リスクスコア：9 （低リスク） 術後30日以内の急性増悪の予測確率 10 % 未満\r\n" +
           manAt60And170},
      {"the sex and KL-6 open: nothing computed, and why",
       [](Session& s) {
         answer(s, "0221101");
         read(s, "60", "170", "3000");
       },
       heading +
           "急性増悪の既往：なし 0点\r\n手術術式：区域切除以上 4点\r\n画像上 UIPパターン：あり 4点\r\n"
           "術前ステロイド治療の有無：なし 0点\r\n術前％VC：≦80% 1点\r\n未回答：性別、KL-6値\r\n"
           "リスクスコア：9 （未回答 2） 未回答の項目あり\r\n"
           "計算条件：性別が未回答のため %VC は未計算（60 歳 170 cm VC 3000 mL）\r\n"},
      {"a box changed since: the results are gone, and so is the line on them",
       [](Session& s) {
         answer(s, "1");
         read(s, "60", "170", "3000");
         s.panel.edited(Measurement::Age, "8");
       },
       heading + "性別：男性 3点\r\n未回答：急性増悪の既往、手術術式、画像上 UIPパターン、術前ステロイド治療の有無、"
                 "KL-6値、術前％VC\r\nリスクスコア：3 （未回答 6） 未回答の項目あり\r\n"},
      {"%VC answered above 80 against three results at 80 or below; the HAL age against 80 years",
       [](Session& s) {
         answer(s, "2002");
         read(s, "80", "170", "1800");
         for (int item : {1, 2, 3}) s.hal.choose(item, 2);
       },
       heading +
           "性別：女性 0点\r\n術前％VC：>80% 0点（計算した %VC と不一致）\r\n"
           "未回答：急性増悪の既往、手術術式、画像上 UIPパターン、術前ステロイド治療の有無、KL-6値\r\n"
           "リスクスコア：0 （未回答 5） 未回答の項目あり\r\n"
           "計算条件：女性 80 歳 170 cm VC 1800 mL\r\nBaldwin：%VC 77.3 %、予測 VC 2329 mL\r\n"
           "JRS2001：%VC 63.8 %、予測 VC 2822 mL\r\n"
           "JRS2014：%VC 62.1 %、予測 VC 2899 mL、LLN 2283 mL、z -3.23、LLN 未満\r\n"
           "HAL 胸部ＣＴでの蜂巣肺(H)：なし 0点\r\nHAL 年齢：≦ ７５ 歳 0点（計算条件の年齢 80 歳と不一致）\r\n"
           "HAL ＬＤＨ：≦ ２２２ U/L 0点\r\nHAL 合計点：0\r\n"
           "HAL スコア：0 急性増悪の推定累積発症率 1年 1.9 %・3年 5.1 %・5年 7.7 %（特発性間質性肺炎での値）\r\n"},
      {"a man of 17, 180 cm, 5000 mL: too young for JRS2001, within the JRS2014 limit",
       [](Session& s) {
         answer(s, "1");
         read(s, "17", "180", "5000");
       },
       heading + "性別：男性 3点\r\n未回答：急性増悪の既往、手術術式、画像上 UIPパターン、術前ステロイド治療の有無、"
                 "KL-6値、術前％VC\r\nリスクスコア：3 （未回答 6） 未回答の項目あり\r\n"
                 "計算条件：男性 17 歳 180 cm VC 5000 mL\r\nBaldwin：%VC 108.0 %、予測 VC 4631 mL\r\n"
                 "JRS2001：範囲外（男性 20-100 歳）\r\n"
                 "JRS2014：%VC 100.8 %、予測 VC 4959 mL、LLN 4154 mL、z 0.08\r\n"},
      {"two HAL findings of three; the next patient starts blank",
       [](Session& s) {
         s.hal.choose(2, 1);
         s.hal.choose(3, 2);
         Session next;
         next.hal.choose(1, 1);
         read(next, "60", "170", "3000");
         next.startNewPatient();
         EXPECT_EQ(next.summary(made), heading);
       },
       heading + "HAL 年齢：＞ ７５歳 1点\r\nHAL ＬＤＨ：≦ ２２２ U/L 0点\r\nHAL 未回答：胸部ＣＴでの蜂巣肺(H)\r\n"
                 "HAL 合計点：1\r\nHAL スコア：未回答の項目あり\r\n"},
  };
  for (const auto& c : cases) {
    Session session;
    c.fill(session);
    EXPECT_EQ(session.summary(made), c.expected) << c.name;
  }
}

// Only the user answers the sex: until then the panel computes nothing and
// asks for it, and it computes the moment a sex is chosen. A change to a box
// takes the results at once, the program's own write-back does not; a
// refused entry read again unchanged is refused without a second message.
TEST(Session, TheSexIsTheUsersAndNoResultStandsBesideABoxBeingChanged) {
  Session s;
  s.risk.choose(sexFactor, 2);
  read(s, "60", "", "3000");
  EXPECT_FALSE(s.recalculateVc());  // the height missing
  s.startNewPatient();
  read(s, "60", "170", "3000");
  EXPECT_FALSE(s.risk.answered(sexFactor));
  EXPECT_EQ(s.panel.resultView(ReferenceEquation::Baldwin), (CellView{true, white, {}}));
  EXPECT_EQ(s.panel.lowerLimitView(), (CellView{true, white, {{"性別を選んでください", 6, 3, black, white}}}));
  s.risk.choose(sexFactor, 1);
  EXPECT_TRUE(s.recalculateVc());
  EXPECT_EQ(cellWindowText(s.panel.resultView(ReferenceEquation::JRS2014)), "72.4 % 4142 : JRS2014");
  EXPECT_FALSE(s.panel.edited(Measurement::Vc, "3000"));  // the cleaned text written back
  EXPECT_TRUE(s.panel.computed());
  EXPECT_TRUE(s.panel.edited(Measurement::Vc, "300"));
  EXPECT_FALSE(s.panel.computed());
  EXPECT_EQ(s.panel.lowerLimitView(), (CellView{true, white, {}}));
  EXPECT_FALSE(s.recalculateVc());  // nothing while the box is unread

  read(s, "60", "170", "3000");
  EXPECT_TRUE(s.panel.read(Measurement::Vc, "800").message.has_value());
  EXPECT_FALSE(s.panel.computed());
  const Reading again = s.panel.read(Measurement::Vc, "800");
  EXPECT_EQ(again, (Reading{0, "800", std::nullopt, true}));
  EXPECT_TRUE(s.panel.edited(Measurement::Vc, "8000"));
  EXPECT_FALSE(s.panel.input(Measurement::Vc).refused);
  s.panel.edited(Measurement::Vc, "800");
  EXPECT_TRUE(s.panel.read(Measurement::Vc, "800").message.has_value());
  // A box showing its empty mark is emptied as it gains the focus: no change.
  s.startNewPatient();
  read(s, "60", "170", "");
  EXPECT_TRUE(showsEmptyMark(Measurement::Vc, s.panel.input(Measurement::Vc).text));
  EXPECT_FALSE(showsEmptyMark(Measurement::Age, "***"));
  EXPECT_FALSE(s.panel.edited(Measurement::Vc, ""));
  s.panel.edited(Measurement::Age, "");
  EXPECT_FALSE(s.panel.holdsValue(Measurement::Age));

  // A contradicted answer's points cell is framed in red while the
  // contradiction holds: %VC "≦80%" against three results above 80, until
  // the answer changes; the HAL age "＞ ７５歳" against 60 years, until the
  // results go with a change to a box.
  s.startNewPatient();
  answer(s, "1001");
  s.hal.choose(halAgeItem, 1);
  read(s, "60", "170", "4500");
  EXPECT_EQ(s.pointsView(s.risk, percentVcFactor).frame, red);
  EXPECT_EQ(s.pointsView(s.hal, halAgeItem).frame, red);
  EXPECT_EQ(s.pointsView(s.risk, sexFactor).frame, std::nullopt);
  s.risk.choose(percentVcFactor, 2);
  EXPECT_EQ(s.pointsView(s.risk, percentVcFactor).frame, std::nullopt);
  s.panel.edited(Measurement::Age, "6");
  EXPECT_EQ(s.pointsView(s.hal, halAgeItem).frame, std::nullopt);
}

}  // namespace
}  // namespace tollandra
