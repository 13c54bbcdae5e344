// The risk score form of the main window, driven with real clicks: marks,
// points cells, totals and levels, read back as window texts and as pixels.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

constexpr int totalCellId = 1036;

int option1Id(int factor) { return 1014 + factor; }
int cellId(int factor) { return 1028 + factor; }

// Points of option 1 by factor number; option 2 is always worth 0.
constexpr int option1Points[8] = {0, 3, 3, 5, 1, 4, 2, 4};

// Factor numbers top to bottom on the screen.
const std::vector<int> screenOrder = {1, 3, 7, 5, 2, 6, 4};

testing::AssertionResult rowShows(const Program& program, int factor, int choice) {
  return choiceShows(program.mainWindow(), factor, choice, option1Points[factor]);
}

// The total cell: its text in black on its level colour, the total's digits
// starting at x 30 (one digit) or x 25 (two digits), the level text ending
// short of the cell's right part.
testing::AssertionResult totalShows(const Program& program, const std::wstring& expected, COLORREF fill) {
  const int x = expected.size() > 1 && expected[1] != L' ' ? 25 : 30;
  return cellShows(program.control(totalCellId), expected, {fill, black, red, x, x + 3, 5, 25});
}

testing::AssertionResult allRowsShow(const Program& program, const int (&choices)[8]) {
  for (int factor = 1; factor <= 7; ++factor) {
    if (auto shown = rowShows(program, factor, choices[factor]); !shown) {
      return shown;
    }
  }
  return testing::AssertionSuccess();
}

TEST(RiskForm, FirstChoiceCountsTheSexFactorWhileItsRowIsBlank) {
  const struct {
    const char* name;
    int clickedId;
    int factor;
    int choice;
    const wchar_t* total;
  } cases[] = {
      // Male counts 3 before its row is drawn: 3 + 3.
      {"steroid yes", option1Id(2), 2, 1, L"6 （低リスク）"},
      // The sex cell flips the starting male to female.
      {"sex points cell", cellId(1), 1, 2, L"0 （低リスク）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Program program;
    int choices[8] = {};
    choices[c.factor] = c.choice;
    clickApart(program.control(c.clickedId));
    program.waitFor([&] { return allRowsShow(program, choices) && totalShows(program, c.total, levelLow); });
    EXPECT_TRUE(allRowsShow(program, choices));
    EXPECT_TRUE(totalShows(program, c.total, levelLow));
  }
}

// Every click on a row shows its choice and the new total and leaves the
// other rows as they are: first each blank row's points cell, then every
// button and cell once while every other row is at option 1 and once while
// every other row is at option 2.
TEST(RiskForm, EveryClickShowsItsRowAndTotalAndLeavesTheOtherRows) {
  Program program;
  EXPECT_TRUE(allRowsShow(program, {}));
  EXPECT_EQ(text(program.control(totalCellId)), L"");

  const auto totalFollows = [&](const int* choices) -> testing::AssertionResult {
    int total = 0;
    for (int k = 1; k <= 7; ++k) {
      total += choices[k] == 1 ? option1Points[k] : 0;
    }
    const std::wstring shown = text(program.control(totalCellId));
    if (!shown.starts_with(std::to_wstring(total) + L" ")) {
      return testing::AssertionFailure() << "total " << total << ", shown " << testing::PrintToString(shown);
    }
    return testing::AssertionSuccess();
  };
  // The sex row is blank but already male, so its cell starts with female.
  int choices[8] = {0, 1, 0, 0, 0, 0, 0, 0};
  for (int factor : screenOrder) {
    SCOPED_TRACE(testing::Message() << "first click on the cell of factor " << factor);
    const int choice = factor == 1 ? 2 : 1;
    clickApart(program.control(cellId(factor)));
    choices[factor] = choice;
    program.waitFor([&] { return rowShows(program, factor, choice) && totalFollows(choices); });
    for (int k = 1; k <= 7; ++k) {
      EXPECT_TRUE(rowShows(program, k, choices[k]));
    }
    EXPECT_TRUE(totalFollows(choices));
  }
  expectClicksLeaveTheOtherRows(program, program.mainWindow(), screenOrder, option1Points, choices,
                                totalFollows);
}

// Chooses every factor as given (choice by factor number, 1 or 2) with the
// option buttons, clicking only the rows that change.
void chooseAll(const Program& program, int (&current)[8], const int (&wanted)[8]) {
  for (int factor : screenOrder) {
    if (current[factor] != wanted[factor]) {
      clickApart(program.control((wanted[factor] == 1 ? 1014 : 1021) + factor));
      current[factor] = wanted[factor];
    }
  }
}

TEST(RiskForm, TotalsShowTheirLevelOnItsColour) {
  const struct {
    int choices[8];  // by factor number; slot 0 unused
    const wchar_t* total;
    COLORREF fill;
  } cases[] = {
      {{0, 2, 2, 2, 2, 2, 2, 2}, L"0 （低リスク）", levelLow},
      {{0, 2, 2, 1, 2, 1, 2, 2}, L"9 （低リスク）", levelLow},    // 5 + 4
      {{0, 1, 1, 2, 2, 1, 2, 2}, L"10 （低リスク）", levelLow},   // 3 + 3 + 4
      {{0, 1, 2, 2, 2, 1, 2, 1}, L"11 （中リスク）", levelMid},   // 3 + 4 + 4
      {{0, 1, 2, 1, 2, 1, 1, 2}, L"14 （中リスク）", levelMid},   // 3 + 5 + 4 + 2
      {{0, 1, 1, 1, 2, 1, 2, 2}, L"15 （高リスク）", levelHigh},  // 3 + 3 + 5 + 4
      {{0, 1, 1, 1, 1, 1, 1, 1}, L"22 （高リスク）", levelHigh},  // every factor
      {{0, 1, 1, 2, 2, 1, 2, 2}, L"10 （低リスク）", levelLow},   // back down from high
  };
  Program program;
  int current[8] = {};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.total)));
    chooseAll(program, current, c.choices);
    program.waitFor([&] { return totalShows(program, c.total, c.fill); });
    EXPECT_TRUE(totalShows(program, c.total, c.fill));
    EXPECT_TRUE(allRowsShow(program, c.choices));
  }
}

