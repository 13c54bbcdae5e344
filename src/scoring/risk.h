#pragma once
// The seven-factor risk score of an acute exacerbation after lung surgery.

#include <array>
#include <string_view>

#include "scoring/scored_item.h"
#include "view/cell_view.h"

namespace tollandra {

inline constexpr int factorCount = 7;
inline constexpr int sexFactor = 1;

struct FactorInfo {
  std::string_view label;  // row label as shown, with its trailing " ："
  std::string_view option1;
  std::string_view option2;
  std::uint8_t points1;
  int rowY;  // y of the row in the main window
};

// Factors 1 to 7 (index 0 is factor 1). Option 1 always scores.
extern const std::array<FactorInfo, factorCount> factorInfo;

// Factor numbers from the top of the form to the bottom.
extern const std::array<int, factorCount> factorScreenOrder;

enum class RiskLevel { Low, Intermediate, High };
RiskLevel riskLevel(int total);
std::string_view riskLevelText(RiskLevel level);

class RiskForm {
 public:
  RiskForm();

  void setFactorChoice(int factor, int option);
  void toggleFactorChoice(int factor);

  const ScoredItem& factor(int factor) const;
  int totalScore() const;

  // What the cells showed when they were last drawn (blank before that).
  const CellView& pointsView(int factor) const;
  const CellView& totalView() const;

 private:
  void drawFactorRow(int factor);
  void drawTotal();

  std::array<ScoredItem, factorCount> FactorTable;
  std::array<CellView, factorCount> points_;
  CellView total_;
};

}  // namespace tollandra
