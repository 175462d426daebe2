#include "core/mms/operator_presets.h"

namespace rosmossel {

const PresetTable<OperatorPreset>& OperatorPresetTable() {
    static const auto table =
        BuildPresetTable<OperatorPreset>(kOperatorPresetRows, [](const OperatorPresetRow& r) {
            return OperatorPreset{r.url, r.apn, r.gateway, r.port, r.account, r.password};
        });
    return table;
}

const std::vector<std::string>& CountryList() {
    static const auto names = [] {
        std::vector<std::string> list;
        for (const auto& row : OperatorPresetTable()) {
            list.push_back(row.name);
        }
        return list;
    }();
    return names;
}

const std::vector<std::string>& CountryListChinese() {
    static const auto names = [] {
        std::vector<std::string> list = CountryList();
        list.front() = "中国";
        return list;
    }();
    return names;
}

std::vector<std::string> OperatorNames(int country, int language) {
    if (country == 0) {
        return language == 1 ? std::vector<std::string>{"中国移动", "中国联通"}
                             : std::vector<std::string>{"China Mobile", "China Unicom"};
    }
    return SlotNames(OperatorPresetTable(), country);
}

const OperatorPreset* LookUpOperatorPreset(int country, int op) {
    return LookUpPreset(OperatorPresetTable(), country, op);
}

} // namespace rosmossel
