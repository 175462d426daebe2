#include "cli/generate_command.h"
#include "cli/many_cards.h"

#include "support/fake_cards.h"
#include "support/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace rosmossel::cli {
namespace {

namespace fs = std::filesystem;
using rosmossel::testing::TestCard;
using rosmossel::testing::Utf8;

// Card folders in a fresh temporary folder, gone again after each test.
class ManyCardsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rosmossel-many-" + std::to_string(rosmossel::testing::ProcessId()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        profile_ = Utf8(fs::path(ROSMOSSEL_EXAMPLES) / "camera-menu.json");
        std::ostringstream err;
        ASSERT_EQ(BuildProfileFiles(profile_, files_, err), kExitOk) << err.str();
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A card whose root is a folder here (made unless `inserted` is false).
    Card card(const std::string& label, bool inserted = true) const {
        if (inserted) {
            fs::create_directories(dir_ / label);
        }
        Card c = TestCard(Utf8(dir_ / label), label);
        c.device = "/dev/" + label;
        return c;
    }
    std::string held(const std::string& label, const std::string& name) const {
        if (!fs::is_regular_file(dir_ / label / name)) {
            return {};
        }
        std::ifstream in(dir_ / label / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string menuBytes() const {
        return {files_.front().bytes.begin(), files_.front().bytes.end()};
    }

    fs::path dir_;
    std::string profile_;
    std::vector<PlannedFile> files_;
};

TEST(ManyCardsStatusTest, ABatchExitsWithItsWorstCardsStatus) {
    using O = CardOutcome;
    const struct {
        std::vector<CardOutcome> outcomes;
        int status;
    } cases[] = {
        {{O::Written, O::Written}, kExitOk},
        {{O::Written, O::NotCameraReadable}, kExitNoCard},
        {{O::NotResponding}, kExitNoCard},
        {{O::Written, O::LockSwitch}, kExitFileError},
        {{O::NotCameraReadable, O::ReadOnlyMount}, kExitFileError},
        {{O::Full, O::Removed, O::FileError}, kExitFileError},
    };
    for (const auto& c : cases) {
        std::vector<CardResult> results;
        for (const CardOutcome outcome : c.outcomes) {
            results.push_back({TestCard("/media/ann/A", "A"), outcome, {}, {}});
        }
        EXPECT_EQ(BatchExitStatus(results), c.status) << results.size();
    }
}

// generate --all-cards: one line per card, one card's failure never stops
// the others, the files that land are those generate writes.
TEST_F(ManyCardsTest, AllCardsWritesEachCardAndNamesEachFailure) {
    Card locked = card("LOCKED");
    locked.readOnly = ReadOnly::LockSwitch;
    Card disk = card("DISK");
    disk.fileSystem = "ext4";
    // A folder where the file should go: the system refuses the rename.
    const Card clash = card("CLASH");
    fs::create_directories(dir_ / "CLASH" / "menu.dat" / "kept");
    const struct {
        const char* what;
        std::vector<Card> cards;
        int status;
        std::vector<const char*> written; // labels of the cards that got menu.dat
        std::vector<const char*> lines;   // part of each line, in order
        const char* summary;
        const char* absent = nullptr; // a text no line may hold
    } cases[] = {
        {"two cards",
         {card("CAMA"), card("CAMB")},
         kExitOk,
         {"CAMA", "CAMB"},
         {"CAMA  ", "  written: menu.dat", "CAMB  ", "  written: menu.dat"},
         "2 of 2 cards written"},
        {"one locked",
         {locked, card("CAMA")},
         kExitFileError,
         {"CAMA"},
         {"LOCKED  ", "not written: the card's lock switch is on", "CAMA  ", "written: menu.dat"},
         "1 of 2 cards written; not written: LOCKED"},
        {"one taken out before its turn",
         {card("GONE", false), card("CAMA")},
         kExitFileError,
         {"CAMA"},
         {"GONE  ", "not written: the card was taken out", "CAMA  "},
         "1 of 2 cards written; not written: GONE"},
        {"a file the system refuses",
         {clash},
         kExitFileError,
         {},
         {"CLASH  ", "not written: ", "menu.dat: "},
         "0 of 1 cards written; not written: CLASH",
         "taken out"},
        {"an ext4 volume beside",
         {disk, card("CAMA")},
         kExitNoCard,
         {"CAMA"},
         {"DISK  ", "not written: a camera cannot read ext4", "CAMA  "},
         "1 of 2 cards written; not written: DISK"},
        {"no card", {}, kExitNoCard, {}, {}, "no SD card is inserted"},
    };
    for (const auto& c : cases) {
        // "GONE" is not inserted any more when asked after its failure.
        std::vector<Card> later;
        std::copy_if(c.cards.begin(), c.cards.end(), std::back_inserter(later),
                     [](const Card& each) { return each.label != "GONE"; });
        for (const Card& each : c.cards) {
            std::error_code ec;
            fs::remove(dir_ / each.label / "menu.dat", ec);
        }
        struct Source : CardSource {
            std::vector<Card> first, later;
            mutable int asked = 0;
            std::vector<Card> cards() const override { return asked++ == 0 ? first : later; }
            EjectResult eject(const Card&) const override { return {}; }
        } twoLooks;
        twoLooks.first = c.cards;
        twoLooks.later = later;
        std::ostringstream out, err;
        EXPECT_EQ(RunAllCards(twoLooks, profile_, false, out, err), c.status) << c.what;
        std::size_t at = 0;
        for (const char* part : c.lines) {
            at = out.str().find(part, at);
            ASSERT_NE(at, std::string::npos) << c.what << ": " << part << " in\n" << out.str();
        }
        if (c.absent != nullptr) {
            EXPECT_EQ(out.str().find(c.absent), std::string::npos) << c.what << "\n" << out.str();
        }
        EXPECT_NE((out.str() + err.str()).find(c.summary), std::string::npos)
            << c.what << "\n"
            << out.str() << err.str();
        for (const Card& each : c.cards) {
            const bool expected =
                std::find(c.written.begin(), c.written.end(), each.label) != c.written.end();
            EXPECT_EQ(held(each.label, "menu.dat") == menuBytes(), expected)
                << c.what << ": " << each.label;
        }
    }
}

TEST_F(ManyCardsTest, AllCardsAsJsonGivesOneObjectPerLine) {
    Card locked = card("LOCKED");
    locked.readOnly = ReadOnly::Mount;
    rosmossel::testing::FakeCardSource source;
    source.put({card("CAMA"), locked});
    std::ostringstream out, err;
    EXPECT_EQ(RunAllCards(source, profile_, true, out, err), kExitFileError);
    std::istringstream lines(out.str());
    std::vector<nlohmann::json> objects;
    for (std::string line; std::getline(lines, line);) {
        objects.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(objects.size(), 2u) << out.str();
    EXPECT_EQ(objects[0]["label"], "CAMA");
    EXPECT_EQ(objects[0]["outcome"], "written");
    EXPECT_EQ(objects[0]["written"], nlohmann::json::array({"menu.dat"}));
    EXPECT_EQ(objects[1]["outcome"], "read_only_mount");
    EXPECT_EQ(err.str(), "1 of 2 cards written; not written: LOCKED\n");
}

// generate --each-card: the system's card list as it is at each look.
struct ScriptedCardSource : CardSource {
    std::vector<std::vector<Card>> looks;
    mutable std::size_t look = 0;
    EjectOutcome ejectOutcome = EjectOutcome::Ejected;
    mutable std::vector<std::string> ejected;

    std::vector<Card> cards() const override { return looks[std::min(look, looks.size() - 1)]; }
    EjectResult eject(const Card& card) const override {
        ejected.push_back(card.label);
        return {ejectOutcome, "not authorised"};
    }
};

TEST_F(ManyCardsTest, EachCardWritesEveryCardInsertedOnce) {
    const Card a = card("CAMA");
    const Card b = card("CAMB");
    Card locked = card("LOCKED");
    locked.readOnly = ReadOnly::LockSwitch;
    const struct {
        const char* what;
        std::vector<std::vector<Card>> looks;
        std::optional<int> count;
        std::size_t stopAtLook; // the owner's Ctrl-C
        EjectOutcome eject;
        int status;
        const char* out; // the card lines
        std::vector<std::string> ejected;
    } cases[] = {
        {"one, then a second while the first is still in",
         {{}, {a}, {a}, {a, b}},
         2,
         99,
         EjectOutcome::Ejected,
         kExitOk,
         "1  CAMA  {A}  written: menu.dat. The card can be removed.\n"
         "2  CAMB  {B}  written: menu.dat. The card can be removed.\n",
         {"CAMA", "CAMB"}},
        {"already inserted first, the eject refused",
         {{a, b}},
         2,
         99,
         EjectOutcome::Failed,
         kExitOk,
         "1  CAMA  {A}  written: menu.dat. The card could not be ejected: not authorised. Remove "
         "the card.\n"
         "2  CAMB  {B}  written: menu.dat. The card could not be ejected: not authorised. Remove "
         "the card.\n",
         {"CAMA", "CAMB"}},
        {"taken out and put back is a new card",
         {{a}, {}, {a}},
         2,
         99,
         EjectOutcome::Ejected,
         kExitOk,
         "1  CAMA  {A}  written: menu.dat. The card can be removed.\n"
         "2  CAMA  {A}  written: menu.dat. The card can be removed.\n",
         {"CAMA", "CAMA"}},
        {"a locked card, then Ctrl-C",
         {{locked}, {locked}, {locked}},
         std::nullopt,
         2,
         EjectOutcome::Ejected,
         kExitFileError,
         "1  LOCKED  {L}  not written: the card's lock switch is on. Remove the card.\n",
         {}},
        {"Ctrl-C before any card", {{}}, std::nullopt, 3, EjectOutcome::Ejected, kExitOk, "", {}},
    };
    for (const auto& c : cases) {
        ScriptedCardSource source;
        source.looks = c.looks;
        source.ejectOutcome = c.eject;
        EachCardOptions options;
        options.count = c.count;
        // A line that never ends is stopped after 50 looks, and fails.
        options.stop = [&] { return source.look >= std::min<std::size_t>(c.stopAtLook, 50); };
        options.pause = [&] { ++source.look; };
        std::ostringstream out, err;
        EXPECT_EQ(RunEachCard(source, profile_, options, out, err), c.status) << c.what;
        std::string expected = c.out;
        for (const auto& [mark, label] :
             {std::pair{"{A}", "CAMA"}, {"{B}", "CAMB"}, {"{L}", "LOCKED"}}) {
            for (std::size_t at; (at = expected.find(mark)) != std::string::npos;) {
                expected.replace(at, 3, Utf8(dir_ / label));
            }
        }
        // The card lines: after the opening line, before a success's summary.
        std::string lines = out.str().substr(out.str().find('\n') + 1);
        if (c.status == kExitOk) {
            lines.erase(lines.rfind('\n', lines.size() - 2) + 1);
        }
        EXPECT_EQ(lines, expected) << c.what;
        EXPECT_EQ(source.ejected, c.ejected) << c.what;
        EXPECT_LT(source.look, 50u) << c.what << ": never ended";
    }
}

// cards --json: what each card's settings files hold, a silent card skipped.
TEST_F(ManyCardsTest, CardContentsForEachCard) {
    const Card a = card("CAMA");
    std::ofstream(dir_ / "CAMA" / "MENU.DAT", std::ios::binary) << menuBytes();
    std::ofstream(dir_ / "CAMA" / "smtp.dat", std::ios::binary) << "not a settings file";
    const Card empty = card("EMPTY");
    Card silent = card("SLOW");
    silent.responding = false;
    const std::vector<Card> cards = {a, silent, empty};
    nlohmann::ordered_json entries = nlohmann::ordered_json::array({{}, {}, {}});
    AddCardContents(cards, entries, std::chrono::seconds(10));
    const auto& files = entries[0]["files"];
    EXPECT_EQ(files["menu.dat"]["state"], "read");
    EXPECT_EQ(files["menu.dat"]["family"], "Quill");
    EXPECT_EQ(files["menu.dat"]["language"], "Deutsch");
    EXPECT_EQ(files["menu.dat"]["camera_mode"], "Camera+Video");
    EXPECT_EQ(files["setup.dat"]["state"], "empty");
    EXPECT_EQ(files["smtp.dat"]["state"], "unreadable");
    EXPECT_FALSE(files["smtp.dat"]["reason"].get<std::string>().empty());
    EXPECT_EQ(entries[0]["profile"]["camera_menu"]["camera_mode"], "Camera+Video");
    EXPECT_TRUE(entries[1]["files"].is_null());
    EXPECT_TRUE(entries[1]["profile"].is_null());
    EXPECT_EQ(entries[2]["files"]["menu.dat"]["state"], "empty");
    EXPECT_TRUE(entries[2]["profile"].is_null());
}

} // namespace
} // namespace rosmossel::cli
