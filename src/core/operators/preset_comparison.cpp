#include "core/operators/preset_comparison.h"

#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"

#include <algorithm>
#include <utility>

namespace rosmossel {
namespace {

using Values = std::vector<std::pair<const char*, std::string>>;

Values presetValues(const OperatorPreset& p) {
    return {{"url", p.url},
            {"apn", p.apn},
            {"gateway", p.gateway},
            {"account", p.account},
            {"password", p.password}};
}
Values presetValues(const GprsPreset& p) {
    return {{"apn", p.apn}, {"account", p.account}, {"password", p.password}};
}
Values databaseValues(const OperatorConnection& c, ApnUse use) {
    if (use == ApnUse::Mms) {
        return {{"url", c.url},
                {"apn", c.apn},
                {"gateway", c.gateway},
                {"account", c.account},
                {"password", c.password}};
    }
    return {{"apn", c.apn}, {"account", c.account}, {"password", c.password}};
}

std::vector<std::string> differences(const Values& preset, const Values& database) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < preset.size(); ++i) {
        if (preset[i].second != database[i].second) {
            out.push_back(std::string(preset[i].first) + ": preset \"" + preset[i].second +
                          "\", database \"" + database[i].second + "\"");
        }
    }
    return out;
}

template <typename Preset>
void compare(const PresetTable<Preset>& table, std::span<const PresetNetworkRow> networks,
             const std::vector<OperatorConnection>& connections, ApnUse use,
             std::vector<PresetDifference>& out) {
    for (const PresetNetworkRow& row : networks) {
        const Preset* preset = LookUpPreset(table, row.country, row.slot);
        if (preset == nullptr) {
            continue;
        }
        const auto& country = table[static_cast<std::size_t>(row.country)];
        PresetDifference difference{use,
                                    country.name,
                                    country.operatorSlots[static_cast<std::size_t>(row.slot)].name,
                                    std::string(row.mcc) + "-" + row.mnc,
                                    {},
                                    {}};
        const Values ours = presetValues(*preset);
        bool found = false;
        for (const OperatorConnection& c : connections) {
            if (std::find(c.networks.begin(), c.networks.end(), difference.network) ==
                c.networks.end()) {
                continue;
            }
            std::vector<std::string> values = differences(ours, databaseValues(c, use));
            if (!found || values.size() < difference.values.size()) {
                difference.databaseProvider = c.provider;
                difference.values = std::move(values);
                found = true;
            }
        }
        if (!found || !difference.values.empty()) {
            out.push_back(std::move(difference));
        }
    }
}

} // namespace

std::vector<PresetDifference> ComparePresets(const OperatorDatabase& database) {
    std::vector<PresetDifference> out;
    compare(OperatorPresetTable(), MmsPresetNetworks(), OperatorConnections(database, ApnUse::Mms),
            ApnUse::Mms, out);
    compare(GprsPresetTable(), GprsPresetNetworks(),
            OperatorConnections(database, ApnUse::Internet), ApnUse::Internet, out);
    return out;
}

} // namespace rosmossel
