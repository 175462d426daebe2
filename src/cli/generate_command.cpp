#include "cli/generate_command.h"

#include "cli/many_cards.h"

#include "core/format/settings_files.h"
#include "core/format/utf8_path.h"
#include "core/menu/menu_clock.h"
#include "profile/profile.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

namespace rosmossel::cli {

using profile::BuildSectionFile;
using profile::CheckProfile;
using profile::ParseProfile;
using profile::Profile;
using profile::ProfileError;

namespace {

namespace fs = std::filesystem;

// Reads the profile text; 0 on success, else the exit status.
int readProfile(const std::string& path, std::string& text, std::ostream& err) {
    std::error_code ec;
    if (path != "-" && !fs::is_regular_file(Utf8Path(path), ec)) {
        err << "rosmossel-cli: " << path << ": " << (ec ? ec.message() : "not a readable file")
            << "\n";
        return kExitFileError;
    }
    std::ifstream file;
    if (path != "-") {
        file.open(Utf8Path(path), std::ios::binary);
    }
    std::istream& in = path == "-" ? std::cin : file;
    // Read one byte more than a profile may hold, to tell that it is too large.
    text.assign(profile::kLargestProfile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad() || (path != "-" && !file.is_open())) {
        err << "rosmossel-cli: " << path << ": cannot be read\n";
        return kExitFileError;
    }
    if (text.size() > profile::kLargestProfile) {
        err << "rosmossel-cli: " << path << ": " << profile::kProfileTooLarge << "\n";
        return kExitBadProfile;
    }
    return kExitOk;
}

} // namespace

int BuildProfileFiles(const std::string& profilePath, std::vector<PlannedFile>& files,
                      std::ostream& err) {
    std::string text;
    if (const int status = readProfile(profilePath, text, err); status != kExitOk) {
        return status;
    }
    Profile profile;
    try {
        profile = ParseProfile(text, LimitClockYear(ReadLocalClock()));
    } catch (const ProfileError& e) {
        err << "rosmossel-cli: " << profilePath << ": " << e.what() << "\n";
        return kExitBadProfile;
    }
    if (const auto failure = CheckProfile(profile)) {
        err << *failure << "\n";
        return kExitBadProfile;
    }
    // Everything is built before the first byte is written.
    for (const SettingsFileInfo& file : kSettingsFiles) {
        if (!profile.holds(file.kind)) {
            continue;
        }
        BuildResult built = BuildSectionFile(profile, file.kind);
        if (!built.ok()) {
            err << "rosmossel-cli: " << profilePath << ": " << built.error << "\n";
            return kExitBadProfile;
        }
        files.push_back({file.fileName, std::move(built.bytes)});
    }
    return kExitOk;
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
