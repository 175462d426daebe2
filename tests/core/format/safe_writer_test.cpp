#include "core/format/safe_writer.h"

#include "support/platform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#ifndef _WIN32
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace rosmossel {
namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

// Folders of MAX_PATH characters and more are reached on Windows only in the
// \\?\ form.
fs::path reachable(const fs::path& path) {
#ifdef _WIN32
    return LR"(\\?\)" + fs::absolute(path).wstring();
#else
    return path;
#endif
}

std::vector<std::uint8_t> readAll(const fs::path& path) {
    std::ifstream in(reachable(path), std::ios::binary);
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
               ("rosmossel-writer-" + std::to_string(testing::ProcessId()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
#ifndef _WIN32
        if (mounted_) {
            ::umount2(dir_.c_str(), MNT_DETACH);
        }
#endif
        fs::remove_all(dir_);
    }
    // A small tmpfs on the test folder, so a full or read-only file system
    // is real; skipped where mounting is not allowed.
    bool mountSmallFileSystem() {
#ifdef _WIN32
        return false; // Windows mounts no file system for a test
#else
        mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") == 0;
        return mounted_;
#endif
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

// What the card gives back and how the folder flush ends decide the outcome:
// a failure there is reported, never a success.
TEST_F(SafeWriterTest, FolderFlushAndReadBackFailuresAreReported) {
    const struct {
        const char* what;
        int flushError;
        bool dropBit;
        std::string reason; // empty: written
    } cases[] = {
        {"a card that keeps the bytes", 0, false, ""},
        {"a card that drops a bit", 0, true, kCardDidNotKeepReason},
#ifndef _WIN32
        {"a folder flush that fails", EIO, false, std::strerror(EIO)},
        {"a file system that cannot flush folders", EINVAL, false, ""},
        {"nor knows the call", ENOTSUP, false, ""},
#endif
    };
    const std::string path = (dir_ / "setup.dat").string();
    for (const auto& c : cases) {
        WriteOptions options;
        options.folderFlushError = c.flushError;
        if (c.dropBit) {
            options.alterReadBack = [](std::vector<std::uint8_t>& b) { b[5] ^= 0x10; };
        }
        const auto error = WriteFileSafely(path, std::vector<std::uint8_t>(720, 0x5A), options);
        EXPECT_EQ(error ? error->reason : "", c.reason) << c.what;
        if (error) {
            EXPECT_EQ(error->path, path);
        }
        EXPECT_THAT(entries(), ::testing::ElementsAre("setup.dat")) << c.what;
    }
}

TEST_F(SafeWriterTest, FolderEndingInSeparatorAndLongPathsWork) {
    const std::string doubled = FilePathInFolder(dir_.string() + kSeparator, "menu.dat");
    EXPECT_NE(doubled.find(std::string(2, kSeparator) + "menu.dat"), std::string::npos);
    EXPECT_FALSE(WriteFileSafely(doubled, older_).has_value());
    EXPECT_EQ(readAll(dir_ / "menu.dat"), older_);

    fs::path deep = dir_;
    while (deep.string().size() < 300) {
        deep /= std::string(40, 'd');
    }
    fs::create_directories(reachable(deep));
    ASSERT_GE(deep.string().size(), 300u);
    EXPECT_FALSE(WriteFileSafely(FilePathInFolder(deep.string(), "smtp.dat"), newer_).has_value());
    EXPECT_EQ(readAll(deep / "smtp.dat"), newer_);
    // Clean up from the bottom: only the \\?\ form reaches that deep on Windows.
    fs::remove(reachable(deep / "smtp.dat"));
    for (fs::path p = deep; p != dir_; p = p.parent_path()) {
        fs::remove(reachable(p));
    }

    const fs::path lettered = dir_ / u8"Karte-Käfer-Čáp-相机";
    fs::create_directories(lettered);
    EXPECT_FALSE(
        WriteFileSafely(FilePathInFolder(testing::Utf8(lettered), "menu.dat"), older_).has_value());
    EXPECT_EQ(readAll(lettered / "menu.dat"), older_);
}

TEST_F(SafeWriterTest, FailuresNameTheFileAndTheReason) {
    writeRaw(dir_ / "plain-file", older_);
    const struct {
        std::string folder;
        std::string reason; // the system's own words, which Windows translates
    } cases[] = {
        {(dir_ / "missing").string(), "No such file or directory"},
        {(dir_ / "plain-file").string(), "Not a directory"},
    };
    for (const auto& c : cases) {
        const std::string path = FilePathInFolder(c.folder, "menu.dat");
        const auto error = WriteFileSafely(path, newer_);
        ASSERT_TRUE(error.has_value()) << c.folder;
        EXPECT_EQ(error->path, path);
#ifdef _WIN32
        EXPECT_THAT(error->reason, ::testing::Not(::testing::HasSubstr("system error")));
        EXPECT_THAT(error->reason, ::testing::Not(::testing::EndsWith("\n")));
        EXPECT_FALSE(error->reason.empty());
#else
        EXPECT_EQ(error->reason, c.reason);
#endif
    }
    EXPECT_EQ(readAll(dir_ / "plain-file"), older_);
}

// A read-only file is protected on Windows; elsewhere its folder decides,
// and the new file keeps the old one's permissions.
TEST_F(SafeWriterTest, ReadOnlyTargetFile) {
    const std::string path = FilePathInFolder(dir_.string(), "menu.dat");
    writeRaw(path, older_);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto error = WriteFileSafely(path, newer_);
#ifdef _WIN32
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, path);
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(readAll(path), older_);
#else
    EXPECT_FALSE(error.has_value());
    EXPECT_EQ(readAll(path), newer_);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0444));
#endif
    EXPECT_EQ(entries(), std::vector<fs::path>{"menu.dat"});
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(SafeWriterTest, NewFilesFollowTheUmaskReplacedOnesKeepTheirMode) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no permission bits";
#else
    const struct {
        mode_t umask;
        mode_t existing; // 0: no file yet
        mode_t expected;
    } cases[] = {{022, 0, 0644}, {027, 0, 0640}, {022, 0600, 0600}, {077, 0664, 0664}};
    const std::string path = FilePathInFolder(dir_.string(), "menu.dat");
    for (const auto& c : cases) {
        fs::remove(path);
        if (c.existing != 0) {
            writeRaw(path, older_);
            ::chmod(path.c_str(), c.existing);
        }
        const mode_t saved = ::umask(c.umask);
        const auto error = WriteFileSafely(path, newer_);
        ::umask(saved);
        ASSERT_FALSE(error.has_value());
        struct stat written {};
        ASSERT_EQ(::stat(path.c_str(), &written), 0);
        EXPECT_EQ(written.st_mode & 0777, c.expected) << std::oct << c.umask << " " << c.existing;
    }
#endif
}

TEST_F(SafeWriterTest, FileSizeLimitKeepsOlderFileIntact) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit per process";
#else
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
#endif
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
#ifndef _WIN32
    ASSERT_EQ(::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
#endif
    const auto error = WriteFileSafely(path, newer_);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->reason, "Read-only file system");
    EXPECT_EQ(readAll(path), older_);
}

} // namespace
} // namespace rosmossel
