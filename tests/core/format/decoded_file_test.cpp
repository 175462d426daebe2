#include "core/format/decoded_file.h"
#include "core/format/file_reader.h"
#include "core/format/safe_writer.h"
#include "support/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace rosmossel {
namespace {

namespace fs = std::filesystem;

Bytes menuFile(Family family) {
    const FileRecord record = BuildMenuRecord(DefaultMenuSettings(family));
    return {record.begin(), record.end()};
}

// SMS only and no recipient: a Quill camera's MMS set-up; on a Sedge camera
// the same byte asks for pictures, which need a recipient.
MmsSettings smsOnly() {
    MmsSettings s = DefaultMmsSettings(Family::Quill);
    s.mmsSendMode = 2;
    s.smsRemoteControl = 0;
    return s;
}

Bytes withByteFlipped(Bytes bytes, std::size_t at) {
    bytes.at(at) ^= 0x55;
    return bytes;
}

Bytes resized(Bytes bytes, std::size_t size) {
    bytes.resize(size, 0);
    return bytes;
}

// What a file is judged to be: the decoded alternative (none for a file that
// holds no settings), whether that is mms.dat's staging image, whether it is
// valid, and the family it was read as and whether only that one fits.
enum class Read { NotSettings, Menu, Mms, Smtp };
struct Expected {
    Read read;
    bool staging = false;
    bool valid = true;
    std::optional<Family> family = std::nullopt; // unchecked when absent
    bool certain = false;
};

Read readOf(const DecodedFile& file) {
    switch (file.content.index()) {
    case 2:
        return Read::Menu;
    case 3:
        return Read::Mms;
    case 4:
        return Read::Smtp;
    default:
        return Read::NotSettings;
    }
}

TEST(DecodedFile, RecognisesEachFileByNameOrContentAndChoosesTheFamily) {
    const Bytes quillMenu = menuFile(Family::Quill);
    const Bytes setup = BuildSetupFile(DefaultMmsSettings(Family::Sedge)).bytes;
    const Bytes quillSetup = BuildSetupFile(smsOnly()).bytes;
    const Bytes staging = BuildMmsStagingImage(DefaultMmsSettings(Family::Sedge)).bytes;
    const Bytes smtp = BuildSmtpFile(DefaultSmtpSettings(Family::Sedge)).bytes;
    const FileRecord factoryRecord = BuildFactoryMenuRecord();
    const Bytes factory(factoryRecord.begin(), factoryRecord.end());
    const std::optional<Family> any;
    const Family Q = Family::Quill;
    const Family S = Family::Sedge;
    const struct {
        const char* what;
        std::string path;
        Bytes bytes;
        std::optional<Family> family;
        Expected expected;
    } cases[] = {
        // clang-format off
        // By name, in any letter case and with folders before it.
        {"menu by name",        "menu.dat",       quillMenu, Q,   {Read::Menu, false, true, Q, true}},
        {"capitals",            "/card/MENU.DAT", quillMenu, Q,   {Read::Menu, false, true, Q, true}},
        {"setup by name",       "card/setup.dat", setup,     S,   {Read::Mms,  false, true, S, true}},
        {"staging by name",     "Mms.Dat",        staging,   S,   {Read::Mms,  true,  true, S, true}},
        {"smtp by name",        "smtp.dat",       smtp,      Q,   {Read::Smtp, false, true, Q, true}},
        {"factory record",      "menu.dat",       factory,   S,   {Read::Menu, false, true, S, true}},
        {"a folder's name",     "card/",          smtp,      any, {Read::Smtp}},
        // By content, under another name or none.
        {"menu by content",     "",               quillMenu, Q,   {Read::Menu, false, true, Q, true}},
        {"setup by content",    "backup.bin",     setup,     S,   {Read::Mms,  false, true, S, true}},
        {"staging by content",  "",               staging,   S,   {Read::Mms,  true,  true, S, true}},
        {"smtp by content",     "copy of smtp",   smtp,      S,   {Read::Smtp, false, true, S, true}},
        // The family worked out: only a Quill dialog writes SMS only without
        // a recipient; a file that fits both is read as Sedge, uncertain.
        {"Quill only",          "setup.dat",      quillSetup, any, {Read::Mms, false, true, Q, true}},
        {"Quill only, content", "",               quillSetup, any, {Read::Mms, false, true, Q, true}},
        {"fits both",           "setup.dat",      setup,      any, {Read::Mms, false, true, S, false}},
        {"given family kept",   "setup.dat",      quillSetup, S,   {Read::Mms, false, true, S, true}},
        // Damaged: a known name is judged as its file; under another name,
        // bytes whose check value fits nothing are no settings file.
        {"damaged setup",       "setup.dat", withByteFlipped(setup, 100), any, {Read::Mms, false, false}},
        {"damaged, content",    "",          withByteFlipped(setup, 100), any, {Read::NotSettings}},
        {"damaged line end",    "smtp.dat",  withByteFlipped(smtp, 59),   any, {Read::Smtp, false, false}},
        // Wrong sizes, empty and foreign files.
        {"long menu",           "menu.dat",  resized(quillMenu, kRecordSize + 1), any, {Read::Menu, false, false}},
        {"short smtp",          "SMTP.DAT",  resized(smtp, kRecordSize),          S,   {Read::Smtp, false, false, S, true}},
        {"short, content",      "",          resized(setup, setup.size() - 1),    any, {Read::NotSettings}},
        {"empty by name",       "setup.dat", {},                                  any, {Read::Mms, false, false}},
        {"empty",               "",          {},                                  any, {Read::NotSettings}},
        {"foreign",             "notes.txt", Bytes(100, 'x'),                     any, {Read::NotSettings}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DecodedFile file = DecodeSettingsFile(c.path, c.bytes, c.family);
        EXPECT_EQ(file.path, c.path);
        EXPECT_EQ(readOf(file), c.expected.read);
        EXPECT_EQ(file.valid(), c.expected.read != Read::NotSettings && c.expected.valid);
        if (c.expected.read == Read::NotSettings) {
            EXPECT_EQ(file.file(), nullptr);
            EXPECT_EQ(file.verdict(), nullptr);
            continue;
        }
        ASSERT_NE(file.file(), nullptr);
        EXPECT_EQ(file.file()->kind, *file.kind());
        EXPECT_EQ(file.staging, c.expected.staging);
        EXPECT_EQ(file.file()->staging, c.expected.staging);
        if (c.expected.family) {
            EXPECT_EQ(file.family, *c.expected.family);
            EXPECT_EQ(file.familyCertain, c.expected.certain);
        }
    }
}

// The wrapper that reads a path: what it reads is judged as above, and a file
// that cannot be read says why.
TEST(DecodedFile, ReadsAFileOrSaysWhyItCannot) {
    const fs::path dir =
        fs::temp_directory_path() / ("rosmossel-decoded-" + std::to_string(testing::ProcessId()));
    fs::create_directories(dir);
    struct Cleanup {
        fs::path dir;
        ~Cleanup() { fs::remove_all(dir); }
    } cleanup{dir};
    const Bytes smtp = BuildSmtpFile(DefaultSmtpSettings(Family::Quill)).bytes;
    const std::string path = (dir / "SMTP.DAT").string();
    ASSERT_FALSE(WriteFileSafely(path, smtp));

    const DecodedFile read = ReadDecodedSettingsFile(path, Family::Quill);
    EXPECT_EQ(read.path, path);
    ASSERT_TRUE(std::holds_alternative<SmtpDecoded>(read.content));
    EXPECT_TRUE(read.valid());

    for (const std::string& unreadable : {dir.string(), (dir / "none.dat").string()}) {
        const DecodedFile file = ReadDecodedSettingsFile(unreadable, std::nullopt);
        EXPECT_EQ(file.path, unreadable);
        ASSERT_TRUE(std::holds_alternative<Unreadable>(file.content)) << unreadable;
        EXPECT_FALSE(std::get<Unreadable>(file.content).reason.empty());
        EXPECT_FALSE(file.kind());
    }
}

} // namespace
} // namespace rosmossel
