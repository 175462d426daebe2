#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace rosmossel {

inline constexpr int kCountryCount = 39;
inline constexpr int kSlotsPerCountry = 10;
// The country byte of setup.dat and smtp.dat once the user switched to manual mode.
inline constexpr int kManualCountry = 0x80;

template <typename Preset> struct PresetSlot {
    std::string name;
    Preset preset;
};

template <typename Preset> struct PresetCountryRow {
    std::string name;
    int count = 0; // slots in use; the others stay empty and are never shown
    // Not "slots": Qt makes that word a macro in every file that includes it.
    std::array<PresetSlot<Preset>, kSlotsPerCountry> operatorSlots;
};

// 39 countries of 10 slots each, in country-index order.
template <typename Preset> using PresetTable = std::array<PresetCountryRow<Preset>, kCountryCount>;

// Builds a table from generated rows; `make` turns one row into its preset.
template <typename Preset, typename Rows, typename Make>
PresetTable<Preset> BuildPresetTable(const Rows& rows, Make make) {
    PresetTable<Preset> table{};
    for (const auto& r : rows) {
        auto& row = table.at(static_cast<std::size_t>(r.country));
        row.name = r.countryName;
        row.operatorSlots.at(static_cast<std::size_t>(r.slot)) = {r.name, make(r)};
        row.count = std::max(row.count, r.slot + 1);
    }
    return table;
}

template <typename Preset>
std::vector<std::string> SlotNames(const PresetTable<Preset>& table, int country) {
    std::vector<std::string> names;
    if (country < 0 || country >= kCountryCount) {
        return names;
    }
    const auto& row = table[static_cast<std::size_t>(country)];
    for (int i = 0; i < row.count; ++i) {
        names.push_back(row.operatorSlots[static_cast<std::size_t>(i)].name);
    }
    return names;
}

// Slot `op` of row `country`; nullptr when either is out of range or unused.
template <typename Preset>
const Preset* LookUpPreset(const PresetTable<Preset>& table, int country, int op) {
    if (country < 0 || country >= kCountryCount) {
        return nullptr;
    }
    const auto& row = table[static_cast<std::size_t>(country)];
    if (op < 0 || op >= row.count) {
        return nullptr;
    }
    return &row.operatorSlots[static_cast<std::size_t>(op)].preset;
}

} // namespace rosmossel
