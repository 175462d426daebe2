#pragma once

#include "core/session/preferences.h"

#include <memory>

namespace rosmossel {

// The store of this platform: the machine-wide registry key on Windows
// (system_preference_store_windows.cpp), the user's INI file elsewhere
// (system_preference_store_posix.cpp).
std::unique_ptr<PreferenceStore> MakeSystemPreferenceStore();

} // namespace rosmossel
