#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rosmossel {

using Bytes = std::vector<std::uint8_t>;

// The low byte of a setting, as every record stores it.
constexpr std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// One 60-byte record: payload 0..49, zero 50..55, check or length 56..57, CR LF 58..59.
inline constexpr std::size_t kRecordSize = 60;
using FileRecord = std::array<std::uint8_t, kRecordSize>;
inline constexpr std::size_t kPayloadSize = 50;
inline constexpr std::size_t kTextLengthOffset = 57;
inline constexpr std::size_t kMaxTextLength = 50;
inline constexpr std::size_t kMultiRecordCount = 12;
inline constexpr std::size_t kMultiRecordFileSize = kRecordSize * kMultiRecordCount;

// A zero record with its line end.
FileRecord EmptyRecord();

// A text record: the bytes from offset 0, zero fill, the length at offset 57.
// The caller guarantees text.size() <= kMaxTextLength.
FileRecord TextRecord(std::string_view text);

// The closing record of a multi-record file, holding `check` low byte first.
FileRecord CheckRecord(std::uint16_t check);

// Complements each payload byte and swaps its halves; its own inverse.
void ScrambleRecord(FileRecord& record);
std::uint8_t ScrambleByte(std::uint8_t b);

// menu.dat: the payload, the CRC of bytes 0..49 at 56..57, CR LF.
FileRecord SingleRecordFrame(std::span<const std::uint8_t, kPayloadSize> payload);

// setup.dat and smtp.dat: the eleven plain records scrambled, then the check
// record holding (CRC over the 660 stored bytes + k) mod 65536.
Bytes MultiRecordFrame(std::span<const FileRecord, 11> plain, std::uint16_t k);

// The plain staging image of the MMS writer: eleven records unscrambled and a
// check record with the plain CRC.
Bytes PlainMultiRecordImage(std::span<const FileRecord, 11> plain);

// Reads record `index` of a file that is at least (index + 1) * 60 bytes long.
FileRecord RecordAt(std::span<const std::uint8_t> file, std::size_t index);

// Reads the text of a plain text record into `text`; false when the length
// byte is above kMaxTextLength or the zero fill behind the text is broken.
bool ReadTextRecord(const FileRecord& record, std::string& text);

std::uint16_t StoredCheck(const FileRecord& record);

} // namespace rosmossel
