#include "scoring/hal.h"

#include <stdexcept>
#include <string>

#include "text/convert.h"

namespace tollandra {

const std::array<HalItemInfo, halItemCount> halItemInfo = {{
    {"胸部ＣＴでの蜂巣肺(H)", "あり　", "　なし"},
    {"年齢", "＞ ７５歳　", "　≦ ７５ 歳"},
    {"ＬＤＨ", "＞２２２ U/L ", "　≦ ２２２ U/L"},
}};

std::string_view halClassText(int total) {
  if (total > 1) {
    return "2≧";
  }
  return total == 1 ? " 1" : " 0";
}

namespace {

std::size_t slot(int item) {
  if (item < 1 || item > halItemCount) {
    throw std::out_of_range("HAL item number");
  }
  return static_cast<std::size_t>(item - 1);
}

Rgb classColor(int total) {
  if (total > 1) {
    return levelHigh;
  }
  return total == 1 ? levelMid : levelLow;
}

}  // namespace

HalScore::HalScore() {
  for (ScoredItem& entry : HalItemTable) {
    entry = ScoredItem{0, 1, 0};
  }
}

void HalScore::setChoice(int item, int option) {
  if (option != 1 && option != 2) {
    throw std::invalid_argument("option");
  }
  HalItemTable[slot(item)].choice = static_cast<std::uint8_t>(option);
  refresh(item);
}

void HalScore::toggleChoice(int item) {
  ScoredItem& entry = HalItemTable[slot(item)];
  entry.choice = toggledChoice(entry.choice);
  refresh(item);
}

const ScoredItem& HalScore::item(int item) const { return HalItemTable[slot(item)]; }

const CellView& HalScore::pointsView(int item) const { return points_[slot(item)]; }

void HalScore::refresh(int item) {
  points_[slot(item)] = pointsCellView(HalItemTable[slot(item)]);
  halTotal_ = 0;
  for (const ScoredItem& entry : HalItemTable) {
    halTotal_ += chosenPoints(entry);
  }
  totalView_ = CellView{true, white, {TextRun{NumberToText(halTotal_), 30, 5, black, white}}};
  classView_ = CellView{
      true, classColor(halTotal_), {TextRun{std::string(halClassText(halTotal_)), 25, 5, black, {}}}};
}

}  // namespace tollandra
