#include "platform/cards.h"

#include <blkid/blkid.h>
#include <libmount/libmount.h>
#include <libudev.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace rosmossel {
namespace {

template <typename T, void (*Free)(T*)> struct Deleter {
    void operator()(T* p) const { Free(p); }
};
template <typename T, auto Free> using Owned = std::unique_ptr<T, Deleter<T, Free>>;

void freeTable(libmnt_table* table) {
    mnt_unref_table(table);
}
void freeUdev(udev* u) {
    udev_unref(u);
}
void freeDevice(udev_device* device) {
    udev_device_unref(device);
}
void freeProbe(blkid_struct_probe* probe) {
    blkid_free_probe(probe);
}

std::string text(const char* value) {
    return value != nullptr ? value : "";
}

// A line the table's reader cannot take is left out, not the whole table.
int skipLine(libmnt_table*, const char*, int) {
    return 1;
}

std::vector<MountEntry> entriesOf(libmnt_table* table) {
    std::vector<MountEntry> entries;
    libmnt_iter* iterator = mnt_new_iter(MNT_ITER_FORWARD);
    libmnt_fs* fs = nullptr;
    while (iterator != nullptr && mnt_table_next_fs(table, iterator, &fs) == 0) {
        MountEntry entry;
        entry.mountPoint = text(mnt_fs_get_target(fs));
        entry.root = text(mnt_fs_get_root(fs));
        entry.type = text(mnt_fs_get_fstype(fs));
        entry.source = text(mnt_fs_get_srcpath(fs));
        if (entry.source.empty()) {
            entry.source = text(mnt_fs_get_source(fs));
        }
        entry.options = text(mnt_fs_get_vfs_options(fs));
        if (const char* super = mnt_fs_get_fs_options(fs)) {
            entry.options += std::string(entry.options.empty() ? "" : ",") + super;
        }
        const dev_t device = mnt_fs_get_devno(fs);
        entry.major = major(device);
        entry.minor = minor(device);
        entries.push_back(std::move(entry));
    }
    mnt_free_iter(iterator);
    return entries;
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

// The block device a mount lies on: its own number, or, for a FUSE mount
// (which has a number of its own), the device named as its source.
dev_t blockDeviceOf(const MountEntry& mount) {
    struct stat source {};
    if (mount.major == 0 && mount.source.starts_with("/dev/") &&
        ::stat(mount.source.c_str(), &source) == 0 && S_ISBLK(source.st_mode)) {
        return source.st_rdev;
    }
    return makedev(mount.major, mount.minor);
}

// What udev knows of one block device and the disk it is on.
struct Device {
    Owned<udev_device, freeDevice> node;
    udev_device* disk = nullptr; // node itself, or its parent; owned by node
    std::string diskId;
};

Device deviceOf(udev* u, dev_t number) {
    Device device;
    if (major(number) == 0) {
        return device;
    }
    device.node.reset(udev_device_new_from_devnum(u, 'b', number));
    if (!device.node) {
        return device;
    }
    device.disk =
        text(udev_device_get_devtype(device.node.get())) == "partition"
            ? udev_device_get_parent_with_subsystem_devtype(device.node.get(), "block", "disk")
            : device.node.get();
    if (device.disk != nullptr) {
        const dev_t disk = udev_device_get_devnum(device.disk);
        device.diskId = std::to_string(major(disk)) + ":" + std::to_string(minor(disk));
    }
    return device;
}

bool attributeIs(udev_device* device, const char* name, std::string_view value) {
    return device != nullptr && text(udev_device_get_sysattr_value(device, name)) == value;
}

// A USB reader or stick, or a card in an MMC host's slot (an eMMC soldered
// to the board calls itself "MMC" there).
Bus busOf(udev_device* disk) {
    for (udev_device* parent = disk; parent != nullptr; parent = udev_device_get_parent(parent)) {
        const std::string subsystem = text(udev_device_get_subsystem(parent));
        if (subsystem == "usb") {
            return Bus::Usb;
        }
        if (subsystem == "mmc") {
            return attributeIs(parent, "type", "MMC") ? Bus::Emmc : Bus::Sd;
        }
    }
    return Bus::Other;
}

// Label, file system type and version as the volume itself has them, where
// udev has not said (a desktop without udev, a card mounted through FUSE).
struct Probed {
    std::string label, type, version;
};
Probed probe(const std::string& device) {
    Probed found;
    Owned<blkid_struct_probe, freeProbe> p(blkid_new_probe_from_filename(device.c_str()));
    if (!p) {
        return found;
    }
    blkid_probe_enable_superblocks(p.get(), 1);
    blkid_probe_set_superblocks_flags(p.get(), BLKID_SUBLKS_LABEL | BLKID_SUBLKS_TYPE |
                                                   BLKID_SUBLKS_VERSION);
    if (blkid_do_safeprobe(p.get()) != 0) {
        return found;
    }
    const auto value = [&](const char* name) {
        const char* data = nullptr;
        std::size_t size = 0;
        if (blkid_probe_lookup_value(p.get(), name, &data, &size) != 0 || data == nullptr) {
            return std::string();
        }
        std::string v(data, size);
        while (!v.empty() && (v.back() == '\0' || v.back() == ' ')) {
            v.pop_back(); // FAT pads its label with spaces; blkid adds the end mark
        }
        return v;
    };
    found.label = value("LABEL");
    found.type = value("TYPE");
    found.version = value("VERSION");
    return found;
}

std::vector<MountEntry> systemMountTable() {
    std::ifstream in("/proc/self/mountinfo");
    std::stringstream text;
    text << in.rdbuf();
    return ParseMountTable(text.str());
}

// The disks holding swap: partitions and the disks of swap files.
std::vector<std::string> swapDisks(udev* u) {
    std::vector<std::string> disks;
    Owned<libmnt_table, freeTable> table(mnt_new_table());
    if (!table || mnt_table_parse_swaps(table.get(), nullptr) != 0) {
        return disks;
    }
    libmnt_iter* iterator = mnt_new_iter(MNT_ITER_FORWARD);
    libmnt_fs* fs = nullptr;
    while (iterator != nullptr && mnt_table_next_fs(table.get(), iterator, &fs) == 0) {
        struct stat swap {};
        const char* source = mnt_fs_get_srcpath(fs);
        if (source == nullptr || ::stat(source, &swap) != 0) {
            continue;
        }
        const Device device = deviceOf(u, S_ISBLK(swap.st_mode) ? swap.st_rdev : swap.st_dev);
        if (!device.diskId.empty()) {
            disks.push_back(device.diskId);
        }
    }
    mnt_free_iter(iterator);
    return disks;
}

// What the finder learns of a card beside the caller, where it may hang.
struct Answer {
    std::uint64_t capacity = 0, freeSpace = 0;
};

} // namespace

std::vector<MountEntry> ParseMountTable(std::string_view mountInfo) {
    if (mountInfo.empty()) {
        return {};
    }
    std::string copy(mountInfo);
    FILE* stream = ::fmemopen(copy.data(), copy.size(), "r");
    if (stream == nullptr) {
        return {};
    }
    Owned<libmnt_table, freeTable> table(mnt_new_table());
    std::vector<MountEntry> entries;
    if (table) {
        mnt_table_set_parser_errcb(table.get(), skipLine);
        if (mnt_table_parse_stream(table.get(), stream, "mountinfo") == 0) {
            entries = entriesOf(table.get());
        }
    }
    std::fclose(stream);
    return entries;
}

std::vector<Card> FindCards(std::chrono::milliseconds limit) {
    Owned<udev, freeUdev> u(udev_new());
    if (!u) {
        return {};
    }
    const std::vector<MountEntry> mounts = systemMountTable();
    std::vector<Volume> volumes;
    std::vector<Device> devices;
    for (const MountEntry& mount : mounts) {
        Device device = deviceOf(u.get(), blockDeviceOf(mount));
        Volume volume;
        volume.mountPoint = mount.mountPoint;
        volume.mountRoot = mount.root;
        volume.disk = device.diskId;
        volume.removable = attributeIs(device.disk, "removable", "1");
        volume.bus = device.disk != nullptr ? busOf(device.disk) : Bus::Other;
        volumes.push_back(std::move(volume));
        devices.push_back(std::move(device));
    }
    const std::vector<std::string> system = SystemDisks(volumes, swapDisks(u.get()));

    std::vector<Card> cards;
    std::vector<std::shared_ptr<Answer>> answers;
    std::vector<std::function<void()>> work;
    std::vector<std::shared_ptr<Probed>> probes;
    std::vector<std::function<void()>> probeWork;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < mounts.size(); ++i) {
        const MountEntry& mount = mounts[i];
        udev_device* node = devices[i].node.get();
        if (!IsCardVolume(volumes[i], system) ||
            !seen.insert(text(udev_device_get_devnode(node))).second) {
            continue; // not a card, or a card's second mount
        }
        Card card;
        card.root = mount.mountPoint;
        card.device = text(udev_device_get_devnode(node));
        card.label = DecodeUdevText(text(udev_device_get_property_value(node, "ID_FS_LABEL_ENC")));
        card.fileSystem =
            fileSystemName(text(udev_device_get_property_value(node, "ID_FS_TYPE")),
                           text(udev_device_get_property_value(node, "ID_FS_VERSION")));
        card.readOnly =
            ReadOnlyKind(attributeIs(node, "ro", "1") || attributeIs(devices[i].disk, "ro", "1"),
                         hasOption(mount.options, "ro"));
        auto answer = std::make_shared<Answer>();
        const bool known = !card.fileSystem.empty();
        // The volume is read apart from its mount: a FUSE mount whose daemon
        // has stopped still has a readable device.
        probes.push_back(std::make_shared<Probed>());
        if (!known) {
            probeWork.push_back(
                [probed = probes.back(), device = card.device] { *probed = probe(device); });
        } else {
            probeWork.push_back([] {});
        }
        work.push_back([answer, root = card.root] {
            struct statvfs space {};
            if (::statvfs(root.c_str(), &space) == 0) {
                answer->capacity = std::uint64_t{space.f_blocks} * space.f_frsize;
                answer->freeSpace = std::uint64_t{space.f_bavail} * space.f_frsize;
            }
        });
        answers.push_back(answer);
        if (!known) {
            card.fileSystem = fileSystemName(mount.type, {}); // until the volume says
        }
        cards.push_back(std::move(card));
    }
    const std::size_t count = work.size();
    work.insert(work.end(), std::make_move_iterator(probeWork.begin()),
                std::make_move_iterator(probeWork.end()));
    const std::vector<bool> answered = RunAllWithin(limit, std::move(work));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        Card& card = cards[i];
        card.responding = answered[i];
        if (card.responding) {
            card.capacity = answers[i]->capacity;
            card.freeSpace = answers[i]->freeSpace;
        }
        if (answered[count + i]) {
            const Probed& probed = *probes[i];
            if (!probed.type.empty()) {
                card.fileSystem = fileSystemName(probed.type, probed.version);
            }
            if (card.label.empty()) {
                card.label = probed.label;
            }
        }
        if (card.label.empty()) {
            card.label = std::filesystem::path(card.root).filename().string(); // desktops do so
        }
        card.label = ShownText(card.label);
    }
    return cards;
}

} // namespace rosmossel
