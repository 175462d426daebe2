#pragma once

#include "core/menu/menu_fields.h"

#include <optional>

namespace rosmossel {

// Which boxes of the camera-menu dialog the user may change, from the
// selections of its three switch lists. Boxes that may not be changed still
// keep and deliver their values.
struct MenuEditStates {
    bool timerEditable;           // the four timer boxes
    bool timeLapseEditable;       // the three time-lapse boxes
    bool serialCharactersEnabled; // the four serial-character lists
};
MenuEditStates MenuEditStatesFor(int timerSelection, int timeLapseSelection,
                                 int serialNumberSelection);

// The value a number box is put back to after the user changed `value`, or
// nothing when it stands. `intervalUnit` is the unit list's selection (-1 for
// none) and matters for the interval only: a unit chosen later runs the same
// rule.
std::optional<int> CorrectMenuNumber(MenuField box, int value, int intervalUnit = -1);

} // namespace rosmossel
