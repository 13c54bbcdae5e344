#pragma once
// The two scored forms of the program: their findings, points, bands and how
// their summary cells are drawn. The window tables take their captions from
// here, so each text is written once.

#include <array>

#include "core/forms/scored_form.h"

namespace tollandra {

// The seven-factor risk score of an acute exacerbation of interstitial
// pneumonia after lung surgery (Sato T, et al., Gen Thorac Cardiovasc Surg
// 2015;63(3):164-72). Option 1 always scores. Factor 1 is also the sex the
// %VC equations use; like every factor it is open until the user answers it.
inline constexpr std::array<Item, 7> riskItems = {{
    {"性別 ：", "男性　", "　女性", 3, 0},
    {"術前ステロイド治療の有無 ：", "あり　", "　なし", 3, 0},
    {"急性増悪の既往 ：", "　あり　", "　なし", 5, 0},
    {"術前％VC ：", "　≦80%　", "　>80%", 1, 0},
    {"画像上 UIPパターン ：", "　あり　", "　なし", 4, 0},
    {"KL-6値 ：", ">1,000U/mL ", "　≦1,000U/mL", 2, 0},
    {"手術術式 ：", "区域切除以上　", "　部分切除", 4, 0},
}};

inline constexpr int sexFactor = 1;
// The answers the measurements can contradict: the pre-operative %VC factor
// and the HAL score's age.
inline constexpr int percentVcFactor = 4;
inline constexpr int halAgeItem = 2;

// The HAL score: honeycombing on chest CT, age over 75 years, LDH above
// 222 U/L, one point each; each label carries the letter the score's name
// takes from it.
inline constexpr std::array<Item, 3> halItems = {{
    {"胸部ＣＴでの蜂巣肺(H)", "あり　", "　なし", 1, 0},
    {"年齢(A)", "＞ ７５歳　", "　≦ ７５ 歳", 1, 0, "75 歳超", "75 歳以下"},
    {"ＬＤＨ(L)", "＞２２２ U/L ", "　≦ ２２２ U/L", 1, 0, "222 U/L 超", "222 U/L 以下"},
}};

const FormDefinition& riskFormDefinition();
const FormDefinition& halFormDefinition();

}  // namespace tollandra
