#include "core/smtp/gprs_presets.h"
#include "core/smtp/smtp_dialog_rules.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

TEST(SmtpDialogRules, PictureCountBeyondTheRangeStartsAgainFromZero) {
    const std::pair<int, int> cases[] = {{0, 0}, {57, 57}, {99, 99}, {100, 0}, {999, 0}};
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(PictureCountAfterEdit(typed), kept) << typed;
    }
}

TEST(SmtpDialogRules, ModeDecidesListsAndWhetherGprsFieldsAreTyped) {
    const struct {
        ApnMode mode;
        bool editable;
        std::size_t countries;
        std::string firstCountry;
        std::vector<std::string> operators;
    } cases[] = {
        {ApnMode::Automatic, false, 39, "China", {"China Mobile", "China Unicom"}},
        {ApnMode::Manual, true, 1, "Other", {"Other"}},
    };
    for (const auto& c : cases) {
        const SmtpModeView view = SmtpModeViewOf(c.mode);
        EXPECT_EQ(view.gprsEditable, c.editable);
        ASSERT_EQ(view.countries.size(), c.countries);
        EXPECT_EQ(view.countries.front(), c.firstCountry);
        EXPECT_EQ(view.operators, c.operators);
    }
    EXPECT_EQ(SmtpModeViewOf(ApnMode::Automatic).countries[38], "Estonia");

    SmtpSettings s = DefaultSmtpSettings(Family::Quill);
    s.picturesPerDay = 12;
    s.apn = s.account = s.gprsPassword = s.server = s.port = "x";
    s.senderAddress = s.senderPassword = s.recipient = "y";
    ClearSmtpTexts(s);
    SmtpSettings expected = DefaultSmtpSettings(Family::Quill);
    expected.picturesPerDay = 12;
    EXPECT_EQ(s, expected);
}

TEST(SmtpDialogRules, WhatGenerateWrites) {
    const GprsPreset& vodafoneUk = *LookUpGprsPreset(3, 0);
    const struct {
        const char* what;
        Family family;
        SmtpSelections lists;
        int country, op, sendMode, remote;
        GprsPreset gprs;
    } cases[] = {
        {"automatic: the preset, not the locked fields",
         Family::Sedge,
         {ApnMode::Automatic, 3, 0, 2, 7},
         3,
         0,
         1,
         0,
         vodafoneUk},
        {"Ireland's empty third slot",
         Family::Quill,
         {ApnMode::Automatic, 17, 2, 0, 3},
         17,
         2,
         0,
         3,
         {}},
        {"manual: typed texts, header says manual",
         Family::Quill,
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
        typed.server = "smtp.example.org";
        typed.picturesPerDay = 57;
        const SmtpSettings s = SmtpSettingsToWrite(typed, c.lists, 3);
        EXPECT_EQ(s.countryIndex, c.country) << c.what;
        EXPECT_EQ(s.operatorIndex, c.op) << c.what;
        EXPECT_EQ(s.mmsSendMode, c.sendMode) << c.what;
        EXPECT_EQ(s.smsRemoteControl, c.remote) << c.what;
        EXPECT_EQ(s.apn, c.gprs.apn) << c.what;
        EXPECT_EQ(s.account, c.gprs.account) << c.what;
        EXPECT_EQ(s.gprsPassword, c.gprs.password) << c.what;
        EXPECT_EQ(s.server, "smtp.example.org") << c.what;
        EXPECT_EQ(s.picturesPerDay, 57) << c.what;
        EXPECT_EQ(s.languageCode, 3) << c.what;
    }
}

} // namespace
} // namespace rosmossel
