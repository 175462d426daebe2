#include "cli/cards_command.h"
#include "cli/eject_command.h"
#include "cli/factory_command.h"
#include "cli/generate_command.h"
#include "cli/inspect_command.h"
#include "cli/operators_command.h"
#include "cli/presets_command.h"

namespace rosmossel::cli {

std::vector<std::unique_ptr<Command>> AllCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<GenerateCommand>());
    commands.push_back(std::make_unique<FactoryCommand>());
    commands.push_back(std::make_unique<InspectCommand>());
    commands.push_back(std::make_unique<CardsCommand>());
    commands.push_back(std::make_unique<EjectCommand>());
    commands.push_back(std::make_unique<PresetsCommand>());
    commands.push_back(std::make_unique<OperatorsCommand>());
    return commands;
}

std::string ListedColumn(const char* SettingsFileInfo::*column) {
    std::string text;
    for (const SettingsFileInfo& file : kSettingsFiles) {
        text += (text.empty() ? "" : ", ") + std::string(file.*column);
    }
    return text;
}

} // namespace rosmossel::cli
