#pragma once

#include "core/card/card_batch.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rosmossel {
class CardSource;
}

namespace rosmossel::cli {

// Exit statuses of rosmossel-cli.
enum ExitCode : int {
    kExitOk = 0,
    kExitBadProfile = 1,  // the profile is malformed or fails a check; nothing written
    kExitUsage = 2,       // the command line is wrong
    kExitFileError = 3,   // a file could not be read or written
    kExitInvalidFile = 4, // inspect: a file is damaged, foreign or missing
    kExitNoCard = 5,      // --card: no card, or which one is not clear; nothing written
    kExitEjectFailed = 6  // eject: the card is busy or the system could not eject it
};

// A settings file built from a profile, not yet written.
using NamedFile = CardFile;
// Reads and checks the profile and builds every file it holds, before any
// is written: kExitOk, or the exit status with the reason on `err`.
int BuildProfileFiles(const std::string& profilePath, std::vector<NamedFile>& files,
                      std::ostream& err);

int RunGenerate(const std::string& profilePath, const std::string& outDir, std::ostream& out,
                std::ostream& err);
int RunFactory(const std::string& outDir, std::ostream& out, std::ostream& err);
int RunInspect(const std::vector<std::string>& paths, bool asJson, const std::optional<int>& model,
               std::ostream& out, std::ostream& err);
int RunPresets(const std::string& which, std::ostream& out, std::ostream& err);

// The cards inserted, one a line or as a JSON list (empty where there are none).
int RunCards(const CardSource& source, bool asJson, std::ostream& out, std::ostream& err);
// --card [LABEL]: the root of the card to write to, in `folder`; else the
// reason (naming the cards) on `err` and kExitNoCard, or kExitFileError for
// a write-protected card.
int CardFolder(const CardSource& source, const std::optional<std::string>& label,
               std::string& folder, std::ostream& err);
int RunEject(const CardSource& source, const std::optional<std::string>& label, std::ostream& out,
             std::ostream& err);

} // namespace rosmossel::cli
