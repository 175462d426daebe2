// Runs the built rosmossel-cli as a user would, on temporary folders.
#include "cli/exit_status.h"
#include "support/card_image.h"
#include "support/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;
using rosmossel::testing::Utf8;

#ifdef _WIN32
constexpr const char* kEmptyArgument = "\"\"";
#else
constexpr const char* kEmptyArgument = "''";
#endif

// On Windows, cmd takes the program's path with backslashes only; and a
// cross build names its files with Linux paths, whose root Wine shows as
// drive Z:.
std::string hostPath(std::string path) {
#ifdef _WIN32
    if (path.starts_with('/')) {
        path.insert(0, "Z:");
    }
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

const std::string kCli = hostPath(ROSMOSSEL_CLI);
const std::string kExamples = hostPath(ROSMOSSEL_EXAMPLES);

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What the tool printed; Windows ends its text lines in CR LF.
std::string readOutput(const fs::path& path) {
    std::string text = readText(path);
#ifdef _WIN32
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) {
        text.erase(at, 1);
    }
#endif
    return text;
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rosmossel-cli-" + std::to_string(rosmossel::testing::ProcessId()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "card");
    }
    void TearDown() override { fs::remove_all(dir_); }

    // `args` is UTF-8 text, as typed into a shell; standard input reads `input`.
    CliRun run(const std::string& args, const fs::path& input = {}) const {
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
#ifdef _WIN32
        const std::string command = kCli + " " + args + " >" + Utf8(out) + " 2>" + Utf8(err) +
                                    " <" + (input.empty() ? std::string("NUL") : Utf8(input));
        const fs::path wide(std::u8string(command.begin(), command.end()));
        const int status = ::_wsystem(wide.c_str());
#else
        const std::string command = "timeout 20 " + kCli + " " + args + " >" + out.string() +
                                    " 2>" + err.string() + " <" +
                                    (input.empty() ? std::string("/dev/null") : input.string());
        const int raw = std::system(command.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        return {status, readOutput(out), readOutput(err)};
    }

    fs::path write(const std::string& name, const std::string& content) const {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string card() const {
        return (dir_ / "card").string();
    }
    bool cardIsEmpty() const {
        return fs::is_empty(dir_ / "card");
    }

    fs::path dir_;
};

const char* kFullProfile = R"({
  "model": "Ros SedgeMG", "language": "English",
  "camera_menu": {"clock": "2026-12-08 14:30:00", "interval": 30, "interval_unit": "Sec"},
  "mms": {"phone": "0170123456", "email": "owner@example.org"},
  "smtp": {"smtp_server": "smtp.example.org", "smtp_port": "25", "sender_address": "cam@example.org",
           "sender_password": "secret", "recipient": "owner@example.org"}
})";

TEST_F(CliTest, GenerateThenInspectGivesTheSameFilesBack) {
    const fs::path profile = write("profile.json", kFullProfile);
    CliRun generated = run("generate " + profile.string() + " --out " + card());
    ASSERT_EQ(generated.status, 0) << generated.err;
    EXPECT_EQ(fs::file_size(dir_ / "card" / "menu.dat"), 60u);
    EXPECT_EQ(fs::file_size(dir_ / "card" / "setup.dat"), 720u);
    EXPECT_EQ(fs::file_size(dir_ / "card" / "smtp.dat"), 720u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "card"), fs::directory_iterator()), 3);

    const CliRun inspected = run("inspect " + card());
    EXPECT_EQ(inspected.status, 0) << inspected.out;
    EXPECT_NE(inspected.out.find("interval_unit: Sec [0]"), std::string::npos) << inspected.out;
    EXPECT_NE(inspected.out.find("checks as Domestic, K = 0"), std::string::npos);

    const CliRun asJson = run("inspect --json " + card());
    ASSERT_EQ(asJson.status, 0) << asJson.err;
    const fs::path again = write("again.json", asJson.out);
    fs::create_directories(dir_ / "copy");
    ASSERT_EQ(run("generate " + again.string() + " --out " + (dir_ / "copy").string()).status, 0);
    for (const char* name : {"menu.dat", "setup.dat", "smtp.dat"}) {
        EXPECT_EQ(readText(dir_ / "copy" / name), readText(dir_ / "card" / name)) << name;
    }
}

