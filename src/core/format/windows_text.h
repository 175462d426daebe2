#pragma once

// Windows speaks UTF-16; the core and its callers speak UTF-8. Built on
// Windows only (windows_text.cpp).

#include <string>
#include <string_view>

namespace rosmossel {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

} // namespace rosmossel
