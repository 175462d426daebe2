#pragma once

// What the writer of each system (safe_writer_posix.cpp,
// safe_writer_windows.cpp, chosen by CMake) shares with safe_writer.cpp.

#include "core/format/safe_writer.h"

namespace rosmossel::writer_system {

// The platform's separator between a folder and its files.
extern const char kSeparator;

// Whether the file read back is to be compared at all (the benchmark leaves
// it out).
bool ReadBackOn();
// The errno the folder flush is made to fail with, or 0.
int FolderFlushError();
// Whether what was read back is what was written; the seam plays a card
// that drops bits.
bool SameAsWritten(std::vector<std::uint8_t> readBack, std::span<const std::uint8_t> bytes);

} // namespace rosmossel::writer_system
