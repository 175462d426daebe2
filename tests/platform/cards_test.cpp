#include "platform/cards.h"

#include "support/card_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace rosmossel {
namespace {

namespace fs = std::filesystem;

// A sysfs, udev database and mount table of our own.
class CardFinderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("rosmossel-cards-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "sys/dev/block");
        fs::create_directories(dir_ / "udev");
        files_ = {(dir_ / "mountinfo").string(), (dir_ / "sys").string(), (dir_ / "udev").string()};
    }
    void TearDown() override { fs::remove_all(dir_); }

    static void write(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    // A block device at `where` under sys/devices ("usb1/1-1/block/sdb/sdb1":
    // a partition of sdb), numbered `device`, with the disk's attributes.
    void blockDevice(const std::string& device, const std::string& where, const char* removable,
                     const char* diskReadOnly) {
        const fs::path node = dir_ / "sys/devices" / where;
        fs::create_directories(node);
        const bool partition = fs::path(where).parent_path().filename() != "block";
        const fs::path disk = partition ? node.parent_path() : node;
        if (partition) {
            write(node / "partition", "1\n");
        }
        write(disk / "removable", std::string(removable) + "\n");
        write(disk / "ro", std::string(diskReadOnly) + "\n");
        fs::create_directory_symlink(node, dir_ / "sys/dev/block" / device);
    }

    fs::path dir_;
    LinuxSystemFiles files_;
};

// Which mounted file systems are cards, and what the finder says of them.
TEST_F(CardFinderTest, RemovableMountsAreCardsWithTheirFacts) {
    blockDevice("8:17", "pci0/usb1/1-1/host6/target6/block/sdb/sdb1", "1", "0");
    blockDevice("179:1", "platform/mmc_host/mmc0/mmc0:0001/block/mmcblk0/mmcblk0p1", "0", "0");
    blockDevice("8:2", "pci0/ata1/host0/target0/block/sda/sda2", "0", "0");
    blockDevice("8:32", "pci0/usb2/2-1/host7/target7/block/sdc", "1", "0");
    blockDevice("8:49", "pci0/usb3/3-1/host8/target8/block/sdd/sdd1", "1", "1");
    write(dir_ / "udev/b8:17", "S:disk/by-label/CAM\nE:ID_FS_LABEL_ENC=CAM\nE:ID_FS_TYPE=vfat\n"
                               "E:ID_FS_VERSION=FAT32\n");
    write(dir_ / "udev/b179:1", "E:ID_FS_LABEL=MY_CARD\nE:ID_FS_LABEL_ENC=MY\\x20CARD\n"
                                "E:ID_FS_TYPE=exfat\n");
    write(dir_ / "mountinfo",
          "22 1 8:2 / / rw,relatime - ext4 /dev/sda2 rw\n"
          "23 22 0:21 / /proc rw - proc proc rw\n"
          "40 22 8:17 / /media/ann/CAM rw,nosuid,nodev - vfat /dev/sdb1 rw,uid=1000\n"
          "41 22 179:1 / /run/media/ann/MY\\040CARD rw,nosuid - exfat /dev/mmcblk0p1 rw\n"
          "42 22 8:32 / /media/ann/NO\\040NAME ro,nosuid - vfat /dev/sdc ro\n"
          "43 22 8:49 / /mnt/locked rw - vfat /dev/sdd1 rw\n"
          "44 22 8:17 / /home/ann/bound rw - vfat /dev/sdb1 rw\n"
          "45 22 0:40 / /mnt/fuse rw - fuse.fusefat fusefat rw\n");
    const struct {
        std::string root, label, fileSystem;
        bool writeProtected;
        std::string device;
    } expected[] = {
        {"/media/ann/CAM", "CAM", "FAT32", false, "/dev/sdb1"}, // a card reader, labelled by udev
        {"/run/media/ann/MY CARD", "MY CARD", "exFAT", false, "/dev/mmcblk0p1"}, // a built-in slot
        {"/media/ann/NO NAME", "NO NAME", "FAT", true, "/dev/sdc"}, // mounted read-only, no udev
        {"/mnt/locked", "locked", "FAT", true, "/dev/sdd1"},        // the lock switch on
    }; // not the system disk, proc, the card's second mount or a mount without a device
    const std::vector<Card> cards = FindCardsIn(files_);
    ASSERT_EQ(cards.size(), std::size(expected));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        EXPECT_EQ(cards[i].root, expected[i].root);
        EXPECT_EQ(cards[i].label, expected[i].label) << expected[i].root;
        EXPECT_EQ(cards[i].fileSystem, expected[i].fileSystem) << expected[i].root;
        EXPECT_EQ(cards[i].writeProtected, expected[i].writeProtected) << expected[i].root;
        EXPECT_EQ(cards[i].device, expected[i].device) << expected[i].root;
    }
    EXPECT_TRUE(FindCardsIn({(dir_ / "none").string(), files_.sys, files_.udevData}).empty());
}

// The real mount table, boot sector and free space of an exFAT card image,
// unlocked and locked, on a loop device the fixture's sysfs puts on USB.
TEST_F(CardFinderTest, MountedCardImageIsFound) {
    for (const auto lock : {testing::CardImage::Lock::Off, testing::CardImage::Lock::On}) {
        testing::CardImage image(testing::CardImage::Kind::ExFat, "CAM", lock, 8);
        if (!image.skipReason().empty()) {
            GTEST_SKIP() << image.skipReason();
        }
        struct stat device {};
        ASSERT_EQ(::stat(image.device().c_str(), &device), 0);
        const std::string number =
            std::to_string(major(device.st_rdev)) + ":" + std::to_string(minor(device.st_rdev));
        fs::remove_all(dir_ / "sys");
        fs::create_directories(dir_ / "sys/dev/block");
        blockDevice(number, "usb9/9-1/block/" + fs::path(image.device()).filename().string(), "0",
                    "0");
        const std::vector<Card> cards =
            FindCardsIn({"/proc/self/mountinfo", files_.sys, files_.udevData});
        ASSERT_EQ(cards.size(), 1u);
        EXPECT_EQ(cards[0].root, image.root().string());
        EXPECT_EQ(cards[0].label, "CAM");
        EXPECT_EQ(cards[0].fileSystem, "exFAT");
        EXPECT_EQ(cards[0].writeProtected, lock == testing::CardImage::Lock::On);
        EXPECT_GT(cards[0].capacity, 7'000'000u);
        EXPECT_LE(cards[0].capacity, 8u << 20);
        EXPECT_GT(cards[0].freeSpace, 0u);
        EXPECT_LE(cards[0].freeSpace, cards[0].capacity);
    }
}

} // namespace
} // namespace rosmossel