TEST_F(CliTest, FactoryWritesTheFixedRecord) {
    ASSERT_EQ(run("factory --out " + card()).status, 0);
    std::string expected = "\xFF\xFF\xFF\xFF" + std::string(52, '\0') + "\x90\x88\r\n";
    EXPECT_EQ(readText(dir_ / "card" / "menu.dat"), expected);
    const CliRun inspected = run("inspect " + (dir_ / "card" / "menu.dat").string());
    EXPECT_EQ(inspected.status, 0);
    EXPECT_NE(inspected.out.find("factory-settings record"), std::string::npos);
}

TEST_F(CliTest, RefusedProfilesWriteNothing) {
    const struct {
        const char* profile;
        int status;
        const char* message;
    } cases[] = {
        {R"({"model": 4, "camera_menu": {}, "mms": {}})", 1, "mms: Phone & Email Error(0)\n"},
        {R"({"model": 4, "camera_menu": {}, "smtp": {"smtp_server": "x"}})", 1,
         "smtp: Smtp Server\n"},
        {R"({"model": 4, "camera_menu": {"side_pir": "Maybe"}})", 1,
         "camera_menu.side_pir: \"Maybe\" is not one of \"Off\", \"On\""},
        {"not json", 1, "not valid JSON"},
        {R"({"model": 2, "mms": {"mode": "Manual", "apn": {"hex": "410042"}}})", 1,
         "mms.apn holds a zero byte inside its text"},
        {R"({"model": 2, "codePage": 1252, "mms": {"apn": "\u4e2d"}})", 1,
         "mms.apn: the character"},
    };
    for (const auto& c : cases) {
        const fs::path profile = write("bad.json", c.profile);
        const CliRun r = run("generate " + profile.string() + " --out " + card());
        EXPECT_EQ(r.status, c.status) << c.profile;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_TRUE(cardIsEmpty()) << c.profile;
    }
}

TEST_F(CliTest, WriteFailuresAreReported) {
    const fs::path profile = write("profile.json", kFullProfile);
    const std::string missing = (dir_ / "no-such-folder").string();
    const CliRun r = run("generate " + profile.string() + " --out " + missing);
    EXPECT_EQ(r.status, 3);
#ifdef _WIN32
    // The reason is the system's, in the system's language.
    EXPECT_EQ(r.err.rfind("rosmossel-cli: Could not write " + missing + "\\menu.dat: ", 0), 0u)
        << r.err;
#else
    EXPECT_EQ(r.err, "rosmossel-cli: Could not write " + missing +
                         "/menu.dat: No such file or directory\n");
#endif
    EXPECT_EQ(run("factory --out " + profile.string()).status, 3);
    EXPECT_EQ(run("generate " + (dir_ / "absent.json").string() + " --out " + card()).status, 3);
}

// A later file that cannot be written fails the run; the output names the
// file written before it.
TEST_F(CliTest, AFailedLaterFileFailsTheRun) {
    const fs::path profile = write("profile.json", kFullProfile);
    fs::create_directories(dir_ / "card" / "setup.dat"); // no file can take its place
    const CliRun r = run("generate " + profile.string() + " --out " + card());
    EXPECT_EQ(r.status, 3);
    const std::string menu = Utf8(dir_ / "card" / "menu.dat");
    EXPECT_EQ(r.out, "wrote " + menu + " (60 bytes)\n");
    const std::string setup = Utf8(dir_ / "card" / "setup.dat");
    EXPECT_EQ(r.err.rfind("rosmossel-cli: Could not write " + setup + ": ", 0), 0u) << r.err;
    EXPECT_EQ(fs::file_size(dir_ / "card" / "menu.dat"), 60u);
    EXPECT_FALSE(fs::exists(dir_ / "card" / "smtp.dat"));
}

