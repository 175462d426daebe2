#pragma once

#include "cli/command.h"
#include "cli/destination.h"

namespace rosmossel::cli {

// factory: the menu.dat that returns a camera to its factory settings.
class FactoryCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    Destination destination_;
};

} // namespace rosmossel::cli
