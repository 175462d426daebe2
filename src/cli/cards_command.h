#pragma once

#include "cli/command.h"

namespace rosmossel::cli {

// cards: the SD cards inserted.
class CardsCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    bool asJson_ = false;
};

} // namespace rosmossel::cli
