#include "core/text/mms_language_table.h"

#include <cstddef>

namespace rosmossel {
namespace {

// Columns: Chinese, English, German, Finnish, Italian, French, Hungarian,
// Slovenian, Czech. Odd spellings and blanks are the dialogs' own.
constexpr auto same = SameInEveryLanguage;

constexpr LanguageTexts kRecipientCaption = {
    "手机号码或邮件", "Phone or Email",   "Tel. oder Email", "gsm / sahkoposti", "Tel. o mail",
    "Tel. ou e-mail", "Tel.vagy e-level", "Tel./ e-posta",   "Telefon / Email"};

constexpr CaptionEntry kCaptions[] = {
    {mms_id::ModeLabel,
     {"MMS 模式", "MMS Mode", "MMS Modus", "MMS valikot", "Modo MMS", "MODE MMS", "MMS Mod",
      "Nacin MMS", "Rezim MMS"}},
    {mms_id::PicturesLabel,
     {"拍摄张数/每天", "Picture No./ day", "Bilderanzahl/Tag", "kuvien maara / paiva",
      "N. immagine/data", "Image No/jour", "Kepsz./ nap", "Slika stev./dan", "Snimku za den"}},
    {mms_id::PicturesNote,
     {"注： 0 = 无限制", "Note: 0 = Unlimited", "Hinweis: 0 = Unlimited", "huom! 0 = rajaton",
      "Nota: -00- = illimitato", "Remarque -00- = illimite", "Megj. -00- = korlutlan",
      "Navodilo -00-=neomejeno", "Pozor:0=neomezene"}},
    {mms_id::StatusLabel,
     {"MMS 发送", "MMS Status", "MMS Einstellung", "MMS-tila", "stato MMS", "Etat MMS", "MMS oll.",
      "Status MMS", "Staus MMS"}},
    {mms_id::CountryLabel,
     {"国家", "Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme"}},
    {mms_id::OperatorLabel,
     {"运营商", "Operator", "Operateur", "operaattorit", "Operatori", "Operateurs", "Kezelok",
      "Operater", "Operater"}},
    {mms_id::UrlLabel, {"彩信网址", "URL", "URL", "URL", "URL", "URL", "URL", "URL", "URL"}},
    {mms_id::GatewayLabel,
     {"彩信网关", "Gateway", "Gateway", "gateway", "GateWay", "GateWay", "Atjaro", "Prehod",
      "GateWay"}},
    {mms_id::PortLabel,
     {"彩信端口", "Port", "Port", "port", "PORTA", "Port", "Port", "VRATA", "Port"}},
    {mms_id::PhoneNoLabel,
     {"手机号码", "Phone No", "Telefonnummer", "puhelinnumero", "No. Telefono", "No telephone",
      "Telefonsz.", "Telefonska stev.", "Tel. Cislo"}},
    {mms_id::EmailLabel,
     {"Email", "Email", "Email", "Sahkoposti", "Email", "Email", "Email", "Email", "Email"}},
    {mms_id::AccountLabel,
     {"帐号", "Account", "Konto", "tili", "Account", "Compte", "Fiok", "Racun", "Ucet"}},
    {mms_id::PasswordLabel,
     {"密码", "Password", "Passwort", "salasana", "Password", "Mot de passe", "Jelszo", "Geslo",
      "Heslo"}},
    {mms_id::Recipient2Label, kRecipientCaption},
    {mms_id::Recipient3Label, kRecipientCaption},
    {mms_id::Select,
     {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi",
      "Select"}},
    {mms_id::Generate,
     {"生成配置文件", "Generate", "Generieren", "luo", "Genera", "Creer", "Letrehoz", "Generiraj",
      "Generovat"}},
    {mms_id::Exit,
     {"退出", "Exit", "Back", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup"}},
    {mms_id::Frame, {"彩信", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS"}},
};

constexpr CaptionEntry kQuillCaptions[] = {
    {mms_id::RemoteControlLabel,
     {"短信远程控制", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
      "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
      "SMS Remote Control"}},
};

// The cells left empty read the camera's English lists (core/camera). The
// status list's Off reads "Ki" in Hungarian, where the hour list says "Off".
constexpr LanguageTexts kStatusOff = {"关闭",  {},   "Aus",    "pois",   "OFF",
                                      "Arret", "Ki", "Izklop", "Vypnuto"};
constexpr auto kMode = Translated(
    kApnModes,
    {{
        {"自动", {}, "Auto", "autom", "Auto", "Auto", "Auto", "Samodejno", "Automaticky"},
        {"手动", {}, "Manuell", "manuaali", "Manuale", "Manuel", "Kezi", "Rocno", "Rucne"},
    }});
constexpr auto kQuillStatus = Translated(kQuillMmsSendModes, {kStatusOff});
constexpr auto kSedgeStatus = Translated(kSedgeMmsSendModes, {kStatusOff});
// The captions "Domestic " and "Domaci " end in a blank, where the camera's
// list (and so a profile) says "Domestic": the one text the catalogue states
// on its own. "International" is English but in Chinese and Czech.
constexpr auto kNumberKind =
    Translated(kNumberKinds, {{
                                 {"国内", "Domestic ", "Domestic ", "Domestic ", "Domestic ",
                                  "Domestic ", "Domestic ", "Domestic ", "Domaci "},
                                 {"国际", {}, {}, {}, {}, {}, {}, {}, "Mezinarodni"},
                             }});
// Automatic mode, the state the catalogue is applied in, offers APN only.
constexpr std::array<LanguageTexts, 1> kConnectionKind = {same(kConnectionKinds[0])};

constexpr OptionListEntry kQuillLists[] = {
    {mms_id::Mode, kMode, 0},
    {mms_id::Status, kQuillStatus, 1},
    {mms_id::RemoteControlHours, kRemoteControlHours, 25},
    {mms_id::ConnectionKind, kConnectionKind, 0},
    {mms_id::NumberKind, kNumberKind, 0},
};
constexpr OptionListEntry kSedgeLists[] = {
    {mms_id::Mode, kMode, 0},
    {mms_id::Status, kSedgeStatus, 1},
    {mms_id::ConnectionKind, kConnectionKind, 0},
    {mms_id::NumberKind, kNumberKind, 0},
};

constexpr LanguageTable kQuillTable{kCaptions, kQuillCaptions, kQuillLists};
constexpr LanguageTable kSedgeTable{kCaptions, {}, kSedgeLists};

} // namespace

const LanguageTable& MmsLanguageTable(Family family) {
    return family == Family::Quill ? kQuillTable : kSedgeTable;
}

} // namespace rosmossel
