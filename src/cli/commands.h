#pragma once

#include "cli/exit_status.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace rosmossel {
class CardSource;
}

// The card commands' runs, and the card generate --card and factory --card
// write to.
namespace rosmossel::cli {

// The cards inserted, one a line or as a JSON list (empty where there are none).
int RunCards(const CardSource& source, bool asJson, std::ostream& out, std::ostream& err);
// --card [LABEL]: the root of the card to write to, in `folder`; else the
// reason (naming the cards) on `err` and kExitNoCard, or kExitFileError for
// a write-protected card.
int CardFolder(const CardSource& source, const std::optional<std::string>& label,
               std::string& folder, std::ostream& err);
int RunEject(const CardSource& source, const std::optional<std::string>& label, std::ostream& out,
             std::ostream& err);

} // namespace rosmossel::cli
