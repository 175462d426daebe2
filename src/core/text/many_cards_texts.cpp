#include "core/text/many_cards_texts.h"

#include "core/text/card_texts.h"
#include "core/text/languages.h"

#include <algorithm>

namespace rosmossel {
namespace {

// %1 the files written.
constexpr LanguageTexts kWritten = {"已写入：%1",      "written: %1",  "geschrieben: %1",
                                    "kirjoitettu: %1", "scritto: %1",  "ecrit : %1",
                                    "kiirva: %1",      "zapisano: %1", "zapsano: %1"};
constexpr LanguageTexts kNotWritten = {
    "未写入：",     "not written: ",  "nicht geschrieben: ", "ei kirjoitettu: ", "non scritto: ",
    "non ecrit : ", "nincs kiirva: ", "ni zapisano: ",       "nezapsano: "};
// %1 the file system.
constexpr LanguageTexts kCannotRead = {"相机无法读取 %1",
                                       "a camera cannot read %1",
                                       "eine Kamera kann %1 nicht lesen",
                                       "kamera ei lue %1-muotoa",
                                       "una fotocamera non legge %1",
                                       "un appareil ne lit pas %1",
                                       "a kamera nem olvassa a(z) %1 formatumot",
                                       "kamera ne bere %1",
                                       "fotoaparat neumi cist %1"};
// The names of what a settings file holds, as the Cards window shows them;
// the keys are the ones `cards --json` gives.
struct FactCaption {
    std::string_view key;
    LanguageTexts caption;
};
constexpr FactCaption kFactCaptions[] = {
    {"family",
     {"系列", "family", "Familie", "sarja", "famiglia", "famille", "csalad", "druzina", "rada"}},
    {"language",
     {"语言", "language", "Sprache", "kieli", "lingua", "langue", "nyelv", "jezik", "jazyk"}},
    {"camera_mode",
     {"相机模式", "camera mode", "Kameramodus", "kameratila", "modalita fotocamera", "mode camera",
      "kamera mod", "nacin kamere", "rezim kamery"}},
    {"mms_mode",
     {"彩信模式", "mms mode", "MMS-Modus", "MMS-tila", "modalita MMS", "mode MMS", "MMS mod",
      "nacin MMS", "rezim MMS"}},
    {"recipients",
     {"收件人", "recipients", "Empfanger", "vastaanottajat", "destinatari", "destinataires",
      "cimzettek", "prejemniki", "prijemci"}},
};

std::string factCaption(const std::string& key, int language) {
    for (const FactCaption& fact : kFactCaptions) {
        if (fact.key == key) {
            return std::string(TextIn(fact.caption, language));
        }
    }
    std::string shown = key;
    std::replace(shown.begin(), shown.end(), '_', ' ');
    return shown;
}

constexpr LanguageTexts kSilent = {
    "SD卡没有响应",          "the card is not responding", "die Karte antwortet nicht",
    "kortti ei vastaa",      "la scheda non risponde",     "la carte ne repond pas",
    "a kartya nem valaszol", "kartica se ne odziva",       "karta neodpovida"};
constexpr LanguageTexts kLocked = {"SD卡的写保护开关已打开",
                                   "the card's lock switch is on",
                                   "der Schreibschutzschalter der Karte ist an",
                                   "kortin kirjoitussuojakytkin on paalla",
                                   "l'interruttore di protezione della scheda e attivo",
                                   "le verrou de la carte est active",
                                   "a kartya irasvedo kapcsoloja be van kapcsolva",
                                   "stikalo za zascito kartice je vklopljeno",
                                   "prepinac ochrany karty je zapnuty"};
constexpr LanguageTexts kMountedReadOnly = {
    "系统以只读方式挂载了该卡",
    "the system mounted the card read-only",
    "das System hat die Karte schreibgeschuetzt eingehaengt",
    "jarjestelma liitti kortin vain luku -tilaan",
    "il sistema ha montato la scheda in sola lettura",
    "le systeme a monte la carte en lecture seule",
    "a rendszer csak olvashatoan csatolta a kartyat",
    "sistem je kartico priklopil samo za branje",
    "system pripojil kartu jen pro cteni"};
constexpr LanguageTexts kFull = {"SD卡已满",         "the card is full",  "die Karte ist voll",
                                 "kortti on taynna", "la scheda e piena", "la carte est pleine",
                                 "a kartya megtelt", "kartica je polna",  "karta je plna"};
constexpr LanguageTexts kRemoved = {"写入时SD卡被取出",
                                    "the card was taken out while it was written",
                                    "die Karte wurde beim Schreiben entnommen",
                                    "kortti poistettiin kirjoituksen aikana",
                                    "la scheda e stata estratta durante la scrittura",
                                    "la carte a ete retiree pendant l'ecriture",
                                    "a kartyat iras kozben kivettek",
                                    "kartica je bila odstranjena med pisanjem",
                                    "karta byla vyjmuta behem zapisu"};
// %1 cards written, %2 cards in all.
constexpr LanguageTexts kSummary = {
    "已写入 %1 张SD卡，共 %2 张", "%1 of %2 cards written",    "%1 von %2 Karten geschrieben",
    "%1/%2 korttia kirjoitettu",  "%1 schede scritte su %2",   "%1 cartes ecrites sur %2",
    "%1 / %2 kartya kiirva",      "zapisanih %1 od %2 kartic", "zapsano %1 z %2 karet"};
constexpr LanguageTexts kFailedCards = {
    "；未写入：",         "; not written: ", "; nicht geschrieben: ",
    "; ei kirjoitettu: ", "; non scritte: ", "; non ecrites : ",
    "; nincs kiirva: ",   "; ni zapisano: ", "; nezapsano: "};

constexpr LanguageTexts kWriting = {"正在写入…",     "writing…",   "wird geschrieben…",
                                    "kirjoitetaan…", "scrittura…", "ecriture…",
                                    "iras…",         "pisanje…",   "zapisuje se…"};

// Where a card was not written, or the system could not eject it, after
// what it said.
constexpr LanguageTexts kRemoveSentence = {
    "请取出SD卡。",         " Remove the card.",    " Nehmen Sie die Karte heraus.",
    " Poista kortti.",      " Estrarre la scheda.", " Retirez la carte.",
    " Vegye ki a kartyat.", " Odstranite kartico.", " Vyjmete kartu."};

std::string cardName(const Card& card, int language) {
    return CardLabelOf(card, language) + " (" + ShownText(card.root) + "): ";
}

std::string joined(std::span<const std::string> items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

std::string why(const CardResult& result, int language) {
    switch (result.outcome) {
    case CardOutcome::Written:
        break;
    case CardOutcome::NotCameraReadable:
        return FillCardText(TextIn(kCannotRead, language), {result.card.fileSystem});
    case CardOutcome::NotResponding:
        return std::string(TextIn(kSilent, language));
    case CardOutcome::LockSwitch:
        return std::string(TextIn(kLocked, language));
    case CardOutcome::ReadOnlyMount:
        return std::string(TextIn(kMountedReadOnly, language));
    case CardOutcome::Full:
        return std::string(TextIn(kFull, language));
    case CardOutcome::Removed:
        return std::string(TextIn(kRemoved, language));
    case CardOutcome::FileError:
        return result.detail;
    }
    return {};
}

} // namespace

std::string CardOutcomeText(const CardResult& result, int language) {
    if (result.outcome == CardOutcome::Written) {
        return FillCardText(TextIn(kWritten, language), {joined(result.written)});
    }
    std::string text = std::string(TextIn(kNotWritten, language)) + why(result, language);
    // The system's words where it gave them and they add to the reason.
    if (result.outcome != CardOutcome::FileError && !result.detail.empty()) {
        text += " (" + result.detail + ")";
    }
    return text;
}

std::string CardWritingText(const Card& card, int language) {
    return cardName(card, language) + std::string(TextIn(kWriting, language));
}

std::string CardResultLine(const CardResult& result, int language) {
    return cardName(result.card, language) + CardOutcomeText(result, language);
}

std::string BatchSummaryText(std::span<const CardResult> results, int language) {
    const std::vector<Card> failed = FailedCards(results);
    std::string text =
        FillCardText(TextIn(kSummary, language), {std::to_string(results.size() - failed.size()),
                                                  std::to_string(results.size())});
    if (!failed.empty()) {
        std::vector<std::string> names;
        for (const Card& card : failed) {
            names.push_back(card.label.empty() ? ShownText(card.root) : card.label);
        }
        text += std::string(TextIn(kFailedCards, language)) + joined(names);
    }
    return text;
}

std::string WritingText(int language) {
    return std::string(TextIn(kWriting, language));
}

std::string LineNoteText(const CardResult& result, const std::optional<EjectResult>& ejected,
                         int language) {
    if (result.outcome != CardOutcome::Written || !ejected) {
        const std::string_view sentence = TextIn(kRemoveSentence, language);
        return std::string(sentence.substr(sentence.find_first_not_of(' ')));
    }
    std::string note = EjectResultText(*ejected, language);
    if (ejected->outcome != EjectOutcome::Ejected) {
        // The owner takes the card out; the system's words end as a sentence first.
        if (!note.ends_with('.') && !note.ends_with("。")) {
            note += language == kChinese ? "。" : ".";
        }
        note += TextIn(kRemoveSentence, language);
    }
    return note;
}

std::string LineWithNote(std::string line, std::string_view note, int language) {
    if (note.empty()) {
        return line;
    }
    const bool chinese = language == kChinese;
    if (!line.ends_with('.') && !line.ends_with("。")) {
        line += chinese ? "。" : ".";
    }
    return line + (chinese ? "" : " ") + std::string(note);
}

std::string CardSilentText(int language) {
    return std::string(TextIn(kSilent, language));
}

std::string HeldFileText(const HeldFile& held, int language) {
    switch (held.state) {
    case HeldFile::State::Absent:
        return std::string(TextIn(kCardsEmpty, language));
    case HeldFile::State::Unreadable:
        return FillCardText(TextIn(kCardsUnreadable, language), {held.reason});
    case HeldFile::State::Read:
        break;
    }
    std::string text;
    for (const auto& [name, value] : held.facts) {
        text += (text.empty() ? "" : "; ") + factCaption(name, language) + ": " + value;
    }
    return text;
}

} // namespace rosmossel
