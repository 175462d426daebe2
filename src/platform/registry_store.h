#pragma once

#ifdef _WIN32

#include "core/format/windows_text.h"
#include "core/session/preferences.h"

#include "platform/windows_api.h"

#include <string>

namespace rosmossel {

// The key named in the machine-wide hive.
inline constexpr const wchar_t* kPreferencesSubKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Ros Mossel.exe";

// The preferences in the registry, with the value types the installer and
// older versions use: REG_DWORD numbers and a 260-byte REG_SZ company block.
//
// The key lives in the machine-wide hive. A standard user may not write
// there, and every change would be lost at exit; so where that key can
// neither be opened for writing nor created, the same sub-key in the user's
// hive is used instead, with the same values and rules.
class RegistryPreferenceStore : public PreferenceStore {
  public:
    struct Location {
        HKEY machine = HKEY_LOCAL_MACHINE;
        HKEY user = HKEY_CURRENT_USER;
        std::wstring subKey = kPreferencesSubKey;
    };

    RegistryPreferenceStore() : RegistryPreferenceStore(Location{}) {}
    explicit RegistryPreferenceStore(Location location);
    ~RegistryPreferenceStore() override;
    RegistryPreferenceStore(const RegistryPreferenceStore&) = delete;
    RegistryPreferenceStore& operator=(const RegistryPreferenceStore&) = delete;

    bool Open() override;
    bool Create() override;
    void Close() override;
    std::optional<std::uint32_t> ReadNumber(std::string_view name) override;
    bool WriteNumber(std::string_view name, std::uint32_t value) override;
    std::optional<std::string> ReadText(std::string_view name) override;
    bool WriteText(std::string_view name, std::string_view text) override;

    // The hive of the open key; null while none is open.
    HKEY OpenHive() const { return hive_; }

  protected:
    // Opens (or creates) `path` under `hive`: the one place that asks the
    // registry for access, so tests can deny the machine-wide hive.
    virtual LSTATUS OpenKey(HKEY hive, const std::wstring& path, REGSAM access, bool create,
                            HKEY* key);

  private:
    bool MachineKeyCanBeCreated();

    Location location_;
    HKEY key_ = nullptr;
    HKEY hive_ = nullptr;
};

} // namespace rosmossel

#endif
