// The commands parsed from a command line and run on cards a test puts in.
#include "cli/command.h"

#include "support/fake_cards.h"
#include "support/platform.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace rosmossel::cli {
namespace {

namespace fs = std::filesystem;
using rosmossel::testing::FakeCardSource;
using rosmossel::testing::TestCard;

// A folder of the test's own, gone when the test ends however it ends.
class TestFolder {
  public:
    TestFolder()
        : path_(fs::temp_directory_path() /
                ("rosmossel-commands-" + std::to_string(rosmossel::testing::ProcessId()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TestFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

struct Parsed {
    int status;
    std::string out;
    std::string err;
};

// Parses `args` as rosmossel-cli would and runs the command named.
Parsed runCommandLine(std::vector<std::string> args, const CardSource& cards) {
    CLI::App app{"rosmossel-cli"};
    app.require_subcommand(1);
    const std::vector<std::unique_ptr<Command>> commands = AllCommands();
    std::vector<const CLI::App*> subcommands;
    for (const auto& command : commands) {
        subcommands.push_back(&command->addTo(app));
    }
    std::ostringstream out, err;
    std::reverse(args.begin(), args.end()); // CLI11 takes them from the back
    try {
        app.parse(args);
    } catch (const CLI::ParseError& e) {
        return {kExitUsage, "", e.what()};
    }
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (subcommands[i]->parsed()) {
            const CommandContext context{out, err, cards};
            const int status = commands[i]->run(context);
            return {status, out.str(), err.str()};
        }
    }
    return {-1, "", "no command ran"};
}

// --card with or without a label: the label is taken only where a profile
// still follows it.
TEST(CommandsTest, CardTakesALabelOnlyWhereTheProfileFollows) {
    const TestFolder folder;
    const fs::path cam = folder.path() / "CAM";
    const fs::path other = folder.path() / "OTHER";
    const std::string profile = (folder.path() / "profile.json").string();
    std::ofstream(profile) << R"({"model": "Ros QuillM", "language": "English",
                                 "camera_menu": {"interval": 30}})";
    const struct {
        std::vector<std::string> args;
        std::vector<Card> cards;
        int status;
        const char* written; // the card written to, or ""
        const char* err;     // part of the error output
    } cases[] = {
        {{"generate", "--card", profile}, {TestCard(cam.string(), "CAM")}, kExitOk, "CAM", ""},
        {{"generate", profile, "--card"}, {TestCard(cam.string(), "CAM")}, kExitOk, "CAM", ""},
        {{"generate", "--card", "cam", profile},
         {TestCard(cam.string(), "CAM"), TestCard(other.string(), "OTHER")},
         kExitOk,
         "CAM",
         ""},
        {{"generate", profile, "--card", "OTHER"},
         {TestCard(cam.string(), "CAM"), TestCard(other.string(), "OTHER")},
         kExitOk,
         "OTHER",
         ""},
        {{"generate", "--card", profile},
         {TestCard(cam.string(), "CAM"), TestCard(other.string(), "OTHER")},
         kExitNoCard,
         "",
         "CAM"},
        {{"generate", "--card", "NOPE", profile},
         {TestCard(cam.string(), "CAM")},
         kExitNoCard,
         "",
         "NOPE"},
        {{"generate", "--card"}, {TestCard(cam.string(), "CAM")}, kExitUsage, "", "profile"},
        {{"generate", profile}, {TestCard(cam.string(), "CAM")}, kExitUsage, "", "--out"},
        {{"generate", profile, "--card", "--out", cam.string()}, {}, kExitUsage, "", "excludes"},
        {{"factory", "--card", "OTHER"},
         {TestCard(cam.string(), "CAM"), TestCard(other.string(), "OTHER")},
         kExitOk,
         "OTHER",
         ""},
        {{"factory", "--card"}, {TestCard(cam.string(), "CAM", true)}, kExitFileError, "", "CAM"},
        {{"factory", "--card"}, {}, kExitNoCard, "", "no SD card is inserted"},
    };
    for (const auto& c : cases) {
        const std::string what = ::testing::PrintToString(c.args);
        fs::remove_all(cam);
        fs::remove_all(other);
        fs::create_directories(cam);
        fs::create_directories(other);
        FakeCardSource cards;
        cards.put(c.cards);
        const Parsed run = runCommandLine(c.args, cards);
        EXPECT_EQ(run.status, c.status) << what << ": " << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << what << ": " << run.err;
        EXPECT_EQ(fs::exists(cam / "menu.dat"), std::string(c.written) == "CAM") << what;
        EXPECT_EQ(fs::exists(other / "menu.dat"), std::string(c.written) == "OTHER") << what;
    }
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The exit statuses the developers' notes give are the program's (the manual
// page takes them from --help).
TEST(CommandsTest, ExitStatusesAreWrittenDownAsTheProgramGivesThem) {
    std::string text = readText(fs::path(ROSMOSSEL_SOURCE) / "docs/development.md");
    text = std::regex_replace(text, std::regex("`"), ""); // Markdown's code marks
    const std::regex row(R"(\n\| (\d) \| ([^\n]*) \|)");
    std::vector<std::pair<int, std::string>> rows;
    for (std::sregex_iterator it(text.begin(), text.end(), row), end; it != end; ++it) {
        rows.emplace_back(std::stoi((*it)[1]), (*it)[2]);
    }
    ASSERT_EQ(rows.size(), kExitStatuses.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].first, kExitStatuses[i].code);
        EXPECT_EQ(rows[i].second, kExitStatuses[i].meaning);
    }
}

} // namespace
} // namespace rosmossel::cli
