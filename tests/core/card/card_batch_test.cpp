#include "core/card/card_batch.h"
#include "core/card/card_contents.h"
#include "core/menu/menu_record.h"
#include "core/mms/setup_file.h"
#include "core/smtp/smtp_file.h"
#include "core/text/language_table.h"
#include "core/text/many_cards_texts.h"

#include <gtest/gtest.h>

namespace rosmossel {
namespace {

Card card(std::string label, ReadOnly readOnly = ReadOnly::No,
          std::uint64_t freeSpace = 7'400'000) {
    return {"/media/ann/" + label, label, "exFAT", 7'948'206'080, freeSpace, readOnly,
            "/dev/sd" + label};
}

TEST(CardBatchTest, WhetherACardIsTriedAndHowAFailedWriteEnds) {
    Card ext4 = card("DISK");
    ext4.fileSystem = "ext4";
    Card silent = card("SLOW");
    silent.responding = false;
    constexpr std::uint64_t kNeeded = 1500;
    const struct {
        const char* what;
        Card card;
        std::optional<CardOutcome> before; // none: tried
        CardOutcome afterFailure;          // the same card found after a failed write
    } cases[] = {
        {"a camera card with room", card("CAM"), std::nullopt, CardOutcome::FileError},
        {"exactly the room needed", card("CAM", ReadOnly::No, kNeeded), std::nullopt,
         CardOutcome::FileError},
        {"one byte short", card("CAM", ReadOnly::No, kNeeded - 1), CardOutcome::Full,
         CardOutcome::Full},
        {"lock switch", card("CAM", ReadOnly::LockSwitch), CardOutcome::LockSwitch,
         CardOutcome::LockSwitch},
        {"remounted read-only", card("CAM", ReadOnly::Mount), CardOutcome::ReadOnlyMount,
         CardOutcome::ReadOnlyMount},
        {"ext4", ext4, CardOutcome::NotCameraReadable, CardOutcome::FileError},
        // One that stops answering mid-way is as good as gone.
        {"not responding", silent, CardOutcome::NotResponding, CardOutcome::Removed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WhyNotWritable(c.card, kNeeded), c.before) << c.what;
        EXPECT_EQ(WriteFailureOutcome(c.card, kNeeded), c.afterFailure) << c.what;
    }
    EXPECT_EQ(WriteFailureOutcome(std::nullopt, kNeeded), CardOutcome::Removed);
}

TEST(CardBatchTest, TheSameCardIsTheSameRootAndDevice) {
    const std::vector<Card> cards = {card("A"), card("B")};
    Card moved = card("A");
    moved.device = "/dev/sdz";
    Card updated = card("B");
    updated.freeSpace = 1;
    EXPECT_EQ(SameCard(cards, updated), cards[1]);
    EXPECT_EQ(SameCard(cards, moved), std::nullopt);
    EXPECT_EQ(SameCard({}, cards[0]), std::nullopt);
}

TEST(CardBatchTest, ABatchIsJudgedByItsWorstCardAndTheSummaryNamesEachFailure) {
    const auto result = [](const char* label, CardOutcome outcome) {
        Card c = card(label);
        if (std::string(label).empty()) {
            c.root = "/media/ann/\xff";
        }
        return CardResult{c, outcome, {"menu.dat"}, {}};
    };
    using O = CardOutcome;
    const struct {
        std::vector<CardResult> results;
        CardOutcome worst;
        const char* summary;
    } cases[] = {
        {{}, O::Written, "0 of 0 cards written"},
        {{result("A", O::Written), result("B", O::Written)}, O::Written, "2 of 2 cards written"},
        {{result("A", O::Written), result("B", O::ReadOnlyMount)},
         O::ReadOnlyMount,
         "1 of 2 cards written; not written: B"},
        {{result("A", O::FileError), result("B", O::Full), result("C", O::NotCameraReadable)},
         O::FileError,
         "0 of 3 cards written; not written: A, B, C"},
        {{result("A", O::Removed), result("B", O::LockSwitch)},
         O::Removed,
         "0 of 2 cards written; not written: A, B"},
        {{result("A", O::NotResponding), result("B", O::NotCameraReadable)},
         O::NotResponding,
         "0 of 2 cards written; not written: A, B"},
        // A card without a label is named by its root, shown safely.
        {{result("", O::Full)}, O::Full, "0 of 1 cards written; not written: /media/ann/\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WorstOutcome(c.results), c.worst) << c.summary;
        EXPECT_EQ(BatchSummaryText(c.results, kEnglish), c.summary);
    }
}

TEST(CardBatchTest, EachOutcomeSaysWhatWasWrittenOrWhyNot) {
    Card ntfs = card("N");
    ntfs.fileSystem = "NTFS";
    const struct {
        CardResult result;
        const char* english;
        const char* chinese;
    } cases[] = {
        {{card("A"), CardOutcome::Written, {"menu.dat", "setup.dat"}, {}},
         "written: menu.dat, setup.dat",
         "已写入：menu.dat, setup.dat"},
        {{ntfs, CardOutcome::NotCameraReadable, {}, {}},
         "not written: a camera cannot read NTFS",
         "未写入：相机无法读取 NTFS"},
        {{card("A"), CardOutcome::Full, {}, "/media/ann/A/setup.dat: No space left on device"},
         "not written: the card is full (/media/ann/A/setup.dat: No space left on device)",
         "未写入：SD卡已满 (/media/ann/A/setup.dat: No space left on device)"},
        {{card("A"), CardOutcome::FileError, {}, "/media/ann/A/menu.dat: Input/output error"},
         "not written: /media/ann/A/menu.dat: Input/output error",
         "未写入：/media/ann/A/menu.dat: Input/output error"},
        {{card("A"), CardOutcome::LockSwitch, {}, {}},
         "not written: the card's lock switch is on",
         "未写入：SD卡的写保护开关已打开"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CardOutcomeText(c.result, kEnglish), c.english);
        EXPECT_EQ(CardOutcomeText(c.result, 1), c.chinese);
    }
}

// Each look at the cards: the ones still to write, the ones handled (all
// that were new) staying handled while inserted, forgotten once taken out.
TEST(CardBatchTest, AProductionLineWritesACardOnceWhileItStaysIn) {
    const Card a = card("A");
    const Card b = card("B");
    Card aAgain = a; // the same card, its free space changed by the write
    aAgain.freeSpace -= 1500;
    Card aElsewhere = a; // another card mounted where A was
    aElsewhere.device = "/dev/sdz";
    const struct {
        std::vector<Card> inserted;
        std::vector<Card> fresh;
    } looks[] = {
        {{}, {}},
        {{a}, {a}},
        {{aAgain}, {}},
        {{b, aAgain}, {b}},
        {{b}, {}},
        {{b, a}, {a}}, // taken out and put back: new
        {{b, aElsewhere}, {aElsewhere}},
        {{}, {}},
        {{b}, {b}},
    };
    HandledCards handled;
    int step = 0;
    for (const auto& look : looks) {
        EXPECT_EQ(handled.newCards(look.inserted), look.fresh) << "look " << step++;
        for (const Card& c : look.fresh) {
            handled.add(c);
        }
    }
}

// After each card the line says whether to take it out; English as the CLI
// prints it, Chinese without a doubled full stop.
TEST(CardBatchTest, AfterEachCardTheLineSaysWhetherToTakeItOut) {
    const CardResult written{card("A"), CardOutcome::Written, {"menu.dat"}, {}};
    const CardResult locked{card("A"), CardOutcome::LockSwitch, {}, {}};
    const struct {
        const CardResult* result;
        std::optional<EjectResult> ejected;
        const char* english;
        const char* chinese;
    } cases[] = {
        {&written, EjectResult{EjectOutcome::Ejected, {}}, "The card can be removed.",
         "现在可以取出SD卡。"},
        {&written, EjectResult{EjectOutcome::Failed, "not authorised"},
         "The card could not be ejected: not authorised. Remove the card.", nullptr},
        {&written, std::nullopt, "Remove the card.", "请取出SD卡。"},
        {&locked, std::nullopt, "Remove the card.", "请取出SD卡。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LineNoteText(*c.result, c.ejected, kEnglish), c.english);
        if (c.chinese != nullptr) {
            EXPECT_EQ(LineNoteText(*c.result, c.ejected, 1), c.chinese);
        }
        const std::string chinese = LineNoteText(*c.result, c.ejected, 1);
        EXPECT_FALSE(chinese.find("。。") != std::string::npos ||
                     chinese.find(".。") != std::string::npos)
            << chinese;
    }
}

// The note follows the card's line after a full stop, never a doubled one.
TEST(CardBatchTest, TheNoteFollowsTheLineAsASentence) {
    const struct {
        const char* line;
        const char* note;
        int language;
        const char* joined;
    } cases[] = {
        {"written: menu.dat", "The card can be removed.", kEnglish,
         "written: menu.dat. The card can be removed."},
        {"not written: the card is full", "Remove the card.", kEnglish,
         "not written: the card is full. Remove the card."},
        {"not written: setup.dat: Disk quota exceeded.", "Remove the card.", kEnglish,
         "not written: setup.dat: Disk quota exceeded. Remove the card."},
        {"written: menu.dat", "", kEnglish, "written: menu.dat"},
        {"已写入：menu.dat", "现在可以取出SD卡。", 1, "已写入：menu.dat。现在可以取出SD卡。"},
        {"未写入：SD卡已满", "请取出SD卡。", 1, "未写入：SD卡已满。请取出SD卡。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LineWithNote(c.line, c.note, c.language), c.joined);
    }
}

Bytes bytesOf(const FileRecord& record) {
    return Bytes(record.begin(), record.end());
}

TEST(CardContentsTest, EachFileTellsItsCameraAndRecipientsOrWhyItCannotBeRead) {
    MenuSettings quillMenu = DefaultMenuSettings(Family::Quill);
    quillMenu.languageCode = 3;
    quillMenu.cameraMode = 1;
    quillMenu.beepSound = 1; // only a Quill has it
    MmsSettings mms = DefaultMmsSettings(Family::Sedge);
    mms.mmsSendMode = 2;
    mms.phone = "+4917012345";
    mms.email = "ann@example.org";
    mms.recipient3 = "M\xfcller@example.org"; // a code page 1252 byte
    SmtpSettings smtp = DefaultSmtpSettings(Family::Quill);
    smtp.recipient = "bob@example.org";
    Bytes damaged = bytesOf(BuildMenuRecord(quillMenu));
    damaged[10] ^= 0x40;
    const struct {
        const char* what;
        FileKind kind;
        std::optional<Bytes> bytes;
        HeldFile::State state;
        std::vector<std::pair<std::string, std::string>> facts;
    } cases[] = {
        {"a Quill menu",
         FileKind::Menu,
         bytesOf(BuildMenuRecord(quillMenu)),
         HeldFile::State::Read,
         {{"family", "Quill"}, {"language", "Deutsch"}, {"camera_mode", "Video"}}},
        {"the factory record",
         FileKind::Menu,
         bytesOf(BuildFactoryMenuRecord()),
         HeldFile::State::Read,
         {{"family", "Quill or Sedge"}, {"camera_mode", "factory settings"}}},
        {"a damaged menu", FileKind::Menu, damaged, HeldFile::State::Unreadable, {}},
        {"MMS to three recipients",
         FileKind::Mms,
         BuildSetupFile(mms).bytes,
         HeldFile::State::Read,
         {{"family", "Quill or Sedge"},
          {"mms_mode", "Sedge: QVGA; Quill: SMS"},
          {"recipients", "+4917012345, ann@example.org, M\u00fcller@example.org"}}},
        {"e-mail",
         FileKind::Smtp,
         BuildSmtpFile(smtp).bytes,
         HeldFile::State::Read,
         {{"family", "Quill"}, {"recipients", "bob@example.org"}}},
        {"a menu.dat as setup.dat",
         FileKind::Mms,
         bytesOf(BuildMenuRecord(quillMenu)),
         HeldFile::State::Unreadable,
         {}},
        {"not read", FileKind::Smtp, std::nullopt, HeldFile::State::Unreadable, {}},
    };
    for (const auto& c : cases) {
        const HeldFile held = DescribeHeldFile(c.kind, c.bytes, "Permission denied", 1252);
        EXPECT_EQ(held.state, c.state) << c.what;
        if (c.state == HeldFile::State::Read) {
            EXPECT_EQ(held.facts, c.facts) << c.what;
        } else {
            EXPECT_FALSE(held.reason.empty()) << c.what;
        }
    }
    EXPECT_EQ(DescribeHeldFile(FileKind::Smtp, std::nullopt, "Permission denied", 1252).reason,
              "Permission denied");
}

} // namespace
} // namespace rosmossel
