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

// Whether two file names are the same in any letter case (cards are FAT, and
// cameras write names in capitals). Only ASCII letters fold: the names looked
// for are ASCII, and a system locale must not make "MENU.DAT" another name.
bool SameFileName(std::string_view a, std::string_view b);

// The path of the file called `name` in `folder`, matched by SameFileName;
// absent when the folder holds no such file.
std::optional<std::string> FindFileInFolder(const std::string& folder, std::string_view name);

} // namespace rosmossel
