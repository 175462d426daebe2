#include "core/format/safe_writer.h"

#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <filesystem>
#include <fstream>
#include <system_error>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rosmossel {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string FilePathInFolder(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    path += kSeparator;
    path += fileName;
    return path;
}

#ifdef _WIN32

std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes) {
    namespace fs = std::filesystem;
    const fs::path target = fs::u8path(path);
    fs::path temp = target;
    temp += ".tmp-rosmossel";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return WriteError{path, "the file could not be created or written"};
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return WriteError{path, ec.message()};
    }
    return std::nullopt;
}

#else

namespace {

std::string reasonOf(int error) {
    return std::strerror(error);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes) {
    // The temporary file lives in the target's folder so that the final
    // rename never crosses a file system.
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return WriteError{path, reasonOf(errno)};
    }
    const auto fail = [&](int error) {
        ::unlink(temp.c_str());
        return WriteError{path, reasonOf(error)};
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(error);
    }
    if (::close(fd) != 0) {
        return fail(errno);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        return fail(errno);
    }
    // Make the rename itself durable; a card pulled right after the success
    // message must still hold the new file.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}

#endif

} // namespace rosmossel
