#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rosmossel {

// Paths travel as UTF-8 text (command line, messages, the writer). A plain
// std::string would be read in the ANSI code page on Windows, which cannot
// hold every name; elsewhere both conversions change nothing.
inline std::filesystem::path Utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace rosmossel
