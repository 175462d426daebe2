#pragma once

// Where the carrier database is looked for, first readable first: the
// owner's own newer file in the tool's configuration folder, the one beside
// the program (the Windows packages carry it), the system's.

#include "core/operators/operator_database.h"

#include <optional>
#include <string>
#include <vector>

namespace rosmossel {

inline constexpr const char* kOperatorDatabaseFile = "serviceproviders.xml";

// The tool's configuration folder: $XDG_CONFIG_HOME/rosmossel (else
// ~/.config/rosmossel) on Linux, %APPDATA%\Ros Mossel on Windows; empty when
// the environment names none.
std::string OwnerConfigFolder();
// The folder of the running program; empty where the system does not say.
std::string ProgramFolder();
// The system's own copies, if it keeps any
// (/usr/share/mobile-broadband-provider-info/ on Linux).
std::vector<const char*> SystemOperatorDatabases();

// The files to try, in order, for a program in `programFolder`.
std::vector<std::string> OperatorDatabaseCandidates(const std::string& programFolder);

struct OperatorDatabaseLoad {
    std::optional<OperatorDatabase> database;
    // One line per file that is there but could not be used:
    // "PATH: line N: REASON". A file that is not there is no problem.
    std::vector<std::string> problems;
};

// The first of `paths` that reads as a carrier database.
OperatorDatabaseLoad LoadOperatorDatabase(const std::vector<std::string>& paths);

} // namespace rosmossel
