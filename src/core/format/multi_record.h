#pragma once

#include "core/format/file_record.h"
#include "core/format/verdict.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rosmossel {

// A 720-byte file read back: its eleven records in plain form and the verdict
// on its frame (length, line ends, check value).
struct MultiRecordImage {
    std::array<FileRecord, 11> records{};
    bool complete = false;                 // the file was 720 bytes, records are filled
    std::optional<std::uint16_t> matchedK; // the file constant the check value fits
    Verdict verdict;
};

// `scrambled` says whether records 0..10 are stored scrambled; `constants` are
// the check constants the file may use.
MultiRecordImage ReadMultiRecordFile(std::span<const std::uint8_t> bytes, bool scrambled,
                                     std::initializer_list<std::uint16_t> constants);

// A named text value of a settings struct with the most bytes it may hold.
template <typename Settings> struct TextField {
    const char* name; // in the messages of the builder and the decoder
    std::size_t limit;
    std::string Settings::*member;
};

// Byte `offset` of a header record, noted as a problem when outside min..max.
int ReadHeaderByte(const FileRecord& header, std::size_t offset, const char* name, int min, int max,
                   Verdict& verdict);

// Reads the text of `record` into `value`, noting every problem in `verdict`.
void DecodeTextField(const FileRecord& record, std::size_t index, const char* name,
                     std::size_t limit, std::string& value, Verdict& verdict);

// Why a text may not be stored in a field of `limit` bytes (too long, or a
// zero byte inside, which ends the text on the camera), or empty. The
// builders refuse it and the decoders report it: one rule for both.
std::string TextValueProblem(std::string_view value, std::size_t limit);

// Empty when every text fits its field, else a message naming the first that
// does not.
template <typename Settings, typename Fields>
std::string CheckTextLimits(const Settings& settings, const Fields& fields) {
    for (const auto& field : fields) {
        const std::string problem = TextValueProblem(settings.*field.member, field.limit);
        if (!problem.empty()) {
            return field.name + (" " + problem);
        }
    }
    return {};
}

// A header value as a settings struct holds it, with the range its file may
// store for it in this set-up (a range may depend on other values).
struct HeaderValue {
    const char* name;
    int value;
    int min;
    int max;
};

// Empty when every value is within its range, else a message naming the first
// value that is not: a builder never stores the low byte of a value it cannot hold.
std::string CheckHeaderValues(std::initializer_list<HeaderValue> values);

// The outcome of building a multi-record file: its bytes, or why it was refused.
struct BuildResult {
    Bytes bytes;
    std::string error;
    bool ok() const { return error.empty(); }
};

} // namespace rosmossel
