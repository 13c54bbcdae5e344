#include "core/forms/forms.h"

namespace tollandra {
namespace {

using enum SummaryRun::Shows;

// The published groups and the probability of an acute exacerbation within
// 30 days after the operation that each predicts (Sato T, et al. A simple
// risk scoring system for predicting acute exacerbation of interstitial
// pneumonia after pulmonary resection in lung cancer patients. Gen Thorac
// Cardiovasc Surg 2015;63(3):164-72).
constexpr std::array<Band, 3> riskBands = {{
    {15, "　（高リスク）", levelHigh, "25 % 超"},
    {11, "　（中リスク）", levelMid, "10～25 %"},
    {0, "　（低リスク）", levelLow, "10 % 未満"},
}};
constexpr PredictionWording riskPrediction{"術後30日以内の急性増悪の予測確率", ""};

// Two-digit totals start 5 px further left, so both end near the same place;
// the level follows at 45, all on the level's colour.
constexpr std::array<SummaryRun, 2> riskTotalRuns = {{{Total, 30, 5, 5, false}, {BandText, 45, 5, 0, false}}};
constexpr std::array<SummaryCell, 1> riskSummaries = {{{true, riskTotalRuns, true}}};

// Each class with the estimated cumulative incidence of an acute
// exacerbation at 1, 3 and 5 years. They were derived in idiopathic
// interstitial pneumonias, not after surgery, and the record says so ("A
// predictive model for acute exacerbation of idiopathic interstitial
// pneumonias", Eur Respir J 2023;61(5):2201634,
// doi:10.1183/13993003.01634-2022).
constexpr std::array<Band, 3> halBands = {{
    {2, "≧2", levelHigh, "1年 8.0 %・3年 19.7 %・5年 28.7 %"},
    {1, " 1", levelMid, "1年 4.7 %・3年 12.0 %・5年 17.7 %"},
    {0, " 0", levelLow, "1年 1.9 %・3年 5.1 %・5年 7.7 %"},
}};
constexpr PredictionWording halPrediction{"急性増悪の推定累積発症率", "（特発性間質性肺炎での値）"};

// The HAL total on white, then its class in a cell of the class's colour.
constexpr std::array<SummaryRun, 1> halTotalRuns = {{{Total, 30, 5, 0, true}}};
constexpr std::array<SummaryRun, 1> halClassRuns = {{{BandText, 25, 5, 0, false}}};
constexpr std::array<SummaryCell, 2> halSummaries = {
    {{false, halTotalRuns, false}, {true, halClassRuns, false}}};

constexpr FormDefinition riskForm{riskItems, riskBands, riskSummaries, riskPrediction};
constexpr FormDefinition halForm{halItems, halBands, halSummaries, halPrediction};

}  // namespace

const FormDefinition& riskFormDefinition() { return riskForm; }
const FormDefinition& halFormDefinition() { return halForm; }

}  // namespace tollandra
