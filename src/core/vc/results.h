#pragma once
// Turns the three predictions into what the result boxes show: whole mL, a
// %VC with one decimal, their texts and the painted view of each box.

#include <optional>
#include <string>

#include "core/vc/equations.h"
#include "core/view/cell_view.h"

namespace tollandra {

// Rounds to n decimals with halves going up (2.5 → 3, −2.5 → −2). A value
// within 1e-9 of a half counts as the half, so that products such as
// (27.63 − 0.112 × 40) × 170, exactly 3935.5 but 3935.4999999999995 in
// doubles, round the way the arithmetic on paper does.
double roundHalfUp(double x, int n);

// x rounded to one decimal (whatever d is), then cut to d decimals, padding
// with zeros: 72.4 → "72.4", 102 → "102.0", 99.96 → "100.0".
std::string formatFixed(double x, int d);

struct EquationResult {
  double predictedMl = 0;     // whole mL; 0 when out of range
  std::string predictedText;  // "4142 : JRS2014", or "範囲外 17-90 歳 : JRS2014" when out of range
  double percentVc = 0;       // one decimal; 0 when out of range
  std::string percentText;    // "72.4"; empty when out of range
  Range left = {};            // when out of range, the range the patient lies outside
  // The height's as well when the patient lies outside both; the box then
  // says "範囲外 年齢・身長 : JRS2001".
  std::optional<Range> alsoLeft = std::nullopt;
  bool operator==(const EquationResult&) const = default;
};

// Where the measured VC lies among healthy people of the same sex, age and
// height by the JRS2014 curves: the lower limit of normal (the 5th centile,
// z = -1.645) and the z-score.
struct LowerLimit {
  bool inRange = false;  // nothing else is meaningful without it
  double llnMl = 0;      // unrounded
  double z = 0;
  bool below = false;  // the VC lies under the unrounded limit
  bool operator==(const LowerLimit&) const = default;
};

LowerLimit lowerLimit(const Jrs2014Curves& curves, double vc);

// z with two decimals, halves away from zero, an ASCII minus, and never
// "-0.00": -2.725 -> "-2.73", -1.7 -> "-1.70".
std::string formatZ(double z);

// The line under the result boxes: the limit in whole mL and z, red with
// "LLN 未満" when the VC is below the limit, blue otherwise; no number when
// JRS2014 gives none for the patient.
CellView lowerLimitView(const LowerLimit& limit);

// The ranges a patient lies outside, named with the sex, as the record and
// the postoperative window give them: "（女性 17-93 歳）",
// "（男性 20-100 歳、120-190 cm）".
std::string rangesLeftText(Sex sex, const Range& left, const std::optional<Range>& alsoLeft);

// The record's line of one equation: "JRS2014：%VC 72.4 %、予測 VC 4142 mL",
// with the lower limit "、LLN 3424 mL、z -2.72" and "、LLN 未満" when the VC
// lies below it, given one; "JRS2014：範囲外（女性 17-93 歳）" out of range,
// "JRS2001：範囲外（男性 20-100 歳、120-190 cm）" out of both ranges.
std::string resultRecord(ReferenceEquation equation, const EquationResult& result, Sex sex,
                         const LowerLimit& limit = {});

struct References {
  EquationResult baldwin;
  EquationResult jrs2001;
  EquationResult jrs2014;
  LowerLimit jrs2014Limit;
  const EquationResult& of(ReferenceEquation equation) const;
  bool operator==(const References&) const = default;
};

// The three results for one patient; the %VC is taken of the rounded
// prediction. vc is the measured VC in mL.
References computeReferences(const Jrs2014Grid& grid, Sex sex, double age, double height, double vc);

// One result box: the %VC right-aligned at the left, red at 80 or less and
// blue above, then the predicted text right-aligned in black; an equation
// out of range shows only its range text, from the box's left edge, cut by
// whole characters if it were ever too long.
CellView resultView(const EquationResult& result);

}  // namespace tollandra
