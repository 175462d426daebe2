#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rosmossel {

// Typed texts go into the files as bytes of the system's code page: the ANSI
// code page on Windows, UTF-8 elsewhere (the locale's encoding). Length limits
// count these bytes.

// The stored bytes of `text`, or the position (in UTF-16 units) of the first
// character the code page cannot hold. Nothing is ever replaced by '?'.
struct Encoded {
    std::string bytes;
    std::optional<std::size_t> unstorableAt;
};
Encoded EncodeForFile(std::u16string_view text);

// The text that stored bytes stand for; bytes that are no text in the code
// page become U+FFFD.
std::u16string DecodeFromFile(std::string_view bytes);

} // namespace rosmossel
