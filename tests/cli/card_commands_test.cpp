#include "cli/commands.h"

#include "support/fake_cards.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace rosmossel::cli {
namespace {

using rosmossel::testing::FakeCardSource;
using rosmossel::testing::TestCard;

using Command = std::function<int(const FakeCardSource&, std::ostream&, std::ostream&)>;

Command cards(bool asJson) {
    return [=](auto& source, auto& out, auto& err) { return RunCards(source, asJson, out, err); };
}
// generate --card [LABEL]: prints the folder chosen.
Command cardFolder(std::optional<std::string> label) {
    return [=](auto& source, auto& out, auto& err) {
        std::string folder;
        const int status = CardFolder(source, label, folder, err);
        out << folder;
        return status;
    };
}
Command eject(std::optional<std::string> label) {
    return [=](auto& source, auto& out, auto& err) { return RunEject(source, label, out, err); };
}

// cards, generate --card and eject: what each prints and its exit status.
TEST(CardCommandsTest, ListChooseAndEject) {
    const Card cam = TestCard("/media/ann/CAM", "CAM");
    const Card locked = TestCard("/media/ann/LOCKED", "LOCKED", true);
    const auto none = std::nullopt;
    Card disk = TestCard("/media/ann/DISK", "DISK");
    disk.fileSystem = "ext4";
    Card oddDisk = disk;
    oddDisk.root = "/media/ann/K\xF6";
    oddDisk.readOnly = ReadOnly::Mount;
    oddDisk.responding = false;
    const struct {
        const char* what;
        std::vector<Card> cards;
        EjectOutcome ejectOutcome;
        Command command;
        int status;
        const char* out; // the whole output
        const char* err; // part of the error output
    } cases[] = {
        {"no cards, as JSON", {}, EjectOutcome::Ejected, cards(true), kExitOk, "[]\n", ""},
        {"no cards, plain", {}, EjectOutcome::Ejected, cards(false), kExitOk, "", ""},
        {"a card, as JSON",
         {cam},
         EjectOutcome::Ejected,
         cards(true),
         kExitOk,
         "[\n  {\n    \"root\": \"/media/ann/CAM\",\n    \"label\": \"CAM\",\n    \"file_system\": "
         "\"FAT32\",\n    \"capacity\": 7948206080,\n    \"free\": 7400000000,\n    "
         "\"write_protected\": false,\n    \"read_only\": null,\n    \"camera_readable\": true,\n"
         "    \"responding\": true,\n    \"files\": {\n      \"menu.dat\": {\n        \"state\": "
         "\"empty\"\n      },\n      \"setup.dat\": {\n        \"state\": \"empty\"\n      },\n  "
         "    \"smtp.dat\": {\n        \"state\": \"empty\"\n      }\n    },\n    \"profile\": "
         "null\n  }\n]\n",
         ""},
        {"an ext4 card, not responding, mounted at a name that is no UTF-8, as JSON",
         {oddDisk},
         EjectOutcome::Ejected,
         cards(true),
         kExitOk,
         "[\n  {\n    \"root\": \"/media/ann/K\xEF\xBF\xBD\",\n    \"label\": \"DISK\",\n    "
         "\"file_system\": \"ext4\",\n    \"capacity\": 7948206080,\n    \"free\": 7400000000,\n   "
         " "
         "\"write_protected\": true,\n    \"read_only\": \"mount\",\n    \"camera_readable\": "
         "false,\n    \"responding\": false,\n    \"files\": null,\n    \"profile\": null\n  "
         "}\n]\n",
         ""},
        {"an ext4 card, plain",
         {disk},
         EjectOutcome::Ejected,
         cards(false),
         kExitOk,
         "/media/ann/DISK  SD card DISK (ext4), 7.4 GB free of 7.9 GB; a camera cannot read ext4: "
         "format it as FAT32 in the camera or on the PC\n",
         ""},
        {"two cards, plain",
         {cam, locked},
         EjectOutcome::Ejected,
         cards(false),
         kExitOk,
         "/media/ann/CAM  SD card CAM (FAT32), 7.4 GB free of 7.9 GB\n"
         "/media/ann/LOCKED  SD card LOCKED (FAT32), 7.4 GB free of 7.9 GB, write-protected\n",
         ""},
        {"--card without a card",
         {},
         EjectOutcome::Ejected,
         cardFolder(none),
         kExitNoCard,
         "",
         "no SD card is inserted"},
        {"--card among two",
         {cam, locked},
         EjectOutcome::Ejected,
         cardFolder(none),
         kExitNoCard,
         "",
         "CAM at /media/ann/CAM, LOCKED at /media/ann/LOCKED); choose one with --card LABEL"},
        {"--card beside an ext4 card",
         {disk, cam},
         EjectOutcome::Ejected,
         cardFolder(none),
         kExitOk,
         "/media/ann/CAM",
         ""},
        {"--card to an ext4 card",
         {disk, cam},
         EjectOutcome::Ejected,
         cardFolder("DISK"),
         kExitNoCard,
         "",
         "holds ext4, which a camera cannot read"},
        {"--card to a locked card",
         {cam, locked},
         EjectOutcome::Ejected,
         cardFolder("locked"),
         kExitFileError,
         "",
         "lock switch"},
        {"--card CAM",
         {cam, locked},
         EjectOutcome::Ejected,
         cardFolder("CAM"),
         kExitOk,
         "/media/ann/CAM",
         ""},
        {"eject",
         {cam},
         EjectOutcome::Ejected,
         eject(none),
         kExitOk,
         "/media/ann/CAM: The card can be removed.\n",
         ""},
        {"eject a busy card",
         {cam},
         EjectOutcome::Busy,
         eject(none),
         kExitEjectFailed,
         "",
         "a program is using it"},
        {"eject without UDisks2",
         {cam},
         EjectOutcome::NoService,
         eject("CAM"),
         kExitEjectFailed,
         "",
         "the system's disk service is not running (UDisks2: gone)"},
        {"eject a card no camera reads",
         {disk},
         EjectOutcome::Ejected,
         eject(none),
         kExitOk,
         "/media/ann/DISK: The card can be removed.\n",
         ""},
        {"eject without a card",
         {},
         EjectOutcome::Ejected,
         eject(none),
         kExitNoCard,
         "",
         "no SD card is inserted"},
    };
    for (const auto& c : cases) {
        FakeCardSource source;
        source.put(c.cards);
        source.playEject({c.ejectOutcome, "UDisks2: gone"});
        std::ostringstream out, err;
        EXPECT_EQ(c.command(source, out, err), c.status) << c.what;
        EXPECT_EQ(out.str(), c.out) << c.what;
        EXPECT_NE(err.str().find(c.err), std::string::npos) << c.what << ": " << err.str();
    }
}

} // namespace
} // namespace rosmossel::cli