TEST_F(CliTest, GenerateReadsStandardInput) {
    const fs::path profile = write("profile.json", kFullProfile);
    const CliRun r = run("generate - --out " + card(), profile);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "card"), fs::directory_iterator()), 3);
    const CliRun refused = run("generate - --out " + card(), write("bad.json", "not json"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.rfind("rosmossel-cli: -: profile: not valid JSON", 0), 0u) << refused.err;
}

TEST_F(CliTest, InspectDiagnosesDamagedAndForeignFiles) {
    ASSERT_EQ(run("factory --out " + card()).status, 0);
    const std::string menu = readText(dir_ / "card" / "menu.dat");
    write("short/menu.dat", "");
    fs::create_directories(dir_ / "short");
    write("short/menu.dat", menu.substr(0, 59));
    fs::create_directories(dir_ / "flipped");
    std::string flipped = menu;
    flipped[1] = 0x7F;
    write("flipped/menu.dat", flipped);
    write("photo.jpg", std::string(1000, '\xAB'));
    fs::create_directories(dir_ / "empty");
#ifndef _WIN32
    fs::create_directories(dir_ / "fifo");
    ASSERT_EQ(::mkfifo((dir_ / "fifo" / "setup.dat").c_str(), 0600), 0);
#endif

    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {(dir_ / "short").string(), "the file is 59 bytes long, a camera-menu file is 60"},
        {(dir_ / "flipped" / "menu.dat").string(), "the check value does not match the contents"},
        {(dir_ / "photo.jpg").string(), "NOT A SETTINGS FILE"},
        {(dir_ / "empty").string(), "no settings file"},
        {(dir_ / "nothing-here").string(), "UNREADABLE"},
#ifndef _WIN32 // Windows has no named pipes in folders and no /dev
        {(dir_ / "fifo").string(), "not a regular file"},
        {"/dev/zero", "not a regular file"},
#endif
    };
    for (const auto& c : cases) {
        const CliRun r = run("inspect " + c.path);
        EXPECT_EQ(r.status, 4) << c.path;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << c.path << "\n" << r.out;
    }
    // A good file beside a bad one still fails the run, and --json prints
    // the profile of the good ones only.
    const CliRun mixed = run("inspect --json " + card() + " " + (dir_ / "short").string());
    EXPECT_EQ(mixed.status, 4);
    EXPECT_NE(mixed.err.find("59 bytes"), std::string::npos);
}

// The examples generate as they stand; with the camera menu's clock fixed,
// they give the same bytes on every platform: the expected files were written
// by the Linux build.
TEST_F(CliTest, ExampleProfilesGenerate) {
    const struct {
        const char* profile;
        const char* file;
    } cases[] = {
        {"camera-menu.json", "menu.dat"}, {"mms.json", "setup.dat"}, {"smtp.json", "smtp.dat"}};
    for (const auto& c : cases) {
        const CliRun r = run("generate " + kExamples + "/" + c.profile + " --out " + card());
        EXPECT_EQ(r.status, 0) << c.profile << ": " << r.err;
        std::string text = readText(fs::path(kExamples) / c.profile);
        if (const auto now = text.find(R"("clock": "now")"); now != std::string::npos) {
            text.replace(now, 14, R"("clock": "2026-12-08 14:30:00")");
        }
        const fs::path profile = write(c.profile, text);
        ASSERT_EQ(run("generate " + profile.string() + " --out " + card()).status, 0);
        EXPECT_EQ(readText(dir_ / "card" / c.file),
                  readText(fs::path(hostPath(ROSMOSSEL_EXPECTED)) / c.file))
            << c.file;
    }
    const CliRun inspected = run("inspect " + card());
    EXPECT_EQ(inspected.status, 0) << inspected.out;
    EXPECT_NE(inspected.out.find(R"(clock: "2026-12-08 14:30:00")"), std::string::npos);
}

