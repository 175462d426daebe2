#pragma once

#include "cli/command.h"
#include "core/card/card_batch.h"

#include <string>
#include <vector>

namespace CLI {
class Option;
}

namespace rosmossel::cli {

// Where generate and factory write: --out FOLDER, or --card [LABEL] for the
// root of the only card inserted or of the one with that label.
class Destination {
  public:
    // Adds --out and --card to `command`.
    void addTo(CLI::App& command, const std::string& outHelp);
    // The folder to write into, in `folder`; else the exit status, and why on
    // the context's err.
    int folder(const CommandContext& context, const std::string& commandName,
               std::string& folder) const;

  private:
    std::string outDir_;
    std::string cardLabel_;
    CLI::Option* card_ = nullptr;
};

// A settings file built from a profile, not yet written.
using PlannedFile = CardFile;

// Writes the files one by one; stops at the first failure and says which
// files were written before it.
int WriteAll(const std::vector<PlannedFile>& files, const std::string& outDir, std::ostream& out,
             std::ostream& err);

} // namespace rosmossel::cli
