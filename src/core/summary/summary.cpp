#include "core/summary/summary.h"

#include <string>
#include <string_view>

#include "core/forms/forms.h"
#include "core/ppo/report.h"
#include "core/session.h"
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

// A form's answers in the order the window shows them, each with its points
// and what contradicts it; then the items still open, in one line.
void addItems(std::string& text, const Session& session, WindowKind window, std::string_view prefix) {
  const ScoredForm& form = session.form(window);
  std::string open;
  for (int k : itemsTopToBottom(window)) {
    const std::string label = labelWithoutColon(form.item(k).label);
    if (!form.answered(k)) {
      open += (open.empty() ? "" : "、") + label;
      continue;
    }
    addLine(text, std::string(prefix) + label + "：" + optionCaption(form.item(k), form.choice(k)) + " " +
                      NumberToText(form.points(k)) + "点" + session.contradiction(form, k));
  }
  if (!open.empty()) {
    addLine(text, std::string(prefix) + "未回答：" + open);
  }
}

std::string measurements(double age, double height, double vc) {
  return NumberToText(age) + " 歳 " + NumberToText(height) + " cm VC " + NumberToText(vc) + " mL";
}

// Written from what the last computation used, never from the boxes, which
// may hold newer values that no result on screen was computed from.
void addMeasurements(std::string& text, const Session& session) {
  const VcPanel& panel = session.panel;
  if (!panel.computed()) {
    if (panel.ready() && !session.risk.answered(sexFactor)) {
      addLine(text, "計算条件：性別が未回答のため %VC は未計算（" +
                        measurements(panel.input(Measurement::Age).value,
                                     panel.input(Measurement::Height).value, panel.input(Measurement::Vc).value) +
                        "）");
    }
    return;
  }
  const VcPanel::Basis& basis = panel.basis();
  const Item& sex = riskItems[sexFactor - 1];
  addLine(text, "計算条件：" + optionCaption(sex, basis.sex == Sex::Male ? 1 : 2) + " " +
                    measurements(basis.age, basis.height, basis.vc));
  for (ReferenceEquation equation : allEquations) {
    addLine(text, resultRecord(equation, panel.result(equation), basis.sex,
                               equation == ReferenceEquation::JRS2014 ? panel.lowerLimit() : LowerLimit{}));
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
  line += form.unanswered() == 0 ? form.predictionRecord() : "未回答の項目あり";
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

std::string resultSummary(const Session& session, const RecordTime& when) {
  const ScoredForm& risk = session.risk;
  const ScoredForm& hal = session.hal;
  std::string text;
  addLine(text, "術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2");
  addLine(text, "記録日時：" + dateTime(when));
  if (risk.unanswered() < risk.itemCount()) {
    addItems(text, session, WindowKind::Main, "");
    addLine(text, scoreLine("リスクスコア：", risk.summaryView(totalSummary), risk));
  }
  addMeasurements(text, session);
  if (hal.unanswered() < hal.itemCount()) {
    addItems(text, session, WindowKind::Hal, "HAL ");
    addLine(text, "HAL 合計点：" + cellWindowText(hal.summaryView(totalSummary)));
    addLine(text, scoreLine("HAL スコア：", hal.summaryView(classSummary), hal));
  }
  for (const std::string& line : ppoRecordLines(session)) {
    addLine(text, line);
  }
  return text;
}

}  // namespace tollandra
