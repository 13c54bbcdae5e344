#pragma once
// The four boxes of the postoperative prediction: FEV1, %DLco and the two
// segment counts, read by the rules of the %VC boxes. A count of 0 is a
// value, so a box tells "given" by its text, never by its value.

#include <array>
#include <string_view>

#include "core/vc/measurement.h"

namespace tollandra {

// Numbered from 1 in the order the boxes are read and Tab goes.
enum class PpoInput { Fev1 = 1, Dlco, Resected, Obstructed };
inline constexpr PpoInput allPpoInputs[] = {PpoInput::Fev1, PpoInput::Dlco, PpoInput::Resected,
                                            PpoInput::Obstructed};

// The segments of both lungs: right upper lobe 3, middle 2, right lower 5,
// left upper division 3, lingula 2, left lower lobe 4.
inline constexpr int totalSegments = 19;

const InputRule& ppoInputRule(PpoInput which);

class PpoPanel {
 public:
  PpoPanel();

  // Reads one box's raw text and keeps the outcome; the caller writes
  // reading.text back into the box and then shows reading.message, if any.
  // A count must be whole, and the two counts together at most 19: the box
  // being read is refused when they would exceed it. A refused entry read
  // again unchanged is refused without a second message, unless the other
  // count has changed so that it now stands.
  Reading read(PpoInput which, std::string_view raw);

  // The box's text is now raw. The program writing back what it read is no
  // edit, nor is a box that showed its empty mark emptied. Otherwise the box
  // no longer counts until it is read again, and loses the mark of a refused
  // entry. Whether it was an edit.
  bool edited(PpoInput which, std::string_view raw);

  // Every box empty.
  void clear();

  // value 0 and the empty mark as text until the box has been read.
  const PanelInput& input(PpoInput which) const;

  // The box holds a value as read (0 included for the counts), not refused
  // and not changed since.
  bool given(PpoInput which) const;

  // The box holds a value as read, or nothing, and has not been changed
  // since: what the obstructed count needs, since empty counts as 0.
  bool settled(PpoInput which) const;

 private:
  std::array<PanelInput, 4> inputs_;
  std::array<bool, 4> changed_{};  // edited since the box was read
};

}  // namespace tollandra
