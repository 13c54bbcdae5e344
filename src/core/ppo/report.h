#pragma once
// The postoperative prediction as the session holds it at this moment: the
// window's lines and the record's block are made from it whenever they are
// asked for, so a change of the sex or an edit of the main window's age or
// height shows at once, and no result outlives what it came from.

#include <string>
#include <vector>

#include "core/ppo/results.h"
#include "core/view/cell_view.h"

namespace tollandra {

class Session;

// The sex answered in the risk form and the age and height the main panel
// last read (not refused, not changed since, with or without a VC); the
// values of the four boxes as read and not changed since. The segment count
// waits for an obstructed count that is settled (empty counts as 0).
PpoFigures ppoFigures(const Session& session);

// Line 1 to ppoLineCount of the window (see ppoLineView in results.h).
CellView ppoLineView(const Session& session, int line);

// The record's block, after the HAL lines, once any of the four boxes holds
// a value; a missing figure is said in the line it would have filled. No
// line ends.
std::vector<std::string> ppoRecordLines(const Session& session);

}  // namespace tollandra
