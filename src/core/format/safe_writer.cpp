#include "core/format/safe_writer.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
#include "core/format/windows_text.h"
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

const char* const kCardDidNotKeepReason =
    "the card did not keep what was written (reading the file back gave other bytes)";

namespace {

std::function<void(std::vector<std::uint8_t>&)>& readBackHook() {
    static std::function<void(std::vector<std::uint8_t>&)> hook;
    return hook;
}

bool& readBackOn() {
    static bool on = true;
    return on;
}

int& folderFlushError() {
    static int error = 0;
    return error;
}

// Whether what was read back is what was written; the seam plays a card
// that drops bits.
bool sameAsWritten(std::vector<std::uint8_t> readBack, std::span<const std::uint8_t> bytes) {
    if (readBackHook()) {
        readBackHook()(readBack);
    }
    return std::equal(readBack.begin(), readBack.end(), bytes.begin(), bytes.end());
}

} // namespace

namespace writer_seam {
void SetReadBackHook(std::function<void(std::vector<std::uint8_t>&)> hook) {
    readBackHook() = std::move(hook);
}
void SetReadBack(bool on) {
    readBackOn() = on;
}
void SetFolderFlushError(int error) {
    folderFlushError() = error;
}
} // namespace writer_seam

std::string FilePathInFolder(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    path += kSeparator;
    path += fileName;
    return path;
}

#ifdef _WIN32

namespace {

std::string reasonOf(DWORD error) {
    return WindowsErrorText(error);
}

// Paths of MAX_PATH characters and more only work in the \\?\ form, which
// must be absolute and takes no "/", "." or doubled separators; shorter paths
// keep the ordinary form. `room` is what the temporary name adds.
std::wstring extendedIfLong(const std::wstring& path, std::size_t room) {
    if (path.starts_with(LR"(\\?\)")) {
        return path;
    }
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return path;
    }
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
    if (full.size() + room < MAX_PATH) {
        return path;
    }
    if (full.starts_with(LR"(\\)")) {
        return LR"(\\?\UNC\)" + full.substr(2); // \\server\share\...
    }
    return LR"(\\?\)" + full;
}

bool writeAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            return false;
        }
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

// Reads the renamed file from the card itself: FILE_FLAG_NO_BUFFERING reads
// whole sectors into a page-aligned buffer, past the system's cache.
std::optional<WriteError> readBack(const std::wstring& target, const std::string& path,
                                   std::span<const std::uint8_t> bytes) {
    HANDLE file = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_NO_BUFFERING, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return WriteError{path, reasonOf(GetLastError())};
    }
    constexpr DWORD kChunk = 64 * 1024; // a multiple of every sector size
    void* buffer = VirtualAlloc(nullptr, kChunk, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    std::vector<std::uint8_t> content;
    DWORD error = buffer == nullptr ? GetLastError() : 0;
    while (error == 0 && content.size() <= bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, kChunk, &got, nullptr)) {
            error = GetLastError();
        } else if (got == 0) {
            break;
        } else {
            const auto* data = static_cast<const std::uint8_t*>(buffer);
            content.insert(content.end(), data, data + got);
        }
    }
    if (buffer != nullptr) {
        VirtualFree(buffer, 0, MEM_RELEASE);
    }
    CloseHandle(file);
    if (error != 0) {
        return WriteError{path, reasonOf(error)};
    }
    if (!sameAsWritten(std::move(content), bytes)) {
        return WriteError{path, kCardDidNotKeepReason};
    }
    return std::nullopt;
}

} // namespace

// Windows: a new file takes its folder's access list (a user's documents folder
// admits that user and the administrators).
std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes, FileAccess) {
    // The temporary file lives in the target's folder so that the final
    // rename never crosses a volume; its name is unique to this process and
    // call, so two writers never share one.
    static std::atomic<unsigned> counter{0};
    const std::wstring wide = WideFromUtf8(path);
    const std::wstring suffix = L"." + std::to_wstring(GetCurrentProcessId()) + L"-";
    const std::wstring target = extendedIfLong(wide, suffix.size() + 16);

    // Windows refuses to replace a read-only file; say so before writing
    // anything (Wine would replace it).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return WriteError{path, reasonOf(ERROR_ACCESS_DENIED)};
    }

    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = target + suffix + std::to_wstring(counter++) + L".tmp";
        file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        // A name taken (left behind by an earlier process with the same id)
        // tries the next; any other failure is final.
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return WriteError{path, reasonOf(GetLastError())};
    }
    const auto fail = [&](DWORD error) {
        DeleteFileW(temp.c_str());
        return WriteError{path, reasonOf(error)};
    };
    // The bytes must be on the card before success is claimed.
    if (!writeAll(file, bytes) || !FlushFileBuffers(file)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        return fail(error);
    }
    if (!CloseHandle(file)) {
        return fail(GetLastError());
    }
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return fail(GetLastError());
    }
    return readBackOn() ? readBack(target, path, bytes) : std::nullopt;
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
int flushFolder(const std::string& folder) {
    int error = folderFlushError();
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
std::optional<WriteError> readBack(const std::string& path, std::span<const std::uint8_t> bytes) {
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
    if (!sameAsWritten(std::move(content), bytes)) {
        return WriteError{path, kCardDidNotKeepReason};
    }
    return std::nullopt;
}

} // namespace

std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes, FileAccess access) {
    // The temporary file lives in the target's folder so that the final
    // rename never crosses a file system.
    std::string temp;
    const bool ownerOnly = access == FileAccess::OwnerOnly;
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
    if (const int error = flushFolder(folderOf(path)); error != 0) {
        return WriteError{path, reasonOf(error)};
    }
    return readBackOn() ? readBack(path, bytes) : std::nullopt;
}

#endif

} // namespace rosmossel
