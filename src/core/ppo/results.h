#pragma once
// The predicted postoperative FEV1 and DLco by segment counting, the ACCP
// 2013 step they lead to, and the lines of the window that shows them. Pure
// functions of the figures: the session gives them (see report.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/ppo/fev1.h"
#include "core/vc/results.h"
#include "core/view/cell_view.h"

namespace tollandra {

// What the results are made from; a figure left out is not known.
struct PpoFigures {
  std::optional<Sex> sex;
  double age = 0;               // years; 0: none
  double height = 0;            // cm; 0: none
  std::optional<double> fev1;   // mL
  std::optional<double> dlco;   // % of predicted
  std::optional<int> resected;  // functional segments to be removed
  int obstructed = 0;
  bool operator==(const PpoFigures&) const = default;
};

// The next step of the guideline's lung-function branch, or none while
// either ppo figure is missing.
enum class AccpStep : std::uint8_t { None, LowRisk, ExerciseTest, Cpet };

struct PpoResults {
  PpoFigures figures;
  bool basis = false;                    // sex, age and height all known
  Fev1Reference reference;               // meaningful with the basis
  double predictedMl = 0;                // whole mL; 0 without a prediction
  std::optional<double> percentFev1;     // one decimal
  LowerLimit limit;                      // in range with a prediction; z and below only with an FEV1
  std::optional<double> ppoFev1Ml;       // whole mL
  std::optional<double> ppoPercentFev1;  // one decimal
  std::optional<double> ppoDlco;         // one decimal
  AccpStep step = AccpStep::None;
};

// The prediction in whole mL, halves up, and the %FEV1 of it; ppo = value ×
// (1 − y / (19 − obstructed)), each rounded once, at the end. The step is
// taken from the ppo figures as shown, to one decimal, so that the screen
// never contradicts itself: low risk when both are above 60.0, the
// cardiopulmonary exercise test when either is below 30.0, otherwise a
// low-technology exercise test.
PpoResults computePpo(const PpoFigures& figures);

// The step as the record names it; empty for none.
std::string_view accpStepText(AccpStep step);

// The ranges of the FEV1 reference that the patient lies outside, with the
// sex: "（女性 17-93 歳）", "（男性 17-95 歳、104-210 cm）".
std::string fev1RangesLeft(const PpoResults& results);

// The painted lines of the window, top to bottom: 1 the predicted FEV1 (or
// what it waits for, or the ranges left), 2 its limit of normal and z, 3
// ppoFEV1, 4 ppo%DLco, 5 the step. A line shows only what the figures give.
inline constexpr int ppoLineCount = 5;
CellView ppoLineView(const PpoResults& results, int line);

}  // namespace tollandra
