#include "vc/panel.h"

namespace tollandra {
namespace {

std::size_t measurementSlot(Measurement which) {
  switch (which) {
    case Measurement::Height:
      return 1;
    case Measurement::Vc:
      return 2;
    case Measurement::Age:
      break;
  }
  return 0;
}

}  // namespace

void VcPanel::loadGrid() {
  grid_ = loadJrs2014Grid();
  gridLoaded_ = true;
}

Reading VcPanel::read(Measurement which, std::string_view raw) {
  Reading reading = readMeasurement(raw, inputRule(which));
  PanelInput& stored = inputs_[measurementSlot(which)];
  stored.value = reading.value;
  stored.text = reading.text;
  return reading;
}

const PanelInput& VcPanel::input(Measurement which) const { return inputs_[measurementSlot(which)]; }

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
  for (ReferenceEquation equation :
       {ReferenceEquation::Baldwin, ReferenceEquation::JRS2001, ReferenceEquation::JRS2014}) {
    views_[slot(equation)] = tollandra::resultView(results_.of(equation));
  }
  computed_ = true;
  return true;
}

bool VcPanel::computed() const { return computed_; }

const EquationResult& VcPanel::result(ReferenceEquation equation) const { return results_.of(equation); }

const CellView& VcPanel::resultView(ReferenceEquation equation) const { return views_[slot(equation)]; }

std::size_t VcPanel::slot(ReferenceEquation equation) {
  switch (equation) {
    case ReferenceEquation::JRS2001:
      return 1;
    case ReferenceEquation::JRS2014:
      return 2;
    case ReferenceEquation::Baldwin:
      break;
  }
  return 0;
}

}  // namespace tollandra
