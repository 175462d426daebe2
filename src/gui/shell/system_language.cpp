#include "gui/shell/system_language.h"

#include "core/session/system_language_id.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <QLocale>
#endif

namespace rosmossel {

std::uint16_t SystemDefaultLanguageId() {
#ifdef _WIN32
    return static_cast<std::uint16_t>(GetSystemDefaultLangID());
#else
    return LanguageIdFromLocaleName(QLocale::system().name().toStdString());
#endif
}

} // namespace rosmossel
