#pragma once

// What the dialogs and rosmossel-cli say about the SD card, in the nine
// languages (the CLI speaks English).

#include "core/card/card.h"
#include "core/text/language_table.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace rosmossel {

// The Eject button beside the card line of every set-up dialog.
inline constexpr int kEjectCardId = 1952;
inline constexpr CaptionEntry kEjectCaption = {
    kEjectCardId,
    {"弹出卡", "Eject card", "Karte auswerfen", "Poista kortti", "Espelli scheda",
     "Ejecter la carte", "Kartya kiadasa", "Izvrzi kartico", "Vysunout kartu"}};

// The card line: the card the folder is on (label, file system, free space,
// write protection, whether a camera reads it), that it is not responding,
// or that the folder is on none.
std::string CardLineText(const std::optional<Card>& card, int language);
// Why Generate does not try a write-protected card: its lock switch, or
// the system's read-only mount.
std::string WriteProtectedText(const Card& card, int language);
// How an eject ended; "the card can be removed" on success. The detail of a
// missing disk service names it (the platform's words).
std::string EjectResultText(const EjectResult& result, int language);

// `pattern` with %1, %2, ... replaced by `args` in one pass (a label holding
// "%2" stays as it is), for the card texts of other windows.
std::string FillCardText(std::string_view pattern, std::initializer_list<std::string> args);
// The card's label, or "(no label)" in `language`.
std::string CardLabelOf(const Card& card, int language);

} // namespace rosmossel
