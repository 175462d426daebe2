#include "core/text/smtp_language_table.h"

namespace rosmossel {
namespace {

// Columns: Chinese, English, German, Finnish, Italian, French, Hungarian,
// Slovenian, Czech.
constexpr auto same = SameInEveryLanguage;

constexpr CaptionEntry kSmtpCaptions[] = {
    {smtp_id::ModeLabel,
     {"Smtp 模式", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode",
      "Smtp Mode", "Smtp Mode"}},
    {smtp_id::UnlimitedNote,
     {"注： 0 = 无限制", "Note: 0 = Unlimited", "Hinweis: 0 = Unlimited", "huom! 0 = rajaton",
      "Nota: -00- = illimitato", "Remarque -00- = illimite", "Megj. -00- = korlutlan",
      "Navodilo -00-=neomejeno", "Pozor:0=neomezene"}},
    {smtp_id::PictureCountLabel,
     {"拍摄张数/每天", "Picture No./ day", "Bilderanzahl/Tag", "kuvien maara / paiva",
      "N. immagine/data", "Image No/jour", "Kepsz./ nap", "Slika stev./dan", "Snimku za den"}},
    {smtp_id::CountryLabel,
     {"国家", "Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme"}},
    {smtp_id::OperatorLabel,
     {"运营商", "Operator", "Operateur", "operaattorit", "Operatori", "Operateurs", "Kezelok",
      "Operater", "Operater"}},
    {smtp_id::ApnLabel, same("APN")},
    {smtp_id::AccountLabel,
     {"帐号", "Account", "Konto", "tili", "Account", "Compte", "Fiok", "Racun", "Ucet"}},
    {smtp_id::GprsPasswordLabel,
     {"密码", "Password", "Passwort", "salasana", "Password", "Mot de passe", "Jelszo", "Geslo",
      "Heslo"}},
    {smtp_id::ServerLabel,
     {"Smtp 服务器", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server",
      "Smtp Server", "Smtp Server", "Smtp Server"}},
    {smtp_id::PortLabel,
     {"Smtp端口", "Port", "Port", "Port", "Port", "Port", "Port", "Port", "Port"}},
    {smtp_id::SenderAddressLabel,
     {"发送人Email", "Sender Email", "Sender Email", "Sender Email", "Sender Email", "Sender Email",
      "Sender Email", "Sender Email", "Sender Email"}},
    {smtp_id::SenderPasswordLabel,
     {"发送人密码", "Password", "Password", "Password", "Password", "Password", "Password",
      "Password", "Heslo"}},
    {smtp_id::RecipientLabel,
     {"Email 01", "Email 01", "Email 01", "Sahkoposti 01", "Email 01", "Email 01", "Email 01",
      "Email 01", "Email 01"}},
    {smtp_id::Select,
     {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi",
      "Vybrat"}},
    {smtp_id::Generate,
     {"生成配置文件", "Generate", "Generieren", "luo", "Genera", "Creer", "Letrehoz", "Generiraj",
      "Generovat"}},
    {smtp_id::Exit,
     {"退出", "Exit", "Back", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup"}},
};

constexpr CaptionEntry kQuillCaptions[] = {
    {smtp_id::RemoteControlLabel,
     {"短信远程控制", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
      "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control",
      "SMS Remote Control"}},
};

// These lists differ from the MMS dialogs' lists of the same meaning
// ("Manuale" in French, "Autom" in Finnish, "Off" in Hungarian). The English
// cells left empty are the camera's lists (core/camera).
constexpr auto kApnMode = Translated(
    kApnModes,
    {{
        {"自动", {}, "Auto", "Autom", "Auto", "Auto", "Auto", "Samodejno", "Automaticky"},
        {"手动", {}, "Manuell", "Manuaali", "Manuale", "Manuale", "Kezi", "Rocno", "Rucne"},
    }});
constexpr auto kMmsSendMode = Translated(kQuillMmsSendModes, {kRemoteControlOff});

constexpr OptionListEntry kSedgeLists[] = {
    {smtp_id::Mode, kApnMode, 0},
};
constexpr OptionListEntry kQuillLists[] = {
    {smtp_id::Mode, kApnMode, 0},
    {smtp_id::MmsSendMode, kMmsSendMode, 1},
    {smtp_id::RemoteControl, kRemoteControlHours, 25},
};

constexpr LanguageTable kQuillSmtpTable{kSmtpCaptions, kQuillCaptions, kQuillLists};
constexpr LanguageTable kSedgeSmtpTable{kSmtpCaptions, {}, kSedgeLists};

} // namespace

const LanguageTable& SmtpLanguageTable(Family family) {
    return family == Family::Quill ? kQuillSmtpTable : kSedgeSmtpTable;
}

} // namespace rosmossel
