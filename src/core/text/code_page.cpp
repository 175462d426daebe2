#include "core/text/code_page.h"

#include "core/format/windows_text.h" // windows.h on Windows only

namespace rosmossel {
namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

#ifndef _WIN32
void appendUtf8(std::string& out, char32_t c) {
    const auto put = [&out](unsigned value) { out += static_cast<char>(value); };
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
#endif

} // namespace

Encoded EncodeForFile(std::u16string_view text) {
    Encoded out;
    // A lone surrogate is no character in any code page.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
        } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
            out.unstorableAt = i;
            return out;
        }
    }
#ifdef _WIN32
    // Character by character, so that the first unstorable one can be named.
    for (std::size_t i = 0; i < text.size();) {
        const int units = isHighSurrogate(text[i]) ? 2 : 1;
        BOOL usedDefault = FALSE;
        char buffer[8];
        const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS,
                                          reinterpret_cast<const wchar_t*>(text.data() + i), units,
                                          buffer, sizeof buffer, nullptr, &usedDefault);
        if (n <= 0 || usedDefault) {
            out.bytes.clear();
            out.unstorableAt = i;
            return out;
        }
        out.bytes.append(buffer, static_cast<std::size_t>(n));
        i += static_cast<std::size_t>(units);
    }
#else
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(text[i])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        appendUtf8(out.bytes, c);
    }
#endif
    return out;
}

std::u16string DecodeFromFile(std::string_view bytes) {
    std::u16string out;
#ifdef _WIN32
    if (bytes.empty()) {
        return out;
    }
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    out.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    if (n > 0) {
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(out.data()),
                            n);
    }
#else
    // UTF-8; each byte that starts no well-formed sequence becomes one U+FFFD.
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        char32_t c = lead;
        bool ok = true;
        if (lead >= 0xF0 && lead <= 0xF7) {
            extra = 3, c = lead & 0x07;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, c = lead & 0x0F;
        } else if (lead >= 0xC0 && lead <= 0xDF) {
            extra = 1, c = lead & 0x1F;
        } else {
            ok = lead < 0x80;
        }
        ok = ok && i + extra < bytes.size();
        for (std::size_t k = 1; ok && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            ok = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        ok = ok && c >= kLeast[extra] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (!ok) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += extra + 1;
    }
#endif
    return out;
}

} // namespace rosmossel