// inspect --json then generate writes every file inspect calls valid again,
// byte for byte: the examples' files and the fuzzing corpus.
TEST_F(CliTest, InspectedProfilesRegenerateEveryValidFile) {
    std::vector<fs::path> files;
    for (const char* folder : {ROSMOSSEL_EXPECTED, ROSMOSSEL_CORPUS}) {
        for (const auto& entry : fs::directory_iterator(hostPath(folder))) {
            files.push_back(entry.path());
        }
    }
    int regenerated = 0;
    for (const fs::path& file : files) {
        const CliRun asJson = run("inspect --json " + hostPath(file.string()));
        if (asJson.status != 0 || asJson.out.empty()) {
            continue; // invalid, or the factory record
        }
        const fs::path profile = write("again.json", asJson.out);
        const fs::path out = dir_ / "out" / file.filename();
        fs::create_directories(out);
        const CliRun generated = run("generate " + profile.string() + " --out " + out.string());
        ASSERT_EQ(generated.status, 0) << file << generated.err;
        ASSERT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1);
        EXPECT_EQ(readText(fs::directory_iterator(out)->path()), readText(file)) << file;
        ++regenerated;
    }
    EXPECT_GE(regenerated, 8);
}

// Folder names in any script reach the files and come back in the output.
TEST_F(CliTest, UnicodeFolderNames) {
    const fs::path folder = dir_ / u8"Karte-Käfer-相机";
    fs::create_directories(folder);
    const CliRun generated = run("factory --out " + Utf8(folder));
    ASSERT_EQ(generated.status, 0) << generated.err;
    EXPECT_EQ(fs::file_size(folder / "menu.dat"), 60u);
    const CliRun inspected = run("inspect " + Utf8(folder));
    EXPECT_EQ(inspected.status, 0) << inspected.out;
    EXPECT_NE(inspected.out.find(Utf8(folder / "menu.dat")), std::string::npos) << inspected.out;
}

TEST_F(CliTest, UsageAndPresets) {
    const CliRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    for (const auto& status : rosmossel::cli::kExitStatuses) {
        EXPECT_NE(help.out.find("  " + std::to_string(status.code) + "  " + status.meaning + "\n"),
                  std::string::npos)
            << help.out;
    }
    EXPECT_NE(run("generate --help").out.find("/usr/share/doc/rosmossel/examples/"),
              std::string::npos);
    EXPECT_NE(run("--version").out.find("rosmossel-cli " ROSMOSSEL_VERSION), std::string::npos);
    EXPECT_EQ(run("").status, 2);
    EXPECT_EQ(run("frobnicate").status, 2);
    EXPECT_EQ(run("generate").status, 2);
    EXPECT_EQ(run("presets sms").status, 2);
    EXPECT_EQ(run("inspect --model 9 " + card()).status, 2);
    EXPECT_EQ(run(std::string("factory --out ") + kEmptyArgument).status, 2); // not the root
    const fs::path huge = write("huge.json", std::string(1024 * 1024 + 1, ' '));
    EXPECT_EQ(run("generate " + huge.string() + " --out " + card()).status, 1);
    EXPECT_TRUE(cardIsEmpty());
    const CliRun presets = run("presets mms");
    EXPECT_EQ(presets.status, 0);
    EXPECT_NE(presets.out.find("  3 United Kingdom\n"), std::string::npos);
    EXPECT_NE(presets.out.find("      8 ASDA Mobile"), std::string::npos);
    EXPECT_EQ(presets.out.find("GPRS"), std::string::npos);
    EXPECT_NE(run("presets gprs").out.find("      6 Tesco Mobile"), std::string::npos);
}

} // namespace

// Without a card (as on the machines the tests run on), the list is empty and
// --card refuses with a status of its own.
TEST_F(CliTest, CardsAndCardChoice) {
    const CliRun cards = run("cards --json");
    EXPECT_EQ(cards.status, 0);
    if (cards.out != "[]\n") {
        GTEST_SKIP() << "a card is inserted here: " << cards.out;
    }
    const fs::path profile = write("profile.json", kFullProfile);
    for (const std::string& args :
         {"generate " + profile.string() + " --card", "generate --card " + profile.string(),
          std::string("factory --card CAM"), std::string("eject")}) {
        const CliRun refused = run(args);
        EXPECT_EQ(refused.status, 5) << args;
        EXPECT_EQ(refused.err, "rosmossel-cli: no SD card is inserted\n") << args;
    }
    EXPECT_EQ(run("generate " + profile.string() + " --card --out " + card()).status, 2);
    EXPECT_EQ(run("generate " + profile.string()).status, 2);
}

