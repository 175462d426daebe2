#include "core/text/card_texts.h"

namespace rosmossel {
namespace {

// %1 label, %2 file system, %3 free space, %4 capacity.
constexpr LanguageTexts kOnCard = {
    "SD卡 %1（%2），可用 %3，共 %4",      "SD card %1 (%2), %3 free of %4",
    "SD-Karte %1 (%2), %3 frei von %4",   "SD-kortti %1 (%2), %3 vapaana / %4",
    "Scheda SD %1 (%2), %3 liberi su %4", "Carte SD %1 (%2), %3 libres sur %4",
    "SD-kartya %1 (%2), %3 szabad / %4",  "Kartica SD %1 (%2), %3 prosto od %4",
    "SD karta %1 (%2), %3 volno z %4"};
constexpr LanguageTexts kWriteProtected = {"，写保护",
                                           ", write-protected",
                                           ", schreibgeschuetzt",
                                           ", kirjoitussuojattu",
                                           ", protetta da scrittura",
                                           ", protegee en ecriture",
                                           ", irasvedett",
                                           ", zascitena pred pisanjem",
                                           ", chranena proti zapisu"};
constexpr LanguageTexts kNoLabel = {"（无卷标）",  "(no label)",   "(ohne Namen)",
                                    "(ei nimea)",  "(senza nome)", "(sans nom)",
                                    "(nincs nev)", "(brez imena)", "(bez nazvu)"};
constexpr LanguageTexts kOnNoCard = {"该文件夹不在SD卡上",
                                     "The folder is on no SD card",
                                     "Der Ordner liegt auf keiner SD-Karte",
                                     "Kansio ei ole SD-kortilla",
                                     "La cartella non e su una scheda SD",
                                     "Le dossier n'est sur aucune carte SD",
                                     "A mappa nincs SD-kartyan",
                                     "Mapa ni na kartici SD",
                                     "Slozka neni na SD karte"};
constexpr LanguageTexts kMountedReadOnly = {"，以只读方式挂载",
                                            ", mounted read-only",
                                            ", schreibgeschuetzt eingehaengt",
                                            ", liitetty vain luku -tilaan",
                                            ", montata in sola lettura",
                                            ", montee en lecture seule",
                                            ", csak olvashatoan csatolva",
                                            ", priklopljena samo za branje",
                                            ", pripojena jen pro cteni"};
// %1 the file system.
constexpr LanguageTexts kNotCameraReadable = {
    "；相机无法读取 %1：请在相机或电脑上将其格式化为FAT32",
    "; a camera cannot read %1: format it as FAT32 in the camera or on the PC",
    "; eine Kamera kann %1 nicht lesen: in der Kamera oder am PC als FAT32 formatieren",
    "; kamera ei lue %1-muotoa: alusta kortti FAT32-muotoon kamerassa tai tietokoneella",
    "; una fotocamera non legge %1: formattarla come FAT32 nella fotocamera o sul PC",
    "; un appareil ne lit pas %1 : formatez-la en FAT32 dans l'appareil ou sur le PC",
    "; a kamera nem olvassa a(z) %1 formatumot: formazza FAT32-re a kameraban vagy a PC-n",
    "; kamera ne bere %1: formatirajte jo kot FAT32 v kameri ali na racunalniku",
    "; fotoaparat neumi cist %1: naformatujte ji na FAT32 ve fotoaparatu nebo v PC"};
// %1 the card's label.
constexpr LanguageTexts kNotResponding = {"SD卡 %1 没有响应",
                                          "SD card %1 is not responding",
                                          "SD-Karte %1 antwortet nicht",
                                          "SD-kortti %1 ei vastaa",
                                          "La scheda SD %1 non risponde",
                                          "La carte SD %1 ne repond pas",
                                          "A(z) %1 SD-kartya nem valaszol",
                                          "Kartica SD %1 se ne odziva",
                                          "SD karta %1 neodpovida"};
// %1 the card's label.
constexpr LanguageTexts kReadOnlyMount = {
    "SD卡 %1 以只读方式挂载：系统通常在发现卡上有错误后这样做。请在电脑上检查该卡（或在相机中将其"
    "格式化为FAT32），重新插入后再生成。",
    "The SD card %1 is mounted read-only: the system mounts a card so, usually after finding "
    "errors on it. Check the card on the PC (or format it as FAT32 in the camera), put it back "
    "and generate again.",
    "Die SD-Karte %1 ist schreibgeschuetzt eingehaengt: das System tut das meist, wenn es "
    "Fehler darauf findet. Die Karte am PC pruefen (oder in der Kamera als FAT32 formatieren), "
    "wieder einstecken und erneut erzeugen.",
    "SD-kortti %1 on liitetty vain luku -tilaan: jarjestelma tekee niin yleensa loydettyaan "
    "siita virheita. Tarkista kortti tietokoneella (tai alusta se FAT32-muotoon kamerassa), "
    "aseta se takaisin ja luo uudelleen.",
    "La scheda SD %1 e montata in sola lettura: il sistema lo fa di solito dopo avervi trovato "
    "errori. Controllare la scheda sul PC (o formattarla come FAT32 nella fotocamera), "
    "reinserirla e generare di nuovo.",
    "La carte SD %1 est montee en lecture seule : le systeme le fait souvent apres y avoir "
    "trouve des erreurs. Verifiez la carte sur le PC (ou formatez-la en FAT32 dans l'appareil), "
    "remettez-la et generez a nouveau.",
    "A(z) %1 SD-kartya csak olvashatoan van csatolva: a rendszer altalaban hibak eszlelese utan "
    "tesz igy. Ellenorizze a kartyat a PC-n (vagy formazza FAT32-re a kameraban), helyezze "
    "vissza, es generaljon ujra.",
    "Kartica SD %1 je priklopljena samo za branje: sistem to obicajno stori, ko na njej najde "
    "napake. Preverite kartico na racunalniku (ali jo formatirajte kot FAT32 v kameri), jo "
    "vstavite nazaj in znova ustvarite.",
    "SD karta %1 je pripojena jen pro cteni: system to obvykle dela, kdyz na ni najde chyby. "
    "Zkontrolujte kartu v PC (nebo ji naformatujte na FAT32 ve fotoaparatu), vlozte ji zpet a "
    "vytvorte soubor znovu."};
// %1 the card's label.
constexpr LanguageTexts kLockSwitchOn = {
    "SD卡 %1 处于写保护状态：卡侧面的锁定开关在LOCK位置。请取出卡，将开关推离LOCK，"
    "重新插入后再生成。",
    "The SD card %1 is write-protected: the lock switch on its side is at LOCK. Take the card "
    "out, slide the switch away from LOCK, put the card back and generate again.",
    "Die SD-Karte %1 ist schreibgeschuetzt: der Sperrschalter an ihrer Seite steht auf LOCK. "
    "Karte entnehmen, den Schalter von LOCK wegschieben, Karte wieder einstecken und erneut "
    "erzeugen.",
    "SD-kortti %1 on kirjoitussuojattu: sen kyljessa oleva lukituskytkin on LOCK-asennossa. "
    "Poista kortti, siirra kytkin pois LOCK-asennosta, aseta kortti takaisin ja luo uudelleen.",
    "La scheda SD %1 e protetta da scrittura: l'interruttore sul lato e su LOCK. Estrarre la "
    "scheda, spostare l'interruttore da LOCK, reinserirla e generare di nuovo.",
    "La carte SD %1 est protegee en ecriture : le verrou sur son cote est sur LOCK. Retirez la "
    "carte, poussez le verrou hors de LOCK, remettez la carte et generez a nouveau.",
    "A(z) %1 SD-kartya irasvedett: az oldalan levo zarokapcsolo LOCK allasban van. Vegye ki a "
    "kartyat, tolja el a kapcsolot a LOCK allasbol, helyezze vissza, es generaljon ujra.",
    "Kartica SD %1 je zascitena pred pisanjem: stikalo ob strani je na LOCK. Odstranite "
    "kartico, premaknite stikalo stran od LOCK, jo vstavite nazaj in znova ustvarite.",
    "SD karta %1 je chranena proti zapisu: prepinac na jejim boku je v poloze LOCK. Vyjmete "
    "kartu, posunte prepinac z polohy LOCK, vlozte ji zpet a vytvorte soubor znovu."};
constexpr LanguageTexts kEjected = {
    "现在可以取出SD卡。",      "The card can be removed.",      "Die Karte kann entnommen werden.",
    "Kortin voi nyt poistaa.", "La scheda puo essere rimossa.", "La carte peut etre retiree.",
    "A kartya eltavolithato.", "Kartico lahko odstranite.",     "Kartu lze vyjmout."};
constexpr LanguageTexts kNoService = {
    "无法弹出SD卡：系统的磁盘服务未运行（%1）。请先在文件管理器中卸载该卡，再取出。",
    "The card could not be ejected: the system's disk service is not running (%1). "
    "Unmount the card in the file manager before taking it out.",
    "Die Karte konnte nicht ausgeworfen werden: der Datentraegerdienst des Systems laeuft "
    "nicht (%1). Die Karte vor dem Entnehmen im Dateimanager aushaengen.",
    "Korttia ei voitu poistaa: jarjestelman levypalvelu ei ole kaynnissa (%1). Irrota "
    "kortti tiedostonhallinnassa ennen sen poistamista.",
    "Impossibile espellere la scheda: il servizio dischi del sistema non e attivo (%1). "
    "Smontare la scheda dal file manager prima di estrarla.",
    "Impossible d'ejecter la carte : le service de disques du systeme ne tourne pas (%1). "
    "Demontez la carte dans le gestionnaire de fichiers avant de la retirer.",
    "A kartya nem adhato ki: a rendszer lemezszolgaltatasa nem fut (%1). Valassza le a "
    "kartyat a fajlkezeloben, mielott kiveszi.",
    "Kartice ni mogoce izvreci: sistemska storitev za diske ne tece (%1). Pred "
    "odstranitvijo kartico odklopite v upravitelju datotek.",
    "Kartu nelze vysunout: diskova sluzba systemu nebezi (%1). Pred vyjmutim kartu "
    "odpojte ve spravci souboru."};
constexpr LanguageTexts kBusy = {
    "无法弹出SD卡：有程序正在使用它。请关闭显示卡上文件的程序和窗口，然后再弹出。",
    "The card could not be ejected: a program is using it. Close the programs and windows that "
    "show files on the card, then eject it again.",
    "Die Karte konnte nicht ausgeworfen werden: ein Programm benutzt sie. Programme und "
    "Fenster mit Dateien der Karte schliessen, dann erneut auswerfen.",
    "Korttia ei voitu poistaa: jokin ohjelma kayttaa sita. Sulje ohjelmat ja ikkunat, jotka "
    "nayttavat kortin tiedostoja, ja yrita uudelleen.",
    "Impossibile espellere la scheda: un programma la sta usando. Chiudere i programmi e le "
    "finestre con file della scheda, poi espellerla di nuovo.",
    "Impossible d'ejecter la carte : un programme l'utilise. Fermez les programmes et fenetres "
    "qui montrent des fichiers de la carte, puis ejectez-la a nouveau.",
    "A kartya nem adhato ki: egy program hasznalja. Zarja be a kartya fajljait mutato "
    "programokat es ablakokat, majd adja ki ujra.",
    "Kartice ni mogoce izvreci: uporablja jo program. Zaprite programe in okna z datotekami s "
    "kartice, nato jo znova izvrzite.",
    "Kartu nelze vysunout: pouziva ji nejaky program. Zavrete programy a okna se soubory z "
    "karty a vysunte ji znovu."};
// %1 the system's reason.
constexpr LanguageTexts kFailed = {"无法弹出SD卡：%1",
                                   "The card could not be ejected: %1",
                                   "Die Karte konnte nicht ausgeworfen werden: %1",
                                   "Korttia ei voitu poistaa: %1",
                                   "Impossibile espellere la scheda: %1",
                                   "Impossible d'ejecter la carte : %1",
                                   "A kartya nem adhato ki: %1",
                                   "Kartice ni mogoce izvreci: %1",
                                   "Kartu nelze vysunout: %1"};

// The pattern with %1, %2, ... replaced by `args` in one pass, so a label
// holding "%2" stays as it is.
std::string filled(std::string_view pattern, std::initializer_list<std::string> args) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n =
            i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            text += *(args.begin() + n);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string labelOf(const Card& card, int language) {
    return card.label.empty() ? std::string(TextIn(kNoLabel, language)) : card.label;
}

} // namespace

std::string CardLineText(const std::optional<Card>& card, int language) {
    if (!card) {
        return std::string(TextIn(kOnNoCard, language));
    }
    if (!card->responding) {
        return filled(TextIn(kNotResponding, language), {labelOf(*card, language)});
    }
    std::string text =
        filled(TextIn(kOnCard, language), {labelOf(*card, language), card->fileSystem,
                                           SizeText(card->freeSpace), SizeText(card->capacity)});
    if (card->readOnly == ReadOnly::LockSwitch) {
        text += TextIn(kWriteProtected, language);
    } else if (card->readOnly == ReadOnly::Mount) {
        text += TextIn(kMountedReadOnly, language);
    }
    if (!CameraCanRead(card->fileSystem)) {
        text += filled(TextIn(kNotCameraReadable, language), {card->fileSystem});
    }
    return text;
}

std::string WriteProtectedText(const Card& card, int language) {
    return filled(
        TextIn(card.readOnly == ReadOnly::Mount ? kReadOnlyMount : kLockSwitchOn, language),
        {labelOf(card, language)});
}

std::string EjectResultText(const EjectResult& result, int language) {
    switch (result.outcome) {
    case EjectOutcome::Ejected:
        return std::string(TextIn(kEjected, language));
    case EjectOutcome::NoService:
        return filled(TextIn(kNoService, language), {result.detail});
    case EjectOutcome::Busy:
        return std::string(TextIn(kBusy, language));
    case EjectOutcome::Failed:
        break;
    }
    return filled(TextIn(kFailed, language), {result.detail});
}

std::string FillCardText(std::string_view pattern, std::initializer_list<std::string> args) {
    return filled(pattern, args);
}

std::string CardLabelOf(const Card& card, int language) {
    return labelOf(card, language);
}

} // namespace rosmossel
