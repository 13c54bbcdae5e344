#pragma once
// Every window of the program as data: its class, title, style and size, and
// one row per child control with its id, class, caption, rectangle, style and
// role. Rectangles and sizes are pixels at 96 DPI. The shell builds, routes
// and paints from these tables; the end-to-end tests and the scripts take
// their ids from them too.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tollandra {

// The window system's style bits, by value, so the tables can state them
// without its headers (the shell checks each against its own definition).
namespace style {
inline constexpr std::uint32_t popup = 0x80000000;
inline constexpr std::uint32_t child = 0x40000000;
inline constexpr std::uint32_t visible = 0x10000000;
inline constexpr std::uint32_t caption = 0x00C00000;
inline constexpr std::uint32_t sysMenu = 0x00080000;
inline constexpr std::uint32_t minimizeBox = 0x00020000;
inline constexpr std::uint32_t group = 0x00020000;
inline constexpr std::uint32_t tabStop = 0x00010000;
inline constexpr std::uint32_t pushButton = 0x0;
inline constexpr std::uint32_t radioButton = 0x4;
inline constexpr std::uint32_t ownerDrawButton = 0xB;
inline constexpr std::uint32_t leftText = 0x20;
inline constexpr std::uint32_t buttonLeft = 0x100;
inline constexpr std::uint32_t buttonRight = 0x200;
inline constexpr std::uint32_t buttonCenter = 0x300;
inline constexpr std::uint32_t buttonVCenter = 0xC00;
inline constexpr std::uint32_t staticLeft = 0x0;
inline constexpr std::uint32_t staticCenter = 0x1;
inline constexpr std::uint32_t staticRight = 0x2;
inline constexpr std::uint32_t staticOwnerDraw = 0xD;
inline constexpr std::uint32_t staticBitmap = 0xE;
inline constexpr std::uint32_t staticCenterImage = 0x200;
inline constexpr std::uint32_t editCenter = 0x1;
inline constexpr std::uint32_t editMultiline = 0x4;
inline constexpr std::uint32_t editAutoHScroll = 0x80;
inline constexpr std::uint32_t editReadOnly = 0x800;
inline constexpr std::uint32_t exDlgModalFrame = 0x1;
inline constexpr std::uint32_t exTransparent = 0x20;
inline constexpr std::uint32_t exClientEdge = 0x200;
inline constexpr std::uint32_t exControlParent = 0x10000;
inline constexpr std::uint32_t exStaticEdge = 0x20000;
}  // namespace style

enum class WindowKind : std::uint8_t { Main, Hal, Introduction, About, References, Ppo };

enum class ControlClass : std::uint8_t { Edit, Static, Button };

// What a control is for. `item` and `option` say which one: for Option the
// form's item and option 1 or 2, for Points the item, for MeasurementBox and
// ResultBox the value of its Measurement or ReferenceEquation, for Reference the
// source's entry and line, for Prediction the line. In the postoperative
// window a MeasurementBox's item is its PpoInput, a ResultLine's its line.
enum class Role : std::uint8_t {
  Label,           // text that only labels
  Option,          // a radio button of a scored form
  Points,          // a scored item's points cell, painted; a click flips the choice
  Total,           // the form's total cell, painted
  Class,           // the HAL score's class cell, painted
  MeasurementBox,  // an edit box of the %VC panel
  Compute,         // reads the three boxes and computes
  ResultBox,       // a painted %VC result box
  LowerLimitLine,  // the painted JRS2014 lower limit of normal and z-score
  CopyNotice,      // says for a moment that the record was copied
  Prediction,      // a line of what a complete score predicts
  Close,           // closes an information window
  Hide,            // hides the HAL window
  Start,           // the introduction's way on to the main window
  Exit,            // the introduction's way out of the program
  TitleBitmap,     // shows the title bitmap
  Reference,       // an edit box that shows one line of a published source
  ResultLine,      // a painted line of the postoperative prediction
};

struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

struct ControlRow {
  int id = 0;
  ControlClass windowClass = ControlClass::Static;
  std::string_view caption;
  Box box;
  std::uint32_t style = 0;  // besides child and visible
  std::uint32_t exStyle = 0;
  Role role = Role::Label;
  int item = 0;
  int option = 0;
};

