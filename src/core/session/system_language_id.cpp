#include "core/session/system_language_id.h"

#include "core/text/languages.h"
#include "core/text/locale_table.h"

namespace rosmossel {

std::uint16_t LanguageIdFromLocaleName(std::string_view name) {
    const LocaleInfo* row = FindLocale(name);
    return row != nullptr && row->languageId != 0 ? row->languageId
                                                  : LanguageRow(kEnglish).windowsId;
}

} // namespace rosmossel
