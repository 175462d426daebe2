#pragma once

// What the tool says about each card of a batch and about the batch, in the
// nine languages (the CLI speaks English).

#include "core/card/card_batch.h"
#include "core/card/card_contents.h"
#include "core/text/language_table.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// The production line in the Cards window: the button that starts it (and,
// while it runs, stops it), the line under the table while it waits for
// cards, and the column each card's progress and result stand in.
inline constexpr LanguageTexts kCardsWriteEach = {"逐张写入插入的卡…",
                                                  "Write each card inserted...",
                                                  "Jede eingesteckte Karte schreiben...",
                                                  "Kirjoita jokainen asetettu kortti...",
                                                  "Scrivi ogni scheda inserita...",
                                                  "Ecrire chaque carte inseree...",
                                                  "Minden behelyezett kartya irasa...",
                                                  "Zapisi vsako vstavljeno kartico...",
                                                  "Zapsat kazdou vlozenou kartu..."};
inline constexpr LanguageTexts kCardsStop = {"停止",    "Stop",      "Stoppen", "Pysayta", "Ferma",
                                             "Arreter", "Leallitas", "Ustavi",  "Zastavit"};
inline constexpr LanguageTexts kCardsWaiting = {
    "正在等待SD卡：每张插入的卡写入一次、读回并弹出。按“停止”结束。",
    "Waiting for cards: each card inserted is written once, read back and ejected. Stop ends it.",
    "Warten auf Karten: jede eingesteckte Karte wird einmal geschrieben, gelesen und "
    "ausgeworfen. Stoppen beendet es.",
    "Odotetaan kortteja: jokainen asetettu kortti kirjoitetaan kerran, luetaan ja poistetaan. "
    "Pysayta lopettaa.",
    "In attesa di schede: ogni scheda inserita viene scritta una volta, riletta ed espulsa. "
    "Ferma termina.",
    "En attente de cartes : chaque carte inseree est ecrite une fois, relue et ejectee. "
    "Arreter termine.",
    "Kartyakra var: minden behelyezett kartya egyszer kiirasra, visszaolvasasra es kiadasra "
    "kerul. A Leallitas befejezi.",
    "Caka na kartice: vsaka vstavljena kartica se enkrat zapise, prebere in izvrze. Ustavi "
    "konca.",
    "Ceka se na karty: kazda vlozena karta se jednou zapise, precte a vysune. Zastavit ukonci."};
inline constexpr LanguageTexts kCardsResult = {"结果",     "Result",    "Ergebnis",
                                               "Tulos",    "Risultato", "Resultat",
                                               "Eredmeny", "Rezultat",  "Vysledek"};

// "writing…", while a card is written.
std::string WritingText(int language);
// What the production line says after a card besides its result: a card
// written and ejected can be removed; one the system could not eject (the
// eject's outcome in `ejected`) or one not written must be taken out by hand.
std::string LineNoteText(const CardResult& result, const std::optional<EjectResult>& ejected,
                         int language);
// A card's line with that note (a sentence) after it, the line ended with a
// full stop first.
std::string LineWithNote(std::string line, std::string_view note, int language);

// What the Cards window and the report say of one settings file on a card:
// its facts ("family: Quill; language: English"), "empty", or why not read.
std::string HeldFileText(const HeldFile& held, int language);
// "the card is not responding": its files are not read then.
std::string CardSilentText(int language);

} // namespace rosmossel
