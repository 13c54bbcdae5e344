#pragma once
// The results as plain text for the patient's record: only what the user has
// answered or computed, in Japanese as the windows show it, CR LF line ends.

#include <string>

#include "core/forms/scored_form.h"
#include "core/vc/panel.h"

namespace tollandra {

[[nodiscard]] std::string resultSummary(const ScoredForm& risk, const VcPanel& panel, const ScoredForm& hal);

}  // namespace tollandra
