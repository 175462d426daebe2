#include "core/format/safe_writer.h"

#include "core/format/safe_writer_system.h"

#include <algorithm>

namespace rosmossel {

const char* const kCardDidNotKeepReason =
    "the card did not keep what was written (reading the file back gave other bytes)";

bool writer_system::SameAsWritten(std::vector<std::uint8_t> readBack,
                                  std::span<const std::uint8_t> bytes,
                                  const WriteOptions& options) {
    if (options.alterReadBack) {
        options.alterReadBack(readBack);
    }
    return std::equal(readBack.begin(), readBack.end(), bytes.begin(), bytes.end());
}

std::string FilePathInFolder(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    path += writer_system::kSeparator;
    path += fileName;
    return path;
}

} // namespace rosmossel
