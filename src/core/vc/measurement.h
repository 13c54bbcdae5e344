#pragma once
// Reading the three typed measurements of the %VC panel: cleaning, limits,
// the sentinel a box shows when it holds no value, and the refusal message.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/view/message.h"

namespace tollandra {

// Numbered from 1 in the order the boxes are read.
enum class Measurement { Age = 1, Height, Vc };
inline constexpr Measurement allMeasurements[] = {Measurement::Age, Measurement::Height, Measurement::Vc};

// Character positions in a box's text, from start up to end.
struct Selection {
  int start = 0;
  int end = 0;
};

// Limits are inclusive.
struct InputRule {
  std::string_view sentinel;  // what the box shows while it holds no value
  double lower;
  double upper;
  std::string_view name;                    // "身長", as the record and the messages name it
  std::string_view caption;                 // title of the refusal message
  std::string_view limits;                  // "年齢は 17 ～ 100 歳で", as the message asks for it
  std::optional<Selection> focusSelection;  // what is selected when the box gains the focus
};

const InputRule& inputRule(Measurement which);

struct PanelInput {
  double value = 0;      // 0 = not given or refused
  std::string text;      // what the box shows after its last reading
  bool refused = false;  // the text is an entry refused with its message
  bool operator==(const PanelInput&) const = default;
};

struct Reading {
  double value = 0;
  std::string text;                       // to write back into the box
  std::optional<Message> message;         // to show after writing back
  bool refused = false;                   // the box keeps the entry as typed, marked
  bool operator==(const Reading&) const = default;
};

// Whether a character typed into a box goes in: a digit, half- or
// full-width; a decimal point (".", "．", "。" or "｡") while the text the box
// keeps beside the selection it replaces has none; an editing key (Backspace,
// Ctrl+A, C, V, X, Z). Anything else is dropped. Pasted text is not filtered
// here: its reading cleans it.
[[nodiscard]] bool acceptsTyped(std::string_view kept, char32_t typed);

// The measurement's name with a particle after it, a blank between a Latin
// name and the kana: "身長が未入力", "VC が未入力".
[[nodiscard]] std::string nameWith(const InputRule& rule, std::string_view particle);

// Whether a box's text is only its empty mark ("**"), which the box drops
// the moment it gains the focus, so typing and pasting start from nothing.
[[nodiscard]] bool showsEmptyMark(Measurement which, std::string_view text);

// Entries longer than this many characters are cut short in the message.
inline constexpr std::size_t quotedEntryLimit = 32;

// The entry as a refusal quotes it, cut short after quotedEntryLimit
// characters, for the refusals that other boxes add to these.
std::string quotedEntry(std::string_view raw);

// Decides what a box's raw text means. Full-width digits, commas and full
// stops ("６０", "１７０。５") read as their ASCII forms; commas are dropped,
// so "2,480" is one number. One number with words or units around it
// ("165.5cm") is read, and its digits and points are written back, always
// ASCII. Empty, digitless or sentinel text is silent and reads as 0. Digits
// that form two numbers or more ("158.5cm 52kg", "1.2.3"), and a number
// outside the limits (or too long to be finite), read as 0 with a message
// that quotes the entry: the box keeps it as typed, to be corrected.
Reading readMeasurement(std::string_view raw, const InputRule& rule);

// The warning when a record cannot be copied because a box holds an entry
// refused as raw: the entry quoted and cut as its own refusal quotes it.
[[nodiscard]] Message copyRefusal(const InputRule& rule, std::string_view raw);

}  // namespace tollandra
