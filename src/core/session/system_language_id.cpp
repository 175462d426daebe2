#include "core/session/system_language_id.h"

#include "core/text/locale_table.h"

namespace rosmossel {

std::uint16_t LanguageIdFromLocaleName(std::string_view name) {
    constexpr std::uint16_t kUnitedStatesEnglish = 1033;
    const LocaleInfo* row = FindLocale(name);
    return row != nullptr && row->languageId != 0 ? row->languageId : kUnitedStatesEnglish;
}

} // namespace rosmossel
