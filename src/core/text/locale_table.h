#pragma once

// What Windows does for a locale, for the systems that name one instead
// (LANG, LC_ALL, ...): its language identifier and its ANSI code page.

#include <cstdint>
#include <string_view>

namespace rosmossel {

struct LocaleInfo {
    std::string_view name;    // language_TERRITORY
    std::uint16_t languageId; // 0: a language the tool takes for United States English
    int codePage;
};

// The row of a locale name such as "zh_CN", "de-LI" or "fi_FI.UTF-8": its
// own, else the main territory's of its language; null for a language not
// listed (such as "C").
const LocaleInfo* FindLocale(std::string_view name);

} // namespace rosmossel
