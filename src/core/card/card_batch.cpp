#include "core/card/card_batch.h"

#include "core/format/safe_writer.h"
#include "core/format/utf8_path.h"

#include <algorithm>
#include <filesystem>
#include <numeric>

namespace rosmossel {

std::optional<CardOutcome> WhyNotWritable(const Card& card, std::uint64_t bytesNeeded) {
    if (!CameraCanRead(card.fileSystem)) {
        return CardOutcome::NotCameraReadable;
    }
    if (!card.responding) {
        return CardOutcome::NotResponding;
    }
    switch (card.readOnly) {
    case ReadOnly::LockSwitch:
        return CardOutcome::LockSwitch;
    case ReadOnly::Mount:
        return CardOutcome::ReadOnlyMount;
    case ReadOnly::No:
        break;
    }
    if (card.freeSpace < bytesNeeded) {
        return CardOutcome::Full;
    }
    return std::nullopt;
}

CardOutcome WriteFailureOutcome(const std::optional<Card>& after, std::uint64_t bytesNeeded) {
    if (!after) {
        return CardOutcome::Removed;
    }
    if (const auto why = WhyNotWritable(*after, bytesNeeded);
        why && *why != CardOutcome::NotCameraReadable) {
        // A card that stops answering mid-way is as good as taken out.
        return *why == CardOutcome::NotResponding ? CardOutcome::Removed : *why;
    }
    return CardOutcome::FileError;
}

std::optional<Card> SameCard(std::span<const Card> cards, const Card& card) {
    const auto found = std::find_if(cards.begin(), cards.end(), [&](const Card& c) {
        return c.root == card.root && c.device == card.device;
    });
    return found == cards.end() ? std::nullopt : std::optional(*found);
}

CardResult WriteCard(const Card& card, std::span<const CardFile> files,
                     const std::function<std::vector<Card>()>& look) {
    CardResult result{card, CardOutcome::Written, {}, {}};
    const std::uint64_t needed =
        std::accumulate(files.begin(), files.end(), std::uint64_t{0},
                        [](std::uint64_t sum, const CardFile& f) { return sum + f.bytes.size(); });
    if (const auto why = WhyNotWritable(card, needed)) {
        result.outcome = *why;
        return result;
    }
    for (const CardFile& file : files) {
        if (const auto error =
                WriteFileSafely(FilePathInFolder(card.root, file.name), file.bytes)) {
            // A card pulled out may still be listed for a moment, its root
            // no longer a folder that answers.
            std::optional<Card> after = SameCard(look(), card);
            std::error_code ec;
            if (after && !std::filesystem::is_directory(Utf8Path(card.root), ec)) {
                after.reset();
            }
            result.outcome = WriteFailureOutcome(after, needed);
            result.detail = ShownText(error->path) + ": " + error->reason;
            return result;
        }
        result.written.push_back(file.name);
    }
    return result;
}

CardOutcome WorstOutcome(std::span<const CardResult> results) {
    CardOutcome worst = CardOutcome::Written;
    for (const CardResult& result : results) {
        worst = std::max(worst, result.outcome);
    }
    return worst;
}

std::vector<Card> FailedCards(std::span<const CardResult> results) {
    std::vector<Card> failed;
    for (const CardResult& result : results) {
        if (result.outcome != CardOutcome::Written) {
            failed.push_back(result.card);
        }
    }
    return failed;
}

std::vector<Card> HandledCards::newCards(std::span<const Card> inserted) {
    std::erase_if(handled_, [&](const Card& c) { return !SameCard(inserted, c); });
    std::vector<Card> fresh;
    for (const Card& card : inserted) {
        if (!SameCard(handled_, card)) {
            fresh.push_back(card);
        }
    }
    return fresh;
}

void HandledCards::add(const Card& card) {
    if (!SameCard(handled_, card)) {
        handled_.push_back(card);
    }
}

} // namespace rosmossel
