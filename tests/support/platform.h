#pragma once

// What the tests need to run unchanged as Linux and as Windows programs.

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace rosmossel::testing {

inline int ProcessId() {
#ifdef _WIN32
    return ::_getpid();
#else
    return ::getpid();
#endif
}

// A path as the tool takes it: UTF-8 text on every platform.
inline std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace rosmossel::testing
