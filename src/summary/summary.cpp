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
    if (!risk.pointsView(factor).drawn) {
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

void addMeasurements(std::string& text, const VcPanel& panel) {
  const struct {
    Measurement which;
    const char* label;
    const char* unit;
  } rows[] = {
      {Measurement::Age, "年齢", " 歳"},
      {Measurement::Height, "身長", " cm"},
      {Measurement::Vc, "ＶＣ", " mL"},
  };
  for (const auto& row : rows) {
    const PanelInput& input = panel.input(row.which);
    if (input.value != 0) {
      addLine(text, std::string(row.label) + "：" + input.text + row.unit);
    }
  }
  if (panel.computed()) {
    for (ReferenceEquation equation :
         {ReferenceEquation::Baldwin, ReferenceEquation::JRS2001, ReferenceEquation::JRS2014}) {
      addLine(text, cellWindowText(panel.resultView(equation)));
    }
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
  addLine(text, "術後間質性肺炎の急性憎悪リスクスコア計算ツール Tollandra ver.5.2");
  addRiskScore(text, risk);
  addMeasurements(text, panel);
  addHalScore(text, hal);
  return text;
}

}  // namespace tollandra
