#include "core/format/crc16.h"
#include "core/format/file_record.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rosmossel {
namespace {

TEST(ScrambleRecord, ComplementsAndSwapsHalvesOfPayloadOnly) {
    const struct {
        std::uint8_t plain, stored;
    } cases[] = {{0x00, 0xFF}, {0x12, 0xDE}, {0x41, 0xEB}, {'a', 0xE9}, {'b', 0xD9},
                 {'c', 0xC9},  {0x01, 0xEF}, {25, 0x6E},   {0xFF, 0x00}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScrambleByte(c.plain), c.stored) << int(c.plain);
        EXPECT_EQ(ScrambleByte(c.stored), c.plain) << int(c.plain);
    }
    FileRecord record{};
    for (std::size_t i = 0; i < record.size(); ++i) {
        record[i] = static_cast<std::uint8_t>(i * 13);
    }
    const FileRecord original = record;
    ScrambleRecord(record);
    EXPECT_TRUE(std::equal(record.begin() + 50, record.end(), original.begin() + 50));
    EXPECT_NE(record[0], original[0]);
    ScrambleRecord(record);
    EXPECT_EQ(record, original);
}

TEST(TextRecord, HoldsTextZeroFillAndLength) {
    const FileRecord abc = TextRecord("abc");
    EXPECT_EQ(abc[0], 'a');
    EXPECT_EQ(abc[2], 'c');
    EXPECT_TRUE(std::all_of(abc.begin() + 3, abc.begin() + 57, [](auto b) { return b == 0; }));
    EXPECT_EQ(abc[57], 3);
    EXPECT_EQ(abc[58], 0x0D);
    EXPECT_EQ(abc[59], 0x0A);

    FileRecord stored = abc;
    ScrambleRecord(stored);
    const std::uint8_t head[] = {0xE9, 0xD9, 0xC9};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), stored.begin()));
    EXPECT_TRUE(
        std::all_of(stored.begin() + 3, stored.begin() + 50, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(
        std::all_of(stored.begin() + 50, stored.begin() + 57, [](auto b) { return b == 0; }));

    const std::string fifty(50, 'u');
    EXPECT_EQ(TextRecord(fifty)[57], 50);
    EXPECT_EQ(TextRecord(fifty)[49], 'u');

    std::string text;
    ASSERT_TRUE(ReadTextRecord(abc, text));
    EXPECT_EQ(text, "abc");
    FileRecord broken = abc;
    broken[10] = 1; // garbage behind the text
    EXPECT_FALSE(ReadTextRecord(broken, text));
    broken = abc;
    broken[57] = 51;
    EXPECT_FALSE(ReadTextRecord(broken, text));
}

TEST(CheckRecord, StoresLowByteFirst) {
    const FileRecord check = CheckRecord(static_cast<std::uint16_t>(0x1234 + 15));
    EXPECT_EQ(check[56], 0x43);
    EXPECT_EQ(check[57], 0x12);
    EXPECT_TRUE(std::all_of(check.begin(), check.begin() + 56, [](auto b) { return b == 0; }));
    EXPECT_EQ(check[58], 0x0D);
    EXPECT_EQ(check[59], 0x0A);
}

TEST(MultiRecordFrame, ScramblesElevenRecordsAndChecksStoredBytes) {
    std::array<FileRecord, 11> plain{};
    for (std::size_t i = 0; i < plain.size(); ++i) {
        plain[i] = TextRecord(std::string(i, 'x'));
    }
    const Bytes file = MultiRecordFrame(plain, 15);
    ASSERT_EQ(file.size(), 720u);
    const std::uint16_t crc = SettingsCrc16(std::span(file).first(660));
    EXPECT_EQ(file[716] | (file[717] << 8), (crc + 15) & 0xFFFF);
    for (std::size_t r = 0; r < 12; ++r) {
        EXPECT_EQ(file[r * 60 + 58], 0x0D);
        EXPECT_EQ(file[r * 60 + 59], 0x0A);
    }
    FileRecord back = RecordAt(file, 4);
    ScrambleRecord(back);
    EXPECT_EQ(back, plain[4]);

    const Bytes staging = PlainMultiRecordImage(plain);
    EXPECT_TRUE(std::equal(staging.begin(), staging.begin() + 60, plain[0].begin()));
    EXPECT_EQ(staging[716] | (staging[717] << 8), SettingsCrc16(std::span(staging).first(660)));
}

} // namespace
} // namespace rosmossel
