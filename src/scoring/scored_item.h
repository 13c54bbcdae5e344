#pragma once
// A finding answered by one of two options, each worth fixed points: the
// shape shared by the risk factors and the HAL items.

#include <cstdint>

#include "view/cell_view.h"

namespace tollandra {

struct ScoredItem {
  std::uint8_t choice = 0;  // 0 nothing chosen, 1 option 1, 2 option 2
  std::uint8_t points1 = 0;
  std::uint8_t points2 = 0;
  bool operator==(const ScoredItem&) const = default;
};

// Points of the chosen option; 0 while nothing is chosen.
int chosenPoints(const ScoredItem& item);

// A click on a points cell: nothing or option 2 becomes option 1, option 1
// becomes option 2.
std::uint8_t toggledChoice(std::uint8_t choice);

// The points cell of a drawn item: red for option 1, blue otherwise.
CellView pointsCellView(const ScoredItem& item);

// The check marks both option buttons get whenever the item is drawn.
struct OptionMarks {
  bool option1 = false;
  bool option2 = false;
  bool operator==(const OptionMarks&) const = default;
};
OptionMarks optionMarks(const ScoredItem& item);

}  // namespace tollandra
