#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <string>
#include <vector>

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

// A full-width digit or Latin letter, "＜" or "＞" (U+FF10-FF19, U+FF1C,
// U+FF1E, U+FF21-FF3A, U+FF41-FF5A in UTF-8), which a chart's search misses.
const std::regex fullWidth("\xEF(\xBC[\x90-\x99\x9C\x9E\xA1-\xBA]|\xBD[\x81-\x9A])");

// As the main window reads its three boxes, computing after each.
void read(Session& s, const char* age, const char* height, const char* vc) {
  for (int box = 1; const char* raw : {age, height, vc}) s.readBox(WindowKind::Main, box++, raw);
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
           "術前ステロイド治療の有無：あり 3点\r\nKL-6値：>1,000U/mL 2点\r\n術前％VC：≦80% 1点"
           "（基準式により 80 % の上下が分かれる：Baldwin 84.4 %、JRS2001 74.8 %、JRS2014 72.4 %）\r\n"
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
                 "KL-6値、術前％VC\r\nリスクスコア：3 （未回答 6） 未回答の項目あり\r\n"
                 "計算条件：年齢が未入力のため %VC は未計算（男性 170 cm VC 3000 mL）\r\n"},
      {"%VC answered above 80 against three results at 80 or below; the HAL age against 80 years",
       [](Session& s) {
         answer(s, "2002");
         read(s, "80", "170", "1800");
         for (int item : {1, 2, 3}) s.hal.choose(item, item == 2 ? 2 : 1);
       },
       heading +
           "性別：女性 0点\r\n術前％VC：>80% 0点（計算した %VC と不一致）\r\n"
           "未回答：急性増悪の既往、手術術式、画像上 UIPパターン、術前ステロイド治療の有無、KL-6値\r\n"
           "リスクスコア：0 （未回答 5） 未回答の項目あり 要確認：術前％VC の回答が計算した %VC と不一致\r\n"
           "計算条件：女性 80 歳 170 cm VC 1800 mL\r\nBaldwin：%VC 77.3 %、予測 VC 2329 mL\r\n"
           "JRS2001：%VC 63.8 %、予測 VC 2822 mL\r\n"
           "JRS2014：%VC 62.1 %、予測 VC 2899 mL、LLN 2283 mL、z -3.23、LLN 未満\r\n"
           "HAL 胸部CTでの蜂巣肺(H)：あり 1点\r\nHAL 年齢(A)：75 歳以下 0点（計算条件の年齢 80 歳と不一致）\r\n"
           "HAL LDH(L)：222 U/L 超 1点\r\nHAL 合計点：2点\r\n"
           "HAL スコア：≧2 要確認：HAL 年齢の回答が計算条件の年齢 80 歳と不一致\r\n"},
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
       heading + "HAL 年齢(A)：75 歳超 1点\r\nHAL LDH(L)：222 U/L 以下 0点\r\nHAL 未回答：胸部CTでの蜂巣肺(H)\r\n"
                 "HAL 合計点：1点\r\nHAL スコア：未回答の項目あり\r\n"},
  };
  for (const auto& c : cases) {
    Session session;
    c.fill(session);
    EXPECT_EQ(session.summary(made), c.expected) << c.name;
    EXPECT_FALSE(std::regex_search(session.summary(made), fullWidth)) << c.name;
  }
}

