#include "core/format/file_record.h"

#include "core/format/crc16.h"

#include <algorithm>
#include <cassert>

namespace rosmossel {

FileRecord EmptyRecord() {
    FileRecord record{};
    record[58] = 0x0D;
    record[59] = 0x0A;
    return record;
}

FileRecord TextRecord(std::string_view text) {
    assert(text.size() <= kMaxTextLength);
    FileRecord record = EmptyRecord();
    const std::size_t n = std::min(text.size(), kMaxTextLength);
    std::copy_n(text.begin(), n, record.begin());
    record[kTextLengthOffset] = static_cast<std::uint8_t>(n);
    return record;
}

FileRecord CheckRecord(std::uint16_t check) {
    FileRecord record = EmptyRecord();
    record[56] = static_cast<std::uint8_t>(check & 0xFFU);
    record[57] = static_cast<std::uint8_t>(check >> 8);
    return record;
}

std::uint8_t ScrambleByte(std::uint8_t b) {
    const auto c = static_cast<std::uint8_t>(~b);
    return static_cast<std::uint8_t>((c << 4) | (c >> 4));
}

void ScrambleRecord(FileRecord& record) {
    std::transform(record.begin(), record.begin() + kPayloadSize, record.begin(), ScrambleByte);
}

FileRecord SingleRecordFrame(std::span<const std::uint8_t, kPayloadSize> payload) {
    FileRecord record = CheckRecord(SettingsCrc16(payload));
    std::copy(payload.begin(), payload.end(), record.begin());
    return record;
}

namespace {

Bytes frame(std::span<const FileRecord, 11> plain, bool scramble, std::uint16_t k) {
    Bytes file;
    file.reserve(kMultiRecordFileSize);
    std::uint16_t crc = 0;
    for (FileRecord record : plain) {
        if (scramble) {
            ScrambleRecord(record);
        }
        crc = SettingsCrc16(record, crc);
        file.insert(file.end(), record.begin(), record.end());
    }
    const FileRecord check = CheckRecord(static_cast<std::uint16_t>(crc + k));
    file.insert(file.end(), check.begin(), check.end());
    return file;
}

} // namespace

Bytes MultiRecordFrame(std::span<const FileRecord, 11> plain, std::uint16_t k) {
    return frame(plain, true, k);
}

Bytes PlainMultiRecordImage(std::span<const FileRecord, 11> plain) {
    return frame(plain, false, 0);
}

FileRecord RecordAt(std::span<const std::uint8_t> file, std::size_t index) {
    FileRecord record{};
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(index * kRecordSize), kRecordSize,
                record.begin());
    return record;
}

bool ReadTextRecord(const FileRecord& record, std::string& text) {
    const std::size_t n = record[kTextLengthOffset];
    if (n > kMaxTextLength) {
        return false;
    }
    if (!std::all_of(record.begin() + static_cast<std::ptrdiff_t>(n),
                     record.begin() + kTextLengthOffset, [](std::uint8_t b) { return b == 0; })) {
        return false;
    }
    text.assign(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(n));
    return true;
}

std::uint16_t StoredCheck(const FileRecord& record) {
    return static_cast<std::uint16_t>(record[56] | (record[57] << 8));
}

} // namespace rosmossel
