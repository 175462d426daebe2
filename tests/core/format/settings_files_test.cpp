#include "core/format/settings_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace rosmossel {
namespace {

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// F1 in a set-up dialog leads to its section in both editions of the guide,
// and no two files share a name, a profile section or a description.
TEST(SettingsFiles, EachFileHasItsOwnNamesAndItsGuideSection) {
    const std::string guides[] = {readText(ROSMOSSEL_SOURCE "/docs/guide/guide.md"),
                                  readText(ROSMOSSEL_SOURCE "/docs/guide/guide.zh.md")};
    std::set<std::string> seen;
    for (const SettingsFileInfo& file : kSettingsFiles) {
        EXPECT_EQ(&SettingsFile(file.kind), &file);
        for (const std::string& guide : guides) {
            ASSERT_FALSE(guide.empty());
            EXPECT_NE(guide.find(std::string("{#") + file.guideSection + "}"), std::string::npos)
                << file.guideSection;
        }
        for (const char* name : {file.fileName, file.section, file.what, file.guideSection}) {
            EXPECT_TRUE(seen.insert(name).second) << name;
        }
    }
}

} // namespace
} // namespace rosmossel
