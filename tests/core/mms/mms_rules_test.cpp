#include "core/mms/mms_rules.h"
#include "core/mms/operator_presets.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

constexpr bool kAuto = false, kManual = true;
constexpr bool kSms = true, kPicture = false;

MmsTypedTexts typed(std::string_view phone = {}, std::string_view email = {},
                    std::string_view recipient2 = {}) {
    return {phone, email, recipient2};
}

struct StateCase {
    const char* what;
    bool manual;
    bool smsOnly;
    MmsTypedTexts typed;
    MmsFieldStates expected; // connection, phone, email, recipient 2, recipient 3
};

TEST(MmsRules, EditableFieldsFollowModeStatusAndTexts) {
    // clang-format off
    const StateCase cases[] = {
        {"opening",                        kAuto,   kPicture, typed(),                        {false, true, true,  false, false}},
        {"manual opens the connection",    kManual, kPicture, typed(),                        {true,  true, true,  false, false}},
        {"manual SMS locks it again",      kManual, kSms,     typed(),                        {false, true, false, false, false}},
        {"auto SMS",                       kAuto,   kSms,     typed(),                        {false, true, false, false, false}},
        {"4-digit phone: not yet",         kAuto,   kPicture, typed("1234"),                  {false, true, true,  false, false}},
        {"5-digit phone opens 2",          kAuto,   kPicture, typed("12345"),                 {false, true, true,  true,  false}},
        {"SMS: the phone opens 2",         kAuto,   kSms,     typed("12345"),                 {false, true, false, true,  false}},
        {"e-mail address opens 2",         kManual, kPicture, typed("", "a@b.c"),             {true,  true, true,  true,  false}},
        {"e-mail of 4: not yet",           kAuto,   kPicture, typed("", "a@bc"),              {false, true, true,  false, false}},
        {"e-mail without @: no",           kAuto,   kPicture, typed("", "abcde"),             {false, true, true,  false, false}},
        {"SMS ignores the e-mail",         kAuto,   kSms,     typed("", "a@b.c"),             {false, true, false, false, false}},
        {"short e-mail keeps the phone's", kAuto,   kPicture, typed("12345", "a"),            {false, true, true,  true,  false}},
        {"recipient 2 of 5 opens 3",       kAuto,   kPicture, typed("12345", "", "x@y.z"),    {false, true, true,  true,  true}},
        {"recipient 2 of 4: not yet",      kAuto,   kPicture, typed("12345", "", "x@yz"),     {false, true, true,  true,  false}},
        {"a locked 2 locks 3",             kAuto,   kPicture, typed("123", "", "12345"),      {false, true, true,  false, false}},
    };
    // clang-format on
    for (const StateCase& c : cases) {
        EXPECT_EQ(MmsEditableFields(c.manual, c.smsOnly, c.typed), c.expected) << c.what;
    }
}

TEST(MmsRules, ListsFollowModeLanguageAndFill) {
    struct ListCase {
        const char* what;
        std::vector<std::string> list;
        std::size_t size;
        std::string first, last;
    };
    const ListCase cases[] = {
        {"countries, English", MmsCountryChoices(kAuto, 2, true), 39, "China", "Estonia"},
        {"countries, Chinese start-up", MmsCountryChoices(kAuto, 1, true), 39, "中国", "Estonia"},
        {"countries, Chinese refill", MmsCountryChoices(kAuto, 1, false), 39, "China", "Estonia"},
        {"countries, manual", MmsCountryChoices(kManual, 1, true), 1, "Other", "Other"},
        {"China operators, German", MmsOperatorChoices(kAuto, 0, 3), 2, "China Mobile",
         "China Unicom"},
        {"operators, manual", MmsOperatorChoices(kManual, 3, 2), 1, "Other", "Other"},
        {"connection, automatic", MmsConnectionKinds(kAuto), 1, "APN", "APN"},
        {"connection, manual", MmsConnectionKinds(kManual), 2, "APN", "CSD"},
    };
    for (const ListCase& c : cases) {
        ASSERT_EQ(c.list.size(), c.size) << c.what;
        EXPECT_EQ(c.list.front(), c.first) << c.what;
        EXPECT_EQ(c.list.back(), c.last) << c.what;
    }
}

