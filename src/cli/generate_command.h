#pragma once

#include "cli/command.h"
#include "cli/destination.h"

#include <optional>
#include <string>
#include <vector>

namespace rosmossel::cli {

// Reads and checks the profile and builds every file it holds, before any is
// written: kExitOk, or the exit status with the reason on `err`.
int BuildProfileFiles(const std::string& profilePath, std::vector<PlannedFile>& files,
                      std::ostream& err);

// generate PROFILE: the files for the sections of a profile, into a folder,
// onto one card, onto every card inserted, or onto each card as it comes.
class GenerateCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    std::string profilePath_;
    Destination destination_;
    bool allCards_ = false;
    bool eachCard_ = false;
    std::optional<int> count_;
    bool json_ = false;
};

} // namespace rosmossel::cli
