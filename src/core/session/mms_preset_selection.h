#pragma once

namespace rosmossel {

// The MMS dialogs' country and operator (header bytes 8 and 9 of setup.dat):
// set by each automatic Generate and kept from one MMS dialog to the next.
struct MmsPresetSelection {
    int country = 0;
    int operatorSlot = 0;
    bool operator==(const MmsPresetSelection&) const = default;
};

} // namespace rosmossel
