#include "core/vc/panel.h"

#include <algorithm>

namespace tollandra {
namespace {

// Both enumerations count from 1; anything else falls to the first slot.
template <typename Numbered>
std::size_t slotOf(Numbered which) {
  const auto number = static_cast<std::size_t>(which);
  return number >= 1 && number <= 3 ? number - 1 : 0;
}

constexpr std::string_view askForSex = "性別を選んでください";

}  // namespace

VcPanel::VcPanel() { clear(); }

Reading VcPanel::read(Measurement which, std::string_view raw) {
  PanelInput& stored = inputs_[slotOf(which)];
  Reading reading = stored.refused && raw == stored.text ? Reading{0, stored.text, std::nullopt, true}
                                                         : readMeasurement(raw, inputRule(which));
  stored = PanelInput{reading.value, reading.text, reading.refused};
  changed_[slotOf(which)] = false;
  if (reading.value == 0) {
    emptyResults();
  }
  return reading;
}

bool VcPanel::edited(Measurement which, std::string_view raw) {
  PanelInput& stored = inputs_[slotOf(which)];
  if (raw == stored.text || (raw.empty() && showsEmptyMark(which, stored.text))) {
    return false;
  }
  // Results on screen, or the question for the sex, always come with a line
  // under them.
  const bool shown = stored.refused || !lowerLimitView_.runs.empty();
  stored.refused = false;
  changed_[slotOf(which)] = true;
  emptyResults();
  return shown;
}

void VcPanel::emptyResults() {
  computed_ = false;
  if (!views_[0].drawn) {
    return;  // nothing on screen yet
  }
  const CellView empty{true, white, {}};
  views_.fill(empty);
  lowerLimitView_ = empty;
}

void VcPanel::clear() {
  for (Measurement which : allMeasurements) {
    inputs_[slotOf(which)] = PanelInput{0, std::string(inputRule(which).sentinel), false};
  }
  changed_ = {};
  results_ = {};
  views_ = {};
  lowerLimitView_ = {};
  computed_ = false;
}

const PanelInput& VcPanel::input(Measurement which) const { return inputs_[slotOf(which)]; }

bool VcPanel::holdsValue(Measurement which) const {
  return input(which).value != 0 && !changed_[slotOf(which)];
}

std::optional<Measurement> VcPanel::refusedBox() const {
  for (Measurement which : allMeasurements) {
    if (input(which).refused) {
      return which;
    }
  }
  return std::nullopt;
}

bool VcPanel::ready() const {
  return std::ranges::all_of(allMeasurements, [this](Measurement which) { return holdsValue(which); });
}

bool VcPanel::compute(std::optional<Sex> sex) {
  if (!ready()) {
    return false;
  }
  if (!sex) {
    computed_ = false;
    views_.fill(CellView{true, white, {}});
    lowerLimitView_ = CellView{true, white, {{std::string(askForSex), 6, 3, black, white}}};
    return false;
  }
  basis_ = Basis{*sex, input(Measurement::Age).value, input(Measurement::Height).value,
                 input(Measurement::Vc).value};
  results_ = computeReferences(builtInJrs2014Grid(), *sex, basis_.age, basis_.height, basis_.vc);
  for (ReferenceEquation equation : allEquations) {
    views_[slotOf(equation)] = tollandra::resultView(results_.of(equation));
  }
  lowerLimitView_ = tollandra::lowerLimitView(results_.jrs2014Limit);
  computed_ = true;
  return true;
}

bool VcPanel::computed() const { return computed_; }

const EquationResult& VcPanel::result(ReferenceEquation equation) const { return results_.of(equation); }

const CellView& VcPanel::resultView(ReferenceEquation equation) const { return views_[slotOf(equation)]; }

}  // namespace tollandra
