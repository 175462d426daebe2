#include "core/format/crc16.h"
#include "core/menu/menu_decode.h"
#include "core/menu/menu_record.h"
#include "support/random_settings.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

TEST(MenuRecord, FactoryRecordIsFixed) {
    FileRecord expected{};
    expected.fill(0);
    for (int i = 0; i < 4; ++i) {
        expected[static_cast<std::size_t>(i)] = 0xFF;
    }
    expected[56] = 0x90;
    expected[57] = 0x88;
    expected[58] = 0x0D;
    expected[59] = 0x0A;
    EXPECT_EQ(BuildFactoryMenuRecord(), expected);
    const MenuDecoded decoded = DecodeMenuFile(expected, Family::Quill);
    EXPECT_TRUE(decoded.factory);
    EXPECT_TRUE(decoded.verdict.valid());
}

TEST(MenuRecord, ValuesTheDecoderRefusesAreNamed) {
    const struct {
        void (*change)(MenuSettings&);
        const char* error;
    } cases[] = {
        {[](MenuSettings&) {}, ""},
        {[](MenuSettings& s) { s.intervalValue = 0, s.intervalUnit = 1; },
         "interval is 0; it must be 1 to 60"},
        {[](MenuSettings& s) { s.clock = {2024, 2, 30, 0, 0, 0}; },
         "clock is 30; it must be 1 to 29"},
        {[](MenuSettings& s) { s.languageCode = 266; }, "language is 266; it must be 1 to 9"},
    };
    for (const auto& c : cases) {
        MenuSettings s = DefaultMenuSettings(Family::Quill);
        c.change(s);
        EXPECT_EQ(CheckMenuSettings(s), c.error);
    }
}

TEST(MenuRecord, FieldsLandAtTheirOffsets) {
    const auto with = [](auto change) {
        MenuSettings s = DefaultMenuSettings(Family::Quill);
        change(s);
        return BuildMenuRecord(s);
    };
    const struct {
        const char* what;
        FileRecord record;
        std::size_t offset;
        std::uint8_t value;
    } cases[] = {
        {"interval 60 s", with([](MenuSettings& s) { s.intervalValue = 60, s.intervalUnit = 0; }),
         6, 188},
        {"interval 0 s", with([](MenuSettings& s) { s.intervalValue = 0, s.intervalUnit = 0; }), 6,
         128},
        {"interval 30 s", with([](MenuSettings& s) { s.intervalValue = 30, s.intervalUnit = 0; }),
         6, 158},
        {"interval 1 min", with([](MenuSettings& s) { s.intervalValue = 1, s.intervalUnit = 1; }),
         6, 1},
        {"video 60 s", with([](MenuSettings& s) { s.videoLengthSeconds = 60; }), 4, 59},
        {"video 1 s", with([](MenuSettings& s) { s.videoLengthSeconds = 1; }), 4, 0},
        {"serial 0", with([](MenuSettings& s) {
             s.serialCharacters = {0, 9, 10, 35};
         }),
         25, 0},
        {"serial 9", with([](MenuSettings& s) {
             s.serialCharacters = {0, 9, 10, 35};
         }),
         26, 9},
        {"serial A", with([](MenuSettings& s) {
             s.serialCharacters = {0, 9, 10, 35};
         }),
         27, 10},
        {"serial Z", with([](MenuSettings& s) {
             s.serialCharacters = {0, 9, 10, 35};
         }),
         28, 35},
        {"year 2031", with([](MenuSettings& s) { s.clock.year = 2031; }), 14, 21},
        {"year 2012", with([](MenuSettings& s) { s.clock.year = 2012; }), 14, 2},
        {"year 2040 held", with([](MenuSettings& s) { s.clock.year = 2040; }), 14, 21},
        {"year 2005 held", with([](MenuSettings& s) { s.clock.year = 2005; }), 14, 0},
        {"Chinese chosen", with([](MenuSettings& s) { s.languageCode = 1; }), 29, 1},
        {"TV mode low byte", with([](MenuSettings& s) { s.tvMode = 0x1234; }), 30, 0x34},
        {"beep", with([](MenuSettings& s) { s.beepSound = 1; }), 31, 1},
        {"SD cycle", with([](MenuSettings& s) { s.sdCycle = 1; }), 32, 1},
        {"time lapse off", with([](MenuSettings&) {}), 10, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.record[c.offset], c.value) << c.what;
        EXPECT_EQ(c.record[56] | (c.record[57] << 8), SettingsCrc16(std::span(c.record).first(50)))
            << c.what;
        EXPECT_EQ(c.record[58], 0x0D);
        EXPECT_EQ(c.record[59], 0x0A);
    }
}

TEST(MenuRecord, SedgeNeverStoresQuillOnlyBytes) {
    MenuSettings s = DefaultMenuSettings(Family::Sedge);
    s.beepSound = 1;
    s.sdCycle = 1;
    const FileRecord record = BuildMenuRecord(s);
    EXPECT_EQ(record[31], 0);
    EXPECT_EQ(record[32], 0);
}

TEST(MenuRecord, AllZeroPayloadHasZeroCheck) {
    MenuSettings s = DefaultMenuSettings(Family::Sedge);
    s = MenuSettings{};
    s.videoLengthSeconds = 1;
    s.intervalUnit = 1;
    s.intervalValue = 0;
    s.sidePir = 0;
    s.timeLapse = 0;
    s.clock = {2010, 0, 0, 0, 0, 0};
    s.languageCode = 0;
    const FileRecord record = BuildMenuRecord(s);
    EXPECT_EQ(record[56], 0);
    EXPECT_EQ(record[57], 0);
}

TEST(MenuRecord, DecodeOfBuildGivesTheSettingsBack) {
    testing::RandomSettings random(7);
    for (const Family family : {Family::Quill, Family::Sedge}) {
        for (int i = 0; i < 500; ++i) {
            const MenuSettings s = random.menu(family);
            const MenuDecoded decoded = DecodeMenuFile(BuildMenuRecord(s), family);
            ASSERT_TRUE(decoded.verdict.valid()) << decoded.verdict.problems.front();
            ASSERT_TRUE(decoded.settings.has_value());
            EXPECT_EQ(*decoded.settings, s);
        }
    }
}

TEST(MenuRecord, DecoderNamesWhatIsWrong) {
    const FileRecord good = BuildMenuRecord(DefaultMenuSettings(Family::Quill));
    const auto problemsOf = [](std::span<const std::uint8_t> bytes, Family family) {
        return DecodeMenuFile(bytes, family).verdict.problems;
    };
    EXPECT_TRUE(problemsOf(good, Family::Quill).empty());

    FileRecord flipped = good;
    flipped[3] ^= 1;
    EXPECT_EQ(problemsOf(flipped, Family::Quill).front(),
              "the check value does not match the contents");

    FileRecord noLineEnd = good;
    noLineEnd[59] = 0;
    EXPECT_FALSE(problemsOf(noLineEnd, Family::Quill).empty());

    EXPECT_FALSE(problemsOf(std::span(good).first(59), Family::Quill).empty());

    // Video size 1440x1080 exists only on Quill cameras.
    MenuSettings quill = DefaultMenuSettings(Family::Quill);
    quill.videoSize = 2;
    const FileRecord quillOnly = BuildMenuRecord(quill);
    EXPECT_TRUE(problemsOf(quillOnly, Family::Quill).empty());
    EXPECT_FALSE(problemsOf(quillOnly, Family::Sedge).empty());
}

} // namespace
} // namespace rosmossel
