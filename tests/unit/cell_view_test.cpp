#include <gtest/gtest.h>

#include "view/cell_view.h"

namespace tollandra {
namespace {

TEST(CellWindowText, JoinsTheTrimmedRunsWithOneBlank) {
  const struct {
    CellView view;
    const char* text;
  } cases[] = {
      {CellView{true, white, {{"3", 30, 10, red, white}}}, "3"},
      {CellView{true, levelLow, {{"6", 30, 5, black, {}}, {"\xE3\x80\x80（低リスク）", 45, 5, black, {}}}},
       "6 （低リスク）"},
      {CellView{true, levelMid, {{" 1", 25, 5, black, {}}}}, "1"},
      {CellView{
           true, white, {{"   84.4 %", 0, 3, blue, white}, {"      3555 : Baldwin", 70, 3, black, white}}},
       "84.4 % 3555 : Baldwin"},
      {CellView{true, white, {{" \xE3\x80\x80 x \xE3\x80\x80", 0, 0, black, {}}}}, "x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cellWindowText(c.view), c.text);
  }
}

}  // namespace
}  // namespace tollandra
