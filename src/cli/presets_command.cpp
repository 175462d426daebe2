#include "cli/presets_command.h"

#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"

#include <CLI/CLI.hpp>

#include <map>
#include <ostream>

namespace rosmossel::cli {
namespace {

template <typename Preset, typename Describe>
void printPresets(std::ostream& out, const PresetTable<Preset>& table, Describe describe) {
    for (int c = 0; c < kCountryCount; ++c) {
        const auto& row = table[static_cast<std::size_t>(c)];
        out << "  " << c << " " << row.name << "\n";
        for (int o = 0; o < row.count; ++o) {
            const auto& slot = row.operatorSlots[static_cast<std::size_t>(o)];
            out << "      " << o << " " << (slot.name.empty() ? "(no name)" : slot.name) << "  ";
            describe(out, slot.preset);
            out << "\n";
        }
    }
}

} // namespace

CLI::App& PresetsCommand::addTo(CLI::App& app) {
    auto& command =
        *app.add_subcommand("presets", "List the countries and operators of the presets.");
    command.add_option("kind", which_, "mms or gprs (both when left out)")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, std::string>{{"mms", "mms"}, {"gprs", "gprs"}},
            CLI::ignore_case));
    return command;
}

int PresetsCommand::run(const CommandContext& context) const {
    std::ostream& out = context.out;
    const std::string& which = which_;
    if (which != "mms" && which != "gprs" && which != "all") {
        context.err << "rosmossel-cli: presets: choose \"mms\" or \"gprs\"\n";
        return kExitUsage;
    }
    if (which != "gprs") {
        out << "MMS presets (mms.country and mms.operator):\n";
        printPresets(out, OperatorPresetTable(), [](std::ostream& o, const OperatorPreset& p) {
            o << "url " << p.url << ", apn " << p.apn << ", gateway " << p.gateway << ", port "
              << p.port;
        });
    }
    if (which != "mms") {
        out << "GPRS presets (smtp.country and smtp.operator):\n";
        printPresets(out, GprsPresetTable(),
                     [](std::ostream& o, const GprsPreset& p) { o << "apn " << p.apn; });
    }
    return kExitOk;
}

} // namespace rosmossel::cli
