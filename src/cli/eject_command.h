#pragma once

#include "cli/command.h"

#include <string>

namespace rosmossel::cli {

// eject: the only SD card, or the one with the label given.
class EjectCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    std::string cardLabel_;
};

} // namespace rosmossel::cli
