// rosmossel-cli cards, eject, and the card that generate --card writes to.
#include "cli/commands.h"
#include "cli/many_cards.h"
#include "core/card/card.h"
#include "core/text/card_texts.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace rosmossel::cli {
namespace {

// The card `label` names, or the only one; none, and why on `err`, where
// that is not clear.
std::optional<Card> chosenCard(const CardSource& source, const std::optional<std::string>& label,
                               CardUse use, std::ostream& err) {
    const CardChoice choice = ChooseCard(source.cards(), label, use);
    if (!choice.card) {
        err << "rosmossel-cli: " << choice.problem
            << (choice.several ? "; choose one with --card LABEL" : "") << "\n";
    }
    return choice.card;
}

} // namespace

int RunCards(const CardSource& source, bool asJson, std::ostream& out, std::ostream&) {
    const std::vector<Card> cards = source.cards();
    if (asJson) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Card& card : cards) {
            const char* readOnly = card.readOnly == ReadOnly::LockSwitch ? "lock_switch"
                                   : card.readOnly == ReadOnly::Mount    ? "mount"
                                                                         : nullptr;
            list.push_back({{"root", card.root},
                            {"label", card.label},
                            {"file_system", card.fileSystem},
                            {"capacity", card.capacity},
                            {"free", card.freeSpace},
                            {"write_protected", card.writeProtected()},
                            {"read_only", readOnly != nullptr ? nlohmann::ordered_json(readOnly)
                                                              : nlohmann::ordered_json()},
                            {"camera_readable", CameraCanRead(card.fileSystem)},
                            {"responding", card.responding}});
        }
        AddCardContents(cards, list);
        // A mount point is bytes, not always UTF-8; the list stays valid JSON.
        out << list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
        return kExitOk;
    }
    for (const Card& card : cards) {
        out << ShownText(card.root) << "  " << CardLineText(card, kEnglish) << "\n";
    }
    return kExitOk;
}

int CardFolder(const CardSource& source, const std::optional<std::string>& label,
               std::string& folder, std::ostream& err) {
    const std::optional<Card> card = chosenCard(source, label, CardUse::Write, err);
    if (!card) {
        return kExitNoCard;
    }
    if (card->writeProtected()) {
        err << "rosmossel-cli: " << WriteProtectedText(*card, kEnglish) << "\n";
        return kExitFileError;
    }
    folder = card->root;
    return kExitOk;
}

int RunEject(const CardSource& source, const std::optional<std::string>& label, std::ostream& out,
             std::ostream& err) {
    const std::optional<Card> card = chosenCard(source, label, CardUse::Eject, err);
    if (!card) {
        return kExitNoCard;
    }
    const EjectResult result = source.eject(*card);
    const std::string text = EjectResultText(result, kEnglish);
    if (result.outcome != EjectOutcome::Ejected) {
        err << "rosmossel-cli: " << text << "\n";
        return kExitEjectFailed;
    }
    out << ShownText(card->root) << ": " << text << "\n";
    return kExitOk;
}

} // namespace rosmossel::cli
