// What cards --json tells of each card's settings files. Apart from the
// commands that call a card source: the card list's time limit is all this
// needs of the platform.
#include "cli/inspect.h"
#include "cli/many_cards.h"
#include "core/card/card_contents.h"
#include "core/text/code_page.h"
#include "platform/cards.h"

#include <memory>

namespace rosmossel::cli {

void AddCardContents(std::span<const Card> cards, nlohmann::ordered_json& entries,
                     std::chrono::milliseconds limit) {
    const int codePage = SystemCodePage();
    // Each card read beside the caller: one that stops answering holds only
    // its own entry. The work owns what it fills.
    std::vector<std::shared_ptr<nlohmann::ordered_json>> found;
    std::vector<std::function<void()>> work;
    for (const Card& card : cards) {
        auto slot = std::make_shared<nlohmann::ordered_json>();
        found.push_back(slot);
        if (!card.responding) {
            continue;
        }
        work.push_back([slot, root = card.root, codePage] {
            nlohmann::ordered_json files = nlohmann::ordered_json::object();
            for (const HeldFile& held : ReadCardContents(root, codePage)) {
                nlohmann::ordered_json entry;
                switch (held.state) {
                case HeldFile::State::Absent:
                    entry["state"] = "empty";
                    break;
                case HeldFile::State::Unreadable:
                    entry["state"] = "unreadable";
                    entry["reason"] = held.reason;
                    break;
                case HeldFile::State::Read:
                    entry["state"] = "read";
                    for (const auto& [name, value] : held.facts) {
                        entry[name] = value;
                    }
                    break;
                }
                files[SettingsFile(held.kind).fileName] = std::move(entry);
            }
            std::vector<DecodedFile> readable;
            for (DecodedFile& in : InspectPaths({root}, std::nullopt)) {
                if (in.valid()) {
                    readable.push_back(std::move(in));
                }
            }
            std::vector<std::string> notes;
            nlohmann::ordered_json profile = ProfileOf(readable, std::nullopt, notes, codePage);
            (*slot)["files"] = std::move(files);
            (*slot)["profile"] = profile.empty() ? nlohmann::ordered_json() : std::move(profile);
        });
    }
    // Which slots were filled in time: the work was queued for responding
    // cards only, in order.
    const std::vector<bool> finished = RunAllWithin(limit, std::move(work));
    for (std::size_t i = 0, w = 0; i < cards.size() && i < entries.size(); ++i) {
        const bool answered = cards[i].responding && finished[w++];
        entries[i]["files"] = answered ? (*found[i])["files"] : nlohmann::ordered_json();
        entries[i]["profile"] = answered ? (*found[i])["profile"] : nlohmann::ordered_json();
    }
}

void AddCardContents(std::span<const Card> cards, nlohmann::ordered_json& entries) {
    AddCardContents(cards, entries, kCardAnswerLimit);
}

} // namespace rosmossel::cli
