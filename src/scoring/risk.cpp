#include "scoring/risk.h"

#include <stdexcept>

#include "text/convert.h"

namespace tollandra {

const std::array<FactorInfo, factorCount> factorInfo = {{
    {"性別 ：", "男性　", "　女性", 3, 20},
    {"術前ステロイド治療の有無 ：", "あり　", "　なし", 3, 220},
    {"急性増悪の既往 ：", "　あり　", "　なし", 5, 70},
    {"術前％VC ：", "　≦80%　", "　>80%", 1, 320},
    {"画像上 UIPパターン ：", "　あり　", "　なし", 4, 170},
    {"KL-6値 ：", ">1,000U/mL ", "　≦1,000U/mL", 2, 270},
    {"手術術式 ：", "区域切除以上　", "　部分切除", 4, 120},
}};

const std::array<int, factorCount> factorScreenOrder = {1, 3, 7, 5, 2, 6, 4};

// The published score's groups: low 0-10 (under 10 % predicted risk of an
// acute exacerbation within 30 days), intermediate 11-14 (10-25 %), high
// 15-22 (over 25 %).
RiskLevel riskLevel(int total) {
  if (total >= 15) {
    return RiskLevel::High;
  }
  if (total >= 11) {
    return RiskLevel::Intermediate;
  }
  return RiskLevel::Low;
}

std::string_view riskLevelText(RiskLevel level) {
  switch (level) {
    case RiskLevel::High:
      return "　（高リスク）";
    case RiskLevel::Intermediate:
      return "　（中リスク）";
    case RiskLevel::Low:
      break;
  }
  return "　（低リスク）";
}

namespace {

Rgb levelColor(RiskLevel level) {
  switch (level) {
    case RiskLevel::High:
      return levelHigh;
    case RiskLevel::Intermediate:
      return levelMid;
    case RiskLevel::Low:
      break;
  }
  return levelLow;
}

std::size_t slot(int factor) {
  if (factor < 1 || factor > factorCount) {
    throw std::out_of_range("factor number");
  }
  return static_cast<std::size_t>(factor - 1);
}

}  // namespace

RiskForm::RiskForm() {
  for (std::size_t i = 0; i < FactorTable.size(); ++i) {
    FactorTable[i] = ScoredItem{0, factorInfo[i].points1, 0};
  }
  // The sex factor starts as male and counts from the first total on, even
  // while its own row is still blank.
  FactorTable[slot(sexFactor)].choice = 1;
}

void RiskForm::setFactorChoice(int factor, int option) {
  if (option != 1 && option != 2) {
    throw std::invalid_argument("option");
  }
  FactorTable[slot(factor)].choice = static_cast<std::uint8_t>(option);
  drawFactorRow(factor);
}

void RiskForm::toggleFactorChoice(int factor) {
  ScoredItem& item = FactorTable[slot(factor)];
  item.choice = toggledChoice(item.choice);
  drawFactorRow(factor);
}

const ScoredItem& RiskForm::factor(int factor) const { return FactorTable[slot(factor)]; }

int RiskForm::totalScore() const {
  int total = 0;
  for (const ScoredItem& item : FactorTable) {
    total += chosenPoints(item);
  }
  return total;
}

const CellView& RiskForm::pointsView(int factor) const { return points_[slot(factor)]; }

const CellView& RiskForm::totalView() const { return total_; }

void RiskForm::drawFactorRow(int factor) {
  points_[slot(factor)] = pointsCellView(FactorTable[slot(factor)]);
  drawTotal();
}

void RiskForm::drawTotal() {
  const int total = totalScore();
  const RiskLevel level = riskLevel(total);
  // Two-digit totals start 5 px further left so both end near the same place.
  const int x = total > 9 ? 25 : 30;
  total_ = CellView{true,
                    levelColor(level),
                    {TextRun{NumberToText(total), x, 5, black, {}},
                     TextRun{std::string(riskLevelText(level)), 45, 5, black, {}}}};
}

}  // namespace tollandra
