#pragma once

#include <array>
#include <string>

namespace rosmossel::cli {

// Exit statuses of rosmossel-cli.
enum ExitCode : int {
    kExitOk = 0,
    kExitBadProfile = 1,
    kExitUsage = 2,
    kExitFileError = 3,
    kExitInvalidFile = 4,
    kExitNoCard = 5,
    kExitEjectFailed = 6
};

struct ExitStatusInfo {
    ExitCode code;
    const char* meaning;
};

// What each status means, as --help, the manual page and the developers'
// notes give it.
inline constexpr std::array<ExitStatusInfo, 7> kExitStatuses{{
    {kExitOk, "success; for inspect, every file is valid"},
    {kExitBadProfile,
     "the profile is malformed or a check failed; nothing was written; for operators, nothing "
     "matched"},
    {kExitUsage, "the command line is wrong"},
    {kExitFileError,
     "a profile could not be read, or a file could not be written; for operators, no carrier "
     "database could be read; with --all-cards or --each-card, a card was not written"},
    {kExitInvalidFile,
     "inspect found a damaged, truncated, foreign or unreadable file, or no settings file at "
     "all"},
    {kExitNoCard,
     "--card or eject: no card, or which card is meant is not clear; nothing was written; with "
     "--all-cards or --each-card, a card was not tried (no card, not camera-readable, not "
     "responding)"},
    {kExitEjectFailed, "eject: the card is busy, UDisks2 is not there, or the system refused"},
}};

// The statuses as a paragraph for --help.
std::string ExitStatusText();

} // namespace rosmossel::cli
