#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rosmossel {

struct WriteError {
    std::string path;   // the file that could not be written
    std::string reason; // the system's reason, e.g. "No space left on device"
};

// The folder text as the user gave it, the platform's separator, the file name.
// A folder that already ends in a separator gives a doubled one, which every
// file system accepts.
std::string FilePathInFolder(std::string_view folder, std::string_view fileName);

// Who may read the file written: as the folder and umask give (an older
// file keeps its permissions), or the user alone (0600 on POSIX; a file that
// holds passwords).
enum class FileAccess { AsFolder, OwnerOnly };

// Writes `bytes` to a new temporary file beside `path`, flushes it to the
// device and renames it over `path`. On failure the temporary file is removed,
// an older file at `path` is left as it was, and the error names `path`.
std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes,
                                          FileAccess access = FileAccess::AsFolder);

} // namespace rosmossel
