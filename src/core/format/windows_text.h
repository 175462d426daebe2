#pragma once

// Windows speaks UTF-16; the core and its callers speak UTF-8. Built on
// Windows only (windows_text.cpp).

#include <string>
#include <string_view>

namespace rosmossel {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The system's own text for error `error` (a Windows error code), in the
// system's language, without the line end and full stop, as strerror gives it
// elsewhere.
std::string WindowsErrorText(unsigned long error);

} // namespace rosmossel
