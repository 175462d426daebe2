#pragma once

// Where the built-in preset slots and the carrier database disagree for the
// same network: carriers change their settings, and a table compiled once
// goes stale.

#include "core/operators/operator_database.h"

#include <span>
#include <string>
#include <vector>

namespace rosmossel {

// The network a preset slot was taken from (generated from the preset data).
struct PresetNetworkRow {
    int country;
    int slot;
    const char* mcc;
    const char* mnc;
};
std::span<const PresetNetworkRow> MmsPresetNetworks();
std::span<const PresetNetworkRow> GprsPresetNetworks();

struct PresetDifference {
    ApnUse use;
    std::string country, operatorName, network; // network: "234-10"
    // The provider of the closest database entry; empty when the database
    // holds no APN of this use for the network.
    std::string databaseProvider;
    // One per value that differs: "apn: preset \"a\", database \"b\"".
    std::vector<std::string> values;
};

// Every slot whose network the database answers differently, or not at all.
// An MMS slot is compared by URL, APN, gateway, account and password (its
// port is the tool's own fixed list); a GPRS slot by APN, account and password.
std::vector<PresetDifference> ComparePresets(const OperatorDatabase& database);

} // namespace rosmossel
