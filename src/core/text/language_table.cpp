#include "core/text/language_table.h"

#include "core/menu/menu_fields.h"

#include <cstddef>

namespace rosmossel {
namespace {

// Columns: Chinese, English, German, Finnish, Italian, French, Hungarian,
// Slovenian, Czech. The non-Chinese texts carry no accents on purpose: the
// camera's own menu font has none.
constexpr std::size_t kSlovenianColumn = 7;

// The Sedge camera's Slovenian menu differs from the Quill camera's in some
// lists; everything else is shared.
template <std::size_t N>
constexpr std::array<LanguageTexts, N> withSlovenian(std::array<LanguageTexts, N> rows,
                                                     std::array<std::string_view, N> slovenian) {
    for (std::size_t i = 0; i < N; ++i) {
        rows[i][kSlovenianColumn] = slovenian[i];
    }
    return rows;
}

constexpr CaptionEntry kMenuCaptions[] = {
    {menu_id::ModeLabel,
     {"模式", "Mode", "Modus", "kuvaustila", "Modo", "Mode", "Mod", "Nacin", "Rezim"}},
    {menu_id::ImageSizeLabel,
     {"图象尺寸", "Image Size", "Foto-Groesse", "kuvan koko", "Dim. foto", "Taille photo",
      "Fenykepmer.", "Velikost slike", "Rozlis.foto"}},
    {menu_id::VideoSizeLabel,
     {"录像尺寸", "Video Size", "Video-Groesse", "videon koko", "Dim. video", "Taille video",
      "Video meret", "Velikost videa", "Rozlis.video"}},
    {menu_id::PicturesLabel,
     {"拍摄张数", "Picture No.", "Fot Nummer", "kuvien lkm", "Foto no.", "Numero photo",
      "Fenykepsz.", "Stev. slike", "Poc. Zaznamu"}},
    {menu_id::TimeStampLabel,
     {"时间戳", "Time Stamp", "Zeit Stempel", "aikaleima", "Data/ora", "Tampon temps", "Idobelyeg.",
      "Casovni zig", "Otisk dat/cas"}},
    {menu_id::SensitivityLabel,
     {"灵敏度", "Sense Level", "Sensor Sensib.", "herkkyystaso", "Sensore sens.", "Sensib capteur",
      "Erzekelo erz.", "Obcut. senzor.", "Citlivost PIR"}},
    {menu_id::SidePirLabel,
     {"侧面PIR", "Side PIR", "Seiten-BM", "sivutunnistin", "PIR lat.", "Det. IR passif",
      "Oldal. PIVD", "Strani PIRD", "Postr.Pir"}},
    {menu_id::VideoLengthLabel,
     {"录像长度", "Video Length", "Video-laenge", "videon pituus", "Lungh. video", "Long. de video",
      "Video hossz", "Dolzina slike", "Delka video"}},
    {menu_id::IntervalLabel,
     {"间隔时间", "Interval", "Intervall", "ottoviive", "Intervallo", "Intervalle", "Interval",
      "Interval", "Prodleva"}},
    {menu_id::DateFormatLabel,
     {"时间格式", "Date Format", "Datumsformat", "pvm muoto", "Formato data", "Date Format",
      "Datum formatum", "Format datuma", "Format Data"}},
    {menu_id::ClockLabel,
     {"设置时间", "Set Clock", "Uhr stellen", "aseta kello", "Imposta ora", "Regler horloge",
      "Uraollitos", "Nastav. ure", "Datum a cas"}},
    {menu_id::GetTime,
     {"获取时间", "Get Time", "Uhrzeit anfragen", "Hae aika", "Prel. Ora", "Obtenir heure",
      "Idot szerez", "Pridobi uro", "Nastavit cas"}},
    {menu_id::TimerLabel,
     {"定时设置", "Timer", "Zeitschaltuhr", "ajastinkytkin", "Timer", "Minuterie", "Idokapcs. ora",
      "Merilnik casa", "Casovac"}},
    {menu_id::StartLabel,
     {"开始:", "Start:", "Start:", "Start:", "Avvio:", "Start:", "Start:", "Zacetek:", "Start:"}},
    {menu_id::StopLabel,
     {"停止:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:"}},
    {menu_id::SerialLabel,
     {"序列号", "Serial No.", "Kd.Serien Nr.", "aseta srj.n:o", "No. di serie", "No de ssrie",
      "Sorsz.", "Serijska stev.", "Por.cislo"}},
    {menu_id::TimeLapseLabel,
     {"定时拍摄", "Time Lapse", "Zeitraffer", "ajastin kuvaus", "Eff. accel.", "Accelere",
      "Idolass.", "Hitro predv.", "Casosber"}},
    {menu_id::Generate,
     {"生成配置文件", "Generate", "Generieren", "luo", "Invio", "Creer", "Enter", "Enter",
      "Generovat"}},
    {menu_id::Default,
     {"出厂设置", "Default", "Werkseinstell.", "oletusasetus.", "Imp. fabbrica.", "Reglage usine",
      "Gyari beall.", "Default", "Reset"}},
    {menu_id::Exit,
     {"退出", "Exit", "Beenden", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup"}},
};

constexpr CaptionEntry kQuillFolderButton[] = {
    {menu_id::Select,
     {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Select",
      "Vybrat"}},
};
constexpr CaptionEntry kSedgeFolderButton[] = {
    {menu_id::Select,
     {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi",
      "Vybrat"}},
};

// The English cells are left empty: Translated fills them from the camera's
// lists (core/camera).
constexpr LanguageTexts kOff = {"关", {}, "Aus", "pois", "OFF", "Arret", "Ki", "Izklop", "Vypnuto"};
constexpr LanguageTexts kOn = {"开", {}, "Ein", "paalla", "ON", "Marche", "Be", "Vklop", "Zapnuto"};
// The Hungarian time-stamp list says "Off" where every other Hungarian switch says "Ki".
constexpr LanguageTexts kTimeStampOff = {"关",    {},    "Aus",    "pois",   "OFF",
                                         "Arret", "Off", "Izklop", "Vypnuto"};

constexpr auto kCaptureMode = Translated(
    kCaptureModes,
    {{
        {"Camera", {}, "Foto-Kamera", "Kamera", "Foto", "Photo", "Camera", "Slika", "Foto"},
        {"Video", {}, "Video-Kamera", "Video", "Video", "Video", "Video", "Video", "Video"},
        {"Camera+Video",
         {},
         "Foto+Video",
         "kam+Video",
         "Foto e video",
         "Photo+Video",
         "Camera+Video",
         "Camera+Video",
         "Foto+Video"},
    }});
constexpr auto kPictures = Translated(kPicturesPerTrigger, {{
                                                               {"01 张",
                                                                {},
                                                                "01 Foto",
                                                                "01 kuvaa",
                                                                "01 Foto",
                                                                "01 Photo",
                                                                "01 Fenykep",
                                                                "01 Slika",
                                                                "01 Foto"},
                                                               {"02 张",
                                                                {},
                                                                "02 Foto",
                                                                "02 kuvaa",
                                                                "02 Foto",
                                                                "02 Photo",
                                                                "02 Fenykep",
                                                                "02 Slika",
                                                                "02 Foto"},
                                                               {"03 张",
                                                                {},
                                                                "03 Foto",
                                                                "03 kuvaa",
                                                                "03 Foto",
                                                                "03 Photo",
                                                                "03 Fenykep",
                                                                "03 Slika",
                                                                "03 Foto"},
                                                           }});
constexpr auto kTimeStamp = Translated(kOnOffEntries, {kOn, kTimeStampOff});
constexpr auto kSensitivity = Translated(
    kSensitivities,
    {{
        {"正常", {}, "Normal", "normaali", "Normale", "Normal", "Normul", "Normalno", "Normalni"},
        {"高", {}, "Hoch", "korkea", "Alta", "Eleve", "Magas", "Visoko", "Vsoka"},
        {"低", {}, "Niedring", "matala", "Bassa", "Bas", "Alacsony", "Nizko", "Nizka"},
    }});
constexpr auto kOffOn = Translated(kOffOnEntries, {kOff, kOn});
constexpr auto kOnOff = Translated(kOnOffEntries, {kOn, kOff});
constexpr auto kIntervalUnit =
    Translated(kIntervalUnits, {{
                                   {"秒", {}, "Sek", "s", "sec.", "Sec", "mp", "Sek", "Sec"},
                                   {"分", {}, "Min", "min.", "min.", "Min", "prec", "Min", "Min"},
                               }});
constexpr std::array<LanguageTexts, 3> kDateFormat = {{
    {"年月日", "YYMMDD", "YYMMDD", "VVKKPP", "YYMMDD", "YYMMDD", "YYMMDD", "YYMMDD", "RRMMDD"},
    {"月日年", "MMDDYY", "MMDDYY", "KKPPVV", "MMDDYY", "MMDDYY", "MMDDYY", "MMDDYY", "MMDDRR"},
    {"日月年", "DDMMYY", "DDMMYY", "PPKKVV", "DDMMYY", "DDMMYY", "DDMMYY", "DDMMYY", "DDMMRR"},
}};

// Sizes and serial characters read the same in every language.
constexpr auto kQuillImageSize = Translated(kQuillImageSizes, {});
constexpr auto kSedgeImageSize = Translated(kSedgeImageSizes, {});
constexpr auto kQuillVideoSize = Translated(kQuillVideoSizes, {});
constexpr auto kSedgeVideoSize = Translated(kSedgeVideoSizes, {});
constexpr auto kSerialCharacters = Translated(kSerialCharacterEntries, {});

constexpr auto kSedgeCaptureMode = withSlovenian(kCaptureMode, {"Slika", "Video", "Slika+Video"});
constexpr auto kSedgePictures = withSlovenian(kPictures, {"01 kuvaa", "02 kuvaa", "03 kuvaa"});
constexpr auto kSedgeTimeStamp = withSlovenian(kTimeStamp, {"paalla", "Off"});
constexpr auto kSedgeSensitivity = withSlovenian(kSensitivity, {"normaali", "korkea", "matala"});
constexpr auto kSedgeOffOn = withSlovenian(kOffOn, {"pois", "paalla"});
constexpr auto kSedgeOnOff = withSlovenian(kOnOff, {"paalla", "pois"});
constexpr auto kSedgeIntervalUnit = withSlovenian(kIntervalUnit, {"Sek.", "Min."});

// Fill order follows the dialog's tab order; the indices are the file values,
// and each list opens on its field's opening value.
std::vector<OptionListEntry> menuLists(Family family) {
    const bool quill = family == Family::Quill;
    using Texts = std::span<const LanguageTexts>;
    const auto of = [quill](Texts quillTexts, Texts sedgeTexts) {
        return quill ? quillTexts : sedgeTexts;
    };
    const auto at = [family](MenuField field) { return MenuFieldOf(field, family).opening; };
    using F = MenuField;
    std::vector<OptionListEntry> lists = {
        {menu_id::CameraMode, of(kCaptureMode, kSedgeCaptureMode), at(F::CameraMode)},
        {menu_id::ImageSize, of(kQuillImageSize, kSedgeImageSize), at(F::ImageSize)},
        {menu_id::VideoSize, of(kQuillVideoSize, kSedgeVideoSize), at(F::VideoSize)},
        {menu_id::Pictures, of(kPictures, kSedgePictures), at(F::PicturesPerTrigger)},
        {menu_id::TimeStamp, of(kTimeStamp, kSedgeTimeStamp), at(F::TimeStamp)},
        {menu_id::Sensitivity, of(kSensitivity, kSedgeSensitivity), at(F::Sensitivity)},
        {menu_id::SidePir, of(kOffOn, kSedgeOffOn), at(F::SidePir)},
        {menu_id::IntervalUnit, of(kIntervalUnit, kSedgeIntervalUnit), at(F::IntervalUnit)},
        {menu_id::Timer, of(kOffOn, kSedgeOffOn), at(F::Timer)},
        {menu_id::SerialNumber, of(kOffOn, kSedgeOffOn), at(F::SerialNumber)},
        {menu_id::SerialCharacter1, kSerialCharacters, at(F::SerialCharacter1)},
        {menu_id::SerialCharacter1 + 1, kSerialCharacters, at(F::SerialCharacter2)},
        {menu_id::SerialCharacter1 + 2, kSerialCharacters, at(F::SerialCharacter3)},
        {menu_id::SerialCharacter1 + 3, kSerialCharacters, at(F::SerialCharacter4)},
        {menu_id::TimeLapse, of(kOnOff, kSedgeOnOff), at(F::TimeLapse)},
        {menu_id::DateFormat, kDateFormat, 0}, // the dialog's own list, not in the file
    };
    if (quill) {
        lists.push_back({menu_id::BeepSound, kOffOn, at(F::BeepSound)});
        lists.push_back({menu_id::SdCycle, kOffOn, at(F::SdCycle)});
    }
    return lists;
}

} // namespace

int LanguageColumn(int language) {
    const bool own = language == 1 || (language >= 3 && language <= kLanguageCount);
    return (own ? language : kEnglish) - 1;
}

std::string_view TextIn(const LanguageTexts& texts, int language) {
    return texts[static_cast<std::size_t>(LanguageColumn(language))];
}

std::vector<std::string_view> OptionListEntry::textsIn(int language) const {
    std::vector<std::string_view> texts;
    texts.reserve(entries.size());
    for (const LanguageTexts& entry : entries) {
        texts.push_back(TextIn(entry, language));
    }
    return texts;
}

const LanguageTable& MenuLanguageTable(Family family) {
    static const std::vector<OptionListEntry> quillLists = menuLists(Family::Quill);
    static const std::vector<OptionListEntry> sedgeLists = menuLists(Family::Sedge);
    static const LanguageTable quill{kMenuCaptions, kQuillFolderButton, quillLists};
    static const LanguageTable sedge{kMenuCaptions, kSedgeFolderButton, sedgeLists};
    return family == Family::Quill ? quill : sedge;
}

} // namespace rosmossel
