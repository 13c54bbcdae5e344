#pragma once
// The results as plain text for the patient's record: only what the user has
// answered or computed, in Japanese as the windows show it, CR LF line ends.

#include <string>

#include "scoring/hal.h"
#include "scoring/risk.h"
#include "vc/panel.h"

namespace tollandra {

std::string resultSummary(const RiskForm& risk, const VcPanel& panel, const HalScore& hal);

}  // namespace tollandra
