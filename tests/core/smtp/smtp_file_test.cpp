#include "core/format/crc16.h"
#include "core/smtp/smtp_file.h"
#include "support/random_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rosmossel {
namespace {

Bytes smtpFile(const SmtpSettings& s) {
    BuildResult built = BuildSmtpFile(s);
    EXPECT_TRUE(built.ok()) << built.error;
    return built.bytes;
}

TEST(SmtpFile, SedgeDefaultHeaderAsStored) {
    const Bytes file = smtpFile(DefaultSmtpSettings(Family::Sedge));
    ASSERT_EQ(file.size(), 720u);
    const std::uint8_t head[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xEF, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), file.begin()));
    EXPECT_TRUE(std::all_of(file.begin() + 8, file.begin() + 50, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(file.begin() + 50, file.begin() + 58, [](auto b) { return b == 0; }));
    EXPECT_EQ(file[58], 0x0D);
    EXPECT_EQ(file[59], 0x0A);
}

TEST(SmtpFile, PlainHeaderOfTheDefaults) {
    const FileRecord sedge = SmtpHeaderRecord(DefaultSmtpSettings(Family::Sedge));
    const std::uint8_t plain[] = {0, 0, 0, 0, 0, 2, 1, 0};
    EXPECT_TRUE(std::equal(std::begin(plain), std::end(plain), sedge.begin()));
    const FileRecord quill = SmtpHeaderRecord(DefaultSmtpSettings(Family::Quill));
    EXPECT_EQ(quill[6], 1);
    EXPECT_EQ(quill[7], 25);
}

TEST(SmtpFile, HeaderAndTextBytes) {
    SmtpSettings quill = DefaultSmtpSettings(Family::Quill);
    SmtpSettings pictures = quill;
    pictures.picturesPerDay = 57;
    SmtpSettings chinese = quill;
    chinese.languageCode = 1;
    SmtpSettings manual = DefaultSmtpSettings(Family::Sedge);
    manual.countryIndex = 0x80;
    SmtpSettings sender = quill;
    sender.senderAddress = "abcd@example.org";
    sender.recipient = "abc";
    const Bytes senderFile = smtpFile(sender);
    const struct {
        const char* what;
        Bytes file;
        std::size_t offset;
        std::uint8_t stored;
    } cases[] = {
        {"Quill send mode VGA", smtpFile(quill), 6, 0xEF},
        {"Quill remote control Off", smtpFile(quill), 7, 0x6E},
        {"57 pictures, tens", smtpFile(pictures), 3, 0xAF},
        {"57 pictures, units", smtpFile(pictures), 4, 0x8F},
        {"Chinese chosen", smtpFile(chinese), 5, ScrambleByte(1)},
        {"manual country", smtpFile(manual), 2, ScrambleByte(0x80)},
        {"manual operator", smtpFile(manual), 1, 0xFF},
        {"user name length", senderFile, 540 + 57, 4},
        {"user name first", senderFile, 540, ScrambleByte('a')},
        {"user name after the part", senderFile, 544, 0xFF},
        {"recipient a", senderFile, 600, 0xE9},
        {"recipient b", senderFile, 601, 0xD9},
        {"recipient c", senderFile, 602, 0xC9},
        {"recipient fill", senderFile, 603, 0xFF},
        {"recipient zero", senderFile, 650, 0x00},
        {"recipient length", senderFile, 657, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.file[c.offset], c.stored) << c.what;
    }
}

TEST(SmtpFile, FrameAndCheckValue) {
    SmtpSettings s = DefaultSmtpSettings(Family::Quill);
    s.server = "smtp.example.org";
    const Bytes file = smtpFile(s);
    for (std::size_t r = 0; r < 12; ++r) {
        EXPECT_EQ(file[r * 60 + 58], 0x0D);
        EXPECT_EQ(file[r * 60 + 59], 0x0A);
    }
    const auto crc = SettingsCrc16(std::span(file).first(660));
    EXPECT_EQ(file[716] | (file[717] << 8), (crc + 15) & 0xFFFF);
    // The reserved record is the same in every file.
    const Bytes other = smtpFile(DefaultSmtpSettings(Family::Sedge));
    EXPECT_TRUE(std::equal(file.begin() + 480, file.begin() + 540, other.begin() + 480));
    s.server = "smtp.example.orh";
    const Bytes changed = smtpFile(s);
    EXPECT_FALSE(std::equal(file.begin() + 660, file.end(), changed.begin() + 660));
}

