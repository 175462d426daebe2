#include "core/text/code_page.h"

#include "core/format/windows_text.h" // windows.h on Windows only

#include <algorithm>
#include <array>
#include <cstdlib>

#ifndef _WIN32
#include <cerrno>
#include <iconv.h>
#endif

namespace rosmossel {
namespace {

struct CodePageName {
    int codePage;
    const char* iconvName; // glibc's name for the same table
};

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

struct LocaleCodePage {
    std::string_view name; // a language, or language_TERRITORY where that decides
    int codePage;
};

// Windows' ANSI code page by locale; a territory entry comes before its
// language's entry.
constexpr std::array kLocaleCodePages = std::to_array<LocaleCodePage>({
    {"zh_TW", 950}, {"zh_HK", 950}, {"zh_MO", 950}, {"zh", 936},  {"ja", 932},  {"ko", 949},
    {"cs", 1250},   {"hu", 1250},   {"pl", 1250},   {"sk", 1250}, {"sl", 1250}, {"hr", 1250},
    {"ro", 1250},   {"bs", 1250},   {"sq", 1250},   {"ru", 1251}, {"uk", 1251}, {"bg", 1251},
    {"be", 1251},   {"sr", 1251},   {"mk", 1251},   {"el", 1253}, {"tr", 1254}, {"az", 1254},
    {"he", 1255},   {"ar", 1256},   {"fa", 1256},   {"ur", 1256}, {"et", 1257}, {"lv", 1257},
    {"lt", 1257},   {"vi", 1258},   {"th", 874},
});

constexpr int kWesternCodePage = 1252; // C locale and every other language

const CodePageName* findCodePage(int codePage) {
    const auto it =
        std::find_if(kCodePages.begin(), kCodePages.end(),
                     [codePage](const CodePageName& n) { return n.codePage == codePage; });
    return it == kCodePages.end() ? nullptr : &*it;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The position of the first lone surrogate: no character in any code page.
std::optional<std::size_t> loneSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
        } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            return i;
        }
    }
    return std::nullopt;
}

#ifdef _WIN32

Encoded encode(std::u16string_view text, int codePage) {
    Encoded out;
    // WC_NO_BEST_FIT_CHARS and the used-default pointer make the call fail for
    // UTF-8, which instead refuses what it cannot hold by itself.
    const bool utf8 = codePage == kUtf8CodePage;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    // Character by character, so that the first unstorable one can be named.
    for (std::size_t i = 0; i < text.size();) {
        const int units = isHighSurrogate(text[i]) ? 2 : 1;
        BOOL usedDefault = FALSE;
        char buffer[8];
        const int n = WideCharToMultiByte(
            static_cast<UINT>(codePage), flags, reinterpret_cast<const wchar_t*>(text.data() + i),
            units, buffer, sizeof buffer, nullptr, utf8 ? nullptr : &usedDefault);
        if (n <= 0 || usedDefault) {
            out.bytes.clear();
            out.unstorableAt = i;
            return out;
        }
        out.bytes.append(buffer, static_cast<std::size_t>(n));
        i += static_cast<std::size_t>(units);
    }
    return out;
}

std::u16string convertToWide(std::string_view bytes, int codePage, DWORD flags) {
    const int size = static_cast<int>(bytes.size());
    const UINT cp = static_cast<UINT>(codePage);
    const int n = MultiByteToWideChar(cp, flags, bytes.data(), size, nullptr, 0);
    if (n <= 0) {
        return {};
    }
    std::u16string text(static_cast<std::size_t>(n), u'\0');
    MultiByteToWideChar(cp, flags, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()), n);
    return text;
}

Decoded decode(std::string_view bytes, int codePage) {
    Decoded out;
    if (bytes.empty()) {
        return out;
    }
    out.text = convertToWide(bytes, codePage, MB_ERR_INVALID_CHARS);
    if (out.text.empty()) {
        out.exact = false;
        out.text = convertToWide(bytes, codePage, 0);
    }
    return out;
}

