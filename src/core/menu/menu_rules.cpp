#include "core/menu/menu_rules.h"

namespace rosmossel {

MenuEditStates MenuEditStatesFor(int timerSelection, int timeLapseSelection,
                                 int serialNumberSelection) {
    // The time-lapse list runs "On", "Off"; the other two run "Off", "On".
    return {timerSelection != 0, timeLapseSelection != 1, serialNumberSelection != 0};
}

std::optional<int> CorrectMenuNumber(MenuField box, int value, int intervalUnit) {
    const NumberBoxRange range = MenuNumberBox(box);
    if (box == MenuField::Interval) {
        // Without a unit the dialog leaves the interval alone.
        if (intervalUnit < 0 || (value >= MinimumInterval(intervalUnit) && value <= range.max)) {
            return std::nullopt;
        }
        return range.resetTo;
    }
    if (value < range.min || value > range.max) {
        return range.resetTo;
    }
    return std::nullopt;
}

} // namespace rosmossel
