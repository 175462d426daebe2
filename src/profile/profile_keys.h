#pragma once

// The keys of a profile are the names of the core's field rows (menu.dat's
// rows, the header and text rows of setup.dat and smtp.dat); the sections
// are named by the settings-file table. Only the profile's own keys are
// stated here.

#include "core/format/header_fields.h"
#include "core/menu/menu_fields.h"

namespace rosmossel::profile {

inline constexpr const char* kModelKey = "model";
inline constexpr const char* kCodePageKey = "codePage";
inline constexpr const char* kModeKey = "mode"; // automatic or manual connection

// Values the top level holds for every section.
inline const char* LanguageKey() {
    return HeaderLanguageField().name;
}
inline const char* TvModeKey() {
    return MenuFieldOf(MenuField::TvMode).name;
}
inline const char* ClockKey() {
    return MenuFieldOf(MenuField::ClockYear).name;
}

} // namespace rosmossel::profile
