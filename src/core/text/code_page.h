#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rosmossel {

// Typed texts go into the files as bytes of a Windows ANSI code page: the
// camera was built for what a Windows PC stores. On Windows that is the
// system's (GetACP()); elsewhere the one Windows uses for the same locale, so
// a card written on a German Linux PC holds what a German Windows PC writes.
// Length limits count these bytes. This is the one place that converts text
// for a file: the dialogs, generate, inspect and card loading all come here.

inline constexpr int kUtf8CodePage = 65001;

// The code page of this system: GetACP() on Windows; elsewhere the code page
// of the locale in LC_ALL, LC_CTYPE or LANG (the first one set).
int SystemCodePage();

// The Windows ANSI code page of a locale name ("zh_CN.UTF-8", "de-AT",
// "C"); 1252 for the C locale and languages not listed.
int CodePageOfLocale(std::string_view locale);

// Whether texts can be converted to and from `codePage` here: the ANSI code
// pages the locales use, and UTF-8. No other code page stands in for one that
// is not available.
bool IsSupportedCodePage(int codePage);

// The stored bytes of `text`, or the position (in UTF-16 units) of the first
// character the code page cannot hold. Nothing is ever replaced by '?', by a
// look-alike, or cut.
struct Encoded {
    std::string bytes;
    std::optional<std::size_t> unstorableAt;
};
Encoded EncodeForFile(std::u16string_view text, int codePage);
Encoded EncodeForFile(std::u16string_view text); // the system's code page

// The text that stored bytes stand for. Bytes that are no text in the code
// page become U+FFFD and clear `exact`; `exact` also needs the text to encode
// back to the very same bytes.
struct Decoded {
    std::u16string text;
    bool exact = true;
};
Decoded DecodeFromFile(std::string_view bytes, int codePage);
Decoded DecodeFromFile(std::string_view bytes); // the system's code page

// UTF-8 (profiles, messages) to UTF-16 and back; malformed UTF-8 gives nothing.
std::optional<std::u16string> Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view text);

} // namespace rosmossel
