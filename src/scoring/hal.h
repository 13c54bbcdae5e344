#pragma once
// The HAL score: honeycombing on chest CT, age over 75 years, LDH above
// 222 U/L, one point each; class 0, 1, or 2 and more.

#include <array>
#include <string_view>

#include "scoring/scored_item.h"
#include "view/cell_view.h"

namespace tollandra {

inline constexpr int halItemCount = 3;

struct HalItemInfo {
  std::string_view label;
  std::string_view option1;
  std::string_view option2;
};

extern const std::array<HalItemInfo, halItemCount> halItemInfo;

// The class as the class cell writes it: "2≧", " 1" or " 0".
std::string_view halClassText(int total);

class HalScore {
 public:
  HalScore();

  void setChoice(int item, int option);
  void toggleChoice(int item);

  const ScoredItem& item(int item) const;
  int halTotal() const { return halTotal_; }
  bool answered() const { return totalView_.drawn; }

  const CellView& pointsView(int item) const;
  const CellView& totalView() const { return totalView_; }
  const CellView& classView() const { return classView_; }

 private:
  void refresh(int item);

  std::array<ScoredItem, halItemCount> HalItemTable;
  std::array<CellView, halItemCount> points_;
  int halTotal_ = 0;
  CellView totalView_;
  CellView classView_;
};

}  // namespace tollandra
