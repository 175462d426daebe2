// rosmossel-cli: writes the camera's settings files from a JSON profile, and
// reads a card back.
#include "cli/commands.h"
#include "cli/many_cards.h"
#include "core/format/settings_files.h"
#include "core/session/camera_model.h"
#include "platform/cards.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <utility>

#ifdef _WIN32
#include "core/format/windows_text.h"

#include "platform/windows_api.h"

#include <vector>
#endif

namespace {

// One column of the settings-file table, as "a, b, c".
std::string listed(const char* rosmossel::SettingsFileInfo::*column) {
    std::string text;
    for (const rosmossel::SettingsFileInfo& file : rosmossel::kSettingsFiles) {
        text += (text.empty() ? "" : ", ") + std::string(file.*column);
    }
    return text;
}

int run(int argc, char** argv) {
    using namespace rosmossel::cli;
    using rosmossel::SettingsFileInfo;
    CLI::App app{"Writes and checks the settings files of Quill and Sedge trail cameras (" +
                     listed(&SettingsFileInfo::fileName) + ").",
                 "rosmossel-cli"};
    app.set_version_flag("--version", std::string("rosmossel-cli ") + ROSMOSSEL_VERSION);
    app.require_subcommand(1);
    app.footer("Exit status: 0 success; 1 bad profile or a failed check, nothing written; "
               "2 wrong command line; 3 a file could not be read or written; "
               "4 inspect found a damaged, foreign or missing settings file; "
               "5 no card, or which card to use is not clear; 6 the card could not be ejected. "
               "With --all-cards or --each-card: 0 only when every card was written, else the "
               "status of the worst card (3 not written, 5 not tried).");

    std::string profilePath;
    std::string outDir;
    auto* generate =
        app.add_subcommand("generate", "Write the files for the sections of a profile (" +
                                           listed(&SettingsFileInfo::section) + ").");
    generate->add_option("profile", profilePath, "JSON profile, or - for standard input");
    generate->add_option("--out", outDir, "Folder to write into, normally the SD card's root");
    generate->footer("Example profiles to start from: /usr/share/doc/rosmossel/examples/ where the "
                     "Debian package is installed; examples\\ beside rosmossel-cli.exe on "
                     "Windows.");

    auto* factory = app.add_subcommand(
        "factory", std::string("Write the ") +
                       rosmossel::SettingsFile(rosmossel::FileKind::Menu).fileName +
                       " that returns a camera to its factory settings.");
    factory->add_option("--out", outDir, "Folder to write into");
    std::string cardLabel;
    for (auto* command : {generate, factory}) {
        command
            ->add_option("--card", cardLabel,
                         "Write to the root of the only SD card inserted, or of the one with "
                         "this label")
            ->expected(0, 1)
            ->excludes("--out");
    }

    bool asJson = false;
    bool allCards = false;
    bool eachCard = false;
    std::optional<int> count;
    generate->add_flag("--all-cards", allCards, "Write to every SD card inserted")
        ->excludes("--out", "--card");
    generate
        ->add_flag("--each-card", eachCard,
                   "Wait for SD cards and write each one inserted once, until Ctrl-C")
        ->excludes("--out", "--card", "--all-cards");
    generate->add_option("--count", count, "With --each-card: stop after this many cards")
        ->needs("--each-card")
        ->check(CLI::PositiveNumber);
    generate->add_flag("--json", asJson,
                       "With --all-cards or --each-card: one JSON object per card, a line each");

    std::vector<std::string> paths;
    std::optional<int> model;
    auto* inspect = app.add_subcommand(
        "inspect", "Read settings files (or every settings file in a folder) and judge them.");
    inspect->add_option("path", paths, "A settings file or a folder")->required();
    inspect->add_flag("--json", asJson, "Print a profile that generate turns into the same files");
    std::map<std::string, int> models;
    for (const rosmossel::CameraModel m : rosmossel::kCameraModels) {
        models.emplace(m.displayName(), m.number());
    }
    inspect
        ->add_option("--model", model,
                     "Read the files as written for this model (\"Ros QuillMG\" or 1 to 4)")
        ->transform(CLI::CheckedTransformer(models, CLI::ignore_case));

    std::string which = "all";
    auto* cards = app.add_subcommand("cards", "List the SD cards inserted (removable volumes).");
    cards->add_flag("--json", asJson, "Print a JSON list (empty where there is no card)");
    auto* eject = app.add_subcommand("eject", "Eject the SD card so that it can be taken out.");
    eject->add_option("--card", cardLabel, "The label of the card, where several are inserted");

    auto* presets =
        app.add_subcommand("presets", "List the countries and operators of the presets.");
    presets->add_option("kind", which, "mms or gprs (both when left out)")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, std::string>{{"mms", "mms"}, {"gprs", "gprs"}},
            CLI::ignore_case));

    // An empty folder would put the files into the file system's root.
    const CLI::Validator notEmpty(
        [](const std::string& folder) {
            return folder.empty() ? std::string("give a folder, for example the SD card's root")
                                  : std::string();
        },
        "FOLDER");
    for (auto* command : {generate, factory}) {
        command->get_option("--out")->check(notEmpty);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? kExitOk : kExitUsage;
    }
    const rosmossel::SystemCardSource system;
    const auto label = [&]() -> std::optional<std::string> {
        return cardLabel.empty() ? std::nullopt : std::optional(cardLabel);
    };
    if (generate->parsed() || factory->parsed()) {
        auto* command = generate->parsed() ? generate : factory;
        // "generate --card profile.json": the value is the profile, not a label.
        if (generate->parsed() && profilePath.empty() && !cardLabel.empty()) {
            profilePath = std::exchange(cardLabel, std::string());
        }
        if (allCards || eachCard) {
            if (profilePath.empty()) {
                std::cerr << "rosmossel-cli: generate: give a profile\n";
                return kExitUsage;
            }
            return allCards ? RunAllCards(system, profilePath, asJson, std::cout, std::cerr)
                            : RunEachCardWatched(system, profilePath, count, asJson, std::cout,
                                                 std::cerr);
        }
        if (asJson && generate->parsed()) {
            std::cerr << "rosmossel-cli: generate: --json goes with --all-cards or --each-card\n";
            return kExitUsage;
        }
        const bool toCard = command->count("--card") > 0;
        if ((generate->parsed() && profilePath.empty()) || (!toCard && outDir.empty())) {
            std::cerr << "rosmossel-cli: " << command->get_name() << ": give "
                      << (generate->parsed() && profilePath.empty() ? "a profile"
                                                                    : "--out FOLDER or --card")
                      << "\nRun with --help for more information.\n";
            return kExitUsage;
        }
        if (toCard) {
            if (const int status = CardFolder(system, label(), outDir, std::cerr); status != 0) {
                return status;
            }
        }
        return generate->parsed() ? RunGenerate(profilePath, outDir, std::cout, std::cerr)
                                  : RunFactory(outDir, std::cout, std::cerr);
    }
    if (cards->parsed()) {
        return RunCards(system, asJson, std::cout, std::cerr);
    }
    if (eject->parsed()) {
        return RunEject(system, label(), std::cout, std::cerr);
    }
    if (inspect->parsed()) {
        return RunInspect(paths, asJson, model, std::cout, std::cerr);
    }
    return RunPresets(which, std::cout, std::cerr);
}

} // namespace

#ifdef _WIN32
// The wide command line holds any name; the rest of the tool takes UTF-8.
// Output is UTF-8 too, so the console is told so while the tool runs.
int wmain(int argc, wchar_t** wargv) {
    const UINT consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        args.push_back(rosmossel::Utf8FromWide(wargv[i]));
    }
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const int status = run(argc, argv.data());
    std::cout.flush();
    std::cerr.flush();
    if (consoleCodePage != 0) {
        SetConsoleOutputCP(consoleCodePage);
    }
    return status;
}
#else
int main(int argc, char** argv) {
    return run(argc, argv);
}
#endif
