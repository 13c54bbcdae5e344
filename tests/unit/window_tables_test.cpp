#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/forms/forms.h"
#include "core/info/texts.h"
#include "core/text/convert.h"
#include "core/windows/dpi.h"
#include "core/windows/window_tables.h"

namespace tollandra {
namespace {

// What the shell relies on: ids unique in each window and apart from the
// menu's, each role of a control (with its item and option) in one control
// only, and every role that names a form item naming one the form has.
// No text of the program calls the exacerbation 憎悪 (hatred, for 増悪), nor
// names a placeholder person or institution.
TEST(WindowTables, IdsAreUniqueAndRolesNameWhatExists) {
  for (WindowKind kind : {WindowKind::Main, WindowKind::Hal, WindowKind::Introduction, WindowKind::About,
                          WindowKind::References, WindowKind::Ppo}) {
    const int items = kind == WindowKind::Main ? 7 : kind == WindowKind::Hal ? 3 : 0;
    std::set<int> ids;
    std::set<std::tuple<Role, int, int>> roles;
    for (const ControlRow& row : windowTable(kind).controls) {
      EXPECT_TRUE(ids.insert(row.id).second) << row.id;
      EXPECT_TRUE(row.role == Role::Label || roles.insert({row.role, row.item, row.option}).second) << row.id;
      EXPECT_FALSE(commandOf(row.id).has_value()) << row.id;
      const bool formItem = row.role == Role::Option || row.role == Role::Points;
      EXPECT_TRUE(!formItem || (row.item >= 1 && row.item <= items)) << row.id;
      for (const char* wrong : {"憎悪", "山田", "○○", "△△"})
        EXPECT_EQ(row.caption.find(wrong), std::string_view::npos) << row.id;
    }
    EXPECT_EQ(windowTable(kind).title.find("憎悪"), std::string_view::npos);
  }
  for (const AboutLine& line : AboutLines)
    for (const char* wrong : {"憎悪", "山田", "○○", "△△"}) EXPECT_EQ(line.text.find(wrong), std::string_view::npos);
  EXPECT_EQ(controlId(WindowKind::Main, Role::Option, 7, 2), 1028);
  EXPECT_EQ(controlId(WindowKind::Hal, Role::Total), 1056);
  EXPECT_EQ(itemsTopToBottom(WindowKind::Main), (std::vector<int>{1, 3, 7, 5, 2, 6, 4}));
  EXPECT_EQ(findInfoWindow("about_Wnd"), nullptr);
  std::vector<std::string_view> menu;
  for (const CommandRow& row : commandTable()) menu.push_back(row.caption);
  EXPECT_EQ(menu, (std::vector<std::string_view>{"HALスコア", "術後予測肺機能", "新しい患者", "記録をコピー", "参照",
                                                  "About", "閉じる"}));
  EXPECT_EQ(commandOf(1076), Command::TogglePpo);
}

// The items of a list in a document: the lines that start with the bullet,
// after the heading and up to the list's end.
std::vector<std::string> listIn(const std::string& path, std::string_view heading, std::string_view bullet) {
  std::ifstream in(TOLLANDRA_SOURCE_DIR "/" + path);
  std::vector<std::string> items;
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (!inside) {
      inside = line.starts_with(heading);
    } else if (line.starts_with(bullet)) {
      items.push_back(line.substr(bullet.size()));
    } else if (!items.empty()) {
      break;
    }
  }
  return items;
}

// The disclaimer as the introduction shows it, top to bottom: every "・"
// starts a sentence, a line indented by two blanks carries one on.
std::vector<std::string> introductionDisclaimer() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : windowTable(WindowKind::Introduction).controls) rows.push_back(&row);
  std::ranges::sort(rows, {}, [](const ControlRow* row) { return row->box.y; });
  std::vector<std::string> sentences;
  bool inside = false;
  for (const ControlRow* row : rows) {
    const std::string_view line = row->caption;
    if (line.starts_with("●")) {
      inside = line == "●免責";
    } else if (inside && line.starts_with("・")) {
      sentences.emplace_back(line.substr(std::string_view("・").size()));
    } else if (inside && line.starts_with("  ") && !sentences.empty()) {
      sentences.back() += line.substr(2);
    } else if (inside) {
      sentences.emplace_back("?");  // a line of the section that is neither
    } else {
      EXPECT_TRUE(line.starts_with("・") || row->role != Role::Label) << line;  // every other list line too
    }
  }
  return sentences;
}

std::vector<std::string> aboutDisclaimer() {
  std::vector<std::string> sentences;
  bool inside = false;
  for (const AboutLine& line : AboutLines) {
    if (line.text.starts_with("●")) {
      inside = line.text == "●免責";
    } else if (inside) {
      const std::string_view indent = " 　";
      sentences.emplace_back(line.text.starts_with(indent) ? line.text.substr(indent.size()) : "?");
    }
  }
  return sentences;
}

// The five sentences of the disclaimer agree wherever they stand: the
// introduction, the About page, the README and the release's read-me. Each
// place is read as it is laid out, so one dropped bullet or character in any
// of them fails.
TEST(Disclaimer, ReadsTheSameInEveryPlace) {
  const std::vector<std::string> intro = introductionDisclaimer();
  EXPECT_EQ(intro.size(), 5u);
  EXPECT_EQ(aboutDisclaimer(), intro);
  EXPECT_EQ(listIn("README.md", "## Disclaimer", "- "), intro);
  EXPECT_EQ(listIn("docs/package-readme.txt", "■ 免責", "・"), intro);
}

// The About page names the papers the program computes from instead of
// people, and both it and the introduction say plainly that the entries have
// limits of the program's own. Its lines go down the page, each at least a
// line's height (the page font's cell) below the one before, at 100 % and at
// 150 %.
TEST(AboutPage, NamesThePapersAndThePlainLimitsLineUnderLine) {
  const std::string indent = " 　";
  const std::vector<std::string> rows = {
      "●スコアと基準値の論文（出典の一覧は「参照」に）",
      indent + "リスクスコア：Sato T, et al. Gen Thorac Cardiovasc Surg 2015;63(3):164-72",
      indent + "JRS2014・LLN：Kubota M, et al. Respir Investig 2014;52(4):242-250",
      indent + "HAL スコア：Eur Respir J 2023;61(5):2201634",
      indent + "ppoFEV1・ppoDLco（ACCP 2013）：Brunelli A, et al. Chest 2013;143(5 Suppl):e166S-e190S",
      indent + "年齢、身長などには本アプリ独自の入力制限があります。"};
  for (std::size_t k : {8u, 9u, 10u, 11u, 12u, 14u})
    EXPECT_EQ(AboutLines[k].text, rows[k == 14 ? 5 : k - 8]) << "row " << k + 1;
  EXPECT_EQ(findControl(WindowKind::Introduction, 1052)->caption, "・年齢、身長などには本アプリ独自の入力制限があります。");
  EXPECT_EQ(findControl(WindowKind::Hal, 1003)->caption, "合計点");
  EXPECT_EQ(findControl(WindowKind::Hal, 1014)->caption, "HAL スコア");
  for (int dpi : {96, 144}) {
    const int lineHeight = scaled(fontRow(FontKind::AboutPage).height, dpi);
    for (std::size_t k = 1; k < AboutLines.size(); ++k) {
      const int above = scaled(static_cast<int>(TextToNumber(AboutLines[k - 1].y)), dpi);
      EXPECT_GE(scaled(static_cast<int>(TextToNumber(AboutLines[k].y)), dpi) - above, lineHeight) << k + 1;
    }
  }
}

}  // namespace
}  // namespace tollandra
