#include <gtest/gtest.h>

#include <set>

#include "core/forms/forms.h"
#include "core/windows/window_tables.h"

namespace tollandra {
namespace {

// What the shell relies on: ids unique in each window and apart from the
// menu's, and every role that names a form item naming one the form has.
TEST(WindowTables, IdsAreUniqueAndRolesNameWhatExists) {
  for (WindowKind kind : {WindowKind::Main, WindowKind::Hal, WindowKind::Introduction, WindowKind::About,
                          WindowKind::References}) {
    const int items = kind == WindowKind::Main ? 7 : kind == WindowKind::Hal ? 3 : 0;
    std::set<int> ids;
    for (const ControlRow& row : windowTable(kind).controls) {
      EXPECT_TRUE(ids.insert(row.id).second) << row.id;
      EXPECT_FALSE(commandOf(row.id).has_value()) << row.id;
      const bool formItem = row.role == Role::Option || row.role == Role::Points;
      EXPECT_TRUE(!formItem || (row.item >= 1 && row.item <= items)) << row.id;
    }
  }
  EXPECT_EQ(controlId(WindowKind::Main, Role::Option, 7, 2), 1028);
  EXPECT_EQ(controlId(WindowKind::Hal, Role::Total), 1056);
  EXPECT_EQ(itemsTopToBottom(WindowKind::Main), (std::vector<int>{1, 3, 7, 5, 2, 6, 4}));
  EXPECT_EQ(findInfoWindow("about_Wnd"), nullptr);
}

}  // namespace
}  // namespace tollandra
