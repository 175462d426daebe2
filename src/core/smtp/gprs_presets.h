#pragma once

#include "core/format/preset_table.h"

#include <array>
#include <string>
#include <vector>

namespace rosmossel {

// One line of the GPRS preset data, generated from resources/presets/gprs-presets.tsv.
struct GprsPresetRow {
    int country;
    const char* countryName;
    int slot;
    const char* name;
    const char* apn;
    const char* account;
    const char* password;
};
extern const std::array<GprsPresetRow, 95> kGprsPresetRows;

struct GprsPreset {
    std::string apn, account, password;
};

// The e-mail dialogs' own table; its country names are the same in every language.
const PresetTable<GprsPreset>& GprsPresetTable();

std::vector<std::string> GprsOperatorNames(int country);

const GprsPreset* LookUpGprsPreset(int country, int op);

} // namespace rosmossel
