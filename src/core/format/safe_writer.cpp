#include "core/format/safe_writer.h"

#include "core/format/safe_writer_system.h"

#include <algorithm>

namespace rosmossel {

const char* const kCardDidNotKeepReason =
    "the card did not keep what was written (reading the file back gave other bytes)";

namespace {

std::function<void(std::vector<std::uint8_t>&)>& readBackHook() {
    static std::function<void(std::vector<std::uint8_t>&)> hook;
    return hook;
}

bool& readBackOn() {
    static bool on = true;
    return on;
}

int& folderFlushError() {
    static int error = 0;
    return error;
}

} // namespace

namespace writer_system {
bool ReadBackOn() {
    return readBackOn();
}
int FolderFlushError() {
    return folderFlushError();
}
bool SameAsWritten(std::vector<std::uint8_t> readBack, std::span<const std::uint8_t> bytes) {
    if (readBackHook()) {
        readBackHook()(readBack);
    }
    return std::equal(readBack.begin(), readBack.end(), bytes.begin(), bytes.end());
}
} // namespace writer_system

namespace writer_seam {
void SetReadBackHook(std::function<void(std::vector<std::uint8_t>&)> hook) {
    readBackHook() = std::move(hook);
}
void SetReadBack(bool on) {
    readBackOn() = on;
}
void SetFolderFlushError(int error) {
    folderFlushError() = error;
}
} // namespace writer_seam

std::string FilePathInFolder(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    path += writer_system::kSeparator;
    path += fileName;
    return path;
}

} // namespace rosmossel
