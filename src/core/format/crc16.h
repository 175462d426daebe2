#pragma once

#include <cstdint>
#include <span>

namespace rosmossel {

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final XOR.
// Pass the previous result as `crc` to extend a checksum over several buffers.
std::uint16_t SettingsCrc16(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0);

} // namespace rosmossel
