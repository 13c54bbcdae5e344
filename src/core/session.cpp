#include "core/session.h"

namespace tollandra {

bool Session::recalculateVc() {
  if (!panel.ready()) {
    return false;
  }
  const bool male = risk.choice(sexFactor) == 1;
  risk.choose(sexFactor, male ? 1 : 2);
  return panel.compute(male ? Sex::Male : Sex::Female);
}

std::string Session::summary(const RecordTime& when) const { return resultSummary(risk, panel, hal, when); }

void Session::startNewPatient() {
  risk = ScoredForm(riskFormDefinition());
  hal = ScoredForm(halFormDefinition());
  panel.clear();
}

}  // namespace tollandra
