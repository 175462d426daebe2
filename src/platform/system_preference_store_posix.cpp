#include "platform/system_preference_store.h"

#include "platform/ini_store.h"

namespace rosmossel {

std::unique_ptr<PreferenceStore> MakeSystemPreferenceStore() {
    return std::make_unique<IniPreferenceStore>(UserPreferencesPath());
}

} // namespace rosmossel
