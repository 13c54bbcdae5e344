#include "core/forms/forms.h"

namespace tollandra {
namespace {

using enum SummaryRun::Shows;

// The published groups: low 0-10 (under 10 % predicted risk of an acute
// exacerbation within 30 days), intermediate 11-14 (10-25 %), high 15-22
// (over 25 %).
constexpr std::array<Band, 3> riskBands = {{
    {15, "　（高リスク）", levelHigh},
    {11, "　（中リスク）", levelMid},
    {0, "　（低リスク）", levelLow},
}};

// Two-digit totals start 5 px further left, so both end near the same place;
// the level follows at 45, all on the level's colour.
constexpr std::array<SummaryRun, 2> riskTotalRuns = {{{Total, 30, 5, 5, false}, {BandText, 45, 5, 0, false}}};
constexpr std::array<SummaryCell, 1> riskSummaries = {{{true, riskTotalRuns}}};

constexpr std::array<Band, 3> halBands = {{
    {2, "2≧", levelHigh},
    {1, " 1", levelMid},
    {0, " 0", levelLow},
}};

// The HAL total on white, then its class in a cell of the class's colour.
constexpr std::array<SummaryRun, 1> halTotalRuns = {{{Total, 30, 5, 0, true}}};
constexpr std::array<SummaryRun, 1> halClassRuns = {{{BandText, 25, 5, 0, false}}};
constexpr std::array<SummaryCell, 2> halSummaries = {{{false, halTotalRuns}, {true, halClassRuns}}};

constexpr FormDefinition riskForm{riskItems, riskBands, riskSummaries};
constexpr FormDefinition halForm{halItems, halBands, halSummaries};

}  // namespace

const FormDefinition& riskFormDefinition() { return riskForm; }
const FormDefinition& halFormDefinition() { return halForm; }

}  // namespace tollandra
