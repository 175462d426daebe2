#include "core/session/system_language_id.h"

#include <windows.h>

namespace rosmossel {

std::uint16_t WindowsSystemLanguageId() {
    return static_cast<std::uint16_t>(GetSystemDefaultLangID());
}

} // namespace rosmossel
