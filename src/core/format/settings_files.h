#pragma once

// The three settings files a camera reads: their name on the card, the key of
// their section in a profile and their length. Everything that names a file
// or a section reads it here.

#include "core/format/file_record.h"

#include <array>
#include <cstddef>

namespace rosmossel {

enum class FileKind { Menu, Mms, Smtp };

struct SettingsFileInfo {
    FileKind kind;
    const char* fileName; // as the camera looks for it
    const char* section;  // the profile's key
    std::size_t size;
};

inline constexpr std::array<SettingsFileInfo, 3> kSettingsFiles{{
    {FileKind::Menu, "menu.dat", "camera_menu", kRecordSize},
    {FileKind::Mms, "setup.dat", "mms", kMultiRecordFileSize},
    {FileKind::Smtp, "smtp.dat", "smtp", kMultiRecordFileSize},
}};

constexpr const SettingsFileInfo& SettingsFile(FileKind kind) {
    return kSettingsFiles[static_cast<std::size_t>(kind)];
}

} // namespace rosmossel
