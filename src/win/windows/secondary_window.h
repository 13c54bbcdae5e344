#pragma once
// The windows the menu shows and hides beside the main window (the HAL
// score, the postoperative prediction): made on their first use, hidden rather than closed, brought
// forward when the main window covers them, taken along when it is
// minimised, started again for the next patient.

#include <windows.h>

#include "core/windows/window_tables.h"

namespace tollandra {

class App;

// The menu items that show them, in the order of the menu.
inline constexpr WindowKind secondaryKinds[] = {WindowKind::Hal, WindowKind::Ppo};

// The menu item: a window that the main window covers comes to the front;
// otherwise the item shows or hides it. Shown, it starts on its first stop.
void toggleSecondary(App& app, WindowKind kind);

// The user works in that window now: a window the menu shows is in front of
// the main window, or, for the main window, every such window behind it.
void noteInFront(App& app, WindowKind kind);

// WM_SIZE of the main window: minimised, it takes the shown windows with
// it; restored, it brings them back as they were.
void followMainWindow(const App& app, WPARAM sizeType);

// The next patient: each window starts again on its first stop.
void startSecondariesAgain(App& app);

// "閉じる": every shown window hidden first.
void hideSecondaries(const App& app);

}  // namespace tollandra
