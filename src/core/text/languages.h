#pragma once

// The interface languages. Their rows live in resources/languages.tsv; the
// build turns them into this table, and reads the Qt locales from there too.

#include <array>
#include <cstdint>
#include <string_view>

namespace rosmossel {

struct LanguageInfo {
    int number;              // as the preferences and the files store it
    const char* englishName; // as profiles name it
    const char* nativeName;  // as the language list shows it
    const char* qtLocale;    // Qt's catalogue of its own texts; "" where none is needed
    std::uint16_t windowsId; // the Windows language id of its main territory
    int codePage;            // the Windows code page that id implies
};

inline constexpr std::array kLanguages = std::to_array<LanguageInfo>({
#include "core/text/language_rows.inc"
});

// The row of a language number; null outside the table.
constexpr const LanguageInfo* FindLanguage(int number) {
    for (const LanguageInfo& language : kLanguages) {
        if (language.number == number) {
            return &language;
        }
    }
    return nullptr;
}

// Tables of texts hold one column per language in number order.
constexpr bool NumberedInOrder() {
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        if (kLanguages[i].number != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}
static_assert(NumberedInOrder(), "languages.tsv: number the rows 1, 2, 3, ...");

// The language every text falls back to, and the one shown only on a system
// of its own.
inline constexpr int kEnglish = 2;
inline constexpr int kChinese = 1;
static_assert(std::string_view(kLanguages[kEnglish - 1].englishName) == "English");
static_assert(std::string_view(kLanguages[kChinese - 1].englishName) == "Chinese");

// The row of a language number in the table.
constexpr const LanguageInfo& LanguageRow(int number) {
    return kLanguages[static_cast<std::size_t>(number - 1)];
}

} // namespace rosmossel
