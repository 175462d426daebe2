#pragma once

// What the dialogs say about the carrier database: the Find operator button,
// its list window, and the messages, in the nine languages (messages in
// Chinese and English, as every message the tool composes).

#include "core/operators/operator_database.h"
#include "core/text/language_table.h"
#include "core/text/messages.h"

#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

// The button beside the connection fields of the MMS and e-mail dialogs.
inline constexpr int kFindOperatorId = 1954;
inline constexpr CaptionEntry kFindOperatorCaption = {
    kFindOperatorId,
    {"查找运营商...", "Find operator...", "Betreiber suchen...", "Etsi operaattori...",
     "Cerca operatore...", "Chercher operateur...", "Szolgaltato keresese...",
     "Poisci operaterja...", "Najit operatora..."}};

// The list window.
struct OperatorFinderTexts {
    LanguageTexts title, search, placeholder, country, provider, apn, mmsc, account, use, cancel,
        source;
};
inline constexpr OperatorFinderTexts kOperatorFinderTexts = {
    {"查找运营商", "Find operator", "Betreiber suchen", "Etsi operaattori", "Cerca operatore",
     "Chercher operateur", "Szolgaltato keresese", "Poisci operaterja", "Najit operatora"},
    {"搜索", "Search", "Suche", "Haku", "Cerca", "Recherche", "Kereses", "Iskanje", "Hledat"},
    {"国家、运营商或 MCC-MNC", "Country, operator or MCC-MNC", "Land, Betreiber oder MCC-MNC",
     "Maa, operaattori tai MCC-MNC", "Nazione, operatore o MCC-MNC", "Pays, operateur ou MCC-MNC",
     "Orszag, szolgaltato vagy MCC-MNC", "Drzava, operater ali MCC-MNC",
     "Zeme, operator nebo MCC-MNC"},
    {"国家", "Country", "Land", "Maa", "Nazione", "Pays", "Orszag", "Drzava", "Zeme"},
    {"运营商", "Operator", "Betreiber", "Operaattori", "Operatore", "Operateur", "Szolgaltato",
     "Operater", "Operator"},
    SameInEveryLanguage("APN"),
    SameInEveryLanguage("MMSC"),
    {"帐号", "Account", "Konto", "Tili", "Account", "Compte", "Fiok", "Racun", "Ucet"},
    {"使用", "Use", "Ubernehmen", "Kayta", "Usa", "Utiliser", "Hasznal", "Uporabi", "Pouzit"},
    {"取消", "Cancel", "Abbrechen", "Peruuta", "Annulla", "Annuler", "Megse", "Preklici", "Zrusit"},
    {"数据来源：", "Data from:", "Daten aus:", "Tiedot:", "Dati da:", "Donnees de:", "Adatok:",
     "Podatki iz:", "Data z:"},
};

// With no database: where it was looked for, and why files found were not used.
Message NoOperatorDatabaseMessage(const std::vector<std::string>& places,
                                  const std::vector<std::string>& problems);
// A file passed over, shown under the list: "PATH: line N: REASON".
Message PassedOverDatabaseNote(std::string_view problem);
// A chosen value that does not fit its field (named by its caption), or
// holds a character the system cannot store there: nothing is filled in.
Message OperatorValueRefusedMessage(std::string_view field);

} // namespace rosmossel
