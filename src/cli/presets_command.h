#pragma once

#include "cli/command.h"

#include <string>

namespace rosmossel::cli {

// presets [mms|gprs]: the countries and operators of the presets.
class PresetsCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    std::string which_ = "all";
};

} // namespace rosmossel::cli
