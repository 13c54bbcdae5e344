#pragma once
// Whether every caption of every window fits its control on one line, with
// 2 px to spare, at a display scale: each measured in the font the program
// makes for it, against the client rectangle of a control built from the
// same table at that scale. An option loses its mark and the gap after it,
// as Wine's buttons lay them out (12 px at 96 DPI plus 1, then half a "0");
// a source's box its margins. A box meant to wrap must show every line it
// wraps to, as the box counts them. The cells the program paints or fills
// (the results, the limit line, the totals, the predictions, the notice of
// a copy) are measured with the longest texts they can show, each from
// where it is drawn. The face must have every glyph, so a missing font cannot
// pass. The points cells and the title picture are left out.

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// One line per caption that does not fit when the windows are laid out at
// dpi on a monitor of monitorDpi (0: the same), whose scale the radio marks
// take; none when all fit. The face obtained must be the one asked for, by
// either of its names.
std::vector<std::string> captionMisfits(int dpi, int monitorDpi = 0);

}  // namespace driver
