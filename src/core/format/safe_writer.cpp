#include "core/format/safe_writer.h"

#include "core/format/safe_writer_system.h"

#include <algorithm>

namespace rosmossel {

const char* const kCardDidNotKeepReason =
    "the card did not keep what was written (reading the file back gave other bytes)";

std::optional<WriteError> writer_system::CompareReadBack(const std::string& path,
                                                         std::vector<std::uint8_t> readBack,
                                                         std::span<const std::uint8_t> bytes,
                                                         const WriteOptions& options) {
    if (options.alterReadBack) {
        options.alterReadBack(readBack);
    }
    if (!std::equal(readBack.begin(), readBack.end(), bytes.begin(), bytes.end())) {
        return WriteError{path, kCardDidNotKeepReason};
    }
    return std::nullopt;
}

std::string FilePathInFolder(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    path += writer_system::kSeparator;
    path += fileName;
    return path;
}

} // namespace rosmossel
