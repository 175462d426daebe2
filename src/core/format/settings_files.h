#pragma once

// The three settings files a camera reads: their name on the card, the key of
// their section in a profile, their length, and every other fact that depends
// on the kind of file. Everything that names a file or a section reads it
// here.

#include "core/format/file_record.h"

#include <array>
#include <cstddef>

namespace rosmossel {

enum class FileKind { Menu, Mms, Smtp };

// A message in English and Chinese.
struct FileWording {
    const char* english;
    const char* chinese;
};

struct SettingsFileInfo {
    FileKind kind;
    const char* fileName; // as the camera looks for it
    const char* section;  // the profile's key
    std::size_t size;
    const char* what;         // what it sets up, as inspect names it
    const char* guideSection; // the guide's section on its dialog
    FileWording generated;    // after the camera's name, once Generate wrote it
    FileWording saveTitle;    // the title of Save profile's file chooser
};

inline constexpr std::array<SettingsFileInfo, 3> kSettingsFiles{{
    {FileKind::Menu,
     "menu.dat",
     "camera_menu",
     kRecordSize,
     "camera menu",
     "camera-menu",
     {" Configuration file is generated", " 相机菜单设置文件已经生成"},
     {"Save profile", "保存配置"}},
    {FileKind::Mms,
     "setup.dat",
     "mms",
     kMultiRecordFileSize,
     "MMS set-up",
     "mms-setup",
     {" MMS configuration file (URL|APN|Gateway|Port ...) has been generated",
      " MMS配置文件已生成"},
     {"Save profile - it holds the connection password; keep it private",
      "保存配置 - 文件含有连接密码，请妥善保管"}},
    {FileKind::Smtp,
     "smtp.dat",
     "smtp",
     kMultiRecordFileSize,
     "e-mail set-up",
     "email-setup",
     {" SMTP configuration file has been generated", " SMTP配置文件已生成"},
     {"Save profile - it holds the connection and sender passwords; keep it private",
      "保存配置 - 文件含有连接和发件人密码，请妥善保管"}},
}};

constexpr const SettingsFileInfo& SettingsFile(FileKind kind) {
    return kSettingsFiles[static_cast<std::size_t>(kind)];
}

} // namespace rosmossel
