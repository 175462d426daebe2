#include "core/format/crc16.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

namespace rosmossel {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Bit by bit, straight from the polynomial, to check the table-driven routine.
std::uint16_t referenceXmodem(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0;
    for (const std::uint8_t b : bytes) {
        crc = static_cast<std::uint16_t>(crc ^ (b << 8));
        for (int i = 0; i < 8; ++i) {
            crc = static_cast<std::uint16_t>((crc & 0x8000) != 0 ? (crc << 1) ^ 0x1021 : crc << 1);
        }
    }
    return crc;
}

TEST(SettingsCrc16, CatalogueValues) {
    const struct {
        std::string_view input;
        std::uint16_t crc;
    } cases[] = {{"123456789", 0x31C3}, {"abc", 0x9DD6}, {"", 0x0000}};
    for (const auto& c : cases) {
        EXPECT_EQ(SettingsCrc16(bytesOf(c.input)), c.crc) << c.input;
    }
    const std::uint8_t single[] = {1};
    EXPECT_EQ(SettingsCrc16(single), 0x1021);
    const std::uint8_t last[] = {255};
    EXPECT_EQ(SettingsCrc16(last), 0x1EF0);
    const std::vector<std::uint8_t> zeros(50, 0);
    EXPECT_EQ(SettingsCrc16(zeros), 0x0000);
}

TEST(SettingsCrc16, AgreesWithBitwiseReferenceAndChains) {
    std::mt19937 random(12345);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> data(random() % 800);
        for (auto& b : data) {
            b = static_cast<std::uint8_t>(random());
        }
        const std::uint16_t oneShot = SettingsCrc16(data);
        ASSERT_EQ(oneShot, referenceXmodem(data));
        const std::size_t cut = data.empty() ? 0 : random() % data.size();
        const std::span<const std::uint8_t> all(data);
        EXPECT_EQ(SettingsCrc16(all.subspan(cut), SettingsCrc16(all.first(cut))), oneShot);
    }
}

TEST(SettingsCrc16, ElevenRecordsInElevenCallsEqualOneCall) {
    std::vector<std::uint8_t> data(660);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    std::uint16_t crc = 0;
    for (std::size_t r = 0; r < 11; ++r) {
        crc = SettingsCrc16(std::span<const std::uint8_t>(data).subspan(r * 60, 60), crc);
    }
    EXPECT_EQ(crc, SettingsCrc16(data));
}

} // namespace
} // namespace rosmossel
