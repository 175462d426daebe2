// The Windows finder through its seam: card readers that present a
// removable drive or a fixed disk on USB or SD, never the system's drives.
#include "platform/cards_windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <thread>

namespace rosmossel {
namespace {

TEST(WindowsCardsTest, WhichDrivesAreCards) {
    struct Drive {
        UINT type;
        Bus bus;
        bool medium;
        bool hangs;
    };
    const std::map<wchar_t, Drive> drives = {
        {L'C', {DRIVE_FIXED, Bus::Other, true, false}},      // Windows
        {L'D', {DRIVE_FIXED, Bus::Usb, true, false}},        // a page file on a USB disk
        {L'E', {DRIVE_REMOVABLE, Bus::Other, true, false}},  // a card reader
        {L'F', {DRIVE_FIXED, Bus::Usb, true, false}},        // a reader showing a fixed disk
        {L'G', {DRIVE_FIXED, Bus::Other, true, false}},      // a second internal disk
        {L'H', {DRIVE_REMOVABLE, Bus::Other, false, false}}, // a reader without a card
        {L'I', {DRIVE_CDROM, Bus::Other, true, false}},
        {L'J', {DRIVE_FIXED, Bus::Sd, true, false}},       // the PC's own SD slot
        {L'K', {DRIVE_REMOVABLE, Bus::Other, true, true}}, // a card that does not answer
        {L'W', {DRIVE_REMOTE, Bus::Usb, true, false}},
    };
    auto release = std::make_shared<std::atomic<bool>>(false);
    DriveCalls calls;
    calls.letters = [&] {
        DWORD mask = 0;
        for (const auto& [letter, drive] : drives) {
            mask |= 1u << (letter - L'A');
        }
        return mask;
    };
    calls.type = [&](const std::wstring& root) { return drives.at(root[0]).type; };
    calls.bus = [&](wchar_t letter) { return drives.at(letter).bus; };
    calls.system = [] { return std::wstring(L"CD"); };
    calls.volume = [drives, release](const std::wstring& root, Card& card) {
        const Drive& drive = drives.at(root[0]);
        while (drive.hangs && !*release) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        card.label = drive.hangs ? "" : "CAM\xF6";
        card.fileSystem = "FAT32";
        return drive.medium;
    };
    const std::vector<Card> cards = FindCardsWith(calls, std::chrono::milliseconds(300));
    *release = true;
    const struct {
        const char* root;
        bool responding;
    } expected[] = {{"E:\\", true}, {"F:\\", true}, {"J:\\", true}, {"K:\\", false}};
    ASSERT_EQ(cards.size(), std::size(expected));
    for (std::size_t i = 0; i < cards.size(); ++i) {
        EXPECT_EQ(cards[i].root, expected[i].root);
        EXPECT_EQ(cards[i].responding, expected[i].responding) << expected[i].root;
        EXPECT_EQ(cards[i].device, std::string("\\\\.\\") + expected[i].root[0] + ":");
        if (expected[i].responding) {
            EXPECT_EQ(cards[i].label, "CAM\xEF\xBF\xBD") << expected[i].root;
        }
    }
}

} // namespace
} // namespace rosmossel
