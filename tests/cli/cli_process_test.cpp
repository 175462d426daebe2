// Runs the built rosmossel-cli as a user would, on temporary folders.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rosmossel-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "card");
    }
    void TearDown() override { fs::remove_all(dir_); }

    CliRun run(const std::string& args) const {
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
        const std::string command = std::string("timeout 20 ") + ROSMOSSEL_CLI + " " + args + " >" +
                                    out.string() + " 2>" + err.string() + " </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readText(out), readText(err)};
    }

    fs::path write(const std::string& name, const std::string& content) const {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string card() const { return (dir_ / "card").string(); }
    bool cardIsEmpty() const { return fs::is_empty(dir_ / "card"); }

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
    EXPECT_EQ(r.err, "rosmossel-cli: Could not write " + missing +
                         "/menu.dat: No such file or directory\n");
    EXPECT_EQ(run("factory --out " + profile.string()).status, 3);
    EXPECT_EQ(run("generate " + (dir_ / "absent.json").string() + " --out " + card()).status, 3);
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
    fs::create_directories(dir_ / "fifo");
    ASSERT_EQ(::mkfifo((dir_ / "fifo" / "setup.dat").c_str(), 0600), 0);

    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {(dir_ / "short").string(), "the file is 59 bytes long, a camera-menu file is 60"},
        {(dir_ / "flipped" / "menu.dat").string(), "the check value does not match the contents"},
        {(dir_ / "photo.jpg").string(), "NOT A SETTINGS FILE"},
        {(dir_ / "empty").string(), "no settings file"},
        {(dir_ / "fifo").string(), "not a regular file"},
        {(dir_ / "nothing-here").string(), "UNREADABLE"},
        {"/dev/zero", "not a regular file"},
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

TEST_F(CliTest, ExampleProfilesGenerate) {
    for (const char* name : {"camera-menu.json", "mms.json", "smtp.json"}) {
        const CliRun r =
            run(std::string("generate ") + ROSMOSSEL_EXAMPLES + "/" + name + " --out " + card());
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    }
    EXPECT_EQ(run("inspect " + card()).status, 0);
}

TEST_F(CliTest, UsageAndPresets) {
    EXPECT_EQ(run("--help").status, 0);
    EXPECT_NE(run("--version").out.find("rosmossel-cli 1.2.13"), std::string::npos);
    EXPECT_EQ(run("").status, 2);
    EXPECT_EQ(run("frobnicate").status, 2);
    EXPECT_EQ(run("generate").status, 2);
    EXPECT_EQ(run("presets sms").status, 2);
    EXPECT_EQ(run("inspect --model 9 " + card()).status, 2);
    EXPECT_EQ(run("factory --out ''").status, 2); // not the file system's root
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
