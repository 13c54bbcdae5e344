#include "core/summary/summary.h"

#include <string>
#include <string_view>

#include "core/forms/forms.h"
#include "core/text/convert.h"
#include "core/view/cell_view.h"
#include "core/windows/window_tables.h"

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

std::string optionCaption(const Item& item, int choice) {
  return trimBlanks(std::string(choice == 1 ? item.option1 : item.option2));
}

void addLine(std::string& text, const std::string& line) {
  text += line;
  text += lineEnd;
}

// One line per drawn item, in the order the window shows them.
void addItems(std::string& text, const ScoredForm& form, WindowKind window, std::string_view prefix,
              int alwaysCounted) {
  for (int k : itemsTopToBottom(window)) {
    // The total counts the sex factor from its first drawing on, even while
    // the sex row itself is still blank: the record names its points then.
    const bool counted = k == alwaysCounted && form.summaryView(totalSummary).drawn;
    if (!form.pointsView(k).drawn && !counted) {
      continue;
    }
    addLine(text, std::string(prefix) + labelWithoutColon(form.item(k).label) + "：" +
                      optionCaption(form.item(k), form.choice(k)) + " " + NumberToText(form.points(k)) +
                      "点");
  }
}

// Written from what the last computation used, never from the boxes, which
// may hold newer values that no result on screen was computed from.
void addMeasurements(std::string& text, const VcPanel& panel) {
  if (!panel.computed()) {
    return;
  }
  const VcPanel::Basis& basis = panel.basis();
  const Item& sex = riskItems[sexFactor - 1];
  addLine(text, "計算条件：" + optionCaption(sex, basis.sex == Sex::Male ? 1 : 2) + " " +
                    NumberToText(basis.age) + " 歳 " + NumberToText(basis.height) + " cm VC " +
                    NumberToText(basis.vc) + " mL");
  const std::string limit = lowerLimitRecord(panel.lowerLimit());
  for (ReferenceEquation equation : allEquations) {
    std::string line = cellWindowText(panel.resultView(equation));
    if (equation == ReferenceEquation::JRS2014 && !limit.empty()) {
      line += " " + limit;
    }
    addLine(text, line);
  }
}

// A score's line: what its cell shows, then what the band predicts, which
// belongs to a complete score only.
std::string scoreLine(std::string_view name, const CellView& cell, const ScoredForm& form) {
  std::string line(name);
  const std::string shown = cellWindowText(cell);
  if (!shown.empty()) {
    line += shown + " ";
  }
  line += form.unanswered() == 0 ? form.band().prediction : "未回答の項目あり";
  return line;
}

// 2026/12/07 23:50
std::string dateTime(const RecordTime& when) {
  const auto twoDigits = [](int n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 2) {
      digits.insert(0, 1, '0');
    }
    return digits;
  };
  return std::to_string(when.year) + "/" + twoDigits(when.month) + "/" + twoDigits(when.day) + " " +
         twoDigits(when.hour) + ":" + twoDigits(when.minute);
}

}  // namespace

std::string resultSummary(const ScoredForm& risk, const VcPanel& panel, const ScoredForm& hal,
                          const RecordTime& when) {
  std::string text;
  addLine(text, "術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2");
  addLine(text, "記録日時：" + dateTime(when));
  addItems(text, risk, WindowKind::Main, "", sexFactor);
  if (risk.summaryView(totalSummary).drawn) {
    addLine(text, scoreLine("リスクスコア：", risk.summaryView(totalSummary), risk));
  }
  addMeasurements(text, panel);
  if (hal.summaryView(totalSummary).drawn) {
    addItems(text, hal, WindowKind::Hal, "HAL ", 0);
    addLine(text, "HAL Total points：" + cellWindowText(hal.summaryView(totalSummary)));
    addLine(text, scoreLine("HAL score：", hal.summaryView(classSummary), hal));
  }
  return text;
}

}  // namespace tollandra
