#pragma once

// What each system gives the code-page conversion (code_page.cpp):
// code_page_posix.cpp converts with iconv, code_page_windows.cpp with the
// Windows API; CMake builds the one of the system.

#include "core/text/code_page.h"

namespace rosmossel::code_page_system {

// A code page texts may be stored in, with glibc's name for the same table.
struct CodePageName {
    int codePage;
    const char* iconvName;
};

// Whether this system converts `name`; Encode and Decode are called for
// those only.
bool Available(const CodePageName& name);
Encoded Encode(std::u16string_view text, const CodePageName& name);
Decoded Decode(std::string_view bytes, const CodePageName& name);

inline bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

} // namespace rosmossel::code_page_system
