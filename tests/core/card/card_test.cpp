#include "core/card/card.h"
#include "core/text/card_texts.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

Card card(std::string root, std::string label, bool writeProtected = false) {
    return {std::move(root), std::move(label), "FAT32",
            7'948'206'080,   7'400'000'000,    writeProtected ? ReadOnly::LockSwitch : ReadOnly::No,
            "/dev/sdb1"};
}

#ifdef _WIN32
const std::vector<Card> kCards = {card("E:\\", "CAM"), card("F:\\", "cam2")};
#else
const std::vector<Card> kCards = {card("/media/ann/CAM", "CAM"),
                                  card("/media/ann/CAM/inner", "INNER"),
                                  card("/media/ann/cam2", "cam2")};
#endif

TEST(CardTest, FolderIsOnTheCardWithTheLongestRootAboveIt) {
    const struct {
        const char* folder;
        const char* card; // "": on none
    } cases[] = {
#ifdef _WIN32
        {"E:\\", "CAM"}, {"e:\\DCIM", "CAM"}, {"E:/x/y", "CAM"},
        {"F:", "cam2"},  {"C:\\", ""},        {"E", ""},
#else
        {"/media/ann/CAM", "CAM"},      {"/media/ann/CAM/", "CAM"},
        {"/media/ann/CAM/DCIM", "CAM"}, {"/media/ann/CAM/inner/x", "INNER"},
        {"/media/ann/CAM2", ""},        {"/media/ann/CA", ""},
        {"/media/ann/cam2", "cam2"},    {"/home/ann", ""},
#endif
    };
    for (const auto& c : cases) {
        const auto found = CardHoldingFolder(kCards, c.folder);
        EXPECT_EQ(found ? found->label : "", c.card) << c.folder;
    }
}

TEST(CardTest, TheCardToWriteToIsTheOnlyOneOrTheOneLabelled) {
    const std::vector<Card> one = {kCards.front()};
    Card ext4 = card("/media/ann/DISK", "DISK");
    ext4.fileSystem = "ext4";
    Card silent = card("/media/ann/SLOW", "SLOW");
    silent.responding = false;
    const struct {
        const char* what;
        std::vector<Card> cards;
        std::optional<std::string> label;
        const char* chosen;  // label of the card chosen, or nullptr
        const char* problem; // part of the reason
        CardUse use = CardUse::Write;
    } cases[] = {
        {"none inserted", {}, std::nullopt, nullptr, "no SD card is inserted"},
        {"none inserted, a label given", {}, "CAM", nullptr, "no SD card is inserted"},
        {"the only one", one, std::nullopt, "CAM", ""},
        {"the only one, by its label", one, "cam", "CAM", ""},
        {"the only one, another label", one, "DOG", nullptr,
         "no card is labelled \"DOG\"; the cards: CAM at "},
        {"several, no label", kCards, std::nullopt, nullptr, " cards are inserted (CAM at "},
        {"a camera card beside an ext4 one", {ext4, kCards.front()}, std::nullopt, "CAM", ""},
        {"a camera card beside a silent one", {silent, kCards.front()}, std::nullopt, "CAM", ""},
        {"only an ext4 card",
         {ext4},
         std::nullopt,
         nullptr,
         "the card DISK at /media/ann/DISK holds ext4, which a camera cannot read: format it as "
         "FAT32 in the camera or on the PC"},
        {"the ext4 card by its label", {ext4, kCards.front()}, "disk", nullptr, "holds ext4"},
        {"only a silent card",
         {silent},
         std::nullopt,
         nullptr,
         "the card SLOW at /media/ann/SLOW is not responding"},
        {"a silent card by its label", {silent}, "SLOW", nullptr, "is not responding"},
        {"a silent card to eject", {silent}, std::nullopt, "SLOW", "", CardUse::Eject},
        {"an ext4 card to eject, by its label",
         {ext4, kCards.front()},
         "disk",
         "DISK",
         "",
         CardUse::Eject},
        {"an ext4 card beside a camera card, to eject",
         {ext4, kCards.front()},
         std::nullopt,
         nullptr,
         "2 cards are inserted (DISK at ",
         CardUse::Eject},
        {"several, one labelled so", kCards, "CAM2", "cam2", ""},
        {"two labelled alike",
         {kCards.front(), kCards.front()},
         "CAM",
         nullptr,
         "several cards are labelled"},
    };
    for (const auto& c : cases) {
        const CardChoice choice = ChooseCard(c.cards, c.label, c.use);
        EXPECT_EQ(choice.card ? choice.card->label : "-", c.chosen ? c.chosen : "-") << c.what;
        EXPECT_NE(choice.problem.find(c.problem), std::string::npos)
            << c.what << ": " << choice.problem;
        EXPECT_EQ(choice.problem.empty(), c.chosen != nullptr) << c.what;
        // Only the caller knows how the owner names a card (a CLI option).
        EXPECT_EQ(choice.problem.find("--card"), std::string::npos) << c.what;
        EXPECT_EQ(choice.several,
                  std::string(c.problem).find("cards are inserted (") != std::string::npos)
            << c.what;
    }
}

