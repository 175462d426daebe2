#include "gui/shell/system_language.h"

#include "core/session/system_language_id.h"

#ifndef _WIN32
#include <QLocale>
#endif

namespace rosmossel {

std::uint16_t SystemDefaultLanguageId() {
#ifdef _WIN32
    return WindowsSystemLanguageId();
#else
    return LanguageIdFromLocaleName(QLocale::system().name().toStdString());
#endif
}

} // namespace rosmossel
