#include "core/summary/summary.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "core/forms/forms.h"
#include "core/ppo/report.h"
#include "core/session.h"
#include "core/text/convert.h"
#include "core/vc/measurement.h"
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
  const std::string_view recorded = choice == 1 ? item.recorded1 : item.recorded2;
  return recorded.empty() ? trimBlanks(std::string(choice == 1 ? item.option1 : item.option2))
                          : std::string(recorded);
}

// The full-width digits and Latin letters the windows' captions use
// (U+FF10 to U+FF19, U+FF21 to U+FF3A, U+FF41 to U+FF5A), and "＞" and
// "＜", as their ASCII forms, so a chart's search finds "CT" and "75" in the
// record. The Japanese punctuation stays.
std::string halfWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (i + 2 < text.size() && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD)) {
      // U+FF00 to U+FF7F; U+FF01 to U+FF5E stand for ASCII 0x21 to 0x7E.
      const int ascii = (((byte(1) & 1) << 6) | (byte(2) & 0x3F)) + 0x20;
      const auto c = static_cast<char>(ascii);
      if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '<' ||
          c == '>') {
        folded += c;
        i += 2;
        continue;
      }
    }
    folded += text[i];
  }
  return folded;
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
    std::string line = std::string(prefix) + label + "：" + optionCaption(form.item(k), form.choice(k)) +
                       " " + NumberToText(form.points(k)) + "点" + session.contradiction(form, k);
    if (window == WindowKind::Main && k == percentVcFactor) {
      line += session.straddleRecord();
    }
    addLine(text, line);
  }
  if (!open.empty()) {
    addLine(text, std::string(prefix) + "未回答：" + open);
  }
}

// "60 歳", "170 cm", "VC 3000 mL".
std::string measurement(Measurement which, double value) {
  switch (which) {
    case Measurement::Height:
      return NumberToText(value) + " cm";
    case Measurement::Vc:
      return "VC " + NumberToText(value) + " mL";
    case Measurement::Age:
      break;
  }
  return NumberToText(value) + " 歳";
}

std::string sexCaption(int choice) { return optionCaption(riskItems[sexFactor - 1], choice); }

// Why no %VC stands beside what was entered, and what was: the sex still
// open, each box without a valid value (empty, refused, or changed and not
// read yet). Nothing while no box holds a value.
void addWhyNotComputed(std::string& text, const Session& session) {
  const VcPanel& panel = session.panel;
  std::string reasons;
  std::string values;
  if (session.risk.answered(sexFactor)) {
    values = sexCaption(session.risk.choice(sexFactor));
  } else {
    reasons = "性別が未回答";
  }
  bool anyValue = false;
  for (Measurement which : allMeasurements) {
    if (panel.holdsValue(which)) {
      values += values.empty() ? "" : " ";
      values += measurement(which, panel.input(which).value);
      anyValue = true;
    } else {
      reasons += reasons.empty() ? "" : "、";
      reasons += nameWith(inputRule(which), "が未入力");
    }
  }
  if (anyValue && !reasons.empty()) {
    addLine(text, "計算条件：" + reasons + "のため %VC は未計算（" + values + "）");
  }
}

// Written from what the last computation used, never from the boxes, which
// may hold newer values that no result on screen was computed from.
void addMeasurements(std::string& text, const Session& session) {
  const VcPanel& panel = session.panel;
  if (!panel.computed()) {
    addWhyNotComputed(text, session);
    return;
  }
  const VcPanel::Basis& basis = panel.basis();
  addLine(text, "計算条件：" + sexCaption(basis.sex == Sex::Male ? 1 : 2) + " " +
                    measurement(Measurement::Age, basis.age) + " " +
                    measurement(Measurement::Height, basis.height) + " " +
                    measurement(Measurement::Vc, basis.vc));
  for (ReferenceEquation equation : allEquations) {
    addLine(text, resultRecord(equation, panel.result(equation), basis.sex,
                               equation == ReferenceEquation::JRS2014 ? panel.lowerLimit() : LowerLimit{}));
  }
}

// A score's line: what its cell shows, then what the band predicts, which
// belongs to a complete score only; while an answer the score rests on is
// contradicted, that warning instead of the prediction.
std::string scoreLine(std::string_view name, const Session& session, WindowKind window, std::size_t cell) {
  const ScoredForm& form = session.form(window);
  std::string line(name);
  const std::string shown = cellWindowText(form.summaryView(cell));
  if (!shown.empty()) {
    line += shown + " ";
  }
  const std::string warning = session.scoreWarning(window, true);
  if (form.unanswered() != 0) {
    line += "未回答の項目あり";
    return warning.empty() ? line : line + " " + warning;
  }
  return line + (warning.empty() ? form.predictionRecord() : warning);
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
    addLine(text, scoreLine("リスクスコア：", session, WindowKind::Main, totalSummary));
  }
  addMeasurements(text, session);
  if (hal.unanswered() < hal.itemCount()) {
    addItems(text, session, WindowKind::Hal, "HAL ");
    addLine(text, "HAL 合計点：" + cellWindowText(hal.summaryView(totalSummary)) + "点");
    addLine(text, scoreLine("HAL スコア：", session, WindowKind::Hal, classSummary));
  }
  for (const std::string& line : ppoRecordLines(session)) {
    addLine(text, line);
  }
  return halfWidth(text);
}

}  // namespace tollandra
