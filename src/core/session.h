#pragma once
// Everything the user has entered and what the program has worked out from
// it: the risk score form, the HAL score and the %VC panel. The windows show
// it; the decisions that join the forms are made here.

#include <string>

#include "core/forms/forms.h"
#include "core/forms/scored_form.h"
#include "core/summary/summary.h"
#include "core/vc/panel.h"

namespace tollandra {

class Session {
 public:
  Session() : risk(riskFormDefinition()), hal(halFormDefinition()) {}

  // Recomputes the %VC when age, height and VC are all given, for the sex of
  // the risk form's factor 1: male until the user chooses female. The sex row
  // is drawn with the sex used. False, and nothing changes, otherwise.
  bool recalculateVc();

  // The record that Ctrl+C copies, made at that time.
  [[nodiscard]] std::string summary(const RecordTime& when) const;

  // The next patient: both forms unanswered, no measurement, no result.
  void startNewPatient();

  ScoredForm risk;
  ScoredForm hal;
  VcPanel panel;
};

}  // namespace tollandra
