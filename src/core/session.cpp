#include "core/session.h"

#include "core/ppo/report.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

constexpr double percentLimit = 80;  // the pre-operative %VC factor's threshold
constexpr double halAgeLimit = 75;   // the HAL score's age finding: over 75 years

// Which sides of the threshold the equations that gave a result fall on.
struct Sides {
  bool atMost = false;
  bool above = false;
};

Sides sidesOf(const VcPanel& panel) {
  Sides sides;
  if (panel.computed()) {
    for (ReferenceEquation equation : allEquations) {
      const EquationResult& result = panel.result(equation);
      if (result.predictedMl != 0) {
        (result.percentVc <= percentLimit ? sides.atMost : sides.above) = true;
      }
    }
  }
  return sides;
}

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
    // Option 1 is "≦80%". Only the equations that gave a result count, and
    // all of them must lie on the other side.
    const Sides sides = sidesOf(panel);
    const bool answeredAtMost = form.choice(item) == 1;
    if ((answeredAtMost && sides.above && !sides.atMost) ||
        (!answeredAtMost && sides.atMost && !sides.above)) {
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
      return summaryView(kind, totalSummary);
    case Role::Class:
      return summaryView(kind, classSummary);
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

std::string Session::scoreWarning(WindowKind kind, bool inRecord) const {
  const bool isHal = kind == WindowKind::Hal;
  if (contradiction(form(kind), isHal ? halAgeItem : percentVcFactor).empty()) {
    return {};
  }
  const std::string ending = inRecord ? "と不一致" : "と一致しません";
  if (isHal) {
    return std::string("要確認：") + (inRecord ? "HAL " : "") + "年齢の回答が計算条件の年齢 " +
           NumberToText(panel.basis().age) + " 歳" + ending;
  }
  return "要確認：術前％VC の回答が計算した %VC " + ending;
}

std::vector<ShownLine> Session::predictionLines(WindowKind kind) const {
  std::string warning = scoreWarning(kind, false);
  if (!warning.empty()) {
    return {ShownLine{std::move(warning), red}};
  }
  std::vector<ShownLine> lines;
  for (std::string& line : form(kind).predictionLines()) {
    lines.push_back(ShownLine{std::move(line), black});
  }
  return lines;
}

CellView Session::summaryView(WindowKind kind, std::size_t which) const {
  CellView view = form(kind).summaryView(which);
  const std::size_t bandCell = kind == WindowKind::Hal ? classSummary : totalSummary;
  if (view.drawn && which == bandCell && !scoreWarning(kind, false).empty()) {
    view.frame = red;
  }
  return view;
}

std::string Session::bottomNote() const {
  const Sides sides = sidesOf(panel);
  return sides.atMost && sides.above ? "基準式で 80 % の上下が分かれます" : "";
}

std::string Session::straddleRecord() const {
  const Sides sides = sidesOf(panel);
  if (!sides.atMost || !sides.above) {
    return {};
  }
  std::string named;
  for (ReferenceEquation equation : allEquations) {
    const EquationResult& result = panel.result(equation);
    if (result.predictedMl != 0) {
      named += named.empty() ? "" : "、";
      named += std::string(equationName(equation)) + " " + result.percentText + " %";
    }
  }
  return "（基準式により 80 % の上下が分かれる：" + named + "）";
}

}  // namespace tollandra
