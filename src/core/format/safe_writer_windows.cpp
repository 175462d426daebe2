// Windows: the temporary file is renamed over the target with
// MOVEFILE_WRITE_THROUGH and read back with FILE_FLAG_NO_BUFFERING.
#include "core/format/safe_writer_system.h"

#include "core/format/windows_text.h"

#include <algorithm>
#include <atomic>
#include <string>

#include <windows.h>

namespace rosmossel {

const char writer_system::kSeparator = '\\';

namespace {

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
                                   std::span<const std::uint8_t> bytes,
                                   const WriteOptions& options) {
    HANDLE file = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_NO_BUFFERING, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return WriteError{path, WindowsErrorText(GetLastError())};
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
        return WriteError{path, WindowsErrorText(error)};
    }
    return writer_system::CompareReadBack(path, std::move(content), bytes, options);
}

} // namespace

// Windows: a new file takes its folder's access list (a user's documents folder
// admits that user and the administrators).
std::optional<WriteError> WriteFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes,
                                          const WriteOptions& options) {
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
        return WriteError{path, WindowsErrorText(ERROR_ACCESS_DENIED)};
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
        return WriteError{path, WindowsErrorText(GetLastError())};
    }
    const auto fail = [&](DWORD error) {
        DeleteFileW(temp.c_str());
        return WriteError{path, WindowsErrorText(error)};
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
    return options.readBack ? readBack(target, path, bytes, options) : std::nullopt;
}

} // namespace rosmossel
