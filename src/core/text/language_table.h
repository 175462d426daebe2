#pragma once

#include "core/camera/camera_lists.h"
#include "core/session/family.h"
#include "core/text/languages.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

inline constexpr int kLanguageCount = static_cast<int>(kLanguages.size());

// One text per language, in language-number order (column 0 is Chinese).
using LanguageTexts = std::array<std::string_view, kLanguageCount>;

// The column used for a language number: its own for 1 and 3..9, English for
// 2 and for every number outside 1..9 (a stored preference may hold anything).
int LanguageColumn(int language);
std::string_view TextIn(const LanguageTexts& texts, int language);

// A text that reads the same in every language.
constexpr LanguageTexts SameInEveryLanguage(std::string_view text) {
    LanguageTexts texts;
    texts.fill(text);
    return texts;
}

// A camera list (core/camera) in the catalogue: `rows` translate its entries
// in order, and every cell left empty, the English one in each row first,
// reads the camera's English entry. A row left empty reads the same in every
// language.
template <std::size_t N>
constexpr std::array<LanguageTexts, N> Translated(const std::array<std::string_view, N>& english,
                                                  std::array<LanguageTexts, N> rows) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::string_view& cell : rows[i]) {
            if (cell.empty()) {
                cell = english[i];
            }
        }
    }
    return rows;
}

// "Off" of the SMS remote-control lists of the MMS and e-mail dialogs, and of
// the e-mail dialog's MMS send-mode list.
inline constexpr LanguageTexts kRemoteControlOff = {"关闭",  {},    "Aus",    "pois",   "OFF",
                                                    "Arret", "Off", "Izklop", "Vypnuto"};
// The SMS remote-control list: hours "0" to "24", then Off (index 25).
inline constexpr auto kRemoteControlHours = [] {
    std::array<LanguageTexts, kSmsRemoteControlOff + 1> rows{};
    rows[kSmsRemoteControlOff] = kRemoteControlOff;
    return Translated(kSmsRemoteControlEntries, rows);
}();

// A caption of one control, by identifier.
struct CaptionEntry {
    int controlId;
    LanguageTexts texts;
};

// The profile buttons beside Generate in every set-up dialog; no other
// control of a set-up dialog has their identifiers.
inline constexpr int kSaveProfileId = 1950;
inline constexpr int kOpenProfileId = 1951;
inline constexpr std::array<CaptionEntry, 2> kProfileCaptions = {{
    {kSaveProfileId,
     {"保存配置...", "Save profile...", "Profil speichern...", "Tallenna profiili...",
      "Salva profilo...", "Enregistrer profil...", "Profil mentese...", "Shrani profil...",
      "Ulozit profil..."}},
    {kOpenProfileId,
     {"打开配置...", "Open profile...", "Profil laden...", "Avaa profiili...", "Apri profilo...",
      "Ouvrir profil...", "Profil megnyitasa...", "Odpri profil...", "Otevrit profil..."}},
}};

// A drop-down list: its entries in index order (the index is what files
// store, so the order is the same in every language) and the entry selected
// when the dialog opens.
struct OptionListEntry {
    int controlId;
    std::span<const LanguageTexts> entries;
    int defaultIndex;

    std::vector<std::string_view> textsIn(int language) const;
};

// The catalogue of one dialog: its captions and its option lists.
struct LanguageTable {
    std::span<const CaptionEntry> captions; // shared by both families where possible
    std::span<const CaptionEntry> familyCaptions;
    std::span<const OptionListEntry> optionLists;
};

// The buttons the standard dialog identifiers name, in every dialog that has them.
namespace dialog_id {
inline constexpr int Generate = 1; // IDOK
inline constexpr int Exit = 2;     // IDCANCEL
} // namespace dialog_id

// Control identifiers of the camera-menu dialogs.
namespace menu_id {
inline constexpr int VideoLength = 1002;
inline constexpr int Interval = 1003;
inline constexpr int ModeLabel = 1004;
inline constexpr int ImageSizeLabel = 1005;
inline constexpr int VideoSizeLabel = 1006;
inline constexpr int PicturesLabel = 1007;
inline constexpr int VideoLengthLabel = 1008;
inline constexpr int IntervalLabel = 1009;
inline constexpr int SensitivityLabel = 1010;
inline constexpr int TimeStampLabel = 1011;
inline constexpr int SidePirLabel = 1012;
inline constexpr int CameraMode = 1013;
inline constexpr int ImageSize = 1014;
inline constexpr int VideoSize = 1015;
inline constexpr int Pictures = 1016;
inline constexpr int TimerStartHour = 1017;
inline constexpr int ClockLabel = 1018;
inline constexpr int TimerLabel = 1019;
inline constexpr int TimeLapseLabel = 1020;
inline constexpr int SerialLabel = 1021;
inline constexpr int TimerStartMinute = 1022;
inline constexpr int TimerStopHour = 1023;
inline constexpr int TimerStopMinute = 1024;
inline constexpr int Timer = 1025;
inline constexpr int TimeStamp = 1026;
inline constexpr int Sensitivity = 1027;
inline constexpr int SidePir = 1028;
inline constexpr int IntervalUnit = 1029;
inline constexpr int ClockText = 1030;
inline constexpr int GetTime = 1031;
inline constexpr int SerialNumber = 1032;
inline constexpr int TimeLapse = 1033;
inline constexpr int SerialCharacter1 = 1034; // 1034..1037
inline constexpr int TimeLapseHours = 1038;
inline constexpr int TimeLapseMinutes = 1039;
inline constexpr int TimeLapseSeconds = 1040;
inline constexpr int BeepSoundLabel = 1041;
inline constexpr int BeepSound = 1042;
inline constexpr int DateFormatLabel = 1043;
inline constexpr int DateFormat = 1044;
inline constexpr int SdCycleLabel = 1045;
inline constexpr int SdCycle = 1046;
inline constexpr int Select = 1057;
inline constexpr int StartLabel = 1059;
inline constexpr int StopLabel = 1060;
inline constexpr int Default = 1062;
inline constexpr int Folder = 1064;
using dialog_id::Exit;
using dialog_id::Generate;
} // namespace menu_id

// The camera-menu catalogue of one family: the twenty shared captions, the
// family's folder-button caption and the family's option lists.
const LanguageTable& MenuLanguageTable(Family family);

} // namespace rosmossel