// The rules of the card texts, not their wording: what each text must carry
// in every language, what tells two states apart, and the substitutions.
TEST(CardTest, CardLineAndEjectTexts) {
    Card readOnlyMount = card("/m", "CAM");
    readOnlyMount.readOnly = ReadOnly::Mount;
    Card ntfs = card("/m", "DISK");
    ntfs.fileSystem = "NTFS";
    Card silent = card("/m", "SLOW");
    silent.responding = false;
    Card odd = card("/m/x", "%2 50%");
    odd.fileSystem = "exFAT";
    odd.capacity = 999;
    odd.freeSpace = 40'960;
    const struct {
        const char* what;
        std::string text;
        std::string expected;
    } cases[] = {
        // A label is put in once, never read as a pattern itself; sizes as the
        // desktop gives them.
        {"a label holding a pattern", CardLineText(odd, kEnglish),
         "SD card %2 50% (exFAT), 41 KB free of 999 bytes"},
        {"the system's reason", EjectResultText({EjectOutcome::Failed, "No such device"}, kEnglish),
         "The card could not be ejected: No such device"},
        {"an unknown language reads English", EjectResultText({EjectOutcome::Ejected, {}}, 42),
         EjectResultText({EjectOutcome::Ejected, {}}, kEnglish)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, c.expected) << c.what;
    }
    const auto holds = [](const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    };
    for (int language = 1; language <= kLanguageCount; ++language) {
        const std::string line = CardLineText(card("/m", "CAM"), language);
        EXPECT_TRUE(holds(line, "CAM") && holds(line, "FAT32") && holds(line, "7.4 GB") &&
                    holds(line, "7.9 GB"))
            << line;
        // Each state says something of its own.
        const std::vector<std::string> states = {
            line,
            CardLineText(card("/m", "CAM", true), language),
            CardLineText(readOnlyMount, language),
            CardLineText(std::nullopt, language),
        };
        for (std::size_t i = 0; i < states.size(); ++i) {
            for (std::size_t j = i + 1; j < states.size(); ++j) {
                EXPECT_NE(states[i], states[j]) << language;
            }
        }
        EXPECT_TRUE(holds(CardLineText(silent, language), "SLOW")) << language;
        EXPECT_TRUE(holds(CardLineText(ntfs, language), "NTFS")) << language;
        EXPECT_NE(CardLabelOf(card("/m", ""), language), "") << language;
        EXPECT_TRUE(holds(WriteProtectedText(card("/m", "CAM"), language), "CAM"));
        EXPECT_NE(WriteProtectedText(card("/m", "CAM", true), language),
                  WriteProtectedText(readOnlyMount, language));
        EXPECT_NE(EjectResultText({EjectOutcome::Busy, {}}, language),
                  EjectResultText({EjectOutcome::NoService, {}}, language));
        // The platform names its disk service; the core only passes it on.
        EXPECT_TRUE(holds(EjectResultText({EjectOutcome::NoService, "UDisks2: gone"}, language),
                          "UDisks2: gone"))
            << language;
        // Words of one system or of the CLI belong to the platform and the CLI.
        for (const std::string& text :
             {EjectResultText({EjectOutcome::NoService, {}}, language),
              WriteProtectedText(readOnlyMount, language), CardLineText(ntfs, language)}) {
            EXPECT_EQ(text.find("UDisks"), std::string::npos) << language;
            EXPECT_EQ(text.find("--card"), std::string::npos) << language;
        }
    }
}