// Where a contradicted answer's score shows its band, one red line takes the
// place of the prediction (factors open or not), the band's cell gets a red
// frame and the record's score line a warning; they go with the
// contradiction. A man of 70, 163.5 cm, 2480 mL: 76.6, 71.1, 67.8 %
// ("1212112": 14 with ">80%", 15 with "≦80%"). Equations on both sides of
// 80 % (80.0 at or below) are a note and named in the record, no
// contradiction: the worked example (84.4, 74.8, 72.4); 40 years, 140 cm
// (Baldwin 3241, JRS2001 3122, JRS2014 2980 mL) with 2592 mL (80.0, 83.0,
// 87.0) and 2596 (80.1, 83.2, 87.1); 19 years, 170 cm, 3500 mL, no JRS2001
// (80.7, 77.5); 88 years, 163.5 cm, 2480 mL (85.3, 80.6, 80.0). Out of both
// JRS2001 ranges, both named, and no side of 80 % (19 years, 192 cm, 5000 mL:
// 102.1, 85.7). A HAL score of 0 is recorded. Without a %VC, why.
TEST(Session, MarksContradictedScoresNamesSplitEquationsAndSaysWhyNoPercentWasComputed) {
  const char* warnings[] = {nullptr, "要確認：術前％VC の回答が計算した %VC と一致しません",
                            "要確認：年齢の回答が計算条件の年齢 88 歳と一致しません"};
  const std::string vcWarning = "要確認：術前％VC の回答が計算した %VC と不一致", split = "（基準式により 80 % の上下が分かれる：";
  const struct {
    const char *risk, *hal, *age, *height, *vc;
    int warning;  // the red line under the score, if any
    bool note;
    std::string line;  // in the record
  } cases[] = {
      {"1212112", "", "70", "163.5", "2480", 1, false, "リスクスコア：14 （中リスク） " + vcWarning},
      {"1211112", "", "70", "163.5", "2480", 0, false, "リスクスコア：15 （高リスク） 術後30日以内の急性増悪の予測確率 25 % 超"},
      {"1002", "", "70", "163.5", "2480", 1, false, "リスクスコア：3 （未回答 5） 未回答の項目あり " + vcWarning},
      {"1", "222", "88", "163.5", "2480", 2, true, "HAL スコア：0 要確認：HAL 年齢の回答が計算条件の年齢 88 歳と不一致"},
      {"1", "112", "88", "163.5", "2480", 0, true,
       "HAL スコア：≧2 急性増悪の推定累積発症率 1年 8.0 %・3年 19.7 %・5年 28.7 %（特発性間質性肺炎での値）"},
      {"1002", "", "60", "170", "3000", 0, true, "術前％VC：>80% 0点" + split + "Baldwin 84.4 %、JRS2001 74.8 %、JRS2014 72.4 %）"},
      {"1001", "", "40", "140", "2592", 0, true, "術前％VC：≦80% 1点" + split + "Baldwin 80.0 %、JRS2001 83.0 %、JRS2014 87.0 %）"},
      {"1002", "", "40", "140", "2596", 0, false, "術前％VC：>80% 0点"},
      {"1001", "", "19", "170", "3500", 0, true, "術前％VC：≦80% 1点" + split + "Baldwin 80.7 %、JRS2014 77.5 %）"},
      {"1", "", "19", "192", "5000", 0, false, "JRS2001：範囲外（男性 20-100 歳、120-190 cm）"},
      {"1", "", "70", "1655", "2480", 0, false, "計算条件：身長が未入力のため %VC は未計算（男性 70 歳 VC 2480 mL）"},
      {"2", "", "60", "155", "", 0, false, "計算条件：VC が未入力のため %VC は未計算（女性 60 歳 155 cm）"},
      {"", "", "60", "170", "**", 0, false, "計算条件：性別が未回答、VC が未入力のため %VC は未計算（60 歳 170 cm）"},
      {"1", "", "", "800", "3000", 0, false, "計算条件：年齢が未入力、身長が未入力のため %VC は未計算（男性 VC 3000 mL）"},
  };
  for (const auto& c : cases) {
    Session s;
    answer(s, c.risk);
    for (int k = 0; c.hal[k] != '\0'; ++k) s.hal.choose(k + 1, c.hal[k] - '0');
    read(s, c.age, c.height, c.vc);
    const std::string record = s.summary(made);
    EXPECT_NE(record.find("\r\n" + c.line + "\r\n"), std::string::npos) << record;
    EXPECT_FALSE(std::regex_search(record, fullWidth)) << c.line;
    const WindowKind kind = c.hal[0] != '\0' ? WindowKind::Hal : WindowKind::Main;
    const std::vector<ShownLine> shown = s.predictionLines(kind);
    if (c.warning != 0) EXPECT_EQ(shown, (std::vector<ShownLine>{{warnings[c.warning], red}})) << c.line;
    EXPECT_EQ(std::ranges::count(shown, red, &ShownLine::color), c.warning != 0 ? 1 : 0) << c.line;
    const std::size_t bandCell = kind == WindowKind::Hal ? classSummary : totalSummary;
    for (std::size_t cell : {totalSummary, classSummary})
      EXPECT_EQ(s.summaryView(kind, cell).frame == red, c.warning != 0 && cell == bandCell) << c.line;
    EXPECT_EQ(s.bottomNote(), c.note ? "基準式で 80 % の上下が分かれます" : "") << c.line;
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
  s.panel.read(Measurement::Height, "1655");
  EXPECT_EQ(s.panel.refusedBox(), Measurement::Height);  // the first from the top
  EXPECT_TRUE(s.panel.edited(Measurement::Vc, "8000"));
  EXPECT_FALSE(s.panel.input(Measurement::Vc).refused);
  s.panel.edited(Measurement::Vc, "800");
  EXPECT_TRUE(s.panel.read(Measurement::Vc, "800").message.has_value());

  s.startNewPatient();
  EXPECT_TRUE(showsEmptyMark(Measurement::Vc, s.panel.input(Measurement::Vc).text));
  EXPECT_FALSE(showsEmptyMark(Measurement::Age, "***"));

  // A contradicted answer's points cell is framed in red while the
  // contradiction holds: %VC "≦80%" against three results above 80, until
  // the answer changes; the HAL age "＞ ７５歳" against 75 years, not over 75,
  // until the results go with a change to a box.
  answer(s, "1001");
  s.hal.choose(halAgeItem, 1);
  read(s, "75", "170", "4500");
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
