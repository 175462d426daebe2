#pragma once

#include "cli/exit_status.h"
#include "core/format/settings_files.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace rosmossel {
class CardSource;
}

namespace rosmossel::cli {

// What a command runs with: where it prints, and the cards the system has.
struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    const CardSource& cards;
};

// One subcommand of rosmossel-cli: its options, filled in as the command line
// is parsed, and its run.
class Command {
  public:
    virtual ~Command() = default;
    // Adds the subcommand and its options to `app`.
    virtual CLI::App& addTo(CLI::App& app) = 0;
    // Runs the parsed subcommand; the exit status.
    virtual int run(const CommandContext& context) const = 0;
};

// Every command, in the order --help lists them.
std::vector<std::unique_ptr<Command>> AllCommands();

// One column of the settings-file table, as "a, b, c".
std::string ListedColumn(const char* SettingsFileInfo::*column);

} // namespace rosmossel::cli
