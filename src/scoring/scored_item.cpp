#include "scoring/scored_item.h"

#include "text/convert.h"

namespace tollandra {

int chosenPoints(const ScoredItem& item) {
  switch (item.choice) {
    case 1:
      return item.points1;
    case 2:
      return item.points2;
    default:
      return 0;
  }
}

std::uint8_t toggledChoice(std::uint8_t choice) { return static_cast<std::uint8_t>(choice % 2 + 1); }

CellView pointsCellView(const ScoredItem& item) {
  const Rgb color = item.choice == 1 ? red : blue;
  return CellView{true, white, {TextRun{NumberToText(chosenPoints(item)), 30, 10, color, white}}};
}

OptionMarks optionMarks(const ScoredItem& item) { return {item.choice == 1, item.choice != 1}; }

}  // namespace tollandra
