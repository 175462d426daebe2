#include "core/format/safe_writer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <sys/resource.h>
#include <vector>

namespace rosmossel {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeRaw(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class SafeWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rosmossel-writer-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        if (mounted_) {
            ::umount2(dir_.c_str(), MNT_DETACH);
        }
        fs::remove_all(dir_);
    }
    // A small tmpfs on the test folder, so a full or read-only file system
    // is real; skipped where mounting is not allowed.
    bool mountSmallFileSystem() {
        mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") == 0;
        return mounted_;
    }
    std::vector<fs::path> entries() const {
        std::vector<fs::path> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            names.push_back(e.path().filename());
        }
        return names;
    }

    fs::path dir_;
    bool mounted_ = false;
    const std::vector<std::uint8_t> older_ = std::vector<std::uint8_t>(60, 0x11);
    const std::vector<std::uint8_t> newer_ = std::vector<std::uint8_t>(720, 0x22);
};

TEST_F(SafeWriterTest, ReplacesTheTargetAndLeavesNothingElse) {
    const std::string path = FilePathInFolder(dir_.string(), "setup.dat");
    writeRaw(path, older_);
    EXPECT_FALSE(WriteFileSafely(path, newer_).has_value());
    EXPECT_EQ(readAll(path), newer_);
    EXPECT_EQ(entries(), std::vector<fs::path>{"setup.dat"});
}

TEST_F(SafeWriterTest, FolderEndingInSeparatorAndLongPathsWork) {
    const std::string doubled = FilePathInFolder(dir_.string() + "/", "menu.dat");
    EXPECT_NE(doubled.find("//menu.dat"), std::string::npos);
    EXPECT_FALSE(WriteFileSafely(doubled, older_).has_value());
    EXPECT_EQ(readAll(dir_ / "menu.dat"), older_);

    fs::path deep = dir_;
    while (deep.string().size() < 300) {
        deep /= std::string(40, 'd');
    }
    fs::create_directories(deep);
    ASSERT_GE(deep.string().size(), 300u);
    EXPECT_FALSE(WriteFileSafely(FilePathInFolder(deep.string(), "smtp.dat"), newer_).has_value());
    EXPECT_EQ(readAll(deep / "smtp.dat"), newer_);
}

TEST_F(SafeWriterTest, FailuresNameTheFileAndTheReason) {
    writeRaw(dir_ / "plain-file", older_);
    const struct {
        std::string folder;
        std::string reason;
    } cases[] = {
        {(dir_ / "missing").string(), "No such file or directory"},
        {(dir_ / "plain-file").string(), "Not a directory"},
    };
    for (const auto& c : cases) {
        const std::string path = FilePathInFolder(c.folder, "menu.dat");
        const auto error = WriteFileSafely(path, newer_);
        ASSERT_TRUE(error.has_value()) << c.folder;
        EXPECT_EQ(error->path, path);
        EXPECT_EQ(error->reason, c.reason);
    }
    EXPECT_EQ(readAll(dir_ / "plain-file"), older_);
}

TEST_F(SafeWriterTest, FileSizeLimitKeepsOlderFileIntact) {
    const std::string path = FilePathInFolder(dir_.string(), "setup.dat");
    writeRaw(path, older_);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto error = WriteFileSafely(path, newer_);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "File too large");
    EXPECT_EQ(readAll(path), older_);
    EXPECT_EQ(entries(), std::vector<fs::path>{"setup.dat"});
}

TEST_F(SafeWriterTest, FullFileSystemKeepsOlderFileIntact) {
    if (!mountSmallFileSystem()) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const std::string path = FilePathInFolder(dir_.string(), "smtp.dat");
    writeRaw(path, older_);
    {
        std::ofstream filler(dir_ / "filler", std::ios::binary);
        const std::vector<char> block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    const auto error = WriteFileSafely(path, newer_);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "No space left on device");
    EXPECT_EQ(readAll(path), older_);
    fs::remove(dir_ / "filler");
    EXPECT_EQ(entries(), std::vector<fs::path>{"smtp.dat"});
}

TEST_F(SafeWriterTest, ReadOnlyFileSystemKeepsOlderFileIntact) {
    if (!mountSmallFileSystem()) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const std::string path = FilePathInFolder(dir_.string(), "menu.dat");
    writeRaw(path, older_);
    ASSERT_EQ(::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const auto error = WriteFileSafely(path, newer_);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "Read-only file system");
    EXPECT_EQ(readAll(path), older_);
}

} // namespace
} // namespace rosmossel
