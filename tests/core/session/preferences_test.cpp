#include "core/session/memory_store.h"
#include "core/session/preferences.h"
#include "core/session/session.h"
#include "core/session/system_language_id.h"
#include "core/text/main_window_text.h"

#include <gtest/gtest.h>

#include <string>

namespace rosmossel {
namespace {

using testing::MemoryStore;

struct FirstRunCase {
    std::uint16_t systemId;
    int storedLanguage;
    StartupChoices expected;
};

TEST(StartupTest, FirstRunStoresDefaultsDerivedFromTheSystemLanguage) {
    const FirstRunCase cases[] = {
        {2052, 1, {1, 0, 1, 1, 0}}, // Chinese system shows Chinese
        {1031, 2, {0, 0, 2, 1, 0}}, // German (Germany) still starts in English
        {5127, 3, {0, 0, 3, 1, 0}}, // only Liechtenstein starts in German
        {3079, 2, {0, 0, 2, 1, 0}}, {1028, 2, {0, 0, 2, 1, 0}}, // Chinese, but not PRC
    };
    for (const FirstRunCase& c : cases) {
        SCOPED_TRACE(c.systemId);
        MemoryStore store;
        EXPECT_EQ(SettleStartup(store, c.systemId), c.expected);
        EXPECT_TRUE(store.exists);
        EXPECT_EQ(store.numbers, (decltype(store.numbers){
                                     {"TvMode", 0},
                                     {"language", static_cast<std::uint32_t>(c.storedLanguage)},
                                     {"model", 1}}));
        EXPECT_EQ(store.texts.at("Company"), kCompanyName);
    }
}

TEST(StartupTest, SecondRunReadsWhatTheFirstStoredAndWritesNothing) {
    MemoryStore store;
    const StartupChoices first = SettleStartup(store, 5127);
    const int writes = store.writeCount;
    EXPECT_EQ(SettleStartup(store, 5127), first);
    EXPECT_EQ(store.writeCount, writes);
}

struct StoredCase {
    const char* what;
    std::uint16_t systemId;
    std::uint32_t language;
    std::uint32_t model;
    std::uint32_t tvMode;
    StartupChoices expected;
};

TEST(StartupTest, StoredValuesUseTheirLow16Bits) {
    const StoredCase cases[] = {
        {"high bits of language", 1033, 0x00010003, 2, 0, {0, 0, 3, 2, 0}},
        {"high bits of model", 1033, 2, 0x00020004, 0, {0, 0, 2, 4, 0}},
        {"high bits of TvMode", 1033, 2, 1, 0x00050001, {0, 0, 2, 1, 1}},
        {"Chinese chosen elsewhere", 1033, 1, 1, 0, {0, 1, 2, 1, 0}},
        {"Chinese on a Chinese system", 2052, 1, 1, 0, {1, 0, 1, 1, 0}},
        {"English on a Chinese system", 2052, 2, 3, 0, {1, 0, 2, 3, 0}},
        {"language out of range is kept", 1033, 12, 1, 0, {0, 0, 12, 1, 0}},
        {"model out of range is kept", 1033, 4, 7, 0, {0, 0, 4, 7, 0}},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryStore store = MemoryStore::Complete(c.language, c.model, c.tvMode);
        EXPECT_EQ(SettleStartup(store, c.systemId), c.expected);
        EXPECT_EQ(store.writeCount, 0);
        EXPECT_EQ(store.numbers.at("language"), c.language);
    }
}

TEST(StartupTest, KeyWithoutLanguageUsesTheDerivedLanguageEveryRunWithoutStoringIt) {
    MemoryStore store = MemoryStore::Complete(0, 2);
    store.numbers.erase("language");
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(SettleStartup(store, 2052), (StartupChoices{1, 0, 1, 2, 0}));
        EXPECT_EQ(SettleStartup(store, 5127).currentLanguage, 3);
    }
    EXPECT_FALSE(store.numbers.contains("language"));
    EXPECT_EQ(store.writeCount, 0);
    // The user's first change is what stores it.
    EXPECT_TRUE(WriteLanguage(store, 4));
    EXPECT_EQ(SettleStartup(store, 2052).currentLanguage, 4);
}

TEST(StartupTest, MissingValuesAreRestoredOneByOne) {
    struct Case {
        const char* erased;
        std::uint32_t restored;
    };
    for (const Case& c : {Case{"model", 1}, Case{"TvMode", 0}}) {
        SCOPED_TRACE(c.erased);
        MemoryStore store = MemoryStore::Complete(3, 4, 2);
        store.numbers.erase(c.erased);
        const StartupChoices choices = SettleStartup(store, 1033);
        EXPECT_EQ(store.numbers.at(c.erased), c.restored);
        EXPECT_EQ(store.numbers.at("language"), 3u);
        EXPECT_EQ(store.writeCount, 1);
        EXPECT_EQ(choices.currentLanguage, 3);
    }
    MemoryStore store = MemoryStore::Complete(3, 4);
    store.texts.clear();
    SettleStartup(store, 1033);
    EXPECT_EQ(store.texts.at("Company"), kCompanyName);
    EXPECT_EQ(store.writeCount, 1);
}

TEST(StartupTest, ModelOfAnotherTypeReadsAsMissing) {
    MemoryStore store = MemoryStore::Complete(2, 3);
    store.numbers.erase("model");
    store.texts["model"] = "3";
    EXPECT_EQ(SettleStartup(store, 1033).currentModel, 1);
    EXPECT_EQ(store.numbers.at("model"), 1u);
}

TEST(StartupTest, UnusableStoreGivesTheDefaultsSilently) {
    MemoryStore locked; // cannot be opened nor created
    locked.creatable = false;
    EXPECT_EQ(SettleStartup(locked, 2052), (StartupChoices{1, 0, 1, 1, 0}));
    EXPECT_EQ(SettleStartup(locked, 5127), (StartupChoices{0, 0, 3, 1, 0}));
    EXPECT_FALSE(locked.exists);
    EXPECT_FALSE(WriteLanguage(locked, 4));
    EXPECT_FALSE(WriteModel(locked, 2));

    // Readable but not writable: what is there is used, the rest defaults.
    MemoryStore readOnly = MemoryStore::Complete(4, 2);
    readOnly.numbers.erase("TvMode");
    readOnly.writable = false;
    EXPECT_EQ(SettleStartup(readOnly, 1033), (StartupChoices{0, 0, 4, 2, 0}));
    EXPECT_EQ(readOnly.writeCount, 0);
}

TEST(StartupTest, TheSessionTakesTheSettledChoices) {
    const Session session = SessionFromStartup({0, 1, 2, 3, 5});
    EXPECT_FALSE(session.chineseSystem);
    EXPECT_TRUE(session.chineseChosen);
    EXPECT_EQ(session.language, Language::English);
    EXPECT_EQ(session.model, CameraModel::SedgeMG);
    EXPECT_EQ(session.tvMode, 5u);
    // Files record the choice, not the language shown.
    EXPECT_EQ(session.fileLanguageCode(), 1);
}

TEST(StoreTest, WritesAreZeroExtendedFrom16Bits) {
    MemoryStore store = MemoryStore::Complete(2, 1);
    EXPECT_TRUE(WriteLanguage(store, 0x10005));
    EXPECT_TRUE(WriteModel(store, -1));
    EXPECT_EQ(store.numbers.at("language"), 5u);
    EXPECT_EQ(store.numbers.at("model"), 0xFFFFu);
}

TEST(LanguageTest, SystemIdGivesTheDefaultLanguage) {
    const std::pair<std::uint16_t, int> cases[] = {{2052, 1}, {5127, 3}, {1031, 2}, {3079, 2},
                                                   {2055, 2}, {1035, 2}, {0, 2},    {0xFFFF, 2}};
    for (const auto& [id, language] : cases) {
        EXPECT_EQ(LanguageFromSystem(id), language) << id;
    }
}

TEST(LanguageTest, LocaleNamesMapToWindowsIds) {
    const std::pair<const char*, std::uint16_t> cases[] = {
        {"zh_CN", 2052},       {"zh_CN.UTF-8", 2052}, {"zh-CN", 2052}, {"zh", 2052},
        {"zh_TW", 1028},       {"de_LI", 5127},       {"de_DE", 1031}, {"de_DE@euro", 1031},
        {"de_AT", 3079},       {"de_XX", 1031},       {"fi_FI", 1035}, {"cs_CZ", 1029},
        {"en_US.UTF-8", 1033}, {"C", 1033},           {"", 1033},      {"xx_YY", 1033},
    };
    for (const auto& [name, id] : cases) {
        EXPECT_EQ(LanguageIdFromLocaleName(name), id) << name;
    }
}

TEST(MainWindowRulesTest, LanguageComboIndexFollowsTheState) {
    struct Case {
        int language, chosen, index;
    };
    for (const Case& c : {Case{1, 0, 0}, Case{2, 1, 0}, Case{2, 0, 1}, Case{3, 0, 2}, Case{9, 0, 8},
                          Case{0, 0, -1}, Case{10, 0, -1}, Case{-3, 0, -1}}) {
        EXPECT_EQ(LanguageComboIndex(c.language, c.chosen), c.index) << c.language;
    }
}

TEST(MainWindowRulesTest, ChoosingALanguage) {
    struct Case {
        int index, chineseSystem;
        LanguageChange change;
    };
    for (const Case& c : {Case{0, 1, {1, 1, 1}}, Case{0, 0, {2, 1, 1}}, Case{1, 1, {2, 0, 2}},
                          Case{1, 0, {2, 0, 2}}, Case{8, 0, {9, 0, 9}}}) {
        SCOPED_TRACE(c.index * 10 + c.chineseSystem);
        const LanguageChange change = ChangeLanguage(c.index, c.chineseSystem);
        EXPECT_EQ(change, c.change);
        // What is stored is what the combo shows selected.
        EXPECT_EQ(change.stored, c.index + 1);
        Session session;
        session.chineseChosen = change.chineseChosen != 0;
        session.language = static_cast<Language>(change.currentLanguage);
        EXPECT_EQ(session.fileLanguageCode(), c.index + 1);
        EXPECT_EQ(LanguageComboIndex(change.currentLanguage, change.chineseChosen), c.index);
    }
}

TEST(MainWindowRulesTest, FirstEntryIsChineseTextOnlyWhileChineseIsShown) {
    EXPECT_STREQ(FirstLanguageEntry(1), "中文");
    for (int language : {0, 2, 3, 9, 12}) {
        EXPECT_STREQ(FirstLanguageEntry(language), "Chinese");
    }
}

TEST(MainWindowRulesTest, CameraModelDecidesFamilyEmailAndDialog) {
    struct Case {
        int model;
        bool smtpEnabled, menuQuill, smtpQuill;
        const char* name;
    };
    for (const Case& c :
         {Case{1, false, false, false, "Ros SedgeM"}, Case{2, false, true, false, "Ros QuillM"},
          Case{3, true, false, false, "Ros SedgeMG"}, Case{4, true, true, true, "Ros QuillMG"},
          Case{0, true, false, false, "unknown"}, Case{7, true, false, false, "unknown"}}) {
        SCOPED_TRACE(c.model);
        const CameraModel model(c.model);
        EXPECT_EQ(model.hasEmail(), c.smtpEnabled);
        EXPECT_EQ(model.family() == Family::Quill, c.menuQuill);
        EXPECT_STREQ(model.displayName(), c.name);
        EXPECT_EQ(OpensQuillDialog(SetupJob::CameraMenu, model), c.menuQuill);
        EXPECT_EQ(OpensQuillDialog(SetupJob::Mms, model), c.menuQuill);
        EXPECT_EQ(OpensQuillDialog(SetupJob::Smtp, model), c.smtpQuill);
        if (model.known()) {
            EXPECT_EQ(ModelOf(model.family(), model.hasEmail()), model);
        }
    }
    EXPECT_EQ(ModelComboIndex(4), 3);
    EXPECT_EQ(ModelComboIndex(5), -1);
    EXPECT_EQ(ModelComboIndex(0), -1);
}

TEST(MainWindowRulesTest, LanguagesWithoutTheirOwnTextsShowEnglish) {
    const MainCaptions& english = MainWindowCaptions(2);
    for (int language : {0, 10, -1, 0x10002}) {
        EXPECT_STREQ(MainWindowCaptions(language).cameraSetup, english.cameraSetup);
    }
    // German has its own button texts but English labels.
    EXPECT_STREQ(MainWindowCaptions(3).cameraSetup, "Kamera Installation");
    EXPECT_STREQ(MainWindowCaptions(3).selectLanguage, english.selectLanguage);
    EXPECT_EQ(VersionLine(1), "程序版本:" + ShownVersion(ProjectVersion()));
    EXPECT_EQ(VersionLine(12), "Version:" + ShownVersion(ProjectVersion()));
}

// The windows show the last part of the version in three digits.
TEST(MainWindowRulesTest, ShownVersion) {
    const struct {
        const char* version;
        const char* shown;
    } cases[] = {
        {"1.2.13", "1.2.013"},    {"1.2.5", "1.2.005"},     {"1.2.0", "1.2.000"},
        {"2.10.123", "2.10.123"}, {"1.2.1234", "1.2.1234"}, {"7", "007"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownVersion(c.version), c.shown) << c.version;
    }
    EXPECT_STREQ(ProjectVersion(), ROSMOSSEL_VERSION);
}

} // namespace
} // namespace rosmossel
