#pragma once
// The typed boxes of the main window and of the windows the menu shows: what
// they take from the keyboard, who made their selection, reading them into
// the session as they are left and writing back what it keeps, the red of a
// refused entry, the empty mark that makes way while a box has the focus,
// and the refusals shown once the focus has settled.

#include <windows.h>

#include <optional>

#include "core/windows/window_tables.h"

namespace tollandra {

class App;

// Gives the window's boxes their keyboard rules.
void prepareBoxes(HWND window, WindowKind kind);

// When a refusal's message may show: now, or once the focus move under way
// has ended and the program is the active one (a box left by a click, Tab
// or Alt+Tab must not open a window while the focus is on its way).
enum class Refusal : std::uint8_t { Now, Later };

// What a box held when it was read: a value or nothing, an entry refused
// before, or one refused now, with its message.
enum class BoxReading : std::uint8_t { None, Valid, Refused, RefusedNow };

// Reads one box as leaving it would, and writes back what the session keeps:
// the cleaned value, the empty mark, or a refused entry as typed, drawn in
// red. A refusal the user has not seen yet comes with its message, after
// which the box has the focus again with its text selected, to be corrected.
BoxReading readBox(App& app, HWND window, WindowKind kind, int item, Refusal when = Refusal::Now);

// The box that has the focus, read as leaving it would; None when no box
// has it.
BoxReading readFocusedBox(App& app);

// The first box holding a refused entry: the main window's from the top,
// then those of the other windows.
struct BoxPlace {
  HWND window = nullptr;
  WindowKind kind = WindowKind::Main;
  int item = 0;
};
std::optional<BoxPlace> firstRefusedBox(const App& app);

// The box gets the focus with its text selected, to be corrected; not once
// the program is closing or its window is behind a modal one.
void focusToCorrect(App& app, const BoxPlace& place);

// A box's notifications: left, changed, focused.
void onBoxCommand(App& app, HWND window, WindowKind kind, const ControlRow& row, int notification);

// WM_CTLCOLOREDIT: a refused entry in red; nothing for a control that is
// no box.
std::optional<LRESULT> boxColors(const App& app, HWND window, WindowKind kind, WPARAM wParam, LPARAM lParam);

// Shows the refusals that wait, one by one, where nothing stands in their
// way any more; otherwise tries again shortly, or when the main window is
// next activated.
void showRefusals(App& app);
inline constexpr UINT refusalsWaiting = WM_APP + 4;
inline constexpr UINT_PTR refusalTimer = 2;

// Every box of the window back to its empty mark.
void emptyBoxes(HWND window, WindowKind kind);

// Whether Ctrl+C in the control copies its selection: a box with a
// selection the user made, not one the program made.
bool copiesOwnSelection(HWND control);

}  // namespace tollandra