TEST(RiskForm, CellsShowTheirValuesAgainWhenTheFormRepaints) {
  Program program;
  int current[8] = {};
  const int mixed[8] = {0, 2, 1, 1, 2, 1, 1, 2};  // 3 + 5 + 4 + 2
  chooseAll(program, current, mixed);
  program.waitFor([&] { return totalShows(program, L"14 （中リスク）", levelMid); });
  ASSERT_TRUE(totalShows(program, L"14 （中リスク）", levelMid));

  std::vector<HWND> cells;
  for (int id = cellId(1); id <= totalCellId; ++id) {
    cells.push_back(program.control(id));
  }
  const auto capture = [&] {
    std::vector<Capture> now;
    for (HWND cell : cells) {
      now.emplace_back(clientRectOnScreen(cell));
    }
    return now;
  };
  const std::vector<Capture> before = capture();
  const auto allWhite = [&] {
    for (const Capture& cell : capture()) {
      if (cell.count(white) != cell.width() * cell.height()) {
        return false;
      }
    }
    return true;
  };

  const struct {
    const char* name;
    std::function<void()> repaint;
  } ways[] = {
      {"a window over the form goes away",
       [&] {
         const Cover cover(clientRectOnScreen(program.mainWindow()));
         const ULONGLONG deadline = GetTickCount64() + 2000;
         while (!allWhite() && GetTickCount64() < deadline) {
           pumpMessages(20);
         }
         EXPECT_TRUE(allWhite()) << "the cover did not hide the cells";
       }},
      // What uncovering asks of the window where the system does not keep
      // its picture: Wine restores a covered window from its own copy.
      {"the whole window is invalidated",
       [&] {
         RedrawWindow(program.mainWindow(), nullptr, nullptr,
                      RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    way.repaint();
    program.settle();
    program.waitFor([&] { return capture() == before; });
    const std::vector<Capture> after = capture();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      EXPECT_TRUE(after[i] == before[i]) << "cell " << GetDlgCtrlID(cells[i]);
    }
    EXPECT_TRUE(allRowsShow(program, mixed));
    EXPECT_TRUE(totalShows(program, L"14 （中リスク）", levelMid));
  }
}

TEST(RiskForm, ADoubleClickOnAPointsCellActsOnce) {
  const struct {
    int id;
    int factor;
    int choice;  // after the double click
  } cases[] = {
      {cellId(3), 3, 1},     // nothing -> option 1, not on to option 2
      {cellId(3), 3, 2},     // option 1 -> option 2, not back
      {cellId(1), 1, 2},     // male (still blank) -> female, not back to male
      {option1Id(1), 1, 1},  // 男性 acts once, the same as twice
      {option1Id(5), 5, 1},  // an automatic radio button acts twice, the same as once
      {cellId(5), 5, 2},
  };
  Program program;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "double click on " << c.id);
    const RECT r = clientRectOnScreen(program.control(c.id));
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    clickAt(x, y);
    clickAt(x, y);
    program.waitFor([&] { return rowShows(program, c.factor, c.choice); });
    // Time for a second action to show, had there been one.
    Sleep(150);
    program.settle();
    EXPECT_TRUE(rowShows(program, c.factor, c.choice));
  }
}

}  // namespace
}  // namespace e2e
