#include "core/windows/window_tables.h"

#include <algorithm>
#include <array>

#include "core/forms/forms.h"
#include "core/info/texts.h"
#include "core/ppo/panel.h"
#include "core/vc/equations.h"
#include "core/vc/measurement.h"

namespace tollandra {
namespace {

using namespace style;
using enum ControlClass;
using enum Role;

constexpr std::uint32_t option1Style = leftText | buttonRight | buttonVCenter;
constexpr std::uint32_t cellStyle = ownerDrawButton | buttonCenter | buttonVCenter;
// Every option is a plain radio button, a group of its own: the program sets
// both marks of an item itself on every change, and a plain radio button
// that gains the focus never checks itself (an automatic one does, on
// Windows), so moving the focus through the form answers nothing.
constexpr std::uint32_t option1 = group | radioButton | option1Style;
constexpr std::uint32_t option2 = group | radioButton | buttonVCenter;
constexpr std::uint32_t frame = exDlgModalFrame;
constexpr std::uint32_t edge = exStaticEdge;

constexpr const Item& risk(int factor) { return riskItems[static_cast<std::size_t>(factor - 1)]; }
constexpr const Item& hal(int item) { return halItems[static_cast<std::size_t>(item - 1)]; }
constexpr int measurement(Measurement which) { return static_cast<int>(which); }
constexpr int equation(ReferenceEquation which) { return static_cast<int>(which); }
constexpr int ppo(PpoInput which) { return static_cast<int>(which); }

// One row a control, as the tables are read.
// clang-format off

// Rows of the risk form, top to bottom: factor 1 (y 20), 3, 7, 5, 2, 6, 4;
// ids follow the factor number, not the screen order.
constexpr std::array<ControlRow, 45> mainControls = {{
    // Scrolling sideways lets a long paste in whole, so the reading sees and
    // refuses it rather than a silently cut copy.
    {1000, Edit, "**", {190, 505, 80, 25}, editCenter | editAutoHScroll, exClientEdge, MeasurementBox,
     measurement(Measurement::Age)},
    {1001, Edit, "***", {190, 545, 80, 25}, editCenter | editAutoHScroll, exClientEdge, MeasurementBox,
     measurement(Measurement::Height)},
    {1002, Edit, "****", {190, 585, 80, 25}, editCenter | editAutoHScroll, exClientEdge, MeasurementBox,
     measurement(Measurement::Vc)},
    {1003, Static, "年齢（17 - 100 歳）", {5, 508, 180, 20}, staticRight},
    {1004, Static, "VC（1,000 - 6,000 mL）", {6, 589, 180, 20}, staticRight},
    {1005, Static, "身長（94 - 210 cm）", {5, 548, 180, 20}, staticRight},
    {1006, Button, "%VC 計算  → ", {280, 545, 110, 25}, pushButton | buttonCenter, 0, Compute},
    {1007, Static, risk(1).label, {10, 30, 210, 20}, staticRight},
    {1008, Static, risk(2).label, {10, 230, 210, 20}, staticRight},
    {1009, Static, risk(3).label, {10, 80, 210, 20}, staticRight},
    {1010, Static, risk(4).label, {10, 330, 210, 25}, staticRight},
    {1011, Static, risk(5).label, {10, 180, 210, 20}, staticRight},
    {1012, Static, risk(6).label, {10, 280, 210, 20}, staticRight},
    {1013, Static, risk(7).label, {10, 130, 210, 20}, staticRight},
    {1014, Static,
     "------------------------------------------------"
     "   参考 （ ＊表記外の入力制限があります ）",
     {34, 440, 600, 36}, staticLeft},
    {1015, Button, risk(1).option1, {220, 20, 150, 35}, option1, frame, Option, 1, 1},
    {1016, Button, risk(2).option1, {220, 220, 150, 35}, option1, frame, Option, 2, 1},
    {1017, Button, risk(3).option1, {220, 70, 150, 35}, option1, frame, Option, 3, 1},
    {1018, Button, risk(4).option1, {220, 320, 150, 35}, option1, frame, Option, 4, 1},
    {1019, Button, risk(5).option1, {220, 170, 150, 35}, option1, frame, Option, 5, 1},
    {1020, Button, risk(6).option1, {220, 270, 150, 35}, option1, frame, Option, 6, 1},
    {1021, Button, risk(7).option1, {220, 120, 150, 35}, option1, frame, Option, 7, 1},
    {1022, Button, risk(1).option2, {460, 20, 155, 35}, option2 | buttonLeft, frame, Option, 1, 2},
    {1023, Button, risk(2).option2, {460, 220, 155, 35}, option2 | buttonLeft, frame, Option, 2, 2},
    {1024, Button, risk(3).option2, {460, 70, 155, 35}, option2, frame, Option, 3, 2},
    {1025, Button, risk(4).option2, {460, 320, 155, 35}, option2, frame, Option, 4, 2},
    {1026, Button, risk(5).option2, {460, 170, 155, 35}, option2, frame, Option, 5, 2},
    {1027, Button, risk(6).option2, {460, 270, 155, 35}, option2, frame, Option, 6, 2},
    {1028, Button, risk(7).option2, {460, 120, 155, 35}, option2, frame, Option, 7, 2},
    {1029, Button, "*", {380, 19, 70, 35}, cellStyle, edge, Points, 1},
    {1030, Button, "*", {380, 220, 70, 35}, cellStyle, edge, Points, 2},
    {1031, Button, "*", {380, 70, 70, 35}, cellStyle, edge, Points, 3},
    {1032, Button, "*", {380, 320, 70, 35}, cellStyle, edge, Points, 4},
    {1033, Button, "*", {380, 170, 70, 35}, cellStyle, edge, Points, 5},
    {1034, Button, "*", {380, 270, 70, 35}, cellStyle, edge, Points, 6},
    {1035, Button, "*", {380, 120, 70, 35}, cellStyle, edge, Points, 7},
    // Painted by its owner so it can show its total again at every repaint.
    {1036, Static, "", {380, 370, 193, 30}, staticOwnerDraw, edge, Total},
    // Painted statics: a display takes no focus, so a click on it leaves the
    // focus where it can be seen.
    {1037, Static, "pVC10", {410, 505, 230, 25}, staticOwnerDraw, edge, ResultBox, equation(ReferenceEquation::Baldwin)},
    {1038, Static, "pVC20", {410, 545, 230, 25}, staticOwnerDraw, edge, ResultBox, equation(ReferenceEquation::JRS2001)},
    {1039, Static, "pVC30", {410, 585, 230, 25}, staticOwnerDraw, edge, ResultBox, equation(ReferenceEquation::JRS2014)},
    // 20 px wider than its text needs at 100 %: at other scales the font's
    // widths do not grow quite in step, and "(mL)" would wrap out of sight.
    {1040, Static, "　％ＶＣ 　　　　ＶＣ基準値 (mL)", {410, 479, 250, 18}, staticLeft},
    {1041, Static, "リスクスコア", {270, 378, 99, 20}, staticRight},
    // Under the result boxes and ending with them.
    {1042, Static, "", {320, 619, 320, 22}, staticOwnerDraw, edge, LowerLimitLine},
    // Empty but for the few seconds after a copy.
    {1043, Static, "", {20, 621, 290, 20}, staticLeft, 0, CopyNotice},
    // What a complete score predicts, under the total and ending with it; the
    // %VC panel lies 25 px lower for it.
    {1044, Static, "", {150, 406, 423, 22}, staticRight, 0, Prediction, 1},
}};

constexpr std::array<ControlRow, 19> halControls = {{
    {1007, Static, hal(1).label, {0, 17, 165, 20}, staticRight},
    {1008, Static, hal(2).label, {10, 68, 155, 20}, staticRight},
    {1009, Static, hal(3).label, {10, 114, 155, 25}, staticRight},
    {1015, Button, hal(1).option1, {167, 10, 125, 30}, option1, frame, Option, 1, 1},
    {1016, Button, hal(2).option1, {167, 60, 125, 30}, option1, frame, Option, 2, 1},
    {1017, Button, hal(3).option1, {167, 110, 125, 30}, option1, frame, Option, 3, 1},
    {1022, Button, hal(1).option2, {379, 10, 136, 30}, option2 | buttonLeft, frame, Option, 1, 2},
    {1023, Button, hal(2).option2, {380, 60, 136, 30}, option2 | buttonLeft, frame, Option, 2, 2},
    {1024, Button, hal(3).option2, {380, 110, 136, 30}, option2, frame, Option, 3, 2},
    {1029, Button, "*", {300, 10, 70, 30}, cellStyle, edge, Points, 1},
    {1030, Button, "*", {300, 60, 70, 30}, cellStyle, edge, Points, 2},
    {1031, Button, "*", {300, 110, 70, 30}, cellStyle, edge, Points, 3},
    // The two summary cells paint through their owner so they survive repaints.
    {1056, Static, "", {300, 152, 70, 30}, staticOwnerDraw, edge, Total},
    {1057, Button, "Ｘ", {9, 198, 29, 25}, pushButton | buttonCenter, exClientEdge, Hide},
    {1003, Static, "合計点", {200, 158, 95, 18}, staticRight},
    {1058, Static, "", {300, 190, 70, 30}, staticOwnerDraw, edge, Class},
    {1014, Static, "HAL スコア", {200, 196, 95, 18}, staticRight},
    // What a complete score predicts; the window is 50 px taller for them.
    {1059, Static, "", {10, 234, 505, 20}, staticCenter, 0, Prediction, 1},
    {1060, Static, "", {10, 256, 505, 20}, staticCenter, 0, Prediction, 2},
}};

constexpr std::uint32_t introText = staticLeft;

constexpr std::array<ControlRow, 15> introControls = {{
    {1042, Static, "", {79, 19, 360, 90}, staticBitmap | staticCenterImage, 0, TitleBitmap},
    // Tab goes between the two answers to the disclaimer.
    {1043, Button, "始める", {135, 478, 100, 25}, tabStop | pushButton | buttonCenter | buttonVCenter, 0, Start},
    {1044, Button, "終了", {309, 479, 100, 25}, tabStop | pushButton | buttonCenter | buttonVCenter, 0, Exit},
    {1045, Static, "●免責", {60, 195, 404, 14}, introText},
    {1046, Static, "・本アプリの利用に当たっては、各自の責任においてご利用下さい。", {70, 215, 404, 14}, introText},
    {1047, Static, "・本アプリを使用したことによって生じたすべての障害、損害、不具合等に関して", {70, 235, 415, 14},
     introText},
    {1048, Static, "  当方は一切責任を負いません。", {70, 255, 404, 14}, introText},
    {1041, Static, "・本アプリで表示している値は公式な値と合致することを保証するものではありません。",
     {70, 275, 450, 14}, introText},
    {1049, Static, "・本アプリの内容、情報は古くなったり、誤情報が入っている可能性もあります。", {70, 295, 450, 14},
     introText},
    {1050, Static, "・本アプリで紹介している情報、サービス等に関しても一切責任を負いません。", {70, 318, 450, 14},
     introText},
    {1051, Static, "●注意", {60, 361, 404, 14}, introText},
    {1052, Static, "・年齢、身長などには本アプリ独自の入力制限があります。", {70, 384, 440, 14}, introText},
    {1053, Static, "・画面解像度の設定によっては画面がずれて表示される事があります。", {70, 403, 440, 14}, introText},
    {1054, Static, "・本アプリのサポートはありません。", {70, 423, 440, 14}, introText},
    {1055, Static, "●術後間質性肺炎の急性増悪リスクスコアを求めます。", {61, 154, 404, 19}, introText},
}};

// The postoperative prediction: four boxes, the segments of each lobe, the
// painted lines (in the results' fixed-pitch font, 7 px a half-width
// character at 100 %, so the longest, the exercise test's 71 columns, fits
// with room to spare) and what the judgement leaves out.
constexpr std::uint32_t ppoBox = editCenter | editAutoHScroll;
constexpr std::uint32_t ppoLine = staticOwnerDraw;
constexpr std::array<ControlRow, 15> ppoControls = {{
    {1080, Edit, "****", {240, 10, 80, 25}, ppoBox, exClientEdge, MeasurementBox, ppo(PpoInput::Fev1)},
    {1081, Edit, "***", {240, 45, 80, 25}, ppoBox, exClientEdge, MeasurementBox, ppo(PpoInput::Dlco)},
    {1082, Edit, "**", {240, 80, 80, 25}, ppoBox, exClientEdge, MeasurementBox, ppo(PpoInput::Resected)},
    {1083, Edit, "0", {240, 115, 80, 25}, ppoBox, exClientEdge, MeasurementBox, ppo(PpoInput::Obstructed)},
    {1084, Static, "FEV1（300 - 6,000 mL）", {10, 13, 220, 20}, staticRight},
    {1085, Static, "%DLco（10 - 200 %）", {10, 48, 220, 20}, staticRight},
    {1086, Static, "切除区域数（閉塞を除く）", {10, 83, 220, 20}, staticRight},
    {1087, Static, "閉塞区域数", {10, 118, 220, 20}, staticRight},
    {1088, Static, "区域数：右上葉 3・中葉 2・右下葉 5・左上区 3・舌区 2・左下葉 4（計 19）", {10, 150, 554, 20}, staticLeft},
    {1090, Static, "", {10, 178, 566, 22}, ppoLine, edge, ResultLine, 1},
    {1091, Static, "", {10, 202, 566, 22}, ppoLine, edge, ResultLine, 2},
    {1092, Static, "", {10, 226, 566, 22}, ppoLine, edge, ResultLine, 3},
    {1093, Static, "", {10, 250, 566, 22}, ppoLine, edge, ResultLine, 4},
    {1094, Static, "", {10, 274, 566, 22}, ppoLine, edge, ResultLine, 5},
    {1089, Static, "※ 呼吸機能のみの判定です。心血管系のリスク評価は別に行ってください。", {10, 304, 554, 20}, staticLeft},
}};

constexpr std::array<ControlRow, 1> aboutControls = {{
    {1059, Button, "閉じる", {250, 467, 100, 26}, pushButton, 0, Close},
}};

// Read-only: a source can be selected and copied, never changed.
constexpr std::uint32_t referenceBox = editMultiline | editReadOnly;
constexpr std::string_view source(int entry, int line) {
  return ReferenceLines[static_cast<std::size_t>(entry - 1)][static_cast<std::size_t>(line - 1)];
}
constexpr std::string_view paper(int entry) { return PaperLines[static_cast<std::size_t>(entry - 6)]; }
constexpr std::array<ControlRow, 15> referencesControls = {{
    {1059, Button, "閉じる", {250, 644, 100, 26}, pushButton, 0, Close},
    {1060, Edit, source(1, 1), {20, 40, 540, 16}, referenceBox, 0, Reference, 1, 1},
    {1061, Edit, source(1, 2), {20, 60, 540, 40}, referenceBox, 0, Reference, 1, 2},
    {1062, Edit, source(2, 1), {20, 120, 540, 16}, referenceBox, 0, Reference, 2, 1},
    {1063, Edit, source(2, 2), {20, 140, 540, 20}, referenceBox, 0, Reference, 2, 2},
    {1064, Edit, source(3, 1), {20, 180, 540, 16}, referenceBox, 0, Reference, 3, 1},
    {1065, Edit, source(3, 2), {20, 200, 540, 30}, referenceBox, 0, Reference, 3, 2},
    {1066, Edit, source(4, 1), {19, 250, 540, 16}, referenceBox, 0, Reference, 4, 1},
    {1067, Edit, source(4, 2), {20, 270, 540, 20}, referenceBox, 0, Reference, 4, 2},
    {1068, Edit, source(5, 1), {20, 310, 540, 16}, referenceBox, 0, Reference, 5, 1},
    {1069, Edit, source(5, 2), {20, 330, 540, 20}, referenceBox, 0, Reference, 5, 2},
    // The papers and the guideline, each one paragraph in a box of the lines
    // it wraps to (13 px each at 100 %): three, four, two and four.
    {1096, Edit, paper(6), {20, 370, 540, 42}, referenceBox, 0, Reference, 6, 1},
    {1097, Edit, paper(7), {20, 432, 540, 56}, referenceBox, 0, Reference, 7, 1},
    {1098, Edit, paper(8), {20, 508, 540, 30}, referenceBox, 0, Reference, 8, 1},
    {1099, Edit, paper(9), {20, 558, 540, 56}, referenceBox, 0, Reference, 9, 1},
}};

// clang-format on

constexpr std::array<WindowTable, 6> windows = {{
    {WindowKind::Main, "NORMAL0", "", "術後間質性肺炎の急性増悪リスク", caption | sysMenu | minimizeBox,
     exControlParent, 680, 700, FontKind::Main, mainControls},
    {WindowKind::Hal, "NORMAL2", "", "ＨＡＬスコア", popup | caption | sysMenu, 0, 530, 310, FontKind::Hal,
     halControls},
    {WindowKind::Ppo, "NORMAL3", "", "術後予測肺機能", popup | caption | sysMenu, 0, 592, 365, FontKind::Results,
     ppoControls},
    {WindowKind::Introduction, "NORMALDLG", "HajimeniWnd", "初めに", popup | visible | caption, 0, 540, 560,
     FontKind::Introduction, introControls},
    {WindowKind::About, "NORMALDLG", "About_Wnd", "About", popup | caption | sysMenu, 0, 620, 545,
     FontKind::About, aboutControls},
    {WindowKind::References, "NORMALDLG", "Sansyou_Wnd", "参照", popup | caption | sysMenu, exTransparent,
     600, 714, FontKind::References, referencesControls},
}};

constexpr std::uint8_t variableModern = 0x32;  // FF_MODERN | VARIABLE_PITCH
constexpr std::uint8_t fixedModern = 0x31;     // FF_MODERN | FIXED_PITCH
constexpr std::uint8_t defaultSwiss = 0x20;    // FF_SWISS | DEFAULT_PITCH
constexpr std::string_view proportionalGothic = "ＭＳ Ｐゴシック";
constexpr std::string_view proportionalGothicInEnglish = "MS PGothic";

constexpr std::array<FontRow, 7> fonts = {{
    {FontKind::Main, -16, variableModern, proportionalGothic, proportionalGothicInEnglish},
    {FontKind::Introduction, -12, defaultSwiss, proportionalGothic, proportionalGothicInEnglish},
    {FontKind::Hal, -16, variableModern, proportionalGothic, proportionalGothicInEnglish},
    {FontKind::About, -13, variableModern, proportionalGothic, proportionalGothicInEnglish},
    {FontKind::References, -12, defaultSwiss, proportionalGothic, proportionalGothicInEnglish},
    // Fixed pitch with 7 px half-width characters, so the padded result
    // texts line up and fit their boxes.
    {FontKind::Results, -14, fixedModern, "ＭＳ ゴシック", "MS Gothic"},
    // Named as well as Japanese: a nameless request may land on a CJK-only
    // fallback face that has no Latin letters or "●" (it does under Wine).
    {FontKind::AboutPage, 12, 0, proportionalGothic, proportionalGothicInEnglish},
}};

constexpr std::array<CommandRow, 7> commands = {{
    // "HALスコア" first, where the HAL window, which lies over the menu bar
    // from 60 px on, leaves it in sight.
    {1070, Command::ToggleHal, "HALスコア"},
    {1076, Command::TogglePpo, "術後予測肺機能"},
    {1075, Command::NewPatient, "新しい患者"},
    {1074, Command::Copy, "記録をコピー"},
    {1071, Command::OpenReferences, "参照"},
    {1072, Command::OpenAbout, "About"},
    {1073, Command::Close, "閉じる"},
}};

}  // namespace

const WindowTable& windowTable(WindowKind kind) {
  for (const WindowTable& table : windows) {
    if (table.kind == kind) {
      return table;
    }
  }
  return windows.front();
}

std::span<const WindowTable> windowTables() { return windows; }

const WindowTable* findInfoWindow(std::string_view key) {
  for (const WindowTable& table : windows) {
    if (!table.key.empty() && table.key == key) {
      return &table;
    }
  }
  return nullptr;
}

const ControlRow* findControl(WindowKind kind, int id) {
  for (const ControlRow& row : windowTable(kind).controls) {
    if (row.id == id) {
      return &row;
    }
  }
  return nullptr;
}

const ControlRow* findRole(WindowKind kind, Role role, int item, int option) {
  for (const ControlRow& row : windowTable(kind).controls) {
    if (row.role == role && row.item == item && row.option == option) {
      return &row;
    }
  }
  return nullptr;
}

int controlId(WindowKind kind, Role role, int item, int option) {
  const ControlRow* row = findRole(kind, role, item, option);
  return row != nullptr ? row->id : 0;
}

std::vector<int> itemsTopToBottom(WindowKind kind) {
  std::vector<const ControlRow*> cells;
  for (const ControlRow& row : windowTable(kind).controls) {
    if (row.role == Points) {
      cells.push_back(&row);
    }
  }
  std::ranges::sort(cells, {}, [](const ControlRow* row) { return row->box.y; });
  std::vector<int> items;
  items.reserve(cells.size());
  for (const ControlRow* row : cells) {
    items.push_back(row->item);
  }
  return items;
}

TabStop nextTabStop(WindowKind kind, TabStop from, bool backwards) {
  std::vector<TabStop> ring;
  for (int item : itemsTopToBottom(kind)) {
    ring.push_back({Option, item});
  }
  for (const ControlRow& row : windowTable(kind).controls) {
    if (row.role == MeasurementBox || row.role == Compute || row.role == Hide) {
      ring.push_back({row.role, row.item});
    }
  }
  if (ring.empty()) {
    return from;
  }
  if (from.role == Points) {
    from.role = Option;
  }
  const auto at = std::ranges::find(ring, from);
  if (at == ring.end()) {
    return backwards ? ring.back() : ring.front();
  }
  const auto index = static_cast<std::size_t>(at - ring.begin());
  return ring[(index + (backwards ? ring.size() - 1 : 1)) % ring.size()];
}

ArrowMove arrowMove(WindowKind kind, int item, Arrow arrow) {
  switch (arrow) {
    case Arrow::Left:
      return {item, 1};
    case Arrow::Right:
      return {item, 2};
    case Arrow::Up:
    case Arrow::Down:
      break;
  }
  const std::vector<int> items = itemsTopToBottom(kind);
  const auto at = std::ranges::find(items, item);
  if (at == items.end()) {
    return {item, 0};
  }
  const auto index = static_cast<std::size_t>(at - items.begin());
  const std::size_t step = arrow == Arrow::Down ? 1 : items.size() - 1;
  return {items[(index + step) % items.size()], 0};
}

std::span<const FontRow> fontTable() { return fonts; }

FontKind controlFont(WindowKind kind, const ControlRow& row) {
  return row.role == ResultBox || row.role == LowerLimitLine ? FontKind::Results : windowTable(kind).font;
}

bool isPainted(Role role) {
  return role == Points || role == Total || role == Class || role == ResultBox || role == LowerLimitLine ||
         role == ResultLine;
}

const FontRow& fontRow(FontKind kind) {
  for (const FontRow& row : fonts) {
    if (row.kind == kind) {
      return row;
    }
  }
  return fonts.front();
}

std::span<const CommandRow> commandTable() { return commands; }

std::optional<Command> commandOf(int id) {
  for (const CommandRow& row : commands) {
    if (row.id == id) {
      return row.command;
    }
  }
  return std::nullopt;
}

int commandId(Command command) {
  for (const CommandRow& row : commands) {
    if (row.command == command) {
      return row.id;
    }
  }
  return 0;
}

}  // namespace tollandra
