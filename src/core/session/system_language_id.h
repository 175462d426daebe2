#pragma once

#include <cstdint>
#include <string_view>

namespace rosmossel {

// The Windows language identifier of a locale name such as "zh_CN",
// "de-LI" or "fi_FI.UTF-8", so that a locale set through LANG or LC_ALL
// behaves as the matching Windows system. A language without a listed
// territory takes its main territory; anything unknown (including "C") is
// United States English, 1033.
std::uint16_t LanguageIdFromLocaleName(std::string_view name);

#ifdef _WIN32
// The system default language identifier that Windows reports.
std::uint16_t WindowsSystemLanguageId();
#endif

} // namespace rosmossel
