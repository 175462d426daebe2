#include "cli/factory_command.h"

#include "core/format/settings_files.h"
#include "core/menu/menu_record.h"

#include <CLI/CLI.hpp>

namespace rosmossel::cli {

CLI::App& FactoryCommand::addTo(CLI::App& app) {
    auto& command = *app.add_subcommand(
        "factory", std::string("Write the ") + SettingsFile(FileKind::Menu).fileName +
                       " that returns a camera to its factory settings.");
    destination_.addTo(command, "Folder to write into");
    return command;
}

int FactoryCommand::run(const CommandContext& context) const {
    std::string outDir;
    if (const int status = destination_.folder(context, "factory", outDir); status != kExitOk) {
        return status;
    }
    const FileRecord record = BuildFactoryMenuRecord();
    return WriteAll({{SettingsFile(FileKind::Menu).fileName, Bytes(record.begin(), record.end())}},
                    outDir, context.out, context.err);
}

} // namespace rosmossel::cli
