#pragma once

// rosmossel-cli operators: the carrier database (serviceproviders.xml) asked
// for an operator's MMS and internet connections, a profile fragment that
// fills the MMS connection, or where the built-in presets have gone stale.

#include "cli/command.h"

#include <iosfwd>
#include <string>
#include <vector>

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

int RunOperators(const OperatorsOptions& options, std::ostream& out, std::ostream& err);

class OperatorsCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    OperatorsOptions options_;
};

} // namespace rosmossel::cli
