#pragma once

// What the tool says about each card of a batch and about the batch, in the
// nine languages (the CLI speaks English).

#include "core/card/card_batch.h"
#include "core/card/card_contents.h"
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

// The Cards window: the cards inserted and what each holds, opened from the
// main window's system menu ("Cards", like "CopyRight" and "Guide").
inline constexpr const char* kCardsMenuText = "Cards";
inline constexpr LanguageTexts kCardsTitle = {
    "已插入的卡", "Cards", "Karten", "Kortit", "Schede", "Cartes", "Kartyak", "Kartice", "Karty"};
inline constexpr LanguageTexts kCardsDate = {"日期", "Date",  "Datum", "Paivamaara", "Data",
                                             "Date", "Datum", "Datum", "Datum"};
inline constexpr LanguageTexts kCardsLabel = {
    "卷标", "Label", "Bezeichnung", "Nimiö", "Etichetta", "Nom", "Cimke", "Oznaka", "Jmenovka"};
inline constexpr LanguageTexts kCardsFileSystem = {
    "文件系统",        "File system",         "Dateisystem",  "Tiedostojarjestelma",
    "File system",     "Systeme de fichiers", "Fajlrendszer", "Datotecni sistem",
    "Souborovy system"};
inline constexpr LanguageTexts kCardsCapacity = {"容量",      "Capacity",   "Kapazitat",
                                                 "Koko",      "Capacita",   "Capacite",
                                                 "Kapacitas", "Kapaciteta", "Kapacita"};
inline constexpr LanguageTexts kCardsFree = {
    "可用空间", "Free space", "Frei", "Vapaana", "Libero", "Libre", "Szabad", "Prosto", "Volne"};
inline constexpr LanguageTexts kCardsProtected = {
    "写保护",   "Write-protected", "Schreibgeschutzt", "Kirjoitussuojattu", "Protetta",
    "Protegee", "Irasvedett",      "Zascitena",        "Chranena"};
inline constexpr LanguageTexts kCardsYes = {"是",  "yes",  "ja", "kylla", "si",
                                            "oui", "igen", "da", "ano"};
inline constexpr LanguageTexts kCardsNo = {"否",  "no",  "nein", "ei", "no",
                                           "non", "nem", "ne",   "ne"};
// A settings file the card does not hold.
inline constexpr LanguageTexts kCardsEmpty = {"空",   "empty", "leer",   "tyhja",  "vuoto",
                                              "vide", "ures",  "prazno", "prazdne"};
// %1 why the file could not be read.
inline constexpr LanguageTexts kCardsUnreadable = {
    "无法读取：%1",      "cannot be read: %1",     "nicht lesbar: %1",
    "ei voi lukea: %1",  "illeggibile: %1",        "illisible : %1",
    "nem olvashato: %1", "ni mogoce prebrati: %1", "nelze precist: %1"};
inline constexpr LanguageTexts kCardsReading = {"正在读取…", "reading…", "wird gelesen…",
                                                "luetaan…",  "lettura…", "lecture…",
                                                "olvasas…",  "branje…",  "cteni…"};
inline constexpr LanguageTexts kCardsEjectAll = {
    "弹出所有卡",   "Eject all",      "Alle auswerfen", "Poista kaikki", "Espelli tutte",
    "Tout ejecter", "Osszes kiadasa", "Izvrzi vse",     "Vysunout vse"};
inline constexpr LanguageTexts kCardsWriteProfile = {
    "将配置文件写入所有卡…",         "Write profile to all...",    "Profil auf alle schreiben...",
    "Kirjoita profiili kaikille...", "Scrivi profilo su tutte...", "Ecrire le profil sur toutes...",
    "Profil irasa mindre...",        "Zapisi profil na vse...",    "Zapsat profil na vse..."};
inline constexpr LanguageTexts kCardsSaveReport = {"保存报告…",
                                                   "Save report...",
                                                   "Bericht speichern...",
                                                   "Tallenna raportti...",
                                                   "Salva rapporto...",
                                                   "Enregistrer le rapport...",
                                                   "Jelentes mentese...",
                                                   "Shrani porocilo...",
                                                   "Ulozit zpravu..."};
// %1 the file that could not be written, %2 the system's reason.
inline constexpr LanguageTexts kCardsReportNotSaved = {"无法保存报告 %1：%2",
                                                       "The report %1 was not saved: %2",
                                                       "Der Bericht %1 wurde nicht gespeichert: %2",
                                                       "Raporttia %1 ei tallennettu: %2",
                                                       "Il rapporto %1 non e stato salvato: %2",
                                                       "Le rapport %1 n'a pas ete enregistre : %2",
                                                       "A(z) %1 jelentes nem lett mentve: %2",
                                                       "Porocilo %1 ni bilo shranjeno: %2",
                                                       "Zprava %1 nebyla ulozena: %2"};

// What the Cards window and the report say of one settings file on a card:
// its facts ("family: Quill; language: English"), "empty", or why not read.
std::string HeldFileText(const HeldFile& held, int language);
// "the card is not responding": its files are not read then.
std::string CardSilentText(int language);

} // namespace rosmossel
