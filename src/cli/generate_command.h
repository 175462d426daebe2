#pragma once

#include "cli/command.h"
#include "cli/destination.h"

#include <string>

namespace rosmossel::cli {

// generate PROFILE: the files for the sections of a profile.
class GenerateCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    std::string profilePath_;
    Destination destination_;
};

} // namespace rosmossel::cli
