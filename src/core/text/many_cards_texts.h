#pragma once

// What the tool says about each card of a batch and about the batch, in the
// nine languages (the CLI speaks English).

#include "core/card/card_batch.h"
#include "core/text/language_table.h"

#include <span>
#include <string>

namespace rosmossel {

// *Write to all cards* beside the card line of every set-up dialog, shown
// while two or more camera cards are inserted, and the list of its results.
inline constexpr int kWriteAllCardsId = 1953;
inline constexpr CaptionEntry kWriteAllCardsCaption = {
    kWriteAllCardsId,
    {"写入所有卡", "Write to all cards", "Auf alle Karten schreiben", "Kirjoita kaikille korteille",
     "Scrivi su tutte le schede", "Ecrire sur toutes les cartes", "Iras minden kartyara",
     "Zapisi na vse kartice", "Zapsat na vsechny karty"}};
inline constexpr LanguageTexts kCardResultsTitle = {
    "写入所有卡的结果",   "Cards written",    "Geschriebene Karten",
    "Kirjoitetut kortit", "Schede scritte",   "Cartes ecrites",
    "Kiirt kartyak",      "Zapisane kartice", "Zapsane karty"};
inline constexpr LanguageTexts kCardResultsClose = {
    "关闭", "Close", "Schliessen", "Sulje", "Chiudi", "Fermer", "Bezaras", "Zapri", "Zavrit"};

// "CAMA (/media/ann/CAMA): writing ...", while the card is written.
std::string CardWritingText(const Card& card, int language);
// "CAMA (/media/ann/CAMA): written: menu.dat", or why not.
std::string CardResultLine(const CardResult& result, int language);

// "written: menu.dat, setup.dat", or why the card was not written.
std::string CardOutcomeText(const CardResult& result, int language);
// "2 of 3 cards written; not written: CAMB", or that all were; names each
// card that failed by its label (its root where it has none).
std::string BatchSummaryText(std::span<const CardResult> results, int language);

} // namespace rosmossel
