#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace e2e {
namespace {

std::wstring clipboardText() {
  std::wstring text;
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) {
    Sleep(50);
  }
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void enter(const Program& program, int boxId, const std::wstring& value) {
  ASSERT_TRUE(typeOver(program, boxId, value, value));
}

void pressCtrlC(const Program& program) {
  pressKeys({VK_CONTROL, 'C'});
  program.settle();
}

TEST(CopyResults, CtrlCPutsTheWholeResultOnTheClipboard) {
  Program program;
  enter(program, 1000, L"60");
  enter(program, 1001, L"170");
  enter(program, 1002, L"3000");
  click(program.control(1006));
  ASSERT_TRUE(waitUntil([&] { return text(program.control(1039)) == L"72.4 % 4142 : JRS2014"; }));
  ASSERT_TRUE(putOnClipboard(L"before"));
  pressCtrlC(program);
  const std::wstring expected =
      L"術後間質性肺炎の急性増悪リスクスコア計算ツール Tollandra ver.5.2\r\n"
      L"性別：男性 3点\r\n"
      L"リスクスコア：3 （低リスク）\r\n"
      L"計算条件：男性 60 歳 170 cm VC 3000 mL\r\n"
      L"84.4 % 3555 : Baldwin\r\n"
      L"74.8 % 4012 : JRS2001\r\n"
      L"72.4 % 4142 : JRS2014\r\n";
  EXPECT_TRUE(waitUntil([&] { return clipboardText() == expected; })) << clipboardText().size();

  // From the HAL window too, with its answers added.
  program.menu(0);
  HWND hal = program.halWindow();
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(hal); }));
  click(GetDlgItem(hal, 1016));
  ASSERT_TRUE(waitUntil([&] { return text(GetDlgItem(hal, 1058)) == L"1"; }));
  pressCtrlC(program);
  EXPECT_TRUE(waitUntil([&] {
    return clipboardText() ==
           expected + L"HAL 年齢：＞ ７５歳 1点\r\nHAL Total points：1\r\nHAL score：1\r\n";
  })) << clipboardText().size();
}

TEST(CopyResults, CtrlCInABoxWithASelectionCopiesOnlyTheSelection) {
  Program program;
  enter(program, 1001, L"170");
  HWND height = program.control(1001);
  SendMessageW(height, EM_SETSEL, 1, 3);
  pressCtrlC(program);
  EXPECT_TRUE(waitUntil([&] { return clipboardText() == L"70"; })) << clipboardText().size();
}

TEST(CopyResults, AHeldClipboardNeitherHangsNorCrashesTheProgram) {
  Program program;
  click(program.control(1016));
  ASSERT_TRUE(putOnClipboard(L"kept"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  const ULONGLONG start = GetTickCount64();
  pressCtrlC(program);
  EXPECT_TRUE(program.answers());
  EXPECT_LT(GetTickCount64() - start, 3000u);
  CloseClipboard();
  program.settle();
  EXPECT_EQ(clipboardText(), L"kept");
  EXPECT_TRUE(IsWindow(program.mainWindow()));
}

}  // namespace
}  // namespace e2e
