#pragma once

#include "cli/command.h"

#include <optional>
#include <string>
#include <vector>

namespace rosmossel::cli {

// inspect PATH...: every field of the settings files, and every problem.
class InspectCommand final : public Command {
  public:
    CLI::App& addTo(CLI::App& app) override;
    int run(const CommandContext& context) const override;

  private:
    std::vector<std::string> paths_;
    bool asJson_ = false;
    std::optional<int> model_;
};

} // namespace rosmossel::cli
