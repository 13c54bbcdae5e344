#include "summary/summary.h"

#include <string_view>

#include "text/convert.h"
#include "view/cell_view.h"

namespace tollandra {
namespace {

constexpr std::string_view lineEnd = "\r\n";

// "性別 ：" -> "性別"
std::string labelWithoutColon(std::string_view label) {
  constexpr std::string_view colon = " ：";
  if (label.ends_with(colon)) {
    label.remove_suffix(colon.size());
  }
  return std::string(label);
}

std::string chosenCaption(const ScoredItem& item, std::string_view option1, std::string_view option2) {
  return trimBlanks(std::string(item.choice == 1 ? option1 : option2));
}

std::string pointsText(const ScoredItem& item) { return NumberToText(chosenPoints(item)) + "点"; }

void addLine(std::string& text, const std::string& line) {
  text += line;
  text += lineEnd;
}

void addRiskScore(std::string& text, const RiskForm& risk) {
  for (int factor : factorScreenOrder) {
    // The total counts the sex factor from its first drawing on, even while
    // the sex row itself is still blank: the record names its points then.
    const bool counted = factor == sexFactor && risk.totalView().drawn;
    if (!risk.pointsView(factor).drawn && !counted) {
      continue;
    }
    const FactorInfo& info = factorInfo[static_cast<std::size_t>(factor - 1)];
    const ScoredItem& item = risk.factor(factor);
    addLine(text, labelWithoutColon(info.label) + "：" + chosenCaption(item, info.option1, info.option2) +
                      " " + pointsText(item));
  }
  if (risk.totalView().drawn) {
    addLine(text, "リスクスコア：" + cellWindowText(risk.totalView()));
  }
}

// Written from what the last computation used, never from the boxes, which
// may hold newer values that no result on screen was computed from.
void addMeasurements(std::string& text, const VcPanel& panel) {
  if (!panel.computed()) {
    return;
  }
  const VcPanel::Basis& basis = panel.basis();
  const FactorInfo& sex = factorInfo[static_cast<std::size_t>(sexFactor - 1)];
  const std::string sexText = trimBlanks(std::string(basis.sex == Sex::Male ? sex.option1 : sex.option2));
  addLine(text, "計算条件：" + sexText + " " + NumberToText(basis.age) + " 歳 " + NumberToText(basis.height) +
                    " cm VC " + NumberToText(basis.vc) + " mL");
  for (ReferenceEquation equation :
       {ReferenceEquation::Baldwin, ReferenceEquation::JRS2001, ReferenceEquation::JRS2014}) {
    addLine(text, cellWindowText(panel.resultView(equation)));
  }
}

void addHalScore(std::string& text, const HalScore& hal) {
  if (!hal.answered()) {
    return;
  }
  for (int k = 1; k <= halItemCount; ++k) {
    const ScoredItem& item = hal.item(k);
    if (item.choice == 0) {
      continue;
    }
    const HalItemInfo& info = halItemInfo[static_cast<std::size_t>(k - 1)];
    addLine(text, "HAL " + std::string(info.label) + "：" + chosenCaption(item, info.option1, info.option2) +
                      " " + pointsText(item));
  }
  addLine(text, "HAL Total points：" + cellWindowText(hal.totalView()));
  addLine(text, "HAL score：" + cellWindowText(hal.classView()));
}

}  // namespace

std::string resultSummary(const RiskForm& risk, const VcPanel& panel, const HalScore& hal) {
  std::string text;
  addLine(text, "術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2");
  addRiskScore(text, risk);
  addMeasurements(text, panel);
  addHalScore(text, hal);
  return text;
}

}  // namespace tollandra
