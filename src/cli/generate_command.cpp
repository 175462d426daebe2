#include "cli/generate_command.h"

#include "cli/many_cards.h"

#include "core/format/settings_files.h"
#include "profile/profile.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace rosmossel::cli {

int BuildProfileFiles(const std::string& profilePath, std::vector<PlannedFile>& files,
                      std::ostream& err) {
    using Fault = profile::ProfileFiles::Fault;
    profile::ProfileFiles built = profile::BuildProfileFiles(profilePath, std::cin);
    switch (built.fault) {
    case Fault::None:
        files = std::move(built.files);
        return kExitOk;
    case Fault::Unreadable:
        err << "rosmossel-cli: " << profilePath << ": " << built.reason << "\n";
        return kExitFileError;
    case Fault::Malformed:
        err << "rosmossel-cli: " << profilePath << ": " << built.reason << "\n";
        return kExitBadProfile;
    case Fault::Refused:
        err << built.reason << "\n";
        return kExitBadProfile;
    }
    return kExitBadProfile;
}

CLI::App& GenerateCommand::addTo(CLI::App& app) {
    auto& command =
        *app.add_subcommand("generate", "Write the files for the sections of a profile (" +
                                            ListedColumn(&SettingsFileInfo::section) + ").");
    command.add_option("profile", profilePath_, "JSON profile, or - for standard input")
        ->required();
    destination_.addTo(command, "Folder to write into, normally the SD card's root");
    command.add_flag("--all-cards", allCards_, "Write to every SD card inserted")
        ->excludes("--out", "--card");
    command
        .add_flag("--each-card", eachCard_,
                  "Wait for SD cards and write each one inserted once, until Ctrl-C")
        ->excludes("--out", "--card", "--all-cards");
    command.add_option("--count", count_, "With --each-card: stop after this many cards")
        ->needs("--each-card")
        ->check(CLI::PositiveNumber);
    command.add_flag("--json", json_,
                     "With --all-cards or --each-card: one JSON object per card, a line each");
    command.footer("Example profiles to start from: /usr/share/doc/rosmossel/examples/ where the "
                   "Debian package is installed; examples\\ beside rosmossel-cli.exe on "
                   "Windows.");
    return command;
}

int GenerateCommand::run(const CommandContext& context) const {
    if (allCards_) {
        return RunAllCards(context.cards, profilePath_, json_, context.out, context.err);
    }
    if (eachCard_) {
        return RunEachCardWatched(context.cards, profilePath_, count_, json_, context.out,
                                  context.err);
    }
    if (json_) {
        context.err << "rosmossel-cli: generate: --json goes with --all-cards or --each-card\n";
        return kExitUsage;
    }
    std::string outDir;
    if (const int status = destination_.folder(context, "generate", outDir); status != kExitOk) {
        return status;
    }
    std::vector<PlannedFile> files;
    if (const int status = BuildProfileFiles(profilePath_, files, context.err); status != kExitOk) {
        return status;
    }
    return WriteAll(files, outDir, context.out, context.err);
}

} // namespace rosmossel::cli
