#pragma once
// The information windows' painted contents: the About page's lines, the
// published sources and the papers.

#include <array>
#include <string_view>

namespace tollandra {

struct AboutLine {
  std::string_view text;
  std::string_view y;  // decimal text
};

extern const std::array<AboutLine, 19> AboutLines;

// [entry - 1][line - 1]: line 1 the title, line 2 the address or citation.
inline constexpr std::array<std::array<std::string_view, 2>, 5> ReferenceLines = {{
    {"●厚生労働科学研究費補助金（難治性疾患等政策研究事業）  間質性肺炎合併肺癌部会報告",
     "https://mhlw-grants.niph.go.jp/project/25943"},
    {"●ＨＡＬスコア ： 3 つの項目で間質性肺炎の急性増悪を予測 （報道発表） 浜松医科大学",
     "https://www.hama-med.ac.jp/topics/2023/28896.html"},
    {"●Baldwin ED, Cournand A, Richards DW.",
     "Pulmonary insufficiency. I. Physiological classification, clinical methods of analysis, standard "
     "values in normal subjects.    Medicine 1948 Sep;27(3):243-78."},
    {"●日本人のスパイログラムと動脈血液ガス分圧基準値 日本呼吸器学会肺生理専門委員会",
     "https://www.jrs.or.jp/modules/guidelines/index.php?content_id=12"},
    {"●ＬＭＳ法による日本人のスパイロメトリー新基準値  日本呼吸器学会肺生理専門委員会",
     "https://jrs.or.jp/activities/guidelines/statement/20160721155500.html"},
}};

// The papers the scores and the JRS2014 limit come from, and the guideline
// the postoperative judgement follows, each one paragraph that its box wraps.
inline constexpr std::array<std::string_view, 4> PaperLines = {
    "●Sato T, Kondo H, Watanabe A, et al. A simple risk scoring system for predicting acute exacerbation of "
    "interstitial pneumonia after pulmonary resection in lung cancer patients. Gen Thorac Cardiovasc Surg "
    "2015;63(3):164-172. doi:10.1007/s11748-014-0487-6",
    "●Kubota M, Kobayashi H, Quanjer PH, Omori H, Tatsumi K, Kanazawa M. Reference values for spirometry, "
    "including vital capacity, in Japanese adults calculated with the LMS method and compared with previous "
    "values. Respir Investig 2014;52(4):242-250. doi:10.1016/j.resinv.2014.03.003",
    "●A predictive model for acute exacerbation of idiopathic interstitial pneumonias. Eur Respir J "
    "2023;61(5):2201634. doi:10.1183/13993003.01634-2022",
    "●Brunelli A, Kim AW, Berger KI, Addrizzo-Harris DJ. Physiologic evaluation of the patient with lung "
    "cancer being considered for resectional surgery. Diagnosis and management of lung cancer, 3rd ed: "
    "American College of Chest Physicians evidence-based clinical practice guidelines. Chest "
    "2013;143(5 Suppl):e166S-e190S.",
};

// What the main window says after a copy of the record, and when the
// clipboard would not take it.
inline constexpr std::string_view copyNotice = "記録をコピーしました";
inline constexpr std::string_view copyFailedTitle = "記録のコピー";
inline constexpr std::string_view copyFailedText =
    "記録をクリップボードにコピーできませんでした。もう一度お試しください。";

}  // namespace tollandra