enum class FontKind : std::uint8_t { Main, Introduction, Hal, About, References, Results, AboutPage };

// Every font is Japanese by character set, so the kanji show on every display
// language. A negative height is the characters' height, a positive one the
// cell's, in pixels at 96 DPI. A Japanese face has two names: Windows takes
// the Japanese one where the system locale is Japanese and the English one
// everywhere else, so the shell asks for one and, failing, for the other.
struct FontRow {
  FontKind kind;
  int height;
  std::uint8_t pitchAndFamily;
  std::string_view face;
  std::string_view englishFace;
};

[[nodiscard]] std::span<const FontRow> fontTable();
// The font a control of the window is drawn in: the window's, but for the
// %VC results and their limit line, which line up in a fixed-pitch one.
[[nodiscard]] FontKind controlFont(WindowKind kind, const ControlRow& row);
// Whether the program paints the control from a view of the session.
[[nodiscard]] bool isPainted(Role role);
[[nodiscard]] const FontRow& fontRow(FontKind kind);

struct WindowTable {
  WindowKind kind;
  std::string_view className;
  std::string_view key;  // how OpenInfoWnd names an information window
  std::string_view title;
  std::uint32_t style;
  std::uint32_t exStyle;
  int width;
  int height;
  FontKind font;  // given to every control
  std::span<const ControlRow> controls;
};

[[nodiscard]] const WindowTable& windowTable(WindowKind kind);
[[nodiscard]] std::span<const WindowTable> windowTables();

// The information window named by key (exact, case-sensitive), if any.
[[nodiscard]] const WindowTable* findInfoWindow(std::string_view key);

[[nodiscard]] const ControlRow* findControl(WindowKind kind, int id);
[[nodiscard]] const ControlRow* findRole(WindowKind kind, Role role, int item = 0, int option = 0);
// The id of that control; 0 when the window has none.
[[nodiscard]] int controlId(WindowKind kind, Role role, int item = 0, int option = 0);

// The items of the window's scored form, top to bottom as it shows them.
[[nodiscard]] std::vector<int> itemsTopToBottom(WindowKind kind);

// A place the Tab key stops at: an item of the window's scored form (the
// shell puts the focus on its chosen option, or on option 1 while it has
// none), or the control of a role.
struct TabStop {
  Role role = Role::Label;
  int item = 0;
  bool operator==(const TabStop&) const = default;
};

// Where Tab (or Shift+Tab, backwards) goes from a control of that role and
// item: in reading order through the items top to bottom, then the main
// window's boxes and compute button or the HAL window's hide button (the
// postoperative window: its four boxes), and round again. A points cell
// counts as its item; from a control of no stop Tab starts at the first
// stop, Shift+Tab at the last.
[[nodiscard]] TabStop nextTabStop(WindowKind kind, TabStop from, bool backwards);

enum class Arrow : std::uint8_t { Left, Right, Up, Down };

// What an arrow key does on an option of an item: ← chooses option 1 and →
// option 2 (the buttons on the left and the right), and the focus follows;
// ↑ and ↓ only take the focus to the item above or below (round from the
// last to the first), never into the boxes.
struct ArrowMove {
  int item = 0;    // where the focus goes: that item's chosen option, or option 1 while it has none
  int choose = 0;  // the option chosen on the way; 0 none
  bool operator==(const ArrowMove&) const = default;
};
[[nodiscard]] ArrowMove arrowMove(WindowKind kind, int item, Arrow arrow);

// Commands that reach the main window from its menu, Ctrl+N or Ctrl+C.
enum class Command : std::uint8_t {
  ToggleHal,
  NewPatient,
  Copy,
  OpenReferences,
  OpenAbout,
  Close,
  TogglePpo,
};

struct CommandRow {
  int id;
  Command command;
  std::string_view caption;  // empty: not on the menu
};

// Left to right as the menu bar reads, then the commands with no item.
[[nodiscard]] std::span<const CommandRow> commandTable();
[[nodiscard]] std::optional<Command> commandOf(int id);
[[nodiscard]] int commandId(Command command);

}  // namespace tollandra
