#include "core/format/crc16.h"
#include "core/mms/operator_presets.h"
#include "core/mms/setup_file.h"
#include "support/random_settings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rosmossel {
namespace {

bool allBytes(const Bytes& file, std::size_t from, std::size_t to, std::uint8_t value) {
    return std::all_of(file.begin() + static_cast<std::ptrdiff_t>(from),
                       file.begin() + static_cast<std::ptrdiff_t>(to),
                       [value](std::uint8_t b) { return b == value; });
}

Bytes setupFile(const MmsSettings& s) {
    BuildResult built = BuildSetupFile(s);
    EXPECT_TRUE(built.ok()) << built.error;
    return built.bytes;
}

TEST(SetupFile, EmptyTextsAreStoredAsScrambledZeroes) {
    MmsSettings s = DefaultMmsSettings(Family::Quill);
    s.mmsSendMode = 2;
    s.presetCountry = kManualCountry;
    const Bytes file = setupFile(s);
    ASSERT_EQ(file.size(), 720u);
    for (std::size_t r = 1; r <= 10; ++r) {
        const std::size_t at = r * 60;
        EXPECT_TRUE(allBytes(file, at, at + 50, 0xFF)) << r;
        EXPECT_TRUE(allBytes(file, at + 50, at + 58, 0x00)) << r;
        EXPECT_EQ(file[at + 58], 0x0D);
        EXPECT_EQ(file[at + 59], 0x0A);
    }
}

TEST(SetupFile, LongestUrlFillsThePayload) {
    MmsSettings s = DefaultMmsSettings(Family::Sedge);
    s.url = std::string(50, 'w');
    const Bytes file = setupFile(s);
    ASSERT_EQ(file.size(), 720u);
    EXPECT_TRUE(allBytes(file, 60, 110, ScrambleByte('w')));
    EXPECT_EQ(file[60 + 57], 50);
}

TEST(SetupFile, HeaderBytesAsStored) {
    const MmsSettings sedge = DefaultMmsSettings(Family::Sedge);
    const MmsSettings quill = DefaultMmsSettings(Family::Quill);
    MmsSettings intl = sedge;
    intl.internationalNumbers = 1;
    MmsSettings manual = quill;
    manual.presetCountry = kManualCountry;
    manual.connectionKind = 1;
    MmsSettings pictures = quill;
    pictures.picturesPerDay = 57;
    const struct {
        const char* what;
        Bytes file;
        std::size_t offset;
        std::uint8_t stored;
    } cases[] = {
        {"Sedge status VGA", setupFile(sedge), 0, ScrambleByte(1)},
        {"Sedge status plus one", setupFile(sedge), 1, ScrambleByte(2)},
        {"Sedge remote control", setupFile(sedge), 10, 0xFF},
        {"Quill remote control Off", setupFile(quill), 10, 0x6E},
        {"Domestic", setupFile(sedge), 7, 0xFF},
        {"International", setupFile(intl), 7, 0xEF},
        {"manual country", setupFile(manual), 8, ScrambleByte(0x80)},
        {"manual CSD", setupFile(manual), 2, ScrambleByte(1)},
        {"tens", setupFile(pictures), 3, 0xAF},
        {"units", setupFile(pictures), 4, 0x8F},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.file[c.offset], c.stored) << c.what;
    }
}

TEST(SetupFile, CheckValueAddsEighteenForInternationalNumbers) {
    MmsSettings s = DefaultMmsSettings(Family::Quill);
    s.phone = "+491701234567";
    for (const int kind : {0, 1}) {
        s.internationalNumbers = kind;
        const Bytes file = setupFile(s);
        const auto crc = SettingsCrc16(std::span(file).first(660));
        EXPECT_EQ(file[716] | (file[717] << 8), (crc + (kind == 1 ? 18 : 0)) & 0xFFFF);
        EXPECT_EQ(DecodeSetupFile(file, Family::Quill).numberKindByCheck, kind);

        const BuildResult staging = BuildMmsStagingImage(s);
        ASSERT_TRUE(staging.ok());
        EXPECT_EQ(staging.bytes[716] | (staging.bytes[717] << 8),
                  SettingsCrc16(std::span(staging.bytes).first(660)));
    }
}