#ifndef _WIN32
// The files written onto real card file systems: FAT32 through fusefat, whose
// files keep no permission bits, and exFAT through exfat-fuse. Each case
// leaves one entry per file (what was there in upper case is replaced), and
// a clean file system.
TEST_F(CliTest, CardFileSystemsTakeTheFiles) {
    using rosmossel::testing::CardImage;
    const fs::path profile = write("profile.json", kFullProfile);
    ASSERT_EQ(run("generate " + profile.string() + " --out " + card()).status, 0);
    const std::string names[] = {"menu.dat", "setup.dat", "smtp.dat"};
    // What is on the card: its files by lower-case name (fusefat shows the
    // volume label as an empty file of its own, which is left out).
    const auto onCard = [](const fs::path& root) {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& entry : fs::directory_iterator(root)) {
            std::string name = entry.path().filename().string();
            std::transform(name.begin(), name.end(), name.begin(), ::tolower);
            if (name != "cam") {
                files.emplace_back(name, readText(entry.path()));
            }
        }
        std::sort(files.begin(), files.end());
        return files;
    };
    std::vector<std::pair<std::string, std::string>> expected;
    for (const std::string& name : names) {
        expected.emplace_back(name, readText(dir_ / "card" / name));
    }
    for (const auto kind : {CardImage::Kind::Fat32, CardImage::Kind::ExFat}) {
        const char* system = kind == CardImage::Kind::Fat32 ? "FAT32" : "exFAT";
        {
            CardImage image(kind, "CAM");
            if (!image.skipReason().empty()) {
                GTEST_SKIP() << image.skipReason();
            }
            const std::string root = image.root().string();
            // A fresh card, then the files there in upper case, then a second write.
            for (const char* step : {"fresh card", "upper-case files", "second write"}) {
                if (std::string(step) == "upper-case files") {
                    for (const std::string& name : names) {
                        fs::remove(image.root() / name);
                        std::string upper = name;
                        std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
                        std::ofstream(image.root() / upper, std::ios::binary) << "older settings";
                    }
                }
                const CliRun generated = run("generate " + profile.string() + " --out " + root);
                EXPECT_EQ(generated.status, 0) << system << ", " << step << ": " << generated.err;
                EXPECT_EQ(onCard(image.root()), expected) << system << ", " << step;
            }
            EXPECT_EQ(image.checkAfterUnmount(), "") << system;
        }
        {
            // Full: the older menu.dat stays as it was, no temporary file is left.
            CardImage image(kind, "CAM", CardImage::Lock::Off,
                            kind == CardImage::Kind::Fat32 ? 2 : 8);
            const std::string root = image.root().string();
            ASSERT_EQ(run("factory --out " + root).status, 0) << system;
            const auto older = onCard(image.root());
            ASSERT_FALSE(CardImage::run("dd if=/dev/zero bs=4k of=" + root + "/filler"));
            const CliRun generated = run("generate " + profile.string() + " --out " + root);
            EXPECT_EQ(generated.status, 3) << system;
            EXPECT_NE(generated.err.find("Could not write " + root + "/menu.dat: "),
                      std::string::npos)
                << system << ": " << generated.err;
            auto now = onCard(image.root());
            std::erase_if(now, [](const auto& file) { return file.first == "filler"; });
            EXPECT_EQ(now, older) << system;
            EXPECT_EQ(image.checkAfterUnmount(), "") << system;
        }
        {
            // Write-protected: refused, nothing changed.
            CardImage image(kind, "CAM", CardImage::Lock::On);
            const auto before = onCard(image.root());
            const CliRun generated =
                run("generate " + profile.string() + " --out " + image.root().string());
            EXPECT_EQ(generated.status, 3) << system;
            EXPECT_NE(generated.err.find("Could not write"), std::string::npos) << generated.err;
            EXPECT_EQ(onCard(image.root()), before) << system;
            EXPECT_EQ(image.checkAfterUnmount(), "") << system;
        }
    }
}
#endif
