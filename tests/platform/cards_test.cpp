#include "platform/cards.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace rosmossel {
namespace {

// The mount table as util-linux reads it: escapes decoded, the mount's root
// kept, lines it cannot take left out rather than read past.
TEST(CardFinderTest, MountTableLines) {
    const struct {
        const char* what;
        const char* line;
        std::size_t entries;
        MountEntry first;
    } cases[] = {
        {"a card",
         "40 22 8:17 / /media/ann/CAM rw,nosuid - vfat /dev/sdb1 rw,uid=1000\n",
         1,
         {"/media/ann/CAM", "/", "vfat", "/dev/sdb1", "rw,nosuid,rw,uid=1000", 8, 17}},
        {"a space in the mount point",
         "41 22 179:1 / /run/media/ann/MY\\040CARD ro - exfat /dev/mmcblk0p1 ro\n",
         1,
         {"/run/media/ann/MY CARD", "/", "exfat", "/dev/mmcblk0p1", "ro,ro", 179, 1}},
        {"a card's sub-folder bound elsewhere",
         "44 22 8:17 /DCIM /home/ann/photos rw - vfat /dev/sdb1 rw\n",
         1,
         {"/home/ann/photos", "/DCIM", "vfat", "/dev/sdb1", "rw,rw", 8, 17}},
        {"a FUSE mount",
         "45 22 0:40 / /mnt/fuse rw - fuseblk /dev/loop0 rw,user_id=0\n",
         1,
         {"/mnt/fuse", "/", "fuseblk", "/dev/loop0", "rw,rw,user_id=0", 0, 40}},
        {"no super-options", "46 22 8:17 / /mnt/a rw - vfat /dev/sdb1\n", 0, {}},
        {"no separator", "47 22 8:17 / /mnt/b rw vfat /dev/sdb1 rw\n", 0, {}},
        {"cut short", "48 22 8:17\n", 0, {}},
        {"a bad device number", "49 22 x:y / /mnt/c rw - vfat /dev/sdb1 rw\n", 0, {}},
        {"empty", "", 0, {}},
    };
    for (const auto& c : cases) {
        const std::vector<MountEntry> entries = ParseMountTable(c.line);
        ASSERT_EQ(entries.size(), c.entries) << c.what;
        if (c.entries == 0) {
            continue;
        }
        const MountEntry& e = entries.front();
        EXPECT_EQ(e.mountPoint, c.first.mountPoint) << c.what;
        EXPECT_EQ(e.root, c.first.root) << c.what;
        EXPECT_EQ(e.type, c.first.type) << c.what;
        EXPECT_EQ(e.source, c.first.source) << c.what;
        EXPECT_EQ(e.options, c.first.options) << c.what;
        EXPECT_EQ(e.major, c.first.major) << c.what;
        EXPECT_EQ(e.minor, c.first.minor) << c.what;
    }
    // A malformed line among good ones costs only itself.
    EXPECT_EQ(ParseMountTable("40 22 8:17 / /a rw - vfat /dev/sdb1 rw\n"
                              "garbage\n"
                              "41 22 8:18 / /b rw - vfat /dev/sdb2 rw\n")
                  .size(),
              2u);
}

// A card that never answers costs the caller the time limit, not more, and
// the others' answers arrive.
TEST(CardFinderTest, WorkThatDoesNotFinishInTimeIsLeftBehind) {
    auto release = std::make_shared<std::atomic<bool>>(false);
    auto done = std::make_shared<std::atomic<int>>(0);
    std::vector<std::function<void()>> work = {
        [done] { ++*done; },
        [release] {
            while (!*release) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        },
        [done] { ++*done; },
    };
    const auto start = std::chrono::steady_clock::now();
    const std::vector<bool> finished = RunAllWithin(std::chrono::milliseconds(200), work);
    const auto took = std::chrono::steady_clock::now() - start;
    *release = true;
    EXPECT_EQ(finished, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(*done, 2);
    EXPECT_GE(took, std::chrono::milliseconds(200));
    EXPECT_LT(took, std::chrono::milliseconds(1500));
    // All finishing early: no waiting for the limit.
    const auto quick = std::chrono::steady_clock::now();
    EXPECT_EQ(RunAllWithin(std::chrono::seconds(10), {[] {}, [] {}}),
              (std::vector<bool>{true, true}));
    EXPECT_LT(std::chrono::steady_clock::now() - quick, std::chrono::seconds(2));
}

} // namespace
} // namespace rosmossel