TEST(SmtpFile, TextLimitsFollowTheFamily) {
    SmtpSettings s = DefaultSmtpSettings(Family::Sedge);
    s.senderAddress = std::string(33, 'a');
    EXPECT_EQ(BuildSmtpFile(s).error, "sender_address is 33 bytes long; at most 32 fit");
    s.family = Family::Quill;
    EXPECT_TRUE(BuildSmtpFile(s).ok());
    s.recipient = std::string(41, 'r');
    EXPECT_FALSE(BuildSmtpFile(s).ok());
}

TEST(SmtpFile, TextsByNameFindTheirRows) {
    const std::pair<SmtpText, const char*> cases[] = {
        {SmtpText::Apn, "gprs_apn"},
        {SmtpText::Account, "gprs_account"},
        {SmtpText::GprsPassword, "gprs_password"},
        {SmtpText::Server, "smtp_server"},
        {SmtpText::Port, "smtp_port"},
        {SmtpText::SenderAddress, "sender_address"},
        {SmtpText::SenderPassword, "sender_password"},
        {SmtpText::Recipient, "recipient"},
    };
    for (const auto& [text, key] : cases) {
        EXPECT_STREQ(SmtpTextFields(Family::Quill)[static_cast<std::size_t>(text)].name, key);
    }
    EXPECT_EQ(SmtpTextFields(Family::Sedge)[static_cast<std::size_t>(SmtpText::Recipient)].limit,
              32u);
}

TEST(SmtpFile, OutOfRangeValuesAreRefusedNotWrapped) {
    const struct {
        Family family;
        void (*change)(SmtpSettings&);
        const char* error;
    } cases[] = {
        {Family::Quill, [](SmtpSettings& s) { s.countryIndex = 256 + 3; },
         "country is 259; it must be 0 to 38"},
        {Family::Quill, [](SmtpSettings& s) { s.mmsSendMode = 3; },
         "mms_send_mode is 3; it must be 0 to 2"},
        {Family::Sedge, [](SmtpSettings& s) { s.languageCode = 0; },
         "language is 0; it must be 1 to 9"},
        {Family::Sedge, [](SmtpSettings& s) { s.recipient = std::string(1, '\0'); },
         "recipient holds a zero byte inside its text"},
    };
    for (const auto& c : cases) {
        SmtpSettings s = DefaultSmtpSettings(c.family);
        c.change(s);
        EXPECT_EQ(BuildSmtpFile(s).error, c.error);
    }
}

TEST(SmtpFile, UserNameIsTheAddressUpToItsFirstAt) {
    EXPECT_EQ(SenderUserName("ab@cd@ef"), "ab");
    EXPECT_EQ(SenderUserName("plain"), "plain");
    EXPECT_EQ(SenderUserName("@x"), "");
}

TEST(SmtpFile, DecodeOfBuildGivesTheSettingsBack) {
    testing::RandomSettings random(5);
    for (const Family family : {Family::Quill, Family::Sedge}) {
        for (int i = 0; i < 300; ++i) {
            const SmtpSettings s = random.smtp(family);
            const SmtpDecoded decoded = DecodeSmtpFile(smtpFile(s), family);
            ASSERT_TRUE(decoded.verdict.valid()) << decoded.verdict.problems.front();
            EXPECT_EQ(decoded.settings, s);
        }
    }
}

TEST(SmtpFile, DecoderRefusesDamage) {
    SmtpSettings s = DefaultSmtpSettings(Family::Sedge);
    s.senderAddress = "me@example.org";
    const Bytes good = smtpFile(s);
    EXPECT_TRUE(DecodeSmtpFile(good, Family::Sedge).verdict.valid());
    EXPECT_TRUE(DecodeSmtpFile(good, Family::Quill).verdict.valid()); // send mode 1, remote 0
    Bytes wrongCheck = good;
    wrongCheck[716] ^= 1;
    EXPECT_FALSE(DecodeSmtpFile(wrongCheck, Family::Sedge).verdict.valid());
    Bytes empty;
    EXPECT_FALSE(DecodeSmtpFile(empty, Family::Sedge).verdict.valid());
}

} // namespace
} // namespace rosmossel
