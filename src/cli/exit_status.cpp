#include "cli/exit_status.h"

namespace rosmossel::cli {

std::string ExitStatusText() {
    std::string text = "Exit status:";
    for (const ExitStatusInfo& status : kExitStatuses) {
        text += "\n  " + std::to_string(status.code) + "  " + status.meaning;
    }
    return text;
}

} // namespace rosmossel::cli
