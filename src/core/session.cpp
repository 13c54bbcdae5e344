#include "core/session.h"

#include "core/ppo/report.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

constexpr double percentLimit = 80;  // the pre-operative %VC factor's threshold
constexpr double halAgeLimit = 75;   // the HAL score's age finding: over 75 years

}  // namespace

bool Session::recalculateVc() {
  std::optional<Sex> sex;
  if (risk.answered(sexFactor)) {
    sex = risk.choice(sexFactor) == 1 ? Sex::Male : Sex::Female;
  }
  return panel.compute(sex);
}

std::string Session::summary(const RecordTime& when) const { return resultSummary(*this, when); }

void Session::startNewPatient() {
  risk = ScoredForm(riskFormDefinition());
  hal = ScoredForm(halFormDefinition());
  panel.clear();
  ppo.clear();
}

std::string Session::contradiction(const ScoredForm& form, int item) const {
  if (!panel.computed() || !form.answered(item)) {
    return {};
  }
  if (&form == &risk && item == percentVcFactor) {
    // Option 1 is "≦80%". Only the equations that gave a result count.
    bool anyAtMost = false;
    bool anyAbove = false;
    for (ReferenceEquation equation : allEquations) {
      const EquationResult& result = panel.result(equation);
      if (result.predictedMl != 0) {
        (result.percentVc <= percentLimit ? anyAtMost : anyAbove) = true;
      }
    }
    const bool answeredAtMost = form.choice(item) == 1;
    if ((answeredAtMost && anyAbove && !anyAtMost) || (!answeredAtMost && anyAtMost && !anyAbove)) {
      return "（計算した %VC と不一致）";
    }
  } else if (&form == &hal && item == halAgeItem) {
    const double age = panel.basis().age;
    if ((form.choice(item) == 1) != (age > halAgeLimit)) {
      return "（計算条件の年齢 " + NumberToText(age) + " 歳と不一致）";
    }
  }
  return {};
}

CellView Session::pointsView(const ScoredForm& form, int item) const {
  CellView view = form.pointsView(item);
  if (view.drawn && !contradiction(form, item).empty()) {
    view.frame = red;
  }
  return view;
}

CellView Session::cellView(WindowKind kind, const ControlRow& row) const {
  const ScoredForm& shown = form(kind);
  switch (row.role) {
    case Role::Points:
      return pointsView(shown, row.item);
    case Role::Total:
      return shown.summaryView(totalSummary);
    case Role::Class:
      return shown.summaryView(classSummary);
    case Role::ResultBox:
      return panel.resultView(static_cast<ReferenceEquation>(row.item));
    case Role::LowerLimitLine:
      return panel.lowerLimitView();
    case Role::ResultLine:
      return ppoLineView(*this, row.item);
    default:
      return {};
  }
}

Reading Session::readBox(WindowKind kind, int item, std::string_view raw) {
  if (kind == WindowKind::Ppo) {
    return ppo.read(static_cast<PpoInput>(item), raw);
  }
  Reading reading = panel.read(static_cast<Measurement>(item), raw);
  recalculateVc();
  return reading;
}

bool Session::editBox(WindowKind kind, int item, std::string_view raw) {
  return kind == WindowKind::Ppo ? ppo.edited(static_cast<PpoInput>(item), raw)
                                 : panel.edited(static_cast<Measurement>(item), raw);
}

const PanelInput& Session::box(WindowKind kind, int item) const {
  return kind == WindowKind::Ppo ? ppo.input(static_cast<PpoInput>(item))
                                 : panel.input(static_cast<Measurement>(item));
}

const InputRule& Session::boxRule(WindowKind kind, int item) const {
  return kind == WindowKind::Ppo ? ppoInputRule(static_cast<PpoInput>(item))
                                 : inputRule(static_cast<Measurement>(item));
}

}  // namespace tollandra
