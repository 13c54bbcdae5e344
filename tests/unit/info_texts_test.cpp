#include <gtest/gtest.h>

#include <set>
#include <string>

#include "info/texts.h"
#include "text/convert.h"

namespace tollandra {
namespace {

TEST(InfoWindows, KeysMatchExactlyAndCaseSensitively) {
  const struct {
    const char* key;
    bool known;
    const char* title;
    int width, height;
  } cases[] = {
      {"HajimeniWnd", true, "初めに", 540, 560}, {"About_Wnd", true, "About", 620, 545},
      {"Sansyou_Wnd", true, "参照", 600, 460},   {"about_wnd", false, "", 0, 0},
      {"About_Wnd ", false, "", 0, 0},           {"", false, "", 0, 0},
  };
  for (const auto& c : cases) {
    const InfoWindowInfo* info = findInfoWindow(c.key);
    ASSERT_EQ(info != nullptr, c.known) << c.key;
    if (info != nullptr) {
      EXPECT_EQ(info->title, c.title);
      EXPECT_EQ(info->width, c.width);
      EXPECT_EQ(info->height, c.height);
    }
  }
}

TEST(AboutLines, StepByTwentyWithGapsBeforeEachHeading) {
  const int expectedY[] = {20,  40,  80,  100, 120, 140, 160, 180, 220,
                           240, 260, 280, 320, 340, 360, 380, 400, 420};
  const std::string indent = " \u3000";
  const std::set<int> headings = {0, 2, 8, 12};  // rows without the indent
  for (std::size_t i = 0; i < AboutLines.size(); ++i) {
    EXPECT_EQ(static_cast<int>(TextToNumber(AboutLines[i].y)), expectedY[i]) << "row " << i + 1;
    const std::string text(AboutLines[i].text);
    if (headings.count(static_cast<int>(i)) != 0) {
      EXPECT_TRUE(text.starts_with("●")) << text;
    } else if (i < 16) {
      EXPECT_TRUE(text.starts_with(indent)) << "row " << i + 1;
    }
  }
  EXPECT_EQ(AboutLines[1].text, indent + "Tollandra.exe  ver.5.2");
  EXPECT_EQ(AboutLines[16].text, "   ");
  std::string rule = "   ";
  for (int i = 0; i < 41; ++i) {
    rule += "\xEF\xBC\x8D";  // full-width hyphen-minus
  }
  EXPECT_EQ(AboutLines[17].text, rule);
}

TEST(AboutLines, PeopleAreWrittenNameThenAffiliationInFullWidthParentheses) {
  for (std::size_t row : {9u, 10u, 11u}) {
    const std::string text(AboutLines[row].text);
    const std::size_t space = text.find("\u3000", 4);  // between family and given name
    const std::size_t open = text.find("（");
    EXPECT_NE(space, std::string::npos) << text;
    EXPECT_NE(open, std::string::npos) << text;
    EXPECT_LT(space, open) << text;
    EXPECT_TRUE(text.ends_with("）")) << text;
  }
}

TEST(ReferenceLines, EachEntryHasItsTwoBoxesInOrder) {
  const struct {
    int entry, line, id;
  } cases[] = {{1, 1, 1060}, {1, 2, 1061}, {2, 1, 1062}, {3, 2, 1065}, {4, 1, 1066}, {5, 2, 1069}};
  for (const auto& c : cases) {
    EXPECT_EQ(referenceBoxId(c.entry, c.line), c.id);
  }
  for (const auto& entry : ReferenceLines) {
    EXPECT_TRUE(std::string(entry[0]).starts_with("●")) << entry[0];
    EXPECT_FALSE(entry[1].empty());
  }
  for (std::size_t entry : {0u, 1u, 3u, 4u}) {
    EXPECT_TRUE(ReferenceLines[entry][1].starts_with("https://")) << ReferenceLines[entry][1];
  }
  EXPECT_TRUE(ReferenceLines[2][1].ends_with("Medicine 1948 Sep;27(3):243-78."));
}

}  // namespace
}  // namespace tollandra
