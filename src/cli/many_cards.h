#pragma once

// rosmossel-cli generate --all-cards / --each-card, and what cards --json
// adds about each card's settings files.

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "core/card/card_batch.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rosmossel::cli {

// The exit status of one card's outcome, and of a batch: 0 only when every
// card was written, else the status of the worst failure.
int ExitStatusOf(CardOutcome outcome);
int BatchExitStatus(std::span<const CardResult> results);

// One line per card: "CAM  /media/ann/CAM  written: menu.dat", or a JSON
// object on one line where `asJson`.
void PrintCardResult(const CardResult& result, std::optional<int> number, const std::string& note,
                     bool asJson, std::ostream& out);

// generate PROFILE --all-cards: every card inserted, one line each, then
// the summary (on `err` where the lines are JSON).
int RunAllCards(const CardSource& source, const std::string& profilePath, bool asJson,
                std::ostream& out, std::ostream& err);

// generate PROFILE --each-card: waits for cards and writes each one inserted
// once, the ones already inserted first; ejects each written card where the
// system can, else says to take it out. Ends after `count` cards, or when
// `stop` says so, with the summary.
struct EachCardOptions {
    std::optional<int> count;
    bool asJson = false;
    // The cards inserted now; the source's own list where not given.
    std::function<std::vector<Card>()> look;
    std::function<bool()> stop = [] { return false; };
    // Between two looks at the cards; returns early when asked to stop.
    std::function<void()> pause = [] {};
};
int RunEachCard(const CardSource& source, const std::string& profilePath,
                const EachCardOptions& options, std::ostream& out, std::ostream& err);

// The production line on the system's cards: the card watcher looks (on
// the system's notice of a new mount), Ctrl-C (SIGINT) stops it.
int RunEachCardWatched(const CardSource& source, const std::string& profilePath,
                       std::optional<int> count, bool asJson, std::ostream& out, std::ostream& err);

// Adds "files" (each settings file: read, with what it holds, empty, or
// why it could not be read) and "profile" (what inspect --json prints for
// the readable files) to each card's JSON entry. A card that does not answer
// within `limit` gets "files": null.
void AddCardContents(std::span<const Card> cards, nlohmann::ordered_json& entries,
                     std::chrono::milliseconds limit);
// The same within the card list's own time limit.
void AddCardContents(std::span<const Card> cards, nlohmann::ordered_json& entries);

} // namespace rosmossel::cli
