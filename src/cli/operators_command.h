#pragma once

// rosmossel-cli operators: the carrier database (serviceproviders.xml) asked
// for an operator's MMS and internet connections, a profile fragment that
// fills the MMS connection, or where the built-in presets have gone stale.

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace rosmossel::cli {

struct OperatorsOptions {
    // Words of a country, an operator's name, an APN or an MCC-MNC, quoted
    // together or not.
    std::vector<std::string> query;
    std::string country; // an ISO country code ("gb")
    bool json = false;
    bool profile = false;
    bool comparePresets = false;
    // The files to look in, first first; empty: the owner's, beside the
    // program, the system's.
    std::vector<std::string> databases;
};

// Adds the subcommand and its options, which fill `options`.
CLI::App* AddOperatorsCommand(CLI::App& app, OperatorsOptions& options);

int RunOperators(const OperatorsOptions& options, std::ostream& out, std::ostream& err);

} // namespace rosmossel::cli
