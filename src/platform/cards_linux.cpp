#include "platform/cards.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace rosmossel {
namespace {

namespace fs = std::filesystem;

struct Mount {
    std::string device; // "7:1"
    std::string root;
    std::string options;
    std::string type;
    std::string source;
};

// Mount points in the table have space, tab, newline and backslash as \ooo.
std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() &&
            std::isdigit(static_cast<unsigned char>(text[i + 1])) != 0) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

// /proc/self/mountinfo: "id parent major:minor root mountpoint options
// [optional fields...] - type source super-options".
std::vector<Mount> readMounts(const std::string& path) {
    std::vector<Mount> mounts;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<std::string> f;
        for (std::string field; fields >> field;) {
            f.push_back(field);
        }
        const auto dash = std::find(f.begin(), f.end(), "-");
        if (f.size() < 6 || dash == f.end() || f.end() - dash < 3) {
            continue;
        }
        mounts.push_back(
            {f[2], unescaped(f[4]), f[5] + "," + dash[3], dash[1], unescaped(dash[2])});
    }
    return mounts;
}

std::string firstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

bool hasOption(const std::string& options, std::string_view option) {
    std::istringstream list(options);
    for (std::string item; std::getline(list, item, ',');) {
        if (item == option) {
            return true;
        }
    }
    return false;
}

// udev's "E:KEY=value" lines for the device; the encoded label keeps its
// spaces as \x20.
std::string udevValue(const std::string& data, std::string_view key) {
    std::ifstream in(data);
    const std::string prefix = "E:" + std::string(key) + "=";
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(prefix)) {
            std::string value;
            const std::string raw = line.substr(prefix.size());
            for (std::size_t i = 0; i < raw.size(); ++i) {
                if (raw.compare(i, 2, "\\x") == 0 && i + 3 < raw.size()) {
                    value += static_cast<char>(std::stoi(raw.substr(i + 2, 2), nullptr, 16));
                    i += 3;
                } else {
                    value += raw[i];
                }
            }
            return value;
        }
    }
    return {};
}

// The file system as its boot sector names it, where udev has not said (a
// card mounted through FUSE shows only "fuseblk").
std::string sniffedFileSystem(const std::string& device) {
    std::ifstream in(device, std::ios::binary);
    char sector[90] = {};
    if (!in.read(sector, sizeof sector)) {
        return {};
    }
    const std::string_view s(sector, sizeof sector);
    if (s.substr(3, 8) == "EXFAT   ") {
        return "exFAT";
    }
    if (s.substr(3, 8) == "NTFS    ") {
        return "NTFS";
    }
    if (s.substr(82, 5) == "FAT32") {
        return "FAT32";
    }
    if (s.substr(54, 3) == "FAT") {
        return std::string(s.substr(54, 5));
    }
    return {};
}

std::string fileSystemName(const std::string& type, const std::string& version) {
    if (type == "vfat") {
        return version.starts_with("FAT") ? version : "FAT";
    }
    if (type == "exfat") {
        return "exFAT";
    }
    if (type == "ntfs" || type == "ntfs3") {
        return "NTFS";
    }
    return type.starts_with("fuse.") ? type.substr(5) : type;
}

// A disk the user plugs in: marked removable (card readers, most sticks), or
// reached over USB or an MMC host (built-in SD slots report 0).
bool isRemovableDisk(const fs::path& disk) {
    if (firstLine(disk / "removable") == "1") {
        return true;
    }
    const std::string where = disk.string();
    return where.find("/usb") != std::string::npos || where.find("/mmc_host/") != std::string::npos;
}

} // namespace

std::vector<Card> FindCardsIn(const LinuxSystemFiles& files) {
    std::vector<Card> cards;
    std::set<std::string> devices;
    for (const Mount& mount : readMounts(files.mountInfo)) {
        std::string device = mount.device;
        // A FUSE mount has a device number of its own; its source is the card.
        struct stat source {};
        if (device.starts_with("0:") && mount.source.starts_with("/dev/") &&
            ::stat(mount.source.c_str(), &source) == 0 && S_ISBLK(source.st_mode)) {
            device =
                std::to_string(major(source.st_rdev)) + ":" + std::to_string(minor(source.st_rdev));
        }
        std::error_code error;
        const fs::path node = fs::canonical(fs::path(files.sys) / "dev/block" / device, error);
        if (error || !devices.insert(device).second) {
            continue; // no block device, or the card's second mount
        }
        const fs::path disk = fs::exists(node / "partition") ? node.parent_path() : node;
        if (!isRemovableDisk(disk)) {
            continue;
        }
        Card card;
        card.root = mount.root;
        card.device = mount.source.starts_with("/dev/") ? mount.source : "/dev/block/" + device;
        const std::string udev = files.udevData + "/b" + device;
        card.label = udevValue(udev, "ID_FS_LABEL_ENC");
        if (card.label.empty()) {
            card.label = fs::path(card.root).filename().string(); // desktops name it so
        }
        card.fileSystem =
            fileSystemName(udevValue(udev, "ID_FS_TYPE"), udevValue(udev, "ID_FS_VERSION"));
        if (card.fileSystem.empty()) {
            card.fileSystem = sniffedFileSystem(card.device);
        }
        if (card.fileSystem.empty()) {
            card.fileSystem = fileSystemName(mount.type, {});
        }
        struct statvfs space {};
        if (::statvfs(card.root.c_str(), &space) == 0) {
            card.capacity = std::uint64_t{space.f_blocks} * space.f_frsize;
            card.freeSpace = std::uint64_t{space.f_bavail} * space.f_frsize;
        }
        card.writeProtected = hasOption(mount.options, "ro") || firstLine(node / "ro") == "1" ||
                              firstLine(disk / "ro") == "1";
        cards.push_back(std::move(card));
    }
    return cards;
}

std::vector<Card> FindCards() {
    return FindCardsIn({});
}

} // namespace rosmossel
