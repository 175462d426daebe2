#pragma once

#include <cstdint>

namespace rosmossel {

// The system's default language as a Windows language identifier: asked of
// Windows itself, elsewhere derived from the locale (LC_ALL, LC_MESSAGES,
// LANG), so LANG=zh_CN.UTF-8 behaves as a Chinese system.
std::uint16_t SystemDefaultLanguageId();

} // namespace rosmossel
