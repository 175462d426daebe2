// Windows converts with its own tables: the system's code page is GetACP().
#include "core/text/code_page_system.h"

#include <windows.h>

namespace rosmossel {
namespace code_page_system {
namespace {

Encoded encodeIn(std::u16string_view text, int codePage) {
    Encoded out;
    // WC_NO_BEST_FIT_CHARS and the used-default pointer make the call fail for
    // UTF-8, which instead refuses what it cannot hold by itself.
    const bool utf8 = codePage == kUtf8CodePage;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    // Character by character, so that the first unstorable one can be named.
    for (std::size_t i = 0; i < text.size();) {
        const int units = IsHighSurrogate(text[i]) ? 2 : 1;
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

Decoded decodeIn(std::string_view bytes, int codePage) {
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

} // namespace

bool Available(const CodePageName& name) {
    return IsValidCodePage(static_cast<UINT>(name.codePage)) != 0;
}

Encoded Encode(std::u16string_view text, const CodePageName& name) {
    return encodeIn(text, name.codePage);
}

Decoded Decode(std::string_view bytes, const CodePageName& name) {
    return decodeIn(bytes, name.codePage);
}

} // namespace code_page_system

int SystemCodePage() {
    return static_cast<int>(GetACP());
}

} // namespace rosmossel
