#pragma once

#include "core/format/preset_table.h"

#include <array>
#include <string>
#include <vector>

namespace rosmossel {

// One line of the MMS preset data, generated from resources/presets/mms-presets.tsv.
struct OperatorPresetRow {
    int country;
    const char* countryName;
    int slot;
    const char* name;
    const char* url;
    const char* apn;
    const char* gateway;
    const char* port;
    const char* account;
    const char* password;
};
extern const std::array<OperatorPresetRow, 103> kOperatorPresetRows;

struct OperatorPreset {
    std::string url, apn, gateway, port, account, password;
};

const PresetTable<OperatorPreset>& OperatorPresetTable();

// The country names in index order; the Chinese list names China "中国".
const std::vector<std::string>& CountryList();
const std::vector<std::string>& CountryListChinese();

// The operator names shown for a country; China's two names follow the language.
std::vector<std::string> OperatorNames(int country, int language);

const OperatorPreset* LookUpOperatorPreset(int country, int op);

} // namespace rosmossel