TEST(SetupFile, TwoBuildsAreIdenticalAndTooLongTextsAreRefused) {
    MmsSettings s = DefaultMmsSettings(Family::Quill);
    s.email = "owner@example.org";
    EXPECT_EQ(setupFile(s), setupFile(s));
    s.url = std::string(51, 'u');
    const BuildResult refused = BuildSetupFile(s);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_EQ(refused.error, "url is 51 bytes long; at most 50 fit");
    s.url.clear();
    s.phone = std::string(33, '1');
    EXPECT_FALSE(BuildMmsStagingImage(s).ok());
}

// The builder refuses, naming the key, every value it would otherwise store
// as a wrapped low byte or that the decoder would call invalid.
TEST(SetupFile, OutOfRangeValuesAreRefusedNotWrapped) {
    const struct {
        Family family;
        void (*change)(MmsSettings&);
        const char* error;
    } cases[] = {
        {Family::Quill, [](MmsSettings& s) { s.mmsSendMode = 3; },
         "mms_status is 3; it must be 0 to 2"},
        {Family::Sedge, [](MmsSettings& s) { s.presetCountry = 39 + 256; },
         "country is 295; it must be 0 to 38"},
        {Family::Sedge, [](MmsSettings& s) { s.presetCountry = 1, s.presetOperator = 3; },
         "operator is 3; it must be 0 to 1"},
        {Family::Sedge, [](MmsSettings& s) { s.connectionKind = 1; },
         "connection_kind is 1; it must be 0"},
        {Family::Quill, [](MmsSettings& s) { s.smsRemoteControl = -1; },
         "sms_remote_control is -1; it must be 0 to 25"},
        {Family::Quill, [](MmsSettings& s) { s.tvMode = 256; },
         "tv_mode is 256; it must be 0 to 255"},
        {Family::Sedge, [](MmsSettings& s) { s.picturesPerDay = 100; },
         "pictures_per_day is 100; it must be 0 to 99"},
        {Family::Sedge, [](MmsSettings& s) { s.apn = std::string("ab\0c", 4); },
         "apn holds a zero byte inside its text"},
    };
    for (const auto& c : cases) {
        MmsSettings s = DefaultMmsSettings(c.family);
        c.change(s);
        const BuildResult refused = BuildSetupFile(s);
        EXPECT_EQ(refused.error, c.error);
        EXPECT_TRUE(refused.bytes.empty());
    }
}

TEST(SetupFile, DecodeOfBuildGivesTheSettingsBack) {
    testing::RandomSettings random(99);
    for (const Family family : {Family::Quill, Family::Sedge}) {
        for (int i = 0; i < 300; ++i) {
            const MmsSettings s = random.mms(family);
            const MmsDecoded decoded = DecodeSetupFile(setupFile(s), family);
            ASSERT_TRUE(decoded.verdict.valid()) << decoded.verdict.problems.front();
            EXPECT_EQ(decoded.settings, s);
            const MmsDecoded staged = DecodeMmsStagingFile(BuildMmsStagingImage(s).bytes, family);
            ASSERT_TRUE(staged.verdict.valid()) << staged.verdict.problems.front();
            EXPECT_EQ(staged.settings, s);
        }
    }
}

TEST(SetupFile, DecoderRefusesDamage) {
    const Bytes good = setupFile(DefaultMmsSettings(Family::Quill));
    const auto problems = [](const Bytes& bytes, Family family) {
        return DecodeSetupFile(bytes, family).verdict.problems.size();
    };
    EXPECT_EQ(problems(good, Family::Quill), 0u);
    // The Quill default remote-control value does not exist on Sedge cameras.
    EXPECT_GT(problems(good, Family::Sedge), 0u);
    Bytes truncated = good;
    truncated.resize(660);
    EXPECT_GT(problems(truncated, Family::Quill), 0u);
    Bytes flipped = good;
    flipped[200] ^= 0x40;
    EXPECT_GT(problems(flipped, Family::Quill), 0u);
    // A scrambled file read as the plain staging image fails its check.
    EXPECT_FALSE(DecodeMmsStagingFile(good, Family::Quill).verdict.valid());
}

} // namespace
} // namespace rosmossel
