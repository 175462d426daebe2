// POSIX: the temporary file is flushed, renamed over the target, the folder
// flushed, and the file read back past the page cache.
#include "core/format/safe_writer_system.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rosmossel {

const char writer_system::kSeparator = '/';

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

// Creates a new file beside `path` with 0666 (or 0600), so that open()
// applies the umask itself: reading the umask means setting it, which races
// with other threads.
int createTemp(const std::string& path, std::string& temp, mode_t mode) {
    static std::atomic<unsigned> counter{0};
    const std::string prefix = path + "." + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = prefix + std::to_string(counter++) + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd; // EEXIST: left behind by an earlier process with the same id
        }
    }
    return -1;
}

// 0, or the errno of a failed flush. A file system that cannot flush a
// folder at all says so with EINVAL and the like: not a failure of the card.
// A folder the user may write to but not read cannot be opened to flush it.
int flushFolder(const std::string& folder, int error) {
    if (error == 0) {
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0) {
            return 0;
        }
        error = ::fsync(dir) == 0 ? 0 : errno;
        ::close(dir);
    }
    const bool cannotFlushFolders =
        error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
    return cannotFlushFolders ? 0 : error;
}

// Permission bits are not the owner's data: a file system that cannot keep
// them (FAT through FUSE says ENOSYS, others ENOTSUP or EPERM) still takes
// the file. False only for a real failure, errno set.
bool copyMode(int fd, mode_t mode) {
    if (::fchmod(fd, mode & 0777) == 0) {
        return true;
    }
    return errno == ENOSYS || errno == ENOTSUP || errno == EOPNOTSUPP || errno == EPERM;
}

// Reads the renamed file back from the card: its pages are clean after the
// flush, so dropping them from the cache makes the read go to the device.
std::optional<WriteError> readBack(const std::string& path, std::span<const std::uint8_t> bytes,
                                   const WriteOptions& options) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // A file its owner made write-only cannot be read back; the flush
        // above is then the last word.
        return errno == EACCES ? std::nullopt : std::optional(WriteError{path, reasonOf(errno)});
    }
#ifdef POSIX_FADV_DONTNEED
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
    std::vector<std::uint8_t> content(bytes.size() + 1);
    std::size_t got = 0;
    int error = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd, content.data() + got, content.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = n < 0 ? errno : 0;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (error != 0) {
        return WriteError{path, reasonOf(error)};
    }
    content.resize(got);
    return writer_system::CompareReadBack(path, std::move(content), bytes, options);
}

} // namespace

std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes,
                                          const WriteOptions& options) {
    // The temporary file lives in the target's folder so that the final
    // rename never crosses a file system.
    std::string temp;
    const bool ownerOnly = options.access == FileAccess::OwnerOnly;
    const int fd = createTemp(path, temp, ownerOnly ? 0600 : 0666);
    if (fd < 0) {
        return WriteError{path, reasonOf(errno)};
    }
    const auto fail = [&](int error) {
        ::unlink(temp.c_str());
        return WriteError{path, reasonOf(error)};
    };
    // A file the user restricted (or opened up) keeps its permissions.
    struct stat older {};
    const bool keepMode = !ownerOnly && ::stat(path.c_str(), &older) == 0 && S_ISREG(older.st_mode);
    if ((keepMode && !copyMode(fd, older.st_mode)) || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
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
    if (const int error = flushFolder(folderOf(path), options.folderFlushError); error != 0) {
        return WriteError{path, reasonOf(error)};
    }
    return options.readBack ? readBack(path, bytes, options) : std::nullopt;
}

} // namespace rosmossel
