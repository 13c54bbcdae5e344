#pragma once
// The results as plain text for the patient's record: only what the user has
// answered or computed, in Japanese as the windows show it, CR LF line ends.

#include <string>

#include "core/forms/scored_form.h"
#include "core/vc/panel.h"

namespace tollandra {

// When the record was made, in the machine's local time.
struct RecordTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};

[[nodiscard]] std::string resultSummary(const ScoredForm& risk, const VcPanel& panel, const ScoredForm& hal,
                                        const RecordTime& when);

}  // namespace tollandra
