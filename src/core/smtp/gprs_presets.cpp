#include "core/smtp/gprs_presets.h"

namespace rosmossel {

const PresetTable<GprsPreset>& GprsPresetTable() {
    static const auto table =
        BuildPresetTable<GprsPreset>(kGprsPresetRows, [](const GprsPresetRow& r) {
            return GprsPreset{r.apn, r.account, r.password};
        });
    return table;
}

std::vector<std::string> GprsOperatorNames(int country) {
    return SlotNames(GprsPresetTable(), country);
}

const GprsPreset* LookUpGprsPreset(int country, int op) {
    return LookUpPreset(GprsPresetTable(), country, op);
}

} // namespace rosmossel