#else

// One conversion with glibc's iconv, never with //TRANSLIT or //IGNORE: a
// character the target cannot hold stops it.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `in` onto `out`; returns the bytes of `in` consumed when a
    // sequence cannot be converted (errno EILSEQ or EINVAL), else in.size().
    std::size_t run(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // a fresh start after a refusal
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return in.size() - inLeft;
            }
        }
        // What a stateful table (1258's combining marks) still holds.
        for (;;) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r != static_cast<std::size_t>(-1) || errno != E2BIG) {
                return in.size();
            }
        }
    }

  private:
    iconv_t cd_;
};

std::string littleEndian(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

void appendLittleEndian(std::u16string& text, std::string_view bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
}

Encoded encode(std::u16string_view text, int codePage) {
    Encoded out;
    Converter convert(findCodePage(codePage)->iconvName, "UTF-16LE");
    const std::string in = littleEndian(text);
    if (!convert.ok()) {
        out.unstorableAt = 0;
        return out;
    }
    const std::size_t done = convert.run(in, out.bytes);
    if (done != in.size()) {
        out.bytes.clear();
        out.unstorableAt = done / 2;
    }
    return out;
}

Decoded decode(std::string_view bytes, int codePage) {
    Decoded out;
    Converter convert("UTF-16LE", findCodePage(codePage)->iconvName);
    if (!convert.ok()) {
        out.exact = bytes.empty();
        out.text.assign(bytes.size(), u'\uFFFD');
        return out;
    }
    // A byte that starts no character becomes one U+FFFD; the rest goes on.
    while (!bytes.empty()) {
        std::string wide;
        const std::size_t done = convert.run(bytes, wide);
        appendLittleEndian(out.text, wide);
        if (done == bytes.size()) {
            break;
        }
        out.exact = false;
        out.text += u'\uFFFD';
        bytes.remove_prefix(done + 1);
    }
    return out;
}

#endif

} // namespace

int CodePageOfLocale(std::string_view locale) {
    // "zh_CN.UTF-8@euro" and "zh-CN" both name zh_CN.
    std::string key(locale.substr(0, locale.find_first_of(".@")));
    std::replace(key.begin(), key.end(), '-', '_');
    const std::string_view language = std::string_view(key).substr(0, key.find('_'));
    for (const LocaleCodePage& entry : kLocaleCodePages) {
        if (entry.name == key || entry.name == language) {
            return entry.codePage;
        }
    }
    return kWesternCodePage;
}

int SystemCodePage() {
#ifdef _WIN32
    return static_cast<int>(GetACP());
#else
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return CodePageOfLocale(value);
        }
    }
    return kWesternCodePage;
#endif
}

bool IsSupportedCodePage(int codePage) {
    const CodePageName* name = findCodePage(codePage);
    if (name == nullptr) {
        return false;
    }
#ifdef _WIN32
    return IsValidCodePage(static_cast<UINT>(codePage)) != 0;
#else
    return Converter(name->iconvName, "UTF-16LE").ok();
#endif
}

Encoded EncodeForFile(std::u16string_view text, int codePage) {
    if (const auto at = loneSurrogate(text)) {
        return {{}, at};
    }
    if (!IsSupportedCodePage(codePage)) {
        return {{}, std::size_t{0}};
    }
    return encode(text, codePage);
}

Encoded EncodeForFile(std::u16string_view text) {
    return EncodeForFile(text, SystemCodePage());
}

Decoded DecodeFromFile(std::string_view bytes, int codePage) {
    if (!IsSupportedCodePage(codePage)) {
        return {std::u16string(bytes.size(), u'\uFFFD'), bytes.empty()};
    }
    Decoded out = decode(bytes, codePage);
    // Stored bytes that another spelling stands for (a table's one-way
    // entries) would not come back the same from the text.
    if (out.exact) {
        const Encoded again = encode(out.text, codePage);
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
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
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
