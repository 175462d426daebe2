#include "core/format/crc16.h"

#include <array>

namespace rosmossel {
namespace {

constexpr std::array<std::uint16_t, 256> makeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000U) != 0 ? (crc << 1) ^ 0x1021U : crc << 1;
        }
        table[i] = static_cast<std::uint16_t>(crc);
    }
    return table;
}

constexpr auto kTable = makeTable();
static_assert(kTable[1] == 0x1021 && kTable[2] == 0x2042 && kTable[255] == 0x1EF0);

} // namespace

std::uint16_t SettingsCrc16(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    for (const std::uint8_t b : bytes) {
        crc = static_cast<std::uint16_t>((crc << 8) ^ kTable[(b ^ (crc >> 8)) & 0xFFU]);
    }
    return crc;
}

} // namespace rosmossel
