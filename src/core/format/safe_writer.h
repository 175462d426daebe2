#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// How a file is written. The read-back may be left out (the benchmark
// measures what it costs); the last two play a failing card in tests.
struct WriteOptions {
    // Not explicit: a FileAccess alone is a whole set of options.
    WriteOptions(FileAccess fileAccess = FileAccess::AsFolder) : access(fileAccess) {}

    FileAccess access;
    bool readBack = true;
    // Changes the bytes read back before they are compared, as a card that
    // drops bits would.
    std::function<void(std::vector<std::uint8_t>&)> alterReadBack;
    // The errno the folder flush fails with instead of flushing (0: the real
    // flush); Windows flushes the rename with MOVEFILE_WRITE_THROUGH instead.
    int folderFlushError = 0;
};

// Writes `bytes` to a new temporary file beside `path`, flushes it to the
// device, renames it over `path` and flushes the folder. On failure before
// the rename the temporary file is removed, an older file at `path` is left
// as it was, and the error names `path`. After the rename the file is read
// back past the system's cache and compared with `bytes`: cards fail
// silently, and a difference is a failure, never a success.
std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes,
                                          const WriteOptions& options = {});

// The reason given when the file read back differs from what was written.
extern const char* const kCardDidNotKeepReason;

} // namespace rosmossel
