#pragma once

// What the writer of each system (safe_writer_posix.cpp,
// safe_writer_windows.cpp, chosen by CMake) shares with safe_writer.cpp.

#include "core/format/safe_writer.h"

namespace rosmossel::writer_system {

// The platform's separator between a folder and its files.
extern const char kSeparator;

// Nothing when what was read back of `path` is what was written, else the
// card's failure; the options may play a card that drops bits.
std::optional<WriteError> CompareReadBack(const std::string& path,
                                          std::vector<std::uint8_t> readBack,
                                          std::span<const std::uint8_t> bytes,
                                          const WriteOptions& options);

} // namespace rosmossel::writer_system
