#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace rosmossel::cli {

// Exit statuses of rosmossel-cli.
enum ExitCode : int {
    kExitOk = 0,
    kExitBadProfile = 1, // the profile is malformed or fails a check; nothing written
    kExitUsage = 2,      // the command line is wrong
    kExitFileError = 3,  // a file could not be read or written
    kExitInvalidFile = 4 // inspect: a file is damaged, foreign or missing
};

int RunGenerate(const std::string& profilePath, const std::string& outDir, std::ostream& out,
                std::ostream& err);
int RunFactory(const std::string& outDir, std::ostream& out, std::ostream& err);
int RunInspect(const std::vector<std::string>& paths, bool asJson, const std::optional<int>& model,
               std::ostream& out, std::ostream& err);
int RunPresets(const std::string& which, std::ostream& out, std::ostream& err);

} // namespace rosmossel::cli
