// rosmossel-cli: writes the camera's settings files from a JSON profile, and
// reads a card back.
#include "cli/command.h"
#include "core/text/main_window_text.h"
#include "platform/cards.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include "core/format/windows_text.h"

#include "platform/windows_api.h"
#endif

namespace {

int run(int argc, char** argv) {
    using namespace rosmossel::cli;
    CLI::App app{"Writes and checks the settings files of Quill and Sedge trail cameras (" +
                     ListedColumn(&rosmossel::SettingsFileInfo::fileName) + ").",
                 "rosmossel-cli"};
    app.set_version_flag("--version", std::string("rosmossel-cli ") + rosmossel::ProjectVersion());
    app.require_subcommand(1);
    app.footer(ExitStatusText());

    const std::vector<std::unique_ptr<Command>> commands = AllCommands();
    std::vector<std::pair<const CLI::App*, const Command*>> parsed;
    for (const auto& command : commands) {
        parsed.emplace_back(&command->addTo(app), command.get());
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? kExitOk : kExitUsage;
    }
    const rosmossel::SystemCardSource system;
    const CommandContext context{std::cout, std::cerr, system};
    for (const auto& [subcommand, command] : parsed) {
        if (subcommand->parsed()) {
            return command->run(context);
        }
    }
    return kExitUsage;
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
