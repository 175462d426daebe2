#pragma once

// Writing many cards at once or one after another: what became of each card,
// and what the batch as a whole comes to. One card's failure never stops
// the others; each is reported on its own.

#include "core/card/card.h"
#include "core/format/file_record.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rosmossel {

// What became of one card, from written to the worst failure: the order is
// the one a batch is judged by (see WorstOutcome).
enum class CardOutcome {
    Written,
    NotCameraReadable, // a file system no camera reads; nothing tried
    NotResponding,     // its file system did not answer in time; nothing tried
    LockSwitch,        // the card's lock switch is on
    ReadOnlyMount,     // the system mounted it read-only
    Full,              // no room for the files
    Removed,           // taken out while it was written
    FileError,         // the system refused a file for another reason
};

struct CardResult {
    Card card;
    CardOutcome outcome = CardOutcome::Written;
    std::vector<std::string> written; // the files' names, in the order written
    std::string detail;               // the failed file and the system's reason
};

// Why a card is not even tried, as it is now; none when it may be written.
// `bytesNeeded` is what the files take (the old files stay until each new one
// is in place, so all of it must be free).
std::optional<CardOutcome> WhyNotWritable(const Card& card, std::uint64_t bytesNeeded);

// What a failed write comes to, from the card as it is after the failure:
// gone from the list (`after` empty) means it was taken out; a read-only
// card, one the system remounted so; too little room, a full card.
CardOutcome WriteFailureOutcome(const std::optional<Card>& after, std::uint64_t bytesNeeded);

// The card in `cards` that is `card` (the same root and device), if inserted.
std::optional<Card> SameCard(std::span<const Card> cards, const Card& card);

// A settings file built for the cards, not yet written.
struct CardFile {
    std::string name;
    Bytes bytes;
};

// Writes `files` into the card's root one by one with the safe writer (each
// read back); stops at the first failure, whose kind `look` (the cards
// inserted now) and whether the root is still a folder then tell. Nothing is
// tried on a card WhyNotWritable refuses.
CardResult WriteCard(const Card& card, std::span<const CardFile> files,
                     const std::function<std::vector<Card>()>& look);

// The worst outcome of a batch; Written only when every card was written
// (and for no card at all: the caller tells "no card" itself).
CardOutcome WorstOutcome(std::span<const CardResult> results);

// The cards of a batch that were not written.
std::vector<Card> FailedCards(std::span<const CardResult> results);

// Which cards a production line still has to write: a card handled and
// still inserted is not written again; taken out and put back, it is a new
// card (what a camera owner does with the next camera's card).
class HandledCards {
  public:
    // Forgets the cards handled that are no longer in `inserted`, and
    // returns the cards of `inserted` not handled yet, in their order.
    std::vector<Card> newCards(std::span<const Card> inserted);
    // `card` is handled: no longer new while it stays inserted.
    void add(const Card& card);

  private:
    std::vector<Card> handled_;
};

} // namespace rosmossel
