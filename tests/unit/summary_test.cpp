#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "summary/summary.h"

namespace tollandra {
namespace {

const std::string heading = "術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2\r\n";

struct Form {
  RiskForm risk;
  VcPanel panel;
  HalScore hal;
};

void measure(Form& form, const char* age, const char* height, const char* vc) {
  form.panel.loadGrid();
  form.panel.read(Measurement::Age, age);
  form.panel.read(Measurement::Height, height);
  form.panel.read(Measurement::Vc, vc);
  // As the window does: the sex row is drawn with the sex the equations use.
  const bool male = form.risk.factor(sexFactor).choice == 1;
  form.risk.setFactorChoice(sexFactor, male ? 1 : 2);
  form.panel.compute(male ? Sex::Male : Sex::Female);
}

TEST(ResultSummary, ListsOnlyWhatWasAnsweredOrComputed) {
  const struct {
    const char* name;
    std::function<void(Form&)> fill;
    std::string expected;
  } cases[] = {
      {"blank form", [](Form&) {}, heading},
      {"one factor: the sex row is still blank, but its points count and are named",
       [](Form& f) { f.risk.setFactorChoice(2, 1); },
       heading + "性別：男性 3点\r\n術前ステロイド治療の有無：あり 3点\r\nリスクスコア：6 （低リスク）\r\n"},
      {"rows in screen order",
       [](Form& f) {
         f.risk.setFactorChoice(4, 2);
         f.risk.toggleFactorChoice(3);
         f.risk.setFactorChoice(1, 2);
       },
       heading + "性別：女性 0点\r\n急性増悪の既往：あり 5点\r\n術前％VC：>80% 0点\r\nリスクスコア：5 "
                 "（低リスク）\r\n"},
      {"measurements no computation has used are left out",
       [](Form& f) {
         f.panel.read(Measurement::Age, "16");
         f.panel.read(Measurement::Height, "1,70");
       },
       heading},
      {"newer box values never stand beside older results",
       [](Form& f) {
         measure(f, "60", "170", "3000");
         f.panel.read(Measurement::Age, "16");
         f.panel.read(Measurement::Height, "155");
         f.risk.setFactorChoice(1, 2);
       },
       heading + "性別：女性 0点\r\nリスクスコア：0 （低リスク）\r\n計算条件：男性 60 歳 170 cm VC 3000 mL\r\n"
                 "84.4 % 3555 : Baldwin\r\n74.8 % 4012 : JRS2001\r\n72.4 % 4142 : JRS2014\r\n"},
      {"man 60 y, 170 cm, VC 3000",
       [](Form& f) {
         f.risk.setFactorChoice(7, 1);
         f.risk.setFactorChoice(5, 1);
         f.risk.setFactorChoice(3, 1);
         f.risk.setFactorChoice(6, 1);
         measure(f, "60", "170", "3000");
       },
       heading + "性別：男性 3点\r\n急性増悪の既往：あり 5点\r\n手術術式：区域切除以上 4点\r\n画像上 "
                 "UIPパターン：あり 4点\r\n"
                 "KL-6値：>1,000U/mL 2点\r\nリスクスコア：18 （高リスク）\r\n"
                 "計算条件：男性 60 歳 170 cm VC 3000 mL\r\n"
                 "84.4 % 3555 : Baldwin\r\n74.8 % 4012 : JRS2001\r\n72.4 % 4142 : JRS2014\r\n"},
      {"woman 60 y, 155 cm, VC 2200, every factor",
       [](Form& f) {
         for (int k = 1; k <= factorCount; ++k) {
           f.risk.setFactorChoice(k, 2);
         }
         f.risk.setFactorChoice(4, 1);
         measure(f, "60", "155", "2200");
       },
       heading + "性別：女性 0点\r\n急性増悪の既往：なし 0点\r\n手術術式：部分切除 0点\r\n画像上 "
                 "UIPパターン：なし 0点\r\n"
                 "術前ステロイド治療の有無：なし 0点\r\nKL-6値：≦1,000U/mL 0点\r\n術前％VC：≦80% 1点\r\n"
                 "リスクスコア：1 （低リスク）\r\n計算条件：女性 60 歳 155 cm VC 2200 mL\r\n"
                 "90.3 % 2437 : Baldwin\r\n81.4 % 2702 : JRS2001\r\n77.4 % 2842 : JRS2014\r\n"},
      // Baldwin (27.63 - 0.112 x 95) x 100 = 1699 mL; 1500 / 1699 = 88.3 %.
      {"out of range equations", [](Form& f) { measure(f, "95", "100", "1500"); },
       heading + "性別：男性 3点\r\nリスクスコア：3 （低リスク）\r\n計算条件：男性 95 歳 100 cm VC 1500 mL\r\n"
                 "88.3 % 1699 : Baldwin\r\n120-190 cm : JRS2001\r\n17-90 yrs : JRS2014\r\n"},
      {"HAL answered",
       [](Form& f) {
         f.hal.toggleChoice(3);
         f.hal.setChoice(1, 2);
       },
       heading + "HAL 胸部ＣＴでの蜂巣肺(H)：なし 0点\r\nHAL ＬＤＨ：＞２２２ U/L 1点\r\n"
                 "HAL Total points：1\r\nHAL score：1\r\n"},
  };
  for (const auto& c : cases) {
    Form form;
    c.fill(form);
    EXPECT_EQ(resultSummary(form.risk, form.panel, form.hal), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tollandra
