#include "core/session/system_language_id.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace rosmossel {

std::uint16_t WindowsSystemLanguageId() {
    return static_cast<std::uint16_t>(GetSystemDefaultLangID());
}

} // namespace rosmossel
