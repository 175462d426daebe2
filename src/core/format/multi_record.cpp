#include "core/format/multi_record.h"

#include "core/format/crc16.h"

#include <algorithm>

namespace rosmossel {

MultiRecordImage ReadMultiRecordFile(std::span<const std::uint8_t> bytes, bool scrambled,
                                     std::initializer_list<std::uint16_t> constants) {
    MultiRecordImage image;
    Verdict& v = image.verdict;
    v.length = bytes.size();
    v.expectedLength = kMultiRecordFileSize;
    if (bytes.size() != kMultiRecordFileSize) {
        v.problems.push_back("the file is " + std::to_string(bytes.size()) + " bytes long, not " +
                             std::to_string(kMultiRecordFileSize));
        return image;
    }
    image.complete = true;
    v.lineEndsOk = true;
    for (std::size_t i = 0; i < kMultiRecordCount; ++i) {
        const std::size_t end = i * kRecordSize + 58;
        if (bytes[end] != 0x0D || bytes[end + 1] != 0x0A) {
            v.lineEndsOk = false;
            v.problems.push_back("record " + std::to_string(i) +
                                 " does not end in a carriage return and a line feed");
        }
    }
    const std::uint16_t crc = SettingsCrc16(bytes.first(kRecordSize * 11));
    const FileRecord check = RecordAt(bytes, 11);
    v.storedCheck = StoredCheck(check);
    v.computedCheck = static_cast<std::uint16_t>(crc + *constants.begin());
    for (const std::uint16_t k : constants) {
        if (static_cast<std::uint16_t>(crc + k) == v.storedCheck) {
            image.matchedK = k;
            v.computedCheck = v.storedCheck;
        }
    }
    v.checkOk = image.matchedK.has_value();
    if (!v.checkOk) {
        v.problems.emplace_back("the check value does not match the contents");
    }
    if (!std::all_of(check.begin(), check.begin() + 56, [](std::uint8_t b) { return b == 0; })) {
        v.problems.emplace_back("bytes 0 to 55 of the check record are not all zero");
    }
    for (std::size_t i = 0; i < 11; ++i) {
        image.records[i] = RecordAt(bytes, i);
        if (scrambled) {
            ScrambleRecord(image.records[i]);
        }
    }
    return image;
}

int ReadHeaderByte(const FileRecord& header, std::size_t offset, const char* name, int min, int max,
                   Verdict& verdict) {
    const int value = header[offset];
    if (value < min || value > max) {
        verdict.problems.push_back("header byte " + std::to_string(offset) + " (" + name + ") is " +
                                   std::to_string(value) + ", expected " + std::to_string(min) +
                                   " to " + std::to_string(max));
    }
    return value;
}

void DecodeTextField(const FileRecord& record, std::size_t index, const char* name,
                     std::size_t limit, std::string& value, Verdict& verdict) {
    const std::string where = "record " + std::to_string(index) + " (" + name + ")";
    if (!ReadTextRecord(record, value)) {
        verdict.problems.push_back(where + " is not a text record: length byte " +
                                   std::to_string(record[kTextLengthOffset]) +
                                   " or its zero fill is wrong");
        value.clear();
        return;
    }
    const std::string problem = TextValueProblem(value, limit);
    if (!problem.empty()) {
        verdict.problems.push_back(where + " " + problem);
    }
}

std::string TextValueProblem(std::string_view value, std::size_t limit) {
    if (value.size() > limit) {
        return "is " + std::to_string(value.size()) + " bytes long; at most " +
               std::to_string(limit) + " fit";
    }
    if (value.find('\0') != std::string_view::npos) {
        return "holds a zero byte inside its text";
    }
    return {};
}

std::string CheckHeaderValues(std::initializer_list<HeaderValue> values) {
    for (const HeaderValue& v : values) {
        if (v.value < v.min || v.value > v.max) {
            return std::string(v.name) + " is " + std::to_string(v.value) + "; it must be " +
                   (v.min == v.max ? std::to_string(v.min)
                                   : std::to_string(v.min) + " to " + std::to_string(v.max));
        }
    }
    return {};
}

} // namespace rosmossel
