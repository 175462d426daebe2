#include "cli/cards_command.h"

#include "cli/commands.h"

#include <CLI/CLI.hpp>

namespace rosmossel::cli {

CLI::App& CardsCommand::addTo(CLI::App& app) {
    auto& command = *app.add_subcommand("cards", "List the SD cards inserted (removable volumes).");
    command.add_flag("--json", asJson_, "Print a JSON list (empty where there is no card)");
    return command;
}

int CardsCommand::run(const CommandContext& context) const {
    return RunCards(context.cards, asJson_, context.out, context.err);
}

} // namespace rosmossel::cli
