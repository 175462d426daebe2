#include "core/menu/menu_record.h"
#include "core/text/language_table.h"
#include "core/text/languages.h"
#include "core/text/locale_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace rosmossel {
namespace {

const OptionListEntry* listOf(Family family, int id) {
    const auto& lists = MenuLanguageTable(family).optionLists;
    const auto it = std::find_if(lists.begin(), lists.end(),
                                 [id](const OptionListEntry& l) { return l.controlId == id; });
    return it == lists.end() ? nullptr : &*it;
}

std::vector<std::string> entries(Family family, int id, int language) {
    const OptionListEntry* list = listOf(family, id);
    if (list == nullptr) {
        return {};
    }
    const auto texts = list->textsIn(language);
    return {texts.begin(), texts.end()};
}

std::string caption(Family family, int id, int language) {
    const LanguageTable& table = MenuLanguageTable(family);
    for (auto part : {table.captions, table.familyCaptions}) {
        for (const CaptionEntry& entry : part) {
            if (entry.controlId == id) {
                return std::string(TextIn(entry.texts, language));
            }
        }
    }
    return "<missing>";
}

constexpr Family kFamilies[] = {Family::Quill, Family::Sedge};

// Each language's Windows id and code page are those Windows gives its main
// territory, and names and numbers are each used once.
TEST(Languages, RowsAgreeWithWindows) {
    const struct {
        int number;
        const char* locale; // the main territory
    } cases[] = {{1, "zh_CN"}, {2, "en_US"}, {3, "de_DE"}, {4, "fi_FI"}, {5, "it_IT"},
                 {6, "fr_FR"}, {7, "hu_HU"}, {8, "sl_SI"}, {9, "cs_CZ"}};
    ASSERT_EQ(std::size(cases), kLanguages.size());
    std::set<std::string> names;
    for (const auto& c : cases) {
        const LanguageInfo* language = FindLanguage(c.number);
        ASSERT_NE(language, nullptr) << c.number;
        const LocaleInfo* locale = FindLocale(c.locale);
        ASSERT_NE(locale, nullptr) << c.locale;
        EXPECT_EQ(language->windowsId, locale->languageId) << c.locale;
        EXPECT_EQ(language->codePage, locale->codePage) << c.locale;
        // Qt's catalogue is the territory's or the language's.
        const std::string qt = language->qtLocale;
        EXPECT_TRUE(qt.empty() ? c.number == kEnglish : std::string(c.locale).starts_with(qt))
            << c.locale;
        EXPECT_TRUE(names.insert(language->englishName).second) << language->englishName;
        EXPECT_TRUE(names.insert(std::string("native ") + language->nativeName).second)
            << language->nativeName;
    }
    EXPECT_EQ(FindLanguage(0), nullptr);
    EXPECT_EQ(FindLanguage(static_cast<int>(kLanguages.size()) + 1), nullptr);
}

TEST(LanguageTable, LanguagesOutsideTheCatalogueFallBackToEnglish) {
    for (int language : {0, 2, 10, -1, 100, 0x7FFFFFFF}) {
        EXPECT_EQ(LanguageColumn(language), 1) << language;
    }
    for (int language : {1, 3, 4, 5, 6, 7, 8, 9}) {
        EXPECT_EQ(LanguageColumn(language), language - 1) << language;
    }
    for (Family family : kFamilies) {
        for (int language : {0, 10}) {
            EXPECT_EQ(caption(family, menu_id::Generate, language), "Generate");
            EXPECT_EQ(caption(family, menu_id::Select, language), "Select");
            EXPECT_EQ(entries(family, menu_id::TimeStamp, language),
                      (std::vector<std::string>{"On", "Off"}));
        }
    }
}

// The catalogue's lists against the texts the dialogs must show. The English
// column must also be the record's own list, entry for entry: the index is
// what the camera reads.
TEST(LanguageTable, ListsHoldTheirTextsInOrder) {
    const std::vector<std::string> serial = {
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F", "G", "H",
        "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    struct Case {
        Family family;
        int id;
        int language;
        std::vector<std::string> expected;
        std::vector<std::string> MenuOptionLists::*record; // for English rows
    };
    using L = MenuOptionLists;
    const Case cases[] = {
        {Family::Quill,
         menu_id::CameraMode,
         kEnglish,
         {"Camera", "Video", "Camera+Video"},
         &L::cameraMode},
        {Family::Quill, menu_id::ImageSize, kEnglish, {"12MP", "5MP", "2MP"}, &L::imageSize},
        {Family::Sedge, menu_id::ImageSize, kEnglish, {"5MP", "12MP", "1.3MP"}, &L::imageSize},
        {Family::Quill,
         menu_id::VideoSize,
         kEnglish,
         {"1440x1080", "1280x720", "640x480"},
         &L::videoSize},
        {Family::Sedge, menu_id::VideoSize, kEnglish, {"640x480", "320x240"}, &L::videoSize},
        {Family::Quill,
         menu_id::Pictures,
         kEnglish,
         {"01 Photo", "02 Photo", "03 Photo"},
         &L::picturesPerTrigger},
        {Family::Quill, menu_id::TimeStamp, kEnglish, {"On", "Off"}, &L::timeStamp},
        {Family::Quill, menu_id::Sensitivity, kEnglish, {"Normal", "High", "Low"}, &L::sensitivity},
        {Family::Quill, menu_id::SidePir, kEnglish, {"Off", "On"}, &L::onOff},
        {Family::Quill, menu_id::IntervalUnit, kEnglish, {"Sec", "Min"}, &L::intervalUnit},
        {Family::Quill, menu_id::Timer, kEnglish, {"Off", "On"}, &L::onOff},
        {Family::Quill, menu_id::SerialNumber, kEnglish, {"Off", "On"}, &L::onOff},
        {Family::Quill, menu_id::TimeLapse, kEnglish, {"On", "Off"}, &L::timeLapse},
        {Family::Quill, menu_id::BeepSound, kEnglish, {"Off", "On"}, &L::onOff},
        {Family::Quill, menu_id::SdCycle, kEnglish, {"Off", "On"}, &L::onOff},
        {Family::Quill, menu_id::SerialCharacter1, kEnglish, serial, &L::serialCharacters},
        {Family::Sedge, menu_id::SerialCharacter1 + 3, kEnglish, serial, &L::serialCharacters},
        {Family::Sedge,
         menu_id::CameraMode,
         kEnglish,
         {"Camera", "Video", "Camera+Video"},
         &L::cameraMode},
        {Family::Sedge, menu_id::TimeStamp, kEnglish, {"On", "Off"}, &L::timeStamp},
        {Family::Sedge, menu_id::SidePir, kEnglish, {"Off", "On"}, &L::onOff},
        {Family::Sedge, menu_id::TimeLapse, kEnglish, {"On", "Off"}, &L::timeLapse},
        {Family::Quill, menu_id::DateFormat, kEnglish, {"YYMMDD", "MMDDYY", "DDMMYY"}, nullptr},
        {Family::Quill,
         menu_id::CameraMode,
         3,
         {"Foto-Kamera", "Video-Kamera", "Foto+Video"},
         nullptr},
        {Family::Quill, menu_id::Pictures, 1, {"01 张", "02 张", "03 张"}, nullptr},
        {Family::Quill, menu_id::TimeStamp, 6, {"Marche", "Arret"}, nullptr},
        {Family::Quill, menu_id::Sensitivity, 3, {"Normal", "Hoch", "Niedring"}, nullptr},
        {Family::Quill, menu_id::Sensitivity, 7, {"Normul", "Magas", "Alacsony"}, nullptr},
        {Family::Quill, menu_id::SidePir, 5, {"OFF", "ON"}, nullptr},
        {Family::Quill, menu_id::IntervalUnit, 4, {"s", "min."}, nullptr},
        {Family::Quill, menu_id::IntervalUnit, 7, {"mp", "prec"}, nullptr},
        {Family::Quill, menu_id::SerialNumber, 9, {"Vypnuto", "Zapnuto"}, nullptr},
        {Family::Quill, menu_id::TimeLapse, 1, {"开", "关"}, nullptr},
        {Family::Quill, menu_id::DateFormat, 4, {"VVKKPP", "KKPPVV", "PPKKVV"}, nullptr},
        {Family::Quill, menu_id::DateFormat, 1, {"年月日", "月日年", "日月年"}, nullptr},
        {Family::Sedge, menu_id::Timer, 8, {"pois", "paalla"}, nullptr},
        {Family::Sedge, menu_id::Sensitivity, 8, {"normaali", "korkea", "matala"}, nullptr},
        {Family::Sedge, menu_id::SidePir, 8, {"pois", "paalla"}, nullptr},
        {Family::Sedge, menu_id::Pictures, 4, {"01 kuvaa", "02 kuvaa", "03 kuvaa"}, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(entries(c.family, c.id, c.language), c.expected)
            << FamilyName(c.family) << " " << c.id << " language " << c.language;
        if (c.record != nullptr) {
            EXPECT_EQ(MenuOptions(c.family).*c.record, c.expected)
                << FamilyName(c.family) << " " << c.id;
        }
    }
}

// Defaults are the dialog's opening values, in every language.
TEST(LanguageTable, DefaultsMatchTheOpeningSettings) {
    for (Family family : kFamilies) {
        const MenuSettings d = DefaultMenuSettings(family);
        const std::pair<int, int> pairs[] = {
            {menu_id::CameraMode, d.cameraMode}, {menu_id::ImageSize, d.imageSize},
            {menu_id::VideoSize, d.videoSize},   {menu_id::Pictures, d.picturesPerTrigger},
            {menu_id::TimeStamp, d.timeStamp},   {menu_id::Sensitivity, d.sensitivity},
            {menu_id::SidePir, d.sidePir},       {menu_id::IntervalUnit, d.intervalUnit},
            {menu_id::Timer, d.timer},           {menu_id::SerialNumber, d.serialNumber},
            {menu_id::TimeLapse, d.timeLapse},   {menu_id::DateFormat, 0},
        };
        for (const auto& [id, expected] : pairs) {
            ASSERT_NE(listOf(family, id), nullptr) << id;
            EXPECT_EQ(listOf(family, id)->defaultIndex, expected) << FamilyName(family) << id;
        }
    }
    EXPECT_EQ(listOf(Family::Quill, menu_id::BeepSound)->defaultIndex, 1);
    EXPECT_EQ(listOf(Family::Quill, menu_id::SdCycle)->defaultIndex, 0);
    EXPECT_EQ(listOf(Family::Sedge, menu_id::BeepSound), nullptr);
    EXPECT_EQ(listOf(Family::Sedge, menu_id::SdCycle), nullptr);
}

TEST(LanguageTable, EveryTextIsPresentAndEveryListHasItsLength) {
    for (Family family : kFamilies) {
        const LanguageTable& table = MenuLanguageTable(family);
        EXPECT_EQ(table.captions.size(), 20u);
        std::set<int> ids;
        for (auto part : {table.captions, table.familyCaptions}) {
            for (const CaptionEntry& entry : part) {
                EXPECT_TRUE(ids.insert(entry.controlId).second) << entry.controlId;
                for (std::string_view text : entry.texts) {
                    EXPECT_FALSE(text.empty()) << entry.controlId;
                }
            }
        }
        for (const OptionListEntry& list : table.optionLists) {
            EXPECT_GE(list.defaultIndex, 0);
            EXPECT_LT(list.defaultIndex, static_cast<int>(list.entries.size()));
            for (int language = 1; language <= kLanguageCount; ++language) {
                for (std::string_view text : list.textsIn(language)) {
                    EXPECT_FALSE(text.empty()) << list.controlId << " " << language;
                }
            }
        }
    }
}

TEST(LanguageTable, TextsThatDifferFromTheRestOfTheirLanguage) {
    struct Case {
        Family family;
        int id;
        int language;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // Chinese keeps the English capture-mode words.
        {Family::Quill, menu_id::CameraMode, 1, {"Camera", "Video", "Camera+Video"}},
        {Family::Sedge, menu_id::CameraMode, 1, {"Camera", "Video", "Camera+Video"}},
        {Family::Quill, menu_id::Timer, 1, {"关", "开"}},
        // Hungarian time stamp says "Off"; its other switches say "Ki".
        {Family::Quill, menu_id::TimeStamp, 7, {"Be", "Off"}},
        {Family::Quill, menu_id::Timer, 7, {"Ki", "Be"}},
        {Family::Quill, menu_id::TimeLapse, 7, {"Be", "Ki"}},
        // The two families' Slovenian columns differ.
        {Family::Quill, menu_id::CameraMode, 8, {"Slika", "Video", "Camera+Video"}},
        {Family::Sedge, menu_id::CameraMode, 8, {"Slika", "Video", "Slika+Video"}},
        {Family::Sedge, menu_id::Pictures, 8, {"01 kuvaa", "02 kuvaa", "03 kuvaa"}},
        {Family::Quill, menu_id::Pictures, 8, {"01 Slika", "02 Slika", "03 Slika"}},
        {Family::Sedge, menu_id::TimeStamp, 8, {"paalla", "Off"}},
        {Family::Sedge, menu_id::IntervalUnit, 8, {"Sek.", "Min."}},
        {Family::Quill, menu_id::IntervalUnit, 8, {"Sek", "Min"}},
        {Family::Sedge, menu_id::TimeLapse, 8, {"paalla", "pois"}},
        {Family::Sedge, menu_id::DateFormat, 8, {"YYMMDD", "MMDDYY", "DDMMYY"}},
        {Family::Sedge, menu_id::TimeLapse, 3, {"Ein", "Aus"}},
        {Family::Quill, menu_id::DateFormat, 9, {"RRMMDD", "MMDDRR", "DDMMRR"}},
        // Sizes are the same words in every language, in the family's order.
        {Family::Quill, menu_id::ImageSize, 4, {"12MP", "5MP", "2MP"}},
        {Family::Sedge, menu_id::ImageSize, 1, {"5MP", "12MP", "1.3MP"}},
        {Family::Sedge, menu_id::VideoSize, 6, {"640x480", "320x240"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(entries(c.family, c.id, c.language), c.expected)
            << FamilyName(c.family) << " " << c.id << " language " << c.language;
    }
    EXPECT_EQ(caption(Family::Quill, menu_id::Select, 8), "Select");
    EXPECT_EQ(caption(Family::Sedge, menu_id::Select, 8), "Izberi");
    EXPECT_EQ(caption(Family::Sedge, menu_id::Select, 1), "选择目录");
    EXPECT_EQ(caption(Family::Quill, menu_id::SerialLabel, 6), "No de ssrie");
    EXPECT_EQ(caption(Family::Quill, menu_id::GetTime, 3), "Uhrzeit anfragen");
}

} // namespace
} // namespace rosmossel
