#pragma once

#include "core/format/file_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace rosmossel {

// No settings file is larger; anything bigger is not read at all.
inline constexpr std::size_t kLargestSettingsFile = 64 * 1024;

// Reads a settings file back, for the decoders. Paths are UTF-8. Only regular
// files up to kLargestSettingsFile are read (a device or a FIFO never is);
// otherwise `error` says why and nothing is returned.
std::optional<Bytes> ReadSettingsFile(const std::string& path, std::string& error);

// The path of the file called `name` in `folder`, matched in any letter case
// (cards are FAT, and cameras write names in capitals); absent when the
// folder holds no such file.
std::optional<std::string> FindFileInFolder(const std::string& folder, std::string_view name);

} // namespace rosmossel
