#include "cli/eject_command.h"

#include "cli/commands.h"

#include <CLI/CLI.hpp>

namespace rosmossel::cli {

CLI::App& EjectCommand::addTo(CLI::App& app) {
    auto& command = *app.add_subcommand("eject", "Eject the SD card so that it can be taken out.");
    command.add_option("--card", cardLabel_, "The label of the card, where several are inserted");
    return command;
}

int EjectCommand::run(const CommandContext& context) const {
    const auto label = cardLabel_.empty() ? std::nullopt : std::optional(cardLabel_);
    return RunEject(context.cards, label, context.out, context.err);
}

} // namespace rosmossel::cli