// Which mounted volumes are cards, which file systems a camera reads and
// which read-only kind wins: the rules every system's finder applies.
TEST(CardTest, WhichVolumesAreCameraCards) {
    const auto volume = [](std::string mountPoint, std::string disk, bool removable, Bus bus,
                           std::string root = "/") {
        return Volume{std::move(mountPoint), std::move(root), std::move(disk), removable, bus};
    };
    // The system runs from 8:0 (/ and /boot) and swaps on 8:16; 179:0 holds /home.
    const std::vector<Volume> mounted = {
        volume("/", "8:0", true, Bus::Usb), volume("/boot/firmware", "8:0", true, Bus::Usb),
        volume("/home", "179:0", false, Bus::Sd), volume("/proc", "", false, Bus::Other)};
    const std::vector<std::string> swap = {"8:16"};
    const std::vector<std::string> system = SystemDisks(mounted, swap);
    const struct {
        const char* what;
        Volume volume;
        bool card;
    } volumes[] = {
        {"a USB card reader", volume("/media/ann/CAM", "8:32", true, Bus::Usb), true},
        {"a USB reader that says it is fixed", volume("/media/ann/CAM", "8:32", false, Bus::Usb),
         true},
        {"an SD card in the host's slot", volume("/media/ann/CAM", "179:8", false, Bus::Sd), true},
        {"a loop device marked removable", volume("/mnt/cam", "7:0", true, Bus::Other), true},
        {"an eMMC, whatever its flags", volume("/media/ann/DATA", "179:16", true, Bus::Emmc),
         false},
        {"a fixed disk", volume("/data", "8:48", false, Bus::Other), false},
        {"a device-less mount", volume("/run/user/1000", "", true, Bus::Other), false},
        {"the root file system's disk", volume("/", "8:0", true, Bus::Usb), false},
        {"another partition of the system's disk", volume("/media/ann/P3", "8:0", true, Bus::Usb),
         false},
        {"the disk holding /home", volume("/media/ann/X", "179:0", false, Bus::Sd), false},
        {"the disk holding swap", volume("/media/ann/S", "8:16", true, Bus::Usb), false},
        {"a system mount point on a card's disk", volume("/var", "8:32", true, Bus::Usb), false},
        {"/boot/efi on a card's disk", volume("/boot/efi", "8:32", true, Bus::Usb), false},
        {"a sub-folder of a card bound elsewhere",
         volume("/home/ann/photos", "8:32", true, Bus::Usb, "/DCIM"), false},
        {"a name near a system one", volume("/homes", "8:32", true, Bus::Usb), true},
    };
    for (const auto& c : volumes) {
        EXPECT_EQ(IsCardVolume(c.volume, system), c.card) << c.what;
    }

    const struct {
        const char* fileSystem;
        bool readable;
    } fileSystems[] = {{"FAT", true},    {"FAT12", true}, {"FAT16", true}, {"FAT32", true},
                       {"exFAT", true},  {"ext4", false}, {"NTFS", false}, {"fuseblk", false},
                       {"exfat", false}, {"", false},     {"FAT64", false}};
    for (const auto& c : fileSystems) {
        EXPECT_EQ(CameraCanRead(c.fileSystem), c.readable) << c.fileSystem;
    }

    const struct {
        bool device, mount;
        ReadOnly kind;
    } readOnly[] = {{false, false, ReadOnly::No},
                    {false, true, ReadOnly::Mount},
                    {true, false, ReadOnly::LockSwitch},
                    {true, true, ReadOnly::LockSwitch}};
    for (const auto& c : readOnly) {
        EXPECT_EQ(ReadOnlyKind(c.device, c.mount), c.kind) << c.device << c.mount;
    }
}

// Labels and mount points reach the screen and JSON as valid UTF-8, and
// udev's escapes decode without trusting what follows a backslash.
TEST(CardTest, OutsideTextsAreDecodedSafely) {
    const struct {
        const char* what;
        std::string text;
        std::string expected;
    } cases[] = {
        {"plain", ShownText("CAM"), "CAM"},
        {"UTF-8 kept", ShownText("相机 Kö"), "相机 Kö"},
        {"a code-page byte", ShownText("K\xF6"), "K\xEF\xBF\xBD"},
        {"a cut sequence", ShownText("\xE7\x9B"), "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"an overlong slash", ShownText("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"a surrogate", ShownText("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"control characters", ShownText(std::string("A\0B\n", 4)),
         "A\xEF\xBF\xBD"
         "B\xEF\xBF\xBD"},
        {"past U+10FFFF", ShownText("\xF4\x90\x80\x80").substr(0, 3), "\xEF\xBF\xBD"},
        {"a space", DecodeUdevText("MY\\x20CARD"), "MY CARD"},
        {"a code-page byte from udev", DecodeUdevText("K\\xf6"), "K\xF6"},
        {"not hex", DecodeUdevText("A\\xZZ"), "A\\xZZ"},
        {"cut at the end", DecodeUdevText("A\\x2"), "A\\x2"},
        {"a lone backslash", DecodeUdevText("\\"), "\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, c.expected) << c.what;
    }
}

} // namespace
} // namespace rosmossel