TEST(MmsRules, AutomaticModeWritesThePresetAndItsSelection) {
    MmsSettings typed = DefaultMmsSettings(Family::Quill);
    typed.url = "typed";
    typed.phone = "12345";
    const struct { int country, op; } choices[] = {{0, 0}, {17, 2}, {38, 2}};
    for (const auto& [country, op] : choices) {
        const MmsSettings s = WithOperatorPreset(typed, country, op);
        const OperatorPreset& p = *LookUpOperatorPreset(country, op);
        EXPECT_EQ(s.url, p.url);
        EXPECT_EQ(s.apn, p.apn);
        EXPECT_EQ(s.gateway, p.gateway);
        EXPECT_EQ(s.port, p.port);
        EXPECT_EQ(s.account, p.account);
        EXPECT_EQ(s.password, p.password);
        EXPECT_EQ(s.presetCountry, country);
        EXPECT_EQ(s.presetOperator, op);
        EXPECT_EQ(s.phone, "12345");
    }
    EXPECT_EQ(WithOperatorPreset(typed, 8, 5).url, ""); // Turkey has one operator
}

TEST(MmsRules, PicturesPerDayOutsideTheRangeStartsAgainAtZero) {
    const std::pair<int, int> cases[] = {{0, 0}, {99, 99}, {100, 0}, {-1, 0}, {-99, 0}, {42, 42}};
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(RepairPicturesPerDay(typed), kept) << typed;
    }
}

TEST(MmsRules, ACardLoadsBackAndRegenerates) {
    const MmsSettings ukVodafone = WithOperatorPreset(DefaultMmsSettings(Family::Quill), 3, 0);
    MmsSettings offPreset = ukVodafone;
    offPreset.apn = "own.apn";
    MmsSettings csd = ukVodafone;
    csd.connectionKind = 1;
    MmsSettings manual = DefaultMmsSettings(Family::Quill);
    manual.presetCountry = kManualCountry;
    manual.url = "mms.example";
    const struct {
        const char* name;
        MmsSettings card;
        bool manualMode, differs;
    } cases[] = {
        {"today's preset", ukVodafone, kAuto, false},
        {"an empty slot", WithOperatorPreset(DefaultMmsSettings(Family::Sedge), 17, 2), kAuto,
         false},
        {"texts off the preset", offPreset, kManual, true},
        {"CSD", csd, kManual, true},
        {"manual", manual, kManual, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MmsSettings card = c.card;
        card.phone = "0123456789";
        card.recipient2 = "a@b.c";
        const MmsCardLoad load = MmsLoadFromCard(card);
        EXPECT_EQ(load.manualMode, c.manualMode);
        EXPECT_EQ(load.presetDiffers, c.differs);
        EXPECT_EQ(load.typed.phone + load.typed.recipient2, "0123456789a@b.c");
        if (!c.manualMode) {
            EXPECT_EQ(load.typed.url + load.typed.apn + load.typed.port, "");
            EXPECT_EQ(WithOperatorPreset(load.typed, load.preset.country, load.preset.operatorSlot),
                      card);
            continue;
        }
        // Manual mode writes the card's texts; off its preset, as manual settings.
        MmsSettings expected = card;
        if (c.differs) {
            expected.presetCountry = kManualCountry;
            expected.presetOperator = 0;
        }
        EXPECT_EQ(load.typed, expected);
        EXPECT_EQ(load.preset,
                  (MmsPresetSelection{expected.presetCountry, expected.presetOperator}));
    }
}

} // namespace
} // namespace rosmossel
