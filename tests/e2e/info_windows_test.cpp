#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace e2e {
namespace {

void expectPlacedAt(HWND window, int x, int y, int width, int height) {
  const RECT r = windowRect(window);
  EXPECT_EQ(r.left, x);
  EXPECT_EQ(r.top, y);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

// Opens About (menu item 2) or the references (menu item 1) as a user does.
HWND openInfo(const Program& program, int menuIndex, const wchar_t* title) {
  program.menu(menuIndex);
  return program.waitWindow(L"NORMALDLG", title);
}

bool closedAndOwnerBack(const Program& program) {
  return waitUntil(
      [&] { return program.findWindow(L"NORMALDLG") == nullptr && IsWindowEnabled(program.mainWindow()); });
}

bool hasPixel(const RECT& r, bool (*matches)(COLORREF)) { return Capture(r).any(matches); }

// Closes an information window by its close box or by its 閉じる button.
void closeInfo(HWND window, bool byCloseBox) {
  if (byCloseBox) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else {
    click(GetDlgItem(window, 1059));
  }
}

TEST(Introduction, OpensOnceCentredOverTheDisabledMainWindow) {
  Program program(false);
  HWND intro = program.waitWindow(L"NORMALDLG", L"初めに");
  ASSERT_NE(intro, nullptr);
  expectPlacedAt(intro, 413, 104, 540, 560);
  EXPECT_FALSE(IsWindowEnabled(program.mainWindow()));
  EXPECT_EQ(GetWindow(intro, GW_OWNER), program.mainWindow());
  EXPECT_FALSE(GetWindowLongW(intro, GWL_STYLE) & WS_SYSMENU);

  const struct {
    int id;
    const wchar_t* text;
  } controls[] = {
      {1043, L"始める"},
      {1044, L"終了"},
      {1045, L"●免責"},
      {1046, L"・本アプリの利用に当たっては、各自の責任においてご利用下さい。"},
      {1047, L"・本アプリを使用したことによって生じたすべての障害、損害、不具合等に関して"},
      {1048, L"  当方は一切責任を負いません。"},
      {1041, L"・本アプリで表示している値は公式な値と合致することを保証するものではありません。"},
      {1049, L"・本アプリの内容、情報は古くなったり、誤情報が入っている可能性もあります。"},
      {1050, L"・本アプリで紹介している情報、サービス等に関しても一切責任を負いません。"},
      {1051, L"●注意"},
      {1052, L"・年齢、身長など勝手な入力制限があります。"},
      {1053, L"・画面解像度の設定によっては画面がずれて表示される事があります。"},
      {1054, L"・本アプリのサポートはありません。"},
      {1055, L"●術後間質性肺炎の急性憎悪リスクスコアを求めます。"},
  };
  for (const auto& c : controls) {
    EXPECT_EQ(text(GetDlgItem(intro, c.id)), c.text) << c.id;
  }
  // The title bitmap is black text on white, centred in its 360 x 90 control.
  const RECT bitmap = clientRectOnScreen(GetDlgItem(intro, 1042));
  EXPECT_EQ(bitmap.right - bitmap.left, 360);
  EXPECT_EQ(screenPixel(bitmap.left + 3, bitmap.top + 3), RGB(255, 255, 255));
  EXPECT_TRUE(hasPixel({bitmap.left + 100, bitmap.top + 20, bitmap.left + 260, bitmap.top + 40}, isBlack));

  click(GetDlgItem(intro, 1043));
  ASSERT_TRUE(closedAndOwnerBack(program));
  // Whatever the main window does when it is uncovered and active again must
  // not bring the introduction back.
  {
    const Cover cover(windowRect(program.mainWindow()), WHITE_BRUSH, true);
    pumpMessages(300);
  }
  pumpMessages(300);
  program.settle();
  Sleep(300);
  EXPECT_EQ(program.findWindow(L"NORMALDLG"), nullptr);
  EXPECT_TRUE(IsWindowEnabled(program.mainWindow()));
}

TEST(Introduction, CloseRequestActsLikeStartAndMovesBackWhenDragged) {
  Program program(false);
  HWND intro = program.waitWindow(L"NORMALDLG", L"初めに");
  ASSERT_NE(intro, nullptr);
  SetWindowPos(intro, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(intro, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(waitUntil([&] { return windowRect(intro).left == 413 && windowRect(intro).top == 104; }));
  PostMessageW(intro, WM_CLOSE, 0, 0);
  ASSERT_TRUE(closedAndOwnerBack(program));
  click(program.control(1016));
  EXPECT_TRUE(waitUntil([&] { return isChecked(program.control(1016)); }));
}

TEST(AboutWindow, OpensAgainstTheMainWindowWithRedLinesOnWhite) {
  Program program;
  for (bool byCloseBox : {false, true}) {
    HWND about = openInfo(program, 2, L"About");
    ASSERT_NE(about, nullptr);
    expectPlacedAt(about, 323, 64, 620, 545);
    EXPECT_FALSE(IsWindowEnabled(program.mainWindow()));
    EXPECT_EQ(text(GetDlgItem(about, 1059)), L"閉じる");
    const RECT client = clientRectOnScreen(about);
    EXPECT_EQ(screenPixel(client.left + 5, client.top + 300), RGB(255, 255, 255));
    EXPECT_EQ(screenPixel(client.right - 5, client.top + 5), RGB(255, 255, 255));
    // Row 1 at (40, 20): its text is red.
    EXPECT_TRUE(hasPixel({client.left + 40, client.top + 20, client.left + 200, client.top + 34}, isRed));
    // The longest line (y 120) is painted far to the right, not cut where
    // the window was before it placed itself.
    EXPECT_TRUE(hasPixel({client.left + 450, client.top + 118, client.right, client.top + 136}, isRed));

    // Dragged away, it comes back against the main window at its next paint.
    SetWindowPos(about, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(about, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(waitUntil([&] { return windowRect(about).left == 323 && windowRect(about).top == 64; }));

    closeInfo(about, byCloseBox);
    ASSERT_TRUE(closedAndOwnerBack(program)) << byCloseBox;
  }
}

TEST(ReferencesWindow, ShowsTheSourcesAndUndoesTypingAtTheNextRepaint) {
  const struct {
    int id;
    const wchar_t* text;
  } boxes[] = {
      {1060, L"●厚生労働科学研究費補助金（難治性疾患等政策研究事業）  間質性肺炎合併肺癌部会報告"},
      {1061, L"https://mhlw-grants.niph.go.jp/project/25943"},
      {1062, L"●ＨＡＬスコア ： 3 つの項目で間質性肺炎の急性増悪を予測 （報道発表） 浜松医科大学"},
      {1063, L"https://www.hama-med.ac.jp/topics/2023/28896.html"},
      {1064, L"●BaldwinED,CournandA,RichardsDW."},
      {1065,
       L"Pulmonary insufficiency. I. Physiological classification, clinical methods of analysis,standard "
       L"values in normal subjects.    Medicine 1948 Sep;27(3):243-78."},
      {1066, L"●日本人のスパイログラムと動脈血液ガス分圧基準値 日本呼吸器学会肺生理専門委員会"},
      {1067, L"https://www.jrs.or.jp/modules/guidelines/index.php?content_id=12"},
      {1068, L"●ＬＭＳ法による日本人のスパイロメトリー新基準値  日本呼吸器学会肺生理専門委員会"},
      {1069, L"https://jrs.or.jp/activities/guidelines/statement/20160721155500.html"},
  };
  Program program;
  for (bool byCloseBox : {true, false}) {
    HWND references = openInfo(program, 1, L"参照");
    ASSERT_NE(references, nullptr);
    expectPlacedAt(references, 323, 64, 600, 460);
    EXPECT_FALSE(IsWindowEnabled(program.mainWindow()));
    EXPECT_TRUE(GetWindowLongW(references, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    // White from edge to edge, above the first box and between two boxes.
    const RECT page = clientRectOnScreen(references);
    for (int y : {10, 110}) {
      const Capture row({page.left, page.top + y, page.right, page.top + y + 2});
      EXPECT_TRUE(row.uniform(0, 0, row.width(), row.height(), white)) << y;
    }
    for (const auto& box : boxes) {
      EXPECT_EQ(text(GetDlgItem(references, box.id)), box.text) << box.id;
    }
    HWND title = GetDlgItem(references, 1064);
    click(title);
    program.settle();
    SendMessageW(title, EM_SETSEL, 0, -1);
    typeText(L"xyz");
    ASSERT_TRUE(waitUntil([&] { return text(title) == L"xyz"; }));
    RedrawWindow(references, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(waitUntil([&] { return text(title) == L"●BaldwinED,CournandA,RichardsDW."; }));
    closeInfo(references, byCloseBox);
    ASSERT_TRUE(closedAndOwnerBack(program));
  }
}

TEST(InfoWindows, PendingReadingFinishesBeforeTheWindowOpens) {
  Program program;
  HWND age = program.control(1000);
  ASSERT_TRUE(typeOver(program, 1000, L"5", L"5"));
  program.menu(2);
  HWND box = program.waitWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  // The refusal comes first, with the About window not yet open.
  EXPECT_EQ(program.findWindow(L"NORMALDLG"), nullptr);
  EXPECT_EQ(answerMessageBox(box).title, L"年齢（ 17 - 100 才 ）");
  HWND about = program.waitWindow(L"NORMALDLG", L"About");
  ASSERT_NE(about, nullptr);
  click(GetDlgItem(about, 1059));
  ASSERT_TRUE(closedAndOwnerBack(program));
  EXPECT_EQ(text(age), L"**");
}

// A GDI object or DC leaked per paint shows as working-set growth long
// before Wine's 65 000-handle table runs out (a font leaked per paint grows
// it by several MiB within these counts). The references repaint their ten
// boxes each time, so fewer of their paints fit the time.
constexpr int aboutPaints = 5000;
constexpr int referencesPaints = 800;

TEST(InfoWindows, RepeatedOpeningAndPaintingLeaksNothing) {
  Program program;
  HWND main = program.mainWindow();
  const SIZE_T before = program.workingSet();
  for (int round = 0; round < 100; ++round) {
    const bool about = round % 2 == 0;
    PostMessageW(main, WM_COMMAND, about ? 1072 : 1071, 0);
    HWND window = program.waitWindow(L"NORMALDLG", about ? L"About" : L"参照");
    ASSERT_NE(window, nullptr) << round;
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(closedAndOwnerBack(program)) << round;
  }
  for (bool about : {true, false}) {
    PostMessageW(main, WM_COMMAND, about ? 1072 : 1071, 0);
    HWND window = program.waitWindow(L"NORMALDLG", about ? L"About" : L"参照");
    ASSERT_NE(window, nullptr);
    for (int paint = 0; paint < (about ? aboutPaints : referencesPaints); ++paint) {
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    program.settle();
    const RECT client = clientRectOnScreen(window);
    EXPECT_EQ(screenPixel(client.left + 5, client.top + 300), RGB(255, 255, 255));
    if (about) {
      EXPECT_TRUE(hasPixel({client.left + 40, client.top + 20, client.left + 200, client.top + 34}, isRed));
    } else {
      EXPECT_EQ(text(GetDlgItem(window, 1069)),
                L"https://jrs.or.jp/activities/guidelines/statement/20160721155500.html");
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(closedAndOwnerBack(program));
  }
  const SIZE_T after = program.workingSet();
  EXPECT_LT(after, before + 2 * 1024 * 1024) << "working set grew from " << before << " to " << after;
}

}  // namespace
}  // namespace e2e
