#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/forms/forms.h"

namespace tollandra {
namespace {

using Clicks = std::vector<std::pair<int, int>>;  // item, option (0: the item's points cell)

ScoredForm clicked(const FormDefinition& definition, const Clicks& clicks) {
  ScoredForm form(definition);
  for (const auto& [item, option] : clicks) EXPECT_TRUE(form.choose(item, option));
  return form;
}

// The published groups (Sato T, et al., Gen Thorac Cardiovasc Surg 2015;
// 63(3):164-72): low 0-10, intermediate 11-14, high 15-22. Points: male 3,
// steroids 3, history 5, %VC <= 80 1, UIP 4, KL-6 2, segmentectomy 4. Male
// counts from the start, before the sex row is drawn.
TEST(RiskForm, TotalsFallIntoThePublishedBandsAndTwoDigitsStartFurtherLeft) {
  const std::string low = "　（低リスク）", mid = "　（中リスク）", high = "　（高リスク）";
  const struct {
    Clicks clicks;
    int total, x;
    Rgb fill;
    std::string level;
  } cases[] = {
      {{{2, 1}}, 6, 30, levelLow, low},
      {{{1, 0}}, 0, 30, levelLow, low},
      {{{3, 1}, {6, 1}}, 10, 25, levelLow, low},
      {{{1, 2}, {3, 1}, {5, 1}, {6, 1}}, 11, 25, levelMid, mid},
      {{{3, 1}, {5, 1}, {6, 1}}, 14, 25, levelMid, mid},
      {{{3, 1}, {5, 1}, {6, 1}, {4, 0}}, 15, 25, levelHigh, high},
      {{{2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}}, 22, 25, levelHigh, high},
  };
  for (const auto& c : cases) {
    const CellView total{
        true, c.fill, {{std::to_string(c.total), c.x, 5, black, {}}, {c.level, 45, 5, black, {}}}};
    EXPECT_EQ(clicked(riskFormDefinition(), c.clicks).summaryView(totalSummary), total) << c.total;
  }
}

// One point a finding; the total on white, the class 0, 1, or 2 and more on
// its colour.
TEST(HalScore, TotalOnWhiteAndClassOnItsColour) {
  const struct {
    Clicks clicks;
    int total;
    const char* classText;
    Rgb classFill;
  } cases[] = {{{{2, 1}}, 1, " 1", levelMid},
               {{{1, 2}, {2, 2}, {3, 2}}, 0, " 0", levelLow},
               {{{1, 1}, {3, 0}}, 2, "2≧", levelHigh},
               {{{1, 1}, {2, 1}, {3, 1}}, 3, "2≧", levelHigh}};
  for (const auto& c : cases) {
    const ScoredForm form = clicked(halFormDefinition(), c.clicks);
    EXPECT_EQ(form.summaryView(totalSummary),
              (CellView{true, white, {{std::to_string(c.total), 30, 5, black, white}}}));
    EXPECT_EQ(form.summaryView(classSummary),
              (CellView{true, c.classFill, {{c.classText, 25, 5, black, {}}}}));
  }
}

// A points cell turns nothing or option 2 into option 1 and option 1 into
// option 2; only the item clicked is drawn, red for option 1, blue else.
// Items and options a form does not have change nothing.
TEST(ScoredForm, ChoicesMarksAndPointsCells) {
  const struct {
    Clicks clicks;
    int item, choice;
    const char* points;
    Rgb colour;
  } cases[] = {
      {{{3, 0}}, 3, 1, "5", red}, {{{3, 0}, {3, 0}}, 3, 2, "0", blue}, {{{4, 2}, {4, 0}}, 4, 1, "1", red}};
  for (const auto& c : cases) {
    const ScoredForm form = clicked(riskFormDefinition(), c.clicks);
    EXPECT_EQ(form.marks(c.item), (OptionMarks{c.choice == 1, c.choice != 1}));
    for (int k = 1; k <= form.itemCount(); ++k) {
      const CellView drawn{true, white, {{c.points, 30, 10, c.colour, white}}};
      EXPECT_EQ(form.pointsView(k), k == c.item ? drawn : CellView{});
    }
  }
  ScoredForm form(riskFormDefinition());
  for (const auto& [item, option] : Clicks{{0, 1}, {8, 1}, {2, 3}, {2, -1}})
    EXPECT_FALSE(form.choose(item, option));
  EXPECT_EQ(form.total(), 3);
  EXPECT_FALSE(form.summaryView(totalSummary).drawn);
}

}  // namespace
}  // namespace tollandra
