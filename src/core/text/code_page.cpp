#include "core/text/code_page.h"

#include "core/text/code_page_system.h"
#include "core/text/languages.h"
#include "core/text/locale_table.h"

#include <algorithm>
#include <array>

namespace rosmossel {
namespace {

using code_page_system::CodePageName;

// The ANSI code pages of the locales below, and UTF-8 (Windows' "use Unicode
// UTF-8" setting, or a profile that asks for it).
constexpr std::array kCodePages = std::to_array<CodePageName>({
    {874, "CP874"},
    {932, "CP932"},
    {936, "CP936"},
    {949, "CP949"},
    {950, "CP950"},
    {1250, "CP1250"},
    {1251, "CP1251"},
    {1252, "CP1252"},
    {1253, "CP1253"},
    {1254, "CP1254"},
    {1255, "CP1255"},
    {1256, "CP1256"},
    {1257, "CP1257"},
    {1258, "CP1258"},
    {kUtf8CodePage, "UTF-8"},
});

// The C locale and every language not listed: as for English.
constexpr int kWesternCodePage = LanguageRow(kEnglish).codePage;

const CodePageName* findCodePage(int codePage) {
    const auto it =
        std::find_if(kCodePages.begin(), kCodePages.end(),
                     [codePage](const CodePageName& n) { return n.codePage == codePage; });
    return it == kCodePages.end() ? nullptr : &*it;
}

using code_page_system::IsHighSurrogate;

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The position of the first lone surrogate: no character in any code page.
std::optional<std::size_t> loneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

int CodePageOfLocale(std::string_view locale) {
    const LocaleInfo* row = FindLocale(locale);
    return row != nullptr ? row->codePage : kWesternCodePage;
}

bool IsSupportedCodePage(int codePage) {
    const CodePageName* name = findCodePage(codePage);
    return name != nullptr && code_page_system::Available(*name);
}

Encoded EncodeForFile(std::u16string_view text, int codePage) {
    if (const auto at = loneSurrogate(text)) {
        return {{}, at};
    }
    if (!IsSupportedCodePage(codePage)) {
        return {{}, std::size_t{0}};
    }
    return code_page_system::Encode(text, *findCodePage(codePage));
}

Encoded EncodeForFile(std::u16string_view text) {
    return EncodeForFile(text, SystemCodePage());
}

Decoded DecodeFromFile(std::string_view bytes, int codePage) {
    if (!IsSupportedCodePage(codePage)) {
        return {std::u16string(bytes.size(), u'\uFFFD'), bytes.empty()};
    }
    Decoded out = code_page_system::Decode(bytes, *findCodePage(codePage));
    // Stored bytes that another spelling stands for (a table's one-way
    // entries) would not come back the same from the text.
    if (out.exact) {
        const Encoded again = code_page_system::Encode(out.text, *findCodePage(codePage));
        out.exact = !again.unstorableAt && again.bytes == bytes;
    }
    return out;
}

Decoded DecodeFromFile(std::string_view bytes) {
    return DecodeFromFile(bytes, SystemCodePage());
}

std::optional<std::u16string> Utf16FromUtf8(std::string_view bytes) {
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    std::u16string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        char32_t c = lead;
        if (lead >= 0xF0 && lead <= 0xF7) {
            extra = 3, c = lead & 0x07;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, c = lead & 0x0F;
        } else if (lead >= 0xC0 && lead <= 0xDF) {
            extra = 1, c = lead & 0x1F;
        } else if (lead >= 0x80) {
            return std::nullopt;
        }
        if (extra > 0 && i + extra >= bytes.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return std::nullopt;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += extra + 1;
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    const auto put = [&out](char32_t value) { out += static_cast<char>(value); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | (c >> 6));
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace rosmossel
