#include "core/vc/panel.h"

namespace tollandra {
namespace {

// Both enumerations count from 1; anything else falls to the first slot.
template <typename Numbered>
std::size_t slotOf(Numbered which) {
  const auto number = static_cast<std::size_t>(which);
  return number >= 1 && number <= 3 ? number - 1 : 0;
}

}  // namespace

void VcPanel::loadGrid() {
  grid_ = loadJrs2014Grid();
  gridLoaded_ = true;
}

Reading VcPanel::read(Measurement which, std::string_view raw) {
  Reading reading = readMeasurement(raw, inputRule(which));
  PanelInput& stored = inputs_[slotOf(which)];
  stored.value = reading.value;
  stored.text = reading.text;
  if (reading.value == 0) {
    emptyResults();
  }
  return reading;
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
  inputs_ = {};
  results_ = {};
  views_ = {};
  lowerLimitView_ = {};
  computed_ = false;
}

const PanelInput& VcPanel::input(Measurement which) const { return inputs_[slotOf(which)]; }

bool VcPanel::ready() const {
  return input(Measurement::Age).value * input(Measurement::Height).value * input(Measurement::Vc).value != 0;
}

bool VcPanel::compute(Sex sex) {
  if (!ready()) {
    return false;
  }
  if (!gridLoaded_) {
    loadGrid();
  }
  basis_ = Basis{sex, input(Measurement::Age).value, input(Measurement::Height).value,
                 input(Measurement::Vc).value};
  results_ = computeReferences(grid_, sex, basis_.age, basis_.height, basis_.vc);
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
