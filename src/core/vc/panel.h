#pragma once
// The state of the %VC panel: the three measurements as last read, the
// JRS2014 table and the last results with their painted views. The window
// code only moves texts between its controls and this class.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/vc/equations.h"
#include "core/vc/measurement.h"
#include "core/vc/results.h"
#include "core/view/cell_view.h"

namespace tollandra {

class VcPanel {
 public:
  VcPanel();

  // Reads one box's raw text and keeps the outcome; the caller writes
  // reading.text back into the box and then shows reading.message, if any.
  // A box read without a valid value (blank, no number, refused) empties the
  // results on screen: none may stand beside inputs it was not computed from.
  // A refused entry read again unchanged is refused without a message.
  Reading read(Measurement which, std::string_view raw);

  // The box's text is now raw. Unless that is the text the box was left
  // with (the program writing back what it read), the user is changing it:
  // the results go at once, and so does the mark of a refused entry. Whether
  // that changes anything on screen. A box that held nothing and is now
  // empty (its empty mark dropped as it gains the focus) is not changed.
  bool edited(Measurement which, std::string_view raw);

  // Back to the start: no measurement, no result, nothing drawn.
  void clear();

  // value 0 and the sentinel as text until the box has been read.
  const PanelInput& input(Measurement which) const;

  // The box holds a valid value, read and not changed since.
  bool holdsValue(Measurement which) const;

  // The first box from the top that holds a refused entry, which a copy of
  // the record asks to be corrected first; none while no box does.
  std::optional<Measurement> refusedBox() const;

  // All three measurements are given, as read, and no box has been changed
  // since.
  bool ready() const;

  // When ready(), recomputes the three results and their views for the sex,
  // or, with no sex answered, leaves the results empty and asks for it on the
  // line under them. Otherwise does nothing, so the boxes keep what they
  // showed. Returns whether it computed.
  bool compute(std::optional<Sex> sex);

  // Whether the results on screen come from a computation: false before the
  // first one and again once a reading or a change has emptied them.
  bool computed() const;

  // What the last computation used; meaningful once computed(). The boxes
  // may hold other values by now, refused or not yet computable.
  struct Basis {
    Sex sex = Sex::Male;
    double age = 0;
    double height = 0;
    double vc = 0;
  };
  const Basis& basis() const { return basis_; }

  const EquationResult& result(ReferenceEquation equation) const;

  // drawn == false until the first computation.
  const CellView& resultView(ReferenceEquation equation) const;

  // The JRS2014 lower limit of normal and z-score of the last computation,
  // and the line that shows them.
  const LowerLimit& lowerLimit() const { return results_.jrs2014Limit; }
  const CellView& lowerLimitView() const { return lowerLimitView_; }

 private:
  void emptyResults();

  std::array<PanelInput, 3> inputs_;
  std::array<bool, 3> changed_{};  // edited since the box was read
  References results_;
  std::array<CellView, 3> views_;
  CellView lowerLimitView_;
  bool computed_ = false;
  Basis basis_;
};

}  // namespace tollandra
