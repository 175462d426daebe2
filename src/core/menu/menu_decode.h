#pragma once

#include "core/format/verdict.h"
#include "core/menu/menu_record.h"

#include <cstdint>
#include <optional>
#include <span>

namespace rosmossel {

struct MenuDecoded {
    bool factory = false;                 // the fixed factory-settings record
    std::optional<MenuSettings> settings; // absent for the factory record or a short file
    Verdict verdict;
};

// Reads menu.dat as written for `family`: the settings, and every way in which
// the bytes differ from what the camera-menu dialog of that family could write.
MenuDecoded DecodeMenuFile(std::span<const std::uint8_t> bytes, Family family);

} // namespace rosmossel
