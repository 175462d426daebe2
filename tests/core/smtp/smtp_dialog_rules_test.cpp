#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"
#include "core/smtp/smtp_dialog_rules.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

TEST(SmtpDialogRules, PictureCountBeyondTheRangeStartsAgainFromZero) {
    for (const auto& [typed, kept] : {std::pair{0, 0}, {57, 57}, {99, 99}, {100, 0}, {999, 0}}) {
        EXPECT_EQ(PictureCountAfterEdit(typed), kept) << typed;
    }
}

TEST(SmtpDialogRules, ModeDecidesListsGprsFieldsAndTexts) {
    const SmtpModeView automatic = SmtpModeViewOf(ApnMode::Automatic);
    const SmtpModeView manual = SmtpModeViewOf(ApnMode::Manual);
    EXPECT_FALSE(automatic.gprsEditable);
    ASSERT_EQ(automatic.countries.size(), 39u);
    EXPECT_EQ(automatic.countries.front() + "," + automatic.countries.back(), "China,Estonia");
    EXPECT_EQ(automatic.operators, (std::vector<std::string>{"China Mobile", "China Unicom"}));
    EXPECT_TRUE(manual.gprsEditable);
    EXPECT_EQ(manual.countries, std::vector<std::string>{"Other"});
    EXPECT_EQ(manual.operators, std::vector<std::string>{"Other"});

    // A switch empties every text; the count stays.
    SmtpSettings s = DefaultSmtpSettings(Family::Quill);
    s.picturesPerDay = 12;
    s.apn = s.account = s.gprsPassword = s.server = s.port = s.senderAddress = s.senderPassword =
        s.recipient = "x";
    ClearSmtpTexts(s);
    SmtpSettings expected = DefaultSmtpSettings(Family::Quill);
    expected.picturesPerDay = 12;
    EXPECT_EQ(s, expected);
}

// Typed GPRS texts "typed.apn", "user", "secret"; language code 3.
TEST(SmtpDialogRules, WhatGenerateWrites) {
    const GprsPreset& vodafoneUk = *LookUpGprsPreset(3, 0);
    const struct {
        Family family;
        SmtpSelections lists;
        int country, op, sendMode, remote;
        GprsPreset gprs;
    } cases[] = {
        // Automatic: the preset, whatever the locked fields hold; Sedge ignores the Quill lists.
        {Family::Sedge, {ApnMode::Automatic, 3, 0, 2, 7}, 3, 0, 1, 0, vodafoneUk},
        {Family::Quill, {ApnMode::Automatic, 17, 2, 0, 3}, 17, 2, 0, 3, {}}, // Ireland's empty slot
        {Family::Quill,
         {ApnMode::Manual, 5, 1, 2, 25},
         0x80,
         0,
         2,
         25,
         {"typed.apn", "user", "secret"}},
    };
    for (const auto& c : cases) {
        SmtpSettings typed = DefaultSmtpSettings(c.family);
        typed.apn = "typed.apn";
        typed.account = "user";
        typed.gprsPassword = "secret";
        typed.picturesPerDay = 57;
        SmtpSettings expected = typed;
        expected.countryIndex = c.country;
        expected.operatorIndex = c.op;
        expected.mmsSendMode = c.sendMode;
        expected.smsRemoteControl = c.remote;
        expected.languageCode = 3;
        expected.apn = c.gprs.apn;
        expected.account = c.gprs.account;
        expected.gprsPassword = c.gprs.password;
        EXPECT_EQ(SmtpSettingsToWrite(typed, c.lists, 3), expected) << c.country;
    }
}

TEST(SmtpDialogRules, ACardLoadsBackAndRegenerates) {
    const GprsPreset& vodafoneUk = *LookUpGprsPreset(3, 0);
    struct Case {
        const char* name;
        int country, op;
        GprsPreset gprs;
        ApnMode mode;
        bool differs;
    };
    const Case cases[] = {
        {"today's preset", 3, 0, vodafoneUk, ApnMode::Automatic, false},
        {"an empty slot", 17, 2, {}, ApnMode::Automatic, false},
        {"texts off the preset", 3, 0, {"own.apn", "me", "pw"}, ApnMode::Manual, true},
        {"manual", kManualCountry, 0, {"own.apn", "", ""}, ApnMode::Manual, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmtpSettings card = DefaultSmtpSettings(Family::Quill);
        card.countryIndex = c.country;
        card.operatorIndex = c.op;
        card.apn = c.gprs.apn;
        card.account = c.gprs.account;
        card.gprsPassword = c.gprs.password;
        card.server = "smtp.example.org";
        card.mmsSendMode = 2;
        card.smsRemoteControl = 4;
        const SmtpCardLoad load = SmtpLoadFromCard(card);
        EXPECT_EQ(load.lists.mode, c.mode);
        EXPECT_EQ(load.presetDiffers, c.differs);
        EXPECT_EQ(load.typed.apn.empty(), c.mode == ApnMode::Automatic);
        // Generate writes the card again; off its preset, as manual settings.
        SmtpSettings expected = card;
        if (c.differs) {
            expected.countryIndex = kManualCountry;
            expected.operatorIndex = 0;
        }
        EXPECT_EQ(SmtpSettingsToWrite(load.typed, load.lists, card.languageCode), expected);
    }
}

} // namespace
} // namespace rosmossel
